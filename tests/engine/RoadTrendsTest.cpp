#include "RoadTrends.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// Hand i of the sequence is a Banker win when bit i is set.
std::string Sequence(unsigned bits, int hands) {
    std::string results;
    for (int hand = 0; hand < hands; ++hand) {
        results += (bits >> hand & 1u) ? 'B' : 'P';
    }
    return results;
}

int LongestBankerRun(const std::string& results) {
    int longest = 0, run = 0;
    for (char result : results) {
        run = result == 'B' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// Every sequence of up to 12 hands, weighed by its chance.
TEST(RoadTrends, RunChanceMatchesEveryShortSequenceCounted) {
    for (const double p : {0.5, 0.3, 0.5068}) {
        for (int hands = 1; hands <= 12; ++hands) {
            for (int run = 0; run <= hands + 1; ++run) {
                double counted = 0;
                for (unsigned bits = 0; bits < (1u << hands); ++bits) {
                    const int bankers = std::popcount(bits);
                    if (LongestBankerRun(Sequence(bits, hands)) >= run) {
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
            double orders = 0, sum = 0, squares = 0;
            bacc::RoadTrends trends;
            for (unsigned bits = 0; bits < (1u << hands); ++bits) {
                if (std::popcount(bits) == bankers) {
                    // A tie changes nothing.
                    trends = bacc::WeighTrends(bacc::BuildRoads("T" + Sequence(bits, hands)));
                    ++orders;
                    sum += trends.Columns;
                    squares += trends.Columns * trends.Columns;
                }
            }
            const double mean = sum / orders;
            EXPECT_NEAR(trends.ExpectedColumns, mean, 1e-12) << bankers << " of " << hands;
            EXPECT_NEAR(trends.ColumnsDeviation, std::sqrt(std::max(0.0, squares / orders - mean * mean)),
                        1e-9)
                << bankers << " of " << hands;
        }
    }
}

TEST(RoadTrends, LongestRunsOfAShoe) {
    // Ties do not break a run: Bankers run 4 long, Players 3, in 9 decided hands of which 5 Bankers.
    const bacc::RoadTrends trends = bacc::WeighTrends(bacc::BuildRoads("TBBTBBPPPBPT"));
    EXPECT_EQ(trends.LongestBanker, 4);
    EXPECT_EQ(trends.LongestPlayer, 3);
    EXPECT_DOUBLE_EQ(trends.BankerRunChance, bacc::ChanceOfRunAtLeast(9, 4, 5.0 / 9));
    EXPECT_DOUBLE_EQ(trends.PlayerRunChance, bacc::ChanceOfRunAtLeast(9, 3, 4.0 / 9));
    EXPECT_EQ(bacc::WeighTrends(bacc::BuildRoads("TT")).BankerRunChance, 1);
}

} // namespace
