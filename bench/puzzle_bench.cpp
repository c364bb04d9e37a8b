// Speed of the word-building draws: a puzzle set from a long list whose verbs mostly share
// their parts, and the letters of a long verb scattered over the grid.

#include "core/word_lists.h"
#include "core/work_dir.h"
#include "exercises/wordbuilding/letter_grid.h"
#include "exercises/wordbuilding/puzzle_sets.h"
#include "exercises/wordbuilding/word_views.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace tamurik;

// 2000 verbs that all end in "en" but three: a set must find those three.
std::vector<Text> CrowdedList() {
    std::vector<Text> lines;
    for (int i = 0; i < 2000; ++i)
        lines.push_back(U"1v" + Decimal(i) + U"2a-" + Decimal(i) + U"3en");
    lines.push_back(U"1w2i.ck3eln");
    lines.push_back(U"1f2ei-3ern");
    return lines;
}

void PuzzleSetFromCrowdedList(benchmark::State& state) {
    const std::vector<Text> lines = CrowdedList();
    StdRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawPuzzleSet(lines, random));
}
BENCHMARK(PuzzleSetFromCrowdedList);

void PuzzleSetFromShippedList(benchmark::State& state) {
    const WorkDir dir(TAMURIK_DATA_DIR);
    StdRandom random(1);
    for (auto _ : state) {
        const auto lines = MatchingLines(dir, "ZAHLVERB.TXT", Selection{});
        benchmark::DoNotOptimize(DrawPuzzleSet(lines.value_or(std::vector<Text>{}), random));
    }
}
BENCHMARK(PuzzleSetFromShippedList);

void LettersOfALongVerbOnTheGrid(benchmark::State& state) {
    const Text verb(kLongestGridVerb, U'a');
    StdRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceLetters(verb, random));
}
BENCHMARK(LettersOfALongVerbOnTheGrid);

void AllViewsOfAVerb(benchmark::State& state) {
    const Text marked = U"1schl2e.nd3ern";
    for (auto _ : state)
        for (int view = 0; view < kWordViews; ++view)
            benchmark::DoNotOptimize(ViewPieces(marked, static_cast<WordView>(view), view % 5));
}
BENCHMARK(AllViewsOfAVerb);

} // namespace

BENCHMARK_MAIN();
