#pragma once
// A decorative shape: a rectangle with rounded corners, filled and outlined in colours.

#include <QColor>
#include <QWidget>

namespace tamurik {

class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, const QString& objectName);

    void setFillColor(const QColor& color);
    void setBorderColor(const QColor& color);
    QColor fillColor() const { return fill_; }
    void setRadiusTwips(int radius) {
        radius_ = radius;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_ = Qt::transparent;
    QColor border_ = Qt::transparent;
    int radius_ = 120;
};

} // namespace tamurik
