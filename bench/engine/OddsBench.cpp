// Cost of the exact odds of the next hand, and of evaluating them before every hand of whole shoes as a
// simulator reporting the edge does.
#include "Shoe.h"
#include "ShoeOdds.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ExactOddsFreshShoe(benchmark::State& state) {
    const bacc::ValueCounts counts = bacc::FreshShoe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bacc::HandOdds odds = bacc::ExactOdds(counts);
        benchmark::DoNotOptimize(odds);
    }
}
BENCHMARK(BM_ExactOddsFreshShoe)->Arg(8)->Arg(6)->Arg(1);

// Half of an eight-deck shoe dealt, short of fives and rich in tens.
void BM_ExactOddsMidShoe(benchmark::State& state) {
    const bacc::ValueCounts counts{70, 15, 17, 16, 14, 9, 18, 15, 17, 16};
    for (auto _ : state) {
        bacc::HandOdds odds = bacc::ExactOdds(counts);
        benchmark::DoNotOptimize(odds);
    }
}
BENCHMARK(BM_ExactOddsMidShoe);

// Whole eight-deck shoes with the odds evaluated before every hand. Reports the cost per hand.
void BM_EdgeReportPerHand(benchmark::State& state) {
    bacc::Shoe shoe;
    shoe.SetSeed(11);
    shoe.DeckCount = 8;
    bacc::EdgeReport report;
    for (auto _ : state) {
        shoe.StartShoe();
        while (!shoe.EndOfShoe) {
            report.BeforeHand(bacc::RemainingValues(shoe));
            shoe.DealHand();
            report.AfterHand(shoe.Hand.HandResult);
        }
    }
    state.counters["hands"] = static_cast<double>(report.Hands());
    state.counters["per_hand"] = benchmark::Counter(
        static_cast<double>(report.Hands()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EdgeReportPerHand)->Unit(benchmark::kMillisecond);

} // namespace
