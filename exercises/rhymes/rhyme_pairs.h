#pragma once
// Rhyme pairs from the rhyme list ZAHLREIM.TXT: lines 2k-1 and 2k rhyme. The three rhyme games
// draw nine pairs whose first verbs all rhyme differently, so that exactly one partner fits each
// verb.

#include "core/random.h"
#include "core/text.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <functional>

#include <optional>
#include <vector>

namespace tamurik {

struct RhymePair {
    Text first;   // the verb as marked in the list
    Text partner; // the line after it
    bool operator==(const RhymePair&) const = default;
};

// How one game draws its pairs.
struct RhymeDrawRules {
    // A pair drawn once is not drawn again in the same set; without this a pair drawn twice
    // spoils the set, which is then drawn again as a whole.
    bool markUsed = true;
    // A first verb whose beginning (up to and with its "2") equals that of a verb already
    // drawn is refused.
    bool refuseSameBeginning = false;
};

inline constexpr int kRhymeSetSize = 9;
inline constexpr RhymeDrawRules kMemoryDraw{true, true};
inline constexpr RhymeDrawRules kFindenDraw{true, false};
inline constexpr RhymeDrawRules kSchreibenDraw{false, false};

// The pairs of the list in file order; a last line without a partner is left out, and so is a
// pair with a line that holds no word.
std::vector<RhymePair> RhymePairsOf(const std::vector<Text>& lines);

// The rhyme part of a marked verb: from its first "2" to the end, marks included; empty when
// it has no "2".
Text RhymePart(TextView word);

// Every first verb has a "2" and no two of them have the same rhyme part.
bool RhymesDiffer(const std::vector<RhymePair>& set);

// Draws kRhymeSetSize pairs whose first verb passes the vowel choice. A set that fails the
// rhyme check is drawn again, a bounded number of times; no value when the list cannot serve
// (too few different rhymes for this vowel choice, or no set found within the bound).
std::optional<std::vector<RhymePair>> DrawRhymePairs(const std::vector<RhymePair>& pairs,
                                                     Stammvokal vowel, const RhymeDrawRules& rules,
                                                     RandomSource& random);

// Reads the rhyme list afresh and draws a set for the vowel choice `vowel()`. When the list
// cannot serve, `cannotServe()` decides: true after it went back to "alle" (draw once more),
// false to give up (no value).
std::optional<std::vector<RhymePair>> DrawRhymeSet(const WorkDir& dir, const RhymeDrawRules& rules,
                                                   RandomSource& random,
                                                   const std::function<Stammvokal()>& vowel,
                                                   const std::function<bool()>& cannotServe);

} // namespace tamurik
