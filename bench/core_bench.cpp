// Speed of the file work every draw does: the word files are read afresh for each word, and a
// best list is read, sorted and rewritten after each game.

#include "core/best_lists.h"
#include "core/random.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace tamurik;

std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "tamurik-bench";
        std::filesystem::create_directories(path);
        std::ofstream verbs(path / "ZAHLVERB.TXT", std::ios::binary | std::ios::trunc);
        for (int i = 0; i < 1000; ++i) {
            verbs << (i % 2 ? "1sp2ie-l3en" : "1r2en.n3en");
            if (i % 3 == 0)
                verbs << " = lange spielen, sich die Zeit vertreiben";
            verbs << "\r\n";
        }
        return path;
    }();
    return folder;
}

void DrawVerbUnderSelection(benchmark::State& state) {
    const WorkDir dir(BenchFolder());
    StdRandom random(1);
    const Selection selection{Verbenwahl::Seltene, Stammvokal::Lang};
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawMatchingLine(dir, selection, random));
}
BENCHMARK(DrawVerbUnderSelection);

void AddResultToFullBestList(benchmark::State& state) {
    const WorkDir dir(BenchFolder());
    std::vector<Text> records;
    for (int i = 0; i < 100; ++i)
        records.push_back(GalgenRecord(3 + i % 10, 5 + i, U"Freund und Gast"));
    SortRecords(records);
    StoreTop100(dir, kBestHang, records, kMarkerExercise);
    for (auto _ : state) {
        AppendResult(dir, kBestHang, GalgenRecord(7, 12, U"Mia"));
        StoreTop100(dir, kBestHang, LoadSorted(dir, kBestHang), kMarkerExercise);
    }
}
BENCHMARK(AddResultToFullBestList);

} // namespace

BENCHMARK_MAIN();
