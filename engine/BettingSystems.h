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
    // keptUnits_ units stake keptStake_ at every bankroll from keptFrom_ to keptTo_.
    std::int64_t keptUnits_ = -1;
    Cents keptStake_ = 0;
    Cents keptDollars_ = 0;
    Cents keptFrom_ = 1;
    Cents keptTo_ = 0;
};

// Inline: called for every hand of a simulated session.
inline int Bettor::SpotForNextBet() const {
    return spotAfter_[lastDecided_ == 'P'];
}

inline Cents Bettor::StakeFor(std::int64_t units) {
    Cents stake = units >= mostUnits_ ? std::numeric_limits<Cents>::max() : units * limits_.unit;
    stake = std::max(stake, limits_.minimum);
    if (limits_.maximum > 0) {
        stake = std::min(stake, limits_.maximum);
    }
    const Cents wanted = stake;
    if (stake > bankroll_) {
        stake = bankroll_ / CentsPerDollar * CentsPerDollar;
    }
    // However far a bankroll grows, a win of 8 to 1 still fits in Cents; far beyond any real bankroll.
    stake = std::min(stake,
                     (std::numeric_limits<Cents>::max() - bankroll_) / 8 / CentsPerDollar * CentsPerDollar);
    // A whole-dollar stake that is neither cut nor refused stays the same while the bankroll covers it
    // and a win of 8 to 1 fits: up to max - 8 * stake.
    if (stake == wanted && stake >= limits_.minimum && stake > 0 && stake % CentsPerDollar == 0 &&
        stake <= std::numeric_limits<Cents>::max() / 9) {
        keptUnits_ = units;
        keptStake_ = stake;
        keptDollars_ = stake / CentsPerDollar;
        keptFrom_ = stake;
        keptTo_ = std::numeric_limits<Cents>::max() - 8 * stake;
    }
    return stake;
}

inline bool Bettor::PlaceBet() {
    if (stake_ > 0) {
        return true;
    }
    const int spot = SpotForNextBet();
    if (units_ == keptUnits_ && bankroll_ >= keptFrom_ && bankroll_ <= keptTo_) {
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
