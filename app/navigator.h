#pragma once
// Creates each screen on its first use and keeps it until the program ends; opens and closes
// screens so that exactly one window is visible.

#include "ui/screen.h"

#include <functional>
#include <map>
#include <memory>

namespace tamurik {

class ExerciseFrame;
class MainMenu;

class AppNavigator : public Navigator {
public:
    // Without a record the program keeps nothing of the child's answers, without its queries
    // the teacher area finds nothing, and without a speaker it says nothing. The additions'
    // settings are read from the working folder.
    AppNavigator(MODUL1& state, const WorkDir& dir, RandomSource& random, Clock& clock,
                 Dialogs& dialogs, Record* record = nullptr, RecordQueries* queries = nullptr,
                 Speaker* speaker = nullptr);
    ~AppNavigator() override;

    MainMenu& menu();
    // The screen, created on first use.
    Screen& screen(ScreenId id);
    // The screen when it has been created, else null.
    Screen* existing(ScreenId id) const;
    AppContext& context() { return context_; }

    void Open(ScreenId id) override;
    void ShowMenu() override;
    Text MenuTitle() const override;
    void ApplySelectionEverywhere(SelectionGroup group, int position) override;
    void Quit() override;

    // What ending the program does; by default it leaves the event loop.
    void setQuitHandler(std::function<void()> handler) { quitHandler_ = std::move(handler); }

private:
    std::unique_ptr<Screen> create(ScreenId id);

    AdditionsSettings additions_;
    NoRecord noRecord_;
    NoSpeaker noSpeaker_;
    NoRecordQueries noQueries_;
    AppContext context_;
    std::unique_ptr<MainMenu> menu_;
    std::map<ScreenId, std::unique_ptr<Screen>> screens_;
    std::function<void()> quitHandler_;
};

// The exercises that have a "Verbenwahl" group, and those that have a "Stammvokal" group.
const std::vector<ScreenId>& ScreensWith(SelectionGroup group);

} // namespace tamurik
