// Speed of drawing nine rhyme pairs: from the shipped rhyme list as the games read it, from a
// long list, and for a list that cannot serve, where every attempt is spent before the game
// gives up.

#include "core/random.h"
#include "core/work_dir.h"
#include "exercises/rhymes/rhyme_pairs.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tamurik;

// Pairs with `rhymes` different rhymes, each rhyme `each` times.
std::vector<RhymePair> MadeUpPairs(int rhymes, int each) {
    std::vector<RhymePair> pairs;
    for (int r = 0; r < rhymes; ++r) {
        const Text rhyme = U"2a.ck" + Decimal(r) + U"3en";
        for (int i = 0; i < each; ++i)
            pairs.push_back({U"1b" + Decimal(i) + rhyme, U"1l" + Decimal(i) + rhyme});
    }
    return pairs;
}

void ShippedListEachGame(benchmark::State& state) {
    const WorkDir dir(TAMURIK_DATA_DIR);
    StdRandom random(1);
    const RhymeDrawRules rules[] = {kMemoryDraw, kFindenDraw, kSchreibenDraw};
    const RhymeDrawRules& chosen = rules[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawRhymeSet(
            dir, chosen, random, [] { return Stammvokal::Alle; }, [] { return false; }));
    }
}
BENCHMARK(ShippedListEachGame)->DenseRange(0, 2);

// A long list where rhymes repeat often, so that many sets are drawn again.
void LongListWithRepeatedRhymes(benchmark::State& state) {
    const std::vector<RhymePair> pairs = MadeUpPairs(12, 200);
    StdRandom random(2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawRhymePairs(pairs, Stammvokal::Alle, kSchreibenDraw, random));
    }
}
BENCHMARK(LongListWithRepeatedRhymes);

// A very long list with only nine rhymes, eight of them once: sets pass rarely, and the draws
// run out before one is found or soon after.
void HugeListWithNineRhymes(benchmark::State& state) {
    std::vector<RhymePair> pairs = MadeUpPairs(1, 100000);
    const std::vector<RhymePair> others = MadeUpPairs(9, 1);
    pairs.insert(pairs.end(), others.begin() + 1, others.end());
    StdRandom random(4);
    const RhymeDrawRules rules[] = {kMemoryDraw, kFindenDraw, kSchreibenDraw};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            DrawRhymePairs(pairs, Stammvokal::Alle, rules[state.range(0)], random));
    }
}
BENCHMARK(HugeListWithNineRhymes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Nine rhymes, but every first verb begins alike: the memory refuses all but one each time and
// spends every attempt.
void MemoryListThatCannotServe(benchmark::State& state) {
    std::vector<RhymePair> pairs = MadeUpPairs(9, 1);
    for (RhymePair& p : pairs)
        p.first = U"1b2" + p.first.substr(p.first.find(U'2') + 1);
    StdRandom random(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawRhymePairs(pairs, Stammvokal::Alle, kMemoryDraw, random));
}
BENCHMARK(MemoryListThatCannotServe)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
