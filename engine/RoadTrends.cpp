#include "RoadTrends.h"

#include <algorithm>
#include <cmath>

namespace bacc {

double ChanceOfRunAtLeast(int hands, int run, double p) {
    if (run <= 0) {
        return 1;
    }
    if (run > hands) {
        return 0;
    }
    // inRun[j]: the chance of standing j successes into a run, no run of the length met yet. The chance
    // of meeting it is summed as it happens rather than taken from 1, so small chances keep their digits.
    std::vector<double> inRun(static_cast<std::size_t>(run), 0.0);
    inRun[0] = 1;
    double met = 0;
    for (int hand = 0; hand < hands; ++hand) {
        double notMet = 0;
        for (double chance : inRun) {
            notMet += chance;
        }
        met += inRun.back() * p;
        for (std::size_t j = inRun.size() - 1; j > 0; --j) {
            inRun[j] = inRun[j - 1] * p;
        }
        inRun[0] = notMet * (1 - p);
    }
    return met;
}

RoadTrends WeighTrends(const Roads& roads) {
    RoadTrends trends;
    for (const Streak& streak : roads.BigRoadColumns) {
        const bool banker = streak.Mark == RoadMark::Banker;
        (banker ? trends.Banker : trends.Player) += streak.Length();
        int& longest = banker ? trends.LongestBanker : trends.LongestPlayer;
        longest = std::max(longest, streak.Length());
    }
    trends.Decided = trends.Banker + trends.Player;
    trends.Columns = static_cast<int>(roads.BigRoadColumns.size());
    if (trends.Decided == 0) {
        return trends;
    }
    const double n = trends.Decided;
    const double both = 2.0 * trends.Banker * trends.Player;
    trends.ExpectedColumns = 1 + both / n;
    if (trends.Decided > 1) {
        trends.ColumnsDeviation = std::sqrt(both * (both - n) / (n * n * (n - 1)));
    }
    const double bankerShare = trends.Banker / n;
    trends.BankerRunChance = ChanceOfRunAtLeast(trends.Decided, trends.LongestBanker, bankerShare);
    trends.PlayerRunChance = ChanceOfRunAtLeast(trends.Decided, trends.LongestPlayer, 1 - bankerShare);
    return trends;
}

} // namespace bacc
