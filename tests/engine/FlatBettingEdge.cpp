// Flat betting over 10^8 hands of eight-deck shoes measures the house's edge within four standard
// errors of the exact one. Five to twenty seconds on two cores: labelled long, left out of the default run.
#include "ExactOdds.h"
#include "StrategyLab.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct Side {
    const char* name;
    bacc::BetSide side;
};

class FlatEdge : public testing::TestWithParam<Side> {};

struct Expected {
    double edge, deviation; // per unit staked: -mean outcome, standard deviation of one outcome
};

// One decided bet: wins `win` with probability p, loses the stake with probability q, pushes otherwise.
Expected Outcome(double win, double p, double q) {
    const double mean = win * p - q;
    return {-mean, std::sqrt(win * win * p + q - mean * mean)};
}

TEST_P(FlatEdge, WithinFourStandardErrorsOfTheExactEdge) {
    const exact::Outcome odds = exact::Enumerator(8).Run();
    const bacc::BetSide side = GetParam().side;

    bacc::LabParameters p;
    p.side = side;
    p.limits = {1000, 1000, 0};
    p.bankroll = 10'000'000'000; // never ruined
    p.shoesPerSession = 1000;
    p.sessions = 1250; // about 1.006e8 hands
    p.seed = 1'000'003 + static_cast<std::uint64_t>(side);
    p.threads = std::max(std::thread::hardware_concurrency(), 1u);
    const bacc::LabResult lab = bacc::RunLab(p);
    ASSERT_GE(lab.counts.hands, 100'000'000u);
    ASSERT_EQ(lab.ruined, 0u);

    const double wagers = static_cast<double>(lab.wagered) / 1000;
    const double hands = static_cast<double>(lab.counts.hands);
    const double net = static_cast<double>(lab.net) / 1000;
    const double decided = odds.banker + odds.player;
    // Per unit wagered, a pushed bet counted once; and per hand, a push counted as a bet that returned
    // its stake, as the usual figures are quoted.
    Expected perWager, perHand;
    if (side == bacc::BetSide::Tie) {
        perWager = perHand = Outcome(8, odds.tie, 1 - odds.tie);
    } else if (side == bacc::BetSide::Banker) {
        perWager = Outcome(0.95, odds.banker / decided, odds.player / decided);
        perHand = Outcome(0.95, odds.banker, odds.player);
    } else {
        perWager = Outcome(1, odds.player / decided, odds.banker / decided);
        perHand = Outcome(1, odds.player, odds.banker);
    }
    const double measuredPerWager = -net / wagers;
    const double measuredPerHand = -net / hands;
    const double zWager = (measuredPerWager - perWager.edge) / (perWager.deviation / std::sqrt(wagers));
    const double zHand = (measuredPerHand - perHand.edge) / (perHand.deviation / std::sqrt(hands));
    std::printf("%s: %.0f hands; edge per wager %.5f %% (exact %.5f %%, z %.2f); per hand %.5f %% (exact "
                "%.5f %%, z %.2f)\n",
                GetParam().name, hands, 100 * measuredPerWager, 100 * perWager.edge, zWager,
                100 * measuredPerHand, 100 * perHand.edge, zHand);
    EXPECT_LT(std::fabs(zWager), 4);
    EXPECT_LT(std::fabs(zHand), 4);
}

INSTANTIATE_TEST_SUITE_P(EightDecks, FlatEdge,
                         testing::Values(Side{"Banker", bacc::BetSide::Banker},
                                         Side{"Player", bacc::BetSide::Player},
                                         Side{"Tie", bacc::BetSide::Tie}),
                         [](const testing::TestParamInfo<Side>& info) {
                             return std::string(info.param.name);
                         });

// The exact edges of eight decks are the figures every reference quotes.
TEST(ExactEdges, EightDecks) {
    const exact::Outcome odds = exact::Enumerator(8).Run();
    EXPECT_NEAR(-(0.95 * odds.banker - odds.player), 0.01058, 5e-6);
    EXPECT_NEAR(-(odds.player - odds.banker), 0.01235, 5e-6);
    EXPECT_NEAR(-(8 * odds.tie - (1 - odds.tie)), 0.14360, 5e-6);
}

} // namespace
