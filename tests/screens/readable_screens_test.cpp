// Every screen at the sizes of three common displays: each visible widget lies inside its
// window and its parent, and no text is cut off. And every screen as assistive technology sees
// it: each text reachable in the accessibility tree, each control named in German, reached by
// the Tab key and showing when it has the focus.

#include "menu/main_menu.h"
#include "settings/settings_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <set>

namespace tamurik::testing {
namespace {

const std::vector<ScreenId> kScreens{ScreenId::Quatschverben,
                                     ScreenId::AbcVerben,
                                     ScreenId::Verbformen,
                                     ScreenId::Settings,
                                     ScreenId::Zusammenpuzzeln,
                                     ScreenId::VerbenSchreiben,
                                     ScreenId::ReimverbenFinden,
                                     ScreenId::Verbbedeutung,
                                     ScreenId::Zusammensetzen,
                                     ScreenId::SchnellLesen,
                                     ScreenId::ReimverbenSchreiben,
                                     ScreenId::VerbenTrennen,
                                     ScreenId::Manual,
                                     ScreenId::Memory,
                                     ScreenId::Galgenspiel,
                                     ScreenId::Devadodad,
                                     ScreenId::Info,
                                     ScreenId::VerbenVerlaengern};

std::string Name(const QWidget* widget) {
    return (widget->window()->objectName() + QLatin1Char('/') + widget->objectName() +
            QLatin1Char(' ') + QString::fromLatin1(widget->metaObject()->className()))
        .toStdString();
}

// The typing box of a typing exercise lies outside the window on purpose: the child sees what
// it types in the labels.
bool IsHiddenTypingBox(const QWidget* widget, const QRect& inWindow) {
    return qobject_cast<const QLineEdit*>(widget) && !widget->window()->rect().intersects(inWindow);
}

void ExpectTextFits(const QLabel* label) {
    if (label->text().isEmpty())
        return;
    if (label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << Name(label);
        return;
    }
    const int margin = label->margin();
    int inset = label->indent();
    if (inset < 0)
        inset = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
    const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize need = label->fontMetrics().size(0, label->text());
    EXPECT_LE(need.width() + inset, area.width())
        << Name(label) << " " << label->text().toStdString();
    EXPECT_LE(need.height(), area.height()) << Name(label) << " " << label->text().toStdString();
}

void ExpectButtonTextFits(const QAbstractButton* button) {
    if (button->text().isEmpty())
        return;
    if (qobject_cast<const QPushButton*>(button)) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 4, button->width())
            << Name(button);
    } else {
        EXPECT_LE(button->sizeHint().width(), button->width()) << Name(button);
    }
    EXPECT_LE(button->fontMetrics().height(), button->height()) << Name(button);
}

// Every widget the child can see lies inside its window and its parent; no text is cut off.
void ExpectNothingCutOff(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (IsHiddenTypingBox(widget, inWindow))
            continue;
        EXPECT_TRUE(window->rect().contains(inWindow)) << Name(widget);
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << Name(widget);
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            ExpectTextFits(label);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            ExpectButtonTextFits(button);
    }
}

class ReadableScreensTest : public AppTest {
protected:
    ReadableScreensTest() {
        // The shipped word lists: their long verbs and explanations are what must fit.
        for (const char* file : {"ZAHLVERB.TXT", "ZAHLREIM.TXT", "VERBEN.TXT"})
            std::filesystem::copy_file(std::filesystem::path(TAMURIK_DATA_DIR) / file,
                                       folder_ / file,
                                       std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(std::filesystem::path(TAMURIK_DATA_DIR) / "TAMURIK.RTF",
                                   folder_ / "TAMURIK.RTF");
        for (int k = 0; k < 40; ++k)
            random_.QueueDraw((k * 37) % 101, 101);
    }
    ~ReadableScreensTest() override { SetScaleFactor(1.0); }

    // Opens each screen in turn and runs `check` on it (and, for the exercises, again with the
    // selection panel open), then closes it.
    void ForEveryScreen(const std::function<void(QWidget&)>& check) {
        check(*Menu());
        navigator_->menu().TogglePanel();
        check(*Menu());
        navigator_->menu().TogglePanel();
        for (ScreenId id : kScreens) {
            navigator_->Open(id);
            Screen& screen = navigator_->screen(id);
            ASSERT_TRUE(screen.isVisible()) << screen.objectName().toStdString();
            check(screen);
            if (auto* exercise = dynamic_cast<ExerciseFrame*>(&screen)) {
                exercise->ToggleOptionPanel();
                if (exercise->isPanelOpen())
                    check(screen);
                exercise->ToggleOptionPanel();
                EXPECT_FALSE(exercise->isPanelOpen());
            }
            if (auto* settings = dynamic_cast<SettingsScreen*>(&screen)) {
                settings->ScanFonts();
                settings->ToggleHelp();
                check(screen);
                settings->ToggleHelp();
                settings->OpenBestLists();
                check(screen);
                settings->CloseBestLists();
            }
            if (id == ScreenId::Devadodad)
                dialogs_.QueueAnswer(DialogAnswer::Yes); // "Dieses Spiel jetzt beenden?"
            screen.CloseFromWindowManager();
            EXPECT_FALSE(screen.isVisible());
        }
    }
};

TEST_F(ReadableScreensTest, NothingIsCutOffOnSmallLargeAndVeryLargeDisplays) {
    for (int height : {800, 1080, 2160}) {
        SCOPED_TRACE(height);
        SetScaleFactor(ScaleForAvailableHeight(height));
        navigator_.reset();
        Start();
        ForEveryScreen([](QWidget& window) { ExpectNothingCutOff(&window); });
    }
}

// The texts of the accessibility tree below an interface, with the objects they belong to.
void Walk(QAccessibleInterface* node, std::set<QObject*>& objects, int depth = 0) {
    if (node == nullptr || depth > 20)
        return;
    objects.insert(node->object());
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), objects, depth + 1);
}

QString Spoken(QAccessibleInterface* node) {
    QString text =
        node->text(QAccessible::Name) + QLatin1Char(' ') + node->text(QAccessible::Description);
    if (QAccessibleTextInterface* document = node->textInterface())
        text += QLatin1Char(' ') + document->text(0, document->characterCount());
    return text.simplified();
}

bool LooksGerman(const QString& name) {
    // Not a widget's internal name, and none of the English words a toolkit would put there.
    static const QRegularExpression internal(
        QStringLiteral("^(Bild|bild|Bezeichnung|Label|Picture|Option|Liste|Text|Befehl|HBildlauf|"
                       "HScroll|VBildlauf|Rahmen|Frame)\\d+$"));
    static const QRegularExpression english(
        QStringLiteral("\\b(close|save|cancel|help|button|icon|picture|label|scroll|yes|no)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return !internal.match(name).hasMatch() && !english.match(name).hasMatch();
}

bool IsControl(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled();
}

// A panel lies over it (the selection panel, the best lists): out of sight, out of reach.
bool IsCovered(QWidget* widget) {
    QWidget* window = widget->window();
    const QWidget* top = window->childAt(widget->mapTo(window, widget->rect().center()));
    return top != nullptr && top != widget && !widget->isAncestorOf(top);
}

void ExpectReachableAndNamed(QWidget* window) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(root->text(QAccessible::Name).isEmpty()) << Name(window);
    std::set<QObject*> inTree;
    Walk(root, inTree);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(node, nullptr) << Name(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* document = qobject_cast<const QTextBrowser*>(widget);
        if ((label && !label->text().isEmpty()) || document || IsControl(widget)) {
            EXPECT_TRUE(inTree.count(widget)) << Name(widget) << " is not in the tree";
        }
        if (label && !label->text().isEmpty()) {
            EXPECT_TRUE(Spoken(node).contains(label->text().simplified()))
                << Name(widget) << ": " << Spoken(node).toStdString();
        }
        if (document) {
            EXPECT_EQ(node->role(), QAccessible::Document) << Name(widget);
            EXPECT_TRUE(node->textInterface() &&
                        node->textInterface()->text(0, node->textInterface()->characterCount()) ==
                            document->toPlainText())
                << Name(widget);
        }
        if (IsControl(widget) || document) {
            const QString spokenName = node->text(QAccessible::Name);
            EXPECT_FALSE(spokenName.isEmpty()) << Name(widget) << " has no name";
            EXPECT_TRUE(LooksGerman(spokenName))
                << Name(widget) << ": " << spokenName.toStdString();
        }
    }
}

TEST_F(ReadableScreensTest, EveryTextIsReachableAndEveryControlHasAGermanName) {
    Start();
    ForEveryScreen([](QWidget& window) { ExpectReachableAndNamed(&window); });
}

// The controls in the order the Tab key walks them from `first`, once round.
std::vector<QWidget*> TabWalk(QWidget* first) {
    std::vector<QWidget*> walked;
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 200; ++step) {
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || (!walked.empty() && now == walked.front()))
            break;
        walked.push_back(now);
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return walked;
}

void ExpectKeyboardReachesEveryControlVisibly(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (widget->isVisibleTo(window) && IsControl(widget) &&
            !IsHiddenTypingBox(widget, inWindow) && !widget->isWindow() && !IsCovered(widget))
            controls.push_back(widget);
    }
    if (controls.empty())
        return;
    const std::vector<QWidget*> walked = TabWalk(controls.front());
    auto reached = [&](QWidget* control) {
        return std::find(walked.begin(), walked.end(), control) != walked.end();
    };
    for (QWidget* control : controls) {
        // Of a group of option buttons, Tab reaches the checked one and the arrow keys the rest.
        bool groupReached = false;
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            for (auto* other : option->parentWidget()->findChildren<QRadioButton*>(
                     QString(), Qt::FindDirectChildrenOnly))
                groupReached = groupReached || reached(other);
        }
        EXPECT_TRUE(reached(control) || groupReached)
            << Name(control) << " is never reached with Tab";
        // The focus shows: the control and what lies just around it look different with it.
        const QRect around =
            QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(-4, -4, 4, 4);
        control->setFocus(Qt::TabFocusReason);
        const QImage focused = window->grab(around).toImage();
        control->clearFocus();
        const QImage unfocused = window->grab(around).toImage();
        EXPECT_NE(focused, unfocused) << Name(control) << " shows no focus";
    }
}

TEST_F(ReadableScreensTest, TheKeyboardReachesEveryControlAndShowsWhereItIs) {
    Start();
    ForEveryScreen([](QWidget& window) { ExpectKeyboardReachesEveryControlVisibly(&window); });
}

} // namespace
} // namespace tamurik::testing
