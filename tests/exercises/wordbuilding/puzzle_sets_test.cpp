// Cutting verbs into their parts and drawing sets whose parts differ column by column.

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

} // namespace
} // namespace tamurik
