// Speed of the verb forms and the hangman rules: a batch of verbs is conjugated each time the
// present-tense screen refills it, and every letter click rebuilds part of the mask.

#include "core/conjugation.h"
#include "core/work_dir.h"
#include "exercises/wordbuilding/hangman.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

using namespace tamurik;

// The infinitives of the dictionary reference: about 700 simple verbs.
const std::vector<Text>& Verbs() {
    static const std::vector<Text> verbs = [] {
        std::vector<Text> result;
        const WorkDir dir(std::filesystem::path(TAMURIK_DATA_DIR) / "reference");
        for (const Text& line : dir.ReadLines("er_forms.txt").value_or(std::vector<Text>{})) {
            if (!line.empty() && line[0] != U'#')
                result.push_back(line.substr(0, line.find(U'\t')));
        }
        return result;
    }();
    return verbs;
}

void BM_ConjugateEverySimpleVerb(benchmark::State& state) {
    const std::vector<Text>& verbs = Verbs();
    for (auto _ : state) {
        for (const Text& verb : verbs)
            benchmark::DoNotOptimize(Conjugate(verb));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(verbs.size()));
}
BENCHMARK(BM_ConjugateEverySimpleVerb);

void BM_GuessAWholeWord(benchmark::State& state) {
    const Text word = U"schmollen";
    for (auto _ : state) {
        Text mask = BuildMask(word);
        for (const char32_t letter : kHangmanLetters)
            benchmark::DoNotOptimize(ChooseLetter(word, mask, letter));
    }
}
BENCHMARK(BM_GuessAWholeWord);

} // namespace

BENCHMARK_MAIN();
