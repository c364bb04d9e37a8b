// Verben trennen: the letter board, the cursor by keys and mouse, ENTER, the explanation box
// and the verb selection.

#include "exercises/syllables/syllable_speech.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/option_group.h"
#include "ui/speaker_icons.h"
#include "ui/syllable_reader.h"
#include "ui/text_qt.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

class VerbenTrennenTest : public AppTest {
protected:
    void SetUp() override { StartSpeaking(); }
    // Writes the verb list, keeps every line in the sample and opens the screen.
    VerbenTrennenScreen* OpenWith(const std::string& verbs) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbs);
        random_.Clear();
        random_.QueueDraw(5, 10);
        return OpenScreen<VerbenTrennenScreen>(ScreenId::VerbenTrennen);
    }
    QString Points(VerbenTrennenScreen* screen) {
        return Find<QLabel>(screen, "Bezeichnung6")->text();
    }
};

TEST_F(VerbenTrennenTest, ArrowKeysAndEnterFindTheBoundary) {
    auto* screen = OpenWith("1b2a-d3en\r\n1k2o.ch3en\r\n");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->currentLine(), U"1b2a-d3en");
    // The verb is heard, but not its syllables: they would tell the boundary.
    EXPECT_EQ(Hear(screen).first, U"baden");
    EXPECT_FALSE(SyllableIcon(screen)->isEnabled());
    EXPECT_EQ(FromQ(SyllableIcon(screen)->toolTip()), kSyllablesTellTheSplit);
    PressKey(screen, Qt::Key_F3);
    EXPECT_FALSE(screen->speakerIcons().reader().reading());
    EXPECT_EQ(screen->boundaryPosition(), 1200);
    EXPECT_EQ(screen->letterCount(), 5);
    QScrollBar* bar = screen->scrollBar();
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
    EXPECT_EQ(Told("verben_trennen"),
              (std::vector<std::string>{
                  "1b2a-d3en trennung bad|en - 0", "1b2a-d3en trennung ba|den + 0",
                  "1k2o.ch3en trennung |kochen - 0", "1k2o.ch3en trennung ko|chen + 0"}));
}

} // namespace
} // namespace tamurik::testing
