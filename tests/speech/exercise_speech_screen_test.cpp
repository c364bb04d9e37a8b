// What each exercise lets the child hear, and when the speaker icons stay disabled because
// hearing would give the answer away.

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "exercises/rhymes/reimverben_memory_screen.h"
#include "exercises/rhymes/reimverben_schreiben_screen.h"
#include "exercises/syllables/abc_verben_screen.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/syllables/syllable_speech.h"
#include "exercises/syllables/verben_schnell_lesen_screen.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/hangman.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_verlaengern_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "exercises/wordbuilding/verbformen_screen.h"
#include "tests/speech/speech_fixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace tamurik::testing {
namespace {

class ExerciseSpeechTest : public SpeechTest {
protected:
    void SetUp() override { StartSpeaking(); }
    // Neither icon can be used now, for this reason.
    void ExpectSilent(ExerciseFrame* screen, const Text& why) {
        EXPECT_FALSE(HearIcon(screen)->isEnabled());
        EXPECT_FALSE(SyllableIcon(screen)->isEnabled());
        const std::size_t said = speaker_.said().size();
        PressKey(screen, Qt::Key_F2);
        PressKey(screen, Qt::Key_F3);
        EXPECT_EQ(speaker_.said().size(), said) << "a disabled icon says nothing, F2 neither";
        EXPECT_EQ(Hear(screen), (std::pair<Text, Text>{Text(), why}));
    }
};

TEST_F(ExerciseSpeechTest, SchnellLesenOnlyAfterTheFlash) {
    auto* screen = OpenScreen<SchnellLesenScreen>(ScreenId::SchnellLesen);
    ExpectSilent(screen, U"Lies das Wort zuerst selbst.");
    screen->FlashWord();
    ExpectSilent(screen, U"Lies das Wort zuerst selbst.");
    screen->EndFlash();
    const Text solution = screen->solution();
    EXPECT_EQ(Hear(screen).first, solution);
    EXPECT_EQ(ReadSyllables(screen).back().first, solution);

    const QList<QListWidgetItem*> right =
        screen->list()->findItems(ToQ(solution), Qt::MatchExactly);
    ASSERT_FALSE(right.isEmpty());
    screen->PickFromList(right.front());
    ExpectSilent(screen, U"Lies das Wort zuerst selbst.");
}

TEST_F(ExerciseSpeechTest, QuatschverbenSaysTheWordShownAndItsSyllablesOnceItIsSplit) {
    auto* screen = OpenScreen<QuatschverbenScreen>(ScreenId::Quatschverben);
    ExpectSilent(screen, kNothingToHear);
    screen->StartRun();
    const QuatschWord word = screen->currentWord();
    EXPECT_EQ(Hear(screen).first, word.Plain);
    EXPECT_FALSE(SyllableIcon(screen)->isEnabled());
    EXPECT_EQ(FromQ(SyllableIcon(screen)->toolTip()), kSyllablesTellTheSplit);

    Find<QLineEdit>(screen, "Text1")->setText(ToQ(word.Separated));
    ASSERT_EQ(screen->currentWord().Marked, word.Marked) << "the decisions are still open";
    const auto read = ReadSyllables(screen);
    ASSERT_GE(read.size(), 2u);
    EXPECT_EQ(read.back(), (std::pair<Text, std::optional<LetterRange>>{word.Plain, std::nullopt}));
    screen->StopRun();
    ExpectSilent(screen, kNothingToHear);
}

TEST_F(ExerciseSpeechTest, VerbenTrennenSaysTheVerbButNotItsSyllables) {
    random_.QueueDraw(5, 10); // every line is kept in the work list
    auto* screen = OpenScreen<VerbenTrennenScreen>(ScreenId::VerbenTrennen);
    ASSERT_FALSE(screen->currentLine().empty());
    EXPECT_EQ(Hear(screen).first, CleanWord(screen->currentLine()));
    EXPECT_FALSE(SyllableIcon(screen)->isEnabled());
    EXPECT_EQ(SyllableIcon(screen)->toolTip(), "Die Silben würden die Trennstelle verraten.");
    PressKey(screen, Qt::Key_F3);
    EXPECT_FALSE(screen->speakerIcons().reader().reading());
}

TEST_F(ExerciseSpeechTest, AbcVerbenSaysTheVerbClickedLast) {
    for (int k = 0; k < 10; ++k)
        random_.QueueDraw(k, 12); // ten different verbs
    auto* screen = OpenScreen<AbcVerbenScreen>(ScreenId::AbcVerben);
    ExpectSilent(screen, U"Klicke zuerst ein Verb an.");
    QListWidgetItem* wrong = nullptr;
    for (int i = 0; i < screen->list()->count() && !wrong; ++i)
        if (FromQ(screen->list()->item(i)->text()) != screen->set().expected())
            wrong = screen->list()->item(i);
    ASSERT_NE(wrong, nullptr);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen->AnswerPick(wrong);
    EXPECT_EQ(Hear(screen).first, RemoveChars(FromQ(wrong->text()), U" "));
    EXPECT_EQ(ReadSyllables(screen).size(), 3u);
}

TEST_F(ExerciseSpeechTest, GalgenspielOnlyOnceTheWordIsSolved) {
    auto* screen = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
    const Text why = U"Das Wort ist erst zu hören, wenn du es gelöst hast.";
    ExpectSilent(screen, why);
    const Text word = state_.CurrentWord;
    ASSERT_EQ(word, U"schuften");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    for (char32_t letter : word) {
        screen->ChooseLetter(static_cast<int>(kHangmanLetters.find(letter)));
        if (state_.WorkText.find(U'.') != Text::npos || state_.WorkText.find(U'_') != Text::npos)
            ExpectSilent(screen, why);
    }
    ASSERT_TRUE(screen->isBestListOpen());
    EXPECT_EQ(Hear(screen).first, U"schuften");
    EXPECT_EQ(ReadSyllables(screen).front().first, U"schuft");

    screen->CloseBestList();
    ExpectSilent(screen, why);
}

TEST_F(ExerciseSpeechTest, VerbformenNeverSaysTheFormAsked) {
    auto* screen = OpenScreen<VerbformenScreen>(ScreenId::Verbformen);
    ASSERT_EQ(screen->forms(), (std::vector<Text>{U"spielen", U"spiele", U"spielst", U"spielt"}));
    EXPECT_EQ(Hear(screen).first, U"spielen");
    QTest::keyClicks(screen->textBox(), "spiele");
    ASSERT_EQ(screen->currentRow(), 2);
    EXPECT_EQ(Hear(screen).first, U"spielen, ich spiele");
    QTest::keyClicks(screen->textBox(), "spielst");
    EXPECT_EQ(Hear(screen).first, U"spielen, ich spiele, du spielst");
    EXPECT_EQ(ReadSyllables(screen).front().first, U"spie");
}

TEST_F(ExerciseSpeechTest, RhymeExercisesSayThePairFound) {
    {
        auto* screen = OpenScreen<ReimverbenFindenScreen>(ScreenId::ReimverbenFinden);
        ExpectSilent(screen, U"Finde zuerst ein Reimpaar.");
        const RhymePair pair = screen->pairs()[static_cast<std::size_t>(screen->targetRow() - 1)];
        Find<QScrollBar>(screen, "VBildlauf1")->setValue(screen->targetRow());
        Click(Find<QWidget>(screen, "Befehl1"));
        screen->FinishSlide();
        EXPECT_EQ(Hear(screen).first, CleanWord(pair.first) + U", " + CleanWord(pair.partner));
        EXPECT_EQ(ReadSyllables(screen).size(), 6u) << "both verbs, syllables then whole";
        screen->CloseExercise();
    }
    {
        dialogs_.QueueAnswer(DialogAnswer::Ok); // "Merke dir die Lage der Wörter gut."
        auto* screen = OpenScreen<MemoryScreen>(ScreenId::Memory);
        ExpectSilent(screen, U"Finde zuerst ein Reimpaar.");
        screen->StartPlay();
        const std::vector<MemoryCard>& cards = screen->game().cards();
        int partner = 2;
        while (cards[static_cast<std::size_t>(partner - 1)].pair != cards[0].pair)
            ++partner;
        screen->TurnCard(1);
        ExpectSilent(screen, U"Finde zuerst ein Reimpaar.");
        screen->TurnCard(partner);
        EXPECT_EQ(Hear(screen).first,
                  CleanWord(cards[0].word) + U", " +
                      CleanWord(cards[static_cast<std::size_t>(partner - 1)].word));
        screen->CloseExercise();
    }
    {
        // Nine different pairs: the first drawn is the fifth.
        random_.Clear();
        for (int k : {4, 0, 1, 2, 3, 5, 6, 7, 8})
            random_.QueueDraw(k, 9);
        auto* screen = OpenScreen<ReimverbenSchreibenScreen>(ScreenId::ReimverbenSchreiben);
        ExpectSilent(screen, U"Schreibe zuerst ein Reimverb.");
        const Text partner = screen->expectedWord();
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        QTest::keyClicks(Find<QLineEdit>(screen, "Text1"), ToQ(partner));
        ASSERT_EQ(partner, U"kickeln");
        const Text heard = Hear(screen).first;
        EXPECT_EQ(heard, U"wickeln, kickeln");
    }
}

TEST_F(ExerciseSpeechTest, BuildingExercisesSayTheVerbOnceItIsBuilt) {
    // Three verbs that differ in every part, as the puzzle needs them.
    WriteFile(folder_, "ZAHLVERB.TXT", "1b2a.ck3en\r\n1w2i.ck3eln\r\n1h2ä-m3ern\r\n");
    {
        auto* screen = OpenScreen<ZusammenpuzzelnScreen>(ScreenId::Zusammenpuzzeln);
        ExpectSilent(screen, U"Baue zuerst ein Verb zusammen.");
        ASSERT_FALSE(screen->board().rows().empty());
        const VerbParts verb = screen->board().rows().front();
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        for (int field = 0; field < PuzzleBoard::kFields; ++field) {
            int tile = 0;
            while (screen->board().tile(tile) != verb[field])
                ++tile;
            screen->DropPart(field, tile);
        }
        EXPECT_EQ(Hear(screen).first, verb.Joined());
        EXPECT_EQ(ReadSyllables(screen).size(), 3u) << "its syllables from the word list";
        screen->CloseExercise();
    }
    {
        auto* screen = OpenScreen<ZusammensetzenScreen>(ScreenId::Zusammensetzen);
        ExpectSilent(screen, U"Setze zuerst das Verb zusammen.");
        const Text verb = screen->grid().verb();
        const std::vector<LetterCell> cells = screen->grid().cells();
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        for (const LetterCell& cell : cells)
            screen->ClickLetter(350 + 500 * cell.column, 350 + 500 * cell.row);
        EXPECT_NE(screen->grid().verb(), verb) << "the next verb is on the grid";
        EXPECT_EQ(Hear(screen).first, verb);
    }
}

TEST_F(ExerciseSpeechTest, VerbenSchreibenOnlyWhereTheVerbIsCopied) {
    auto* screen = OpenScreen<VerbenSchreibenScreen>(ScreenId::VerbenSchreiben);
    ExpectSilent(screen, U"Klicke zuerst auf die grüne Ampel.");
    screen->StartRun();
    EXPECT_EQ(Hear(screen).first, CleanWord(screen->markedWord()));
    const Text recalled = U"In dieser Ansicht würde das Anhören das Verb verraten.";
    for (const char* view : {"Option2", "Option3", "Option4", "Option6"}) {
        SCOPED_TRACE(view);
        Click(Find<QWidget>(screen, view));
        ExpectSilent(screen, recalled);
    }
    Click(Find<QWidget>(screen, "Option5")); // capitals: copied in the usual spelling
    EXPECT_EQ(Hear(screen).first, CleanWord(screen->markedWord()));
    screen->StopRun();
    ExpectSilent(screen, U"Klicke zuerst auf die grüne Ampel.");
}

TEST_F(ExerciseSpeechTest, VerbenVerlaengernSaysTheWirFormOnceItIsTyped) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1l2e-b3en\r\n1l2ie-b3en\r\n1s2a-g3en\r\n");
    auto* screen = OpenScreen<VerbenVerlaengernScreen>(ScreenId::VerbenVerlaengern);
    ASSERT_EQ(screen->step(), VerbenVerlaengernScreen::Step::LongForm);
    ExpectSilent(screen, U"Schreibe zuerst die lange Form mit „wir“.");

    const LengtheningTask task = screen->task();
    const Text verb = CleanWord(task.line);
    Find<QLineEdit>(screen, "Text1")->setText(ToQ(U"wir " + verb));
    screen->CheckLongForm();
    ASSERT_EQ(screen->step(), VerbenVerlaengernScreen::Step::Letters);
    EXPECT_EQ(Hear(screen).first, U"wir " + verb) << "the hidden letters are not chosen yet";
    EXPECT_EQ(ReadSyllables(screen).back().first, verb);

    const auto right = std::find(task.buttons.begin(), task.buttons.end(), task.question.hidden);
    ASSERT_NE(right, task.buttons.end());
    screen->ChooseLetters(static_cast<std::size_t>(right - task.buttons.begin()));
    EXPECT_EQ(Hear(screen).first,
              U"wir " + verb + U", " + task.pronoun + U" " + task.question.form());
}

} // namespace
} // namespace tamurik::testing
