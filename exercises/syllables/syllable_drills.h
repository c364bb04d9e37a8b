#pragma once
// The rules of three drills on whole verbs: finding the syllable boundary on letter tiles,
// reading a flashed verb, and putting verbs in alphabetical order.

#include "core/random.h"
#include "core/text.h"
#include "core/word_lists.h"

#include <optional>
#include <vector>

namespace tamurik {

// ---- The letter board ----------------------------------------------------------------------

// Tiles stand 600 twips apart; the gap after letter n lies at 600 × n.
inline constexpr int kTileStep = 600;
// The board holds 13 letter tiles, so the cursor goes no further than 7800. (The name differs
// from the hangman board's letters: both live in one program and must not share a name.)
inline constexpr int kBoardTiles = 13;
inline constexpr int kCursorMax = kTileStep * kBoardTiles;

struct BoardLetter {
    char32_t letter = U' ';
    // 0 before the first mark, then 1, 2, 3 for the beginning, middle and end part.
    int part = 0;
};

struct BoardWord {
    std::vector<BoardLetter> letters;
    // The gap of the separator ("." or "-") in twips; none when the word has no separator.
    std::optional<int> boundary;
    int letterCount() const { return static_cast<int>(letters.size()); }
};

// Lays out the marked word of a verb-list line (its text before the first blank) on tiles.
BoardWord LayOutBoard(TextView line);
// A line the board can serve: a boundary to find, and every letter on the board.
bool FitsBoard(TextView line);

// The child's answer as the learning record keeps it: the letters with "|" in the gap where
// the cursor stands ("bad|en").
Text BoundaryAnswer(const BoardWord& board, int cursor);

// The cursor position a scroll value leads to: never beyond the gap after the last letter.
int CursorForScrollValue(int value, int letterCount);
// The gap just before the letter under a mouse press at x twips; none past the last gap.
std::optional<int> CursorForPress(double xTwips, int letterCount);

// One line in ten of `lines`, in order: a line is kept when Int(r × 10) = 5. A sample that
// keeps nothing is drawn again, up to `attempts` times; it can then still be empty.
std::vector<Text> SampleWorkList(const std::vector<Text>& lines, RandomSource& random,
                                 int attempts = 200);

// The title of the explanation box: the plain verb.
Text ExplanationTitle(TextView line);
// The text of the explanation box: what follows the " = " of a rare verb, broken after each
// ";" and "," when longer than 30 characters, or "Keine Erklärung vorhanden!"; then two line
// breaks.
Text ExplanationMessage(TextView line);

// ---- Flash reading -------------------------------------------------------------------------

// The verb selection of the flash list: "Verbenwahl" on the whole line, "Stammvokal" on the
// marked word only, so a "." in an explanation does not make a long vowel short.
bool MatchesFlashSelection(TextView line, const Selection& selection);
// `count` entries drawn from `lines` with repeats; empty when there are no lines.
std::vector<Text> DrawWithRepeats(const std::vector<Text>& lines, int count, RandomSource& random);
// The marked word as it is flashed: every letter with a blank before and after it, the part
// marks kept for the colours, the separator left out.
Text FlashForm(TextView marked);

// ---- Alphabetical order --------------------------------------------------------------------

// "Klicke das 3. Wort nach dem ABC an." for place 3.
Text AbcQuestion(int place);

// One set of the ABC drill: the shown words, their alphabetical order and the places asked.
class AbcSet {
public:
    // The first n words of the pool (fewer when the pool is shorter), spaced.
    void Start(const std::vector<Text>& pool, int n);
    // Draws one of the places not asked yet and makes its word the expected answer. Answers
    // true when that was the last place: the set is complete and is not asked any more.
    bool AskNext(RandomSource& random);

    int size() const { return static_cast<int>(shown_.size()); }
    const std::vector<Text>& shown() const { return shown_; }
    const std::vector<Text>& order() const { return order_; }
    // "0" for a place not drawn yet, "1" once it has been drawn.
    const Text& marker() const { return marker_; }
    // The asked place, from 1; 0 before the first question.
    int askedPlace() const { return asked_; }
    const Text& expected() const { return expected_; }

private:
    std::vector<Text> shown_;
    std::vector<Text> order_;
    Text marker_;
    int asked_ = 0;
    Text expected_;
};

} // namespace tamurik
