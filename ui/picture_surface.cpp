#include "ui/picture_surface.h"

#include "ui/geometry.h"
#include "ui/screen.h"
#include "ui/text_qt.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tamurik {

PictureSurface::PictureSurface(QWidget* parent, const QString& objectName) : QWidget(parent) {
    setObjectName(objectName);
    setMouseTracking(true);
    font_ = UiFont(12);
}

void PictureSurface::setBackground(const QColor& color) {
    background_ = color;
    Clear();
}

void PictureSurface::ensureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = size() * ratio;
    if (image_.size() == wanted)
        return;
    QImage fresh(wanted.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = fresh;
}

void PictureSurface::Clear() {
    ensureImage();
    image_.fill(background_);
    x_ = 0;
    y_ = 0;
    update();
}

void PictureSurface::SetDrawPos(double xTwips, double yTwips) {
    x_ = xTwips;
    y_ = yTwips;
}

WordDrawOptions PictureSurface::withReadingAids(WordDrawOptions options) const {
    const ReadingAids aids = ReadingAidsOf(this);
    options.partCues = options.partCues || aids.partCues;
    if (aids.outline && !image_.isNull()) {
        // Just inside the top-left corner of the text: what lies under it (the sheet, or a box
        // drawn for a letter).
        const qreal ratio = image_.devicePixelRatio();
        const int px = std::clamp(static_cast<int>((Px(x_) + 1) * ratio), 0, image_.width() - 1);
        const int py = std::clamp(static_cast<int>((Px(y_) + 1) * ratio), 0, image_.height() - 1);
        options.background = image_.pixelColor(px, py);
    }
    return options;
}

void PictureSurface::Print(TextView text) {
    ensureImage();
    const QColor behind = withReadingAids({}).background;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    const QFontMetricsF metrics(font_);
    const QString shown = ToQ(text);
    const QPointF at(Px(x_), Px(y_) + metrics.ascent());
    DrawOutline(painter, OutlineFor(drawColor_, behind, font_),
                [&](const QPointF& offset) { painter.drawText(at + offset, shown); });
    painter.setPen(drawColor_);
    painter.drawText(at, shown);
    x_ += TwipsFromPx(metrics.horizontalAdvance(shown));
    update();
}

double PictureSurface::PrintMarked(TextView marked, const WordColors& colors,
                                   WordDrawOptions options) {
    ensureImage();
    options = withReadingAids(options);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    const qreal end = DrawMarkedWord(painter, Px(x_), Px(y_), marked, colors, options);
    x_ = TwipsFromPx(end);
    update();
    return x_;
}

double PictureSurface::MarkedWidth(TextView marked, WordDrawOptions options) const {
    options.partCues = options.partCues || ReadingAidsOf(this).partCues;
    return TwipsFromPx(MarkedWordWidth(QFontMetricsF(font_), marked, options));
}

double PictureSurface::TextWidth(TextView text) const {
    return TwipsFromPx(QFontMetricsF(font_).horizontalAdvance(ToQ(text)));
}

void PictureSurface::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    ensureImage();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, std::max(1, Px(15))));
    painter.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
    update();
}

void PictureSurface::Box(double x1, double y1, double x2, double y2, const QColor& color,
                         bool filled) {
    ensureImage();
    QPainter painter(&image_);
    const QRectF box(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
    if (filled) {
        painter.fillRect(box.normalized(), color);
    } else {
        painter.setPen(QPen(color, std::max(1, Px(15))));
        painter.drawRect(box.normalized());
    }
    update();
}

void PictureSurface::paintEvent(QPaintEvent*) {
    ensureImage();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void PictureSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImage();
}

namespace {
QPointF ToTwips(const QPointF& px) {
    return {TwipsFromPx(px.x()), TwipsFromPx(px.y())};
}
} // namespace

void PictureSurface::mousePressEvent(QMouseEvent* event) {
    emit pressedAt(ToTwips(event->position()), event->button());
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(ToTwips(event->position()));
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event) {
    emit movedTo(ToTwips(event->position()), event->buttons());
}

} // namespace tamurik
