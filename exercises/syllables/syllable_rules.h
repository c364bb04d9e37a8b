#pragma once
// Made-up verbs built from syllable tables, real verbs from the verb list, and the judgements
// the Quatschverben screen makes on them: the separated spelling, the length of the stem vowel
// and whether the verb is a real one.
//
// A made-up verb is composed of a beginning, a stem pattern and an ending. The pattern carries
// the syllable separator: "." after a short stem vowel (ken.nen, ba.cken), "-" after a long
// one (zah-len, lie-ben), so the answer is known by construction.

#include "core/random.h"
#include "core/text.h"
#include "core/work_dir.h"

#include <functional>
#include <optional>
#include <vector>

namespace tamurik {

inline constexpr const char* kRealVerbFile = "VERBEN.TXT";

// One word as the screen shows it, in its three forms.
struct QuatschWord {
    Text Marked;    // with the part marks "1", "2", "3" and the separator: 1b2a.ck3en
    Text Separated; // without the part marks; what the child types: ba.cken
    Text Plain;     // without the separator as well: backen
    bool Generated = false;
    // The table entries a made-up word was built from; empty for a listed verb.
    Text Beginning;
    Text Middle;
    Text End;
};

struct SyllableTables {
    std::vector<Text> OnsetTable;   // consonant groups a verb may begin with
    std::vector<Text> PatternTable; // stem vowel, boundary and the consonants around it
    std::vector<Text> EndingTable;  // en, eln, ern
    bool empty() const { return OnsetTable.empty() || PatternTable.empty() || EndingTable.empty(); }
    void Clear();
};

// Empties the tables and fills them again. Repeated entries are kept on purpose: they are
// drawn correspondingly more often.
void BuildSyllableTables(SyllableTables& tables);

// The three forms of a made-up word from its parts.
QuatschWord MadeUpWord(TextView beginning, TextView middle, TextView end);
// The three forms of a verb-list line: the marked word is the text before the first blank.
QuatschWord ListedWord(TextView line);

// Why a made-up candidate is turned down (the first reason that holds, in this order).
enum class Rejection {
    None,
    Blocked,    // a word a child must not be shown
    QuU,        // quu...
    QuUe,       // quü...
    Ji,         // ji...
    VowelPair,  // ee, aa, oo, ei, ai, au, äu, eu
    ListedVerb, // the verb list holds it with this separator
    RealVerb,   // the list of real verbs holds its plain form
};
// The tests on the word itself (the first five reasons); the two word-file tests follow in
// NextWord, only for a candidate that passes these.
Rejection RejectionOf(const QuatschWord& candidate);

// What NextWord met on its way, for the screen to tell the child.
struct WordSourceReport {
    bool realVerbsMissing = false; // VERBEN.TXT could not be read: only listed verbs are drawn
};

// A candidate budget: a made-up word is almost always found within a few draws; a list of real
// verbs that holds nearly every combination must not freeze the screen, so after this many
// rejected candidates a listed verb is taken instead.
inline constexpr int kMaxCandidates = 200;

// A listed verb drawn in place of the usual one (a verb the child missed, due again), from
// the lines that hold a word; no value to draw as usual.
using ListedVerbDraw = std::function<std::optional<Text>(const std::vector<Text>& lines)>;

// The next word: a listed verb in two cases out of three, a made-up one otherwise. Both word
// files are read afresh for every candidate, so an edit of a file takes effect at the next
// word. No value when the verb list can serve no word at all.
std::optional<QuatschWord> NextWord(const SyllableTables& tables, const WorkDir& dir,
                                    RandomSource& random, int verbCount,
                                    WordSourceReport* report = nullptr,
                                    const ListedVerbDraw& instead = nullptr);

// A verb drawn from the first `verbCount` lines of the verb list (from the lines there are,
// when the file has become shorter); lines without a word are passed over. No value when no
// line holds a word. `instead` may draw the verb in place of the usual draw.
std::optional<QuatschWord> PickListedVerb(const WorkDir& dir, RandomSource& random, int verbCount,
                                          const ListedVerbDraw& instead = nullptr);

// True when a non-empty line of the verb list contains the marked form.
bool IsListedVerb(const WorkDir& dir, TextView marked);
bool IsListedVerb(const std::vector<Text>& verbLines, TextView marked);

bool IsShortVowel(TextView separated);
bool IsLongVowel(TextView separated);

} // namespace tamurik
