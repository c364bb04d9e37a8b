#include "reward/catch_game.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tamurik {
namespace {

TEST(CatchWordTest, PlainVerbOrTheFallback) {
    EXPECT_EQ(CatchWord(Text(U"1s2äu-m3en = warten, zögern")), U"säumen");
    EXPECT_EQ(CatchWord(Text(U"1k2om.m3en")), U"kommen");
    EXPECT_EQ(CatchWord(std::nullopt), U"Quatschverben");
    EXPECT_EQ(CatchWord(Text(U"")), U"Quatschverben");
    EXPECT_EQ(CatchWord(Text(U"123.-")), U"Quatschverben");
    EXPECT_EQ(CatchWord(Text(30, U'a')), Text(30, U'a'));
    EXPECT_EQ(CatchWord(Text(31, U'a')), U"Quatschverben");
    // The letters jump at every multiple of the interval, never at the start.
    EXPECT_FALSE(JumpDue(5, 0)) << "no interval, no jump";
    EXPECT_FALSE(JumpDue(0, 3));
    EXPECT_FALSE(JumpDue(2, 3));
    EXPECT_TRUE(JumpDue(3, 3));
    EXPECT_TRUE(JumpDue(6, 3));
}

class CatchGameTest : public ::testing::Test {
protected:
    void Place(int i, int x, int y) {
        game_.LetterX[static_cast<std::size_t>(i)] = x;
        game_.LetterY[static_cast<std::size_t>(i)] = y;
    }
    std::pair<int, int> Cell(int i) const {
        return {game_.LetterX[static_cast<std::size_t>(i)],
                game_.LetterY[static_cast<std::size_t>(i)]};
    }
    // Checks that every letter has a cell of its own, off the catcher, in columns 0-16.
    void ExpectSpreadOut() const {
        std::set<std::pair<int, int>> cells;
        for (int i = 1; i <= static_cast<int>(game_.CurrentWord.size()); ++i) {
            const auto [x, y] = Cell(i);
            EXPECT_GE(x, 0);
            EXPECT_LT(x, kLetterColumns);
            EXPECT_GE(y, 0);
            EXPECT_LT(y, kFieldRows);
            EXPECT_FALSE(x == game_.PosX && y == game_.PosY) << "letter " << i << " on the catcher";
            EXPECT_TRUE(cells.insert({x, y}).second) << "letter " << i << " on another letter";
        }
    }

    CatchGame game_;
    ScriptedRandom random_;
};

TEST_F(CatchGameTest, ScatteringRedrawsACellThatIsTaken) {
    game_.Prepare(U"ab");
    // The first draw hits the catcher (9, 6), the second letter's first draw hits the first
    // letter.
    random_.QueueDraw(9, kLetterColumns);
    random_.QueueDraw(6, kFieldRows);
    random_.QueueDraw(2, kLetterColumns);
    random_.QueueDraw(3, kFieldRows);
    random_.QueueDraw(2, kLetterColumns);
    random_.QueueDraw(3, kFieldRows);
    random_.QueueDraw(16, kLetterColumns);
    random_.QueueDraw(10, kFieldRows);
    game_.ScatterLetters(random_);
    EXPECT_EQ(Cell(1), std::make_pair(2, 3));
    EXPECT_EQ(Cell(2), std::make_pair(16, 10));
    EXPECT_FALSE(game_.CheckCatch());
}

TEST_F(CatchGameTest, AGeneratorStuckOnOneCellStillSpreadsTheLetters) {
    game_.Prepare(Text(kLongestCatchWord, U'x'));
    random_.Queue(0.0);
    game_.ScatterLetters(random_);
    ExpectSpreadOut();

    game_.Prepare(U"Quatschverben");
    game_.PosX = 16;
    game_.PosY = 10;
    random_.Clear();
    random_.Queue(0.9999);
    game_.ScatterLetters(random_);
    ExpectSpreadOut();
}

TEST_F(CatchGameTest, OnlyTheFirstOfRepeatedLettersIsCaught) {
    game_.Prepare(U"nenn");
    Place(1, 10, 6);
    Place(2, 0, 0);
    Place(3, 8, 6);
    Place(4, 5, 5);
    game_.Move(CatcherMove::Left); // (8, 6): an "n", but not the next one
    EXPECT_FALSE(game_.CheckCatch());
    EXPECT_EQ(game_.CurrentWord, U"nenn");
    game_.Move(CatcherMove::Right);
    game_.Move(CatcherMove::Right);
    EXPECT_TRUE(game_.CheckCatch());
    EXPECT_EQ(game_.caught(), U"n");
    EXPECT_EQ(game_.CurrentWord, U"enn");
    // The cells moved up with the letters.
    EXPECT_EQ(Cell(1), std::make_pair(0, 0));
    EXPECT_EQ(Cell(2), std::make_pair(8, 6));
    EXPECT_EQ(Cell(3), std::make_pair(5, 5));
    EXPECT_FALSE(game_.CheckCatch()) << "a letter is caught once";
    EXPECT_EQ(game_.length(), 4);
}

TEST_F(CatchGameTest, TheCatcherStopsAtTheEdgesOfTheField) {
    for (int i = 0; i < kFieldColumns; ++i) {
        game_.Move(CatcherMove::Up);
        game_.Move(CatcherMove::Left);
    }
    EXPECT_EQ(std::make_pair(game_.PosX, game_.PosY), std::make_pair(0, 0));
    for (int i = 0; i < kFieldColumns; ++i) {
        game_.Move(CatcherMove::Down);
        game_.Move(CatcherMove::Right);
    }
    EXPECT_EQ(std::make_pair(game_.PosX, game_.PosY), std::make_pair(17, 10));
}

} // namespace
} // namespace tamurik
