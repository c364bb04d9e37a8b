// Speed of the word-list editor's work on a list of 20,000 verb lines: opening it, filtering
// it as the teacher types, checking every line, and checking the one line being typed.

#include "core/encoding.h"
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

constexpr std::size_t kLines = 20000;

// 20,000 verb lines made from the shipped ones. Unique: each shipped verb again with other
// beginnings ("1b2a-d3en", "1bl2a-d3en", ...), a long list without a repeat; repeated: the
// shipped lines again and again, so that nearly every line is flagged as given twice.
std::vector<Text> MakeLines(bool unique) {
    const std::vector<Text> shipped =
        WorkDir(TAMURIK_DATA_DIR).ReadLines("ZAHLVERB.TXT").value_or(std::vector<Text>{});
    const TextView onsets[] = {U"",   U"b",  U"bl", U"br", U"d",  U"dr", U"f",
                               U"fl", U"fr", U"g",  U"gl", U"gr", U"k",  U"kl",
                               U"kr", U"p",  U"pl", U"pr", U"t",  U"tr"};
    std::vector<Text> lines;
    for (std::size_t round = 0; lines.size() < kLines; ++round) {
        for (std::size_t i = 0; i < shipped.size() && lines.size() < kLines; ++i) {
            const Text& line = shipped[i];
            const std::size_t two = line.find(U'2');
            lines.push_back(
                unique ? U"1" + Text(onsets[round % std::size(onsets)]) + line.substr(two) : line);
        }
    }
    return lines;
}

std::filesystem::path BenchFolder(bool unique) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "tamurik-editor-bench";
        std::filesystem::create_directories(path);
        for (const bool u : {false, true}) {
            std::string bytes;
            for (const Text& line : MakeLines(u)) {
                bytes += EncodeWindows1252(line) + "\r\n";
            }
            std::ofstream(path / (u ? "UNIQUE.TXT" : "REPEATED.TXT"),
                          std::ios::binary | std::ios::trunc)
                << bytes;
        }
        return path;
    }();
    (void)unique;
    return folder;
}

const char* FileName(bool unique) {
    return unique ? "UNIQUE.TXT" : "REPEATED.TXT";
}

const std::vector<Text>& Lines(bool unique) {
    static const std::vector<Text> repeated = MakeLines(false);
    static const std::vector<Text> uniqueLines = MakeLines(true);
    return unique ? uniqueLines : repeated;
}

// state.range(0): 1 for the list without repeats, 0 for the repeated one.
void OpenTwentyThousandLines(benchmark::State& state) {
    const WorkDir dir(BenchFolder(state.range(0) != 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(OpenList(dir, FileName(state.range(0) != 0)));
    }
}
BENCHMARK(OpenTwentyThousandLines)->Arg(1)->Unit(benchmark::kMillisecond);

void FilterTwentyThousandLines(benchmark::State& state) {
    const std::vector<Text>& lines = Lines(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilterLines(lines, U"sch"));
    }
}
BENCHMARK(FilterTwentyThousandLines)->Arg(1)->Unit(benchmark::kMillisecond);

void CheckTwentyThousandLines(benchmark::State& state) {
    const std::vector<Text>& lines = Lines(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckWordList(lines, WordListKind::Verbs, true));
    }
}
BENCHMARK(CheckTwentyThousandLines)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void RecheckOneTypedLine(benchmark::State& state) {
    const std::vector<Text>& lines = Lines(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckLineInList(lines, lines.size() / 2, WordListKind::Verbs));
    }
}
BENCHMARK(RecheckOneTypedLine)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void SuggestMarksForATypedVerb(benchmark::State& state) {
    const MarkSuggester suggester(Lines(true));
    for (auto _ : state) {
        benchmark::DoNotOptimize(suggester.Suggest(U"machen"));
    }
}
BENCHMARK(SuggestMarksForATypedVerb)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
