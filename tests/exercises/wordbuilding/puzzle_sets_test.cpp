// Cutting verbs into their parts, drawing sets whose parts differ column by column, and laying
// the tiles onto the three fields.

#include "exercises/wordbuilding/puzzle_sets.h"

#include <gtest/gtest.h>

#include <set>

namespace tamurik {
namespace {

TEST(VerbPartsTest, LinesAreCutAtTheirMarks) {
    EXPECT_EQ(SplitVerbParts(U"1sp2ie-l3en"), (VerbParts{U"sp", U"iel", U"en"}));
    // A rare verb loses its explanation, and "." and blanks go with the marks.
    EXPECT_EQ(SplitVerbParts(U"1sch2uf.t3en = schwer arbeiten, sich plagen"),
              (VerbParts{U"sch", U"uft", U"en"}));
    EXPECT_EQ(SplitVerbParts(U"1w2i.ck3eln")->Joined(), U"wickeln");
}

TEST(VerbPartsTest, LinesThatCannotGiveThreePartsAreLeftOut) {
    for (const Text line : {U"", U"gehen", U"sp2ie-l3en", U"1spiel3en", U"1spie-len", U"1sp3en2iel",
                            U"12ie-l3en", U"1sp23en", U"1sp2iel3", U"= 1a2b3c"}) {
        SCOPED_TRACE(std::string(line.begin(), line.end()));
        EXPECT_FALSE(SplitVerbParts(line).has_value());
    }
}

const std::vector<Text> kLines{
    U"1b2a-d3en",   U"1b2ie-g3en", // same first part as baden
    U"1w2i.ck3eln", U"1z2ah-l3en", // same final part as baden
    U"1f2ei-3ern",  U"1w2a.nd3ern", U"1h2a.nd3eln", U"1kl2e.tt3ern", U"gehen",
};

bool PartsDiffer(const std::array<VerbParts, 3>& set) {
    for (int column = 0; column < 3; ++column) {
        std::set<Text> seen;
        for (const VerbParts& verb : set)
            if (!seen.insert(verb[column]).second)
                return false;
    }
    return true;
}

// Some first choices leave no third verb (baden and wandern block all others), yet a set is
// always found.
TEST(PuzzleSetTest, NoTwoVerbsOfASetShareAPartInOneColumn) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        StdRandom random(seed);
        const auto set = DrawPuzzleSet(kLines, random);
        ASSERT_TRUE(set.has_value());
        EXPECT_TRUE(PartsDiffer(*set)) << "seed " << seed;
    }
}

TEST(PuzzleSetTest, ClashingLinesAreSkippedInDrawingOrder) {
    ScriptedRandom firstEachTime; // always the next line in file order
    const auto set = DrawPuzzleSet(kLines, firstEachTime);
    ASSERT_TRUE(set.has_value());
    EXPECT_EQ((*set)[0].Joined(), U"baden");
    EXPECT_EQ((*set)[1].Joined(), U"wickeln");
    EXPECT_EQ((*set)[2].Joined(), U"feiern");
}

TEST(PuzzleSetTest, LinesThatCannotMakeASetEndTheDraw) {
    ScriptedRandom random;
    // Every verb ends in "en": no three of them differ in the last column.
    EXPECT_FALSE(
        DrawPuzzleSet({U"1b2a-d3en", U"1sp2ie-l3en", U"1r2en.n3en", U"1m2a-l3en"}, random));
    EXPECT_FALSE(DrawPuzzleSet({U"1b2a-d3en", U"1w2i.ck3eln"}, random));
    EXPECT_FALSE(DrawPuzzleSet({}, random));
    StdRandom any(7);
    EXPECT_FALSE(DrawPuzzleSet({U"gehen", U"1a2b3c", U"1a2b3c", U"1a2b3c"}, any));
}

TEST(PuzzleSetTest, TilesStandInTextOrderWithCaseIgnored) {
    const std::array<VerbParts, 3> set{VerbParts{U"Z", U"ög", U"ern"}, VerbParts{U"b", U"a", U"en"},
                                       VerbParts{U"w", U"ick", U"eln"}};
    const std::array<Text, 9> expected{U"a",   U"b",  U"eln", U"en", U"ern",
                                       U"ick", U"ög", U"w",   U"Z"};
    EXPECT_EQ(TileCaptions(set), expected);
}

class PuzzleBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        board_.Start({VerbParts{U"b", U"ad", U"en"}, VerbParts{U"w", U"ick", U"eln"},
                      VerbParts{U"f", U"ei", U"ern"}});
    }
    int Tile(const Text& caption) const {
        for (int i = 0; i < PuzzleBoard::kTiles; ++i)
            if (board_.tile(i) == caption)
                return i;
        ADD_FAILURE() << "no tile";
        return 0;
    }
    PuzzleBoard::Outcome Drop(int field, const Text& caption) {
        return board_.DropPart(field, Tile(caption)).outcome;
    }
    PuzzleBoard board_;
};

TEST_F(PuzzleBoardTest, APartOfAnotherVerbIsRefusedOnceAnAttemptStarted) {
    EXPECT_EQ(Drop(0, U"b"), PuzzleBoard::Outcome::Placed);
    EXPECT_EQ(board_.targetRow(), 1);
    EXPECT_EQ(Drop(1, U"ick"), PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(board_.field(1), U"");
    EXPECT_EQ(board_.tile(Tile(U"ick")), U"ick");
    // A part in the wrong column is refused as well.
    EXPECT_EQ(Drop(2, U"ad"), PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(Drop(0, U"w"), PuzzleBoard::Outcome::FieldTaken);
}

TEST_F(PuzzleBoardTest, TheFirstPartMayBeAnyOfTheThree) {
    EXPECT_EQ(Drop(2, U"eln"), PuzzleBoard::Outcome::Placed);
    EXPECT_EQ(board_.targetRow(), 2);
    EXPECT_EQ(Drop(0, U"f"), PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(Drop(1, U"ick"), PuzzleBoard::Outcome::Placed);
    const PuzzleBoard::DropResult found = board_.DropPart(0, Tile(U"w"));
    EXPECT_EQ(found.outcome, PuzzleBoard::Outcome::Found);
    EXPECT_EQ(found.verb, U"wickeln");
    EXPECT_EQ(found.left, 2);
    EXPECT_EQ(board_.targetRow(), 0);
    EXPECT_EQ(board_.field(0) + board_.field(1) + board_.field(2), U"");
    EXPECT_EQ(board_.rows().size(), 2u);
}

TEST_F(PuzzleBoardTest, AnEmptiedTileMatchesNothing) {
    const int tile = Tile(U"b");
    EXPECT_EQ(board_.DropPart(0, tile).outcome, PuzzleBoard::Outcome::Placed);
    EXPECT_EQ(board_.tile(tile), U"");
    EXPECT_EQ(board_.DropPart(1, tile).outcome, PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(board_.DropPart(2, tile).outcome, PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(board_.DropPart(-1, 0).outcome, PuzzleBoard::Outcome::Wrong);
    EXPECT_EQ(board_.DropPart(0, 9).outcome, PuzzleBoard::Outcome::Wrong);
}

TEST_F(PuzzleBoardTest, FoundVerbsAreCountedAndTheSolutionListsTheRest) {
    EXPECT_EQ(board_.SolutionText(), U"\rbaden   wickeln   feiern\r\r");
    Drop(0, U"b");
    Drop(1, U"ad");
    EXPECT_EQ(Drop(2, U"en"), PuzzleBoard::Outcome::Found);
    EXPECT_EQ(board_.SolutionText(), U"\rwickeln   feiern   \r\r");
    EXPECT_EQ(FoundTitle(2), U"1. Verb gefunden");
    EXPECT_EQ(FoundTitle(1), U"2. Verb gefunden");
    EXPECT_EQ(FoundTitle(0), U"3. Verb gefunden");
}

} // namespace
} // namespace tamurik
