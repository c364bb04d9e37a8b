// Every screen opens from the main menu and returns to it, showing the user and the points,
// and shows a name or an explanation with markup as those characters; the frame's reward icon
// and the selection's fall-back; the manual viewer.

#include "info/manual_viewer.h"
#include "tests/faults/shown_text.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/option_group.h"

#include <QTextBrowser>

#include <fstream>
#include <vector>

namespace tamurik::testing {
namespace {

struct ExerciseEntry {
    int menuIcon;
    ScreenId id;
    const char* userLabel;
    const char* pointsLabel;
    const char* closeIcon;
    const char* rewardIcon;
};

const std::vector<ExerciseEntry> kExercises{
    {3, ScreenId::Quatschverben, "Bezeichnung10", "Bezeichnung9", "Bild1", "Bild5"},
    {6, ScreenId::VerbenTrennen, "Bezeichnung4", "Bezeichnung6", "Bild1", "Bild3"},
    {17, ScreenId::SchnellLesen, "Bezeichnung1", "Bezeichnung6", "Bild1", "Bild3"},
    {13, ScreenId::AbcVerben, "Bezeichnung1", "Bezeichnung2", "Bild1", "Bild2"},
    {11, ScreenId::Memory, "Bezeichnung19", "Bezeichnung26", "Bild1", "Bild2"},
    {9, ScreenId::ReimverbenFinden, "Bezeichnung1", "Bezeichnung2", "Bild3", "Bild4"},
    {18, ScreenId::ReimverbenSchreiben, "Bezeichnung2", "Bezeichnung3", "Bild1", "Bild3"},
    {10, ScreenId::Verbbedeutung, "Bezeichnung2", "Bezeichnung1", "Bild3", "Bild4"},
    {15, ScreenId::Galgenspiel, "Bezeichnung4", "Bezeichnung7", "Bild3", "Bild6"},
    {14, ScreenId::Verbformen, "Bezeichnung1", "Bezeichnung2", "Bild1", "Bild2"},
    {2, ScreenId::Zusammenpuzzeln, "Bezeichnung16", "Bezeichnung15", "Bild1", "Bild4"},
    {16, ScreenId::Zusammensetzen, "Bezeichnung6", "Bezeichnung5", "Bild1", "Bild2"},
    {7, ScreenId::VerbenSchreiben, "Bezeichnung5", "Bezeichnung2", "Bild1", "Bild2"},
    {22, ScreenId::VerbenVerlaengern, "Bezeichnung1", "Bezeichnung2", "Bild1", "Bild2"},
};

class ScreensTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    ClickLabel* MenuIcon(int number) {
        return Find<ClickLabel>(Menu(), QStringLiteral("Bild%1").arg(number));
    }
    ExerciseFrame* Open(const ExerciseEntry& entry) {
        Click(MenuIcon(entry.menuIcon));
        return dynamic_cast<ExerciseFrame*>(navigator_->existing(entry.id));
    }
};

TEST_F(ScreensTest, EveryExerciseOpensWithNameAndPointsAndReturns) {
    // Verben trennen keeps a verb for its work list when the draw is 5 of 10; then varied
    // draws, so that games drawing several different words find them.
    random_.QueueDraw(5, 10);
    for (int k = 0; k < 9; ++k)
        random_.QueueDraw(k, 9);
    // The puzzle needs three verbs that end differently; explanations bring markup along.
    std::ofstream(folder_ / "ZAHLVERB.TXT", std::ios::binary | std::ios::app)
        << "1w2i.ck3eln = <b>wickeln</b>\r\n1f2ei-3ern = <img src=x>\r\n";
    for (const ExerciseEntry& entry : kExercises) {
        SCOPED_TRACE(entry.menuIcon);
        dialogs_.QueueInput(U"Mia <i>");
        Click(MenuIcon(4));
        state_.Points = 42;
        ExerciseFrame* screen = Open(entry);
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_FALSE(Menu()->isVisible());
        auto* user = Find<QLabel>(screen, entry.userLabel);
        ASSERT_NE(user, nullptr);
        EXPECT_EQ(user->text(), "Mia <i>");
        EXPECT_EQ(user->textFormat(), Qt::PlainText);
        EXPECT_EQ(Find<QLabel>(screen, entry.pointsLabel)->text(), "42");
        ExpectPlainAndWhole(screen);

        Click(Find<QWidget>(screen, entry.closeIcon));
        EXPECT_FALSE(screen->isVisible());
        EXPECT_TRUE(Menu()->isVisible());

        // A second visit shows what changed on the menu in between.
        dialogs_.QueueInput(U"Ben");
        Click(MenuIcon(4));
        Open(entry);
        EXPECT_EQ(Find<QLabel>(screen, entry.userLabel)->text(), "Ben");
        EXPECT_EQ(Find<QLabel>(screen, entry.pointsLabel)->text(), "0");
        // The window manager's close button acts like the close icon.
        screen->close();
        EXPECT_FALSE(screen->isVisible());
        EXPECT_TRUE(Menu()->isVisible());
    }
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(ScreensTest, RewardIconTellsHowManyGamesThePointsPay) {
    state_.Points = 250;
    state_.RewardCost = 100;
    ExerciseFrame* screen = Open(kExercises[8]);
    Click(Find<QWidget>(screen, kExercises[8].rewardIcon));
    EXPECT_EQ(dialogs_.last().title, U"Belohnung");
    EXPECT_EQ(dialogs_.last().text,
              U"Für 100 Punkte gibt es ein Belohnungsspiel,\rdas du dir im Startbereich abholen "
              U"kannst.\rDeine Punkte reichen, um 2 mal zu spielen.\r");
    EXPECT_TRUE(screen->isVisible());

    state_.Points = 99;
    Click(Find<QWidget>(screen, kExercises[8].rewardIcon));
    EXPECT_NE(dialogs_.last().text.find(U"reichen, um 0 mal"), Text::npos);
    EXPECT_EQ(state_.Points, 99);
}

TEST_F(ScreensTest, ManualIsReadAfreshEachTime) {
    // Without a file the viewer opens empty after the message.
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(MenuIcon(19));
    auto* viewer = dynamic_cast<ManualViewer*>(navigator_->existing(ScreenId::Manual));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(dialogs_.last().text, U"Datei wurde nicht gefunden ...\r");
    EXPECT_EQ(dialogs_.last().title, U"TAMURIK.RTF");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->view()->document()->isEmpty());
    Click(Find<QWidget>(viewer, "Picture1"));
    EXPECT_TRUE(Menu()->isVisible());

    WriteFile(folder_, "TAMURIK.RTF", "{\\rtf1\\ansi {\\b Anleitung} f\\'fcr Kinder\\par}");
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(MenuIcon(19));
    EXPECT_EQ(viewer->view()->toPlainText().trimmed(), "Anleitung für Kinder");
    Click(Find<QWidget>(viewer, "Picture1"));
    EXPECT_TRUE(viewer->view()->document()->isEmpty());

    WriteFile(folder_, "TAMURIK.RTF", "{\\rtf1 Neue Seite}");
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(MenuIcon(19));
    EXPECT_EQ(viewer->view()->toPlainText().trimmed(), "Neue Seite");
}

TEST_F(ScreensTest, SelectionWithoutVerbsFallsBackToAllThenToTheMenu) {
    auto* frame = dynamic_cast<ExerciseFrame*>(&navigator_->screen(ScreenId::Galgenspiel));
    ASSERT_NE(frame, nullptr);
    // Only common verbs: "seltene" (the hangman's start) finds nothing.
    WriteFile(folder_, "ZAHLVERB.TXT", "1g2e-h3en\r\n1k2en.n3en\r\n");
    EXPECT_TRUE(frame->VerbLinesForSelection().empty()) << "a hidden screen draws later";
    EXPECT_TRUE(dialogs_.shown().empty());

    // Opening draws a word at once: the screen falls back to "alle" itself.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    navigator_->Open(ScreenId::Galgenspiel);
    frame->group(SelectionGroup::Verbenwahl)
        ->setCheckedQuietly(static_cast<int>(Verbenwahl::Seltene));
    frame->group(SelectionGroup::Stammvokal)->setCheckedQuietly(static_cast<int>(Stammvokal::Kurz));
    dialogs_.ClearShown();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    const std::vector<Text> lines = frame->VerbLinesForSelection();
    EXPECT_EQ(lines, (std::vector<Text>{U"1g2e-h3en", U"1k2en.n3en"}));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"Zu dieser Auswahl gibt es keine passenden Verben.\r"
                                    U"Es werden wieder alle Verben verwendet.\r");
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Galgenspiel");
    EXPECT_EQ(frame->selection().verbenwahl, Verbenwahl::Alle);
    EXPECT_EQ(frame->selection().stammvokal, Stammvokal::Alle);

    // A further test that no line passes: with "alle" already, the file itself is at fault.
    dialogs_.ClearShown();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    EXPECT_TRUE(frame->VerbLinesForSelection([](const Text&) { return false; }).empty());
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLVERB.TXT"), Text::npos);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
}

} // namespace
} // namespace tamurik::testing
