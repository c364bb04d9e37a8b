// What the exercises tell the learning record: every answer of the child with its exercise,
// word, question, given answer, result and time; and the due verbs that come back in the
// draws, one in three, only where they pass the exercise's selection.

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "exercises/rhymes/reimverben_memory_screen.h"
#include "exercises/rhymes/reimverben_schreiben_screen.h"
#include "exercises/rhymes/verbbedeutung_screen.h"
#include "exercises/syllables/abc_verben_screen.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/syllables/verben_schnell_lesen_screen.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "exercises/wordbuilding/verbformen_screen.h"
#include "tests/support/recording_record.h"
#include "ui/text_qt.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

namespace tamurik::testing {
namespace {

using Lines = std::vector<std::string>;

class RecordReportsTest : public RecordTest {
protected:
    // The program with these verb lines, the clock at 10 s.
    void StartWith(const std::string& verbs) {
        if (!verbs.empty())
            WriteFile(folder_, "ZAHLVERB.TXT", verbs);
        clock_.SetMs(10'000);
        StartRecording();
    }
    // The next answer comes this many milliseconds later.
    void Wait(std::int64_t ms) { clock_.AdvanceMs(ms); }
    void PickItem(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
    }
    void PickText(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(items.empty()) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(items.front()).center());
    }
};

TEST_F(RecordReportsTest, VerbenTrennenReportsEachEnterWithTheGapChosen) {
    StartWith("1sp2ie-l3en\r\n1b2a-d3en\r\n");
    random_.QueueDraw(5, 10); // every line stays in the sample
    auto* screen = OpenScreen<VerbenTrennenScreen>(ScreenId::VerbenTrennen);
    Wait(700);
    QTest::keyClick(screen->scrollBar(), Qt::Key_Return);
    Wait(300);
    screen->scrollBar()->setValue(2400);
    QTest::keyClick(screen->scrollBar(), Qt::Key_Return);
    EXPECT_EQ(Reported(), (Lines{
                              "verben_trennen | 1sp2ie-l3en | trennung | |spielen | falsch | 700 "
                              "ms | Verbliste",
                              "verben_trennen | 1sp2ie-l3en | trennung | spie|len | richtig | 300 "
                              "ms | Verbliste",
                          }));
}

TEST_F(RecordReportsTest, SchnellLesenReportsPicksAndASecondFlash) {
    StartWith("1b2a-d3en\r\n1k2o.ch3en\r\n");
    // The list alternates baden and kochen; kochen is chosen.
    random_.QueueDraw(0, 2);
    random_.QueueDraw(1, 2);
    auto* screen = OpenScreen<SchnellLesenScreen>(ScreenId::SchnellLesen);
    ASSERT_EQ(screen->chosenWord(), U"1k2o.ch3en");
    screen->FlashWord();
    screen->EndFlash();
    Wait(400);
    screen->FlashWord();
    screen->EndFlash();
    Wait(900);
    PickText(screen->list(), "baden");
    Wait(100);
    PickText(screen->list(), "kochen");
    EXPECT_EQ(Reported(), (Lines{
                              "verben_schnell_lesen | 1k2o.ch3en | lesen | nochmal | falsch | 400 "
                              "ms | Verbliste",
                              "verben_schnell_lesen | 1k2o.ch3en | lesen | baden | falsch | 900 "
                              "ms | Verbliste",
                              "verben_schnell_lesen | 1k2o.ch3en | lesen | kochen | richtig | 100 "
                              "ms | Verbliste",
                          }));
}

TEST_F(RecordReportsTest, AbcVerbenReportsThePickForTheAskedPlace) {
    StartWith("1g2e-h3en\r\n1b2a.ck3en\r\n1b2a-d3en\r\n1ah-n3en\r\n1f2ah-r3en\r\n");
    for (int round = 0; round < 2; ++round)
        for (int k = 0; k < 5; ++k)
            random_.QueueDraw(k, 5);
    random_.QueueDraw(1, 5); // the 2nd place: backen
    auto* screen = OpenScreen<AbcVerbenScreen>(ScreenId::AbcVerben);
    Wait(500);
    PickText(screen->list(), "b a d e n ");
    Wait(250);
    PickText(screen->list(), "b a c k e n ");
    EXPECT_EQ(Reported(), (Lines{
                              "abc_verben | 1b2a.ck3en | abc | baden | falsch | 500 ms | Verbliste",
                              "abc_verben | 1b2a.ck3en | abc | backen | richtig | 250 ms | "
                              "Verbliste",
                          }));
}

TEST_F(RecordReportsTest, VerbbedeutungReportsTheChosenMeaningAndTheHint) {
    StartWith("");
    auto* screen = OpenScreen<VerbbedeutungScreen>(ScreenId::Verbbedeutung);
    ASSERT_EQ(screen->currentLine(), U"1sch2uf.t3en = schwer arbeiten, sich plagen");
    Wait(1500);
    screen->CheckMeaning(2);
    Wait(500);
    screen->ShowHint();
    Wait(200);
    screen->CheckMeaning(1);
    EXPECT_EQ(Reported(), (Lines{
                              "verbbedeutung | 1sch2uf.t3en | bedeutung | warten, zögern | falsch "
                              "| 1500 ms | Verbliste",
                              "verbbedeutung | 1sch2uf.t3en | bedeutung | Tipp | falsch | 500 ms "
                              "| Verbliste",
                              "verbbedeutung | 1sch2uf.t3en | bedeutung | schwer arbeiten, sich "
                              "plagen | richtig | 200 ms | Verbliste",
                          }));
}

TEST_F(RecordReportsTest, GalgenspielReportsEachLetterAndTheHint) {
    StartWith("");
    random_.QueueDraw(1, 2); // "seltene": säumen
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    auto* board = Find<QListWidget>(screen, "Liste1");
    Wait(300);
    PickText(board, " x ");
    Wait(200);
    PickText(board, " s ");
    Wait(100);
    screen->ShowHint();
    EXPECT_EQ(Reported(),
              (Lines{
                  "galgenspiel | 1s2äu-m3en | buchstabe | x | falsch | 300 ms | Verbliste",
                  "galgenspiel | 1s2äu-m3en | buchstabe | s | richtig | 200 ms | Verbliste",
                  "galgenspiel | 1s2äu-m3en | buchstabe | Tipp | falsch | 100 ms | Verbliste",
              }));
}

TEST_F(RecordReportsTest, VerbformenReportsEachSlipOnceAndEachFormTyped) {
    StartWith("1l2au-f3en\r\n");
    auto* screen = OpenScreen<VerbformenScreen>(ScreenId::Verbformen);
    QLineEdit* box = screen->textBox();
    Wait(100);
    box->setText("lx");
    box->setText("lxy"); // still the same slip
    box->setText("l");
    Wait(400);
    box->setText("laufe");
    Wait(600);
    box->setText("laufst");
    box->setText("");
    Wait(100);
    box->setText("läufst");
    Wait(50);
    Click(Find<QWidget>(screen, "Bild3"));
    EXPECT_EQ(Reported(),
              (Lines{
                  "verbformen | 1l2au-f3en | ich | lx | falsch | 100 ms | Verbliste",
                  "verbformen | 1l2au-f3en | ich | laufe | richtig | 400 ms | Verbliste",
                  "verbformen | 1l2au-f3en | du | laufst | falsch | 600 ms | Verbliste",
                  "verbformen | 1l2au-f3en | du | läufst | richtig | 100 ms | Verbliste",
                  "verbformen | 1l2au-f3en | er | Lösung | falsch | 50 ms | Verbliste",
              }));
}

TEST_F(RecordReportsTest, ZusammenpuzzelnReportsEachJudgedDrop) {
    StartWith("1sp2ie-l3en\r\n1w2i.ck3eln\r\n1r2u-d3ern\r\n");
    auto* screen = OpenScreen<ZusammenpuzzelnScreen>(ScreenId::Zusammenpuzzeln);
    const auto tile = [&](const Text& caption) {
        for (int i = 0; i < PuzzleBoard::kTiles; ++i)
            if (screen->board().tile(i) == caption)
                return i;
        ADD_FAILURE() << Utf8(caption);
        return 0;
    };
    Wait(100);
    screen->DropPart(0, tile(U"en")); // an end on the first field
    Wait(100);
    screen->DropPart(0, tile(U"sp"));
    Wait(100);
    screen->DropPart(1, tile(U"ick")); // wickeln's middle while spielen is being built
    screen->DropPart(0, tile(U"w"));   // a taken field judges nothing
    Wait(100);
    screen->DropPart(1, tile(U"iel"));
    screen->DropPart(2, tile(U"en"));
    Wait(100);
    screen->ShowSolution();
    std::vector<std::string> reported = Reported();
    ASSERT_EQ(reported.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(reported.begin(), reported.begin() + 5),
              (Lines{
                  "verben_zusammenpuzzeln | 1sp2ie-l3en | wortteil | en | falsch | 100 ms | "
                  "Verbliste",
                  "verben_zusammenpuzzeln | 1sp2ie-l3en | wortteil | sp | richtig | 100 ms | "
                  "Verbliste",
                  "verben_zusammenpuzzeln | 1sp2ie-l3en | wortteil | ick | falsch | 100 ms | "
                  "Verbliste",
                  "verben_zusammenpuzzeln | 1sp2ie-l3en | wortteil | iel | richtig | 100 ms | "
                  "Verbliste",
                  "verben_zusammenpuzzeln | 1sp2ie-l3en | wortteil | en | richtig | 0 ms | "
                  "Verbliste",
              }));
    // The solution gives up the two verbs still to find, in the board's order.
    std::vector<std::string> givenUp;
    for (auto line = reported.begin() + 5; line != reported.end(); ++line)
        givenUp.push_back(line->substr(0, line->find(" | falsch")));
    std::sort(givenUp.begin(), givenUp.end());
    EXPECT_EQ(givenUp, (Lines{"verben_zusammenpuzzeln | 1r2u-d3ern | wortteil | Lösung",
                              "verben_zusammenpuzzeln | 1w2i.ck3eln | wortteil | Lösung"}));
}

TEST_F(RecordReportsTest, ZusammensetzenReportsEachLetterClickedAndTheHelps) {
    StartWith("1b2a-d3en\r\n");
    auto* screen = OpenScreen<ZusammensetzenScreen>(ScreenId::Zusammensetzen);
    const auto click = [&](std::size_t letter) {
        const LetterCell& cell = screen->grid().cells().at(letter);
        screen->ClickLetter(kGridMargin + kCellSize * cell.column + kCellSize / 2.0,
                            kGridMargin + kCellSize * cell.row + kCellSize / 2.0);
    };
    Wait(800);
    click(1); // "a" before "b"
    Wait(200);
    click(0);
    Wait(100);
    screen->ShowFirstLetter();
    EXPECT_EQ(Reported(), (Lines{
                              "verben_zusammensetzen | 1b2a-d3en | buchstabe | a | falsch | 800 ms "
                              "| Verbliste",
                              "verben_zusammensetzen | 1b2a-d3en | buchstabe | b | richtig | 200 "
                              "ms | Verbliste",
                              "verben_zusammensetzen | 1b2a-d3en | buchstabe | Tipp | falsch | 100 "
                              "ms | Verbliste",
                          }));
}

TEST_F(RecordReportsTest, VerbenSchreibenReportsEachSlipOnceAndEachVerbCopied) {
    StartWith("1b2a-d3en\r\n");
    auto* screen = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
    Click(Find<QWidget>(screen, "Bild3"));
    Wait(300);
    screen->typing()->setText("bx");
    screen->typing()->setText("bxy");
    screen->typing()->setText("b");
    Wait(700);
    screen->typing()->setText("baden");
    Wait(100);
    screen->ShowExplanation();
    EXPECT_EQ(Reported(),
              (Lines{
                  "verben_schreiben | 1b2a-d3en | schreibweise | bx | falsch | 300 ms | Verbliste",
                  "verben_schreiben | 1b2a-d3en | schreibweise | baden | richtig | 700 ms | "
                  "Verbliste",
                  "verben_schreiben | 1b2a-d3en | schreibweise | Tipp | falsch | 100 ms | "
                  "Verbliste",
              }));
}

TEST_F(RecordReportsTest, MemoryReportsEachPairTurnedAndTheHint) {
    StartWith("");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    auto* screen = OpenScreen<MemoryScreen>(ScreenId::Memory);
    Click(Find<QWidget>(screen, "Bild5"));
    const auto fieldsOf = [&](int pair) {
        std::vector<int> fields;
        for (int f = 1; f <= kMemoryFields; ++f)
            if (screen->game().card(f).pair == pair)
                fields.push_back(f);
        return fields;
    };
    const std::vector<int> one = fieldsOf(1);
    const std::vector<int> two = fieldsOf(2);
    const Text& asked = screen->game().card(one[0]).word;
    Wait(100);
    screen->TurnCard(one[0]);
    Wait(300);
    screen->TurnCard(two[0]);
    Wait(200);
    screen->TurnCard(one[0]); // turns the wrong pair back; one[0] is asked again
    Wait(50);
    screen->ShowHint();
    Wait(150);
    screen->TurnCard(one[1]);
    const std::string item = Utf8(asked);
    const std::string wrong = Utf8(CleanWord(screen->game().card(two[0]).word));
    const std::string partner = Utf8(CleanWord(screen->game().card(one[1]).word));
    EXPECT_EQ(Reported(), (Lines{
                              "reimverben_memory | " + item + " | reimpartner | " + wrong +
                                  " | falsch | 300 ms | ohne Kartei",
                              "reimverben_memory | " + item +
                                  " | reimpartner | Tipp | falsch | 50 ms | ohne Kartei",
                              "reimverben_memory | " + item + " | reimpartner | " + partner +
                                  " | richtig | 150 ms | ohne Kartei",
                          }));
}

TEST_F(RecordReportsTest, ReimverbenFindenReportsTheRowChosenForTheOfferedPartner) {
    StartWith("");
    auto* screen = OpenScreen<ReimverbenFindenScreen>(ScreenId::ReimverbenFinden);
    auto* slider = Find<QScrollBar>(screen, "VBildlauf1");
    const int target = screen->targetRow();
    const int other = target % kRhymeSetSize + 1;
    const RhymePair pair = screen->pairs()[static_cast<std::size_t>(target - 1)];
    const Text otherVerb = CleanWord(screen->pairs()[static_cast<std::size_t>(other - 1)].first);
    Wait(400);
    slider->setValue(other);
    QTest::keyClick(slider, Qt::Key_Return);
    Wait(100);
    screen->ShowHint();
    Wait(200);
    slider->setValue(target);
    QTest::keyClick(slider, Qt::Key_Return);
    screen->FinishSlide();
    const std::string item = Utf8(pair.partner);
    EXPECT_EQ(Reported(), (Lines{
                              "reimverben_finden | " + item + " | reimpartner | " +
                                  Utf8(otherVerb) + " | falsch | 400 ms | ohne Kartei",
                              "reimverben_finden | " + item +
                                  " | reimpartner | Tipp | falsch | 100 ms | ohne Kartei",
                              "reimverben_finden | " + item + " | reimpartner | " +
                                  Utf8(CleanWord(pair.first)) + " | richtig | 200 ms | ohne Kartei",
                          }));
}

TEST_F(RecordReportsTest, ReimverbenSchreibenReportsEachLetterOfThePartner) {
    StartWith("");
    // "wickeln" / "kickeln" first.
    random_.QueueDraw(4, 9);
    for (int k : {0, 1, 2, 3, 5, 6, 7, 8})
        random_.QueueDraw(k, 9);
    auto* screen = OpenScreen<ReimverbenSchreibenScreen>(ScreenId::ReimverbenSchreiben);
    ASSERT_EQ(screen->expectedWord(), U"kickeln");
    auto* input = Find<QLineEdit>(screen, "Text1");
    Wait(900);
    input->setText("x");
    Wait(100);
    input->setText("k");
    EXPECT_EQ(Reported(), (Lines{
                              "reimverben_schreiben | 1k2i.ck3eln | buchstabe | x | falsch | 900 "
                              "ms | ohne Kartei",
                              "reimverben_schreiben | 1k2i.ck3eln | buchstabe | k | richtig | 100 "
                              "ms | ohne Kartei",
                          }));
}

TEST_F(RecordReportsTest, QuatschverbenReportsTheDecisionsAndTheSeparatedWord) {
    WriteFile(folder_, "VERBEN.TXT", "baden\r\nkochen\r\nschuften\r\n");
    StartWith("");
    auto* screen = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
    random_.Clear();
    random_.QueueDraw(1, 3);  // a verb of the list ...
    random_.QueueDraw(2, 12); // ... baden
    Click(Find<QWidget>(screen, "Bild11"));
    ASSERT_EQ(screen->currentWord().Marked, U"1b2a-d3en");
    auto* entry = Find<QLineEdit>(screen, "Text1");
    Wait(400);
    Click(Find<QWidget>(screen, "Befehl5"));
    Wait(300);
    Click(Find<QWidget>(screen, "Befehl3"));
    Wait(500);
    entry->setText("ba.den");
    entry->setText("ba.de");
    random_.Clear(); // the next word is made up
    Wait(200);
    entry->setText("ba-den");
    ASSERT_TRUE(screen->currentWord().Generated);
    const std::string madeUp = Utf8(screen->currentWord().Marked);
    Wait(600);
    Click(Find<QWidget>(screen, "Befehl4"));
    EXPECT_EQ(Reported(),
              (Lines{
                  "quatschverben | 1b2a-d3en | vokallaenge | kurz | falsch | 400 ms | Verbliste",
                  "quatschverben | 1b2a-d3en | echt | echt | richtig | 300 ms | Verbliste",
                  "quatschverben | 1b2a-d3en | trennung | ba.den | falsch | 500 ms | Verbliste",
                  "quatschverben | 1b2a-d3en | trennung | ba-den | richtig | 200 ms | Verbliste",
                  "quatschverben | " + madeUp + " | echt | falsch | richtig | 600 ms | ohne Kartei",
              }));
}

// ---- Due verbs in the draws -----------------------------------------------------------------

TEST_F(RecordReportsTest, ADueVerbComesBackOneDrawInThreeAndOnlyWithinTheSelection) {
    StartWith("");
    // Galgenspiel draws among the rare verbs (schuften, säumen). kochen is due but not rare.
    record_.due = {U"1k2o.ch3en", U"1s2äu-m3en"};
    random_.QueueDraw(0, 3); // the draw in three for a due verb
    random_.QueueDraw(0, 1); // säumen, the one due verb among the rare ones
    random_.QueueDraw(1, 3); // a draw as before ...
    random_.QueueDraw(0, 2); // ... schuften
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    EXPECT_EQ(state_.CurrentWord, U"säumen");
    screen->StartWord();
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    // However often it is drawn, kochen never comes.
    random_.Clear();
    random_.QueueDraw(0, 3);
    for (int i = 0; i < 6; ++i) {
        screen->StartWord();
        EXPECT_NE(state_.CurrentWord, U"kochen");
    }
    EXPECT_EQ(record_.dueAsked, 8);
}

TEST_F(RecordReportsTest, QuatschverbenTakesADueVerbForAVerbOfTheList) {
    StartWith("");
    record_.due = {U"1k2o.ch3en"};
    auto* screen = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
    random_.Clear();
    random_.QueueDraw(1, 3); // a verb of the list
    random_.QueueDraw(0, 3); // the draw in three for a due verb
    random_.QueueDraw(0, 1);
    Click(Find<QWidget>(screen, "Bild11"));
    EXPECT_EQ(screen->currentWord().Marked, U"1k2o.ch3en");
}

TEST_F(RecordReportsTest, WithoutDueVerbsOrWithTheCardBoxOffTheDrawIsAsBefore) {
    StartWith("");
    // The number 0.25 would be a draw in three for a due verb; as the plain draw among two
    // rare verbs it gives schuften.
    random_.Queue(0.25);
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    EXPECT_EQ(record_.dueAsked, 1);

    navigator_->context().additions.cardBox = false;
    record_.due = {U"1s2äu-m3en"};
    screen->StartWord();
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    EXPECT_EQ(record_.dueAsked, 1) << "the card box is off: the record is not asked";
}

TEST_F(RecordReportsTest, ADueVerbTakesTheFirstPlaceOfAMeaningSetAndAPoolWord) {
    StartWith("1a2a-l3en = a\r\n1b2e-l3en = b\r\n1c2i-l3en = c\r\n1d2o-l3en = d\r\n"
              "1e2u-l3en = e\r\n");
    record_.due = {U"1e2u-l3en"};
    for (int open : {5, 4, 3, 2})
        random_.QueueDraw(0, open); // the first four verbs
    random_.QueueDraw(0, 3);
    random_.QueueDraw(0, 1);
    auto* meaning = OpenScreen<VerbbedeutungScreen>(ScreenId::Verbbedeutung);
    EXPECT_EQ(meaning->questions(), (std::deque<Text>{U"1e2u-l3en = e", U"1b2e-l3en = b",
                                                      U"1c2i-l3en = c", U"1d2o-l3en = d"}));
    navigator_->ShowMenu();

    // Verben schreiben takes its next verb from a pool; the due verb comes from the selection.
    random_.Clear();
    random_.QueueDraw(0, 3);
    random_.QueueDraw(0, 1);
    auto* schreiben = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
    Click(Find<QWidget>(schreiben, "Bild3"));
    EXPECT_EQ(schreiben->markedWord(), U"1e2u-l3en");
    EXPECT_EQ(std::count(schreiben->pool().begin(), schreiben->pool().end(), U"1e2u-l3en"), 0);
}

} // namespace
} // namespace tamurik::testing
