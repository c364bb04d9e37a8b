// A child let loose on the whole program: thousands of random clicks, keys, slider moves and
// timer ticks on whatever window is visible, screens opened and closed, dialogs answered at
// random, the program ended and started again; after every action the program's promises are
// checked. The test command runs a few thousand actions; the long run (README) sets
//   TAMURIK_SOAK_ACTIONS=100000 TAMURIK_SOAK_SEED=<seed>
// and a failing run is replayed with the seed it printed.

#include "tests/classroom/classroom_world.h"
#include "tests/support/soak_driver.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <set>

namespace tamurik::testing {
namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

class SoakTest : public ClassroomTest {};

TEST_F(SoakTest, AChildLetLooseKeepsEveryPromise) {
    const std::uint64_t seed = FromEnvironment("TAMURIK_SOAK_SEED", 20261207);
    const std::uint64_t actions = FromEnvironment("TAMURIK_SOAK_ACTIONS", 3000);
    std::printf("soak: seed %llu, %llu actions (TAMURIK_SOAK_SEED=%llu replays it)\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(actions),
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    WriteClassroomFiles(folder_);
    // The program's one random source gives a long seeded sequence; the dialogs answer at
    // random from the same seed.
    std::mt19937_64 numbers(seed);
    for (int i = 0; i < 65'521; ++i)
        random_.Queue(std::uniform_real_distribution<double>(0.0, 1.0)(numbers));
    dialogs_.AnswerAtRandom(seed);
    StartProgram();

    SoakDriver driver(seed);
    std::deque<std::string> recent;
    std::set<std::string> windowsSeen;
    long long checks = 0;
    long long dialogs = 0;
    long long runs = 1;
    int quitsSeen = quitCalls_;
    std::uint64_t done = 0;
    while (done < actions && !HasFailure()) {
        recent.push_back(driver.Act(*navigator_));
        if (recent.size() > 25)
            recent.pop_front();
        ++done;
        clock_.AdvanceMs(700);
        dialogs += static_cast<long long>(dialogs_.shown().size());
        dialogs_.ClearShown();
        if (quitCalls_ != quitsSeen) {
            // The child ended the program: every window is gone; the next run starts.
            quitsSeen = quitCalls_;
            EXPECT_EQ(VisibleProgramWindow(), nullptr);
            StartNextRun();
            ++runs;
        }
        if (QWidget* window = VisibleProgramWindow())
            windowsSeen.insert(window->objectName().toStdString());
        checks += CheckInvariants(*navigator_, state_, *dir_);
    }
    if (HasFailure()) {
        std::string trail;
        for (const std::string& action : recent)
            trail += "  " + action + "\n";
        ADD_FAILURE() << "seed " << seed << ", action " << done << "; the last actions:\n" << trail;
    }
    std::string seen;
    for (const std::string& name : windowsSeen)
        seen += " " + name;
    std::printf("soak: seed %llu: %llu actions, %lld invariants checked, %lld timer ticks, "
                "%lld dialogs, %lld program runs; windows seen:%s\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(done),
                checks, driver.timerTicks(), dialogs, runs, seen.c_str());
    // A long run reaches every screen (and the main menu).
    if (actions >= 20'000) {
        EXPECT_EQ(windowsSeen.size(), static_cast<std::size_t>(ScreenId::Info) + 2) << seen;
    }
}

} // namespace
} // namespace tamurik::testing
