// Verben schreiben on screen: the timed run, the copy check, the views and the best list.

#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

// One verb only, so every draw gives baden.
class VerbenSchreibenTest : public AppTest {
protected:
    void SetUp() override {
        StartSpeaking();
        dialogs_.QueueInput(U"Mia");
        Click(Find<QWidget>(Menu(), "Bild4"));
        WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n");
    }
    void Open() {
        screen_ = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
        ASSERT_NE(screen_, nullptr);
    }
    void Type(const QString& text) { screen_->typing()->setText(text); }
    void SetMinutes(int minutes) { Find<QScrollBar>(screen_, "HBildlauf1")->setValue(minutes); }
    void RunOut() {
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        while (screen_->isRunning())
            screen_->TimerTick();
    }
    VerbenSchreibenScreen* screen_ = nullptr;
};

TEST_F(VerbenSchreibenTest, ACopiedVerbAddsItsLettersAndTheNextComesAtOnce) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a-d3en\r\n1w2i.ck3eln\r\n");
    Open();
    state_.Points = 4;
    const Text notYet = U"Klicke zuerst auf die grüne Ampel.";
    ExpectSilent(screen_, notYet);
    screen_->StartRun();
    EXPECT_EQ(screen_->markedWord(), U"1b2a-d3en");
    EXPECT_EQ(Hear(screen_).first, U"baden");
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

    // Only where the verb is copied as it is shown is it heard.
    for (const char* view : {"Option2", "Option3", "Option4", "Option6"}) {
        SCOPED_TRACE(view);
        Click(Find<QWidget>(screen_, view));
        ExpectSilent(screen_, U"In dieser Ansicht würde das Anhören das Verb verraten.");
    }
    Click(Find<QWidget>(screen_, "Option5")); // capitals: copied in the usual spelling
    EXPECT_EQ(Hear(screen_).first, CleanWord(screen_->markedWord()));
    screen_->StopRun();
    ExpectSilent(screen_, notYet);
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
    EXPECT_EQ(FileBytes("BESTTEXT.LST"), "<  5     12   Mia\r\n< 10     20   Lea\r\n");
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
    EXPECT_EQ(FileBytes("BESTTEXT.LST"), records);
    EXPECT_TRUE(Menu()->isVisible());

    // A list that cannot be read is left alone, also after a run.
    std::filesystem::remove(folder_ / "BESTTEXT.LST");
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

} // namespace
} // namespace tamurik::testing
