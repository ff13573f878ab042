#include "StrategyLab.h"

#include "BankrollCounts.h"
#include "Shoe.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using bacc::Cents;
using bacc::LabParameters;
using bacc::LabResult;
using bacc::SystemKind;

namespace {

// The simulator's shoe deals, hand for hand, the table's hands for the same seed and shoe number, and
// leaves the same cards in the shoe; the plain run counts them on any number of threads.
TEST(ValueShoe, DealsTheTablesHandsAndAnyThreadCountCountsThem) {
    for (const int decks : {1, 2, 4, 6, 8}) {
        const std::uint64_t seed = 31 + static_cast<std::uint64_t>(decks);
        bacc::Shoe table;
        bacc::ValueShoe quick(decks);
        table.DeckCount = decks;
        bacc::ShoeCounts sequential;
        for (std::uint64_t shoe = 1; shoe <= 400; ++shoe) {
            table.SetShoeSeed(seed, shoe);
            table.StartShoe();
            quick.Start(seed, shoe);
            ASSERT_EQ(quick.NextCard(), table.NextCard);
            ++sequential.shoes;
            while (!table.EndOfShoe) {
                ASSERT_FALSE(quick.EndOfShoe());
                ASSERT_EQ(quick.Left(), bacc::RemainingValues(table));
                table.DealHand();
                const bacc::QuickHand hand = quick.Deal();
                const bacc::HandState& h = table.Hand;
                ASSERT_EQ(std::tie(hand.result, hand.playerNatural, hand.bankerNatural),
                          std::tie(h.HandResult, h.PlayerNatural, h.BankerNatural))
                    << decks << " decks, shoe " << shoe;
                ASSERT_EQ(quick.NextCard(), table.NextCard);
                sequential.Count(hand);
            }
            ASSERT_TRUE(quick.EndOfShoe());
        }
        for (unsigned threads : {1u, 3u}) {
            const bacc::PlainResult result = bacc::RunShoes({decks, 400, seed, threads});
            EXPECT_EQ(result.counts, sequential) << decks << " decks, " << threads << " threads";
            EXPECT_FALSE(result.interrupted);
        }
    }
}

LabParameters Martingale() {
    return {.system = SystemKind::Martingale,
            .side = bacc::BetSide::Follow,
            .limits = {1000, 1000, 16000},
            .bankroll = 50000,
            .shoesPerSession = 2,
            .sessions = 301,
            .stopWin = 20000,
            .decks = 6,
            .seed = 99,
            .curve = true,
            .pathSessions = 4};
}

void ExpectSame(const LabResult& a, const LabResult& b) {
    EXPECT_EQ(
        std::tie(a.counts, a.sessions, a.wagered, a.net, a.ruined, a.finalBankroll, a.medianMaxDrawdown),
        std::tie(b.counts, b.sessions, b.wagered, b.net, b.ruined, b.finalBankroll, b.medianMaxDrawdown));
    EXPECT_EQ(a.curve, b.curve);
    EXPECT_EQ(a.paths, b.paths);
}

// The curve's percentiles, checked against nearest ranks of the kept paths of every session: less than
// one bucket off, the bucket being the narrowest power of two cents in which the hand's bankrolls fit
// the buckets allowed. A session that has ended keeps its final bankroll in the curve. One thread or
// three give the same.
TEST(Lab, CurveAndPercentilesFromThePathsOnAnyThreadCount) {
    LabParameters p = Martingale();
    p.sessions = 23;
    p.pathSessions = 23;
    p.threads = 3;
    const LabResult lab = bacc::RunLab(p);
    p.threads = 1;
    ExpectSame(lab, bacc::RunLab(p));
    EXPECT_GT(lab.ruined, 0u);
    ASSERT_EQ(lab.paths.size(), 23u);
    std::size_t longest = 0;
    for (const auto& path : lab.paths) {
        longest = std::max(longest, path.size());
    }
    ASSERT_EQ(lab.curve.size(), longest);
    const auto nearestRank = [](std::vector<Cents> values, int percent) {
        std::sort(values.begin(), values.end());
        const std::size_t rank = std::max<std::size_t>((values.size() * percent + 99) / 100, 1);
        return values[rank - 1];
    };
    const int buckets = bacc::CurveBuckets(bacc::CurveHands(p));
    for (std::size_t h = 0; h < longest; ++h) {
        std::vector<Cents> column;
        for (const auto& path : lab.paths) {
            column.push_back(path[std::min(h, path.size() - 1)]);
        }
        const auto [low, high] = std::minmax_element(column.begin(), column.end());
        int shift = 0;
        while ((*high >> shift) - (*low >> shift) >= buckets) {
            ++shift;
        }
        for (std::size_t i = 0; i < 5; ++i) {
            const Cents exact = nearestRank(column, bacc::ReportedPercentiles[i]);
            ASSERT_LT(std::abs(lab.curve[h][i] - exact), Cents{1} << shift) << "hand " << h + 1;
        }
    }
}

// Counts merged in any grouping give the same percentiles; within the buckets' span they are exact.
TEST(BankrollCounts, AnyGroupingGivesTheSamePercentiles) {
    for (const Cents spread : {Cents{900}, Cents{5'000'000'000}}) {
        std::vector<Cents> values;
        std::uint64_t x = 7;
        for (int i = 0; i < 5000; ++i) {
            x = x * 6364136223846793005ULL + 1442695040888963407ULL;
            values.push_back(1'000'000 + static_cast<Cents>((x >> 33) % static_cast<std::uint64_t>(spread)));
        }
        bacc::BankrollCounts whole(1000);
        std::array<bacc::BankrollCounts, 3> parts{bacc::BankrollCounts(1000), bacc::BankrollCounts(1000),
                                                  bacc::BankrollCounts(1000)};
        for (std::size_t i = 0; i < values.size(); ++i) {
            whole.Add(values[i]);
            parts[i * 7 % 3].Add(values[i]);
        }
        parts[2].Merge(parts[0]);
        parts[2].Merge(parts[1]);
        const bacc::Spread percentiles = whole.Percentiles(bacc::ReportedPercentiles);
        EXPECT_EQ(parts[2].Percentiles(bacc::ReportedPercentiles), percentiles);
        EXPECT_EQ(parts[2].Shift(), whole.Shift());
        std::sort(values.begin(), values.end());
        for (std::size_t i = 0; i < 5; ++i) {
            const Cents exact = values[(values.size() * bacc::ReportedPercentiles[i] + 99) / 100 - 1];
            if (spread < 1000) {
                EXPECT_EQ(percentiles[i], exact);
            } else {
                EXPECT_LT(std::abs(percentiles[i] - exact), Cents{1} << whole.Shift());
            }
        }
    }
}

// A session is ruined on the hand after which its bankroll is below the table minimum, its last hand
// included, whether or not another bet was due.
TEST(Lab, RuinedAreTheSessionsEndingBelowTheMinimum) {
    LabParameters p;
    p.bankroll = 5000;
    p.sessions = 3000;
    p.pathSessions = 3000;
    p.seed = 4;
    p.threads = 2;
    const LabResult lab = bacc::RunLab(p);
    ASSERT_EQ(lab.paths.size(), p.sessions);
    const auto below = std::count_if(lab.paths.begin(), lab.paths.end(), [&](const std::vector<Cents>& path) {
        return path.back() < p.limits.minimum;
    });
    EXPECT_GT(below, 0);
    EXPECT_EQ(lab.ruined, static_cast<std::uint64_t>(below));
}

struct Ending {
    const char* name;
    SystemKind system;
    Cents bankroll, stopWin, stopLoss;
    // Even-money Player bets move the bankroll in whole units, so a stop is met exactly, never passed.
    bacc::BetSide side = bacc::BetSide::Player;
};

class SessionEnd : public testing::TestWithParam<Ending> {};

// One long session ends at the first hand that reaches the stop, or at ruin, never earlier.
TEST_P(SessionEnd, AtTheFirstHandThatReachesIt) {
    const Ending& e = GetParam();
    LabParameters p;
    p.system = e.system;
    p.side = e.side;
    p.bankroll = e.bankroll;
    p.stopWin = e.stopWin;
    p.stopLoss = e.stopLoss;
    p.shoesPerSession = 40;
    p.sessions = 1;
    p.pathSessions = 1;
    p.seed = 8;
    const LabResult lab = bacc::RunLab(p);
    ASSERT_EQ(lab.paths.size(), 1u);
    const std::vector<Cents>& path = lab.paths[0];
    ASSERT_FALSE(path.empty());
    EXPECT_LT(lab.counts.shoes, 40u) << "the session should have ended early";
    EXPECT_EQ(lab.counts.hands, path.size());
    const auto reached = [&](Cents bankroll) {
        return (e.stopWin > 0 && bankroll - e.bankroll >= e.stopWin) ||
               (e.stopLoss > 0 && e.bankroll - bankroll >= e.stopLoss) || bankroll < 1000;
    };
    for (std::size_t h = 0; h + 1 < path.size(); ++h) {
        ASSERT_FALSE(reached(path[h])) << "hand " << h + 1;
    }
    EXPECT_TRUE(reached(path.back()) || lab.ruined == 1);
    if (e.stopWin > 0 || e.stopLoss > 0) {
        EXPECT_EQ(std::abs(path.back() - e.bankroll), std::max(e.stopWin, e.stopLoss));
    }
    EXPECT_EQ(lab.finalBankroll[2], path.back());
    EXPECT_EQ(lab.ruined, e.stopWin == 0 && e.stopLoss == 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Stops, SessionEnd,
                         testing::Values(Ending{"StopWin", SystemKind::Flat, 10'000'000, 3000, 0},
                                         Ending{"StopLoss", SystemKind::Flat, 10'000'000, 0, 12000},
                                         Ending{"Ruin", SystemKind::Martingale, 30000, 0, 0}),
                         [](const testing::TestParamInfo<Ending>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
