#include "core/word_lists.h"

#include "core/startup.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tamurik {
namespace {

using test::TempDir;

const Text kShortCommon = U"1la.u2f3en";                       // short vowel, common
const Text kLongCommon = U"1le-2b3en";                         // long vowel, common
const Text kRareLong = U"1ah-2n3den = bestrafen. Auch: ahnen"; // long vowel, "." only
                                                               // in the explanation
const Text kRareShort = U"1ab.b2il3den = darstellen, zeigen";  // short vowel, rare
const Text kRareNoMark = U"1ver2hed3dern = verwirren";         // no vowel mark
const Text kUnmarked = U"gehen";

TEST(SelectionTest, VerbenwahlTellsCommonFromRare) {
    for (const Text& line : {kShortCommon, kLongCommon, kUnmarked}) {
        EXPECT_TRUE(MatchesSelection(line, Verbenwahl::Haeufige, Stammvokal::Alle));
        EXPECT_FALSE(MatchesSelection(line, Verbenwahl::Seltene, Stammvokal::Alle));
        EXPECT_TRUE(MatchesSelection(line, Verbenwahl::Alle, Stammvokal::Alle));
        EXPECT_FALSE(IsRare(line));
    }
    for (const Text& line : {kRareLong, kRareShort, kRareNoMark}) {
        EXPECT_FALSE(MatchesSelection(line, Verbenwahl::Haeufige, Stammvokal::Alle));
        EXPECT_TRUE(MatchesSelection(line, Verbenwahl::Seltene, Stammvokal::Alle));
        EXPECT_TRUE(IsRare(line));
    }
}

TEST(SelectionTest, StammvokalLooksAtTheMarksOfTheWholeLine) {
    EXPECT_TRUE(MatchesSelection(kShortCommon, Verbenwahl::Alle, Stammvokal::Kurz));
    EXPECT_FALSE(MatchesSelection(kShortCommon, Verbenwahl::Alle, Stammvokal::Lang));
    EXPECT_TRUE(MatchesSelection(kLongCommon, Verbenwahl::Alle, Stammvokal::Lang));
    EXPECT_FALSE(MatchesSelection(kLongCommon, Verbenwahl::Alle, Stammvokal::Kurz));
    // A line without a vowel mark passes only "alle".
    for (const Text& line : {kRareNoMark, kUnmarked}) {
        EXPECT_FALSE(MatchesSelection(line, Verbenwahl::Alle, Stammvokal::Kurz));
        EXPECT_FALSE(MatchesSelection(line, Verbenwahl::Alle, Stammvokal::Lang));
        EXPECT_TRUE(MatchesSelection(line, Verbenwahl::Alle, Stammvokal::Alle));
    }
    // The marked word has "-", yet the "." of the explanation makes it pass "kurz" too.
    EXPECT_TRUE(MatchesSelection(kRareLong, Verbenwahl::Seltene, Stammvokal::Kurz));
    EXPECT_TRUE(MatchesSelection(kRareLong, Verbenwahl::Seltene, Stammvokal::Lang));
    EXPECT_TRUE(MatchesSelection(kRareLong, Selection{Verbenwahl::Seltene, Stammvokal::Kurz}));
    EXPECT_FALSE(MatchesSelection(kRareLong, Selection{Verbenwahl::Haeufige, Stammvokal::Kurz}));
}

TEST(WordPartsTest, CleanWordKeepsTheLettersOnly) {
    EXPECT_EQ(CleanWord(kShortCommon), U"laufen");
    EXPECT_EQ(CleanWord(kRareShort), U"abbilden");
    EXPECT_EQ(CleanWord(U"1fü-2h3len"), U"fühlen");
    EXPECT_EQ(CleanWord(U"1ge-3hen=gehen"), U"gehengehen"); // no blank: the whole line counts
    EXPECT_EQ(CleanWord(kUnmarked), U"gehen");
    EXPECT_EQ(CleanWord(U""), U"");
    // The marked word is the text before the first blank.
    EXPECT_EQ(MarkedWord(kRareShort), U"1ab.b2il3den");
    EXPECT_EQ(MarkedWord(kShortCommon), kShortCommon);
    // The explanation starts two characters after the equals sign.
    EXPECT_EQ(Explanation(kRareShort), U"darstellen, zeigen");
    EXPECT_EQ(Explanation(kShortCommon), U"");
    EXPECT_EQ(Explanation(U"1ab = "), U"");
    EXPECT_EQ(Explanation(U"1ab ="), U"");
    EXPECT_EQ(Explanation(U"1ab = a = b"), U"a = b");
}

TEST(RandomTest, DrawStaysInRange) {
    ScriptedRandom random;
    EXPECT_EQ(random.Draw(5), 0); // nothing queued
    random.Queue(0.0);
    random.Queue(0.999999);
    random.Queue(1.0); // a scripted 1 must not reach past the last choice
    EXPECT_EQ(random.Draw(5), 0);
    EXPECT_EQ(random.Draw(5), 4);
    EXPECT_EQ(random.Draw(5), 4);
    EXPECT_EQ(random.Draw(0), 0);
    EXPECT_EQ(random.Draw(-3), 0);
    // Scripted draws repeat their queue.
    random.Clear();
    random.QueueDraw(2, 7);
    random.QueueDraw(6, 7);
    EXPECT_EQ(random.Draw(7), 2);
    EXPECT_EQ(random.Draw(7), 6);
    EXPECT_EQ(random.Draw(7), 2);
    EXPECT_EQ(DrawVerbLineNumber(random, 7), 7);
}

TEST(RandomTest, StdRandomIsRepeatableAndBelowOne) {
    StdRandom random(42);
    StdRandom same(42);
    for (int i = 0; i < 1000; ++i) {
        const double r = random.Next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        EXPECT_EQ(r, same.Next());
    }
}

class WordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp_.Write(kVerbFile, "1la.u2f3en\r\n1le-2b3en\r\n1ah-2n3den = bestrafen. Auch: ahnen\r\n"
                               "gehen\r\n1ab.b2il3den = darstellen, zeigen\r\n\r\n");
    }
    TempDir temp_;
    WorkDir dir_{temp_.path()};
};

TEST_F(WordFileTest, ReadVerbLineCountsFromOne) {
    EXPECT_EQ(ReadVerbLine(dir_, 1), kShortCommon);
    EXPECT_EQ(ReadVerbLine(dir_, 5), kRareShort);
    EXPECT_FALSE(ReadVerbLine(dir_, 0).has_value());
    EXPECT_FALSE(ReadVerbLine(dir_, 7).has_value());
    EXPECT_FALSE(ReadVerbLine(WorkDir(temp_.path() / "gone"), 1).has_value());
}

TEST_F(WordFileTest, MatchingLinesKeepsFileOrderAndSkipsEmptyLines) {
    const auto all = MatchingLines(dir_, kVerbFile, Selection{});
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->size(), 5u);

    const auto rareShort =
        MatchingLines(dir_, kVerbFile, Selection{Verbenwahl::Seltene, Stammvokal::Kurz});
    ASSERT_TRUE(rareShort.has_value());
    EXPECT_EQ(*rareShort, (std::vector<Text>{kRareLong, kRareShort}));
}

TEST_F(WordFileTest, DamagedLinesHoldNoWord) {
    const std::string longest = "1b2a-d3en = " + std::string(kMaxWordLineLength - 12, 'x');
    temp_.Write(kVerbFile, "1la.u2f3en\r\n1\x01\x02-3en\r\n1b\x81.3en\r\n\x7f\r\n   \r\n"
                           "1le-2b3en\t= lieben\r\n" +
                               longest + "\r\n" + longest + "x\r\n");
    const auto lines = ReadWordLines(dir_, kVerbFile);
    ASSERT_TRUE(lines.has_value());
    // A tab is an editor's blank; the line at the length limit still counts.
    EXPECT_EQ(*lines, (std::vector<Text>{kShortCommon, U"1le-2b3en\t= lieben", FromUtf8(longest)}));
    EXPECT_EQ(MatchingLines(dir_, kVerbFile, Selection{}), lines);
    EXPECT_FALSE(ReadWordLines(WorkDir(temp_.path() / "gone"), kVerbFile).has_value());

    // A UTF-8 file with a byte-order mark and one Windows-1252 byte: only that line is lost.
    temp_.Write(kVerbFile, "\xEF\xBB\xBF"
                           "1z2\xC3\xA4h-l3en\r\n1z2\xE4h-l3en\r\n1la.u2f3en\r\n");
    EXPECT_EQ(ReadWordLines(dir_, kVerbFile), (std::vector<Text>{U"1z2äh-l3en", kShortCommon}));
}

TEST_F(WordFileTest, DrawMatchingLineDrawsAmongThePassingLines) {
    ScriptedRandom random;
    random.QueueDraw(1, 2);
    const Selection rare{Verbenwahl::Seltene, Stammvokal::Alle};
    EXPECT_EQ(DrawMatchingLine(dir_, rare, random), kRareShort);

    random.Clear();
    random.QueueDraw(0, 2);
    EXPECT_EQ(DrawMatchingLine(dir_, rare, random), kRareLong);
    // Nothing passes: no value.
    temp_.Write(kVerbFile, "1la.u2f3en\r\n1le-2b3en\r\n");
    EXPECT_FALSE(DrawMatchingLine(dir_, Selection{Verbenwahl::Seltene, Stammvokal::Alle}, random)
                     .has_value());
    EXPECT_FALSE(DrawMatchingLine(WorkDir(temp_.path() / "gone"), Selection{}, random).has_value());
}

} // namespace
} // namespace tamurik
