#pragma once

// Betting systems and one player's bets through a session, as plain integer arithmetic.
//
// Money is in cents (Cents). Stakes are whole dollars: the unit, the table minimum and maximum are whole
// dollars and a system's stake is a whole number of units, so a Banker win, 95 % of the stake, is always
// a whole number of cents and no amount is ever rounded.
#include "Payouts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace bacc {

using Cents = std::int64_t;
inline constexpr Cents CentsPerDollar = 100;
// Sums of many amounts (all the money wagered over a study): a single stake or bankroll is Cents, but
// a hundred million sessions of a million shoes each can wager more than 64 bits hold.
__extension__ typedef __int128 WideCents;

enum class SystemKind { Flat, Martingale, Paroli, DAlembert, Fibonacci, OneThreeTwoSix };
// Where each bet goes. Follow bets on the last decided result (Banker before any), Opposite against it
// (Player before any).
enum class BetSide { Banker, Player, Tie, Follow, Opposite };

// Every system and side, in the order the lab lists them (its stored choices are indexes into these).
inline constexpr std::array<SystemKind, 6> AllSystems{SystemKind::Flat,      SystemKind::Martingale,
                                                      SystemKind::Paroli,    SystemKind::DAlembert,
                                                      SystemKind::Fibonacci, SystemKind::OneThreeTwoSix};
inline constexpr std::array<BetSide, 5> AllSides{BetSide::Banker, BetSide::Player, BetSide::Tie,
                                                 BetSide::Follow, BetSide::Opposite};

// The names the simulator's command line uses: flat, martingale, paroli, dalembert, fibonacci, 1326;
// banker, player, tie, follow, opposite.
std::optional<SystemKind> SystemNamed(std::string_view name);
std::string_view NameOf(SystemKind kind);
std::optional<BetSide> SideNamed(std::string_view name);
std::string_view NameOf(BetSide side);
// The same names as a list for a message: "flat, martingale, ... or 1326".
std::string SystemNameList();
std::string SideNameList();
// What the lab window calls them: "Martingale", "D'Alembert", "1-3-2-6"; "Follow the last result".
std::string_view TitleOf(SystemKind kind);
std::string_view TitleOf(BetSide side);

// The stake of the next bet, in units, from the decided results of the system's own bets so far.
// Pushed bets (a Player or Banker bet on a tie) are never recorded.
class BettingSystem {
public:
    virtual ~BettingSystem() = default;
    virtual std::int64_t Units() const = 0;
    // Moves on by a decided bet; returns the new Units().
    virtual std::int64_t Record(bool won) = 0;
    // Back to the first bet of a session.
    virtual void Reset() = 0;
};

std::unique_ptr<BettingSystem> MakeSystem(SystemKind kind);

// The table's limits on one bet, in cents of whole dollars. maximum 0: no maximum.
struct TableLimits {
    Cents unit = 10 * CentsPerDollar;
    Cents minimum = 10 * CentsPerDollar;
    Cents maximum = 0;
};

// What a decided bet wins over its stake: Banker 95 %, Player even money, Tie 8 to 1.
inline Cents Winnings(char spot, Cents stake) {
    // Cents won per whole dollar staked, chosen without a branch: Follow and Opposite switch spots.
    return stake / CentsPerDollar * PaysCents(spot);
}

// A wanted stake as the table takes it: at least the minimum, at most the maximum when there is one.
inline Cents ClampToTable(Cents stake, const TableLimits& limits) {
    stake = std::max(stake, limits.minimum);
    return limits.maximum > 0 ? std::min(stake, limits.maximum) : stake;
}

// A stake as the bankroll lets it stand: cut to the whole dollars a short bankroll holds, and so that a
// win of 8 to 1 still fits in Cents however far the bankroll grows (far beyond any real bankroll).
inline Cents CutToBankroll(Cents stake, Cents bankroll) {
    if (stake > bankroll) {
        stake = bankroll / CentsPerDollar * CentsPerDollar;
    }
    return std::min(stake,
                    (std::numeric_limits<Cents>::max() - bankroll) / 8 / CentsPerDollar * CentsPerDollar);
}

// The highest bankroll at which a whole-dollar stake the table takes stands uncut (from the stake itself
// up to there, CutToBankroll leaves it as it is); -1 for any other stake.
inline Cents UncutUpTo(Cents stake, const TableLimits& limits) {
    const bool whole = stake >= limits.minimum && stake > 0 && stake % CentsPerDollar == 0 &&
                       stake <= std::numeric_limits<Cents>::max() / 9;
    return whole ? std::numeric_limits<Cents>::max() - 8 * stake : -1;
}

// One player's bets through a session: a stake is put on the table (PlaceBet), the hand settles it
// (Settle). A Player or Banker bet that meets a tie stays on the table for the next hand without being
// wagered again; the Tie bet is settled every hand. The bankroll counts only settled money: a bet on
// the table is still in it.
class Bettor {
public:
    Bettor(SystemKind kind, BetSide side, TableLimits limits, Cents bankroll);

    // The system's stake clamped to the table's limits and, when the bankroll is short, cut to the whole
    // dollars it holds; false (ruin) when that is below the table minimum. A bet still standing from a
    // tie is kept and needs nothing.
    bool PlaceBet();
    // Settles the standing bet against a hand's result ('B', 'P' or 'T'). True when the bet was decided
    // (won or lost), false when it pushed and stays on the table.
    bool Settle(char result);
    // At the end of a session a bet still standing from a tie is taken back: it was never decided, so
    // it counts as not wagered.
    void TakeBack();

    Cents Bankroll() const { return bankroll_; }
    WideCents Wagered() const { return wagered_; }
    // The bet on the table: its stake and spot ('B', 'P' or 'T'); stake 0 when none stands.
    Cents Stake() const { return stake_; }
    char Spot() const { return static_cast<char>(spot_); }
    bool Standing() const { return stake_ > 0; }

private:
    int SpotForNextBet() const;
    // The stake of a bet of `units` at the current bankroll; below the minimum when the bankroll is
    // ruined. Keeps the bankrolls over which the same units give the same stake.
    Cents StakeFor(std::int64_t units);

    std::unique_ptr<BettingSystem> system_;
    bool flat_;
    TableLimits limits_;
    std::int64_t mostUnits_; // beyond this many units the stake would overflow
    std::int64_t units_;     // the system's next stake
    Cents bankroll_;
    WideCents wagered_ = 0;
    Cents stake_ = 0;
    // Held as int: a char stored may alias anything, so the compiler would reload the shoe's state after
    // every bet.
    int spot_ = 'B';
    int lastDecided_ = 0;
    // The spot of the next bet after a Banker (or no) decision, [0], and after a Player one, [1].
    std::array<int, 2> spotAfter_{};
    Cents win_ = 0; // what the standing bet wins over its stake
    // keptUnits_ units stake keptStake_ at every bankroll from keptStake_ to keptTo_.
    std::int64_t keptUnits_ = -1;
    Cents keptStake_ = 0;
    Cents keptDollars_ = 0;
    Cents keptTo_ = 0;
};

// Flat betting's bets: the same bets, bankroll and wagered money as Bettor(SystemKind::Flat, ...), in
// fewer steps a hand. While the bankroll covers the stake (and a win of 8 to 1 still fits), the stake
// is the same every bet, so what each result does to the bankroll after each last decision is worked out
// once; a short bankroll takes Bettor's way of cutting the stake.
// FollowsDecisions false makes a bettor for a side that never changes (Banker, Player or Tie), which
// skips following the decisions.
template <bool FollowsDecisions> class BasicFlatBettor {
public:
    BasicFlatBettor(BetSide side, TableLimits limits, Cents bankroll);

    bool PlaceBet();
    bool Settle(char result);
    void TakeBack() {
        fullBets_ -= standing_;
        wagered_ -= cut_;
        standing_ = 0;
        cut_ = 0;
    }

    Cents Bankroll() const { return bankroll_; }
    WideCents Wagered() const { return wagered_ + static_cast<WideCents>(fullBets_) * full_; }

private:
    // What a hand does to a bet of the full stake, by the last decision before it (0: Banker or none,
    // 1: Player) and its result ('P', 'B' and 'T' as 0, 1 and 2): the change to the bankroll (0 when
    // the bet pushed) and whether the bet was decided.
    struct Step {
        Cents change = 0;
        int decided = 0;
    };
    static std::size_t StepOf(int last, char result) {
        return static_cast<std::size_t>(last * 4 + ((result >> 1) & 3));
    }
    bool PlaceCut();
    bool SettleCut(char result, int last, bool decided);

    TableLimits limits_;
    Cents full_;   // the stake while the bankroll lies within full_ .. fullTo_
    Cents fullTo_; // -1: the stake is always worked out
    std::array<Step, 8> steps_{};
    std::array<int, 2> spotAfter_{};
    Cents bankroll_;
    std::int64_t fullBets_ = 0; // bets of the full stake, which wagered_ leaves out
    WideCents wagered_ = 0;
    int standing_ = 0; // a bet of the full stake stands
    Cents cut_ = 0;    // the stake of a cut bet standing, 0 when none
    int last_ = 0;
};

template <bool FollowsDecisions>
inline BasicFlatBettor<FollowsDecisions>::BasicFlatBettor(BetSide side, TableLimits limits, Cents bankroll)
    : limits_(limits), full_(ClampToTable(limits.unit, limits)), fullTo_(UncutUpTo(full_, limits)),
      bankroll_(bankroll) {
    const char after[5][2] = {{'B', 'B'}, {'P', 'P'}, {'T', 'T'}, {'B', 'P'}, {'P', 'B'}};
    for (int last = 0; last < 2; ++last) {
        const char spot = after[static_cast<int>(side)][last];
        spotAfter_[static_cast<std::size_t>(last)] = spot;
        for (const char result : {'B', 'P', 'T'}) {
            const bool decided = result != 'T' || spot == 'T';
            steps_[StepOf(last, result)] = {!decided ? 0 : (result == spot ? Winnings(spot, full_) : -full_),
                                            decided};
        }
    }
}

// Written without branches on the cards: whether the last hand was a tie, or the Player's, is a coin
// flip to a branch predictor.
template <bool FollowsDecisions> inline bool BasicFlatBettor<FollowsDecisions>::PlaceBet() {
    const int covered = (bankroll_ >= full_) & (bankroll_ <= fullTo_) & (cut_ == 0);
    if (standing_ | covered) {
        fullBets_ += standing_ ^ 1;
        standing_ = 1;
        return true;
    }
    return PlaceCut();
}

template <bool FollowsDecisions> inline bool BasicFlatBettor<FollowsDecisions>::Settle(char result) {
    const int last = FollowsDecisions ? last_ : 0;
    const Step& step = steps_[StepOf(last, result)];
    if constexpr (FollowsDecisions) {
        last_ = static_cast<int>(result == 'P') | (static_cast<int>(result == 'T') & last);
    }
    if (cut_ == 0) {
        const int decided = standing_ & step.decided;
        bankroll_ += step.change & -static_cast<Cents>(standing_);
        standing_ &= step.decided ^ 1;
        return decided;
    }
    return SettleCut(result, last, step.decided);
}

// A short bankroll: the stake cut as Bettor cuts it.
template <bool FollowsDecisions> inline bool BasicFlatBettor<FollowsDecisions>::PlaceCut() {
    if (cut_ > 0) {
        return true;
    }
    const Cents stake = CutToBankroll(full_, bankroll_);
    if (stake < limits_.minimum || stake <= 0) {
        return false;
    }
    if (stake == full_) {
        ++fullBets_;
        standing_ = 1;
    } else {
        cut_ = stake;
        wagered_ += stake;
    }
    return true;
}

template <bool FollowsDecisions>
inline bool BasicFlatBettor<FollowsDecisions>::SettleCut(char result, int last, bool decided) {
    if (!decided) {
        return false;
    }
    const char spot = static_cast<char>(spotAfter_[static_cast<std::size_t>(last)]);
    bankroll_ += result == spot ? Winnings(spot, cut_) : -cut_;
    cut_ = 0;
    return true;
}

// Flat betting on any side.
using FlatBettor = BasicFlatBettor<true>;
// Flat betting on Banker, Player or Tie only.
using FixedSideFlatBettor = BasicFlatBettor<false>;

// Inline, as everything a simulated session calls on its bettor.
inline Bettor::Bettor(SystemKind kind, BetSide side, TableLimits limits, Cents bankroll)
    : system_(MakeSystem(kind)), flat_(kind == SystemKind::Flat), limits_(limits),
      mostUnits_(std::numeric_limits<Cents>::max() / std::max<Cents>(limits.unit, 1)),
      units_(system_->Units()), bankroll_(bankroll) {
    switch (side) {
    case BetSide::Banker:
        spotAfter_ = {'B', 'B'};
        break;
    case BetSide::Player:
        spotAfter_ = {'P', 'P'};
        break;
    case BetSide::Tie:
        spotAfter_ = {'T', 'T'};
        break;
    case BetSide::Follow:
        spotAfter_ = {'B', 'P'};
        break;
    case BetSide::Opposite:
        spotAfter_ = {'P', 'B'};
        break;
    }
}

inline void Bettor::TakeBack() {
    wagered_ -= stake_;
    stake_ = 0;
}

inline int Bettor::SpotForNextBet() const {
    return spotAfter_[lastDecided_ == 'P'];
}

inline Cents Bettor::StakeFor(std::int64_t units) {
    const Cents wanted =
        ClampToTable(units >= mostUnits_ ? std::numeric_limits<Cents>::max() : units * limits_.unit, limits_);
    const Cents stake = CutToBankroll(wanted, bankroll_);
    const Cents upTo = UncutUpTo(stake, limits_);
    if (stake == wanted && upTo >= 0) {
        keptUnits_ = units;
        keptStake_ = stake;
        keptDollars_ = stake / CentsPerDollar;
        keptTo_ = upTo;
    }
    return stake;
}

inline bool Bettor::PlaceBet() {
    if (stake_ > 0) {
        return true;
    }
    const int spot = SpotForNextBet();
    if (units_ == keptUnits_ && bankroll_ >= keptStake_ && bankroll_ <= keptTo_) {
        // The common case: the same stake as last time, neither cut nor refused.
        stake_ = keptStake_;
        win_ = keptDollars_ * PaysCents(static_cast<char>(spot));
    } else {
        const Cents stake = StakeFor(units_);
        if (stake < limits_.minimum || stake <= 0) {
            return false;
        }
        stake_ = stake;
        win_ = Winnings(static_cast<char>(spot), stake);
    }
    spot_ = spot;
    wagered_ += stake_;
    return true;
}

inline bool Bettor::Settle(char result) {
    lastDecided_ = result == 'T' ? lastDecided_ : result;
    if (stake_ == 0 || (result == 'T' && spot_ != 'T')) {
        return false;
    }
    // Arithmetic rather than a choice: won is a coin flip to a branch predictor.
    const bool won = result == spot_;
    bankroll_ += static_cast<Cents>(won) * (win_ + stake_) - stake_;
    // Flat betting, the most studied, skips the call: its stake never changes.
    units_ = flat_ ? units_ : system_->Record(won);
    stake_ = 0;
    return true;
}

} // namespace bacc
