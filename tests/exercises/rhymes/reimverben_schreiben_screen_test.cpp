// Writing the rhyme partner letter by letter: wrong letters, points for a word, part colours
// and the next set of pairs.

#include "exercises/rhymes/reimverben_schreiben_screen.h"
#include "tests/support/app_fixture.h"

#include <QLabel>
#include <QLineEdit>

namespace tamurik::testing {
namespace {

class SchreibenScreenTest : public AppTest {
protected:
    void SetUp() override {
        // Nine pairs of the list in order, "wickeln"/"kickeln" first.
        random_.QueueDraw(4, 9);
        for (int k : {0, 1, 2, 3, 5, 6, 7, 8})
            random_.QueueDraw(k, 9);
        StartSpeaking();
        navigator_->Open(ScreenId::ReimverbenSchreiben);
        screen_ = dynamic_cast<ReimverbenSchreibenScreen*>(
            navigator_->existing(ScreenId::ReimverbenSchreiben));
        ASSERT_NE(screen_, nullptr);
        input_ = Find<QLineEdit>(screen_, "Text1");
    }
    void Type(const QString& text) { input_->setText(text); }
    // Types the expected word; the message of a finished word is answered.
    void TypeWord() {
        const QString word = QString::fromStdU32String(screen_->expectedWord());
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        for (QChar c : word)
            Type(QString(c));
    }
    ReimverbenSchreibenScreen* screen_ = nullptr;
    QLineEdit* input_ = nullptr;
};

TEST_F(SchreibenScreenTest, WrongLettersAreNamedAndCostAPointWhileThereArePoints) {
    ASSERT_EQ(screen_->expectedWord(), U"kickeln");
    state_.Points = 1;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Type("K");
    EXPECT_EQ(dialogs_.last().text, U"K ist der falsche Buchstabe!\r");
    EXPECT_EQ(dialogs_.last().title, U"Fehler");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(input_->text().isEmpty());
    EXPECT_TRUE(screen_->typed().empty());

    // Pasted text is one answer, compared as a whole with one letter.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Type("ki");
    EXPECT_EQ(dialogs_.last().text, U"ki ist der falsche Buchstabe!\r");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(screen_->typed().empty());
    EXPECT_TRUE(dialogs_.allAnswersUsed());
    EXPECT_EQ(
        Told("reimverben_schreiben", false),
        (std::vector<std::string>{"1k2i.ck3eln buchstabe K - 0", "1k2i.ck3eln buchstabe ki - 0"}));
}

TEST_F(SchreibenScreenTest, SevenLettersWithoutAMistakeGiveSevenPoints) {
    state_.Points = 3;
    ExpectSilent(screen_, U"Schreibe zuerst ein Reimverb.");
    TypeWord();
    EXPECT_EQ(state_.Points, 10);
    EXPECT_EQ(Hear(screen_).first, U"wickeln, kickeln") << "the pair written last";
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung3")->text(), "10");
    EXPECT_EQ(dialogs_.last().text, U"Richtig gereimt, weiter nun!\r");
    EXPECT_EQ(dialogs_.last().title, U"Reimverb schreiben");
    EXPECT_EQ(screen_->expectedWord(), U"laden") << "the next pair follows";
    EXPECT_TRUE(screen_->typed().empty());
}

TEST_F(SchreibenScreenTest, AfterNineWordsANewSetFollowsWithoutAMessage) {
    for (int word = 1; word <= 9; ++word)
        TypeWord();
    // Nine "Richtig" messages and nothing else.
    ASSERT_EQ(dialogs_.shown().size(), 9u);
    for (const ShownDialog& shown : dialogs_.shown())
        EXPECT_EQ(shown.title, U"Reimverb schreiben");
    EXPECT_EQ(screen_->pairsLeft(), 8);
    EXPECT_FALSE(screen_->expectedWord().empty());
}

} // namespace
} // namespace tamurik::testing
