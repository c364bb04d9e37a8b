#include "exercises/rhymes/rhyme_pairs.h"

#include "core/startup.h"

#include <set>

namespace tamurik {

namespace {

// Draws over all attempts at a set. Enough for a list with just nine different rhymes even
// when pairs may repeat (about one set in a thousand then passes), and still quick when a
// list cannot serve, however long it is.
constexpr long long kMaxDraws = 500000;

Text Beginning(TextView word) {
    const std::size_t two = word.find(U'2');
    return Text(two == TextView::npos ? TextView{} : word.substr(0, two + 1));
}

// One attempt at a set; no value when the candidates or the draws run out first. With marking,
// the pairs drawn so far are moved to the front of `candidates`, so that each draw takes one
// of the others (the order left behind serves the next attempt just as well).
std::optional<std::vector<RhymePair>> DrawOnce(std::vector<const RhymePair*>& candidates,
                                               const RhymeDrawRules& rules, RandomSource& random,
                                               long long& draws) {
    const int count = static_cast<int>(candidates.size());
    int used = 0;
    std::vector<RhymePair> set;
    while (static_cast<int>(set.size()) < kRhymeSetSize) {
        if (draws-- <= 0 || count == 0 || (rules.markUsed && used == count))
            return std::nullopt;
        const RhymePair* pair = nullptr;
        if (rules.markUsed) {
            std::swap(candidates[used], candidates[used + random.Draw(count - used)]);
            pair = candidates[used++];
        } else {
            pair = candidates[random.Draw(count)];
        }
        if (rules.refuseSameBeginning) {
            const Text beginning = Beginning(pair->first);
            bool same = false;
            for (const RhymePair& taken : set)
                same = same || taken.first.substr(0, beginning.size()) == beginning;
            if (same)
                continue;
        }
        set.push_back(*pair);
    }
    return set;
}

} // namespace

std::vector<RhymePair> RhymePairsOf(const std::vector<Text>& lines) {
    std::vector<RhymePair> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        // A pair with a damaged line (control characters, nothing but blanks) has no two
        // verbs to show; the pairs after it keep their lines.
        if (IsWordLine(lines[i]) && IsWordLine(lines[i + 1]))
            pairs.push_back({lines[i], lines[i + 1]});
    }
    return pairs;
}

Text RhymePart(TextView word) {
    const std::size_t two = word.find(U'2');
    return two == TextView::npos ? Text{} : Text(word.substr(two));
}

bool RhymesDiffer(const std::vector<RhymePair>& set) {
    std::set<Text> rhymes;
    for (const RhymePair& pair : set) {
        if (!Contains(pair.first, U'2') || !rhymes.insert(RhymePart(pair.first)).second)
            return false;
    }
    return true;
}

std::optional<std::vector<RhymePair>> DrawRhymePairs(const std::vector<RhymePair>& pairs,
                                                     Stammvokal vowel, const RhymeDrawRules& rules,
                                                     RandomSource& random) {
    std::vector<const RhymePair*> candidates;
    std::set<Text> rhymes;
    for (const RhymePair& pair : pairs) {
        if (!MatchesSelection(pair.first, Verbenwahl::Alle, vowel))
            continue;
        candidates.push_back(&pair);
        if (Contains(pair.first, U'2'))
            rhymes.insert(RhymePart(pair.first));
    }
    // No drawing can find nine different rhymes where the list has fewer.
    if (static_cast<int>(rhymes.size()) < kRhymeSetSize)
        return std::nullopt;
    long long draws = kMaxDraws;
    while (draws > 0) {
        std::optional<std::vector<RhymePair>> set = DrawOnce(candidates, rules, random, draws);
        if (set && RhymesDiffer(*set))
            return set;
    }
    return std::nullopt;
}

std::optional<std::vector<RhymePair>> DrawRhymeSet(const WorkDir& dir, const RhymeDrawRules& rules,
                                                   RandomSource& random,
                                                   const std::function<Stammvokal()>& vowel,
                                                   const std::function<bool()>& cannotServe) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::vector<RhymePair> pairs =
            RhymePairsOf(dir.ReadLines(kRhymeFile).value_or(std::vector<Text>{}));
        if (auto set = DrawRhymePairs(pairs, vowel(), rules, random))
            return set;
        if (!cannotServe())
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tamurik
