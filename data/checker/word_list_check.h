#pragma once
// The rules a word list must follow before the exercises can use it: the verb list
// ZAHLVERB.TXT and the rhyme list ZAHLREIM.TXT, line by line, with a German message for every
// fault a teacher editing the files could make.

#include "core/text.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

enum class WordListKind { Verbs, Rhymes };

struct WordListProblem {
    int line = 0; // from 1; 0 when the fault is in the file as a whole
    Text text;    // the line as read
    Text message; // German
};

// ZAHLREIM* (letter case ignored) is a rhyme list, any other name a verb list.
WordListKind KindForFileName(std::string_view fileName);

// The rules on the decoded lines of a file, in line order.
std::vector<WordListProblem> CheckWordList(const std::vector<Text>& lines, WordListKind kind);

// The raw bytes of a file: the faults only the bytes show (a file that is neither UTF-8 nor
// Windows-1252 throughout, a UTF-16 file, a file too large to be read whole), then the rules
// on its lines. Sorted by line number.
std::vector<WordListProblem> CheckWordFile(std::string_view bytes, WordListKind kind);

} // namespace tamurik
