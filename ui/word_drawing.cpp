#include "ui/word_drawing.h"

#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tamurik {

namespace {

// Walks the marked word and hands each visible piece with its colour to `piece`.
template <typename Piece>
void WalkMarkedWord(TextView marked, const WordColors& colors, WordDrawOptions options,
                    Piece&& piece) {
    QColor color = colors.start;
    for (char32_t c : marked) {
        switch (c) {
        case U'1':
            color = colors.anfang;
            continue;
        case U'2':
            color = colors.mitte;
            continue;
        case U'3':
            color = colors.schluss;
            continue;
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
        Text shown(1, c);
        if (options.spaced)
            shown += U' ';
        piece(ToQ(shown), color);
    }
}

} // namespace

WordColors PartColors(const MODUL1& state, const QColor& start) {
    return {start, PaletteColor(state.ColorAnfang), PaletteColor(state.ColorMitte),
            PaletteColor(state.ColorSchluss)};
}

qreal DrawMarkedWord(QPainter& painter, qreal x, qreal y, TextView marked, const WordColors& colors,
                     WordDrawOptions options) {
    const QFontMetricsF metrics(painter.font());
    WalkMarkedWord(marked, colors, options, [&](const QString& piece, const QColor& color) {
        painter.setPen(color);
        painter.drawText(QPointF(x, y + metrics.ascent()), piece);
        x += metrics.horizontalAdvance(piece);
    });
    return x;
}

qreal MarkedWordWidth(const QFontMetricsF& metrics, TextView marked, WordDrawOptions options) {
    qreal width = 0;
    WalkMarkedWord(marked, WordColors{}, options, [&](const QString& piece, const QColor&) {
        width += metrics.horizontalAdvance(piece);
    });
    return width;
}

} // namespace tamurik
