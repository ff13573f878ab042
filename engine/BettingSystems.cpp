#include "BettingSystems.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace bacc {

namespace {

// Progressions stop growing here: far beyond any bankroll, and no overflow however long a losing run.
constexpr std::int64_t MaxUnits = std::int64_t{1} << 52;

class Flat final : public BettingSystem {
public:
    std::int64_t Units() const override { return 1; }
    std::int64_t Record(bool) override { return 1; }
    void Reset() override {}
};

class Martingale final : public BettingSystem {
public:
    std::int64_t Units() const override { return units_; }
    std::int64_t Record(bool won) override { return units_ = won ? 1 : std::min(units_ * 2, MaxUnits); }
    void Reset() override { units_ = 1; }

private:
    std::int64_t units_ = 1;
};

// 1, 2, 4 on successive wins; after the third win in a row, or any loss, back to 1.
class Paroli final : public BettingSystem {
public:
    std::int64_t Units() const override { return std::int64_t{1} << wins_; }
    std::int64_t Record(bool won) override {
        wins_ = won && wins_ < 2 ? wins_ + 1 : 0;
        return Units();
    }
    void Reset() override { wins_ = 0; }

private:
    int wins_ = 0;
};

class DAlembert final : public BettingSystem {
public:
    std::int64_t Units() const override { return units_; }
    std::int64_t Record(bool won) override {
        return units_ = won ? std::max<std::int64_t>(units_ - 1, 1) : units_ + 1;
    }
    void Reset() override { units_ = 1; }

private:
    std::int64_t units_ = 1;
};

// Stakes 1, 1, 2, 3, 5, ...: one step on after a loss, two back after a win, never before the first.
class Fibonacci final : public BettingSystem {
public:
    std::int64_t Units() const override { return current_; }
    std::int64_t Record(bool won) override {
        if (won) {
            for (int step = 0; step < 2 && step_ > 0; ++step) {
                const std::int64_t before = current_ - previous_;
                current_ = previous_;
                previous_ = before;
                --step_;
            }
        } else if (current_ < MaxUnits) {
            const std::int64_t next = current_ + previous_;
            previous_ = current_;
            current_ = next;
            ++step_;
        }
        return current_;
    }
    void Reset() override {
        step_ = 0;
        previous_ = 0;
        current_ = 1;
    }

private:
    // The sequence read 0, 1, 1, 2, 3, ...: current_ is the stake at step_, previous_ the one before.
    int step_ = 0;
    std::int64_t previous_ = 0;
    std::int64_t current_ = 1;
};

class OneThreeTwoSix final : public BettingSystem {
public:
    std::int64_t Units() const override { return Steps[position_]; }
    std::int64_t Record(bool won) override {
        position_ = won ? (position_ + 1) % Steps.size() : 0;
        return Units();
    }
    void Reset() override { position_ = 0; }

private:
    static constexpr std::array<std::int64_t, 4> Steps{1, 3, 2, 6};
    std::size_t position_ = 0;
};

constexpr std::array<std::pair<std::string_view, SystemKind>, 6> SystemNames{{
    {"flat", SystemKind::Flat},
    {"martingale", SystemKind::Martingale},
    {"paroli", SystemKind::Paroli},
    {"dalembert", SystemKind::DAlembert},
    {"fibonacci", SystemKind::Fibonacci},
    {"1326", SystemKind::OneThreeTwoSix},
}};

constexpr std::array<std::pair<std::string_view, BetSide>, 5> SideNames{{
    {"banker", BetSide::Banker},
    {"player", BetSide::Player},
    {"tie", BetSide::Tie},
    {"follow", BetSide::Follow},
    {"opposite", BetSide::Opposite},
}};

template <typename Value, std::size_t N>
std::optional<Value> Find(const std::array<std::pair<std::string_view, Value>, N>& names,
                          std::string_view name) {
    for (const auto& [text, value] : names) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

template <typename Value, std::size_t N>
std::string_view Name(const std::array<std::pair<std::string_view, Value>, N>& names, Value value) {
    for (const auto& [text, v] : names) {
        if (v == value) {
            return text;
        }
    }
    return {};
}

} // namespace

std::optional<SystemKind> SystemNamed(std::string_view name) {
    return Find(SystemNames, name);
}
std::string_view NameOf(SystemKind kind) {
    return Name(SystemNames, kind);
}
std::optional<BetSide> SideNamed(std::string_view name) {
    return Find(SideNames, name);
}
std::string_view NameOf(BetSide side) {
    return Name(SideNames, side);
}

std::unique_ptr<BettingSystem> MakeSystem(SystemKind kind) {
    switch (kind) {
    case SystemKind::Martingale:
        return std::make_unique<Martingale>();
    case SystemKind::Paroli:
        return std::make_unique<Paroli>();
    case SystemKind::DAlembert:
        return std::make_unique<DAlembert>();
    case SystemKind::Fibonacci:
        return std::make_unique<Fibonacci>();
    case SystemKind::OneThreeTwoSix:
        return std::make_unique<OneThreeTwoSix>();
    case SystemKind::Flat:
        break;
    }
    return std::make_unique<Flat>();
}

Bettor::Bettor(SystemKind kind, BetSide side, TableLimits limits, Cents bankroll)
    : system_(MakeSystem(kind)), flat_(kind == SystemKind::Flat), side_(side), limits_(limits),
      mostUnits_(std::numeric_limits<Cents>::max() / std::max<Cents>(limits.unit, 1)),
      units_(system_->Units()), bankroll_(bankroll) {}

void Bettor::TakeBack() {
    wagered_ -= stake_;
    stake_ = 0;
}

} // namespace bacc
