// Flat betting over 10^8 hands of eight-deck shoes measures the house's edge per unit wagered within four
// standard errors of the exact one. Five to twenty seconds on two cores: labelled long, left out of the
// default run.
#include "ExactOdds.h"
#include "ShoeOdds.h"
#include "StrategyLab.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

namespace {

class FlatEdge : public testing::TestWithParam<bacc::BetSide> {};

TEST_P(FlatEdge, WithinFourStandardErrorsOfTheExactEdge) {
    const exact::Outcome odds = exact::Enumerator(bacc::FreshShoe(8)).Run();
    const bacc::BetSide side = GetParam();
    // A bankroll that is never ruined; 1250 sessions of 1000 shoes are about 1.006e8 hands.
    const bacc::LabResult lab = bacc::RunLab({.side = side,
                                              .limits = {1000, 1000, 0},
                                              .bankroll = 10'000'000'000,
                                              .shoesPerSession = 1000,
                                              .sessions = 1250,
                                              .seed = 1'000'003 + static_cast<std::uint64_t>(side),
                                              .threads = std::max(std::thread::hardware_concurrency(), 1u)});
    ASSERT_GE(lab.counts.hands, 100'000'000u);

    // One decided bet wins `win` with probability w and loses with probability l; a push is wagered once.
    const double decided = odds.banker + odds.player;
    double win = 8, w = odds.tie, l = 1 - odds.tie;
    if (side == bacc::BetSide::Banker) {
        win = 0.95, w = odds.banker / decided, l = odds.player / decided;
    } else if (side == bacc::BetSide::Player) {
        win = 1, w = odds.player / decided, l = odds.banker / decided;
    }
    const double mean = win * w - l, deviation = std::sqrt(win * win * w + l - mean * mean);
    const double wagers = static_cast<double>(lab.wagered) / 1000;
    const double measured = static_cast<double>(lab.net) / 1000 / wagers;
    const double z = (measured - mean) / (deviation / std::sqrt(wagers));
    std::printf("%.0f wagers: edge %.5f %% (exact %.5f %%, z %.2f)\n", wagers, -100 * measured, -100 * mean,
                z);
    EXPECT_LT(std::fabs(z), 4);
}

INSTANTIATE_TEST_SUITE_P(EightDecks, FlatEdge,
                         testing::Values(bacc::BetSide::Banker, bacc::BetSide::Player, bacc::BetSide::Tie));

} // namespace
