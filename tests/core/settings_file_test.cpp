#include "core/settings_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace tamurik {
namespace {

using test::TempDir;

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

TEST_F(SettingsFileTest, DefaultsAreTheKnownValues) {
    const Settings defaults;
    EXPECT_EQ(defaults, (Settings{10, 12, 9, 1, U"Verdana", 32, 100}));
}

TEST_F(SettingsFileTest, NoFileGivesDefaults) {
    EXPECT_FALSE(Read());
    ExpectDefaults();
}

TEST_F(SettingsFileTest, ValidFileIsUsed) {
    temp_.Write(kSettingsFile, IniFile());
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.settings(), (Settings{3, 4, 5, 0, U"Arial", 24, 250}));
}

TEST_F(SettingsFileTest, LowRewardCostIsRaisedToTen) {
    temp_.Write(kSettingsFile, IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", " 5"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.RewardCost, 10);
    EXPECT_EQ(state_.ColorAnfang, 3);

    temp_.Write(kSettingsFile, IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", " 10"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.RewardCost, 10);

    temp_.Write(kSettingsFile, IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", "-50"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.RewardCost, 10);
}

TEST_F(SettingsFileTest, FractionalRewardCostIsRounded) {
    temp_.Write(kSettingsFile, IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", " 150.6"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.RewardCost, 151);
}

TEST_F(SettingsFileTest, OneValueOutOfRangeResetsEverySetting) {
    struct Case {
        const char* what;
        std::string file;
    };
    const Case cases[] = {
        {"colour 16", IniFile(" 3", " 16")},
        {"colour -1", IniFile(" 3", " 4", " 5", "-1")},
        {"size 40", IniFile(" 3", " 4", " 5", " 0", "Arial", " 40")},
        {"size 19", IniFile(" 3", " 4", " 5", " 0", "Arial", " 19")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        temp_.Write(kSettingsFile, c.file);
        EXPECT_FALSE(Read());
        ExpectDefaults();
    }
}

TEST_F(SettingsFileTest, EdgesOfTheRangesAreValid) {
    temp_.Write(kSettingsFile, IniFile(" 0", " 15", " 15", " 0", "Arial", " 36"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.ColorMitte, 15);
    EXPECT_EQ(state_.FontSize, 36);
    temp_.Write(kSettingsFile, IniFile(" 0", " 15", " 15", " 0", "Arial", " 20"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.FontSize, 20);
}

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
        {"empty", ""},
        {"short", shortFile},
        {"colour not a number", IniFile("abc")},
        {"colour with trailing text", IniFile(" 3x")},
        {"empty colour", IniFile("")},
        {"size not a number", IniFile(" 3", " 4", " 5", " 0", "Arial", "groß")},
        {"cost not a number", IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", "viel")},
        {"cost beyond any number",
         IniFile(" 3", " 4", " 5", " 0", "Arial", " 24", std::string(400, '9'))},
        {"empty font name", IniFile(" 3", " 4", " 5", " 0", "   ")},
        {"binary", binary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        temp_.Write(kSettingsFile, c.file);
        EXPECT_FALSE(Read());
        ExpectDefaults();
    }
}

TEST_F(SettingsFileTest, BlanksAroundValuesAndCommaEndAValue) {
    temp_.Write(kSettingsFile, IniFile("   3   ", " 4, 9", "5", " 0 ,", "  Times New Roman , Bold",
                                       " 24 ", " 250"));
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.settings(), (Settings{3, 4, 5, 0, U"Times New Roman", 24, 250}));
}

TEST_F(SettingsFileTest, HeadersAreNotChecked) {
    std::string file = IniFile();
    file.replace(0, 8, "[Irgendwas]");
    temp_.Write(kSettingsFile, file);
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.ColorAnfang, 3);
}

TEST_F(SettingsFileTest, LfOnlyAndUtf8FilesAreRead) {
    temp_.Write(kSettingsFile, "\xEF\xBB\xBF[Anfang]\n 3\n[Mitte]\n 4\n[Schluss]\n 5\n[Blatt]\n 0\n"
                               "[Schrift]\nDéjà Vu Sans\n[Gr\xC3\xB6\xC3\x9F"
                               "e]\n 24\n[Spiel]\n 250\n");
    EXPECT_TRUE(Read());
    EXPECT_EQ(state_.settings(), (Settings{3, 4, 5, 0, U"Déjà Vu Sans", 24, 250}));
}

TEST_F(SettingsFileTest, WrittenFileHasTheFourteenLinesAndReadsBack) {
    state_.setSettings(Settings{0, 15, 2, 8, U"Comic Sans MS", 28, 1000});
    ASSERT_TRUE(WriteSettings(dir_, state_));
    EXPECT_EQ(temp_.Read(kSettingsFile),
              IniFile(" 0", " 15", " 2", " 8", "Comic Sans MS", " 28", " 1000"));

    MODUL1 other;
    EXPECT_TRUE(ReadSettings(dir_, other));
    EXPECT_EQ(other.settings(), state_.settings());
}

// Found by fuzzing: a font name with a character Windows-1252 cannot hold (and a control
// character) is stored with "?" for it; the stored file then reads back as it stands and is
// written again unchanged.
TEST_F(SettingsFileTest, FontNameOutsideWindows1252IsStoredWithAQuestionMark) {
    state_.setSettings(Settings{5, 12, 8, 0, U"V\u06E4\fa", 32, 1008});
    ASSERT_TRUE(WriteSettings(dir_, state_));
    const std::string stored = temp_.Read(kSettingsFile);
    MODUL1 other;
    ASSERT_TRUE(ReadSettings(dir_, other));
    EXPECT_EQ(other.FontName, U"V?\fa");
    ASSERT_TRUE(WriteSettings(dir_, other));
    EXPECT_EQ(temp_.Read(kSettingsFile), stored);
}

TEST_F(SettingsFileTest, DefaultsAreWrittenWithTheirLeadingBlank) {
    const std::vector<Text> lines = FormatSettings(Settings{});
    const std::vector<Text> expected = {
        U"[Anfang]", U" 10",       U"[Mitte]", U" 12",     U"[Schluss]", U" 9",      U"[Blatt]",
        U" 1",       U"[Schrift]", U"Verdana", U"[Größe]", U" 32",       U"[Spiel]", U" 100"};
    EXPECT_EQ(lines, expected);
}

// Runs `write` where the folder cannot be written. Root may write anywhere, so as root the
// write runs in a child process that has given up root first.
bool WriteInReadOnlyFolder(const std::filesystem::path& folder,
                           const std::function<bool()>& write) {
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    if (geteuid() != 0) {
        return write();
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(write() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 2) << "could not give up root";
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
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
