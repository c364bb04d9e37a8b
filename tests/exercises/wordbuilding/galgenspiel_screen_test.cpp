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
        StartSpeaking();
        dialogs_.QueueInput(U"Mia");
        Click(Find<QWidget>(Menu(), QStringLiteral("Bild4")));
        dialogs_.ClearShown();
        screen_ = OpenScreen<GalgenspielScreen>(ScreenId::Galgenspiel);
        ASSERT_NE(screen_, nullptr);
        board_ = Find<QListWidget>(screen_, QStringLiteral("Liste1"));
        ASSERT_NE(board_, nullptr);
    }
    // Clicks the letter on the board, as the child does.
    void Letter(char32_t letter) {
        ClickItem(board_->findItems(ToQ(Text{U' ', letter, U' '}), Qt::MatchExactly).value(0));
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

TEST_F(GalgenspielTest, LettersOnTheBoardEarnOnceAndWrongOnesCountEveryTime) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    ASSERT_EQ(board_->count(), 30);
    EXPECT_EQ(Label("Bezeichnung1"), " . _ . . _ .");
    EXPECT_EQ(state_.CurrentWord, U"lassen");
    Letter(U's');
    EXPECT_EQ(Label("Bezeichnung1"), " . _ s s _ .");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Label("Bezeichnung7"), "1");
    Letter(U's'); // unmarked
    Letter(U's'); // marked again: a letter earns once
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(screen_->wrongLetters(), 0);

    // A wrong letter chosen again counts again: unmarking it is a choice too.
    Letter(U'x');
    Letter(U'x');
    EXPECT_EQ(screen_->wrongLetters(), 2);
    EXPECT_TRUE(Shown("Figur2"));
    EXPECT_TRUE(Shown("Figur3"));
    EXPECT_FALSE(Shown("Linie6"));
    EXPECT_EQ(state_.Points, 1);
    // Every choice is an answer for the learning record, and so is the hint.
    screen_->ShowHint();
    const std::string s = "1l2as.s3en buchstabe s + 0", x = "1l2as.s3en buchstabe x - 0";
    EXPECT_EQ(Told("galgenspiel"),
              (std::vector<std::string>{s, s, s, x, x, "1l2as.s3en buchstabe Tipp - 0"}));
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

TEST_F(GalgenspielTest, AWinFreesTheFigureAndEntersTheBestList) {
    OpenWith("1l2as.s3en = jemanden etwas tun lassen\r\n");
    // The word is heard only once it is solved.
    const Text why = U"Das Wort ist erst zu hören, wenn du es gelöst hast.";
    ExpectSilent(screen_, why);
    Letters(U"xy"); // two wrong letters stay marked
    Letters(U"las");
    ExpectSilent(screen_, why);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Letters(U"en");
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.last().text, U"Du hast 7 Mausklicks benötigt!\r");
    EXPECT_EQ(dialogs_.last().title, U"Galgenspiel");
    EXPECT_EQ(state_.Points, 5);
    EXPECT_EQ(Label("Bezeichnung2"), "lassen");
    EXPECT_EQ(Hear(screen_).first, U"lassen");
    EXPECT_EQ(ReadSyllables(screen_).front().first, U"lass");
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
    ExpectSilent(screen_, why);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

} // namespace
} // namespace tamurik::testing
