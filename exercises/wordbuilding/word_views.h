#pragma once
// Verben schreiben: the six views a verb is shown in, the check of the typed copy, the run's
// clock and the explanation lookup.

#include "core/text.h"

#include <optional>
#include <vector>

namespace tamurik {

// In the order of the view buttons.
enum class WordView { Normalwort, Mitlaute, Puzzle, HalbesWort, Grossschrift, Umkehrwort };
inline constexpr int kWordViews = 6;

// The letters of a marked word: the text the child has to type.
Text WordLetters(TextView marked);

// The Puzzle view: the pieces "1…", "2…", "3…" in the order given by k (0 to 4; never the
// order 1, 2, 3). Each piece keeps its mark. A word without all three marks is left whole.
Text PuzzleText(TextView marked, int k);
// The Umkehrwort view: the letters from last to first, each keeping the mark of its part.
Text ReversedText(TextView marked);

// A piece of the drawn word: the part whose colour it takes (0 before the first mark, then 1,
// 2, 3) and the text, each letter followed by one blank.
struct ViewPiece {
    int part = 0;
    Text text;
    bool operator==(const ViewPiece&) const = default;
};
// What the word display shows for a marked word in a view; `puzzleOrder` is used by Puzzle.
std::vector<ViewPiece> ViewPieces(TextView marked, WordView view, int puzzleOrder);

enum class CopyFrame { Unchanged, Green, Red };
// The frame behind the echo: green while the typing is a beginning of the word (case counts),
// red as soon as it is not; an empty typing leaves it as it was.
CopyFrame FrameFor(TextView typed, TextView word);

// The explanation of a marked word: the last line of the list that contains the search text,
// the search text becoming each such line in turn; the text after its "=". No value when
// the line found has no "=".
std::optional<Text> LookUpExplanation(const std::vector<Text>& lines, TextView marked);

// The message at the end of a run.
Text TimeUpText(int wordsDone);

// Inserts a record into a list kept in ascending text order.
void InsertRecord(std::vector<Text>& sorted, Text record);

} // namespace tamurik
