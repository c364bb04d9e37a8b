// The real message and input boxes: as wide as their longest line, so the text's own line
// breaks are its only ones, in the windows' scaled font; placed beside the area a window keeps
// clear; their buttons, defaults and answers.

#include "ui/dialogs.h"
#include "ui/geometry.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tamurik {
namespace {

struct ScaleGuard {
    double saved = ScaleFactor();
    ~ScaleGuard() { SetScaleFactor(saved); }
};

// Runs `look` on the box once it is shown, then closes it if `look` did not.
void WhenShown(std::function<void(QDialog&)> look) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, look = std::move(look)] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        look(*box);
        if (box->isVisible())
            box->reject();
    });
    timer->start();
}

QPushButton* Button(QDialog& box, const QString& text) {
    for (QPushButton* button : box.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

QLabel* TextLabel(QDialog& box) {
    for (QLabel* label : box.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            return label;
    ADD_FAILURE() << "no text in the box";
    return nullptr;
}

TEST(PlaceDialogTest, BesideTheAreaKeptClearWhereTheScreenHasRoom) {
    ScaleGuard guard;
    SetScaleFactor(1.0);
    const QSize box(400, 200);
    const QRect fullHd(0, 0, 1920, 1080);
    const QRect window(460, 90, 1000, 900);
    struct Case {
        const char* what;
        QRect screen;
        QRect keepClear;
        QPoint expected;
    };
    const Case cases[] = {
        {"nothing to keep clear: centred over the window", fullHd, QRect(), {759, 439}},
        {"the whole window: to its right", fullHd, window, {1468, 439}},
        {"a board at the left: right of the board, over the window",
         fullHd,
         QRect(460, 90, 500, 900),
         {968, 439}},
        {"no room at the right: below", fullHd, QRect(1400, 90, 500, 600), {1449, 698}},
        {"a box larger than the screen starts at its corner",
         QRect(0, 0, 300, 150),
         window,
         {0, 0}},
    };
    for (const Case& c : cases) {
        const QPoint at = PlaceDialog(box, c.screen, window, c.keepClear);
        EXPECT_EQ(at, c.expected) << c.what;
    }
}

TEST(QtDialogsTest, TheTextsOwnLineBreaksAreItsOnlyOnesInTheScaledFont) {
    ScaleGuard guard;
    const Text text = Text(U"Bewege den Schieberegler und klicke dann für") + CR +
                      U"die Eingabe auf den OK-Knopf oder nutze die" + CR +
                      U"Pfeiltasten und zur Eingabe die ENTER-Taste." + CR;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (double scale : {1.0, 3.2}) {
        SetScaleFactor(scale);
        SCOPED_TRACE(scale);
        WhenShown([&](QDialog& box) {
            QLabel* label = TextLabel(box);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->font().pixelSize(), UiFont(12).pixelSize());
            EXPECT_EQ(box.windowTitle(), "Reimverben");
            QPushButton* ok = Button(box, QStringLiteral("OK"));
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(ok->isDefault());
            EXPECT_LE(box.width(), area.width());
            const QFontMetrics metrics(label->font());
            const int longest = metrics.horizontalAdvance(
                QStringLiteral("Pfeiltasten und zur Eingabe die ENTER-Taste."));
            // The test screen is 800 pixels wide: at the larger scale a line only fits wrapped.
            EXPECT_EQ(label->wordWrap(), longest > area.width());
            if (label->wordWrap())
                return;
            EXPECT_GE(label->width(), longest);
            // Three lines: the closing line break adds no empty one.
            EXPECT_GE(label->height(), 3 * metrics.lineSpacing() - metrics.leading());
            EXPECT_LT(label->height(), 4 * metrics.lineSpacing());
        });
        EXPECT_EQ(QtDialogs().Message(text, U"Reimverben", DialogButtons::Ok, DialogIcon::None),
                  DialogAnswer::Ok);
    }
}

TEST(QtDialogsTest, NoIsTheDefaultAndEscapeAnswersNo) {
    QtDialogs dialogs;
    const Text question = Text(U"Willst du Tamurik jetzt beenden?") + CR;
    WhenShown([](QDialog& box) {
        EXPECT_TRUE(Button(box, QStringLiteral("Nein"))->isDefault());
        EXPECT_FALSE(Button(box, QStringLiteral("Ja"))->isDefault());
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.Message(question, U"Programmende", DialogButtons::YesNo, DialogIcon::Stop),
              DialogAnswer::No);
    WhenShown([](QDialog& box) { Button(box, QStringLiteral("Ja"))->click(); });
    EXPECT_EQ(dialogs.Message(question, U"Programmende", DialogButtons::YesNo, DialogIcon::Stop),
              DialogAnswer::Yes);
}

TEST(QtDialogsTest, ABoxKeepsClearOfTheAreaItsWindowNames) {
    QWidget window;
    window.setGeometry(40, 150, 300, 250);
    SetDialogKeepClear(&window, QRect(20, 20, 260, 210));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QRect kept(window.mapToGlobal(QPoint(20, 20)), QSize(260, 210));
    WhenShown([&](QDialog& box) {
        EXPECT_EQ(box.parentWidget(), &window);
        EXPECT_FALSE(box.frameGeometry().intersects(kept));
    });
    QtDialogs().Message(U"Merke dir die Lage der Wörter gut.", U"Reimverben-Memory",
                        DialogButtons::Ok, DialogIcon::None);
}

} // namespace
} // namespace tamurik
