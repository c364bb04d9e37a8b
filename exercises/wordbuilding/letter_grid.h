#pragma once
// Verben zusammensetzen: the letters of a verb scattered over a grid of 10 × 8 cells, clicked
// in their order, and what the helps cost.

#include "core/random.h"
#include "core/text.h"

#include <optional>
#include <vector>

namespace tamurik {

inline constexpr int kGridColumns = 10;
inline constexpr int kGridRows = 8;
// A verb longer than this is refused; the grid has 80 cells.
inline constexpr std::size_t kLongestGridVerb = 50;

// Cell geometry in twips: cell (c, r) spans from (100 + 500c, 100 + 500r) on, 500 square.
inline constexpr int kGridMargin = 100;
inline constexpr int kCellSize = 500;

// The verb of a pool entry: the text before the first blank without "1", "2", "3", "=", "."
// and "-".
Text GridVerb(TextView entry);

// The entries of the verb pool: the lines whose number (from 1) is a multiple of `step`.
std::vector<Text> EveryNthLine(const std::vector<Text>& lines, int step);

struct LetterCell {
    int column = 0;
    int row = 0;
    char32_t letter = 0;
};

// One cell for each letter, in verb order, no two in the same cell: a column and a row are
// drawn until the cell is free. After many taken cells in a row the next free cell from the
// drawn one on is used, so a nearly full grid still fills in bounded time.
std::vector<LetterCell> PlaceLetters(TextView verb, RandomSource& random);

// The cell under a point in twips: (x − 100) and (y − 100), rounded to whole numbers, divided
// by 500 toward zero, so the margin above and left of the grid counts as row and column 0.
struct CellPos {
    int column;
    int row;
};
CellPos CellAt(double xTwips, double yTwips);

class LetterGrid {
public:
    enum class Outcome { Nothing, Wrong, Right, Finished };

    void Start(Text verb, std::vector<LetterCell> cells);
    // A click on this cell. A cell whose letter is the one needed next is right, even when it
    // was clicked before (a doubled letter may be clicked twice in the same cell).
    Outcome Click(CellPos cell);
    // The index of the letter in the cell, if any.
    std::optional<std::size_t> LetterIn(CellPos cell) const;

    const Text& verb() const { return verb_; }
    const Text& assembled() const { return assembled_; }
    const std::vector<LetterCell>& cells() const { return cells_; }

private:
    Text verb_;
    Text assembled_;
    std::vector<LetterCell> cells_;
};

// Points after each help: the first letter costs 1 (while there are points); the path costs
// the first letter's 1 and 2 more while more than 2 are left; the explanation costs 2 while
// there are more than 1.
long long AfterFirstLetterHelp(long long points);
long long AfterPathHelp(long long points);
long long AfterExplanationHelp(long long points);

// The explanation of a pool entry, or "Keine Erklärung!" when it has none.
Text GridExplanation(TextView entry);

} // namespace tamurik
