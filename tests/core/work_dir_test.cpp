#include "core/work_dir.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tamurik {
namespace {

using test::TempDir;

class WorkDirTest : public ::testing::Test {
protected:
    TempDir temp_;
    WorkDir dir_{temp_.path()};
};

// A missing file or folder, or a folder in place of the file, is no value; an empty file has
// no lines.
TEST_F(WorkDirTest, WhatCannotBeReadIsNoValue) {
    EXPECT_FALSE(dir_.ReadLines("ZAHLVERB.TXT").has_value());
    EXPECT_FALSE(dir_.ReadBytes("ZAHLVERB.TXT").has_value());
    EXPECT_FALSE(dir_.Exists("ZAHLVERB.TXT"));
    std::filesystem::create_directory(temp_.path() / "ZAHLVERB.TXT");
    EXPECT_FALSE(dir_.ReadLines("ZAHLVERB.TXT").has_value());
    EXPECT_FALSE(dir_.Exists("ZAHLVERB.TXT"));
    const WorkDir gone(temp_.path() / "gone");
    EXPECT_FALSE(gone.ReadLines("ZAHLVERB.TXT").has_value());
    EXPECT_FALSE(gone.WriteLines("TAMURIK.INI", {U"x"}));
    temp_.Write("EMPTY.TXT", "");
    const auto lines = dir_.ReadLines("EMPTY.TXT");
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
}

TEST_F(WorkDirTest, ReadsEveryEncodingAndLineEnd) {
    const std::vector<Text> expected = {U"1la.u2f3en", U"1ä-3ßen"};
    temp_.Write("cp1252.txt", "1la.u2f3en\r\n1\xE4-3\xDF"
                              "en\r\n");
    temp_.Write("utf8.txt", "1la.u2f3en\n1\xC3\xA4-3\xC3\x9F"
                            "en\n");
    temp_.Write("bom.txt", "\xEF\xBB\xBF"
                           "1la.u2f3en\r\n1\xC3\xA4-3\xC3\x9F"
                           "en");
    temp_.Write("cr.txt", "1la.u2f3en\r1\xE4-3\xDF"
                          "en\r");
    for (const char* name : {"cp1252.txt", "utf8.txt", "bom.txt", "cr.txt"}) {
        SCOPED_TRACE(name);
        const auto lines = dir_.ReadLines(name);
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, expected);
    }
}

TEST_F(WorkDirTest, OversizedFileIsReadOnlyUpToTheLimitInWholeLines) {
    const std::string line = "abcdefghi\r\n";
    const std::size_t count = WorkDir::kMaxFileBytes / line.size() + 1000;
    std::string bytes;
    bytes.reserve(count * line.size());
    for (std::size_t i = 0; i < count; ++i) {
        bytes += line;
    }
    temp_.Write("BIG.TXT", bytes);

    const auto raw = dir_.ReadBytes("BIG.TXT");
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->size(), WorkDir::kMaxFileBytes);

    const auto lines = dir_.ReadLines("BIG.TXT");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), WorkDir::kMaxFileBytes / line.size());
    EXPECT_EQ(lines->back(), U"abcdefghi");
}

TEST_F(WorkDirTest, NameIsFoundWhateverItsCase) {
    temp_.Write("zahlverb.txt", "klein\r\n");
    const auto lines = dir_.ReadLines("ZAHLVERB.TXT");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, std::vector<Text>{U"klein"});

    // The exact name wins when both exist.
    temp_.Write("ZAHLVERB.TXT", "gross\r\n");
    EXPECT_EQ(*dir_.ReadLines("ZAHLVERB.TXT"), std::vector<Text>{U"gross"});
}

TEST_F(WorkDirTest, RewriteKeepsTheFoundSpelling) {
    temp_.Write("tamurik.ini", "old\r\n");
    ASSERT_TRUE(dir_.WriteLines("TAMURIK.INI", {U"new"}));
    EXPECT_EQ(temp_.Read("tamurik.ini"), "new\r\n");
    EXPECT_FALSE(temp_.Has("TAMURIK.INI"));
}

TEST_F(WorkDirTest, WritesWindows1252WithCrLfAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(dir_.WriteLines("OUT.TXT", {U"läuft", U"", U"a→b"}));
    EXPECT_EQ(temp_.Read("OUT.TXT"), "l\xE4uft\r\n\r\na?b\r\n");
    EXPECT_EQ(temp_.EntryCount(), 1u);

    ASSERT_TRUE(dir_.WriteLines("OUT.TXT", {}));
    EXPECT_EQ(temp_.Read("OUT.TXT"), "");
    EXPECT_TRUE(temp_.Has("OUT.TXT"));
}

TEST_F(WorkDirTest, FailedWriteReportsFalseAndLeavesNoTemporaryFile) {
    std::filesystem::create_directory(temp_.path() / "OUT.TXT");
    std::filesystem::create_directory(temp_.path() / "OUT.TXT" / "inside");
    EXPECT_FALSE(dir_.WriteLines("OUT.TXT", {U"x"}));
    EXPECT_TRUE(std::filesystem::is_directory(temp_.path() / "OUT.TXT"));
    EXPECT_EQ(temp_.EntryCount(), 1u);
}

TEST_F(WorkDirTest, AppendLineCreatesOrExtendsTheFile) {
    ASSERT_TRUE(dir_.AppendLine("LIST.LST", U">eins"));
    EXPECT_EQ(temp_.Read("LIST.LST"), ">eins\r\n");

    temp_.Write("LF.LST", ">eins\n>zwei");
    ASSERT_TRUE(dir_.AppendLine("LF.LST", U">drei"));
    EXPECT_EQ(temp_.Read("LF.LST"), ">eins\r\n>zwei\r\n>drei\r\n");

    // An entry that cannot be read is left alone.
    std::filesystem::create_directory(temp_.path() / "DIR.LST");
    EXPECT_FALSE(dir_.AppendLine("DIR.LST", U">eins"));
    EXPECT_TRUE(std::filesystem::is_directory(temp_.path() / "DIR.LST"));
}

TEST_F(WorkDirTest, DisplayPathIsTheFullPath) {
    const WorkDir relative(".");
    const Text shown = relative.DisplayPath("BESTHANG.LST");
    const std::filesystem::path path(ToUtf8(shown));
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "BESTHANG.LST");
    EXPECT_EQ(path.parent_path(), std::filesystem::current_path());
}

} // namespace
} // namespace tamurik
