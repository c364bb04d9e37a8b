// The hangman screen: letters uncover the word and earn points, wrong letters build the
// gallows, a win enters the best list, a loss and the hint cost points.

#include "core/best_lists.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/hangman.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/option_group.h"
#include "ui/text_qt.h"

#include <QListWidget>
#include <QTest>

namespace tamurik::testing {
namespace {

class GalgenspielTest : public AppTest {
protected:
    // Starts the program with these verb lines and opens the hangman as user "Mia".
    void OpenWith(const std::string& verbLines) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbLines);
        Start();
        dialogs_.QueueInput(U"Mia");
        Click(Find<QWidget>(Menu(), QStringLiteral("Bild4")));
        dialogs_.ClearShown();
        navigator_->Open(ScreenId::Galgenspiel);
        screen_ = dynamic_cast<GalgenspielScreen*>(navigator_->existing(ScreenId::Galgenspiel));
        ASSERT_NE(screen_, nullptr);
        board_ = Find<QListWidget>(screen_, QStringLiteral("Liste1"));
        ASSERT_NE(board_, nullptr);
    }
    // Clicks the letter on the board, as the child does.
    void Letter(char32_t letter) {
        const QList<QListWidgetItem*> items =
            board_->findItems(ToQ(Text{U' ', letter, U' '}), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(board_->viewport(), Qt::LeftButton, Qt::NoModifier,
                          board_->visualItemRect(items.front()).center());
    }
    void Letters(TextView letters) {
        for (const char32_t c : letters)
            Letter(c);
    }
    QString Label(const char* name) { return Find<QLabel>(screen_, name)->text(); }
    bool Shown(const char* part) { return Find<QWidget>(screen_, part)->isVisible(); }
    std::vector<Text> BestFile() {
        return dir_->ReadLines(kBestHang).value_or(std::vector<Text>{});
    }

    GalgenspielScreen* screen_ = nullptr;
    QListWidget* board_ = nullptr;
};

const char* const kGallows[] = {"Figur2", "Figur3", "Linie6", "Linie1", "Bild2",
                                "Figur5", "Linie2", "Linie3", "Linie4", "Linie5"};
const char* const kFreed[] = {"Bild1", "Figur7", "Linie7", "Linie8", "Linie9", "Linie10"};

TEST_F(GalgenspielTest, TheLetterBoardShowsAllThirtyLettersInTwoRows) {
    OpenWith("1l2as.s3en\r\n");
    ASSERT_EQ(board_->count(), 30);
    for (int i = 0; i < board_->count(); ++i)
        EXPECT_TRUE(board_->viewport()->rect().contains(board_->visualItemRect(board_->item(i))))
            << "letter " << i << " is out of sight";
    // a over p, b right of a: the alphabet reads along the first row, then the second.
    const QRect a = board_->visualItemRect(board_->item(0));
    const QRect p = board_->visualItemRect(board_->item(1));
    const QRect b = board_->visualItemRect(board_->item(2));
    EXPECT_EQ(p.left(), a.left());
    EXPECT_GT(p.top(), a.top());
    EXPECT_EQ(b.top(), a.top());
    EXPECT_GT(b.left(), a.left());
}

TEST_F(GalgenspielTest, ADoubleLetterEarnsOnePointAndChoosingItAgainNothing) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    EXPECT_EQ(Label("Bezeichnung1"), " . _ . . _ .");
    EXPECT_EQ(state_.CurrentWord, U"lassen");
    EXPECT_EQ(board_->count(), 30);
    Letter(U's');
    EXPECT_EQ(Label("Bezeichnung1"), " . _ s s _ .");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Label("Bezeichnung7"), "1");
    Letter(U's'); // unmarked
    // Marked again, from the keyboard this time.
    board_->setCurrentRow(static_cast<int>(kHangmanLetters.find(U's')));
    QTest::keyClick(board_, Qt::Key_Space);
    EXPECT_EQ(board_->currentItem()->data(Qt::UserRole).toBool(), true);
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(screen_->wrongLetters(), 0);
    EXPECT_FALSE(Shown("Figur2"));
}

TEST_F(GalgenspielTest, AWrongLetterChosenAgainCountsAgain) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    Letter(U'x');
    Letter(U'x'); // unmarking it is a choice too
    EXPECT_EQ(screen_->wrongLetters(), 2);
    EXPECT_TRUE(Shown("Figur2"));
    EXPECT_TRUE(Shown("Figur3"));
    EXPECT_FALSE(Shown("Linie6"));
    EXPECT_EQ(state_.Points, 0);
}

TEST_F(GalgenspielTest, TheNinthWrongLetterGoesOnTheTenthLoses) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    state_.Points = 3;
    Letters(U"bcdfghijk");
    EXPECT_EQ(screen_->wrongLetters(), 9);
    for (int part = 0; part < 9; ++part)
        EXPECT_TRUE(Shown(kGallows[part])) << kGallows[part];
    EXPECT_FALSE(Shown("Linie5"));
    EXPECT_TRUE(dialogs_.shown().empty());

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letter(U'm');
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"Du hast leider verloren!\r");
    EXPECT_EQ(dialogs_.last().title, U"Galgenspiel");
    EXPECT_EQ(state_.Points, 2);
    EXPECT_EQ(Label("Bezeichnung7"), "2");
    // A new word starts with a clean gallows and board.
    EXPECT_EQ(screen_->wrongLetters(), 0);
    for (const char* part : kGallows)
        EXPECT_FALSE(Shown(part)) << part;
    EXPECT_EQ(Label("Bezeichnung1"), " . _ . . _ .");
    EXPECT_TRUE(Label("Bezeichnung2").isEmpty());
    EXPECT_TRUE(BestFile().empty());
}

TEST_F(GalgenspielTest, HintAndLossNeverTakeThePointsBelowZero) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    state_.Points = 1;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild5"));
    Click(Find<QWidget>(screen_, "Bild5"));
    EXPECT_EQ(dialogs_.last().text, U"Der erste Buchstaben ist ein:  l\r\r");
    EXPECT_EQ(dialogs_.last().title, U"T i p p :");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Label("Bezeichnung1"), " . _ . . _ .") << "the hint uncovers nothing";

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letters(U"bcdfghijkm");
    EXPECT_EQ(dialogs_.last().text, U"Du hast leider verloren!\r");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Label("Bezeichnung7"), "0");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(GalgenspielTest, ARareVerbShowsItsExplanationAndOnlyTheVerbIsGuessed) {
    OpenWith("1k2o.ch3en\r\n1sch2uf.t3en = schwer arbeiten, <b>sich</b> plagen\r\n");
    EXPECT_EQ(state_.CurrentWord, U"schuften");
    EXPECT_EQ(Label("Bezeichnung1"), " . . . _ . . _ .");
    auto* explanation = Find<QLabel>(screen_, "Bezeichnung3");
    EXPECT_EQ(explanation->text(), "\nschwer arbeiten, <b>sich</b> plagen");
    EXPECT_EQ(explanation->textFormat(), Qt::PlainText);

    // A common verb has no explanation.
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Haeufige));
    EXPECT_EQ(state_.CurrentWord, U"kochen");
    EXPECT_TRUE(explanation->text().isEmpty());
}

TEST_F(GalgenspielTest, AWinFreesTheFigureAndEntersTheBestList) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    Letters(U"xy"); // two wrong letters stay marked
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letters(U"lasen");
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.last().text, U"Du hast 7 Mausklicks benötigt!\r");
    EXPECT_EQ(dialogs_.last().title, U"Galgenspiel");
    EXPECT_EQ(state_.Points, 5);
    EXPECT_EQ(Label("Bezeichnung2"), "lassen");
    for (const char* part : kFreed)
        EXPECT_TRUE(Shown(part)) << part;
    EXPECT_TRUE(Shown("Figur2"));
    EXPECT_TRUE(Shown("Figur3"));

    // The word length counts letters only, not the marks of the verb line.
    const Text record = U"   6      7   Mia";
    EXPECT_EQ(BestFile(), std::vector<Text>{U">" + record});
    ASSERT_TRUE(screen_->isBestListOpen());
    auto* list = Find<QListWidget>(screen_, "Liste2");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), ToQ(record));
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung5")->text(), "Verb   Maus   Benutzername");

    // The solved word waits for the list to be closed.
    Letter(U'q');
    EXPECT_EQ(screen_->wrongLetters(), 2);
    EXPECT_EQ(BestFile().size(), 1u);

    Click(Find<QWidget>(screen_, "Bezeichnung6"));
    EXPECT_FALSE(screen_->isBestListOpen());
    for (const char* part : kFreed)
        EXPECT_FALSE(Shown(part)) << part;
    EXPECT_FALSE(Shown("Figur2"));
    EXPECT_EQ(Label("Bezeichnung1"), " . _ . . _ .");
    EXPECT_TRUE(Label("Bezeichnung2").isEmpty());
    EXPECT_EQ(screen_->wrongLetters(), 0);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(GalgenspielTest, AFullBestListKeepsItsHundredBestRecords) {
    std::string lines;
    for (int i = 0; i < 100; ++i)
        lines += ">   5      " + std::to_string(i % 10) + "   Kind" + std::to_string(i) + "\r\n";
    WriteFile(folder_, "BESTHANG.LST", lines);
    const std::vector<Text> before = dir_->ReadLines(kBestHang).value();
    std::vector<Text> sortedBefore = before;
    SortRecords(sortedBefore);

    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letters(U"lasen");
    // The new record sorts last: it is shown, but the file keeps the same 100 records.
    auto* list = Find<QListWidget>(screen_, "Liste2");
    ASSERT_EQ(list->count(), 101);
    EXPECT_EQ(list->item(100)->text(), "   6      5   Mia");
    EXPECT_EQ(BestFile(), sortedBefore);

    // A click anywhere on the list closes it as well.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(screen_->isBestListOpen());

    // A record that sorts first pushes the last one out.
    WriteFile(folder_, "ZAHLVERB.TXT", "1t2u3n = etwas machen\r\n");
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Alle));
    ASSERT_EQ(state_.CurrentWord, U"tun");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letters(U"tun");
    const std::vector<Text> after = BestFile();
    ASSERT_EQ(after.size(), 100u);
    EXPECT_EQ(after.back(), sortedBefore[98]);
    EXPECT_NE(std::find(after.begin(), after.end(), U">   3      3   Mia"), after.end());
}

TEST_F(GalgenspielTest, ASelectionWithoutVerbsFallsBackToAllVerbs) {
    // Only common verbs, and the hangman starts on rare ones.
    WriteFile(folder_, "ZAHLVERB.TXT", "1k2o.ch3en\r\n");
    Start();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    navigator_->Open(ScreenId::Galgenspiel);
    auto* screen = dynamic_cast<GalgenspielScreen*>(navigator_->existing(ScreenId::Galgenspiel));
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Galgenspiel");
    EXPECT_EQ(screen->selection().verbenwahl, Verbenwahl::Alle);
    EXPECT_EQ(state_.CurrentWord, U"kochen");
    EXPECT_EQ(Find<QLabel>(screen, "Bezeichnung1")->text(), " . _ . . _ .");
}

TEST_F(GalgenspielTest, AnOptionDrawsANewWordWithoutPenaltyEvenWhenHidden) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n1k2o.ch3en\r\n");
    Letters(U"xyz");
    state_.Points = 5;
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Haeufige));
    EXPECT_EQ(state_.CurrentWord, U"kochen");
    EXPECT_EQ(screen_->wrongLetters(), 0);
    EXPECT_FALSE(Shown("Figur2"));
    EXPECT_EQ(state_.Points, 5);

    screen_->CloseExercise();
    navigator_->ApplySelectionEverywhere(SelectionGroup::Verbenwahl,
                                         static_cast<int>(Verbenwahl::Seltene));
    EXPECT_EQ(state_.CurrentWord, U"lassen");
}

} // namespace
} // namespace tamurik::testing
