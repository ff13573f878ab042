#include "Bets.h"

#include <limits>

namespace bacc {

FieldRange RangeOf(EntryField field) {
    switch (field) {
    case EntryField::PlayerBet:
    case EntryField::BankerBet:
        return {0, 100};
    case EntryField::TieBet:
        return {0, 20};
    case EntryField::HandsAtaTime:
        return {1, 90};
    case EntryField::Steak:
        break;
    }
    return {0, 10'000'000};
}

long long BoxCapacity(BetSpot spot) {
    return spot == BetSpot::Tie ? 99 : 999;
}

namespace {

std::int32_t Clamp32(long long dollars) {
    constexpr long long low = std::numeric_limits<std::int32_t>::min();
    constexpr long long high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(dollars < low ? low : (dollars > high ? high : dollars));
}

long long TakenBack(BetSpot spot, const StandingDollars& standing) {
    return spot == BetSpot::Tie ? 0 : standing.Of(OtherSide(spot));
}

} // namespace

std::int32_t ExtraForBet(BetSpot spot, long long units, long long unitValue,
                         const StandingDollars& standing) {
    return Clamp32(units * unitValue - standing.Of(spot) - TakenBack(spot, standing));
}

std::int32_t ExtraForAdd(BetSpot spot, long long addedUnits, long long unitValue,
                         const StandingDollars& standing) {
    return Clamp32(addedUnits * unitValue - TakenBack(spot, standing));
}

bool FundsCover(long long currentMoney, long long committed, std::int32_t extra) {
    return currentMoney - committed - extra >= 0;
}

SeatFates FatesOf(const SeatBets& bets, char result) {
    const auto side = [result](int units, char wins, char loses) {
        if (units == 0) {
            return BetFate::NoBet;
        }
        return result == wins ? BetFate::Wins : (result == loses ? BetFate::Loses : BetFate::Stands);
    };
    SeatFates fates;
    fates.Player = side(bets.Player, 'P', 'B');
    fates.Banker = side(bets.Banker, 'B', 'P');
    fates.Tie = bets.Tie == 0 ? BetFate::NoBet : (result == 'T' ? BetFate::Wins : BetFate::Loses);
    return fates;
}

} // namespace bacc
