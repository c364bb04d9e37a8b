#pragma once
// A whole program for a screen test: a temporary working folder with small word files, the
// state, a scripted random source, a fixed clock, scripted dialogs and the real navigator.

#include "app/navigator.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/work_dir.h"
#include "tests/core/temp_dir.h"
#include "tests/support/full_disk.h"
#include "tests/support/scripted_dialogs.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

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
    void Press(QWidget* window, const QString& name) { Click(Find(window, name)); }
    QWidget* Menu();
    // Opens a screen through the navigator, as the main menu does.
    template <typename S> S* OpenScreen(ScreenId id);
    // What a label shows, and the lines of a list.
    QString TextOf(QWidget* window, const QString& label);
    QStringList Items(QWidget* window, const QString& list);
    // The bytes of a file of the working folder; empty when there is none.
    std::string FileBytes(const std::string& name) const;

    test::TempDir temp_;
    std::filesystem::path folder_ = temp_.path();
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

template <typename S> S* AppTest::OpenScreen(ScreenId id) {
    navigator_->Open(id);
    auto* screen = dynamic_cast<S*>(navigator_->existing(id));
    EXPECT_NE(screen, nullptr);
    return screen;
}

} // namespace tamurik::testing
