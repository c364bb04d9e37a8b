#pragma once
// What the speaker is handed: plain text, never markup, and a marked verb cut into the
// syllables a child "swings" (ba·cken, le·ben), each with the letters it lights up.

#include "text.h"

#include <optional>
#include <vector>

namespace tamurik {

// The longest text handed to the speech engine at once; a longer one is cut after its last
// blank before this length. A very long explanation is read in about half a minute.
inline constexpr std::size_t kMaxSpokenLength = 400;

// The text as the speech engine gets it: control characters and the characters that markup
// is made of ("<", ">", "&", and the brackets some engines read as phoneme or command input)
// become blanks, so "<b>fett</b>" is read as the words "b fett b" and never as a tag; runs of
// blanks become one, the ends are trimmed, and the length is kept to kMaxSpokenLength.
Text SpokenText(TextView text);

// A stretch of letters of a marked word, counted over its letters only (the part marks "1",
// "2", "3", the separators "." and "-" and control characters do not count).
struct LetterRange {
    int first = 0;
    int count = 0;
    bool operator==(const LetterRange&) const = default;
};

// Whether a character of a marked word is one of its letters (drawn and counted).
bool IsWordLetter(char32_t c);

struct SpokenSyllable {
    // What the engine is asked to say.
    Text spoken;
    // The letters of the word that light up while it is said.
    LetterRange letters;
    bool operator==(const SpokenSyllable&) const = default;
};

// The syllables of a marked word, split at its separator: "." after a short, "-" after a long
// stem vowel. A word without a separator is one syllable; one without letters has none.
//
// A syllable said on its own loses what the word around it tells a speech engine: "ba" of
// ba.cken comes out with a long a, "cken" is spelt "C-ken". So what is said differs from the
// letters where the sound asks for it: after "." the stem syllable is said closed by the
// consonant that opens the next one, as it sounds in the word ("back", "schwimm", "find"),
// and a syllable that begins with "ck" is said with "k" ("ken").
std::vector<SpokenSyllable> SpokenSyllables(TextView marked);

// One utterance of a reading syllable by syllable.
struct ReadingStep {
    // The word (index into the list read) on show while this is said.
    std::size_t word = 0;
    Text spoken;
    // The letters lit up; none while the whole word is said.
    std::optional<LetterRange> highlight;
    bool operator==(const ReadingStep&) const = default;
};

// Reading words syllable by syllable: for each marked word its syllables one by one, then the
// whole word once more with no letter lit up. A word of one syllable is said once, whole;
// a word that leaves nothing to say is left out.
std::vector<ReadingStep> ReadingSteps(const std::vector<Text>& markedWords);

} // namespace tamurik
