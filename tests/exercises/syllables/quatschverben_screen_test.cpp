// The Quatschverben screen: a timed run of words, the decisions, the typed word, the panels that
// hold the clock, the best list per duration and the points the child keeps.

#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/syllables/syllable_speech.h"

#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

// Lines of the verb list the fixture writes (WriteWordFiles), from 1.
constexpr int kBaden = 3;  // 1b2a-d3en
constexpr int kKochen = 8; // 1k2o.ch3en
constexpr int kVerbLines = 12;
const QColor kNoSignal(192, 255, 255);

class QuatschverbenTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "VERBEN.TXT", "baden\r\nkochen\r\nschuften\r\n");
        StartSpeaking();
        state_.Points = 30;
        screen_ = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
        ASSERT_NE(screen_, nullptr);
        entry_ = Find<QLineEdit>(screen_, "Text1");
    }

    // Every following word is this line of the verb list.
    void NextWordsAreListed(int line) {
        random_.Clear();
        random_.QueueDraw(1, 3);
        random_.QueueDraw(line - 1, kVerbLines);
    }
    void SetMinutes(int minutes) { Find<QScrollBar>(screen_, "HBildlauf1")->setValue(minutes); }
    void Type(const QString& text) { QTest::keyClicks(entry_, text); }
    void Press(const char* button) { AppTest::Press(screen_, button); }
    QString Message() { return TextOf(screen_, "Bezeichnung11"); }
    QColor Signal(const char* name) {
        return Find<QWidget>(screen_, name)->palette().color(QPalette::Window);
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            screen_->ClockTick();
    }

    QuatschverbenScreen* screen_ = nullptr;
    QLineEdit* entry_ = nullptr;
};

TEST_F(QuatschverbenTest, IdleScreenThenAOneMinuteRunThatEntersTheBestList) {
    // Answers before the start change nothing, and there is nothing to hear.
    EXPECT_FALSE(entry_->isEnabled());
    ExpectSilent(screen_, kNothingToHear);
    Press("Befehl5");
    EXPECT_EQ(state_.Points, 30);
    // Closing empties the tables; coming back fills them again.
    Press("Bild1");
    EXPECT_TRUE(screen_->tables().empty());
    navigator_->Open(ScreenId::Quatschverben);
    EXPECT_FALSE(screen_->tables().empty());

    SetMinutes(1);
    NextWordsAreListed(kBaden);
    Press("Bild11");
    ASSERT_TRUE(screen_->isRunning());
    EXPECT_EQ(screen_->currentWord().Separated, U"ba-den");
    EXPECT_EQ(TextOf(screen_, "Bezeichnung9"), "0");
    EXPECT_EQ(TextOf(screen_, "Bezeichnung8"), "60");
    EXPECT_EQ(Message(), "Klicke zuerst auf die Knöpfe und bestimme so die Eigenschaften!\n"
                         "Schreibe dann das Wort und setze das richtige Trennzeichen ein!");

    // First word: both decisions right, then typed: 1 + 1 + 6 characters.
    Press("Befehl6");
    Press("Befehl3");
    Type("ba-den");
    EXPECT_EQ(state_.Points, 8);
    EXPECT_TRUE(entry_->text().isEmpty()) << "the next word is shown";
    // Second word: both decisions wrong, then typed: 8 - 2 + 6.
    Press("Befehl5");
    Press("Befehl4");
    Type("ba-den");
    EXPECT_EQ(state_.Points, 12);
    EXPECT_EQ(TextOf(screen_, "Bezeichnung9"), "12");

    Ticks(59);
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_TRUE(dialogs_.shown().empty());
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->ClockTick();
    EXPECT_FALSE(screen_->isRunning());
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().title, U"Zeitlimit");
    EXPECT_EQ(dialogs_.last().text,
              U"Die Zeit ist jetzt abgelaufen!\rDu hast 12 Punkte erreicht.\r");

    EXPECT_EQ(FileBytes("BESTVERB.LST"), ">  1      12   05.12.2026   Freund und Gast\r\n");
    EXPECT_EQ(state_.Points, 42) << "the score is added to the points from before";
    EXPECT_EQ(TextOf(screen_, "Bezeichnung9"), "0");
    EXPECT_FALSE(entry_->isEnabled());
    // The list for one minute is shown, without pausing anything.
    EXPECT_TRUE(screen_->bestListInView());
    EXPECT_EQ(Items(screen_, "Liste6"), QStringList{"  1      12   05.12.2026   Freund und Gast"});
    EXPECT_EQ(state_.PanelOpen, 0);

    // A second run on the same visit counts from the new total.
    NextWordsAreListed(kBaden);
    Press("Bild11");
    EXPECT_FALSE(screen_->bestListInView()) << "starting puts the list away";
    Press("Befehl6");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Ticks(60);
    EXPECT_EQ(state_.Points, 43);
    EXPECT_EQ(FileBytes("BESTVERB.LST"), ">  1      12   05.12.2026   Freund und Gast\r\n"
                                         ">  1       1   05.12.2026   Freund und Gast\r\n");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(QuatschverbenTest, RunsThatEarnNothingGiveBackTheEarlierPoints) {
    NextWordsAreListed(kBaden);
    // The stop icon.
    Press("Bild11");
    Press("Befehl6");
    EXPECT_EQ(state_.Points, 1);
    Press("Bild12");
    EXPECT_FALSE(screen_->isRunning());
    ExpectSilent(screen_, kNothingToHear);
    EXPECT_EQ(state_.Points, 30);
    EXPECT_EQ(TextOf(screen_, "Bezeichnung9"), "30");

    // A duration change while the clock runs ends the run silently.
    Press("Bild11");
    Press("Befehl3");
    SetMinutes(5);
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(state_.Points, 30);

    // Time up with nothing earned: the message, no record.
    SetMinutes(1);
    Press("Bild11");
    Press("Befehl5");
    EXPECT_EQ(state_.Points, 0) << "a wrong answer never goes below 0";
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Ticks(60);
    EXPECT_EQ(dialogs_.last().text,
              U"Die Zeit ist jetzt abgelaufen!\rDu hast 0 Punkte erreicht.\r");
    EXPECT_EQ(state_.Points, 30);
    EXPECT_FALSE(screen_->bestListInView());

    // Closing the screen during a run.
    Press("Bild11");
    Press("Befehl6");
    Press("Bild1");
    EXPECT_EQ(state_.Points, 30);
    EXPECT_FALSE(screen_->isRunOn());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "BESTVERB.LST"));
}

TEST_F(QuatschverbenTest, TypedWordCompletesOnlyWithBothDecisions) {
    state_.Points = 0;
    NextWordsAreListed(kBaden);
    Press("Bild11");
    // The word is heard as shown, its syllables only once it is typed with its separator.
    EXPECT_EQ(Hear(screen_).first, U"baden");
    EXPECT_FALSE(SyllableIcon(screen_)->isEnabled());
    EXPECT_EQ(FromQ(SyllableIcon(screen_)->toolTip()), kSyllablesTellTheSplit);
    // The plain form asks for the separator; case counts; extra characters around the right
    // word do not count against it.
    Type("baden");
    EXPECT_EQ(Message(), "Setze jetzt noch das richtige Trennzeichen ein!\nPunkt (.) für kurz      "
                         "o d e r      Strich (-) für lang!");
    entry_->setText("Ba-den");
    EXPECT_EQ(Message(), "Achte auf die rote Signalgruppe!\nVokal  k u r z :  mindestens 2 "
                         "Konsonanten folgen!");
    entry_->setText("xba-deny");
    EXPECT_EQ(Message(), "Lege die Eigenschaften fest.\nLaut und Verb einstellen.");
    EXPECT_EQ(ReadSyllables(screen_).back(),
              (std::pair<Text, std::optional<LetterRange>>{U"baden", std::nullopt}));
    Press("Befehl6");
    EXPECT_EQ(Message(), "Lege die Eigenschaften fest.\nEchtes oder falsches Verb?");
    EXPECT_EQ(Signal("Figur5"), PaletteColor(10));
    // A decision is made once per word.
    Press("Befehl5");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Signal("Figur5"), PaletteColor(10));
    // The last decision completes the word typed before: 2 + 6 characters.
    NextWordsAreListed(kKochen);
    Press("Befehl3");
    EXPECT_EQ(state_.Points, 8);
    EXPECT_EQ(screen_->currentWord().Separated, U"ko.chen");
    EXPECT_TRUE(entry_->text().isEmpty());
    EXPECT_EQ(Signal("Figur5"), kNoSignal);
    EXPECT_EQ(Signal("Figur7"), kNoSignal);

    // Only the vowel decision open; from 200 points on the red hint is left out.
    Press("Befehl3");
    Type("ko.chen");
    EXPECT_EQ(Message(), "Lege die Eigenschaften fest.\nKurzer oder langer Laut?");
    state_.Points = 300;
    entry_->setText("k");
    EXPECT_TRUE(Message().isEmpty());
}

TEST_F(QuatschverbenTest, MadeUpWordsAreJudgedByTheirSeparatorAndTheVerbList) {
    WriteFile(folder_, "VERBEN.TXT", "kochen\r\n");
    auto queueMadeUp = [&](TextView onset, TextView pattern, int ending) {
        const SyllableTables& t = screen_->tables();
        auto index = [](const std::vector<Text>& table, TextView entry) {
            return static_cast<int>(std::find(table.begin(), table.end(), entry) - table.begin());
        };
        random_.Clear();
        random_.QueueDraw(0, 3);
        random_.QueueDraw(index(t.OnsetTable, onset), 46);
        random_.QueueDraw(index(t.PatternTable, pattern), 412);
        random_.QueueDraw(ending, 7);
    };
    // Made-up b + a-d + en: the same parts as the listed "baden", so it counts as real.
    queueMadeUp(U"b", U"a-d", 0);
    Press("Bild11");
    ASSERT_TRUE(screen_->currentWord().Generated);
    EXPECT_EQ(screen_->currentWord().Marked, U"1b2a-d3en");
    Press("Befehl3");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Signal("Figur7"), PaletteColor(10));

    // w + a.ck + eln: short, and not a listed verb; skipping costs nothing.
    queueMadeUp(U"w", U"a.ck", 5);
    Press("Bild2");
    EXPECT_EQ(screen_->currentWord().Separated, U"wa.ckeln");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Signal("Figur7"), kNoSignal);
    Press("Befehl5");
    Press("Befehl4");
    EXPECT_EQ(state_.Points, 3);
    // The separator buttons and the keyboard together.
    Type("wa");
    Press("Label1");
    Type("ckeln");
    EXPECT_EQ(state_.Points, 3 + 8);
}

TEST_F(QuatschverbenTest, PanelsHoldTheClockAndGiveItBack) {
    NextWordsAreListed(kBaden);
    Press("Bild11");
    // Without a best list there is nothing to show: the run goes on.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bezeichnung7");
    EXPECT_EQ(dialogs_.last().text, U"Es wurde noch keine Bestenliste gespeichert.\r");
    EXPECT_TRUE(screen_->isRunning());
    Ticks(3);
    ASSERT_EQ(state_.TimeLeftMs, 597000);

    // Instructions: opened by their icon, closed by the icon or by the message line.
    Press("Bild3");
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 1);
    EXPECT_EQ(Items(screen_, "Liste5").front(), "Anleitung Quatsch -Verben:");
    // Answers wait while the clock stands still.
    screen_->AnswerLongVowel();
    EXPECT_EQ(state_.Points, 0);
    Press("Bild3");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 0);
    Press("Bild3");
    Press("Bezeichnung11");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_FALSE(screen_->instructionsInView());

    // The best list with records for other durations only: shown empty, with the message.
    WriteFile(folder_, "BESTVERB.LST", ">  5      12   05.12.2026   Freund und Gast\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bezeichnung7");
    EXPECT_EQ(dialogs_.last().text, U"Für 10 Minuten sind keine Einträge vorhanden!\r");
    EXPECT_TRUE(screen_->bestListInView());
    EXPECT_FALSE(screen_->isRunning());
    Press("Bezeichnung11");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.TimeLeftMs, 597000);

    // Stopping a paused run: closing the panel later does not bring the clock back.
    Press("Bild3");
    Press("Bild12");
    Press("Bezeichnung11");
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 0);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

} // namespace
} // namespace tamurik::testing
