#pragma once
// Word lists in and out of the program: a plain text file of verbs read into a review list
// with suggested marks (nothing is added to a list before the teacher accepts it), and a list
// written as a spreadsheet file as the teacher area writes its exports.

#include "list_document.h"
#include "mark_suggestion.h"
#include "text.h"
#include "word_list_check.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

// One imported verb for the teacher to review.
struct ImportRow {
    int sourceLine = 0; // from 1, in the imported file
    Text source;        // the line as it stood there, blanks at the ends removed
    Text line;          // the proposed line of the list (marked verb, " = " explanation kept)
    MarkSuggestion suggestion;
    std::vector<Text> problems; // the proposed line's faults (CheckWordLine), German
    bool alreadyListed = false; // the list or an earlier row holds this verb already
    // Whether the row is proposed for adding: a line without faults, not listed yet.
    bool proposed() const { return problems.empty() && !alreadyListed; }
};

struct ImportReview {
    std::vector<ImportRow> rows;
    // German messages about the file as a whole ("Die Datei ist leer.", "Die Datei ist keine
    // Textdatei."); rows may still have been read.
    std::vector<Text> messages;
};

// The lines to import: UTF-8, UTF-16 (with or without a byte-order mark) or Windows-1252,
// any line ends; blank lines and lines starting with "#" are skipped. A line may be a plain
// verb ("schwimmen"), a marked verb, or either with " = " and an explanation (for the verb
// list). `listLines` are the lines of the list the rows would be added to.
ImportReview ReviewImport(std::string_view bytes, WordListKind kind, const MarkSuggester& suggester,
                          const std::vector<Text>& listLines);

// Text of a file in any encoding the import takes (UTF-16 without a mark too).
Text DecodeImportText(std::string_view bytes);

// The list as a spreadsheet file (UTF-8 with a byte-order mark, ";" between fields, CR LF):
// a header, then one row per line: its number, the plain verb, the marked verb, the stem
// vowel ("kurz"/"lang"), the explanation (verb list) or the pair's number (rhyme list).
std::string WordListCsv(const std::vector<Text>& lines, WordListKind kind);

} // namespace tamurik
