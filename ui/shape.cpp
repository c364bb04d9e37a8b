#include "ui/shape.h"

#include "ui/geometry.h"

#include <QPainter>

namespace tamurik {

Shape::Shape(QWidget* parent, const QString& objectName) : QWidget(parent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor& color) {
    fill_ = color;
    update();
}

void Shape::setBorderColor(const QColor& color) {
    border_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pen = std::max(1, Px(30));
    painter.setPen(border_.alpha() == 0 ? QPen(Qt::NoPen) : QPen(border_, pen));
    painter.setBrush(fill_);
    const qreal r = Px(radius_);
    painter.drawRoundedRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0),
                            r, r);
}

} // namespace tamurik
