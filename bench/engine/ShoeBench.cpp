// Shuffle and deal costs of the engine, recording every card's list line and count as the table does.
#include "Shoe.h"

#include <benchmark/benchmark.h>

namespace {

void BM_NewShoe(benchmark::State& state) {
    bacc::Shoe shoe;
    shoe.SetSeed(1);
    shoe.DeckCount = static_cast<int>(state.range(0));
    for (auto _ : state) {
        shoe.NewShoe();
        benchmark::DoNotOptimize(shoe.ShoeOrder.data());
    }
}
BENCHMARK(BM_NewShoe)->Arg(1)->Arg(8);

void BM_DealHand(benchmark::State& state) {
    bacc::Shoe shoe;
    shoe.SetSeed(2);
    shoe.DeckCount = 8;
    shoe.NewShoe();
    for (auto _ : state) {
        if (shoe.EndOfShoe) {
            state.PauseTiming();
            shoe.NewShoe();
            shoe.LastHand = shoe.EndOfShoe = false;
            state.ResumeTiming();
        }
        shoe.DealHand();
        benchmark::DoNotOptimize(shoe.Hand.HandResult);
    }
}
BENCHMARK(BM_DealHand);

// Whole eight-deck shoes, shuffle included: the simulator's loop. Reports hands per second.
void BM_WholeShoe(benchmark::State& state) {
    bacc::Shoe shoe;
    shoe.SetSeed(3);
    shoe.DeckCount = 8;
    long long hands = 0;
    for (auto _ : state) {
        shoe.NewShoe();
        shoe.LastHand = shoe.EndOfShoe = false;
        while (!shoe.EndOfShoe) {
            shoe.DealHand();
            ++hands;
        }
        shoe.RecordUndealtRest();
    }
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeShoe);

} // namespace
