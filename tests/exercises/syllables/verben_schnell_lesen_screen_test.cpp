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
        StartSpeaking();
    }
    // Queues the fifteen draws among the matching lines, then the chosen entry.
    void QueueList(const std::vector<int>& lines, int count, int chosen) {
        random_.Clear();
        for (int k : lines)
            random_.QueueDraw(k, count);
        random_.QueueDraw(chosen, static_cast<int>(lines.size()));
    }
    SchnellLesenScreen* Open() { return OpenScreen<SchnellLesenScreen>(ScreenId::SchnellLesen); }
    void Pick(SchnellLesenScreen* screen, int row) { ClickItem(screen->list()->item(row)); }
    QString Points(SchnellLesenScreen* screen) {
        return Find<QLabel>(screen, "Bezeichnung6")->text();
    }
};

const std::vector<int> kMixed{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};

TEST_F(SchnellLesenTest, FlashThenPickTheRightWord) {
    QueueList(kMixed, 3, 4);
    SchnellLesenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->drawList().size(), 15u);
    EXPECT_EQ(screen->drawList()[2], U"1s2äu-m3en") << "the marked word, without explanation";
    QListWidget* list = screen->list();
    ASSERT_EQ(list->count(), 15);
    EXPECT_EQ(list->item(2)->text(), "säumen");
    EXPECT_EQ(screen->solution(), U"kochen");
    QTimer* timer = Find<QTimer>(screen, "Zeit1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500) << "until the scroll bar is first moved";

    // Before the flash, and while it runs, clicks on the list do nothing, and the word is not
    // to be heard.
    const Text readFirst = U"Lies das Wort zuerst selbst.";
    Pick(screen, 1);
    EXPECT_EQ(state_.Points, 0);
    ExpectSilent(screen, readFirst);
    Click(Find<QWidget>(screen, "Bild2"));
    EXPECT_TRUE(timer->isActive());
    ExpectSilent(screen, readFirst);
    EXPECT_EQ(screen->flashField()->image().pixelColor(1, 1), PaletteColor(state_.ColorBlatt));
    Pick(screen, 1);
    EXPECT_EQ(state_.Points, 0);

    screen->EndFlash();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(screen->flashed());
    EXPECT_EQ(screen->flashField()->image().pixelColor(1, 1), PaletteColor(2));
    EXPECT_EQ(Hear(screen).first, U"kochen");
    EXPECT_EQ(ReadSyllables(screen).back().first, U"kochen");
    // A wrong pick is ignored; the right one scores and chooses the next word.
    Pick(screen, 0);
    EXPECT_EQ(state_.Points, 0);
    Pick(screen, 1);
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Points(screen), "1");
    EXPECT_FALSE(screen->flashed());
    EXPECT_EQ(screen->drawList().size(), 14u);
    EXPECT_EQ(screen->list()->count(), 15) << "the list keeps the solved word";
    EXPECT_EQ(
        Told("verben_schnell_lesen"),
        (std::vector<std::string>{"1k2o.ch3en lesen baden - 0", "1k2o.ch3en lesen kochen + 0"}));
    ExpectSilent(screen, readFirst);

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
    EXPECT_EQ(
        Told("verben_schnell_lesen"),
        (std::vector<std::string>{"1k2o.ch3en lesen nochmal - 0", "1k2o.ch3en lesen nochmal - 0"}));
}

} // namespace
} // namespace tamurik::testing
