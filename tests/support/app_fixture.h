#pragma once
// A whole program for a screen test: a temporary working folder with small word files, the
// state, a scripted random source, a fixed clock, scripted dialogs and the real navigator.

#include "app/navigator.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/work_dir.h"
#include "tests/support/full_disk.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

class QWidget;

namespace tamurik::testing {

// Writes a file of the working folder as raw bytes.
void WriteFile(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes);
// Small word files that pass the start-up checks: 12 verbs, 9 rhyme pairs.
void WriteWordFiles(const std::filesystem::path& folder);

class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Starts the program: start-up, then the main menu.
    void Start();
    // The widget of this objectName on a window; fails the test when there is none.
    template <typename T = QWidget> T* Find(QWidget* window, const QString& name);
    // Clicks a widget with the left mouse button, as the child does.
    void Click(QWidget* widget);
    void HoverOver(QWidget* widget);
    QWidget* Menu();

    std::filesystem::path folder_;
    // SetFull(true) makes every later write fail, as on a full disk.
    std::unique_ptr<FullDiskWorkDir> dir_;
    MODUL1 state_;
    ScriptedRandom random_;
    FixedClock clock_{Date{5, 12, 2026}};
    ScriptedDialogs dialogs_;
    std::unique_ptr<AppNavigator> navigator_;
    int quitCalls_ = 0;
};

template <typename T> T* AppTest::Find(QWidget* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (found == nullptr)
        ADD_FAILURE() << "no widget " << name.toStdString();
    return found;
}

} // namespace tamurik::testing
