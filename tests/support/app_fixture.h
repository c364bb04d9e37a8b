#pragma once
// A whole program for a screen test: a temporary working folder with small word files, the
// state, a scripted random source, a fixed clock, scripted dialogs and the real navigator.

#include "app/navigator.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/spoken_words.h"
#include "core/state.h"
#include "core/work_dir.h"
#include "learning/record.h"
#include "tests/core/temp_dir.h"
#include "tests/support/full_disk.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/scripted_speaker.h"

#include <QListWidgetItem>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tamurik {
class ClickLabel;
class ExerciseFrame;
} // namespace tamurik

namespace tamurik::testing {

// Writes a file of the working folder as raw bytes.
void WriteFile(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes);
// Small word files that pass the start-up checks: 12 verbs, 9 rhyme pairs.
void WriteWordFiles(const std::filesystem::path& folder);

// A learning record that keeps every answer in memory and offers the due verbs a test sets,
// counting how often it was asked for them.
class RecordingRecord : public Record {
public:
    void SetChild(const Text& name) override { child = name; }
    void Report(const Answer& answer) override { answers.push_back(answer); }
    std::vector<Text> DueVerbs() override {
        ++dueAsked;
        return due;
    }

    Text child;
    std::vector<Answer> answers;
    std::vector<Text> due;
    int dueAsked = 0;
};

class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Starts the program: start-up, then the main menu; the answers go to `record` (the
    // fixture's own when null), the teacher area asks `queries`, and `speaker` speaks.
    void Start(Record* record = nullptr, RecordQueries* queries = nullptr,
               Speaker* speaker = nullptr);
    // The widget of this objectName on a window; fails the test when there is none.
    template <typename T = QWidget> T* Find(QWidget* window, const QString& name);
    // Clicks a widget with the left mouse button, as the child does.
    void Click(QWidget* widget);
    void Press(QWidget* window, const QString& name) { Click(Find(window, name)); }
    // Clicks an item of a list, as the child does; fails the test when there is none.
    void ClickItem(QListWidgetItem* item);
    QWidget* Menu();
    // Opens a screen through the navigator, as the main menu does.
    template <typename S> S* OpenScreen(ScreenId id);
    // What a label shows, and the lines of a list.
    QString TextOf(QWidget* window, const QString& label);
    QStringList Items(QWidget* window, const QString& list);
    // The bytes of a file of the working folder; empty when there is none.
    std::string FileBytes(const std::string& name) const;
    // The answers the learning record heard since the last call, one line each: item, asked,
    // given, + or -, milliseconds. Each must come from `exercise` and be about a verb of the
    // verb list or not.
    std::vector<std::string> Told(const std::string& exercise, bool fromVerbList = true);

    // The program with the scripted speaker, and what a screen's speaker icons give the child.
    void StartSpeaking() { Start(nullptr, nullptr, &speaker_); }
    static ClickLabel* HearIcon(ExerciseFrame* screen);
    static ClickLabel* SyllableIcon(ExerciseFrame* screen);
    // F2 or F3 as the child presses it, wherever the keyboard focus is in the window.
    static void PressKey(ExerciseFrame* screen, Qt::Key key);
    // What "Anhören" says now; empty, with the tooltip as the reason, when it is disabled.
    std::pair<Text, Text> Hear(ExerciseFrame* screen);
    // The syllable reading of the screen, utterance by utterance, with the letters lit up
    // while each is said; the speaker ends each utterance and the pause after it.
    std::vector<std::pair<Text, std::optional<LetterRange>>> ReadSyllables(ExerciseFrame* screen);
    // Neither icon can be used now, for this reason; F2 and F3 say nothing either.
    void ExpectSilent(ExerciseFrame* screen, const Text& why);

    test::TempDir temp_;
    std::filesystem::path folder_ = temp_.path();
    // SetFull(true) makes every later write fail, as on a full disk.
    std::unique_ptr<FullDiskWorkDir> dir_;
    MODUL1 state_;
    ScriptedRandom random_;
    FixedClock clock_{Date{5, 12, 2026}};
    ScriptedDialogs dialogs_;
    RecordingRecord record_;
    ScriptedSpeaker speaker_;
    std::unique_ptr<AppNavigator> navigator_;
    int quitCalls_ = 0;
};

template <typename T> T* AppTest::Find(QWidget* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (found == nullptr)
        ADD_FAILURE() << "no widget " << name.toStdString();
    return found;
}

template <typename S> S* AppTest::OpenScreen(ScreenId id) {
    navigator_->Open(id);
    auto* screen = dynamic_cast<S*>(navigator_->existing(id));
    EXPECT_NE(screen, nullptr);
    return screen;
}

} // namespace tamurik::testing
