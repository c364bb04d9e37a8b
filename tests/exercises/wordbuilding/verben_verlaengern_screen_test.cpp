// Verben verlängern through the main menu: a whole set played with keyboard and mouse, the
// draws of verb, person, pronoun and button order, the points, the summary, the answers the
// learning record hears, and a selection that finds nothing.

#include "exercises/wordbuilding/verben_verlaengern_screen.h"

#include "tests/support/app_fixture.h"
#include "ui/text_qt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace tamurik::testing {
namespace {

using Step = VerbenVerlaengernScreen::Step;

class VerbenVerlaengernTest : public AppTest {
protected:
    // The program with a record that keeps every answer; the screen opened from the menu.
    void OpenWith(const std::string& verbLines) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbLines);
        StartSpeaking();
        Click(Find<QWidget>(Menu(), "Bild22"));
        screen_ = dynamic_cast<VerbenVerlaengernScreen*>(
            navigator_->existing(ScreenId::VerbenVerlaengern));
        ASSERT_TRUE(screen_ != nullptr && screen_->isVisible());
    }
    // What the child typed into the box, then Enter.
    void TypeLongForm(const char* utf8) {
        auto* box = Find<QLineEdit>(screen_, "Text1");
        box->setText(QString::fromUtf8(utf8));
        QTest::keyClick(box, Qt::Key_Return);
    }
    void Key(const QString& text, Qt::Key key = Qt::Key_unknown) {
        QTest::sendKeyEvent(QTest::Click, screen_, key, text, Qt::NoModifier);
    }
    QPushButton* Button(int n) {
        return Find<QPushButton>(screen_, QStringLiteral("Befehl%1").arg(n));
    }
    // What a picture shows, as it tells a screen reader.
    QString Shown(const char* picture) {
        return Find<QWidget>(screen_, picture)->accessibleDescription();
    }
    QString Label(const char* name) { return Find<QLabel>(screen_, name)->text(); }

    VerbenVerlaengernScreen* screen_ = nullptr;
};

TEST_F(VerbenVerlaengernTest, AWholeSetIsPlayedAndSummed) {
    // Every draw 0: the set takes leben, kommen, grüßen in turn, each asked for du, with the
    // right button last. reden and lachen have nothing to lengthen.
    OpenWith("1l2e-b3en\r\n1r2e-d3en\r\n1k2om.m3en\r\n1l2a.ch3en\r\n1gr2ü-ß3en\r\n");
    EXPECT_EQ(Shown("Bild7"), "du le_st");
    EXPECT_EQ(Label("Bezeichnung6"), "Aufgabe 1 von 10");
    EXPECT_EQ(Button(1)->text() + "|" + Button(2)->text(), "p|b");
    EXPECT_FALSE(Button(1)->isEnabled()) << "the letters come after the long form";
    EXPECT_FALSE(Button(3)->isVisible());
    ExpectSilent(screen_, U"Schreibe zuerst die lange Form mit „wir“.");

    // Step 1: a wrong long form costs a point, but never below 0.
    clock_.AdvanceMs(4200);
    TypeLongForm("lepen");
    EXPECT_EQ(screen_->step(), Step::LongForm);
    EXPECT_EQ(Label("Bezeichnung5"), "Leider falsch, überlege nochmal.");
    EXPECT_EQ(state_.Points, 0);
    state_.Points = 3;
    TypeLongForm("wir leben");
    EXPECT_EQ(state_.Points, 4);
    EXPECT_EQ(Shown("Bild8"), "le·ben");
    EXPECT_TRUE(Button(1)->isEnabled());
    EXPECT_EQ(Hear(screen_).first, U"wir leben") << "the hidden letters are not chosen yet";
    EXPECT_EQ(ReadSyllables(screen_).back().first, U"leben");

    // Step 2 by keyboard, a letter and a number; the wrong letter costs a point.
    Key(QStringLiteral("p"));
    EXPECT_EQ(state_.Points, 3);
    EXPECT_EQ(screen_->step(), Step::Letters);
    Key(QStringLiteral("2"));
    EXPECT_EQ(screen_->step(), Step::Solved);
    EXPECT_EQ(Shown("Bild7"), "du lebst");
    EXPECT_EQ(Hear(screen_).first, U"wir leben, du lebst");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung2")->text(), "4");
    Key(QString(), Qt::Key_Return);

    // The other nine forms with the mouse, each right at once.
    for (int form = 2; form <= 10; ++form) {
        EXPECT_EQ(Label("Bezeichnung6"), QStringLiteral("Aufgabe %1 von 10").arg(form));
        const LengtheningTask& task = screen_->task();
        TypeLongForm(ToUtf8(CleanWord(task.line)).c_str());
        const auto right =
            std::find(task.buttons.begin(), task.buttons.end(), task.question.hidden);
        Click(Button(static_cast<int>(right - task.buttons.begin()) + 1));
        ASSERT_EQ(screen_->step(), Step::Solved);
        if (form == 10)
            dialogs_.QueueAnswer(DialogAnswer::Ok);
        Click(Find<QWidget>(screen_, "Bild6"));
    }
    EXPECT_EQ(state_.Points, 4 + 9 * 2);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"9 von 10 richtig\r") << "the first form had mistakes";
    EXPECT_EQ(dialogs_.last().title, U"Verben verlängern");
    EXPECT_EQ(Label("Bezeichnung6"), "Aufgabe 1 von 10") << "a new set has begun";

    // Every answer went to the record, with what was asked and how long it took.
    const std::vector<std::string> told = Told("verben_verlaengern");
    ASSERT_EQ(told.size(), 4u + 9 * 2);
    EXPECT_EQ(
        std::vector<std::string>(told.begin(), told.begin() + 5),
        (std::vector<std::string>{"1l2e-b3en wir lepen - 4200", "1l2e-b3en wir leben + 0",
                                  "1l2e-b3en verlaengerung p - 0", "1l2e-b3en verlaengerung b + 0",
                                  "1k2om.m3en wir kommen + 0"}));
}

TEST_F(VerbenVerlaengernTest, DrawsChooseVerbPersonPronounAndButtonOrder) {
    random_.QueueDraw(1, 3); // the set begins with fallen, then takes the first line left
    for (int k = 0; k < 9; ++k)
        random_.Queue(0.0);
    random_.QueueDraw(1, 2); // er rather than du
    random_.QueueDraw(1, 3); // sie
    random_.QueueDraw(1, 2); // the buttons keep their order
    OpenWith("1g2e-b3en\r\n1f2al.l3en = hinfallen, <b>stürzen</b>\r\n1f2äl.l3en\r\n");
    EXPECT_EQ(Shown("Bild7"), "sie fä_t");
    EXPECT_EQ(Label("Bezeichnung7"), "hinfallen, <b>stürzen</b>");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung7")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Button(1)->text() + "|" + Button(2)->text(), "ll|l");
    // fällen gives "sie fällt" too: lengthening to it is just as right.
    TypeLongForm("fällen");
    EXPECT_EQ(Shown("Bild8"), "fäl·len");
    // With ll and l offered, one l waits for a second one or for Enter.
    Key(QStringLiteral("l"));
    EXPECT_EQ(screen_->step(), Step::Letters);
    Key(QString(), Qt::Key_Return);
    EXPECT_EQ(record_.answers.back().given, U"l");
    Key(QStringLiteral("l"));
    Key(QStringLiteral("l"));
    EXPECT_EQ(Shown("Bild7"), "sie fällt");
}

TEST_F(VerbenVerlaengernTest, ASelectionWithoutQualifyingVerbsFallsBackToAlle) {
    OpenWith("1l2e-b3en\r\n1l2a.ch3en = laut sein\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    screen_->ApplySelection(SelectionGroup::Verbenwahl, static_cast<int>(Verbenwahl::Seltene));
    EXPECT_EQ(dialogs_.last().text, U"Zu dieser Auswahl gibt es keine passenden Verben.\rEs "
                                    U"werden wieder alle Verben verwendet.\r");
    EXPECT_EQ(dialogs_.last().title, U"Tamurik: Verben verlängern");
    EXPECT_EQ(screen_->selection().verbenwahl, Verbenwahl::Alle);
    EXPECT_EQ(screen_->task().line, U"1l2e-b3en");
}

} // namespace
} // namespace tamurik::testing
