// How long the next word of the Quatschverben run takes: both word files are read afresh for
// every made-up candidate, so the time grows with the list of real verbs. Measured with the
// shipped files and with a list of real verbs ten times as long; the median of several
// repetitions is the figure to read.

#include "core/best_lists.h"
#include "core/random.h"
#include "core/startup.h"
#include "core/work_dir.h"
#include "exercises/syllables/syllable_rules.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace tamurik;

std::string ReadShipped(const char* name) {
    std::ifstream in(std::filesystem::path(TAMURIK_DATA_DIR) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A working folder with the shipped verb list and the real verbs repeated `times` times.
std::filesystem::path Folder(int times) {
    const auto path =
        std::filesystem::temp_directory_path() / ("tamurik-next-word-" + std::to_string(times));
    std::filesystem::create_directories(path);
    std::ofstream(path / "ZAHLVERB.TXT", std::ios::binary | std::ios::trunc)
        << ReadShipped("ZAHLVERB.TXT");
    const std::string real = ReadShipped("VERBEN.TXT");
    std::ofstream out(path / "VERBEN.TXT", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < times; ++i)
        out << real;
    return path;
}

int VerbCount(const WorkDir& dir) {
    return static_cast<int>(dir.ReadLines(kVerbFile).value_or(std::vector<Text>{}).size());
}

// The first draw of every word asks for a made-up one; the rest are random.
class MadeUpRandom : public RandomSource {
public:
    double Next() override {
        if (first_) {
            first_ = false;
            return 0.0;
        }
        return random_.Next();
    }
    void NewWord() { first_ = true; }

private:
    StdRandom random_{7};
    bool first_ = true;
};

void NextWordMixed(benchmark::State& state) {
    const WorkDir dir(Folder(static_cast<int>(state.range(0))));
    const int count = VerbCount(dir);
    SyllableTables tables;
    BuildSyllableTables(tables);
    StdRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NextWord(tables, dir, random, count));
}
BENCHMARK(NextWordMixed)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void NextWordMadeUp(benchmark::State& state) {
    const WorkDir dir(Folder(static_cast<int>(state.range(0))));
    const int count = VerbCount(dir);
    SyllableTables tables;
    BuildSyllableTables(tables);
    MadeUpRandom random;
    for (auto _ : state) {
        random.NewWord();
        benchmark::DoNotOptimize(NextWord(tables, dir, random, count));
    }
}
BENCHMARK(NextWordMadeUp)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The file work of the other handlers: a decision reads the verb list, the verb list panel
// reads it whole, the best list reads BESTVERB.LST.
void RealVerbDecision(benchmark::State& state) {
    const WorkDir dir(Folder(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(IsListedVerb(dir, U"1sch2wa.ck3eln"));
}
BENCHMARK(RealVerbDecision)->Unit(benchmark::kMicrosecond);

void BestListForDuration(benchmark::State& state) {
    const WorkDir dir(Folder(1));
    std::vector<Text> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back(Text(1, kMarkerExercise) +
                        QuatschRecord(1 + i % 30, i, U"05.12.2026", U"Freund und Gast"));
    dir.WriteLines(kBestVerb, lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadForTime(dir, 10));
}
BENCHMARK(BestListForDuration)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
