// Start-up as the program runs it: a missing word file is reported before any window shows.

#include "app/run.h"
#include "tests/support/app_fixture.h"

#include <filesystem>

namespace tamurik::testing {
namespace {

class StartUpFlowTest : public AppTest {};

TEST_F(StartUpFlowTest, AFaultyWordFileIsReportedBeforeAnyWindowAndStops) {
    EXPECT_TRUE(RunStartUp(*dir_, state_, dialogs_));
    EXPECT_TRUE(dialogs_.shown().empty());

    std::filesystem::remove(folder_ / "ZAHLVERB.TXT");
    EXPECT_FALSE(RunStartUp(*dir_, state_, dialogs_));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text,
              U"Die Systemdatei ZAHLVERB.TXT fehlt!\rDas Programm wird abgebrochen ...\r");
    EXPECT_EQ(dialogs_.last().title, U"Dateifehler");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::Ok);
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::None);
}

} // namespace
} // namespace tamurik::testing
