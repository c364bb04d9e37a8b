#include "ui/click_label.h"

#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace tamurik {

ClickLabel::ClickLabel(QWidget* parent, const QString& objectName) : QLabel(parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setClickable(true);
}

void ClickLabel::setPlainText(TextView text) {
    setText(ToDisplay(text));
}

void ClickLabel::setIcon(const QString& resource) {
    if (resource == icon_)
        return;
    icon_ = resource;
    iconPixmap_ = QPixmap();
    update();
}

void ClickLabel::renderIcon() {
    // Drawn when first painted at a size, so a window shows before all its pictures are drawn.
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = size() * ratio;
    if (icon_.isEmpty() || wanted.isEmpty() || iconPixmap_.size() == wanted)
        return;
    QSvgRenderer renderer(icon_);
    QPixmap pixmap(wanted);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSizeF target = renderer.defaultSize().scaled(size(), Qt::KeepAspectRatio);
        renderer.render(&painter, QRectF(QPointF((width() - target.width()) / 2,
                                                 (height() - target.height()) / 2),
                                         target));
    }
    iconPixmap_ = pixmap;
}

void ClickLabel::setColors(const QColor& foreground, const QColor& background) {
    setForeground(foreground);
    setBackground(background);
}

void ClickLabel::setForeground(const QColor& foreground) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, foreground);
    setPalette(pal);
}

void ClickLabel::setBackground(const QColor& background) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(true);
}

void ClickLabel::setClickable(bool clickable) {
    clickable_ = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ClickLabel::click() {
    if (clickable_ && isVisible() && isEnabled())
        emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    emit pressedAt(QPointF(TwipsFromPx(event->position().x()), TwipsFromPx(event->position().y())),
                   event->button());
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    // Taken here: the window behind would otherwise take the move as one over its background.
    event->accept();
}

void ClickLabel::enterEvent(QEnterEvent* event) {
    emit hovered();
    QLabel::enterEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (clickable_ && !event->isAutoRepeat() &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
         event->key() == Qt::Key_Enter)) {
        click();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    renderIcon();
    if (!iconPixmap_.isNull()) {
        QPainter painter(this);
        // A disabled icon is faded; its tooltip says why it cannot be used now.
        if (!isEnabled())
            painter.setOpacity(0.35);
        painter.drawPixmap(0, 0, iconPixmap_);
    }
    if (hasFocus() && clickable_) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor(255, 200, 0), std::max(2, Px(45)));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int inset = pen.width() / 2 + 1;
        painter.drawRoundedRect(rect().adjusted(inset, inset, -inset, -inset), 6, 6);
    }
}

namespace {

// Qt's own interface for labels is static text without actions; a clickable label is a button.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = label()->text();
        return value;
    }
    QStringList actionNames() const override {
        return label()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            QMetaObject::invokeMethod(label(), &ClickLabel::click, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* ClickLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tamurik::ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    QAccessible::installFactory(ClickLabelFactory);
}

ClickLabel* MakeTextLabel(QWidget* parent, const QString& objectName, TextView text, QRect twips,
                          double points, bool bold) {
    auto* label = new ClickLabel(parent, objectName);
    label->setPlainText(text);
    label->setFont(UiFont(points, bold));
    label->setClickable(false);
    PlaceTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

} // namespace tamurik
