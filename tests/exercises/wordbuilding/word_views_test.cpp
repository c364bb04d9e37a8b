// The six views of a verb to copy, the check of the typed copy and the explanation lookup.

#include "exercises/wordbuilding/word_views.h"

#include <gtest/gtest.h>

#include <set>

namespace tamurik {
namespace {

const Text kLaufen = U"1l2au-f3en";

TEST(WordViewTest, MitlauteShowsADotForEachVowelInThePartColours) {
    EXPECT_EQ(ViewPieces(kLaufen, WordView::Mitlaute, 0),
              (std::vector<ViewPiece>{{1, U"l "}, {2, U". . f "}, {3, U". n "}}));
    EXPECT_EQ(ViewPieces(U"1Ä2ö3ü", WordView::Mitlaute, 0),
              (std::vector<ViewPiece>{{1, U". "}, {2, U". "}, {3, U". "}}));
}

TEST(WordViewTest, NormalAndCapitalsSkipMarksAndSeparators) {
    EXPECT_EQ(ViewPieces(kLaufen, WordView::Normalwort, 0),
              (std::vector<ViewPiece>{{1, U"l "}, {2, U"a u f "}, {3, U"e n "}}));
    EXPECT_EQ(ViewPieces(U"1gr2ü.ß3en", WordView::Grossschrift, 0),
              (std::vector<ViewPiece>{{1, U"G R "}, {2, U"Ü ß "}, {3, U"E N "}}));
    // Letters before the first mark keep the starting colour.
    EXPECT_EQ(ViewPieces(U"ab2c", WordView::Normalwort, 0),
              (std::vector<ViewPiece>{{0, U"a b "}, {2, U"c "}}));
    EXPECT_TRUE(ViewPieces(U"", WordView::Normalwort, 0).empty());
}

TEST(WordViewTest, PuzzleNeverKeepsTheRightOrder) {
    std::set<Text> orders;
    for (int k = 0; k < 5; ++k) {
        const Text text = PuzzleText(kLaufen, k);
        EXPECT_NE(text, U"1l2auf3en");
        EXPECT_EQ(text.size(), kLaufen.size());
        orders.insert(text);
    }
    EXPECT_EQ(orders.size(), 5u);
    EXPECT_EQ(PuzzleText(kLaufen, 0), U"3en2au-f1l");
    EXPECT_EQ(PuzzleText(kLaufen, 4), U"1l3en2au-f");
    // Each piece keeps its colour.
    EXPECT_EQ(ViewPieces(kLaufen, WordView::Puzzle, 1),
              (std::vector<ViewPiece>{{2, U"a u f "}, {3, U"e n "}, {1, U"l "}}));
    // A word without all its marks is shown whole.
    for (const Text word : {U"laufen", U"1lau3fen", U"1l2aufen", U"3en2au1l"})
        EXPECT_EQ(PuzzleText(word, 2), word);
    EXPECT_EQ(ViewPieces(U"1lau3fen", WordView::Puzzle, 0),
              (std::vector<ViewPiece>{{1, U"l a u "}, {3, U"f e n "}}));
}

TEST(WordViewTest, UmkehrwortKeepsEachLetterInItsColour) {
    EXPECT_EQ(ReversedText(kLaufen), U"3ne2fua1l");
    EXPECT_EQ(ViewPieces(kLaufen, WordView::Umkehrwort, 0),
              (std::vector<ViewPiece>{{3, U"n e "}, {2, U"f u a "}, {1, U"l "}}));
}

TEST(ExplanationLookupTest, TheLastLineHoldingTheWordGivesTheExplanation) {
    const std::vector<Text> lines{U"1b2a-d3en", U"1s2äu-m3en = warten, zögern", U"1l2a.ss3en"};
    EXPECT_EQ(LookUpExplanation(lines, U"1s2äu-m3en"), Text(U" warten, zögern"));
    EXPECT_FALSE(LookUpExplanation(lines, U"1b2a-d3en").has_value());
    EXPECT_FALSE(LookUpExplanation(lines, U"1g2eh3en").has_value());
    EXPECT_FALSE(LookUpExplanation({}, U"1b2a-d3en").has_value());
}

TEST(BestListTest, RecordsAreInsertedInTextOrder) {
    std::vector<Text> list{U"  3      4   Ben", U" 10     20   Lea"};
    InsertRecord(list, U"  5     12   Mia");
    InsertRecord(list, U"  3      4   anna");
    EXPECT_EQ(list, (std::vector<Text>{U"  3      4   anna", U"  3      4   Ben",
                                       U"  5     12   Mia", U" 10     20   Lea"}));
    EXPECT_EQ(TimeUpText(12), U"Die Zeit ist leider abgelaufen!\rDu hast 12 Wörter geschafft.\r");
}

} // namespace
} // namespace tamurik
