#pragma once
// The pictures of one child's progress, each drawn by one function on any painter: on the
// screen, on a PDF page and on a printer's page alike. Sizes follow the font given, so that a
// picture reads the same at every resolution.

#include "learning/child_report.h"
#include "ui/word_drawing.h"

#include <QFont>
#include <QRectF>
#include <QWidget>

#include <functional>

class QPainter;

namespace tamurik {

// Answers per week as bars (scale on the left) and the share right as a line (scale on the
// right), one week after the other, with a legend above.
void DrawProgressChart(QPainter& painter, const QRectF& area, const std::vector<WeekPoint>& weeks,
                       const QFont& font);

// The missed verbs in their part colours, each with "3 von 5 falsch", in columns.
void DrawMissedVerbs(QPainter& painter, const QRectF& area, const std::vector<MissedVerb>& missed,
                     const WordColors& colors, const QFont& font, int columns);

// The card box: five compartments with the number of verbs in each and when they come back.
void DrawCardBox(QPainter& painter, const QRectF& area,
                 const std::array<long long, kCompartments>& counts, const QFont& font);

// The height a line of this font takes on the painter's device.
qreal LineHeight(const QPainter& painter, const QFont& font);

// A widget that shows one of the pictures above; what it shows is told to assistive
// technology through its accessible description.
class PaintedView : public QWidget {
public:
    using Paint = std::function<void(QPainter&, const QRectF&)>;
    PaintedView(QWidget* parent, const QString& objectName, const QString& accessibleName);
    void setPaint(Paint paint, const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Paint paint_;
};

} // namespace tamurik
