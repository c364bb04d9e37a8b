#include "core/best_lists.h"

#include "core/clock.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamurik {
namespace {

using test::TempDir;

TEST(RecordTextTest, ColumnsLayoutsDatesAndNames) {
    EXPECT_EQ(R(S(6), 4), U"   6");
    EXPECT_EQ(R(U"12345", 3), U"345");
    EXPECT_EQ(R(U"12345", 1), U"5");
    EXPECT_EQ(R(U"", 3), U"   ");
    EXPECT_EQ(NumberColumn(6, 4, true), U"   6");
    EXPECT_EQ(NumberColumn(999, 4, true), U" 999");
    EXPECT_EQ(NumberColumn(9999, 4, true), U"9999");
    EXPECT_EQ(NumberColumn(5, 3, false), U"  5");
    EXPECT_EQ(NumberColumn(-12, 5, false), U"  -12");
    // A number too wide becomes the largest that fits.
    EXPECT_EQ(NumberColumn(12345, 4, true), U"9999");
    EXPECT_EQ(NumberColumn(100000, 5, false), U"99999");
    EXPECT_EQ(NumberColumn(-12345, 4, false), U"-999");

    EXPECT_EQ(GalgenRecord(6, 12, U"Anna"), U"   6     12   Anna");
    EXPECT_EQ(DevadodadRecord(11, 95, U"Tim"), U"  11     95   Tim");
    EXPECT_EQ(AbschreibenRecord(3, 25, U"Ute"), U"  3     25   Ute");
    EXPECT_EQ(QuatschRecord(5, 120, FormatDate(Date{3, 4, 2024}), U"Freund und Gast"),
              U"  5     120   03.04.2024   Freund und Gast");
    EXPECT_EQ(FormatDate(Date{31, 12, 1999}), U"31.12.1999");
    const Date today = SystemClock().Today();
    EXPECT_GE(today.year, 2024);
    EXPECT_EQ(FormatDate(today).size(), 10u);
    // A user name with a line break stays on one line.
    EXPECT_EQ(RecordUserName(U"An\r\nna\tB"), U"An  na B");
    EXPECT_EQ(RecordUserName(U"Jörg, der Große"), U"Jörg, der Große");
}

class BestListTest : public ::testing::Test {
protected:
    std::vector<Text> LinesOf(const std::string& file) const { return *dir_.ReadLines(file); }

    TempDir temp_;
    WorkDir dir_{temp_.path()};
};

TEST_F(BestListTest, MissingFileIsAnEmptyList) {
    EXPECT_TRUE(LoadSorted(dir_, kBestHang).empty());
    EXPECT_TRUE(ShowList(dir_, kBestHang).empty());
    EXPECT_FALSE(LoadForTime(dir_, 5).has_value());
}

TEST_F(BestListTest, AppendCreatesTheFileAndKeepsOneRecordPerLine) {
    ASSERT_TRUE(AppendResult(dir_, kBestHang, GalgenRecord(6, 12, U"Anna, die Zweite")));
    ASSERT_TRUE(AppendResult(dir_, kBestHang, GalgenRecord(5, 9, U"Bert\r\nZeile")));
    EXPECT_EQ(temp_.Read(kBestHang),
              ">   6     12   Anna, die Zweite\r\n>   5      9   Bert  Zeile\r\n");
    const std::vector<Text> sorted = LoadSorted(dir_, kBestHang);
    EXPECT_EQ(sorted,
              (std::vector<Text>{U"   5      9   Bert  Zeile", U"   6     12   Anna, die Zweite"}));
}

TEST_F(BestListTest, GalgenspielOrderIsLengthThenClicksThenName) {
    for (const Text& record :
         {GalgenRecord(12, 3, U"a"), GalgenRecord(1, 40, U"b"), GalgenRecord(6, 12, U"Cem"),
          GalgenRecord(6, 9, U"dora"), GalgenRecord(6, 12, U"ali"), GalgenRecord(10, 1, U"e")}) {
        ASSERT_TRUE(AppendResult(dir_, kBestHang, record));
    }
    const std::vector<Text> expected = {GalgenRecord(1, 40, U"b"),   GalgenRecord(6, 9, U"dora"),
                                        GalgenRecord(6, 12, U"ali"), GalgenRecord(6, 12, U"Cem"),
                                        GalgenRecord(10, 1, U"e"),   GalgenRecord(12, 3, U"a")};
    EXPECT_EQ(LoadSorted(dir_, kBestHang), expected);

    // Too many seconds sort after few seconds.
    ASSERT_TRUE(AppendResult(dir_, kBestFang, DevadodadRecord(5, 12345, U"langsam")));
    ASSERT_TRUE(AppendResult(dir_, kBestFang, DevadodadRecord(5, 12, U"schnell")));
    EXPECT_EQ(LoadSorted(dir_, kBestFang),
              (std::vector<Text>{U"   5     12   schnell", U"   5   9999   langsam"}));
}

TEST_F(BestListTest, HundredAndOneRecordsPlusOneThatSortsLastKeepHundred) {
    for (int i = 0; i < 101; ++i)
        ASSERT_TRUE(AppendResult(dir_, kBestFang, DevadodadRecord(3, 10 + i, U"Kind")));
    const Text last = DevadodadRecord(3, 999, U"Zuletzt");
    ASSERT_TRUE(AppendResult(dir_, kBestFang, last));
    const std::vector<Text> sorted = LoadSorted(dir_, kBestFang);
    ASSERT_EQ(sorted.size(), 102u);
    EXPECT_EQ(sorted.back(), last);
    ASSERT_TRUE(StoreTop100(dir_, kBestFang, sorted, kMarkerExercise));

    const std::vector<Text> lines = LinesOf(kBestFang);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), U">" + DevadodadRecord(3, 10, U"Kind"));
    EXPECT_EQ(lines.back(), U">" + DevadodadRecord(3, 109, U"Kind"));
    for (const Text& line : lines)
        EXPECT_FALSE(Contains(line, U"Zuletzt"));
    // The settings screen stores with its own marker.
    ASSERT_TRUE(StoreTop100(dir_, kBestText, {AbschreibenRecord(3, 25, U"Ute")}, kMarkerKept));
    EXPECT_EQ(temp_.Read(kBestText), "<  3     25   Ute\r\n");
}

TEST_F(BestListTest, LoadForTimeKeepsTheTimeLimitMostPointsFirst) {
    const Text date = FormatDate(Date{1, 2, 2024});
    temp_.Write(kBestVerb, "");
    for (const Text& record : {QuatschRecord(5, 40, date, U"a"), QuatschRecord(15, 900, date, U"b"),
                               QuatschRecord(5, 120, date, U"c"), QuatschRecord(1, 70, date, U"d"),
                               QuatschRecord(5, 7, date, U"e")}) {
        ASSERT_TRUE(AppendResult(dir_, kBestVerb, record));
    }
    // A record the settings screen has kept counts the same.
    ASSERT_TRUE(AppendResult(dir_, kBestVerb, QuatschRecord(5, 60, date, U"f"), kMarkerKept));

    const auto five = LoadForTime(dir_, 5);
    ASSERT_TRUE(five.has_value());
    EXPECT_EQ(*five, (std::vector<Text>{
                         QuatschRecord(5, 120, date, U"c"), QuatschRecord(5, 60, date, U"f"),
                         QuatschRecord(5, 40, date, U"a"), QuatschRecord(5, 7, date, U"e")}));
    const auto ten = LoadForTime(dir_, 10);
    ASSERT_TRUE(ten.has_value());
    EXPECT_TRUE(ten->empty());
}

TEST_F(BestListTest, ShowListRewritesEveryLineWithTheKeptMarker) {
    temp_.Write(kBestHang, ">   6     12   Anna\r\n<   7      3   Bert\r\n>   2      5   Cem\r\n");
    const std::vector<Text> shown = ShowList(dir_, kBestHang);
    // Kept lines ("<") come before the exercises' new ones (">").
    EXPECT_EQ(shown, (std::vector<Text>{U"   7      3   Bert", U"   2      5   Cem",
                                        U"   6     12   Anna"}));
    EXPECT_EQ(temp_.Read(kBestHang),
              "<   7      3   Bert\r\n<   2      5   Cem\r\n<   6     12   Anna\r\n");
    // The exercise reads the same records, sorted by their text alone.
    EXPECT_EQ(
        LoadSorted(dir_, kBestHang),
        (std::vector<Text>{U"   2      5   Cem", U"   6     12   Anna", U"   7      3   Bert"}));

    // Showing keeps every record: the limit of a hundred is the exercises'.
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(AppendResult(dir_, kBestFang, DevadodadRecord(4, i, U"x")));
    EXPECT_EQ(ShowList(dir_, kBestFang).size(), 150u);
    EXPECT_EQ(LinesOf(kBestFang).size(), 150u);
}

TEST_F(BestListTest, DeletingEntries) {
    temp_.Write(kBestText, "<  3     25   Ute\r\n<  3     30   Tom\r\n");
    std::vector<Text> shown = ShowList(dir_, kBestText);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(DeleteEntry(dir_, kBestText, shown, 2));
    EXPECT_FALSE(DeleteEntry(dir_, kBestText, shown, -1));
    EXPECT_EQ(shown.size(), 2u);

    ASSERT_TRUE(DeleteEntry(dir_, kBestText, shown, 0));
    EXPECT_EQ(shown, std::vector<Text>{U"  3     30   Tom"});
    EXPECT_EQ(temp_.Read(kBestText), "<  3     30   Tom\r\n");

    ASSERT_TRUE(DeleteEntry(dir_, kBestText, shown, 0));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(temp_.Has(kBestText));
    EXPECT_EQ(temp_.Read(kBestText), "");

    // Clearing leaves an empty file.
    temp_.Write(kBestFang, ">   3     10   Kind\r\n");
    ASSERT_TRUE(ClearList(dir_, kBestFang));
    EXPECT_TRUE(temp_.Has(kBestFang));
    EXPECT_EQ(temp_.Read(kBestFang), "");
    EXPECT_TRUE(ShowList(dir_, kBestFang).empty());
}

TEST_F(BestListTest, LinesWithControlCharactersAreNoRecords) {
    // Records between rubbish: a C0 control, DEL and a C1 byte (0x81 in Windows-1252).
    temp_.Write(kBestFang, ">   6     12   Mia\r\n>\x01\x02 3\r\n<  1\x7f\r\n\x81\xff\r\n"
                           "<   3      4   Tom\r\n");
    const std::vector<Text> expected{U"   3      4   Tom", U"   6     12   Mia"};
    EXPECT_EQ(LoadSorted(dir_, kBestFang), expected);
    temp_.Write(kBestVerb, ">  5      12   05.12.2026   Lea\r\n>  5\x05     3\r\n");
    EXPECT_EQ(LoadForTime(dir_, 5), (std::vector<Text>{U"  5      12   05.12.2026   Lea"}));
    // The settings screen shows the records only and keeps only them.
    EXPECT_EQ(ShowList(dir_, kBestFang),
              (std::vector<Text>{U"   3      4   Tom", U"   6     12   Mia"}));
    EXPECT_EQ(temp_.Read(kBestFang), "<   3      4   Tom\r\n<   6     12   Mia\r\n");
}

} // namespace
} // namespace tamurik
