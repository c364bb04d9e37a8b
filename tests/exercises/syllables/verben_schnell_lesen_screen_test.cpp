// Verben schnell lesen: the list of fifteen, the flash and its timer, picking and its points.

#include "exercises/syllables/verben_schnell_lesen_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/option_group.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace tamurik::testing {
namespace {

class SchnellLesenTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "ZAHLVERB.TXT",
                  "1b2a-d3en\r\n1k2o.ch3en\r\n1s2äu-m3en = warten. zögern\r\n");
        Start();
    }
    // Queues the fifteen draws among the matching lines, then the chosen entry.
    void QueueList(const std::vector<int>& lines, int count, int chosen) {
        random_.Clear();
        for (int k : lines)
            random_.QueueDraw(k, count);
        random_.QueueDraw(chosen, static_cast<int>(lines.size()));
    }
    SchnellLesenScreen* Open() {
        navigator_->Open(ScreenId::SchnellLesen);
        return dynamic_cast<SchnellLesenScreen*>(navigator_->existing(ScreenId::SchnellLesen));
    }
    void Pick(SchnellLesenScreen* screen, int row) {
        QListWidget* list = screen->list();
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
    }
    QString Points(SchnellLesenScreen* screen) {
        return Find<QLabel>(screen, "Bezeichnung6")->text();
    }
};

const std::vector<int> kMixed{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};

TEST_F(SchnellLesenTest, ListOfFifteenInThreeColumnsWithOneChosenWord) {
    QueueList(kMixed, 3, 4);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->drawList().size(), 15u);
    EXPECT_EQ(screen->drawList()[2], U"1s2äu-m3en") << "the marked word, without explanation";
    QListWidget* list = screen->list();
    ASSERT_EQ(list->count(), 15);
    EXPECT_EQ(list->item(0)->text(), "baden");
    EXPECT_EQ(list->item(2)->text(), "säumen");
    // Five rows a column: the sixth entry stands to the right of the first.
    EXPECT_EQ(list->visualItemRect(list->item(5)).top(), list->visualItemRect(list->item(0)).top());
    EXPECT_GT(list->visualItemRect(list->item(5)).left(),
              list->visualItemRect(list->item(0)).left());
    EXPECT_EQ(screen->chosenWord(), U"1k2o.ch3en");
    EXPECT_EQ(screen->solution(), U"kochen");
    EXPECT_FALSE(screen->flashed());
}

TEST_F(SchnellLesenTest, FlashThenPickTheRightWord) {
    QueueList(kMixed, 3, 0);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    QTimer* timer = Find<QTimer>(screen, "Zeit1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(Find<QScrollBar>(screen, "HBildlauf1")->value(), 250);
    EXPECT_EQ(timer->interval(), 500) << "until the scroll bar is first moved";
    EXPECT_FALSE(timer->isActive());

    // Before the flash, and while it runs, clicks on the list do nothing.
    Pick(screen, 0);
    EXPECT_EQ(state_.Points, 0);
    Click(Find<QWidget>(screen, "Bild2"));
    EXPECT_TRUE(timer->isActive());
    const QImage flashed = screen->flashField()->image();
    EXPECT_EQ(flashed.pixelColor(1, 1), PaletteColor(state_.ColorBlatt));
    Pick(screen, 0);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(screen->drawList().size(), 15u);

    screen->EndFlash();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(screen->flashed());
    EXPECT_EQ(screen->flashField()->image().pixelColor(1, 1), PaletteColor(2));
    // A wrong pick is ignored; the right one scores and chooses the next word.
    Pick(screen, 1);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(screen->flashed());
    Pick(screen, 0);
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Points(screen), "1");
    EXPECT_FALSE(screen->flashed());
    EXPECT_EQ(screen->drawList().size(), 14u);
    EXPECT_EQ(screen->list()->count(), 15) << "the list keeps the solved word";

    // Moving the scroll bar sets the flash time.
    Find<QScrollBar>(screen, "HBildlauf1")->setValue(120);
    EXPECT_EQ(timer->interval(), 120);
}

TEST_F(SchnellLesenTest, FlashingAgainCostsAPointButNeverBelowZero) {
    QueueList(kMixed, 3, 1);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    screen->FlashWord();
    screen->EndFlash();
    screen->FlashWord();
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Points(screen), "0");
    state_.Points = 3;
    screen->EndFlash();
    screen->FlashWord();
    EXPECT_EQ(state_.Points, 2);
    EXPECT_EQ(Points(screen), "2");
}

TEST_F(SchnellLesenTest, EitherCopyOfAVerbThatStandsTwiceIsRight) {
    QueueList(kMixed, 3, 3); // entry 3 is baden, which also stands at 0
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->solution(), U"baden");
    screen->FlashWord();
    screen->EndFlash();
    Pick(screen, 0);
    EXPECT_EQ(state_.Points, 1);
}

TEST_F(SchnellLesenTest, StemVowelLooksAtTheMarkedWordOnly) {
    QueueList(kMixed, 3, 0);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    screen->group(SelectionGroup::Verbenwahl)->choose(static_cast<int>(Verbenwahl::Seltene));
    EXPECT_EQ(screen->drawList().front(), U"1s2äu-m3en");
    // "säumen" has a long vowel although its explanation holds a ".": nothing is short.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Kurz));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Verben schnell lesen");
    EXPECT_EQ(screen->selection().verbenwahl, Verbenwahl::Alle);
    EXPECT_EQ(screen->drawList().size(), 15u);

    // A hidden screen draws anew on every change, without a box.
    screen->CloseExercise();
    EXPECT_TRUE(screen->drawList().empty());
    screen->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Kurz));
    ASSERT_EQ(screen->drawList().size(), 15u);
    for (const Text& word : screen->drawList())
        EXPECT_EQ(word, U"1k2o.ch3en");
    EXPECT_EQ(dialogs_.shown().size(), 1u);
}

TEST_F(SchnellLesenTest, AfterFifteenSolvedWordsANewListIsDrawn) {
    QueueList(kMixed, 3, 0);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    for (int solved = 0; solved < 15; ++solved) {
        screen->FlashWord();
        screen->EndFlash();
        const Text solution = screen->solution();
        QListWidget* list = screen->list();
        int row = 0;
        while (row < list->count() && list->item(row)->text().toStdU32String() != solution)
            ++row;
        ASSERT_LT(row, list->count());
        Pick(screen, row);
    }
    EXPECT_EQ(state_.Points, 15);
    EXPECT_EQ(screen->drawList().size(), 15u);
    EXPECT_FALSE(screen->flashed());
}

} // namespace
} // namespace tamurik::testing
