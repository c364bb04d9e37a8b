// The letter grid: which cell a point hits, where the letters go, clicking them in order, and
// what the helps cost.

#include "exercises/wordbuilding/letter_grid.h"

#include <gtest/gtest.h>

#include <set>

namespace tamurik {
namespace {

TEST(GridCellTest, TheMarginCountsAsColumnAndRowZero) {
    EXPECT_EQ(CellAt(0, 0).column, 0);
    EXPECT_EQ(CellAt(0, 0).row, 0);
    EXPECT_EQ(CellAt(99, 50).column, 0);
    EXPECT_EQ(CellAt(599, 599).row, 0);
    EXPECT_EQ(CellAt(600, 600).column, 1);
    // Rounded first: 599.4 stays in cell 0, 599.6 reaches cell 1.
    EXPECT_EQ(CellAt(599.4, 0).column, 0);
    EXPECT_EQ(CellAt(599.6, 0).column, 1);
    EXPECT_EQ(CellAt(5099, 4099).column, 9);
    EXPECT_EQ(CellAt(5099, 4099).row, 7);
    EXPECT_EQ(CellAt(5100, 4100).column, 10);
}

TEST(GridVerbTest, MarksAndExplanationAreRemoved) {
    EXPECT_EQ(GridVerb(U"1sch2uf.t3en = schwer arbeiten"), U"schuften");
    EXPECT_EQ(GridVerb(U"1l2a.ss3en"), U"lassen");
    EXPECT_EQ(GridVerb(U" = nur eine Erklärung"), U"");
    EXPECT_EQ(GridExplanation(U"1s2äu-m3en = warten, zögern"), U"warten, zögern");
    EXPECT_EQ(GridExplanation(U"1l2a.ss3en"), U"Keine Erklärung!");
    // Every nth line, counted from one.
    std::vector<Text> lines;
    for (int i = 1; i <= 25; ++i)
        lines.push_back(Decimal(i));
    EXPECT_EQ(EveryNthLine(lines, 12), (std::vector<Text>{U"12", U"24"}));
    EXPECT_TRUE(EveryNthLine(std::vector<Text>(9, U"x"), 10).empty());
    EXPECT_TRUE(EveryNthLine(lines, 0).empty());
}

void ExpectDistinctCellsInTheGrid(const std::vector<LetterCell>& cells, std::size_t count) {
    ASSERT_EQ(cells.size(), count);
    std::set<std::pair<int, int>> seen;
    for (const LetterCell& cell : cells) {
        EXPECT_GE(cell.column, 0);
        EXPECT_LT(cell.column, kGridColumns);
        EXPECT_GE(cell.row, 0);
        EXPECT_LT(cell.row, kGridRows);
        EXPECT_TRUE(seen.insert({cell.column, cell.row}).second);
    }
}

TEST(PlaceLettersTest, LettersTakeDistinctCellsEvenWhenTheDrawsRepeat) {
    ScriptedRandom sameCell; // every draw hits cell (0, 0)
    const Text longVerb(kLongestGridVerb, U'a');
    ExpectDistinctCellsInTheGrid(PlaceLetters(longVerb, sameCell), kLongestGridVerb);
    StdRandom random(3);
    const std::vector<LetterCell> cells = PlaceLetters(U"lassen", random);
    ExpectDistinctCellsInTheGrid(cells, 6);
    EXPECT_EQ(cells[2].letter, U's');
    EXPECT_EQ(cells[5].letter, U'n');
    // A letter goes where its draw puts it.
    ScriptedRandom drawn;
    drawn.QueueDraw(5, kGridColumns);
    drawn.QueueDraw(3, kGridRows);
    const LetterCell first = PlaceLetters(U"l", drawn).front();
    EXPECT_EQ(std::make_pair(first.column, first.row), std::make_pair(5, 3));
}

} // namespace
} // namespace tamurik
