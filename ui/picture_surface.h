#pragma once
// A surface that is drawn on like paper: text is written at a drawing position that moves on
// after it, so one word can be written in pieces of different colours; lines and rectangles
// are drawn in a colour. All coordinates are twips. What is drawn stays until Clear().

#include "core/text.h"
#include "ui/word_drawing.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>

namespace tamurik {

class PictureSurface : public QWidget {
    Q_OBJECT
public:
    PictureSurface(QWidget* parent, const QString& objectName);

    void setBackground(const QColor& color);
    QColor background() const { return background_; }
    void setDrawFont(const QFont& font) { font_ = font; }
    const QFont& drawFont() const { return font_; }

    void Clear();
    void SetDrawColor(const QColor& color) { drawColor_ = color; }
    void SetDrawPos(double xTwips, double yTwips);
    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    // Writes the text at the drawing position; the position moves on after it. Text that is
    // faint on the colour at the drawing position gets an outline (a reading aid).
    void Print(TextView text);
    // Writes a marked word in its part colours, with the reading aids of the additions'
    // settings; returns the x reached (twips).
    double PrintMarked(TextView marked, const WordColors& colors, WordDrawOptions options = {});
    // The width PrintMarked takes for the word, in twips.
    double MarkedWidth(TextView marked, WordDrawOptions options = {}) const;
    // Width of a text in the surface's font, in twips.
    double TextWidth(TextView text) const;
    void Line(double x1, double y1, double x2, double y2, const QColor& color);
    void Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled);

    // What has been drawn so far (for tests and screenshots).
    const QImage& image() const { return image_; }

signals:
    void clicked(QPointF twips);
    void pressedAt(QPointF twips, Qt::MouseButton button);
    void movedTo(QPointF twips, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ensureImage();
    // The options with the reading aids: the part cues of the settings, and the colour at the
    // drawing position as the background faint letters are outlined against.
    WordDrawOptions withReadingAids(WordDrawOptions options) const;

    QImage image_;
    QColor background_ = Qt::white;
    QColor drawColor_ = Qt::black;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace tamurik
