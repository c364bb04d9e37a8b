#include "ui/focus_ring.h"

#include "ui/click_label.h"
#include "ui/geometry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace tamurik {

namespace {

const QString kRingName = QStringLiteral("Fokusrahmen");

// Drawn over the window just outside the focused control; it takes no clicks and no focus.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* window) : QWidget(window) {
        setObjectName(kRingName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    static int Width() { return std::max(2, Px(45)); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int w = Width();
        const QRectF ring = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
        // Yellow between two dark lines: seen on a light and on a dark background.
        painter.setPen(QPen(Qt::black, w + 2));
        painter.drawRoundedRect(ring, w * 2, w * 2);
        painter.setPen(QPen(QColor(255, 200, 0), w));
        painter.drawRoundedRect(ring, w * 2, w * 2);
    }
};

// Follows the focused control as it moves, changes size or is hidden.
class RingKeeper : public QObject {
public:
    explicit RingKeeper(QObject* parent) : QObject(parent) {}

    void Follow(QWidget* focused) {
        if (focused_)
            focused_->removeEventFilter(this);
        focused_ = focused;
        if (focused_)
            focused_->installEventFilter(this);
        Place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            Place();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Place() {
        if (ring_)
            ring_->hide();
        QWidget* focused = focused_;
        // A clickable label draws its own ring; a window has nothing around it.
        if (focused == nullptr || focused->isWindow() || qobject_cast<ClickLabel*>(focused) ||
            !focused->isVisible())
            return;
        QWidget* window = focused->window();
        if (ring_ == nullptr || ring_->parentWidget() != window) {
            ring_ = static_cast<FocusRing*>(
                window->findChild<QWidget*>(kRingName, Qt::FindDirectChildrenOnly));
            if (ring_ == nullptr)
                ring_ = new FocusRing(window);
        }
        const int w = FocusRing::Width();
        const QRect around = QRect(focused->mapTo(window, QPoint(0, 0)), focused->size())
                                 .adjusted(-w, -w, w, w)
                                 .intersected(window->rect());
        // A typing box kept outside the window shows no ring.
        if (around.width() <= 2 * w || around.height() <= 2 * w)
            return;
        ring_->setGeometry(around);
        ring_->show();
        ring_->raise();
    }

    QPointer<QWidget> focused_;
    QPointer<FocusRing> ring_;
};

// The ring is decoration: assistive technology is told it is not there to be read.
class HiddenAccessible : public QAccessibleWidget {
public:
    explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* RingFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object && object->objectName() == kRingName)
        return new HiddenAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void InstallFocusRing() {
    auto* keeper = new RingKeeper(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, keeper,
                     [keeper](QWidget*, QWidget* now) { keeper->Follow(now); });
    QAccessible::installFactory(RingFactory);
}

} // namespace tamurik
