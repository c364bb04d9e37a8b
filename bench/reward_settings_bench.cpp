// Speed of the work behind the reward game and the settings screen: spreading the letters of a
// long word over the grid at every jump, and picking the recommended fonts out of a large font
// collection while the waiting text is shown.

#include "core/random.h"
#include "reward/catch_game.h"
#include "settings/colour_steps.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace tamurik;

// A jump with the longest word the game takes.
void BM_ScatterLongestWord(benchmark::State& state) {
    StdRandom random(42);
    CatchGame game;
    game.Prepare(Text(kLongestCatchWord, U'a'));
    for (auto _ : state) {
        game.ScatterLetters(random);
        benchmark::DoNotOptimize(game.LetterX);
    }
}
BENCHMARK(BM_ScatterLongestWord);

// Recommended fonts and the saved font's place among `range` installed fonts.
void BM_RecommendedFonts(benchmark::State& state) {
    std::vector<Text> names;
    for (int i = 0; i < state.range(0); ++i) {
        const std::string name =
            (i % 50 == 0 ? "tmk Schrift " : "Font Family ") + std::to_string(i);
        names.push_back(Text(name.begin(), name.end()));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(RecommendedFonts(names));
        benchmark::DoNotOptimize(FontPosition(names, U"Verdana"));
    }
}
BENCHMARK(BM_RecommendedFonts)->Arg(300)->Arg(5000);

} // namespace

BENCHMARK_MAIN();
