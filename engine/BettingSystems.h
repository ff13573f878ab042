#pragma once

// Betting systems and one player's bets through a session, as plain integer arithmetic.
//
// Money is in cents (Cents). Stakes are whole dollars: the unit, the table minimum and maximum are whole
// dollars and a system's stake is a whole number of units, so a Banker win, 95 % of the stake, is always
// a whole number of cents and no amount is ever rounded.
#include "Payouts.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

namespace bacc {

using Cents = std::int64_t;
inline constexpr Cents CentsPerDollar = 100;

enum class SystemKind { Flat, Martingale, Paroli, DAlembert, Fibonacci, OneThreeTwoSix };
// Where each bet goes. Follow bets on the last decided result (Banker before any), Opposite against it
// (Player before any).
enum class BetSide { Banker, Player, Tie, Follow, Opposite };

// The names the simulator's command line uses: flat, martingale, paroli, dalembert, fibonacci, 1326;
// banker, player, tie, follow, opposite.
std::optional<SystemKind> SystemNamed(std::string_view name);
std::string_view NameOf(SystemKind kind);
std::optional<BetSide> SideNamed(std::string_view name);
std::string_view NameOf(BetSide side);

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
    Cents Wagered() const { return wagered_; }
    // The bet on the table: its stake and spot ('B', 'P' or 'T'); stake 0 when none stands.
    Cents Stake() const { return stake_; }
    char Spot() const { return spot_; }
    bool Standing() const { return stake_ > 0; }

private:
    char SpotForNextBet() const;

    std::unique_ptr<BettingSystem> system_;
    bool flat_;
    BetSide side_;
    TableLimits limits_;
    std::int64_t mostUnits_; // beyond this many units the stake would overflow
    std::int64_t units_;     // the system's next stake
    Cents bankroll_;
    Cents wagered_ = 0;
    Cents stake_ = 0;
    char spot_ = 'B';
    char lastDecided_ = 0;
};

// Inline: called for every hand of a simulated session.
inline char Bettor::SpotForNextBet() const {
    switch (side_) {
    case BetSide::Banker:
        return 'B';
    case BetSide::Player:
        return 'P';
    case BetSide::Tie:
        return 'T';
    case BetSide::Follow:
        return lastDecided_ == 'P' ? 'P' : 'B';
    case BetSide::Opposite:
        return lastDecided_ == 'P' ? 'B' : 'P';
    }
    return 'B';
}

inline bool Bettor::PlaceBet() {
    if (stake_ > 0) {
        return true;
    }
    const std::int64_t units = units_;
    Cents stake = units >= mostUnits_ ? std::numeric_limits<Cents>::max() : units * limits_.unit;
    stake = std::max(stake, limits_.minimum);
    if (limits_.maximum > 0) {
        stake = std::min(stake, limits_.maximum);
    }
    if (stake > bankroll_) {
        stake = bankroll_ / CentsPerDollar * CentsPerDollar;
    }
    if (stake < limits_.minimum || stake <= 0) {
        return false;
    }
    stake_ = stake;
    spot_ = SpotForNextBet();
    wagered_ += stake;
    return true;
}

inline bool Bettor::Settle(char result) {
    lastDecided_ = result == 'T' ? lastDecided_ : result;
    if (stake_ == 0 || (result == 'T' && spot_ != 'T')) {
        return false;
    }
    // Arithmetic rather than a choice: won is a coin flip to a branch predictor.
    const bool won = result == spot_;
    bankroll_ += static_cast<Cents>(won) * (Winnings(spot_, stake_) + stake_) - stake_;
    // Flat betting, the most studied, skips the call: its stake never changes.
    units_ = flat_ ? units_ : system_->Record(won);
    stake_ = 0;
    return true;
}

} // namespace bacc
