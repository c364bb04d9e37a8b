#pragma once
// Writing a rhyme partner letter by letter: the letters the child must type, the word part
// each belongs to, and the partner with its rhyme part hidden.

#include "core/text.h"

#include <vector>

namespace tamurik {

struct PartLetter {
    char32_t letter;
    int part; // 1-3 from the last mark before the letter; 0 before any mark
};

// The letters of a marked verb (everything but "123 .-") with their word parts.
std::vector<PartLetter> PartLetters(TextView marked);

// One letter with the mark of its part in front, to be drawn in the part's colour.
Text MarkedLetter(const PartLetter& letter);

// The letters as one word: what the child has to type.
Text LettersOf(const std::vector<PartLetter>& letters);

// One character per letter of the verb: the letters before its first "2" stay, the rhyme part
// shows as "_" ("1kl2in.g3en" gives "kl____").
Text MaskedRhyme(TextView marked);

} // namespace tamurik
