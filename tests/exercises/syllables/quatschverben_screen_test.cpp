// The Quatschverben screen: a timed run of words, the three decisions, the typed word, the
// panels that hold the clock, the best list per duration and the points the child keeps.

#include "exercises/syllables/quatschverben_screen.h"

#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <fstream>
#include <iterator>

namespace tamurik::testing {
namespace {

// Lines of the verb list the fixture writes (WriteWordFiles), from 1.
constexpr int kBaden = 3;  // 1b2a-d3en
constexpr int kKochen = 8; // 1k2o.ch3en
constexpr int kVerbLines = 12;

class QuatschverbenTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "VERBEN.TXT", "baden\r\nkochen\r\nschuften\r\n");
        Start();
        state_.Points = 30;
        navigator_->Open(ScreenId::Quatschverben);
        screen_ = dynamic_cast<QuatschverbenScreen*>(navigator_->existing(ScreenId::Quatschverben));
        ASSERT_NE(screen_, nullptr);
        entry_ = Find<QLineEdit>(screen_, "Text1");
        message_ = Find<QLabel>(screen_, "Bezeichnung11");
        points_ = Find<QLabel>(screen_, "Bezeichnung9");
    }

    // Every following word is this line of the verb list.
    void NextWordsAreListed(int line) {
        random_.Clear();
        random_.QueueDraw(1, 3);
        random_.QueueDraw(line - 1, kVerbLines);
    }
    void SetMinutes(int minutes) { Find<QScrollBar>(screen_, "HBildlauf1")->setValue(minutes); }
    void Type(const QString& text) { QTest::keyClicks(entry_, text); }
    void Press(const char* button) { Click(Find<QWidget>(screen_, button)); }
    QString Message() const { return message_->text(); }
    QColor MessageColour() const { return message_->palette().color(QPalette::WindowText); }
    QColor Signal(const char* name) {
        return Find<QWidget>(screen_, name)->palette().color(QPalette::Window);
    }
    std::string BestVerbFile() const {
        std::ifstream in(folder_ / "BESTVERB.LST", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            screen_->ClockTick();
    }
    QStringList Items(const char* list) {
        QStringList items;
        auto* widget = Find<QListWidget>(screen_, list);
        for (int i = 0; i < widget->count(); ++i)
            items << widget->item(i)->text();
        return items;
    }

    QuatschverbenScreen* screen_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* points_ = nullptr;
};

TEST_F(QuatschverbenTest, IdleScreenWaitsForTheGreenLight) {
    EXPECT_EQ(screen_->tables().PatternTable.size(), 412u);
    EXPECT_FALSE(entry_->isEnabled());
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(points_->text(), "30");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung7")->text(), "10");
    EXPECT_EQ(Message(), "Stelle eine Zeitdauer ein und klicke auf die grüne Ampel.\nKlicke auf "
                         "das lila Feld für die Bestenliste.");
    // The word display and the entry use the font of the settings.
    EXPECT_EQ(entry_->font().family(), QFont(QStringLiteral("Verdana")).family());
    // Answers before the start change nothing.
    Press("Befehl5");
    Press("Label1");
    EXPECT_EQ(state_.Points, 30);
    EXPECT_TRUE(entry_->text().isEmpty());
    // Closing empties the tables; coming back fills them again.
    Press("Bild1");
    EXPECT_TRUE(screen_->tables().empty());
    navigator_->Open(ScreenId::Quatschverben);
    EXPECT_EQ(screen_->tables().OnsetTable.size(), 46u);
}

TEST_F(QuatschverbenTest, OneMinuteRunEndsAfterSixtyTicksAndEntersTheBestList) {
    SetMinutes(1);
    NextWordsAreListed(kBaden);
    Press("Bild11");
    ASSERT_TRUE(screen_->isRunning());
    EXPECT_EQ(screen_->currentWord().Separated, U"ba-den");
    EXPECT_TRUE(entry_->isEnabled());
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(points_->text(), "0");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung8")->text(), "60");
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
    EXPECT_EQ(points_->text(), "12");

    Ticks(59);
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung8")->text(), "1");
    EXPECT_TRUE(dialogs_.shown().empty());
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->ClockTick();
    EXPECT_FALSE(screen_->isRunning());
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().title, U"Zeitlimit");
    EXPECT_EQ(dialogs_.last().text,
              U"Die Zeit ist jetzt abgelaufen!\rDu hast 12 Punkte erreicht.\r");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::Ok);

    EXPECT_EQ(BestVerbFile(), ">  1      12   05.12.2026   Freund und Gast\r\n");
    EXPECT_EQ(state_.Points, 42) << "the score is added to the points from before";
    EXPECT_EQ(screen_->pointsBeforeRun(), 42);
    EXPECT_EQ(points_->text(), "0");
    EXPECT_FALSE(entry_->isEnabled());
    EXPECT_TRUE(Find<QLabel>(screen_, "Bezeichnung8")->text().isEmpty());
    // The list for one minute is shown, without pausing anything.
    EXPECT_TRUE(screen_->bestListInView());
    EXPECT_EQ(Items("Liste6"), QStringList{"  1      12   05.12.2026   Freund und Gast"});
    EXPECT_EQ(state_.PanelOpen, 0);
    EXPECT_EQ(Message(), "Stelle eine Zeitdauer ein und klicke auf den START-Knopf.\nKlicke auf "
                         "das lila Feld für die Bestenliste.");

    // A second run on the same visit counts from the new total.
    NextWordsAreListed(kBaden);
    Press("Bild11");
    EXPECT_FALSE(screen_->bestListInView()) << "starting puts the list away";
    Press("Befehl6");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Ticks(60);
    EXPECT_EQ(state_.Points, 43);
    EXPECT_EQ(BestVerbFile(), ">  1      12   05.12.2026   Freund und Gast\r\n"
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
    EXPECT_EQ(state_.Points, 30);
    EXPECT_EQ(points_->text(), "30");

    // A duration change while the clock runs ends the run silently.
    Press("Bild11");
    Press("Befehl3");
    SetMinutes(5);
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_FALSE(entry_->isEnabled());
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung7")->text(), "5");
    EXPECT_EQ(state_.Points, 30);

    // Time up with nothing earned: the message, no record.
    SetMinutes(1);
    Press("Bild11");
    Press("Befehl5");
    EXPECT_EQ(state_.Points, 0) << "a wrong answer never goes below 0";
    EXPECT_EQ(Signal("Figur5"), PaletteColor(12));
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
    EXPECT_EQ(dialogs_.shown().size(), 1u);
}

TEST_F(QuatschverbenTest, TypedWordCompletesOnlyWithBothDecisions) {
    state_.Points = 0;
    NextWordsAreListed(kBaden);
    Press("Bild11");
    // The plain form asks for the separator.
    Type("baden");
    EXPECT_EQ(MessageColour(), PaletteColor(1));
    EXPECT_EQ(Message(), "Setze jetzt noch das richtige Trennzeichen ein!\nPunkt (.) für kurz      "
                         "o d e r      Strich (-) für lang!");
    // Case counts.
    entry_->setText("Ba-den");
    EXPECT_EQ(MessageColour(), PaletteColor(12));
    EXPECT_EQ(Message(), "Achte auf die rote Signalgruppe!\nVokal  k u r z :  mindestens 2 "
                         "Konsonanten folgen!");
    // Extra characters around the right word do not count against it.
    entry_->setText("xba-deny");
    EXPECT_EQ(MessageColour(), PaletteColor(2));
    EXPECT_EQ(Message(), "Lege die Eigenschaften fest.\nLaut und Verb einstellen.");
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
    EXPECT_TRUE(Message().isEmpty());
    EXPECT_EQ(Signal("Figur5"), QColor(192, 255, 255));
    EXPECT_EQ(Signal("Figur7"), QColor(192, 255, 255));

    // Only the vowel decision open.
    Press("Befehl3");
    Type("ko.chen");
    EXPECT_EQ(Message(), "Lege die Eigenschaften fest.\nKurzer oder langer Laut?");
    // From 200 points on the red hint is left out.
    SCOPED_TRACE("many points");
    state_.Points = 300;
    entry_->setText("k");
    EXPECT_TRUE(Message().isEmpty());
}

TEST_F(QuatschverbenTest, MadeUpWordsAreJudgedByTheirSeparatorAndTheVerbList) {
    // Made-up b + a-d + en: the same parts as the listed "baden", so it counts as real.
    WriteFile(folder_, "VERBEN.TXT", "kochen\r\n");
    auto queueMadeUp = [&](int onset, int pattern, int ending) {
        random_.Clear();
        random_.QueueDraw(0, 3);
        random_.QueueDraw(onset, 46);
        random_.QueueDraw(pattern, 412);
        random_.QueueDraw(ending, 7);
    };
    const SyllableTables& t = screen_->tables();
    auto index = [](const std::vector<Text>& table, TextView entry) {
        return static_cast<int>(std::find(table.begin(), table.end(), entry) - table.begin());
    };
    queueMadeUp(index(t.OnsetTable, U"b"), index(t.PatternTable, U"a-d"), 0);
    Press("Bild11");
    ASSERT_TRUE(screen_->currentWord().Generated);
    EXPECT_EQ(screen_->currentWord().Marked, U"1b2a-d3en");
    Press("Befehl3");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Signal("Figur7"), PaletteColor(10));

    // w + a.ck + eln: short, and not a listed verb.
    queueMadeUp(index(t.OnsetTable, U"w"), index(t.PatternTable, U"a.ck"), 5);
    Press("Bild2");
    EXPECT_EQ(screen_->currentWord().Separated, U"wa.ckeln");
    EXPECT_EQ(state_.Points, 1) << "skipping costs nothing";
    EXPECT_EQ(Signal("Figur7"), QColor(192, 255, 255));
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
    Ticks(3);
    ASSERT_EQ(state_.TimeLeftMs, 597000);

    // Instructions: opened and closed by their icon.
    Press("Bild3");
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 1);
    EXPECT_TRUE(screen_->instructionsInView());
    const QStringList lines = Items("Liste5");
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[0], "Anleitung Quatsch -Verben:");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Bei langem Stammvokal ( a e i o u ä ö ü / au ai ei eu äu ie )");
    EXPECT_EQ(lines[19], "Ausnahme: ck     ba.cken, wa.ckeln");
    EXPECT_EQ(Message(), "\nKLICKE HIER, UM DIE ANLEITUNG WIEDER ZU VERSTECKEN . . .\n");
    // Answers wait while the clock stands still.
    screen_->AnswerLongVowel();
    EXPECT_EQ(state_.Points, 0);
    Press("Bild3");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 0);
    EXPECT_FALSE(screen_->instructionsInView());
    EXPECT_EQ(state_.TimeLeftMs, 597000);

    // Instructions closed by the message line.
    Press("Bild3");
    Press("Bezeichnung11");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(Message(), "Klicke zuerst auf die Knöpfe und bestimme so die Eigenschaften!\n"
                         "Schreibe dann das Wort und setze das richtige Trennzeichen ein!");

    // The verb list: without marks, in order, at the current word; its detail view.
    Press("Bild4");
    EXPECT_FALSE(screen_->isRunning());
    auto* list = Find<QListWidget>(screen_, "Liste4");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), kVerbLines);
    EXPECT_EQ(list->item(0)->text(), "baden");
    EXPECT_EQ(list->item(kVerbLines - 1)->text(), "wissen");
    EXPECT_TRUE(Items("Liste4").contains("säumen = warten, zögern"));
    EXPECT_EQ(list->currentItem()->text(), "baden");
    list->setCurrentRow(9);
    QTest::keyClick(list, Qt::Key_Return);
    auto* detail = Find<QPlainTextEdit>(screen_, "Text2");
    EXPECT_TRUE(detail->isVisible());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(detail->toPlainText(), "schuften = schwer arbeiten, sich plagen");
    EXPECT_EQ(Message(), "Klicke hier, um die Detailansicht wieder zu schließen!");
    Press("Bezeichnung11");
    EXPECT_FALSE(detail->isVisible());
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(screen_->isRunning());
    Press("Bezeichnung11");
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(screen_->isRunning());

    // The best list with records for other durations only: shown empty, with the message.
    WriteFile(folder_, "BESTVERB.LST", ">  5      12   05.12.2026   Freund und Gast\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bezeichnung7");
    EXPECT_EQ(dialogs_.last().text, U"Für 10 Minuten sind keine Einträge vorhanden!\r");
    EXPECT_EQ(dialogs_.last().title, U"Bestenliste");
    EXPECT_TRUE(screen_->bestListInView());
    EXPECT_EQ(Find<QListWidget>(screen_, "Liste6")->count(), 0);
    EXPECT_FALSE(screen_->isRunning());
    Press("Bezeichnung11");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.TimeLeftMs, 597000);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(QuatschverbenTest, MissingBestListLeavesTheRunGoing) {
    NextWordsAreListed(kBaden);
    Press("Bild11");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bezeichnung7");
    EXPECT_EQ(dialogs_.last().text, U"Es wurde noch keine Bestenliste gespeichert.\r");
    EXPECT_EQ(dialogs_.last().title, U"Bestenliste");
    EXPECT_FALSE(screen_->bestListInView());
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 0);
}

TEST_F(QuatschverbenTest, StoppedOrChangedWhilePaused) {
    // Stopping a paused run: closing the panel later does not bring the clock back.
    NextWordsAreListed(kBaden);
    Press("Bild11");
    Press("Bild3");
    Press("Bild12");
    Press("Bezeichnung11");
    EXPECT_FALSE(screen_->isRunning());
    EXPECT_EQ(state_.PanelOpen, 0);

    // A duration change while paused keeps the run; its record carries the new duration.
    SetMinutes(1);
    Press("Bild11");
    Press("Befehl6");
    Ticks(20);
    Press("Bild3");
    SetMinutes(2);
    EXPECT_TRUE(screen_->isRunOn());
    Press("Bild3");
    EXPECT_TRUE(screen_->isRunning());
    EXPECT_EQ(state_.TimeLeftMs, 40000);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Ticks(40);
    EXPECT_EQ(BestVerbFile(), ">  2       1   05.12.2026   Freund und Gast\r\n");
}

TEST_F(QuatschverbenTest, BestListShowsOneDurationMostPointsFirst) {
    WriteFile(folder_, "BESTVERB.LST",
              ">  1       5   01.12.2026   Anna\r\n"
              "< 10      40   03.12.2026   Cem\r\n"
              "<  1      17   02.12.2026   Ben <b>\r\n"
              ">  1      17   01.12.2026   Ada\r\n");
    SetMinutes(1);
    Press("Bezeichnung7");
    EXPECT_TRUE(screen_->bestListInView());
    EXPECT_EQ(Items("Liste6"),
              (QStringList{"  1      17   02.12.2026   Ben <b>", "  1      17   01.12.2026   Ada",
                           "  1       5   01.12.2026   Anna"}));
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung17")->text(),
              "Zeit  Punkte  Spieldatum   Benutzername");
    EXPECT_EQ(MessageColour(), PaletteColor(5));
    EXPECT_EQ(state_.PanelOpen, 0) << "no run to hold";
    Press("Bezeichnung11");
    EXPECT_FALSE(screen_->bestListInView());
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(QuatschverbenTest, LetterStripAndSeparatorButtonsTypeAtTheCaret) {
    auto* strip = Find<PictureSurface>(screen_, "Bild6");
    auto* marker = Find<QLabel>(screen_, "Bezeichnung16");
    const int shortHeight = screen_->height();
    Press("Bild8");
    EXPECT_EQ(screen_->heightTwips(), 5550);
    EXPECT_GT(screen_->height(), shortHeight);
    EXPECT_TRUE(strip->isVisible());

    NextWordsAreListed(kBaden);
    Press("Bild11");
    Type("baen");
    entry_->setCursorPosition(2);
    Press("Label2");
    EXPECT_EQ(entry_->text(), "ba-en");
    EXPECT_EQ(entry_->cursorPosition(), 3);
    EXPECT_EQ(screen_->focusWidget(), entry_) << "typing goes on in the entry";
    // "d" is letter 5: its cell runs from 1200 to 1500 twips.
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(Px(1210), Px(200)));
    EXPECT_EQ(entry_->text(), "ba-den");
    EXPECT_EQ(marker->text(), "d");
    EXPECT_EQ(marker->x(), Px(1200));
    // The last cells hold the separators; a press past the end takes the last one.
    entry_->clear();
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(Px(9000 + 150), Px(200)));
    screen_->PressLetterStrip(20000);
    EXPECT_EQ(entry_->text(), ".-");
    // The marker types its letter again, also when no run is on.
    Press("Bild12");
    Click(marker);
    EXPECT_EQ(entry_->text(), "-");
    Press("Label1");
    EXPECT_EQ(entry_->text(), "-") << "the separator buttons only work during a run";

    Press("Bild8");
    EXPECT_EQ(screen_->height(), shortHeight);
}

TEST_F(QuatschverbenTest, MissingRealVerbsAreToldOnceThenListedVerbsOnly) {
    std::filesystem::remove(folder_ / "VERBEN.TXT");
    random_.Clear();
    random_.QueueDraw(0, 3); // a made-up word is due ...
    random_.QueueDraw(30, 46);
    random_.QueueDraw(226, 412);
    random_.QueueDraw(0, 7);
    random_.QueueDraw(kKochen - 1, kVerbLines); // ... and a listed one comes instead
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bild11");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text,
              U"Die Systemdatei VERBEN.TXT fehlt!\rEs werden nur echte Verben gezeigt.\r");
    EXPECT_EQ(dialogs_.last().title, U"Dateifehler");
    EXPECT_FALSE(screen_->currentWord().Generated);
    EXPECT_EQ(screen_->currentWord().Separated, U"ko.chen");
    EXPECT_TRUE(screen_->isRunning()) << "the run goes on after the message";
    Press("Bild2");
    EXPECT_EQ(dialogs_.shown().size(), 1u);
}

TEST_F(QuatschverbenTest, EmptiedVerbListEndsTheRunWithAMessage) {
    NextWordsAreListed(kBaden);
    Press("Bild11");
    Press("Befehl6");
    WriteFile(folder_, "ZAHLVERB.TXT", "\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press("Bild2");
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Quatschverben");
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLVERB.TXT"), Text::npos);
    EXPECT_FALSE(screen_->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_EQ(state_.Points, 30);
}

TEST_F(QuatschverbenTest, ColourFieldsStepTheSharedColours) {
    state_.ColorAnfang = 13;
    state_.ColorBlatt = 15;
    screen_->CycleColour(3);
    EXPECT_EQ(state_.ColorAnfang, 14);
    screen_->CycleColour(3);
    EXPECT_EQ(state_.ColorAnfang, 0);
    screen_->CycleColour(6);
    EXPECT_EQ(state_.ColorBlatt, 0);
    EXPECT_EQ(screen_->palette().color(QPalette::Window), PaletteColor(0));
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung6")->palette().color(QPalette::Window),
              PaletteColor(0));
}

} // namespace
} // namespace tamurik::testing
