#include "tests/support/soak_driver.h"

#include "core/best_lists.h"
#include "core/settings_file.h"
#include "menu/main_menu.h"
#include "tests/faults/shown_text.h"
#include "ui/text_qt.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QtTest/qtestspontaneevent.h>

#include <array>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

namespace tamurik::testing {

namespace {

std::string NameOf(const QWidget* widget) {
    const QWidget* window = widget->window();
    std::string name = window->objectName().toStdString();
    if (widget != window)
        name +=
            "/" + (widget->objectName().isEmpty() ? std::string(widget->metaObject()->className())
                                                  : widget->objectName().toStdString());
    return name;
}

// A widget the child can see: shown, enabled and not wholly covered or outside its window.
bool Reachable(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && !widget->visibleRegion().isEmpty();
}

// A widget meant to be pressed or typed into weighs more than the labels and frames around it.
int Weight(const QWidget* widget) {
    return widget->focusPolicy() != Qt::NoFocus || widget->hasMouseTracking() ||
                   widget->acceptDrops()
               ? 4
               : 1;
}

// Delivers an event as the window system would: spontaneous, so that a click gives the
// keyboard focus as a real one does.
void Deliver(QWidget* receiver, QEvent& event) {
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(receiver, &event);
}

void Mouse(QWidget* receiver, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(receiver->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    Deliver(receiver, event);
}

struct Press {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// What a child types: letters most of all (umlauts and ß among them), then the keys that
// move, confirm, cancel or delete, and the copy and paste of a text field.
const std::vector<Press>& Presses() {
    static const std::vector<Press> presses = [] {
        std::vector<Press> all;
        for (int i = 0; i < 26; ++i) {
            const auto key = static_cast<Qt::Key>(Qt::Key_A + i);
            const QString letter(QChar(u'a' + i));
            all.insert(all.end(),
                       {{key, letter}, {key, letter}, {key, letter.toUpper(), Qt::ShiftModifier}});
        }
        for (int i = 0; i < 10; ++i)
            all.push_back({static_cast<Qt::Key>(Qt::Key_0 + i), QString(QChar(u'0' + i))});
        // Umlauts, ß and signs: the key of a Latin-1 character is the code of its capital.
        std::vector<Press> rest;
        for (const QChar c : QStringLiteral("äöüßÄÖÜ .-,<"))
            rest.push_back({static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                            c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier});
        rest.insert(rest.end(), {{Qt::Key_Return, "\r"},
                                 {Qt::Key_Return, "\r"},
                                 {Qt::Key_Enter, "\r"},
                                 {Qt::Key_Escape, "\x1b"},
                                 {Qt::Key_Backspace, "\b"},
                                 {Qt::Key_Delete, "\x7f"},
                                 {Qt::Key_Tab, "\t"},
                                 {Qt::Key_Backtab, "", Qt::ShiftModifier}});
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                            Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F1})
            rest.push_back({key, ""});
        for (Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z})
            rest.push_back({key, "", Qt::ControlModifier}); // select all, copy, paste, cut, undo
        for (int copies = 0; copies < 3; ++copies)
            all.insert(all.end(), rest.begin(), rest.end());
        return all;
    }();
    return presses;
}

// Ticks a timer as its interval running out would.
void TickTimer(QTimer* timer) {
    QTimerEvent event(timer->timerId());
    QApplication::sendEvent(timer, &event);
}

} // namespace

QWidget* VisibleProgramWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<Screen*>(window) != nullptr)
            return window;
    return nullptr;
}

SoakDriver::SoakDriver(std::uint64_t seed) : seed_(seed), random_(seed) {}

int SoakDriver::Below(int n) {
    return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<std::uint64_t>(n));
}

std::string SoakDriver::Act(AppNavigator& navigator) {
    QWidget* window = VisibleProgramWindow();
    if (window == nullptr)
        return "nothing to see";
    // The window system makes a shown window the active one, so keys and shortcuts reach it.
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    std::string done;
    const int roll = Below(100);
    if (roll < 34)
        done = Click(window, 1, false);
    else if (roll < 38)
        done = Click(window, 2, false);
    else if (roll < 41)
        done = Click(window, 1, true);
    else if (roll < 46)
        done = Hover(window);
    else if (roll < 78)
        done = Key(window);
    else if (roll < 84)
        done = Slide(window);
    else if (roll < 94)
        done = Tick(window);
    else if (roll < 96) {
        // What the child sees: every widget paints.
        window->grab();
        done = "look at " + NameOf(window);
    } else if (roll < 98) {
        // The window manager's close button.
        done = "close " + NameOf(window);
        window->close();
    } else {
        done = OpenScreen(navigator);
    }
    QCoreApplication::sendPostedEvents();
    return done;
}

std::string SoakDriver::Click(QWidget* window, int clicks, bool right) {
    // Every widget of the window the child can reach, and the window itself; list items are
    // aimed at one by one.
    std::vector<std::pair<QWidget*, QRect>> targets{{window, window->rect()}};
    std::vector<int> weights{1};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!Reachable(widget))
            continue;
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const int rows = view->model()->rowCount(view->rootIndex());
            for (int row = 0; row < rows; ++row) {
                const QRect item =
                    view->visualRect(view->model()->index(row, 0, view->rootIndex()));
                if (item.intersects(view->viewport()->rect())) {
                    targets.push_back({view->viewport(), item & view->viewport()->rect()});
                    weights.push_back(2);
                }
            }
        }
        targets.push_back({widget, widget->rect()});
        weights.push_back(Weight(widget));
    }
    int pick = Below(std::accumulate(weights.begin(), weights.end(), 0));
    std::size_t chosen = 0;
    while (pick >= weights[chosen])
        pick -= weights[chosen++];
    const auto& [widget, area] = targets[chosen];
    const QPoint local(area.x() + Below(area.width()), area.y() + Below(area.height()));
    // The click lands on whatever lies on top at that point, as a real one does.
    const QPoint inWindow = widget->mapTo(window, local);
    QWidget* receiver = window->childAt(inWindow);
    if (receiver == nullptr)
        receiver = window;
    const QPoint at = receiver->mapFrom(window, inWindow);
    const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
    const QPointer<QWidget> alive(receiver);
    Mouse(receiver, QEvent::MouseButtonPress, at, button, button);
    if (alive)
        Mouse(receiver, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    if (clicks == 2 && alive && alive->isVisible()) {
        Mouse(receiver, QEvent::MouseButtonDblClick, at, button, button);
        if (alive)
            Mouse(receiver, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    return std::string(clicks == 2 ? "double-click "
                       : right     ? "right-click "
                                   : "click ") +
           (alive ? NameOf(alive) : std::string("(gone)"));
}

std::string SoakDriver::Hover(QWidget* window) {
    std::vector<QWidget*> widgets{window};
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (Reachable(widget))
            widgets.push_back(widget);
    QWidget* widget = widgets[static_cast<std::size_t>(Below(static_cast<int>(widgets.size())))];
    const QPoint at(Below(widget->width()), Below(widget->height()));
    const QPointF point(at);
    QEnterEvent enter(point, point, widget->mapToGlobal(point));
    Deliver(widget, enter);
    Mouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    return "hover " + NameOf(widget);
}

std::string SoakDriver::Key(QWidget* window) {
    const std::vector<Press>& presses = Presses();
    const Press& press = presses[static_cast<std::size_t>(Below(static_cast<int>(presses.size())))];
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != window)
        target = window;
    const std::string name = NameOf(target);
    QTest::sendKeyEvent(QTest::Click, target, press.key, press.text, press.modifiers);
    return "key " + QKeySequence(press.key | press.modifiers).toString().toStdString() + " on " +
           name;
}

std::string SoakDriver::Slide(QWidget* window) {
    std::vector<QAbstractSlider*> sliders;
    for (QAbstractSlider* slider : window->findChildren<QAbstractSlider*>())
        if (Reachable(slider))
            sliders.push_back(slider);
    if (sliders.empty())
        return Key(window);
    QAbstractSlider* slider =
        sliders[static_cast<std::size_t>(Below(static_cast<int>(sliders.size())))];
    const std::string name = NameOf(slider);
    if (Below(2) == 0) {
        // Dragged by its handle to somewhere and let go.
        const int span = slider->maximum() - slider->minimum();
        slider->setSliderDown(true);
        slider->setSliderPosition(slider->minimum() + Below(span + 1));
        slider->setSliderDown(false);
        return "drag " + name;
    }
    static constexpr std::array kSteps{
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
    slider->triggerAction(kSteps[static_cast<std::size_t>(Below(kSteps.size()))]);
    return "step " + name;
}

std::string SoakDriver::Tick(QWidget* window) {
    std::vector<QTimer*> running;
    for (QTimer* timer : window->findChildren<QTimer*>())
        if (timer->isActive())
            running.push_back(timer);
    if (running.empty())
        return Key(window);
    const QPointer<QTimer> timer =
        running[static_cast<std::size_t>(Below(static_cast<int>(running.size())))];
    // A few seconds pass, or a whole minute.
    const int ticks = Below(4) == 0 ? 60 : 1 + Below(5);
    const std::string name =
        window->objectName().toStdString() + "/" + timer->objectName().toStdString();
    int done = 0;
    while (done < ticks && timer && timer->isActive() && window->isVisible()) {
        TickTimer(timer);
        QCoreApplication::sendPostedEvents();
        ++done;
    }
    timerTicks_ += done;
    return "tick " + name + " " + std::to_string(done) + " times";
}

std::string SoakDriver::OpenScreen(AppNavigator& navigator) {
    // Screens are opened from the main menu only, as its icons do.
    if (!navigator.menu().isVisible())
        return Key(VisibleProgramWindow());
    // Every screen there is: the last of them is the program info.
    const auto id = static_cast<ScreenId>(Below(static_cast<int>(ScreenId::Info) + 1));
    navigator.Open(id);
    return "open " + navigator.screen(id).objectName().toStdString();
}

namespace {

// Whether a best-list line is a marker and a record of that list's fixed columns.
bool IsBestListLine(const std::string& file, TextView line) {
    // A marker, then the list's columns, each followed by three blanks: numbers right-aligned
    // in their width, and Quatschverben's date; the user name fills the rest.
    const auto number = [](int width) {
        return QStringLiteral("(?= *-?\\d+   )[ \\d-]{%1}   ").arg(width);
    };
    static const std::map<std::string, QRegularExpression> kRecords = {
        {kBestVerb, QRegularExpression(QStringLiteral("^[<>]") + number(3) + number(5) +
                                       QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}   "))},
        {kBestText, QRegularExpression(QStringLiteral("^[<>]") + number(3) + number(4))},
        {kBestHang, QRegularExpression(QStringLiteral("^[<>]") + number(4) + number(4))},
        {kBestFang, QRegularExpression(QStringLiteral("^[<>]") + number(4) + number(4))},
    };
    const QRegularExpressionMatch match = kRecords.at(file).match(ToQ(line));
    return match.hasMatch() &&
           !HasBrokenChar(line.substr(static_cast<std::size_t>(match.capturedLength())));
}

} // namespace

int CheckInvariants(AppNavigator& navigator, const MODUL1& state, const WorkDir& dir) {
    int checks = 0;
    QWidget* shown = nullptr;
    int visible = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            ++visible;
            shown = window;
        }
    ++checks;
    EXPECT_EQ(visible, 1) << "program windows visible";

    ++checks;
    EXPECT_GE(state.Points, 0);
    if (visible == 1) {
        ++checks;
        for (const QLabel* label : shown->findChildren<QLabel*>()) {
            if (label->isVisible() && label->accessibleDescription() == QStringLiteral("Punkte")) {
                EXPECT_EQ(label->text(), QString::number(state.Points)) << NameOf(label);
            }
        }
        ++checks;
        ExpectPlainAndWhole(shown);
    }

    ++checks;
    std::vector<QWidget*> windows{&navigator.menu()};
    for (int i = 0; i <= static_cast<int>(ScreenId::Info); ++i)
        if (Screen* screen = navigator.existing(static_cast<ScreenId>(i)))
            windows.push_back(screen);
    for (QWidget* window : windows) {
        if (window->isVisible())
            continue;
        for (const QTimer* timer : window->findChildren<QTimer*>()) {
            EXPECT_FALSE(timer->isActive())
                << "timer " << timer->objectName().toStdString() << " runs on hidden "
                << window->objectName().toStdString();
        }
    }

    for (const char* file : {kBestVerb, kBestHang, kBestText, kBestFang}) {
        ++checks;
        if (!dir.Exists(file))
            continue;
        const auto lines = dir.ReadLines(file);
        EXPECT_TRUE(lines.has_value()) << file << " cannot be read";
        for (const Text& line : lines.value_or(std::vector<Text>{})) {
            EXPECT_TRUE(IsBestListLine(file, line)) << file << ": " << ToUtf8(line);
        }
    }
    ++checks;
    if (dir.Exists(kSettingsFile)) {
        const auto lines = dir.ReadLines(kSettingsFile);
        EXPECT_TRUE(lines && ParseSettings(*lines).has_value()) << "TAMURIK.INI reads no more";
    }
    ++checks;
    for (const auto& entry : std::filesystem::directory_iterator(dir.folder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(name.ends_with(".tmp")) << name << " left behind";
    }
    return checks;
}

} // namespace tamurik::testing
