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
        StartSpeaking();
        screen_ = OpenScreen<VerbformenScreen>(ScreenId::Verbformen);
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
    // What is heard never says the form asked: the verb, then the forms typed.
    EXPECT_EQ(Hear(screen_).first, U"laufen");

    Type("laufe");
    EXPECT_EQ(state_.Points, 5);
    EXPECT_EQ(screen_->currentRow(), 2);
    EXPECT_TRUE(box_->text().isEmpty());
    EXPECT_EQ(Field("Bezeichnung4")->text(), "l a u f e ") << "a finished row keeps its form";
    EXPECT_EQ(Color("Bezeichnung4"), Background());
    EXPECT_EQ(Color("Bezeichnung5"), kCyan);
    EXPECT_EQ(Hear(screen_).first, U"laufen, ich laufe");

    Type("läu");
    EXPECT_EQ(Field("Bezeichnung5")->text(), "l ä u ");
    EXPECT_EQ(Color("Bezeichnung5"), kCyan);
    Type("v");
    EXPECT_EQ(Field("Bezeichnung5")->text(), "l ä u v ");
    EXPECT_EQ(Color("Bezeichnung5"), kRed);
    Type("w"); // a slip counts once, until the typing fits again
    Backspace(5);
    EXPECT_TRUE(Field("Bezeichnung5")->text().isEmpty());
    EXPECT_EQ(Color("Bezeichnung5"), kCyan);
    EXPECT_EQ(state_.Points, 5);

    Type("läufst");
    EXPECT_EQ(state_.Points, 11);
    EXPECT_EQ(screen_->currentRow(), 3);
    EXPECT_EQ(state_.CurrentWord, U"läuft");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "11");
    EXPECT_EQ(Hear(screen_).first, U"laufen, ich laufe, du läufst");
    EXPECT_EQ(ReadSyllables(screen_).front().first, U"lau");
    EXPECT_EQ(Told("verbformen"),
              (std::vector<std::string>{"1l2au-f3en ich laufe + 0", "1l2au-f3en du läuv - 0",
                                        "1l2au-f3en du läufst + 0"}));
}

TEST_F(VerbformenTest, WollenIsWorthOnePointPerLetterThenTheNextVerbFollows) {
    OpenWith("1w2ol.l3en\r\n");
    Type("will");
    // The solution costs three points, never going below zero, and keeps the row.
    state_.Points = 2;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_EQ(dialogs_.last().text, U"ich will - du willst - er will\r");
    EXPECT_EQ(dialogs_.last().title, U"wollen");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(screen_->currentRow(), 2);
    Type("willst");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Type("will");
    EXPECT_EQ(state_.Points, 6 + 4) << "willst, will";
    EXPECT_EQ(dialogs_.last().text, U"Richtig, weiter zur nächsten Reihe ...\r");
    // The next verb starts at the ich row with empty fields.
    EXPECT_EQ(screen_->currentRow(), 1);
    EXPECT_TRUE(box_->text().isEmpty());
    for (const char* field : {"Bezeichnung4", "Bezeichnung5", "Bezeichnung6"})
        EXPECT_TRUE(Field(field)->text().isEmpty()) << field;
    EXPECT_EQ(Color("Bezeichnung4"), kCyan);
    EXPECT_EQ(Told("verbformen"),
              (std::vector<std::string>{"1w2ol.l3en ich will + 0", "1w2ol.l3en du Lösung - 0",
                                        "1w2ol.l3en du willst + 0", "1w2ol.l3en er will + 0"}));
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

} // namespace
} // namespace tamurik::testing
