#pragma once

#include <cstdint>

// What a seat may bet and whether its money covers it: the rules the table's entry fields apply.
namespace bacc {

// The three places a seat can bet on. A seat bets on Player or on Banker, never both; Tie is independent.
enum class BetSpot { Player, Banker, Tie };

inline BetSpot OtherSide(BetSpot spot) {
    return spot == BetSpot::Player ? BetSpot::Banker : BetSpot::Player;
}

// One seat's bets in units.
struct SeatBets {
    int Player = 0;
    int Banker = 0;
    int Tie = 0;
    bool Any() const { return Player != 0 || Banker != 0 || Tie != 0; }
    int On(BetSpot spot) const {
        return spot == BetSpot::Player ? Player : (spot == BetSpot::Banker ? Banker : Tie);
    }
    // A seat that bets on both sides of the same hand is refused at the deal.
    bool BothSides() const { return Player != 0 && Banker != 0; }
};

// The entry fields whose value must lie in a range; a value outside it is refused with a message.
enum class EntryField { PlayerBet, BankerBet, TieBet, HandsAtaTime, Steak };
struct FieldRange {
    long long Min = 0;
    long long Max = 0;
    bool Holds(long long value) const { return value >= Min && value <= Max; }
};
FieldRange RangeOf(EntryField field);
inline EntryField FieldOf(BetSpot spot) {
    return spot == BetSpot::Player ? EntryField::PlayerBet
                                   : (spot == BetSpot::Banker ? EntryField::BankerBet : EntryField::TieBet);
}

// The most a bet box holds: three digit positions for Player and Banker, two for Tie. An add past it
// would have the box keep only its leading digits while the bet's value showed the whole amount.
long long BoxCapacity(BetSpot spot);

// The dollars a bet has in play on the table, per spot of one seat.
struct StandingDollars {
    long long Player = 0;
    long long Banker = 0;
    long long Tie = 0;
    long long Of(BetSpot spot) const {
        return spot == BetSpot::Player ? Player : (spot == BetSpot::Banker ? Banker : Tie);
    }
    long long Total() const { return Player + Banker + Tie; }
};

// The extra dollars a seat commits when the bet on spot becomes units: the new bet less what stands on
// that spot and, for Player or Banker, less the other side's bet, which the change takes back. Held to
// the 32-bit range of the funds check.
std::int32_t ExtraForBet(BetSpot spot, long long units, long long unitValue, const StandingDollars& standing);
// The same for units added by a bet label to what the spot already holds.
std::int32_t ExtraForAdd(BetSpot spot, long long addedUnits, long long unitValue,
                         const StandingDollars& standing);

// Whether a seat's money covers the bets it has in play plus the extra: money - committed - extra >= 0.
bool FundsCover(long long currentMoney, long long committed, std::int32_t extra);

// What a decided hand does to each bet of a seat.
enum class BetFate { NoBet, Wins, Loses, Stands };
struct SeatFates {
    BetFate Player = BetFate::NoBet;
    BetFate Banker = BetFate::NoBet;
    BetFate Tie = BetFate::NoBet;
};
// result 'P', 'B' or 'T'. On a tie the Player and Banker bets stand.
SeatFates FatesOf(const SeatBets& bets, char result);

} // namespace bacc
