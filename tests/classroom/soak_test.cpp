// A child let loose on the whole program: thousands of random clicks, keys, slider moves and
// timer ticks on whatever window is visible, screens opened and closed, dialogs answered at
// random, the program ended and started again; after every action the program's promises are
// checked. The test command runs a few thousand actions; the long run (tools/soak.sh) sets
// TAMURIK_SOAK_ACTIONS, and TAMURIK_SOAK_SEED replays a run from the seed it printed.

#include "tests/classroom/classroom_world.h"

#include <cstdio>
#include <cstdlib>
#include <random>

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
    const Play play = PlayAtRandom(driver, actions);
    std::string seen;
    for (const std::string& name : play.windows)
        seen += " " + name;
    std::printf("soak: seed %llu: %llu actions, %lld invariants checked, %lld timer ticks, "
                "%lld dialogs, %lld program runs; windows seen:%s\n",
                static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(play.actions), play.checks, driver.timerTicks(),
                play.dialogs, play.runs, seen.c_str());
    // A long run reaches every screen, the teacher area too, and the main menu.
    if (actions >= 20'000) {
        EXPECT_EQ(play.windows.size(), static_cast<std::size_t>(ScreenId::Lehrerbereich) + 2)
            << seen;
    }
}

} // namespace
} // namespace tamurik::testing
