#pragma once
// Inside the word-list rules: one line taken apart, shared by the rules of a single line
// (word_list_check.cpp) and of a whole list (word_list_whole.cpp); and the letters the rules
// and the suggested marks (mark_suggestion.cpp) read a verb by.

#include "text.h"
#include "word_list_check.h"

#include <array>
#include <vector>

namespace tamurik::word_list_rules {

// The vowel pairs a stem vowel may be.
inline constexpr std::array<TextView, 9> kVowelPairs = {U"ie", U"ei", U"ai", U"au", U"eu",
                                                        U"äu", U"aa", U"ee", U"oo"};
// After a short vowel these stay whole behind the ".": they are one sound. The longest first,
// so that a word's end is matched by the whole group.
inline constexpr std::array<TextView, 4> kWholeAfterPoint = {U"sch", U"ck", U"ch", U"x"};

inline bool IsVowel(char32_t c) {
    return Contains(U"aäeioöuüy", c);
}
inline bool IsConsonant(char32_t c) {
    return Contains(U"bcdfghjklmnpqrstvwxzß", c);
}

struct SplitLine {
    Text word;                  // the marked word, blanks and explanation removed
    std::vector<Text> messages; // German, the faults of the line on its own
};

// A line taken apart into its marked word and the faults of its layout, letters and marks.
SplitLine CheckLine(TextView line, WordListKind kind);

// A text in German quotation marks.
Text Quoted(TextView text);

} // namespace tamurik::word_list_rules
