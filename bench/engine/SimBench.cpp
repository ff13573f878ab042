// The simulator's speed against a bare rules loop: shuffle, burn and the drawing rules on an array of
// card values, recording nothing. The plain run should deal at least as fast on one thread; a strategy
// run should cost at most a quarter more per hand than the plain run. One-thread figures are rates per
// second of the process's processor time, so that other work on the machine does not skew the ratio;
// two-thread figures are per second of wall time.
#include "Random.h"
#include "Shoe.h"
#include "StrategyLab.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

constexpr std::uint64_t ShoesPerIteration = 2000;

struct BareCounts {
    std::uint64_t hands = 0, banker = 0, player = 0, tie = 0;
};

// One eight-deck shoe from an already shuffled array of values, by the same drawing and cut-card rules.
void DealBareShoe(const std::vector<std::int8_t>& v, BareCounts& counts) {
    const int last = static_cast<int>(v.size()) - 1;
    // A ten or court card (value 0) burns ten more.
    int next = (v[0] == 0 ? 10 : v[0]) + 1;
    bool lastHand = false;
    for (;;) {
        int player = (v[next] + v[next + 2]) % 10;
        const int bankerTwo = (v[next + 1] + v[next + 3]) % 10;
        int banker = bankerTwo;
        next += 4;
        if (player < 8 && banker < 8 && !(player >= 6 && banker >= 6)) {
            bool playerDrew = false;
            int third = 0;
            if (player <= 5) {
                third = v[next++];
                player = (player + third) % 10;
                playerDrew = true;
            }
            if (bacc::BankerDraws(bankerTwo, playerDrew, third)) {
                banker = (banker + v[next++]) % 10;
            }
        }
        ++counts.hands;
        counts.banker += banker > player;
        counts.player += player > banker;
        counts.tie += player == banker;
        if (lastHand) {
            return;
        }
        lastHand = next > last - 13;
    }
}

void BM_BareRulesLoop(benchmark::State& state) {
    std::vector<std::int8_t> values(8 * bacc::CardsPerDeck);
    for (std::size_t id = 0; id < values.size(); ++id) {
        values[id] = static_cast<std::int8_t>(bacc::CardValue(static_cast<int>(id % bacc::RanksPerSuit) + 1));
    }
    BareCounts counts;
    std::uint64_t shoe = 0;
    for (auto _ : state) {
        for (std::uint64_t s = 0; s < ShoesPerIteration; ++s) {
            std::uint64_t mix = 11 + 0x9E3779B97F4A7C15ULL * ++shoe;
            bacc::ShuffleRandom random(bacc::ShuffleRandom::SplitMix(mix));
            for (std::size_t i = 0; i + 1 < values.size(); ++i) {
                const std::size_t j = i + random.Below(static_cast<std::uint32_t>(values.size() - i));
                std::swap(values[i], values[j]);
            }
            DealBareShoe(values, counts);
        }
        benchmark::DoNotOptimize(counts);
    }
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(counts.hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareRulesLoop)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The simulator's run without --system, on state.range(0) threads.
void BM_PlainRun(benchmark::State& state) {
    std::uint64_t hands = 0, seed = 11;
    for (auto _ : state) {
        const bacc::PlainResult result =
            bacc::RunShoes({8, ShoesPerIteration, seed++, static_cast<unsigned>(state.range(0))});
        hands += result.counts.hands;
        benchmark::DoNotOptimize(result.counts);
    }
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainRun)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_PlainRun)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Flat bets on the Banker in one-shoe sessions; with state.range(1), the curve as well.
void BM_StrategyRun(benchmark::State& state) {
    std::uint64_t hands = 0;
    bacc::LabParameters p;
    p.system = bacc::SystemKind::Flat;
    p.sessions = ShoesPerIteration;
    p.threads = static_cast<unsigned>(state.range(0));
    p.curve = state.range(1) != 0;
    p.seed = 11;
    for (auto _ : state) {
        const bacc::LabResult result = bacc::RunLab(p);
        hands += result.counts.hands;
        ++p.seed;
        benchmark::DoNotOptimize(result.net);
    }
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StrategyRun)->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_StrategyRun)->Args({2, 0})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
