#pragma once
// The verb list ZAHLVERB.TXT and the rhyme list ZAHLREIM.TXT: taking a line apart, and the
// verb selection ("Verbenwahl", "Stammvokal").

#include "random.h"
#include "text.h"
#include "work_dir.h"

#include <optional>
#include <vector>

namespace tamurik {

// Button positions in screen order.
enum class Verbenwahl { Alle = 0, Haeufige = 1, Seltene = 2 };
enum class Stammvokal { Kurz = 0, Lang = 1, Alle = 2 };

struct Selection {
    Verbenwahl verbenwahl = Verbenwahl::Alle;
    Stammvokal stammvokal = Stammvokal::Alle;
};

// The longest line a word file may hold: a verb with its marks and an explanation of a few
// sentences. A longer line is damage (a binary file, a paste gone wrong); drawing it would
// keep the child waiting for a word no one can read.
inline constexpr std::size_t kMaxWordLineLength = 1000;

// A character that no line of a word file holds unless the file is damaged or binary: a control
// character other than the tab (an editor's blank), or U+FFFD for bytes that did not fit the
// file's encoding.
bool IsDamageChar(char32_t c);
// Whether a line of a word file can hold a word: not blank, not longer than
// kMaxWordLineLength, and without control characters (a tab aside), which only a damaged or
// binary file brings.
bool IsWordLine(TextView line);
// The lines of a word file that can hold a word, in file order; no value when the file cannot
// be read. Every draw of a word reads the file through this.
std::optional<std::vector<Text>> ReadWordLines(const WorkDir& dir, const std::string& file);

// Line n (from 1) of ZAHLVERB.TXT; no value when the file or the line is missing.
std::optional<Text> ReadVerbLine(const WorkDir& dir, int n);
// Int(r × verbCount) + 1.
int DrawVerbLineNumber(RandomSource& random, int verbCount);

bool IsRare(TextView line);
// The selection test, on the whole line as it stands in the file.
bool MatchesSelection(TextView line, Verbenwahl verbenwahl, Stammvokal stammvokal);
bool MatchesSelection(TextView line, const Selection& selection);
// The plain verb: the text up to the first blank without the marks "123.-=" and blanks.
Text CleanWord(TextView line);
// The text from two characters after the first "="; empty when there is none.
Text Explanation(TextView line);
// The marked word: the text before the first blank (the whole line when it has none).
Text MarkedWord(TextView line);

// Every line of the file that passes the selection, in file order (one pass); no value when
// the file cannot be read.
std::optional<std::vector<Text>> MatchingLines(const WorkDir& dir, const std::string& file,
                                               const Selection& selection);
// One line drawn uniformly among those that pass; no value when none passes.
std::optional<Text> DrawMatchingLine(const WorkDir& dir, const Selection& selection,
                                     RandomSource& random);

} // namespace tamurik
