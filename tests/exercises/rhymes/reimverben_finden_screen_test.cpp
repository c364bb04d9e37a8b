// Finding rhymes: the strip with the offered partner moved by the slider, right and wrong
// answers, the hint and a new game after the ninth row.

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/geometry.h"
#include "ui/option_group.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

class FindenScreenTest : public AppTest {
protected:
    void SetUp() override {
        Start();
        navigator_->Open(ScreenId::ReimverbenFinden);
        screen_ =
            dynamic_cast<ReimverbenFindenScreen*>(navigator_->existing(ScreenId::ReimverbenFinden));
        ASSERT_NE(screen_, nullptr);
        slider_ = Find<QScrollBar>(screen_, "VBildlauf1");
        strip_ = Find<QWidget>(screen_, "Bild1");
    }
    void PressEnter() { QTest::keyClick(slider_, Qt::Key_Return); }
    // Moves the strip to the row of the offered partner and confirms with OK.
    void AnswerRight() {
        slider_->setValue(screen_->targetRow());
        Click(Find<QWidget>(screen_, "Befehl1"));
        EXPECT_TRUE(screen_->sliding());
        screen_->FinishSlide();
    }

    ReimverbenFindenScreen* screen_ = nullptr;
    QScrollBar* slider_ = nullptr;
    QWidget* strip_ = nullptr;
};

TEST_F(FindenScreenTest, EnterOnTheParkedStripIsAWrongAnswer) {
    state_.Points = 2;
    EXPECT_EQ(slider_->value(), 10);
    EXPECT_EQ(strip_->y(), Px(7900));
    const int target = screen_->targetRow();
    PressEnter();
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "1");
    EXPECT_EQ(screen_->targetRow(), target) << "the same partner stays offered";
    EXPECT_TRUE(dialogs_.shown().empty()) << "a wrong answer is told by the lost point only";
}

TEST_F(FindenScreenTest, FirstMoveLowersTheMaximumSoTheStripCannotParkAgain) {
    slider_->setValue(4);
    EXPECT_EQ(slider_->maximum(), 9);
    EXPECT_EQ(strip_->y(), Px(800 * 4 - 100));
    slider_->setValue(10);
    EXPECT_EQ(slider_->value(), 9);
    // A wrong row at 0 points costs nothing.
    slider_->setValue(screen_->targetRow() == 9 ? 8 : 9);
    PressEnter();
    EXPECT_EQ(state_.Points, 0);
}

TEST_F(FindenScreenTest, RightAnswerSlidesTheStripAndOffersTheNextPartner) {
    const int first = screen_->targetRow();
    slider_->setValue(first);
    PressEnter();
    EXPECT_EQ(state_.Points, 1);
    EXPECT_TRUE(screen_->sliding()) << "the strip slides over the verb, not in one jump";
    EXPECT_EQ(strip_->x(), Px(3950));
    PressEnter(); // keys during the slide change nothing
    EXPECT_EQ(state_.Points, 1);
    screen_->FinishSlide();
    EXPECT_NE(screen_->targetRow(), first);
    EXPECT_EQ(slider_->maximum(), 10);
    EXPECT_EQ(slider_->value(), 10);
    EXPECT_EQ(strip_->pos(), PxPoint(3950, 7900));
}

TEST_F(FindenScreenTest, NineRowsDoneStartAgainWithoutExtraPoints) {
    for (int task = 1; task <= 9; ++task) {
        if (task == 9)
            dialogs_.QueueAnswer(DialogAnswer::Ok);
        AnswerRight();
    }
    EXPECT_EQ(state_.Points, 9);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text,
              U"Du hast alle Aufgaben gelöst.\rDas Spiel beginnt von vorne!\r");
    EXPECT_EQ(dialogs_.last().title, U"Reimpaare");
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::Information);
    EXPECT_GE(screen_->targetRow(), 1);
    EXPECT_EQ(screen_->pairs().size(), 9u);
}

TEST_F(FindenScreenTest, HintShowsPartnerAndVerbForAPoint) {
    state_.Points = 1;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild5"));
    const RhymePair& pair = screen_->pairs()[screen_->targetRow() - 1];
    EXPECT_EQ(dialogs_.last().text,
              Spaced(pair.partner, U"123.-") + U"  +   " + Spaced(pair.first, U"123.-") + U"\r\r");
    EXPECT_EQ(dialogs_.last().title, U"Reimpaar");
    EXPECT_EQ(state_.Points, 0);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild5"));
    EXPECT_EQ(state_.Points, 0);
}

TEST_F(FindenScreenTest, LongVowelOffersOnlyPairsWithALongFirstVerb) {
    // The fixture list has four long and five short first verbs: "lang" cannot make nine rows,
    // so the screen says so and goes back to "alle".
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Lang));
    EXPECT_EQ(dialogs_.last().text, U"Zu dieser Auswahl gibt es keine passenden Verben.\r"
                                    U"Es werden wieder alle Verben verwendet.\r");
    EXPECT_EQ(screen_->selection().stammvokal, Stammvokal::Alle);
    EXPECT_EQ(screen_->pairs().size(), 9u);

    std::string rhymes;
    for (char c = 'a'; c < 'a' + 9; ++c)
        rhymes += std::string("1l2ie-") + c + "3en\r\n1s2ie-" + c + "3en\r\n";
    rhymes += "1k2o.ch3en\r\n1p2o.ch3en\r\n";
    WriteFile(folder_, "ZAHLREIM.TXT", rhymes);
    screen_->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Lang));
    for (const RhymePair& pair : screen_->pairs())
        EXPECT_TRUE(Contains(pair.first, U'-')) << Utf8(pair.first);
}

} // namespace
} // namespace tamurik::testing
