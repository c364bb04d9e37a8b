#pragma once
// A child let loose on the program: random clicks, double clicks, hovering, typed letters
// (umlauts and ß among them), Enter, Escape, arrows, slider moves, timer ticks, windows closed
// and screens opened, on whatever window is visible. What can be pressed is found on the
// window itself (every visible, enabled widget, its list items, its sliders, its running
// timers), so a screen added later is played without a word here. The same seed gives the
// same actions.

#include "app/navigator.h"
#include "core/state.h"
#include "core/work_dir.h"

#include <cstdint>
#include <random>
#include <string>

class QWidget;

namespace tamurik::testing {

class SoakDriver {
public:
    explicit SoakDriver(std::uint64_t seed);

    // One random action on the visible window; says what was done ("click Form1/Befehl3"),
    // so that a failing run can be followed. Events the action posts are delivered before it
    // returns; real timers never fire (their ticks are actions of their own), so a run
    // depends on the seed alone.
    std::string Act(AppNavigator& navigator);

    long long timerTicks() const { return timerTicks_; }
    std::uint64_t seed() const { return seed_; }

private:
    int Below(int n);
    std::string Click(QWidget* window, int clicks, bool right);
    std::string Hover(QWidget* window);
    std::string Key(QWidget* window);
    std::string Slide(QWidget* window);
    std::string Tick(QWidget* window);
    std::string OpenScreen(AppNavigator& navigator);

    std::uint64_t seed_;
    std::mt19937_64 random_;
    long long timerTicks_ = 0;
};

// The program window that is visible; null when none is.
QWidget* VisibleProgramWindow();

// What the program promises after any action, each a test expectation; returns how many
// promises were checked: exactly one program window is visible, the points are never
// negative and every points label shows them, no timer runs on a hidden screen, every label
// shows plain, whole text, every best list and the settings file on disk still read as
// such, and no temporary file is left in the working folder.
int CheckInvariants(AppNavigator& navigator, const MODUL1& state, const WorkDir& dir);

} // namespace tamurik::testing
