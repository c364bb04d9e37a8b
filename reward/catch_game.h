#pragma once
// The catching game without its window: the word, the cells of its letters on the grid, the
// catcher and the rules for moving, catching and jumping.

#include "core/random.h"
#include "core/text.h"

#include <array>
#include <optional>
#include <vector>

namespace tamurik {

inline constexpr int kFieldColumns = 18;
inline constexpr int kFieldRows = 11;
// Letters keep out of the last column.
inline constexpr int kLetterColumns = 17;
inline constexpr int kCellTwips = 400;
inline constexpr int kLongestCatchWord = 30;
inline constexpr int kStartPosX = 9;
inline constexpr int kStartPosY = 6;
inline constexpr int kSlowestJump = 15;
inline constexpr int kFastestJump = 3;
inline constexpr int kStartJump = 10;

// The word to catch from a line of the verb list: the plain verb, or "Quatschverben" when the
// line gives none or one too long for the game.
Text CatchWord(std::optional<TextView> line);

// Whether the letters jump at this second of the game.
bool JumpDue(int seconds, int interval);

enum class CatcherMove { Up, Down, Left, Right };

class CatchGame {
public:
    // A new word; the catcher starts in the middle of the field.
    void Prepare(TextView word);

    // Every remaining letter gets a new cell: never the catcher's, never another letter's.
    void ScatterLetters(RandomSource& random);
    // Moves the catcher one cell; it stops at the edges of the grid.
    void Move(CatcherMove move);
    // Catches the next letter when the catcher is on its cell; true when it did.
    bool CheckCatch();

    bool finished() const { return CurrentWord.empty(); }
    const Text& caught() const { return caught_; }
    // How many letters the word had.
    int length() const { return static_cast<int>(caught_.size() + CurrentWord.size()); }

    // The letters still to catch; the first is the next one.
    Text CurrentWord;
    // The cell of the i-th remaining letter, i from 1.
    std::array<int, kLongestCatchWord + 1> LetterX{};
    std::array<int, kLongestCatchWord + 1> LetterY{};
    // The catcher's cell.
    int PosX = kStartPosX;
    int PosY = kStartPosY;

private:
    bool isFree(int x, int y, int before) const;

    Text caught_;
};

} // namespace tamurik
