// What the exercises tell the learning record: every answer of the child with its exercise,
// word, question, given answer, result and time; and the due verbs that come back in the
// draws, one in three, only where they pass the exercise's selection.

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "exercises/rhymes/reimverben_memory_screen.h"
#include "exercises/rhymes/verbbedeutung_screen.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/hangman.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "tests/support/app_fixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace tamurik::testing {
namespace {

using Lines = std::vector<std::string>;

class RecordReportsTest : public AppTest {
protected:
    // The program with these verb lines (the fixture's own without), the clock at 10 s.
    void StartWith(const std::string& verbs = "") {
        if (!verbs.empty())
            WriteFile(folder_, "ZAHLVERB.TXT", verbs);
        clock_.SetMs(10'000);
        Start();
    }
    void Wait(std::int64_t ms) { clock_.AdvanceMs(ms); }
};

TEST_F(RecordReportsTest, VerbenZusammenpuzzeln) {
    StartWith("1sp2ie-l3en\r\n1w2i.ck3eln\r\n1r2u-d3ern\r\n");
    auto* screen = OpenScreen<ZusammenpuzzelnScreen>(ScreenId::Zusammenpuzzeln);
    const auto drop = [&](int field, const Text& caption) {
        for (int i = 0; i < PuzzleBoard::kTiles; ++i)
            if (screen->board().tile(i) == caption)
                return screen->DropPart(field, i);
        ADD_FAILURE() << Utf8(caption);
    };
    Wait(100);
    drop(0, U"en"); // an end on the first field
    drop(0, U"sp");
    drop(1, U"ick"); // wickeln's middle while spielen is being built
    drop(0, U"w");   // a taken field judges nothing
    drop(1, U"iel");
    drop(2, U"en");
    screen->ShowSolution();
    Lines took = Told("verben_zusammenpuzzeln", true);
    std::sort(took.end() - 2, took.end()); // the solution follows the board's order
    EXPECT_EQ(took, (Lines{"1sp2ie-l3en wortteil en - 100", "1sp2ie-l3en wortteil sp + 0",
                           "1sp2ie-l3en wortteil ick - 0", "1sp2ie-l3en wortteil iel + 0",
                           "1sp2ie-l3en wortteil en + 0", "1r2u-d3ern wortteil Lösung - 0",
                           "1w2i.ck3eln wortteil Lösung - 0"}));
}

TEST_F(RecordReportsTest, VerbenSchreiben) {
    StartWith("1b2a-d3en\r\n");
    auto* screen = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
    Click(Find<QWidget>(screen, "Bild3"));
    for (auto [ms, typed] : {std::pair{300, "bx"}, {0, "bxy"}, {0, "b"}, {700, "baden"}}) {
        Wait(ms);
        screen->typing()->setText(typed);
    }
    Wait(100);
    screen->ShowExplanation();
    EXPECT_EQ(Told("verben_schreiben", true),
              (Lines{"1b2a-d3en schreibweise bx - 300", "1b2a-d3en schreibweise baden + 700",
                     "1b2a-d3en schreibweise Tipp - 100"}));
}

TEST_F(RecordReportsTest, ReimverbenMemory) {
    StartWith();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    auto* screen = OpenScreen<MemoryScreen>(ScreenId::Memory);
    Click(Find<QWidget>(screen, "Bild5"));
    std::vector<int> fields[3];
    for (int f = 1; f <= kMemoryFields; ++f)
        if (screen->game().card(f).pair <= 2)
            fields[screen->game().card(f).pair].push_back(f);
    const auto word = [&](int f) { return Utf8(screen->game().card(f).word); };
    const std::string asked = word(fields[1][0]);
    for (auto [ms, field] :
         {std::pair{100, fields[1][0]}, {300, fields[2][0]}, {200, fields[1][0]}}) {
        Wait(ms);
        screen->TurnCard(field); // the third click turns the wrong pair back and asks again
    }
    EXPECT_TRUE(
        Find<QWidget>(screen, QStringLiteral("Bezeichnung%1").arg(fields[2][0]))->isVisible())
        << "the wrong card is covered again";
    Wait(50);
    screen->ShowHint();
    Wait(150);
    screen->TurnCard(fields[1][1]);
    const auto plain = [&](int f) { return Utf8(CleanWord(screen->game().card(f).word)); };
    EXPECT_EQ(Told("reimverben_memory", false),
              (Lines{asked + " reimpartner " + plain(fields[2][0]) + " - 300",
                     asked + " reimpartner Tipp - 50",
                     asked + " reimpartner " + plain(fields[1][1]) + " + 150"}));
}

TEST_F(RecordReportsTest, ReimverbenFinden) {
    StartWith();
    auto* screen = OpenScreen<ReimverbenFindenScreen>(ScreenId::ReimverbenFinden);
    auto* slider = Find<QScrollBar>(screen, "VBildlauf1");
    const int target = screen->targetRow();
    const int other = target % kRhymeSetSize + 1;
    const auto first = [&](int row) { return Utf8(CleanWord(screen->pairs()[row - 1].first)); };
    const std::string asked = Utf8(screen->pairs()[target - 1].partner);
    const std::string wrong = first(other), right = first(target);
    Wait(400);
    slider->setValue(other);
    QTest::keyClick(slider, Qt::Key_Return);
    Wait(100);
    screen->ShowHint();
    Wait(200);
    slider->setValue(target);
    QTest::keyClick(slider, Qt::Key_Return);
    EXPECT_EQ(Told("reimverben_finden", false),
              (Lines{asked + " reimpartner " + wrong + " - 400", asked + " reimpartner Tipp - 100",
                     asked + " reimpartner " + right + " + 200"}));
}

TEST_F(RecordReportsTest, Quatschverben) {
    WriteFile(folder_, "VERBEN.TXT", "baden\r\nkochen\r\nschuften\r\n");
    StartWith();
    auto* screen = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
    random_.Clear();
    random_.QueueDraw(1, 3);  // a verb of the list ...
    random_.QueueDraw(2, 12); // ... baden
    Click(Find<QWidget>(screen, "Bild11"));
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
    EXPECT_EQ(Told("quatschverben", true),
              (Lines{"1b2a-d3en vokallaenge kurz - 400", "1b2a-d3en echt echt + 300",
                     "1b2a-d3en trennung ba.den - 500", "1b2a-d3en trennung ba-den + 200"}));
    ASSERT_TRUE(screen->currentWord().Generated);
    Wait(600);
    Click(Find<QWidget>(screen, "Befehl4"));
    EXPECT_EQ(Told("quatschverben", false),
              (Lines{Utf8(screen->currentWord().Marked) + " echt falsch + 600"}));
}

// ---- Due verbs in the draws -----------------------------------------------------------------

TEST_F(RecordReportsTest, ADueVerbComesOneDrawInThreeOnlyWithinTheSelection) {
    StartWith();
    // Galgenspiel draws among the rare verbs (schuften, säumen); kochen is due but not rare.
    record_.due = {U"1k2o.ch3en", U"1s2äu-m3en"};
    for (auto [k, n] : {std::pair{0, 3}, {0, 1}, {1, 3}, {0, 2}})
        random_.QueueDraw(k, n); // due: säumen; then a draw as before: schuften
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    EXPECT_EQ(state_.CurrentWord, U"säumen");
    screen->StartWord();
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    random_.Clear();
    random_.QueueDraw(0, 3); // every draw one for a due verb: still never kochen
    for (int i = 0; i < 4; ++i) {
        screen->StartWord();
        EXPECT_EQ(state_.CurrentWord, U"säumen");
    }
    // With the card box off the record is not asked: 0.25 is the plain draw of schuften.
    navigator_->context().additions.cardBox = false;
    const int asked = record_.dueAsked;
    random_.Clear();
    random_.Queue(0.25);
    screen->StartWord();
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    EXPECT_EQ(record_.dueAsked, asked);
}

TEST_F(RecordReportsTest, ADueVerbLeadsAMeaningSetAndComesFromBeyondAPool) {
    StartWith("1a2a-l3en = a\r\n1b2e-l3en = b\r\n1c2i-l3en = c\r\n1d2o-l3en = d\r\n"
              "1e2u-l3en = e\r\n");
    record_.due = {U"1e2u-l3en"};
    for (auto [k, n] : {std::pair{0, 5}, {0, 4}, {0, 3}, {0, 2}, {0, 3}, {0, 1}})
        random_.QueueDraw(k, n); // the first four verbs, then the due one
    auto* meaning = OpenScreen<VerbbedeutungScreen>(ScreenId::Verbbedeutung);
    EXPECT_EQ(meaning->questions(), (std::deque<Text>{U"1e2u-l3en = e", U"1b2e-l3en = b",
                                                      U"1c2i-l3en = c", U"1d2o-l3en = d"}));
    random_.Clear();
    random_.QueueDraw(0, 3);
    auto* schreiben = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
    Click(Find<QWidget>(schreiben, "Bild3"));
    EXPECT_EQ(schreiben->markedWord(), U"1e2u-l3en");
    EXPECT_EQ(std::count(schreiben->pool().begin(), schreiben->pool().end(), U"1e2u-l3en"), 0);
    // Quatschverben: a verb of the list, and the due one.
    auto* quatsch = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
    random_.Clear();
    for (auto [k, n] : {std::pair{1, 3}, {0, 3}, {0, 1}})
        random_.QueueDraw(k, n);
    Click(Find<QWidget>(quatsch, "Bild11"));
    EXPECT_EQ(quatsch->currentWord().Marked, U"1e2u-l3en");
}

// A record that fails in every way costs the child nothing: the draw and the points are as
// without it.
TEST_F(RecordReportsTest, ARecordThatThrowsChangesNothingOnTheScreen) {
    struct Broken : RecordingRecord {
        void Report(const Answer&) override { throw std::runtime_error("disk gone"); }
        std::vector<Text> DueVerbs() override { throw std::runtime_error("disk gone"); }
    } broken;
    Start(&broken);
    random_.QueueDraw(1, 2);
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    EXPECT_EQ(state_.CurrentWord, U"säumen");
    screen->ChooseLetter(static_cast<int>(kHangmanLetters.find(U's')));
    EXPECT_EQ(state_.Points, 1);
    navigator_.reset(); // before the record it uses goes
}

} // namespace
} // namespace tamurik::testing
