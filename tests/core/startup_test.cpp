#include "core/startup.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tamurik {
namespace {

using test::TempDir;

std::string Lines(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        bytes += "1wort" + std::to_string(i) + ".en\r\n";
    }
    return bytes;
}

const Text kVerbFileMissing =
    Text(U"Die Systemdatei ZAHLVERB.TXT fehlt!") + CR + U"Das Programm wird abgebrochen ..." + CR;
const Text kRhymeFileMissing =
    Text(U"Die Systemdatei ZAHLREIM.TXT fehlt!") + CR + U"Das Programm wird abgebrochen ..." + CR;
const Text kTooFewRhymes = Text(U"Es sind zu wenig Reimpaare in der") + CR +
                           U"Datei ZAHLREIM.TXT vorhanden!" + CR +
                           U"Das Spiel wird jetzt abgebrochen!" + CR;

class StartUpTest : public ::testing::Test {
protected:
    TempDir temp_;
    WorkDir dir_{temp_.path()};
    MODUL1 state_;
};

TEST_F(StartUpTest, MissingVerbFileEndsTheProgram) {
    temp_.Write(kRhymeFile, Lines(18));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kVerbFileMissing);
    EXPECT_EQ(result.title, U"Dateifehler");
}

TEST_F(StartUpTest, RhymeFileIsNotExaminedWhenVerbFileIsMissing) {
    // Both faults at once: only the verb file is named.
    temp_.Write(kRhymeFile, Lines(3));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kVerbFileMissing);
}

TEST_F(StartUpTest, EmptyVerbFileCountsAsMissing) {
    temp_.Write(kVerbFile, "");
    temp_.Write(kRhymeFile, Lines(18));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kVerbFileMissing);
}

TEST_F(StartUpTest, MissingRhymeFileEndsTheProgram) {
    temp_.Write(kVerbFile, Lines(40));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kRhymeFileMissing);
    EXPECT_EQ(result.title, U"Dateifehler");
}

TEST_F(StartUpTest, SeventeenRhymeLinesAreTooFew) {
    temp_.Write(kVerbFile, Lines(40));
    temp_.Write(kRhymeFile, Lines(17));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kTooFewRhymes);
    EXPECT_EQ(result.title, U"Tamurik: Reimpaare");
}

TEST_F(StartUpTest, EighteenRhymeLinesAreEnough) {
    temp_.Write(kVerbFile, Lines(40));
    temp_.Write(kRhymeFile, Lines(18));
    const StartUpResult result = StartUp(dir_, state_);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(state_.VerbCount, 40);
}

TEST_F(StartUpTest, PointsStartAtZeroAndSettingsAreRead) {
    temp_.Write(kVerbFile, Lines(5));
    temp_.Write(kRhymeFile, Lines(20));
    temp_.Write("TAMURIK.INI", "[Anfang]\r\n 3\r\n[Mitte]\r\n 4\r\n[Schluss]\r\n 5\r\n[Blatt]\r\n"
                               " 0\r\n[Schrift]\r\nArial\r\n[Gr\xF6\xDF"
                               "e]\r\n 24\r\n"
                               "[Spiel]\r\n 5\r\n");
    state_.Points = 250;
    ASSERT_TRUE(StartUp(dir_, state_).ok);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(state_.VerbCount, 5);
    EXPECT_EQ(state_.settings(), (Settings{3, 4, 5, 0, U"Arial", 24, 10}));
}

TEST_F(StartUpTest, DamagedSettingsStillStartWithDefaults) {
    temp_.Write(kVerbFile, Lines(5));
    temp_.Write(kRhymeFile, Lines(18));
    temp_.Write("TAMURIK.INI", "[Anfang]\r\n 16\r\n");
    state_.setSettings(Settings{1, 2, 3, 4, U"Arial", 20, 500});
    ASSERT_TRUE(StartUp(dir_, state_).ok);
    EXPECT_EQ(state_.settings(), Settings{});
}

TEST_F(StartUpTest, LineEndsOfAnyKindAreCounted) {
    temp_.Write(kVerbFile, "a\nb\rc\r\nd"); // four lines, the last without an end
    temp_.Write(kRhymeFile, Lines(18));
    ASSERT_TRUE(StartUp(dir_, state_).ok);
    EXPECT_EQ(state_.VerbCount, 4);
}

} // namespace
} // namespace tamurik
