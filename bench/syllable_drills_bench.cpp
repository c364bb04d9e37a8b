// Speed of the drawing work of the boundary board and the ABC drill on the shipped verb list:
// a work list is built on every opening and every option change, an ABC set on every answer.

#include "core/random.h"
#include "core/word_lists.h"
#include "core/work_dir.h"
#include "exercises/syllables/syllable_drills.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace tamurik;

// Reading the file, keeping the verbs the board can show, sampling one in ten.
void BuildBoundaryWorkList(benchmark::State& state) {
    const WorkDir dir(TAMURIK_DATA_DIR);
    StdRandom random(1);
    for (auto _ : state) {
        std::vector<Text> lines =
            MatchingLines(dir, "ZAHLVERB.TXT", Selection{}).value_or(std::vector<Text>{});
        std::erase_if(lines, [](const Text& line) { return !FitsBoard(line); });
        benchmark::DoNotOptimize(SampleWorkList(lines, random));
    }
}
BENCHMARK(BuildBoundaryWorkList);

// A pool of ten verbs, a set of ten, and every place asked.
void WholeAbcSet(benchmark::State& state) {
    const WorkDir dir(TAMURIK_DATA_DIR);
    StdRandom random(1);
    const std::vector<Text> lines =
        MatchingLines(dir, "ZAHLVERB.TXT", Selection{}).value_or(std::vector<Text>{});
    for (auto _ : state) {
        std::vector<Text> pool;
        for (const Text& line : DrawWithRepeats(lines, 10, random))
            pool.push_back(CleanWord(line));
        AbcSet set;
        set.Start(pool, 10);
        while (set.size() > 0 && !set.AskNext(random)) {
        }
        benchmark::DoNotOptimize(set.marker());
    }
}
BENCHMARK(WholeAbcSet);

} // namespace

BENCHMARK_MAIN();
