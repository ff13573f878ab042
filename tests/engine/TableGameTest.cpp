// The table's rules without a window: bets and the funds check, settlement in cents, the records a hand
// changes, and the shoe from its start to its end.
#include "TableGame.h"

#include "Bankroll.h"
#include "Bets.h"

#include <gtest/gtest.h>

namespace bacc {
namespace {

// Banker wins at 95 cents on the dollar and the Tie bet loses; the Player bet loses to a Banker win and
// wins even money; a tie pays eight to one while Player and Banker stand.
TEST(Settle, UnitsAndExactCentsOfEveryRow) {
    const struct {
        SeatBets bets;
        char result;
        long long unitValue;
        int units;
        long long cents;
    } cases[] = {
        {{0, 3, 0}, 'B', 10, 3, 2850},   {{0, 1, 0}, 'B', 1, 1, 95},   {{0, 3, 1}, 'B', 25, 2, 7125 - 2500},
        {{2, 0, 1}, 'B', 10, -3, -3000}, {{4, 0, 0}, 'P', 5, 4, 2000}, {{0, 5, 2}, 'P', 5, -7, -3500},
        {{3, 0, 2}, 'T', 5, 16, 8000},   {{0, 7, 0}, 'T', 5, 0, 0},    {{0, 0, 0}, 'B', 50, 0, 0}};
    for (const auto& c : cases) {
        const SeatSettlement s = SettleSeat(c.bets, c.result, c.unitValue);
        EXPECT_EQ(s.Units, c.units) << c.result << c.cents;
        EXPECT_EQ(s.Cents, c.cents) << c.result << c.units;
    }
}

TEST(Winnings, HandMoneyInCentsRoundsHalvesAwayFromZeroWhenAdded) {
    // 3 units of $10 on a Banker win are $28.50 exactly: $29, not the $28 of a binary fraction.
    EXPECT_EQ(WinningsAfterHand(0, SettleSeat({0, 3, 0}, 'B', 10).Cents), 29);
    // $5 on Banker: each win pays $4.75, rounded at its own hand.
    long long winnings = 0;
    for (long long expected : {5, 10, 15}) {
        winnings = WinningsAfterHand(winnings, SettleSeat({0, 1, 0}, 'B', 5).Cents);
        EXPECT_EQ(winnings, expected);
    }
    EXPECT_EQ(WinningsAfterHand(0, -50), -1);
    EXPECT_EQ(WinningsAfterHand(-10, 50), -10); // -9.50 rounds away from zero
}

TEST(Records, StoredCountsAndStake) {
    // A count plus one: the whole text must be a number, else it starts again from 0.
    const std::pair<const char*, long long> counts[] = {{" 12", 13},     {" 0", 1},   {"No", 1}, {"", 1},
                                                        {" 7 hands", 1}, {" 2.5", 4}, {"-3", -2}};
    for (const auto& [stored, plusOne] : counts) {
        EXPECT_EQ(CountPlusOne(stored), plusOne) << stored;
    }
    // The stake field shows what it can hold: no sign flip, no digits cut off the front.
    EXPECT_EQ(SteakFieldAmount(" 999.5"), 1000);
    EXPECT_EQ(SteakFieldAmount("-500"), 0);
    EXPECT_EQ(SteakFieldAmount(" 123456789"), MaxSteakField);
}

TEST(Bets, RangesOfTheEntryFieldsAndTheBoxes) {
    struct {
        EntryField field;
        long long inside, below, above;
    } cases[] = {{EntryField::PlayerBet, 100, -1, 101},
                 {EntryField::BankerBet, 0, -1, 101},
                 {EntryField::TieBet, 20, -1, 21},
                 {EntryField::HandsAtaTime, 90, 0, 91},
                 {EntryField::Steak, 10'000'000, -1, 10'000'001}};
    for (const auto& c : cases) {
        EXPECT_TRUE(RangeOf(c.field).Holds(c.inside));
        EXPECT_FALSE(RangeOf(c.field).Holds(c.below));
        EXPECT_FALSE(RangeOf(c.field).Holds(c.above));
    }
}

TEST(Bets, ExtraDollarsAndTheFundsCheck) {
    // $40 on Player and $10 on Tie stand; the unit is $10.
    const StandingDollars standing{40, 0, 10};
    // Three units on Banker take the Player bet back.
    EXPECT_EQ(ExtraForBet(BetSpot::Banker, 3, 10, standing), -10);
    // Five on Player is one more unit than stands there.
    EXPECT_EQ(ExtraForBet(BetSpot::Player, 5, 10, standing), 10);
    EXPECT_EQ(ExtraForBet(BetSpot::Tie, 2, 10, standing), 10);
    EXPECT_EQ(ExtraForAdd(BetSpot::Banker, 5, 10, standing), 10);
    EXPECT_EQ(ExtraForAdd(BetSpot::Tie, 2, 10, standing), 20);
    // Held to 32 bits, as the funds check takes it.
    EXPECT_EQ(ExtraForBet(BetSpot::Player, 100, 99'999'999, {}), 2147483647);
    // Exactly nothing left is enough.
    EXPECT_TRUE(FundsCover(100, 60, 40));
    EXPECT_FALSE(FundsCover(100, 60, 41));
    EXPECT_TRUE(FundsCover(100, 30, -10));
}

} // namespace
} // namespace bacc
