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

template <typename Value> struct Naming {
    Value value;
    std::string_view name;
    std::string_view title;
};

constexpr std::array<Naming<SystemKind>, 6> SystemNames{{
    {SystemKind::Flat, "flat", "Flat"},
    {SystemKind::Martingale, "martingale", "Martingale"},
    {SystemKind::Paroli, "paroli", "Paroli"},
    {SystemKind::DAlembert, "dalembert", "D'Alembert"},
    {SystemKind::Fibonacci, "fibonacci", "Fibonacci"},
    {SystemKind::OneThreeTwoSix, "1326", "1-3-2-6"},
}};

constexpr std::array<Naming<BetSide>, 5> SideNames{{
    {BetSide::Banker, "banker", "Banker"},
    {BetSide::Player, "player", "Player"},
    {BetSide::Tie, "tie", "Tie"},
    {BetSide::Follow, "follow", "Follow the last result"},
    {BetSide::Opposite, "opposite", "Opposite the last result"},
}};

template <typename Value, std::size_t N>
std::optional<Value> Find(const std::array<Naming<Value>, N>& names, std::string_view name) {
    for (const Naming<Value>& naming : names) {
        if (naming.name == name) {
            return naming.value;
        }
    }
    return std::nullopt;
}

template <typename Value, std::size_t N>
const Naming<Value>& Of(const std::array<Naming<Value>, N>& names, Value value) {
    for (const Naming<Value>& naming : names) {
        if (naming.value == value) {
            return naming;
        }
    }
    return names[0];
}

template <typename Value, std::size_t N> std::string List(const std::array<Naming<Value>, N>& names) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        text += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(names[i].name);
    }
    return text;
}

} // namespace

std::optional<SystemKind> SystemNamed(std::string_view name) {
    return Find(SystemNames, name);
}
std::string_view NameOf(SystemKind kind) {
    return Of(SystemNames, kind).name;
}
std::optional<BetSide> SideNamed(std::string_view name) {
    return Find(SideNames, name);
}
std::string_view NameOf(BetSide side) {
    return Of(SideNames, side).name;
}
std::string SystemNameList() {
    return List(SystemNames);
}
std::string SideNameList() {
    return List(SideNames);
}
std::string_view TitleOf(SystemKind kind) {
    return Of(SystemNames, kind).title;
}
std::string_view TitleOf(BetSide side) {
    return Of(SideNames, side).title;
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

} // namespace bacc
