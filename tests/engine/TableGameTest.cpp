// The table's rules without a window: bets and the funds check, settlement in cents, the records a hand
// changes, and the shoe from its start to its end.
#include "TableGame.h"

#include "Bankroll.h"
#include "Bets.h"
#include "NumberText.h"
#include "ShoeTestSupport.h"

#include <gtest/gtest.h>

namespace bacc {
namespace {

struct SettleCase {
    SeatBets bets;
    char result;
    long long unitValue;
    int units;
    long long cents;
};

class Settle : public testing::TestWithParam<SettleCase> {};

TEST_P(Settle, UnitsAndExactCents) {
    const SettleCase& c = GetParam();
    const SeatSettlement s = SettleSeat(c.bets, c.result, c.unitValue);
    EXPECT_EQ(s.Units, c.units);
    EXPECT_EQ(s.Cents, c.cents);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, Settle,
                         testing::Values(
                             // Banker wins at 95 cents on the dollar; the Tie bet loses.
                             SettleCase{{0, 3, 0}, 'B', 10, 3, 2850}, SettleCase{{0, 1, 0}, 'B', 1, 1, 95},
                             SettleCase{{0, 3, 1}, 'B', 25, 2, 7125 - 2500},
                             // The Player bet loses to a Banker win, wins even money.
                             SettleCase{{2, 0, 1}, 'B', 10, -3, -3000},
                             SettleCase{{4, 0, 0}, 'P', 5, 4, 2000}, SettleCase{{0, 5, 2}, 'P', 5, -7, -3500},
                             // A tie pays eight to one; Player and Banker stand.
                             SettleCase{{3, 0, 2}, 'T', 5, 16, 8000}, SettleCase{{0, 7, 0}, 'T', 5, 0, 0},
                             SettleCase{{0, 0, 0}, 'B', 50, 0, 0}));

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
    EXPECT_EQ(WinningsAfterHand(-10, 49), -10);
    EXPECT_EQ(WinningsAfterHand(-10, -3000), -40);
    // Every unit value and bet the table allows, against a rounding done in another way.
    for (long long units = 1; units <= 100; ++units) {
        for (long long value = 1; value <= 300; ++value) {
            const long long cents = 95 * units * value;
            const auto expected = static_cast<long long>((static_cast<double>(cents) + 50.0) / 100.0);
            ASSERT_EQ(WinningsAfterHand(0, SettleSeat({0, static_cast<int>(units), 0}, 'B', value).Cents),
                      expected)
                << units << " x $" << value;
        }
    }
}

TEST(Records, StoredCountsTurnoverAndStake) {
    struct {
        const char* stored;
        long long plusOne;
    } counts[] = {{" 12", 13}, {" 0", 1}, {"No", 1}, {"", 1}, {" 7 hands", 1}, {" 2.5", 4}, {"-3", -2}};
    for (const auto& c : counts) {
        EXPECT_EQ(CountPlusOne(c.stored), c.plusOne) << c.stored;
    }
    EXPECT_EQ(TurnoverAfterHand(" 150", 50), 200);
    EXPECT_EQ(TurnoverAfterHand("No", 30), 30);
    EXPECT_EQ(TurnoverAfterHand(" 99abc", 1), 100);
    EXPECT_EQ(TurnoverAfterHand(" 10.6", 0), 11);
    const SeatRecords after = RecordsAfterHand(-40, 9500, " 300", 100);
    EXPECT_EQ(after.Winnings, 55);
    EXPECT_EQ(after.Turnover, 400);
    EXPECT_DOUBLE_EQ(CurrentMoney(" 1000", -40), 960);
    EXPECT_DOUBLE_EQ(CurrentMoney("garbage", 25), 25);
    // The stake field shows what it can hold: no sign flip, no digits cut off the front.
    EXPECT_EQ(SteakFieldAmount(" 999.5"), 1000);
    EXPECT_EQ(SteakFieldAmount("-500"), 0);
    EXPECT_EQ(SteakFieldAmount(" 123456789"), MaxSteakField);
    EXPECT_EQ(DealButtonCaption("Deal", 1), "Deal");
    EXPECT_EQ(DealButtonCaption("Deal", 12), "Deal 12 hands");
}

TEST(Bets, RangesOfTheEntryFields) {
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
    EXPECT_TRUE((SeatBets{1, 1, 0}.BothSides()));
    EXPECT_FALSE((SeatBets{1, 0, 5}.BothSides()));
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

TEST(Bets, WhatAHandDoesToEachBet) {
    using F = BetFate;
    struct {
        SeatBets bets;
        char result;
        F player, banker, tie;
    } cases[] = {
        {{1, 0, 1}, 'P', F::Wins, F::NoBet, F::Loses},  {{1, 0, 1}, 'B', F::Loses, F::NoBet, F::Loses},
        {{1, 0, 1}, 'T', F::Stands, F::NoBet, F::Wins}, {{0, 2, 0}, 'B', F::NoBet, F::Wins, F::NoBet},
        {{0, 2, 0}, 'P', F::NoBet, F::Loses, F::NoBet}, {{0, 2, 0}, 'T', F::NoBet, F::Stands, F::NoBet}};
    for (const auto& c : cases) {
        const SeatFates fates = FatesOf(c.bets, c.result);
        EXPECT_EQ(fates.Player, c.player) << c.result;
        EXPECT_EQ(fates.Banker, c.banker) << c.result;
        EXPECT_EQ(fates.Tie, c.tie) << c.result;
    }
}

TEST(TableGame, AShoeFromItsStartToItsEnd) {
    Shoe shoe;
    MarkingState marking;
    shoe.SetSeed(5);
    shoe.DeckCount = 0; // not a size: the shoe is built of eight decks and counted as such
    marking.HandNumber = 40;
    StartShoe(shoe, marking, false);
    EXPECT_EQ(shoe.ShoeDecks, 8);
    EXPECT_TRUE(shoe.ShoeInPlay);
    EXPECT_EQ(marking.HandNumber, 0);
    EXPECT_FALSE(marking.PlayerBlueForShoe);

    int settled = 0;
    const auto settle = [&] { ++settled; };
    EXPECT_EQ(DealHands(shoe, marking, 1, settle), 1);
    EXPECT_EQ(settled, 0); // a single hand is presented first, then settled by the table
    int dealt = 1;
    while (!shoe.EndOfShoe) {
        const int now = DealHands(shoe, marking, 90, settle);
        EXPECT_GT(now, 0);
        dealt += now;
    }
    EXPECT_EQ(marking.HandNumber, dealt);
    EXPECT_EQ(settled, dealt - 1);
    EXPECT_TRUE(shoe.LastHand);
    // The cut card leaves at least a dozen cards undealt.
    EXPECT_LE(shoe.NextCard, shoe.LastCardIndex - 13 + 6);
    EXPECT_EQ(DealHands(shoe, marking, 90, settle), 0);
    EXPECT_EQ(marking.HandNumber, dealt);
}

} // namespace
} // namespace bacc
