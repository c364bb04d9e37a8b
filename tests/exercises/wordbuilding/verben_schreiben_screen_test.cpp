// Verben schreiben on screen: the timed run, the copy check, the views and the best list.

#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <fstream>
#include <sstream>

namespace tamurik::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One verb only, so every draw gives baden.
class VerbenSchreibenTest : public AppTest {
protected:
    void SetUp() override {
        Start();
        dialogs_.QueueInput(U"Mia");
        Click(Find<QWidget>(Menu(), "Bild4"));
        WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n");
    }
    void Open() {
        navigator_->Open(ScreenId::VerbenSchreiben);
        screen_ =
            dynamic_cast<VerbenSchreibenScreen*>(navigator_->existing(ScreenId::VerbenSchreiben));
        ASSERT_NE(screen_, nullptr);
    }
    void Type(const QString& text) { screen_->typing()->setText(text); }
    void SetMinutes(int minutes) { Find<QScrollBar>(screen_, "HBildlauf1")->setValue(minutes); }
    void RunOut() {
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        while (screen_->isRunning())
            screen_->TimerTick();
    }
    bool DisplayIsBlank() {
        const QImage& image = screen_->display()->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != screen_->display()->background())
                    return false;
        return true;
    }

    VerbenSchreibenScreen* screen_ = nullptr;
};

TEST_F(VerbenSchreibenTest, AOneMinuteRunEndsAtTheSixtiethTick) {
    Open();
    SetMinutes(1);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung3")->text(), "1");
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_TRUE(screen_->timerActive());
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung4")->text(), "60");
    for (int tick = 1; tick <= 59; ++tick)
        screen_->TimerTick();
    EXPECT_EQ(state_.TimeLeftMs, 1000);
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(dialogs_.shown().size(), 1u); // only the user name so far
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->TimerTick();
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_FALSE(screen_->timerActive());
    EXPECT_EQ(dialogs_.last().text,
              U"Die Zeit ist leider abgelaufen!\rDu hast 0 Wörter geschafft.\r");
    EXPECT_EQ(dialogs_.last().title, U"Zeitlimit");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung4")->text(), "");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung6")->text(),
              "Stelle eine Zeit ein und klicke auf die grüne Ampel.\nKlicke auf das lila Feld "
              "für die Bestenliste.");
}

TEST_F(VerbenSchreibenTest, FrameTurnsRedOnAWrongFirstLetterAndGreenOnTheRightOne) {
    Open();
    screen_->StartRun();
    EXPECT_EQ(state_.CurrentWord, U"baden");
    EXPECT_EQ(screen_->frameColor(), PaletteColor(10));
    Type("B");
    EXPECT_EQ(screen_->frameColor(), PaletteColor(12));
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung10")->text(), "B ");
    Type("");
    EXPECT_EQ(screen_->frameColor(), PaletteColor(12));
    Type("b");
    EXPECT_EQ(screen_->frameColor(), PaletteColor(10));
}

TEST_F(VerbenSchreibenTest, ACopiedVerbAddsItsLettersAndTheNextComesAtOnce) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n1w2i.ck3eln\r\n");
    Open();
    state_.Points = 4;
    screen_->StartRun();
    EXPECT_EQ(screen_->markedWord(), U"1b2a-d3en");
    // A real keystroke reaches the hidden text box.
    QTest::keyClicks(screen_->typing(), "bade");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung10")->text(), "b a d e ");
    QTest::keyClicks(screen_->typing(), "n");
    EXPECT_EQ(state_.Points, 9);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "9");
    EXPECT_EQ(screen_->wordsDone(), 1);
    EXPECT_EQ(screen_->markedWord(), U"1w2i.ck3eln");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung10")->text(), "");
    EXPECT_EQ(screen_->typing()->text(), "");
}

TEST_F(VerbenSchreibenTest, HalbesWortVanishesAtTheFirstCharacter) {
    Open();
    Click(Find<QWidget>(screen_, "Option4"));
    screen_->StartRun();
    EXPECT_EQ(screen_->view(), WordView::HalbesWort);
    EXPECT_TRUE(Find<QWidget>(screen_, "Figur6")->isVisible());
    EXPECT_FALSE(DisplayIsBlank());
    Type("x");
    EXPECT_TRUE(DisplayIsBlank());
}

TEST_F(VerbenSchreibenTest, FiveMinuteRecordIsStoredAtOnceInItsColumns) {
    WriteFile(folder_, "BESTTEXT.LST", "< 10     20   Lea\r\n");
    Open();
    SetMinutes(5);
    screen_->StartRun();
    for (int i = 0; i < 12; ++i)
        Type("baden");
    EXPECT_EQ(screen_->wordsDone(), 12);
    EXPECT_EQ(state_.Points, 60);
    RunOut();
    EXPECT_EQ(dialogs_.last().text,
              U"Die Zeit ist leider abgelaufen!\rDu hast 12 Wörter geschafft.\r");
    EXPECT_EQ(screen_->bestList(), (std::vector<Text>{U"  5     12   Mia", U" 10     20   Lea"}));
    EXPECT_EQ(ReadFile(folder_ / "BESTTEXT.LST"), "<  5     12   Mia\r\n< 10     20   Lea\r\n");
    auto* list = Find<QListWidget>(screen_, "Liste1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "  5     12   Mia");
}

TEST_F(VerbenSchreibenTest, LeavingWithoutARunWritesTheListUnchanged) {
    const std::string records = "<  3      4   Ben\r\n<  5     12   <b>Mia</b>\r\n";
    WriteFile(folder_, "BESTTEXT.LST", records);
    Open();
    EXPECT_EQ(screen_->bestList().size(), 2u);
    Click(Find<QWidget>(screen_, "Bild1"));
    EXPECT_EQ(ReadFile(folder_ / "BESTTEXT.LST"), records);
    EXPECT_TRUE(Menu()->isVisible());
}

TEST_F(VerbenSchreibenTest, AListThatCannotBeReadIsLeftAlone) {
    std::filesystem::create_directory(folder_ / "BESTTEXT.LST");
    Open();
    EXPECT_TRUE(screen_->bestList().empty());
    SetMinutes(1);
    screen_->StartRun();
    RunOut();
    screen_->CloseExercise();
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "BESTTEXT.LST"));
}

TEST_F(VerbenSchreibenTest, AnOpenBestListPausesTheRun) {
    Open();
    SetMinutes(2);
    screen_->StartRun();
    screen_->TimerTick();
    Click(Find<QWidget>(screen_, "Bezeichnung3"));
    EXPECT_TRUE(screen_->isBestListOpen());
    EXPECT_FALSE(screen_->timerActive());
    EXPECT_EQ(state_.PanelOpen, 1);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung6")->text(),
              "Klicke hier, um die Bestenliste zu schließen ...");
    Click(Find<QWidget>(screen_, "Bezeichnung6"));
    EXPECT_FALSE(screen_->isBestListOpen());
    EXPECT_TRUE(screen_->timerActive());
    EXPECT_EQ(state_.PanelOpen, 0);
    EXPECT_EQ(state_.TimeLeftMs, 119000);
    // Moving the scroll bar stops the run without a record.
    SetMinutes(3);
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_TRUE(screen_->bestList().empty());
}

TEST_F(VerbenSchreibenTest, TheExplanationCostsAPointWhileThereAreAny) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1s2äu-m3en = warten, zögern\r\n");
    Open();
    Click(Find<QWidget>(screen_, "Bild7")); // no word yet: nothing happens
    screen_->StartRun();
    state_.Points = 1;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild7"));
    EXPECT_EQ(dialogs_.last().text, U" warten, zögern\r\r");
    EXPECT_EQ(dialogs_.last().title, U"säumen");
    EXPECT_EQ(state_.Points, 0);
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n");
    screen_->StartRun();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild7"));
    EXPECT_EQ(dialogs_.last().text, U"Keine Erläuterung vorhanden!\r\r");
    EXPECT_EQ(state_.Points, 0);
}

TEST_F(VerbenSchreibenTest, ASelectionChangeRefillsThePoolAndDrawsDuringARun) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n1s2äu-m3en = warten, zögern\r\n");
    Open();
    EXPECT_EQ(screen_->pool().size(), 2u);
    screen_->ApplySelection(SelectionGroup::Verbenwahl, 2);
    EXPECT_EQ(screen_->pool(), (std::vector<Text>{U"1s2äu-m3en"}));
    EXPECT_TRUE(screen_->markedWord().empty());
    screen_->StartRun();
    EXPECT_EQ(screen_->markedWord(), U"1s2äu-m3en");
    screen_->ApplySelection(SelectionGroup::Verbenwahl, 1);
    EXPECT_EQ(screen_->markedWord(), U"1b2a-d3en");
    EXPECT_TRUE(screen_->pool().empty());
    EXPECT_TRUE(screen_->isRunning());
}

} // namespace
} // namespace tamurik::testing
