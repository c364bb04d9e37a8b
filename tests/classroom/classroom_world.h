#pragma once
// The program as a classroom runs it: the real navigator with the learning record behind the
// main menu, a working folder with a teacher's settings and earlier results in every best
// list, and the ways a child gets a result into each best list.

#include "record/sqlite_record.h"
#include "tests/support/app_fixture.h"

#include <QStringList>

#include <filesystem>
#include <map>
#include <memory>
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

    std::unique_ptr<SqliteRecord> record_;
};

// The helpers that play in a folder given as their first argument: one the user cannot write
// (read_only_test.cpp), one on a small disk that is full (full_disk_test.cpp).
::testing::Test* MakeReadOnlyHelper(const QStringList& arguments);
::testing::Test* MakeFullDiskHelper(const QStringList& arguments);

} // namespace tamurik::testing
