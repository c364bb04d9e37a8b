// The main menu as the child uses it: points, user name, the reward game, the settings gate,
// the status line, the selection panel and the program end.

#include "menu/main_menu.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/option_group.h"

namespace tamurik::testing {
namespace {

class MainMenuTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    MainMenu& menu() { return navigator_->menu(); }
    QString Label(const char* name) { return Find<QLabel>(Menu(), name)->text(); }
    ClickLabel* Icon(int number) {
        return Find<ClickLabel>(Menu(), QStringLiteral("Bild%1").arg(number));
    }
};

TEST_F(MainMenuTest, ShowingTheMenuFillsPointsAndTitleAndClearsThePanelFlag) {
    EXPECT_EQ(Label("Bezeichnung4"), "0");
    EXPECT_EQ(Label("Bezeichnung5"), "Punkte");
    state_.Points = 1;
    state_.PanelOpen = 1;
    state_.ColorAnfang = 4;
    state_.ColorMitte = 14;
    navigator_->ShowMenu();
    EXPECT_EQ(Label("Bezeichnung4"), "1");
    EXPECT_EQ(Label("Bezeichnung5"), "Punkt");
    EXPECT_EQ(state_.PanelOpen, 0);
    // The title word takes the part colours.
    EXPECT_EQ(Find<QLabel>(Menu(), "Bezeichnung1")->palette().color(QPalette::WindowText),
              QColor(128, 0, 0));
    EXPECT_EQ(Find<QLabel>(Menu(), "Bezeichnung2")->palette().color(QPalette::WindowText),
              QColor(255, 255, 0));
    state_.Points = 2;
    navigator_->ShowMenu();
    EXPECT_EQ(Label("Bezeichnung5"), "Punkte");
}

TEST_F(MainMenuTest, SettingsGateComparesWithThePointsShown) {
    // 0 points: the default text "Tamurik" and any text without digits open the gate.
    dialogs_.QueueInput(U"Tamurik");
    Click(Icon(8));
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Passworteingabe");
    EXPECT_EQ(dialogs_.last().text, U"Passwort eingeben:");
    EXPECT_EQ(dialogs_.last().defaultText, U"Tamurik");
    ASSERT_NE(navigator_->existing(ScreenId::Settings), nullptr);
    EXPECT_TRUE(navigator_->existing(ScreenId::Settings)->isVisible());
    EXPECT_FALSE(Menu()->isVisible());
    Click(Find<QWidget>(navigator_->existing(ScreenId::Settings), "Bild1"));
    EXPECT_TRUE(Menu()->isVisible());

    dialogs_.QueueInput(U""); // cancelled or empty: stays closed
    Click(Icon(8));
    EXPECT_TRUE(Menu()->isVisible());

    state_.Points = 120;
    navigator_->ShowMenu();
    dialogs_.QueueInput(U"12");
    Click(Icon(8));
    EXPECT_TRUE(Menu()->isVisible());
    dialogs_.QueueInput(U"Tamurik");
    Click(Icon(8));
    EXPECT_TRUE(Menu()->isVisible());
    dialogs_.QueueInput(U"120 Blumen");
    Click(Icon(8));
    EXPECT_FALSE(Menu()->isVisible());
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(MainMenuTest, NewUserNameResetsThePointsAndCancelKeepsThem) {
    state_.Points = 37;
    navigator_->ShowMenu();
    dialogs_.QueueInput(U"");
    Click(Icon(4));
    EXPECT_EQ(Menu()->windowTitle(), "Tamurik:  Freund und Gast");
    EXPECT_EQ(state_.Points, 37);

    dialogs_.QueueInput(U"Lina <b>M</b>");
    Click(Icon(4));
    EXPECT_EQ(dialogs_.last().title, U"Benutzername");
    EXPECT_EQ(dialogs_.last().text, U"Neuer Name:");
    EXPECT_EQ(Menu()->windowTitle(), "Tamurik:  Lina <b>M</b>");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Label("Bezeichnung4"), "0");
    EXPECT_EQ(Label("Bezeichnung5"), "Punkte");
    EXPECT_EQ(UserName(*navigator_), U"Lina <b>M</b>");
}

TEST_F(MainMenuTest, RewardGameNeedsThePriceAndCostsIt) {
    state_.RewardCost = 100;
    state_.Points = 99;
    navigator_->ShowMenu();
    Click(Icon(12));
    EXPECT_EQ(dialogs_.last().title, U"Spielabbruch");
    EXPECT_EQ(dialogs_.last().text, U"Du hast noch nicht genügend Punkte.\rDu benötigst 100 "
                                    U"Punkte für das Spiel.\r");
    EXPECT_TRUE(Menu()->isVisible());

    state_.Points = 100; // exactly the price
    navigator_->ShowMenu();
    dialogs_.QueueAnswer(DialogAnswer::No);
    Click(Icon(12));
    EXPECT_EQ(dialogs_.last().title, U"Belohnungsspiel");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(state_.Points, 100);
    EXPECT_TRUE(Menu()->isVisible());

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(Icon(12));
    EXPECT_EQ(dialogs_.last().text, U"Möchtest du jetzt 'Devadodad' spielen?\rDas Spiel kostet "
                                    U"dich 100 Punkte Abzug.\r");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_FALSE(Menu()->isVisible());
    EXPECT_TRUE(navigator_->existing(ScreenId::Devadodad)->isVisible());
}

TEST_F(MainMenuTest, PanelPassesTheChoiceToEveryScreenEvenHidden) {
    QWidget* panel = Find<QWidget>(Menu(), "Bild21");
    const int closedX = panel->x();
    Click(Icon(20));
    EXPECT_TRUE(menu().isPanelOpen());
    EXPECT_LE(panel->geometry().right(), Menu()->width());

    Click(Find<QWidget>(panel, "Option3")); // "seltene"
    EXPECT_FALSE(menu().isPanelOpen());
    EXPECT_EQ(panel->x(), closedX);
    for (ScreenId id : ScreensWith(SelectionGroup::Verbenwahl)) {
        auto* frame = dynamic_cast<ExerciseFrame*>(navigator_->existing(id));
        ASSERT_NE(frame, nullptr);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_EQ(frame->selection().verbenwahl, Verbenwahl::Seltene);
    }

    EXPECT_FALSE(panel->isVisible()); // a closed panel takes no keyboard focus
    Click(Icon(20));
    Click(Find<QWidget>(Menu(), "Label1")); // the panel's own label closes it
    EXPECT_FALSE(menu().isPanelOpen());
    Click(Icon(20));
    Click(Find<QWidget>(panel, "Option5")); // Stammvokal "lang"
    for (ScreenId id : ScreensWith(SelectionGroup::Stammvokal)) {
        auto* frame = dynamic_cast<ExerciseFrame*>(navigator_->existing(id));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->selection().stammvokal, Stammvokal::Lang);
    }
    EXPECT_EQ(ScreensWith(SelectionGroup::Stammvokal).size(), 13u);
}

TEST_F(MainMenuTest, ProgramEndAsksAndNoKeepsTheMenu) {
    dialogs_.QueueAnswer(DialogAnswer::No);
    Click(Icon(1));
    EXPECT_EQ(dialogs_.last().text, U"Willst du Tamurik jetzt beenden?\r");
    EXPECT_EQ(quitCalls_, 0);
    // The window manager's close button asks the same question.
    dialogs_.QueueAnswer(DialogAnswer::No);
    Menu()->close();
    EXPECT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_TRUE(Menu()->isVisible());

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(Icon(1));
    EXPECT_EQ(quitCalls_, 1);
}

} // namespace
} // namespace tamurik::testing
