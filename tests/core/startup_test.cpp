#include "core/startup.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
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

TEST(StartUpTest, WordFilesDecideWhetherTheProgramStarts) {
    struct Case {
        const char* what;
        std::optional<std::string> verbs; // no value: no file
        std::optional<std::string> rhymes;
        Text message; // empty: the program starts
        Text title;
        int verbCount = 0;
    };
    const Case cases[] = {
        {"no verb file", std::nullopt, Lines(18), kVerbFileMissing, U"Dateifehler"},
        // Both faults at once: only the verb file is named.
        {"no verb file, short rhymes", std::nullopt, Lines(3), kVerbFileMissing, U"Dateifehler"},
        {"empty verb file", "", Lines(18), kVerbFileMissing, U"Dateifehler"},
        {"no rhyme file", Lines(40), std::nullopt, kRhymeFileMissing, U"Dateifehler"},
        {"17 rhyme lines", Lines(40), Lines(17), kTooFewRhymes, U"Tamurik: Reimpaare"},
        {"18 rhyme lines", Lines(40), Lines(18), U"", U"", 40},
        {"any line end", "a\nb\rc\r\nd", Lines(18), U"", U"", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir temp;
        if (c.verbs)
            temp.Write(kVerbFile, *c.verbs);
        if (c.rhymes)
            temp.Write(kRhymeFile, *c.rhymes);
        MODUL1 state;
        const StartUpResult result = StartUp(WorkDir(temp.path()), state);
        EXPECT_EQ(result.ok, c.message.empty());
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.title, c.title);
        if (result.ok) {
            EXPECT_EQ(state.VerbCount, c.verbCount);
        }
    }
}

TEST(StartUpTest, PointsStartAtZeroAndSettingsAreReadOrDefaulted) {
    TempDir temp;
    const WorkDir dir(temp.path());
    temp.Write(kVerbFile, Lines(5));
    temp.Write(kRhymeFile, Lines(20));
    temp.Write("TAMURIK.INI", "[Anfang]\r\n 3\r\n[Mitte]\r\n 4\r\n[Schluss]\r\n 5\r\n[Blatt]\r\n"
                              " 0\r\n[Schrift]\r\nArial\r\n[Gr\xF6\xDF"
                              "e]\r\n 24\r\n"
                              "[Spiel]\r\n 5\r\n");
    MODUL1 state;
    state.Points = 250;
    ASSERT_TRUE(StartUp(dir, state).ok);
    EXPECT_EQ(state.Points, 0);
    EXPECT_EQ(state.VerbCount, 5);
    EXPECT_EQ(state.settings(), (Settings{3, 4, 5, 0, U"Arial", 24, 10}));

    // Damaged settings still start, with the defaults.
    temp.Write("TAMURIK.INI", "[Anfang]\r\n 16\r\n");
    state.setSettings(Settings{1, 2, 3, 4, U"Arial", 20, 500});
    ASSERT_TRUE(StartUp(dir, state).ok);
    EXPECT_EQ(state.settings(), Settings{});
}

} // namespace
} // namespace tamurik
