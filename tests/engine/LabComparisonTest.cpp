#include "LabComparison.h"

#include <cmath>
#include <gtest/gtest.h>

using bacc::BetSide;
using bacc::SessionFigures;
using bacc::SystemKind;

namespace {

// Worked by hand: differences of final bankrolls 10, -10, 20, 0 (mean 5, sample variance 500/3);
// ruin 1,0,0,0 against 1,1,0,0. A session the second study never finished is left out of the pairs.
TEST(CompareStudies, PairsFinishedSessionsOnly) {
    const std::vector<SessionFigures> first{{100, 5, true, true},
                                            {200, 5, false, true},
                                            {300, 5, false, true},
                                            {400, 5, false, true},
                                            {999999, 5, true, true}};
    const std::vector<SessionFigures> second{{90, 5, true, true},
                                             {210, 5, true, true},
                                             {280, 5, false, true},
                                             {400, 5, false, true},
                                             {0, 0, false, false}};
    const bacc::Comparison c = bacc::CompareStudies(first, second);
    EXPECT_EQ(c.pairs, 4u);
    EXPECT_DOUBLE_EQ(c.meanFinalBankroll.value, 5);
    EXPECT_DOUBLE_EQ(c.meanFinalBankroll.sePaired, std::sqrt(500.0 / 3 / 4));
    EXPECT_DOUBLE_EQ(c.meanFinalBankroll.seUnpaired, std::sqrt((50000.0 / 3 + 50500.0 / 3) / 4));
    EXPECT_DOUBLE_EQ(c.ruinRate.value, -0.25);
    EXPECT_DOUBLE_EQ(c.ruinRate.sePaired, 0.25);
    EXPECT_DOUBLE_EQ(c.ruinRate.seUnpaired, std::sqrt((0.25 + 1.0 / 3) / 4));
    EXPECT_DOUBLE_EQ(c.medianDrawdown.value, 0);
    // Four sessions are too few to cut into sections.
    EXPECT_TRUE(std::isnan(c.medianDrawdown.sePaired));
}

bacc::LabParameters FlatOnBanker() {
    bacc::LabParameters p;
    p.shoesPerSession = 2;
    p.sessions = 60;
    p.bankroll = 100'000'000; // never ruined
    p.seed = 5;
    p.threads = 2;
    p.pathSessions = 0;
    return p;
}

// Over the same shoes, flat Banker less flat Player is 19.50 on each Banker hand and -20 on each
// Player hand, exactly, and a tie wagers nothing: the plain run of the same seed counts them. Opposite
// bets are negatively correlated, so pairing widens the error here.
TEST(RunComparison, PlaysBothSystemsOnTheSameShoes) {
    const bacc::ComparisonResult r = bacc::RunComparison(FlatOnBanker(), SystemKind::Flat, BetSide::Player);
    const bacc::PlainResult plain = bacc::RunShoes({8, 120, 5, 1});
    ASSERT_EQ(r.difference.pairs, 60u);
    EXPECT_EQ(r.first.counts, plain.counts);
    EXPECT_EQ(r.second.counts, plain.counts);
    const auto banker = static_cast<bacc::Cents>(plain.counts.banker);
    const auto player = static_cast<bacc::Cents>(plain.counts.player);
    EXPECT_EQ(r.first.net, banker * 950 - player * 1000);
    EXPECT_EQ(r.first.wagered, (banker + player) * 1000);
    EXPECT_NEAR(r.difference.meanFinalBankroll.value, static_cast<double>(banker * 1950 - player * 2000) / 60,
                1e-9);
    EXPECT_GT(r.difference.meanFinalBankroll.sePaired, r.difference.meanFinalBankroll.seUnpaired);
}

// A system against itself differs by nothing, with no paired error; positively correlated systems
// (Martingale and flat on Banker) have a smaller paired error than an unpaired one.
TEST(RunComparison, ASystemAgainstItselfDiffersByExactlyNothing) {
    bacc::LabParameters p = FlatOnBanker();
    p.system = SystemKind::Martingale;
    p.bankroll = 50'000;
    p.sessions = 400;
    const bacc::ComparisonResult same = bacc::RunComparison(p, SystemKind::Martingale, BetSide::Banker);
    for (const bacc::Difference& d :
         {same.difference.meanFinalBankroll, same.difference.ruinRate, same.difference.medianDrawdown}) {
        EXPECT_EQ(d.value, 0);
        EXPECT_EQ(d.sePaired, 0);
    }
    EXPECT_GT(same.difference.meanFinalBankroll.seUnpaired, 0);
    EXPECT_GT(same.difference.medianDrawdown.seUnpaired, 0);
    const bacc::ComparisonResult other = bacc::RunComparison(p, SystemKind::Flat, BetSide::Banker);
    EXPECT_LT(other.difference.meanFinalBankroll.sePaired, other.difference.meanFinalBankroll.seUnpaired);
    EXPECT_GT(other.difference.ruinRate.value, 0);
}

} // namespace
