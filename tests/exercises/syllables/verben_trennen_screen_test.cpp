// Verben trennen: the letter board, the cursor by keys and mouse, ENTER, the explanation box
// and the verb selection.

#include "exercises/syllables/verben_trennen_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/geometry.h"
#include "ui/option_group.h"
#include "ui/picture_surface.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

class VerbenTrennenTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    // Writes the verb list, keeps every line in the sample and opens the screen.
    VerbenTrennenScreen* OpenWith(const std::string& verbs) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbs);
        random_.Clear();
        random_.QueueDraw(5, 10);
        navigator_->Open(ScreenId::VerbenTrennen);
        return dynamic_cast<VerbenTrennenScreen*>(navigator_->existing(ScreenId::VerbenTrennen));
    }
    void PressOnBoard(VerbenTrennenScreen* screen, int xTwips) {
        auto* board = Find<PictureSurface>(screen, "Bild2");
        QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, PxPoint(xTwips, 700));
        QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, PxPoint(xTwips, 700));
    }
    QString Points(VerbenTrennenScreen* screen) {
        return Find<QLabel>(screen, "Bezeichnung6")->text();
    }
};

TEST_F(VerbenTrennenTest, ArrowKeysAndEnterFindTheBoundary) {
    auto* screen = OpenWith("1b2a-d3en\r\n1k2o.ch3en\r\n");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");
    EXPECT_EQ(screen->boundaryPosition(), 1200);
    EXPECT_EQ(screen->letterCount(), 5);
    QScrollBar* bar = screen->scrollBar();
    EXPECT_EQ(bar->objectName(), "HBildlauf1");
    EXPECT_EQ(bar->maximum(), 7800);
    EXPECT_EQ(bar->value(), 0);

    // One gap too far: a wrong ENTER with no points leaves them at 0 and keeps the verb.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(screen->cursorPosition(), 1800);
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");

    // Back into the gap after "a": a point and the next verb, the cursor back at the start.
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(screen->cursorPosition(), 1200);
    EXPECT_EQ(Find<QWidget>(screen, "Figur1")->x(), Px(1200));
    QTest::keyClick(bar, Qt::Key_Enter);
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Points(screen), "1");
    EXPECT_EQ(screen->currentLine(), U"1k2o.ch3en");
    EXPECT_EQ(screen->boundaryPosition(), 1200);
    EXPECT_EQ(screen->cursorPosition(), 0);
    EXPECT_EQ(bar->value(), 0);

    // A wrong answer costs the point again, wherever the focus is: ENTER on the close icon
    // checks the boundary too.
    QTest::keyClick(Find<QWidget>(screen, "Bild1"), Qt::Key_Return);
    EXPECT_EQ(Points(screen), "0");
    EXPECT_TRUE(screen->isVisible());

    // The work list ran empty: it is sampled again.
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");
}

TEST_F(VerbenTrennenTest, MouseAndScrollValueStayOnTheWord) {
    auto* screen = OpenWith("1b2a-d3en\r\n");
    ASSERT_NE(screen, nullptr);
    // The third tile reaches from 1300 to 1800: the cursor goes into the gap before it.
    PressOnBoard(screen, 1550);
    EXPECT_EQ(screen->cursorPosition(), 1200);
    EXPECT_EQ(screen->scrollBar()->value(), 1200);

    // Past the gap after the last letter a press changes nothing.
    PressOnBoard(screen, 3700);
    EXPECT_EQ(screen->cursorPosition(), 1200);

    // The scroll value never passes the gap after the last letter.
    screen->scrollBar()->setValue(7800);
    EXPECT_EQ(screen->scrollBar()->value(), 3000);
    EXPECT_EQ(screen->cursorPosition(), 3000);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(screen->scrollBar(), Qt::Key_PageUp);
    EXPECT_EQ(screen->cursorPosition(), 3000);
    QTest::keyClick(screen->scrollBar(), Qt::Key_PageDown);
    EXPECT_EQ(screen->cursorPosition(), 2400) << "a page is one gap";
    // A dragged scroll box lands between gaps; the cursor takes the nearest gap.
    screen->scrollBar()->setValue(1000);
    EXPECT_EQ(screen->cursorPosition(), 1200);
    EXPECT_EQ(screen->scrollBar()->value(), 1200);
}

TEST_F(VerbenTrennenTest, ExplanationOfRareAndCommonVerbs) {
    auto* screen = OpenWith("1sch2uf.t3en = schwer arbeiten, sich sehr plagen\r\n1b2a-d3en\r\n");
    ASSERT_NE(screen, nullptr);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen, "Bild4"));
    EXPECT_EQ(dialogs_.last().title, U"schuften");
    EXPECT_EQ(dialogs_.last().text, U" schwer arbeiten,\r sich sehr plagen\r\r");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::Ok);

    for (int i = 0; i < 5; ++i)
        QTest::keyClick(screen->scrollBar(), Qt::Key_Right);
    QTest::keyClick(screen->scrollBar(), Qt::Key_Return);
    ASSERT_EQ(screen->currentLine(), U"1b2a-d3en");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen, "Bild4"));
    EXPECT_EQ(dialogs_.last().title, U"baden");
    EXPECT_EQ(dialogs_.last().text, U"Keine Erklärung vorhanden!\r\r");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(VerbenTrennenTest, WorkListSamplesTheSelectionInFileOrder) {
    WriteFile(folder_, "ZAHLVERB.TXT",
              "1b2a-d3en\r\nbaden\r\n1k2o.ch3en\r\n1s2äu-m3en = warten\r\n1f2ah-r3en\r\n");
    random_.Clear();
    // Lines without a separator are left out before sampling: four lines are sampled.
    for (int k : {5, 4, 5, 5})
        random_.QueueDraw(k, 10);
    navigator_->Open(ScreenId::VerbenTrennen);
    auto* screen =
        dynamic_cast<VerbenTrennenScreen*>(navigator_->existing(ScreenId::VerbenTrennen));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");
    EXPECT_EQ(screen->workList(), (std::deque<Text>{U"1s2äu-m3en = warten", U"1f2ah-r3en"}));

    // An option chosen while the screen is visible builds the list anew.
    random_.Clear();
    random_.QueueDraw(5, 10);
    screen->group(SelectionGroup::Verbenwahl)->choose(static_cast<int>(Verbenwahl::Seltene));
    EXPECT_EQ(screen->currentLine(), U"1s2äu-m3en = warten");
    EXPECT_TRUE(screen->workList().empty());

    // Hidden, the screen keeps its verb; the choice counts at the next opening.
    screen->CloseExercise();
    EXPECT_TRUE(screen->workList().empty());
    screen->group(SelectionGroup::Verbenwahl)->choose(static_cast<int>(Verbenwahl::Haeufige));
    screen->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Kurz));
    EXPECT_EQ(screen->currentLine(), U"1s2äu-m3en = warten");
    navigator_->Open(ScreenId::VerbenTrennen);
    EXPECT_EQ(screen->currentLine(), U"1k2o.ch3en");
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(VerbenTrennenTest, SelectionWithoutVerbsFallsBackToAll) {
    auto* screen = OpenWith("1b2a-d3en\r\n1f2ah-r3en\r\n");
    ASSERT_NE(screen, nullptr);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Kurz));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"Zu dieser Auswahl gibt es keine passenden Verben.\r"
                                    U"Es werden wieder alle Verben verwendet.\r");
    EXPECT_EQ(screen->selection().stammvokal, Stammvokal::Alle);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");
    EXPECT_TRUE(screen->isVisible());
}

TEST_F(VerbenTrennenTest, SampleThatNeverKeepsALineEndsInTheMenu) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n");
    random_.Clear();
    random_.QueueDraw(4, 10); // never the 5 that keeps a line
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    navigator_->Open(ScreenId::VerbenTrennen);
    auto* screen = navigator_->existing(ScreenId::VerbenTrennen);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLVERB.TXT"), Text::npos);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
    // ENTER on the empty board does nothing.
    auto* trennen = dynamic_cast<VerbenTrennenScreen*>(screen);
    trennen->CheckBoundary();
    EXPECT_EQ(state_.Points, 0);
}

} // namespace
} // namespace tamurik::testing
