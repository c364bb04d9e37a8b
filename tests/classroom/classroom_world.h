#pragma once
// The program as a classroom runs it: the real navigator with the learning record behind the
// main menu, a working folder with a teacher's settings and earlier results in every best
// list, and the ways a child gets a result into each best list.

#include "record/sqlite_record.h"
#include "tests/support/app_fixture.h"
#include "tests/support/soak_driver.h"

#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace tamurik::testing {

class ClassroomTest : public AppTest {
protected:
    ~ClassroomTest() override;

    // Word files with verbs for every exercise (three endings for the puzzle), a teacher's
    // settings, the additions' settings and two results in every best list.
    static void WriteClassroomFiles(const std::filesystem::path& folder);
    // Works in this folder instead of the test's own (a read-only one, a small disk).
    void UseFolder(const std::filesystem::path& folder);
    // Starts the program as its main does: start-up, the record, the main menu.
    void StartProgram();
    // The program ended through its end icon: the next run starts, with 0 points.
    void StartNextRun();
    // Every visible screen goes back to the main menu as the child leaves it.
    void BackToMenu();
    // Every kind of write the program makes (settings, the additions' settings, a new file, a
    // result, the first hundred, a cut entry and, with `emptying`, an emptied list) is refused.
    void ExpectWritesRefused(bool emptying);
    // Every file of the working folder and its bytes.
    std::map<std::string, std::string> Snapshot() const;

    // Starts the program quietly with the teacher's settings; the child types "Lena" in the
    // main menu, and the learning record's one message holds `recordSays`.
    void StartAndTypeName(TextView recordSays);
    // A result for every best list: the four games below, one after the other.
    void PlayForEveryBestList();
    // A whole game played to its result, from the main menu and back: the hangman's word
    // without a wrong letter, a one-minute run of made-up verbs, a one-minute run of copying, and a
    // reward game that catches "kochen".
    void PlayHangman();
    void PlayMadeUpVerbs();
    void PlayCopying();
    void PlayCatching();

    // The settings screen saves a changed price; the best-list viewer shows the reward game's
    // list, cuts its first entry and empties it. The records the viewer showed last.
    void SaveSettingsOnScreen();
    QStringList CutAndEmptyBestList();

    // What a child's random play did: its actions, the promises checked, the dialogs shown,
    // the program's runs and the windows the child saw.
    struct Play {
        std::uint64_t actions = 0;
        long long checks = 0;
        long long dialogs = 0;
        long long runs = 1;
        std::set<std::string> windows;
    };
    // The child's random actions, the program started again whenever the child ends it, and
    // every promise checked after each action; the first broken one ends the play with the
    // seed and the child's last actions.
    Play PlayAtRandom(SoakDriver& child, std::uint64_t actions);

    std::unique_ptr<SqliteRecord> record_;
};

// The helpers that play in a folder given as their first argument: one the user cannot write
// (read_only_test.cpp), one on a small disk that is full (full_disk_test.cpp).
::testing::Test* MakeReadOnlyHelper(const QStringList& arguments);
::testing::Test* MakeFullDiskHelper(const QStringList& arguments);

} // namespace tamurik::testing
