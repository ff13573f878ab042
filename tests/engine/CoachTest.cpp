// The coach weighs every bet on the exact odds of the cards left before its hand, and over many hands
// its luck is centred on zero.
#include "Coach.h"

#include "Bankroll.h"
#include "ExactOdds.h"
#include "GameListener.h"
#include "ShoeTestSupport.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using bacc::SeatBets;

struct Seat {
    SeatBets bets;
    long long unitValue = 0;
};

// Deals the shoe's next hand and settles both seats as the table does.
bacc::HandRecord PlayHand(bacc::Shoe& shoe, const std::array<Seat, 2>& seats) {
    bacc::HandRecord record;
    record.LeftBefore = bacc::RemainingValues(shoe);
    shoe.DealHand();
    record.Hand = shoe.Hand;
    for (std::size_t s = 0; s < 2; ++s) {
        bacc::SeatHandRecord& seat = record.Seats[s];
        seat.Bets = seats[s].bets;
        seat.UnitValue = seats[s].unitValue;
        seat.Cents = bacc::SettleSeat(seat.Bets, shoe.Hand.HandResult, seat.UnitValue).Cents;
    }
    return record;
}

// Expected cents of bets from probabilities worked out apart from the engine.
double ExpectedCents(const SeatBets& bets, long long unitValue, const exact::Outcome& o) {
    const double unit = 100.0 * static_cast<double>(unitValue);
    return unit * (bets.Banker * (0.95 * o.banker - o.player) + bets.Player * (o.player - o.banker) +
                   bets.Tie * (8 * o.tie - o.banker - o.player));
}

struct Case {
    const char* name;
    int burntTo; // the first card of the hand: 2 after the ace-and-king burn
    bacc::ValueCounts left;
    std::array<Seat, 2> seats;
};

// A one-deck shoe burnt by an ace and a king; the last case deals from its ten zero-valued last cards,
// where every hand is a tie.
const Case cases[] = {
    {"banker and player with a tie",
     2,
     {15, 3, 4, 4, 4, 4, 4, 4, 4, 4},
     {{{{0, 3, 0}, 25}, {{2, 0, 1}, 10}}}},
    {"a tie bet against banker", 2, {15, 3, 4, 4, 4, 4, 4, 4, 4, 4}, {{{{0, 0, 1}, 100}, {{0, 0, 0}, 5}}}},
    {"only zeros left", 42, {10, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {{{{0, 0, 1}, 5}, {{0, 2, 0}, 50}}}},
};

std::vector<bacc::CardId> ShoeEndingInZeros() {
    std::vector<int> ranks{1, 13};
    for (int value = 1; value <= 9; ++value) {
        for (int n = value == 1 ? 1 : 0; n < 4; ++n) {
            ranks.push_back(value);
        }
    }
    return testshoe::OrderStartingWith(ranks); // the fifteen zeros follow
}

TEST(Coach, WeighsEachBetOnTheExactOddsOfTheCardsLeft) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bacc::Shoe shoe;
        testshoe::StartStackedShoe(shoe, c.burntTo == 2 ? testshoe::OrderStartingWith({1, 13})
                                                        : ShoeEndingInZeros());
        shoe.NextCard = c.burntTo;
        const bacc::HandRecord record = PlayHand(shoe, c.seats);
        ASSERT_EQ(record.LeftBefore, c.left);
        const exact::Outcome odds = exact::Enumerator(c.left).Run();

        bacc::Coach coach;
        coach.Add(record);
        for (int s = 0; s < 2; ++s) {
            const Seat& seat = c.seats[static_cast<std::size_t>(s)];
            const bacc::SeatCoach& figures = coach.Seat(s);
            const double expected = ExpectedCents(seat.bets, seat.unitValue, odds);
            EXPECT_NEAR(figures.Expected(), expected, 1e-6);
            EXPECT_EQ(figures.Actual(), record.Seats[static_cast<std::size_t>(s)].Cents);
            EXPECT_NEAR(figures.Luck(), static_cast<double>(figures.Actual()) - expected, 1e-6);
            const long long units = seat.bets.Player + seat.bets.Banker + seat.bets.Tie;
            EXPECT_EQ(figures.Wagered(), 100 * units * seat.unitValue);
            EXPECT_EQ(figures.HandsBet(), units > 0 ? 1 : 0);
            EXPECT_EQ(figures.Points().size(), 1u);
        }
    }
}

TEST(Coach, ChoiceIsTheCostAgainstTheBestBetOfTheHand) {
    bacc::Shoe shoe;
    testshoe::StartStackedShoe(shoe, testshoe::OrderStartingWith({1, 13}));
    bacc::Coach coach;
    coach.Add(PlayHand(shoe, {{{{0, 0, 1}, 100}, {{0, 1, 0}, 100}}}));
    const bacc::HandOdds odds = bacc::ExactOdds(bacc::ValueCounts{15, 3, 4, 4, 4, 4, 4, 4, 4, 4});
    ASSERT_GT(odds.EvBanker, odds.EvPlayer);
    ASSERT_GT(odds.EvBanker, odds.EvTie);
    // $100 on Tie: the same $100 on Banker was the better bet.
    EXPECT_NEAR(coach.Seat(0).EdgePaid(), -odds.EvTie, 1e-12);
    EXPECT_NEAR(coach.Seat(0).BestEdge(), -odds.EvBanker, 1e-12);
    EXPECT_NEAR(coach.Seat(0).ChoiceCost(), 10'000 * (odds.EvTie - odds.EvBanker), 1e-6);
    EXPECT_EQ(coach.Seat(0).LastHand().Best, bacc::BetSpot::Banker);
    EXPECT_NEAR(coach.Seat(1).ChoiceCost(), 0, 1e-9); // Banker was the best bet
}

// Eight-deck shoes dealt as the table deals them; one seat bets Banker, and Tie whenever the odds
// favour it, the other alternates Player and Tie. Luck summed over the hands is within four standard
// errors of zero.
TEST(Coach, LuckAveragesZeroOverManyHands) {
    bacc::Shoe shoe;
    shoe.SetSeed(20'261'207);
    shoe.DeckCount = 8;
    bacc::Coach coach;
    while (coach.Hands() < 100'000) {
        shoe.StartShoe();
        while (!shoe.EndOfShoe) {
            const bool tieFavoured = bacc::ExactOdds(bacc::RemainingValues(shoe)).EvTie > 0;
            const bool odd = coach.Hands() % 2 != 0;
            coach.Add(
                PlayHand(shoe, {{{{0, 1, tieFavoured ? 1 : 0}, 10}, {{odd ? 0 : 2, 0, odd ? 1 : 0}, 25}}}));
        }
    }
    for (int s = 0; s < 2; ++s) {
        const bacc::SeatCoach& seat = coach.Seat(s);
        const double error = std::sqrt(seat.Variance());
        std::printf("seat %d, %d hands: luck $%.2f per hand, standard error $%.2f (%.2f standard errors)\n",
                    s + 1, coach.Hands(), seat.Luck() / 100 / coach.Hands(), error / 100 / coach.Hands(),
                    seat.LuckDeviations());
        EXPECT_LT(std::fabs(seat.LuckDeviations()), 4);
        EXPECT_GT(seat.EdgePaid(), 0.01);
    }
}

} // namespace
