// Speed of the word-list editor's work on a list of 20,000 verb lines: opening it, filtering
// it as the teacher types, checking every line, and checking the one line being typed.

#include "core/list_document.h"
#include "core/mark_suggestion.h"
#include "core/word_list_check.h"
#include "core/work_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace tamurik;

constexpr int kLines = 20000;

// The shipped verbs again and again up to 20,000 lines, as a school's long list might be.
std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "tamurik-editor-bench";
        std::filesystem::create_directories(path);
        const std::string shipped =
            WorkDir(TAMURIK_DATA_DIR).ReadBytes("ZAHLVERB.TXT").value_or("1b2a-d3en\r\n");
        std::string bytes;
        int lines = 0;
        for (std::size_t at = 0; lines < kLines; ++lines) {
            std::size_t end = shipped.find("\r\n", at);
            if (end == std::string::npos) {
                at = 0;
                end = shipped.find("\r\n");
            }
            bytes += shipped.substr(at, end + 2 - at);
            at = end + 2 < shipped.size() ? end + 2 : 0;
        }
        std::ofstream(path / "ZAHLVERB.TXT", std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }();
    return folder;
}

const std::vector<Text>& Lines() {
    static const std::vector<Text> lines = OpenList(WorkDir(BenchFolder()), "ZAHLVERB.TXT").Texts();
    return lines;
}

void OpenTwentyThousandLines(benchmark::State& state) {
    const WorkDir dir(BenchFolder());
    for (auto _ : state) {
        benchmark::DoNotOptimize(OpenList(dir, "ZAHLVERB.TXT"));
    }
}
BENCHMARK(OpenTwentyThousandLines)->Unit(benchmark::kMillisecond);

void FilterTwentyThousandLines(benchmark::State& state) {
    const std::vector<Text>& lines = Lines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilterLines(lines, U"sch"));
    }
}
BENCHMARK(FilterTwentyThousandLines)->Unit(benchmark::kMillisecond);

void CheckTwentyThousandLines(benchmark::State& state) {
    const std::vector<Text>& lines = Lines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckWordList(lines, WordListKind::Verbs, true));
    }
}
BENCHMARK(CheckTwentyThousandLines)->Unit(benchmark::kMillisecond);

void RecheckOneTypedLine(benchmark::State& state) {
    const std::vector<Text>& lines = Lines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckLineInList(lines, lines.size() / 2, WordListKind::Verbs));
    }
}
BENCHMARK(RecheckOneTypedLine)->Unit(benchmark::kMicrosecond);

void SuggestMarksForATypedVerb(benchmark::State& state) {
    const MarkSuggester suggester(Lines());
    for (auto _ : state) {
        benchmark::DoNotOptimize(suggester.Suggest(U"machen"));
    }
}
BENCHMARK(SuggestMarksForATypedVerb)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
