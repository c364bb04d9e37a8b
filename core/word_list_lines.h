#pragma once
// Inside the word-list rules: one line taken apart, shared by the rules of a single line
// (word_list_check.cpp) and of a whole list (word_list_whole.cpp).

#include "text.h"
#include "word_list_check.h"

#include <vector>

namespace tamurik::word_list_rules {

struct SplitLine {
    Text word;                  // the marked word, blanks and explanation removed
    std::vector<Text> messages; // German, the faults of the line on its own
};

// A line taken apart into its marked word and the faults of its layout, letters and marks.
SplitLine CheckLine(TextView line, WordListKind kind);

// A text in German quotation marks.
Text Quoted(TextView text);

} // namespace tamurik::word_list_rules
