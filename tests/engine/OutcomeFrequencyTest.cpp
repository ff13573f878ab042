#include "ExactOdds.h"
#include "Shoe.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(ExactOdds, EnumerationGivesTheKnownEightDeckFigures) {
    const exact::Outcome eight = exact::Enumerator(8).Run();
    EXPECT_NEAR(eight.banker + eight.player + eight.tie, 1.0, 1e-12);
    // The figures every baccarat reference quotes for eight decks.
    EXPECT_NEAR(eight.banker, 0.458597, 5e-7);
    EXPECT_NEAR(eight.player, 0.446247, 5e-7);
    EXPECT_NEAR(eight.tie, 0.095156, 5e-7);
}

// Whole shoes played as the table plays them give the exact frequencies of a hand from a full shoe,
// within statistical bounds.
class Frequencies : public testing::TestWithParam<int> {};

TEST_P(Frequencies, MatchTheExactProbabilities) {
    const int decks = GetParam();
    const exact::Outcome p = exact::Enumerator(decks).Run();

    bacc::Shoe shoe;
    shoe.SetSeed(7000 + decks);
    shoe.DeckCount = decks;
    long long hands = 0, banker = 0, player = 0, tie = 0;
    while (hands < 3'000'000) {
        shoe.StartShoe();
        while (!shoe.EndOfShoe) {
            shoe.DealHand();
            ++hands;
            banker += shoe.Hand.HandResult == 'B';
            player += shoe.Hand.HandResult == 'P';
            tie += shoe.Hand.HandResult == 'T';
        }
    }
    const auto z = [hands](long long count, double probability) {
        const double frequency = static_cast<double>(count) / static_cast<double>(hands);
        return (frequency - probability) /
               std::sqrt(probability * (1 - probability) / static_cast<double>(hands));
    };
    EXPECT_LT(std::fabs(z(banker, p.banker)), 4.5) << "banker " << static_cast<double>(banker) / hands;
    EXPECT_LT(std::fabs(z(player, p.player)), 4.5) << "player " << static_cast<double>(player) / hands;
    EXPECT_LT(std::fabs(z(tie, p.tie)), 4.5) << "tie " << static_cast<double>(tie) / hands;
}

INSTANTIATE_TEST_SUITE_P(ShoeSizes, Frequencies, testing::Values(1, 8));
