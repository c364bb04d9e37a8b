#include "ui/click_label.h"

#include "ui/document_view.h"
#include "ui/focus_ring.h"
#include "ui/geometry.h"
#include "ui/screen.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
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

QColor BackgroundBehind(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return {};
}

namespace {

Outline TextOutline(const ClickLabel& label, bool wanted) {
    if (!wanted || label.text().isEmpty() || !ReadingAidsOf(&label).outline)
        return {};
    return OutlineFor(label.palette().color(label.foregroundRole()), BackgroundBehind(&label),
                      label.font());
}

} // namespace

bool ClickLabel::hasTextOutline() const {
    return static_cast<bool>(TextOutline(*this, outlineFaint_));
}

void ClickLabel::paintOutlinedText() {
    // The label's own text drawing has no outline, so the text is drawn here, placed as the
    // label places it.
    QPainter painter(this);
    drawFrame(&painter);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (inset > 0) {
        area.adjust(align & Qt::AlignLeft ? inset : 0, align & Qt::AlignTop ? inset : 0,
                    align & Qt::AlignRight ? -inset : 0, align & Qt::AlignBottom ? -inset : 0);
    }
    const int flags = static_cast<int>(align) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setFont(font());
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QString shown = text();
    DrawOutline(painter, TextOutline(*this, outlineFaint_), [&](const QPointF& offset) {
        painter.drawText(QRectF(area).translated(offset), flags, shown);
    });
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, shown);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (hasTextOutline())
        paintOutlinedText();
    else
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

    QAccessible::Role role() const override {
        return label()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        const QString value = QAccessibleWidget::text(t);
        const QString shown = label()->text();
        if (t == QAccessible::Name && value.isEmpty())
            return shown;
        // A label with a name of its own (the row "i c h", the picture "Bestenliste") says what
        // it shows too: a text after its name, a button in its description.
        const QString name = QAccessibleWidget::text(QAccessible::Name);
        if (shown.isEmpty() || name.isEmpty() || name == shown)
            return value;
        if (t == QAccessible::Name && !label()->isClickable())
            return name + QStringLiteral(": ") + shown;
        if (t == QAccessible::Description && label()->isClickable() && !value.contains(shown))
            return value.isEmpty() ? shown : value + QStringLiteral(": ") + shown;
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
    InstallDocumentAccessibility();
    InstallFocusRing();
}

void PlaceAsWord(const std::vector<ClickLabel*>& parts, const QRect& area, bool centreVertically,
                 bool partCues) {
    if (parts.size() == 3) {
        QFont middle = parts[1]->font();
        middle.setUnderline(partCues);
        parts[1]->setFont(middle);
    }
    const int gap = partCues && !parts.empty() ? parts.front()->fontMetrics().height() * 3 / 10 : 0;
    int total = 0;
    for (ClickLabel* part : parts) {
        part->resize(part->sizeHint());
        total += part->width() + (part == parts.front() ? 0 : gap);
    }
    int x = area.x() + std::max(0, (area.width() - total) / 2);
    for (ClickLabel* part : parts) {
        const int y = centreVertically
                          ? area.y() + std::max(0, (area.height() - part->height()) / 2)
                          : area.y();
        part->move(x, y);
        part->raise();
        x += part->width() + gap;
    }
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
