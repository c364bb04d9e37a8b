// Finding rhymes: the strip with the offered partner moved by the slider, right and wrong
// answers, the hint and a new game after the ninth row.

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/option_group.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

class FindenScreenTest : public AppTest {
protected:
    void SetUp() override {
        StartSpeaking();
        screen_ = OpenScreen<ReimverbenFindenScreen>(ScreenId::ReimverbenFinden);
        ASSERT_NE(screen_, nullptr);
        slider_ = Find<QScrollBar>(screen_, "VBildlauf1");
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
};

TEST_F(FindenScreenTest, EnterOnTheParkedStripIsAWrongAnswer) {
    state_.Points = 2;
    EXPECT_EQ(slider_->value(), 10);
    const int target = screen_->targetRow();
    PressEnter();
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "1");
    EXPECT_EQ(screen_->targetRow(), target) << "the same partner stays offered";
    EXPECT_TRUE(dialogs_.shown().empty()) << "a wrong answer is told by the lost point only";
}

TEST_F(FindenScreenTest, RightAnswerSlidesTheStripAndOffersTheNextPartner) {
    ExpectSilent(screen_, U"Finde zuerst ein Reimpaar.");
    const int first = screen_->targetRow();
    const RhymePair pair = screen_->pairs()[static_cast<std::size_t>(first - 1)];
    slider_->setValue(first);
    PressEnter();
    EXPECT_EQ(state_.Points, 1);
    EXPECT_TRUE(screen_->sliding()) << "the strip slides over the verb, not in one jump";
    PressEnter(); // keys during the slide change nothing
    EXPECT_EQ(state_.Points, 1);
    screen_->FinishSlide();
    // The pair found is heard, both verbs syllable by syllable and whole.
    EXPECT_EQ(Hear(screen_).first, CleanWord(pair.first) + U", " + CleanWord(pair.partner));
    EXPECT_EQ(ReadSyllables(screen_).size(), 6u);
    EXPECT_NE(screen_->targetRow(), first);
    EXPECT_EQ(slider_->maximum(), 10);
    EXPECT_EQ(slider_->value(), 10);
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

} // namespace
} // namespace tamurik::testing
