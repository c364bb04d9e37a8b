#include "core/settings_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace tamurik {
namespace {

using test::TempDir;
using test::WriteInReadOnlyFolder;

// The file as the program writes it, with one value line changeable.
std::string IniFile(const std::string& anfang = " 3", const std::string& mitte = " 4",
                    const std::string& schluss = " 5", const std::string& blatt = " 0",
                    const std::string& font = "Arial", const std::string& size = " 24",
                    const std::string& cost = " 250") {
    return "[Anfang]\r\n" + anfang + "\r\n[Mitte]\r\n" + mitte + "\r\n[Schluss]\r\n" + schluss +
           "\r\n[Blatt]\r\n" + blatt + "\r\n[Schrift]\r\n" + font +
           "\r\n[Gr\xF6\xDF"
           "e]\r\n" +
           size + "\r\n[Spiel]\r\n" + cost + "\r\n";
}

// The file as the program writes it with value `index` (0 to 6, from [Anfang]) replaced.
std::string With(int index, const std::string& value) {
    std::string v[] = {" 3", " 4", " 5", " 0", "Arial", " 24", " 250"};
    v[index] = value;
    return IniFile(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
}

class SettingsFileTest : public ::testing::Test {
protected:
    // Reads the file into a state whose settings are all different from the defaults, so
    // that a reset to the defaults is visible.
    bool Read() {
        state_.setSettings(Settings{7, 7, 7, 7, U"Courier", 28, 777});
        return ReadSettings(dir_, state_);
    }
    void ExpectDefaults() const { EXPECT_EQ(state_.settings(), Settings{}); }

    TempDir temp_;
    WorkDir dir_{temp_.path()};
    MODUL1 state_;
};

TEST_F(SettingsFileTest, DefaultsAreTheKnownValuesAndAMissingFileGivesThem) {
    EXPECT_EQ(Settings{}, (Settings{10, 12, 9, 1, U"Verdana", 32, 100}));
    EXPECT_FALSE(Read());
    ExpectDefaults();
}

TEST_F(SettingsFileTest, ValuesThatAreReadAsTheyStand) {
    struct Case {
        const char* what;
        std::string file;
        Settings read;
    };
    const Case cases[] = {
        {"as written", IniFile(), {3, 4, 5, 0, U"Arial", 24, 250}},
        {"low price raised to ten", With(6, " 5"), {3, 4, 5, 0, U"Arial", 24, 10}},
        {"price ten", With(6, " 10"), {3, 4, 5, 0, U"Arial", 24, 10}},
        {"negative price", With(6, "-50"), {3, 4, 5, 0, U"Arial", 24, 10}},
        {"fraction rounded", With(6, " 150.6"), {3, 4, 5, 0, U"Arial", 24, 151}},
        {"upper edges",
         IniFile(" 0", " 15", " 15", " 0", "Arial", " 36"),
         {0, 15, 15, 0, U"Arial", 36, 250}},
        {"lower edge of the size",
         IniFile(" 0", " 15", " 15", " 0", "Arial", " 20"),
         {0, 15, 15, 0, U"Arial", 20, 250}},
        {"blanks around values, a comma ends one",
         IniFile("   3   ", " 4, 9", "5", " 0 ,", "  Times New Roman , Bold", " 24 ", " 250"),
         {3, 4, 5, 0, U"Times New Roman", 24, 250}},
        {"headers are not checked",
         "[Irgendwas]" + IniFile().substr(8),
         {3, 4, 5, 0, U"Arial", 24, 250}},
        {"LF and UTF-8",
         "\xEF\xBB\xBF[Anfang]\n 3\n[Mitte]\n 4\n[Schluss]\n 5\n[Blatt]\n 0\n"
         "[Schrift]\nDéjà Vu Sans\n[Gr\xC3\xB6\xC3\x9F"
         "e]\n 24\n[Spiel]\n 250\n",
         {3, 4, 5, 0, U"Déjà Vu Sans", 24, 250}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        temp_.Write(kSettingsFile, c.file);
        EXPECT_TRUE(Read());
        EXPECT_EQ(state_.settings(), c.read);
    }
}

// One value out of range or unreadable resets every setting.
TEST_F(SettingsFileTest, DamagedFilesGiveDefaults) {
    std::string binary;
    for (int i = 0; i < 3000; ++i) {
        binary.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
    }
    std::string shortFile = IniFile();
    shortFile.resize(shortFile.rfind("\r\n", shortFile.size() - 3) + 2); // no reward cost
    struct Case {
        const char* what;
        std::string file;
    };
    const Case cases[] = {
        {"colour 16", With(1, " 16")},
        {"colour -1", With(3, "-1")},
        {"size 40", With(5, " 40")},
        {"size 19", With(5, " 19")},
        {"empty", ""},
        {"short", shortFile},
        {"colour not a number", IniFile("abc")},
        {"colour with trailing text", IniFile(" 3x")},
        {"empty colour", IniFile("")},
        {"size not a number", With(5, "groß")},
        {"cost not a number", With(6, "viel")},
        {"cost beyond any number", With(6, std::string(400, '9'))},
        {"empty font name", With(4, "   ")},
        {"binary", binary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        temp_.Write(kSettingsFile, c.file);
        EXPECT_FALSE(Read());
        ExpectDefaults();
    }
}

TEST_F(SettingsFileTest, WrittenFileHasTheFourteenLinesAndReadsBack) {
    state_.setSettings(Settings{0, 15, 2, 8, U"Comic Sans MS", 28, 1000});
    ASSERT_TRUE(WriteSettings(dir_, state_));
    EXPECT_EQ(temp_.Read(kSettingsFile),
              IniFile(" 0", " 15", " 2", " 8", "Comic Sans MS", " 28", " 1000"));

    MODUL1 other;
    EXPECT_TRUE(ReadSettings(dir_, other));
    EXPECT_EQ(other.settings(), state_.settings());
    // The defaults are written with their leading blank.
    const std::vector<Text> expected = {
        U"[Anfang]", U" 10",       U"[Mitte]", U" 12",     U"[Schluss]", U" 9",      U"[Blatt]",
        U" 1",       U"[Schrift]", U"Verdana", U"[Größe]", U" 32",       U"[Spiel]", U" 100"};
    EXPECT_EQ(FormatSettings(Settings{}), expected);
}

TEST_F(SettingsFileTest, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
    const std::string old = IniFile();
    temp_.Write(kSettingsFile, old);
    state_.setSettings(Settings{});
    const bool written =
        WriteInReadOnlyFolder(temp_.path(), [&] { return WriteSettings(dir_, state_); });
    EXPECT_FALSE(written);
    EXPECT_EQ(temp_.Read(kSettingsFile), old);
    EXPECT_EQ(temp_.EntryCount(), 1u);
}

} // namespace
} // namespace tamurik
