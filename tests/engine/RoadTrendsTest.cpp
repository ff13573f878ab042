#include "RoadTrends.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// The longest run of Bankers in the decided hands of results, ties not breaking it.
int LongestBankerRun(const std::string& results) {
    int longest = 0, run = 0;
    for (char result : results) {
        if (result == 'B') {
            longest = std::max(longest, ++run);
        } else if (result == 'P') {
            run = 0;
        }
    }
    return longest;
}

// Every sequence of hands Banker or Player, weighed by its chance.
TEST(RoadTrends, RunChanceMatchesEveryShortSequenceCounted) {
    for (const double p : {0.5, 0.3, 0.5068}) {
        for (int hands = 1; hands <= 12; ++hands) {
            for (int run = 0; run <= hands + 1; ++run) {
                double counted = 0;
                for (unsigned bits = 0; bits < (1u << hands); ++bits) {
                    std::string results;
                    for (int hand = 0; hand < hands; ++hand) {
                        results += (bits >> hand & 1u) ? 'B' : 'P';
                    }
                    const int bankers = static_cast<int>(std::count(results.begin(), results.end(), 'B'));
                    if (LongestBankerRun(results) >= run) {
                        counted += std::pow(p, bankers) * std::pow(1 - p, hands - bankers);
                    }
                }
                EXPECT_NEAR(bacc::ChanceOfRunAtLeast(hands, run, p), counted, 1e-12)
                    << hands << " hands, run " << run << ", p " << p;
            }
        }
    }
}

// Every order of the same wins, each as likely: the mean and spread of the big road's columns.
TEST(RoadTrends, ColumnsAgainstEveryOrderOfTheSameWins) {
    for (int hands = 1; hands <= 12; ++hands) {
        for (int bankers = 0; bankers <= hands; ++bankers) {
            double sum = 0, squares = 0, orders = 0;
            for (unsigned bits = 0; bits < (1u << hands); ++bits) {
                if (std::popcount(bits) != bankers) {
                    continue;
                }
                std::string results;
                for (int hand = 0; hand < hands; ++hand) {
                    results += (bits >> hand & 1u) ? 'B' : 'P';
                }
                const double columns = static_cast<double>(bacc::BuildRoads(results).BigRoadColumns.size());
                sum += columns;
                squares += columns * columns;
                ++orders;
            }
            std::string sorted = std::string(static_cast<std::size_t>(bankers), 'B') +
                                 std::string(static_cast<std::size_t>(hands - bankers), 'P');
            const bacc::RoadTrends trends = bacc::WeighTrends(bacc::BuildRoads(sorted + "T"));
            const double mean = sum / orders;
            EXPECT_NEAR(trends.ExpectedColumns, mean, 1e-12) << bankers << " of " << hands;
            EXPECT_NEAR(trends.ColumnsDeviation, std::sqrt(std::max(0.0, squares / orders - mean * mean)),
                        1e-9)
                << bankers << " of " << hands;
        }
    }
}

TEST(RoadTrends, LongestRunsOfAShoe) {
    // Ties do not break a run: the Bankers run 4 long, the Players 3.
    const bacc::RoadTrends trends = bacc::WeighTrends(bacc::BuildRoads("TBBTBBPPPBPT"));
    EXPECT_EQ(trends.Decided, 9);
    EXPECT_EQ(trends.Banker, 5);
    EXPECT_EQ(trends.LongestBanker, 4);
    EXPECT_EQ(trends.LongestPlayer, 3);
    EXPECT_EQ(trends.Columns, 4);
    EXPECT_DOUBLE_EQ(trends.BankerRunChance, bacc::ChanceOfRunAtLeast(9, 4, 5.0 / 9));
    EXPECT_DOUBLE_EQ(trends.PlayerRunChance, bacc::ChanceOfRunAtLeast(9, 3, 4.0 / 9));

    const bacc::RoadTrends none = bacc::WeighTrends(bacc::BuildRoads("TT"));
    EXPECT_EQ(none.Decided, 0);
    EXPECT_EQ(none.BankerRunChance, 1);
}

} // namespace
