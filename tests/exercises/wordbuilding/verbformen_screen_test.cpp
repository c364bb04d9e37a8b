// The present-tense screen: typing shows in the current row in light cyan or light red, a
// correct row earns a point per letter, the solution costs three points.

#include "exercises/wordbuilding/verbformen_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QLineEdit>
#include <QTest>

namespace tamurik::testing {
namespace {

class VerbformenTest : public AppTest {
protected:
    void OpenWith(const std::string& verbLines) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbLines);
        Start();
        navigator_->Open(ScreenId::Verbformen);
        screen_ = dynamic_cast<VerbformenScreen*>(navigator_->existing(ScreenId::Verbformen));
        ASSERT_NE(screen_, nullptr);
        box_ = Find<QLineEdit>(screen_, QStringLiteral("Text1"));
        ASSERT_NE(box_, nullptr);
    }
    // Types into the text box key by key, as the child does.
    void Type(const char* utf8) {
        for (const QChar c : QString::fromUtf8(utf8)) {
            // The ASCII helper knows no umlauts; those arrive as key events with their text.
            if (c.unicode() < 128)
                QTest::keyClick(box_, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box_, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    void Backspace(int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(box_, Qt::Key_Backspace);
    }
    QLabel* Field(const char* name) { return Find<QLabel>(screen_, name); }
    QColor Color(const char* name) { return Field(name)->palette().color(QPalette::Window); }
    QColor Background() { return PaletteColor(state_.ColorBlatt); }

    VerbformenScreen* screen_ = nullptr;
    QLineEdit* box_ = nullptr;
};

const QColor kCyan = PaletteColor(11);
const QColor kRed = PaletteColor(12);

TEST_F(VerbformenTest, TypingShowsInTheRowInCyanOrRedLetterByLetter) {
    OpenWith("1l2au-f3en\r\n");
    EXPECT_EQ(Field("Bezeichnung3")->text(), "l a u f e n ");
    EXPECT_EQ(Field("Bezeichnung10")->text(), "w i r");
    EXPECT_EQ(screen_->currentRow(), 1);
    EXPECT_EQ(state_.CurrentWord, U"laufe");
    EXPECT_EQ(Color("Bezeichnung4"), kCyan);

    Type("laufe");
    EXPECT_EQ(state_.Points, 5);
    EXPECT_EQ(screen_->currentRow(), 2);
    EXPECT_TRUE(box_->text().isEmpty());
    EXPECT_EQ(Field("Bezeichnung4")->text(), "l a u f e ") << "a finished row keeps its form";
    EXPECT_EQ(Color("Bezeichnung4"), Background());
    EXPECT_EQ(Color("Bezeichnung5"), kCyan);

    const char* prefixes[] = {"l", "ä", "u", "f", "s"};
    QString shown;
    for (const char* letter : prefixes) {
        Type(letter);
        shown += QString::fromUtf8(letter) + " ";
        EXPECT_EQ(Field("Bezeichnung5")->text(), shown);
        EXPECT_EQ(Color("Bezeichnung5"), kCyan) << shown.toStdString();
    }
    Backspace(2);
    Type("v");
    EXPECT_EQ(Field("Bezeichnung5")->text(), "l ä u v ");
    EXPECT_EQ(Color("Bezeichnung5"), kRed);
    Backspace(4);
    EXPECT_TRUE(Field("Bezeichnung5")->text().isEmpty());
    EXPECT_EQ(Color("Bezeichnung5"), kCyan);
    EXPECT_EQ(state_.Points, 5);

    Type("läufst");
    EXPECT_EQ(state_.Points, 11);
    EXPECT_EQ(screen_->currentRow(), 3);
    EXPECT_EQ(state_.CurrentWord, U"läuft");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "11");
}

TEST_F(VerbformenTest, ACapitalFirstLetterNeverMatches) {
    OpenWith("1l2au-f3en\r\n");
    Type("Laufe");
    EXPECT_EQ(screen_->currentRow(), 1);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Color("Bezeichnung4"), kRed);
}

TEST_F(VerbformenTest, WollenIsWorthOnePointPerLetterThenTheNextVerbFollows) {
    OpenWith("1w2ol.l3en\r\n");
    Type("will");
    Type("willst");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Type("will");
    EXPECT_EQ(state_.Points, 4 + 6 + 4) << "will, willst, will";
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"Richtig, weiter zur nächsten Reihe ...\r");
    EXPECT_EQ(dialogs_.last().title, U"Verbformen");
    // The next verb starts at the ich row with empty fields.
    EXPECT_EQ(screen_->currentRow(), 1);
    EXPECT_TRUE(box_->text().isEmpty());
    for (const char* field : {"Bezeichnung4", "Bezeichnung5", "Bezeichnung6"})
        EXPECT_TRUE(Field(field)->text().isEmpty()) << field;
    EXPECT_EQ(Color("Bezeichnung4"), kCyan);
    EXPECT_EQ(Color("Bezeichnung6"), Background());
}

TEST_F(VerbformenTest, RatenAndOtherMendedVerbsAskTheRightForms) {
    OpenWith("1r2a-t3en\r\n");
    EXPECT_EQ(screen_->forms(), (std::vector<Text>{U"raten", U"rate", U"rätst", U"rät"}));
    Type("rate");
    Type("ratest");
    EXPECT_EQ(screen_->currentRow(), 2) << "ratest is wrong";
    EXPECT_EQ(Color("Bezeichnung5"), kRed);
    Backspace(6);
    Type("rätst");
    EXPECT_EQ(screen_->currentRow(), 3);

    WriteFile(folder_, "ZAHLVERB.TXT", "1a2t.m3en\r\n");
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Haeufige));
    EXPECT_EQ(screen_->forms(), (std::vector<Text>{U"atmen", U"atme", U"atmest", U"atmet"}));
}

TEST_F(VerbformenTest, ARareVerbShowsItsExplanationAndAsksTheVerbAlone) {
    OpenWith("1sch2uf.t3en = schwer arbeiten, <b>sich</b> plagen\r\n");
    EXPECT_EQ(Field("Bezeichnung11")->text(), "schwer arbeiten, <b>sich</b> plagen");
    EXPECT_EQ(Field("Bezeichnung11")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Field("Bezeichnung3")->text(), "s c h u f t e n ");
    EXPECT_EQ(state_.CurrentWord, U"schufte");
}

TEST_F(VerbformenTest, SkippedAndUnconjugableVerbsAreNeverAsked) {
    OpenWith("1f2i.ck3en\r\n1h2u-r3en\r\n1p2im.p3ern\r\n1x2y.z\r\n1k2au-f3en\r\n");
    for (int verb = 0; verb < 12; ++verb) {
        ASSERT_EQ(screen_->forms().size(), 4u);
        EXPECT_EQ(screen_->forms()[0], U"kaufen");
        screen_->NextVerb();
    }
    // A file with nothing that can be asked sends the child back to the menu with a message.
    WriteFile(folder_, "ZAHLVERB.TXT", "1f2i.ck3en\r\n1x2y.z\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->LoadVerbBatch();
    EXPECT_TRUE(screen_->batch().empty());
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLVERB.TXT"), Text::npos);
    EXPECT_FALSE(screen_->isVisible());
}

TEST_F(VerbformenTest, TheSolutionCostsThreePointsButNeverGoesBelowZero) {
    OpenWith("1w2ol.l3en\r\n");
    Type("will");
    state_.Points = 2;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_EQ(dialogs_.last().text, U"ich will - du willst - er will\r");
    EXPECT_EQ(dialogs_.last().title, U"wollen");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "0");
    EXPECT_EQ(screen_->currentRow(), 2) << "the row does not change";
    EXPECT_EQ(state_.CurrentWord, U"willst");
}

TEST_F(VerbformenTest, OptionsDrawANewBatchOnlyWhileTheScreenIsShown) {
    OpenWith("1w2ol.l3en\r\n1k2au-f3en = Geld ausgeben\r\n");
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Seltene));
    EXPECT_EQ(screen_->forms()[0], U"kaufen");
    screen_->CloseExercise();
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Haeufige));
    EXPECT_EQ(screen_->forms()[0], U"kaufen") << "a hidden screen waits";
    navigator_->Open(ScreenId::Verbformen);
    EXPECT_EQ(screen_->forms()[0], U"wollen");
}

} // namespace
} // namespace tamurik::testing
