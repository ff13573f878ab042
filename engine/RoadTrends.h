#pragma once

// Trends of a shoe weighed against chance. A trend is a run: a streak of one side in the big road, ties
// not breaking it. The figures say how long the longest runs are, how many columns the big road has, and
// how often a shoe of independent hands would show as much.
#include "Roads.h"

namespace bacc {

struct RoadTrends {
    int Decided = 0; // hands that Banker or Player won
    int Banker = 0;
    int Player = 0;
    int LongestBanker = 0;
    int LongestPlayer = 0;
    // The big road's columns (its runs) against the number a random order of the same Banker and Player
    // wins would give: the Wald-Wolfowitz runs test, mean and standard deviation given both counts.
    int Columns = 0;
    double ExpectedColumns = 0;
    double ColumnsDeviation = 0;
    // The chance that Decided independent hands, each a Banker win with the shoe's own Banker share
    // Banker / Decided, show a run at least as long as the longest one (1 when there is none).
    double BankerRunChance = 1;
    double PlayerRunChance = 1;
};

RoadTrends WeighTrends(const Roads& roads);

// The exact chance that hands independent trials, each a success with chance p, hold a run of at least
// run successes in a row: dynamic programming over the length of the run in progress.
double ChanceOfRunAtLeast(int hands, int run, double p);

} // namespace bacc
