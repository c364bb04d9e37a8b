#pragma once
// The rules a word list must follow before the exercises can use it: the verb list
// ZAHLVERB.TXT, the rhyme list ZAHLREIM.TXT and the real-verb list VERBEN.TXT, line by line,
// with a German message for every fault a teacher editing the files could make. The
// command-line checker and the word-list editor both check with these rules.

#include "text.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

// Verbs: ZAHLVERB.TXT, a marked verb a line ("1schw2im.m3en", a rare one with " = " and an
// explanation). Rhymes: ZAHLREIM.TXT, marked verbs in pairs. RealVerbs: VERBEN.TXT, every
// real German verb as a plain lower-case word, which a made-up verb must not be part of.
enum class WordListKind { Verbs, Rhymes, RealVerbs };

struct WordListProblem {
    int line = 0; // from 1; 0 when the fault is in the file as a whole
    Text text;    // the line as read
    Text message; // German
    // A fault of the list as a whole that would leave an exercise without words (too few
    // rhyme pairs, a selection with no verb): the editor refuses to save while it stands.
    bool refusesSave = false;
};

// ZAHLREIM* (letter case ignored) is a rhyme list, VERBEN* a real-verb list, any other name
// a verb list.
WordListKind KindForFileName(std::string_view fileName);
// The list's German name for messages and tabs: "Verbliste", "Reimliste", "Liste der echten
// Verben".
Text KindName(WordListKind kind);

// The faults of one line on its own (its layout, letters and marks), each a German message;
// empty when the line is fine. What the editor shows while a line is typed.
std::vector<Text> CheckWordLine(TextView line, WordListKind kind);

// The faults of line `index` (from 0) of a list in its place: its own faults, a verb that
// stands on an earlier or later line too, and in a rhyme list the pair it belongs to (the
// other line of the pair is lines[index ^ 1]). Empty when the line is fine.
std::vector<Text> CheckLineInList(const std::vector<Text>& lines, std::size_t index,
                                  WordListKind kind);

// The key under which two lines count as the same verb (the marked word without blanks and
// explanation; for VERBEN.TXT the word); empty for a line without a word.
Text DuplicateKey(TextView line, WordListKind kind);

// The rules on the decoded lines of a file, in line order: every line's faults, verbs given
// twice, and the faults of the list as a whole (line 0), among them the ones that refuse a
// save. With `selections`, also every selection an exercise offers that no verb passes (as
// SaveRefusals; a list still being built leaves them aside).
std::vector<WordListProblem> CheckWordList(const std::vector<Text>& lines, WordListKind kind,
                                           bool selections = false);

// Only the faults of the list as a whole that refuse a save, each saying what to add: fewer
// rhyme lines than the program needs to start, fewer different rhymes than the memory game
// lays out (for all, the short and the long stem vowels), a verb selection ("häufige",
// "seltene", "kurz", "lang" and their combinations) that no faultless verb passes, an empty
// list.
std::vector<WordListProblem> SaveRefusals(const std::vector<Text>& lines, WordListKind kind);

// The raw bytes of a file: the faults only the bytes show (a file that is neither UTF-8 nor
// Windows-1252 throughout, a UTF-16 file, a file too large to be read whole), then the rules
// on its lines. Sorted by line number.
std::vector<WordListProblem> CheckWordFile(std::string_view bytes, WordListKind kind,
                                           bool selections = false);

} // namespace tamurik
