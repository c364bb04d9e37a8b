#include "teacher/drawings.h"

#include "learning/days.h"
#include "teacher/controls.h"
#include "ui/text_qt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tamurik {

namespace {

const QColor kBarColor(120, 170, 220);
const QColor kBarEdge(60, 110, 170);
const QColor kLineColor(30, 130, 60);
const QColor kGridColor(215, 215, 215);
const QColor kQuietText(90, 90, 90);

// The largest number of answers on the left scale: a round number that four grid steps reach.
long long ScaleTop(long long most) {
    long long step = 1;
    for (const long long candidate : {1, 2, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 10000,
                                      25000, 50000, 100000, 250000})
        if (candidate * 4 >= most) {
            step = candidate;
            break;
        }
    if (step * 4 < most)
        step = (most + 3) / 4;
    return step * 4;
}

// The font larger or smaller by the factor, whether its size is in points (paper) or in pixels
// (the screen's scaled fonts).
QFont Scaled(QFont font, qreal factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return font;
}

QString ShortDate(long long day) {
    const Date date = DateOfDay(day);
    return QStringLiteral("%1.%2.")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'));
}

} // namespace

qreal LineHeight(const QPainter& painter, const QFont& font) {
    return QFontMetricsF(font, painter.device()).height();
}

void DrawProgressChart(QPainter& painter, const QRectF& area, const std::vector<WeekPoint>& weeks,
                       const QFont& font) {
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    const qreal pen = std::max<qreal>(1, line / 14);

    // The legend.
    qreal x = area.left();
    const qreal legendY = area.top();
    painter.setPen(QPen(kBarEdge, pen));
    painter.setBrush(kBarColor);
    painter.drawRect(QRectF(x, legendY + line * 0.2, line * 0.6, line * 0.6));
    x += line;
    painter.setPen(Qt::black);
    const QString answers = QStringLiteral("Antworten pro Woche");
    painter.drawText(QPointF(x, legendY + metrics.ascent()), answers);
    x += metrics.horizontalAdvance(answers) + line * 1.5;
    painter.setPen(QPen(kLineColor, pen * 2.5));
    painter.drawLine(QPointF(x, legendY + line / 2), QPointF(x + line * 1.2, legendY + line / 2));
    x += line * 1.6;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, legendY + metrics.ascent()), QStringLiteral("Anteil richtig"));

    // The plot: scales left and right, the dates below.
    const qreal leftScale = metrics.horizontalAdvance(QStringLiteral("00000")) + line * 0.4;
    const qreal rightScale = metrics.horizontalAdvance(QStringLiteral("100 %")) + line * 0.4;
    const QRectF plot(area.left() + leftScale, area.top() + line * 1.8,
                      area.width() - leftScale - rightScale, area.height() - line * 3.2);
    if (plot.width() <= 0 || plot.height() <= 0 || weeks.empty()) {
        painter.restore();
        return;
    }
    long long most = 0;
    for (const WeekPoint& week : weeks)
        most = std::max(most, week.count.answers);
    const long long top = ScaleTop(std::max<long long>(most, 4));

    for (int step = 0; step <= 4; ++step) {
        const qreal y = plot.bottom() - plot.height() * step / 4;
        painter.setPen(QPen(kGridColor, pen));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kQuietText);
        painter.drawText(QRectF(area.left(), y - line / 2, leftScale - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(top * step / 4));
        painter.drawText(QRectF(plot.right() + line * 0.3, y - line / 2, rightScale, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 %").arg(step * 25));
    }

    const qreal slot = plot.width() / static_cast<qreal>(weeks.size());
    // Every date when there is room for it, else every second one.
    const int labelEvery =
        metrics.horizontalAdvance(QStringLiteral("00.00.")) + line * 0.3 > slot ? 2 : 1;
    QPainterPath share;
    bool inLine = false;
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        const WeekPoint& week = weeks[i];
        const qreal left = plot.left() + slot * static_cast<qreal>(i);
        const qreal height =
            plot.height() * static_cast<qreal>(week.count.answers) / static_cast<qreal>(top);
        painter.setPen(QPen(kBarEdge, pen));
        painter.setBrush(kBarColor);
        if (week.count.answers > 0)
            painter.drawRect(
                QRectF(left + slot * 0.18, plot.bottom() - height, slot * 0.64, height));
        // Counted from the last week (this one), which is always named.
        if ((weeks.size() - 1 - i) % static_cast<std::size_t>(labelEvery) == 0) {
            painter.setPen(kQuietText);
            painter.drawText(QRectF(left - slot, plot.bottom() + line * 0.15, slot * 3, line),
                             Qt::AlignHCenter | Qt::AlignTop, ShortDate(week.weekStart));
        }
        // A week without answers breaks the line: there is no share to draw.
        if (week.count.answers == 0) {
            inLine = false;
            continue;
        }
        const QPointF point(left + slot / 2,
                            plot.bottom() - plot.height() * static_cast<qreal>(week.count.right) /
                                                static_cast<qreal>(week.count.answers));
        if (inLine)
            share.lineTo(point);
        else
            share.moveTo(point);
        inLine = true;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLineColor);
        painter.drawEllipse(point, line * 0.22, line * 0.22);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLineColor, pen * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(share);
    painter.setPen(QPen(Qt::black, pen));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.restore();
}

void DrawMissedVerbs(QPainter& painter, const QRectF& area, const std::vector<MissedVerb>& missed,
                     const WordColors& colors, const QFont& font, int columns) {
    painter.save();
    painter.setFont(font);
    const qreal line = LineHeight(painter, font);
    if (missed.empty()) {
        painter.setPen(kQuietText);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QStringLiteral("In diesen Wochen hat das Kind kein Verb der Liste falsch "
                                        "beantwortet."));
        painter.restore();
        return;
    }
    const QFont small = Scaled(font, 0.8);
    const int rows = (static_cast<int>(missed.size()) + columns - 1) / columns;
    const qreal rowHeight = std::min(line * 1.35, area.height() / std::max(rows, 1));
    const qreal columnWidth = area.width() / columns;
    const qreal ascent = QFontMetricsF(font, painter.device()).ascent();
    for (std::size_t i = 0; i < missed.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        const qreal x = area.left() + columnWidth * column;
        const qreal y = area.top() + rowHeight * row;
        painter.setFont(font);
        const qreal end = DrawMarkedWord(painter, x, y, missed[i].verb, colors);
        painter.setFont(small);
        painter.setPen(kQuietText);
        painter.drawText(
            QPointF(end + line * 0.4, y + ascent),
            QStringLiteral("%1 von %2 falsch").arg(missed[i].wrong).arg(missed[i].asked));
    }
    painter.restore();
}

void DrawCardBox(QPainter& painter, const QRectF& area,
                 const std::array<long long, kCompartments>& counts, const QFont& font) {
    static constexpr const char* kComesBack[kCompartments] = {
        "sofort", "nach 1 Tag", "nach 3 Tagen", "nach 7 Tagen", "nach 14 Tagen"};
    painter.save();
    const qreal line = LineHeight(painter, font);
    const qreal gap = line * 0.4;
    const qreal width = (area.width() - gap * (kCompartments - 1)) / kCompartments;
    QFont big = Scaled(font, 1.6);
    big.setBold(true);
    for (int i = 0; i < kCompartments; ++i) {
        const QRectF box(area.left() + (width + gap) * i, area.top(), width, area.height());
        // The lower compartments hold the verbs still to learn: warmer colours.
        const QColor fill = QColor::fromHsv(10 + 25 * i, 60, 250);
        painter.setPen(QPen(QColor(120, 120, 120), std::max<qreal>(1, line / 14)));
        painter.setBrush(fill);
        painter.drawRoundedRect(box, line * 0.3, line * 0.3);
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(QRectF(box.left(), box.top() + line * 0.2, box.width(), line),
                         Qt::AlignHCenter, QStringLiteral("Fach %1").arg(i + 1));
        painter.setFont(big);
        painter.drawText(box, Qt::AlignCenter,
                         QString::number(counts[static_cast<std::size_t>(i)]));
        painter.setFont(font);
        painter.setPen(kQuietText);
        painter.drawText(QRectF(box.left(), box.bottom() - line * 1.2, box.width(), line),
                         Qt::AlignHCenter, QString::fromLatin1(kComesBack[i]));
    }
    painter.restore();
}

PaintedView::PaintedView(QWidget* parent, const QString& objectName, const QString& accessibleName)
    : QWidget(parent) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PaintedView::setPaint(Paint paint, const QString& description) {
    paint_ = std::move(paint);
    setAccessibleDescription(description);
    setToolTip(PlainToolTip(description));
    update();
}

void PaintedView::paintEvent(QPaintEvent*) {
    if (!paint_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = LineHeight(painter, font()) * 0.5;
    paint_(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin));
}

} // namespace tamurik
