// Verben zusammensetzen on screen: letters clicked in their order, the margin, the helps.

#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/geometry.h"
#include "ui/picture_surface.h"

#include <QLabel>

namespace tamurik::testing {
namespace {

class ZusammensetzenTest : public AppTest {
protected:
    // With the scripted random at 0 every letter is drawn into cell (0, 0) and so goes to the
    // next free cell: lassen lies in row 0 from column 0 on.
    void OpenWith(const std::string& verbs) {
        StartSpeaking();
        WriteFile(folder_, "ZAHLVERB.TXT", verbs);
        screen_ = OpenScreen<ZusammensetzenScreen>(ScreenId::Zusammensetzen);
        ASSERT_NE(screen_, nullptr);
    }
    // A click in the middle of cell (c, r).
    void ClickCell(int column, int row) {
        screen_->ClickLetter(350 + 500 * column, 350 + 500 * row);
    }
    QString Assembled() { return Find<QLabel>(screen_, "Bezeichnung4")->text(); }

    ZusammensetzenScreen* screen_ = nullptr;
};

TEST_F(ZusammensetzenTest, LassenIsFinishedWhicheverDoubledCellIsClicked) {
    OpenWith("1l2a.ss3en\r\n");
    EXPECT_EQ(screen_->grid().verb(), U"lassen");
    EXPECT_EQ(Assembled(), "Setze das Verb durch Anklicken richtig zusammen!");
    ExpectSilent(screen_, U"Setze zuerst das Verb zusammen.");
    for (int sCell : {2, 3}) {
        SCOPED_TRACE(sCell);
        const long long before = state_.Points;
        ClickCell(0, 0);
        EXPECT_EQ(Assembled(), "l");
        ClickCell(1, 0);
        ClickCell(sCell, 0);
        ClickCell(sCell, 0);
        ClickCell(4, 0);
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        ClickCell(5, 0);
        EXPECT_EQ(dialogs_.last().text, U"Prima, das Verb ist fertig!\r\r");
        EXPECT_EQ(dialogs_.last().title, U"lassen");
        EXPECT_EQ(state_.Points, before + 6);
        EXPECT_EQ(Hear(screen_).first, U"lassen") << "the verb just set together";
        // The next verb starts with the instruction again.
        EXPECT_EQ(Assembled(), "Setze das Verb durch Anklicken richtig zusammen!");
        EXPECT_EQ(screen_->grid().assembled(), U"");
    }
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(ZusammensetzenTest, LettersInTheWrongOrderCostAPointEach) {
    OpenWith("1l2a.ss3en\r\n");
    state_.Points = 2;
    ClickCell(5, 0);
    ClickCell(1, 0);
    ClickCell(1, 0);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(screen_->grid().assembled(), U"");
    // An empty cell changes nothing.
    ClickCell(9, 7);
    ClickCell(0, 0);
    EXPECT_EQ(screen_->grid().assembled(), U"l");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(
        Told("verben_zusammensetzen"),
        (std::vector<std::string>{"1l2a.ss3en buchstabe n - 0", "1l2a.ss3en buchstabe a - 0",
                                  "1l2a.ss3en buchstabe a - 0", "1l2a.ss3en buchstabe l + 0"}));
}

TEST_F(ZusammensetzenTest, HelpsCostWhatTheyShouldAndShowTheExplanation) {
    OpenWith("1s2äu-m3en = warten, zögern\r\n");
    struct Help {
        const char* icon;
        long long before;
        long long after;
    };
    for (const Help& help :
         {Help{"Bild6", 1, 0}, Help{"Bild6", 0, 0}, Help{"Bild7", 3, 2}, Help{"Bild7", 4, 1},
          Help{"Bild7", 2, 1}, Help{"Bild3", 1, 1}, Help{"Bild3", 2, 0}}) {
        SCOPED_TRACE(help.icon);
        state_.Points = help.before;
        if (std::string(help.icon) == "Bild3")
            dialogs_.QueueAnswer(DialogAnswer::Ok);
        Click(Find<QWidget>(screen_, help.icon));
        EXPECT_EQ(state_.Points, help.after);
        EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung5")->text(), QString::number(help.after));
    }
    EXPECT_EQ(dialogs_.last().text, U"warten, zögern\r");
    EXPECT_EQ(dialogs_.last().title, U"säumen");
}

} // namespace
} // namespace tamurik::testing
