#include "reward/catch_game.h"

#include "core/word_lists.h"

#include <algorithm>

namespace tamurik {

namespace {

const Text kFallbackWord = U"Quatschverben";

// A generator that keeps hitting taken cells (a scripted one in a test, say) would hold the
// game forever; after this many draws the letter takes the next free cell instead.
constexpr int kDrawsPerLetter = 1000;

} // namespace

Text CatchWord(std::optional<TextView> line) {
    if (!line) {
        return kFallbackWord;
    }
    Text word = CleanWord(*line);
    if (word.empty() || word.size() > static_cast<std::size_t>(kLongestCatchWord)) {
        return kFallbackWord;
    }
    return word;
}

bool JumpDue(int seconds, int interval) {
    return interval > 0 && seconds > 0 && seconds % interval == 0;
}

void CatchGame::Prepare(TextView word) {
    CurrentWord = Text(word.substr(0, kLongestCatchWord));
    caught_.clear();
    LetterX.fill(0);
    LetterY.fill(0);
    PosX = kStartPosX;
    PosY = kStartPosY;
}

bool CatchGame::isFree(int x, int y, int before) const {
    if (x == PosX && y == PosY) {
        return false;
    }
    for (int j = 1; j < before; ++j) {
        if (LetterX[j] == x && LetterY[j] == y) {
            return false;
        }
    }
    return true;
}

void CatchGame::ScatterLetters(RandomSource& random) {
    const int count = static_cast<int>(CurrentWord.size());
    for (int i = 1; i <= count; ++i) {
        int x = 0;
        int y = 0;
        bool placed = false;
        for (int draw = 0; draw < kDrawsPerLetter && !placed; ++draw) {
            x = random.Draw(kLetterColumns);
            y = random.Draw(kFieldRows);
            placed = isFree(x, y, i);
        }
        // Walk on from the last drawn cell, row by row, to the next free one; the grid has far
        // more cells than a word has letters.
        for (int step = 0; !placed && step < kLetterColumns * kFieldRows; ++step) {
            const int cell = (y * kLetterColumns + x + 1) % (kLetterColumns * kFieldRows);
            x = cell % kLetterColumns;
            y = cell / kLetterColumns;
            placed = isFree(x, y, i);
        }
        LetterX[i] = x;
        LetterY[i] = y;
    }
}

void CatchGame::Move(CatcherMove move) {
    switch (move) {
    case CatcherMove::Up:
        PosY = std::max(PosY - 1, 0);
        break;
    case CatcherMove::Down:
        PosY = std::min(PosY + 1, kFieldRows - 1);
        break;
    case CatcherMove::Left:
        PosX = std::max(PosX - 1, 0);
        break;
    case CatcherMove::Right:
        PosX = std::min(PosX + 1, kFieldColumns - 1);
        break;
    }
}

bool CatchGame::CheckCatch() {
    // Only the next letter counts; the same letter further on in the word cannot be caught yet.
    if (CurrentWord.empty() || PosX != LetterX[1] || PosY != LetterY[1]) {
        return false;
    }
    const int count = static_cast<int>(CurrentWord.size());
    for (int i = 1; i < count; ++i) {
        LetterX[i] = LetterX[i + 1];
        LetterY[i] = LetterY[i + 1];
    }
    LetterX[count] = 0;
    LetterY[count] = 0;
    caught_ += CurrentWord.front();
    CurrentWord.erase(0, 1);
    return true;
}

} // namespace tamurik
