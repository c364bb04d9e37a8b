#include "ui/word_drawing.h"

#include "core/contrast.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace tamurik {

namespace {

enum Part { kStart, kAnfang, kMitte, kSchluss };

// The backdrop of lit-up letters.
const QColor kHighlightBackdrop(255, 244, 160);

// One letter (with its blank when spaced) where it stands on the line.
struct Piece {
    QString text;
    QColor color;
    Part part = kStart;
    qreal x = 0;
    qreal letterWidth = 0; // without the blank, for the line under the middle part
    int letter = -1;       // which letter of the word it shows; -1 for a separator shown
};

// The gap between two parts when they are told apart without colour.
qreal PartGap(const QFontMetricsF& metrics) {
    return std::round(metrics.height() * 0.3);
}

// Walks the marked word and places each visible piece, from x on.
std::vector<Piece> LayOut(const QFontMetricsF& metrics, qreal x, TextView marked,
                          const WordColors& colors, const WordDrawOptions& options,
                          qreal* end = nullptr) {
    const std::array<QColor, 4> byPart{colors.start, colors.anfang, colors.mitte, colors.schluss};
    std::vector<Piece> pieces;
    Part part = kStart;
    bool gapDue = false;
    int letterNumber = 0;
    for (char32_t c : marked) {
        switch (c) {
        case U'1':
        case U'2':
        case U'3': {
            const Part next = static_cast<Part>(c - U'0');
            gapDue = gapDue || (next != part && !pieces.empty());
            part = next;
            continue;
        }
        case U'.':
        case U'-':
            if (!options.showSeparators)
                continue;
            break;
        default:
            // A control character from a damaged line has no shape; Qt even gives it a
            // different width before and after it is first drawn, which would shift a
            // centred word.
            if (IsControlChar(c))
                continue;
            break;
        }
        if (gapDue && options.partCues)
            x += PartGap(metrics);
        gapDue = false;
        const QString letter = ToQ(Text(1, c));
        Piece piece{letter,
                    byPart[part],
                    part,
                    x,
                    metrics.horizontalAdvance(letter),
                    IsWordLetter(c) ? letterNumber++ : -1};
        if (options.spaced)
            piece.text += QLatin1Char(' ');
        x += metrics.horizontalAdvance(piece.text);
        pieces.push_back(std::move(piece));
    }
    if (end)
        *end = x;
    return pieces;
}

Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

} // namespace

WordColors PartColors(const MODUL1& state, const QColor& start) {
    return {start, PaletteColor(state.ColorAnfang), PaletteColor(state.ColorMitte),
            PaletteColor(state.ColorSchluss)};
}

Outline OutlineFor(const QColor& letters, const QColor& background, const QFont& font) {
    if (!background.isValid() || !letters.isValid() || !IsFaint(ToRgb(letters), ToRgb(background)))
        return {};
    const Rgb outline = OutlineColour(ToRgb(letters));
    // About a sixteenth of the letter height: 1-2 pixels at the usual sizes, growing with the
    // windows on a large screen.
    const qreal width = std::max(1.0, QFontInfo(font).pixelSize() / 16.0);
    return {QColor(outline.r, outline.g, outline.b), width};
}

void DrawOutline(QPainter& painter, const Outline& outline,
                 const std::function<void(const QPointF& offset)>& draw) {
    if (!outline)
        return;
    painter.save();
    painter.setPen(outline.colour);
    // Enough steps around the circle that the copies close up into one line.
    const int steps =
        std::max(8, static_cast<int>(std::ceil(2 * std::numbers::pi * outline.width)));
    for (qreal radius = outline.width; radius > 0.4; radius -= 1.0) {
        for (int i = 0; i < steps; ++i) {
            const qreal angle = 2 * std::numbers::pi * i / steps;
            draw(QPointF(radius * std::cos(angle), radius * std::sin(angle)));
        }
    }
    painter.restore();
}

qreal DrawMarkedWord(QPainter& painter, qreal x, qreal y, TextView marked, const WordColors& colors,
                     WordDrawOptions options) {
    const QFontMetricsF metrics(painter.font());
    qreal end = x;
    const std::vector<Piece> pieces = LayOut(metrics, x, marked, colors, options, &end);
    const qreal baseline = y + metrics.ascent();

    // The line under the middle part, from its first letter to the end of its last.
    qreal lineFrom = 0;
    qreal lineTo = 0;
    QColor lineColor;
    for (const Piece& piece : pieces) {
        if (piece.part != kMitte)
            continue;
        if (!lineColor.isValid())
            lineFrom = piece.x;
        lineColor = piece.color;
        lineTo = piece.x + piece.letterWidth;
    }
    const qreal lineY = baseline + std::max(metrics.underlinePos(), metrics.lineWidth() * 1.5);
    const qreal lineWidth = std::max(1.0, metrics.lineWidth());
    auto drawLine = [&](const QColor& colour, qreal width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(lineFrom, lineY), QPointF(lineTo, lineY));
    };
    const bool underline = options.partCues && lineColor.isValid();

    // The syllable being said: its letters stand on a light backdrop, underlined in their
    // part's colour.
    if (const std::optional<LetterRange>& lit = options.highlight) {
        const qreal thickness = std::max<qreal>(2, metrics.height() / 14);
        for (const Piece& piece : pieces) {
            if (piece.letter < lit->first || piece.letter >= lit->first + lit->count)
                continue;
            painter.fillRect(QRectF(piece.x, y, piece.letterWidth, metrics.height()),
                             kHighlightBackdrop);
            painter.fillRect(
                QRectF(piece.x, y + metrics.height() - thickness, piece.letterWidth, thickness),
                piece.color);
        }
    }

    // Every outline first, so that no outline covers the edge of a letter drawn before it.
    for (const Piece& piece : pieces) {
        DrawOutline(painter, OutlineFor(piece.color, options.background, painter.font()),
                    [&](const QPointF& offset) {
                        painter.drawText(QPointF(piece.x, baseline) + offset, piece.text);
                    });
    }
    if (underline) {
        if (const Outline outline = OutlineFor(lineColor, options.background, painter.font()))
            drawLine(outline.colour, lineWidth + 2 * outline.width);
    }
    for (const Piece& piece : pieces) {
        painter.setPen(piece.color);
        painter.drawText(QPointF(piece.x, baseline), piece.text);
    }
    if (underline)
        drawLine(lineColor, lineWidth);
    return end;
}

qreal MarkedWordWidth(const QFontMetricsF& metrics, TextView marked, WordDrawOptions options) {
    qreal end = 0;
    LayOut(metrics, 0, marked, WordColors{}, options, &end);
    return end;
}

} // namespace tamurik
