#include "ui/word_drawing.h"

#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tamurik {

namespace {

// The backdrop of lit-up letters.
const QColor kHighlightBackdrop(255, 244, 160);

// Walks the marked word and hands each visible piece with its colour to `piece`, with the
// number of the letter it shows (-1 for a separator that is shown).
template <typename Piece>
void WalkMarkedWord(TextView marked, const WordColors& colors, WordDrawOptions options,
                    Piece&& piece) {
    QColor color = colors.start;
    int letter = 0;
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
        piece(ToQ(shown), color, IsWordLetter(c) ? letter++ : -1);
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
    const auto lit = [&](int letter) {
        return options.highlight && letter >= options.highlight->first &&
               letter < options.highlight->first + options.highlight->count;
    };
    const qreal underline = std::max<qreal>(2, metrics.height() / 14);
    WalkMarkedWord(
        marked, colors, options, [&](const QString& piece, const QColor& color, int letter) {
            const qreal advance = metrics.horizontalAdvance(piece);
            if (lit(letter)) {
                // The letter itself, not the blank after it in a spaced word.
                const qreal width = metrics.horizontalAdvance(piece.left(1));
                painter.fillRect(QRectF(x, y, width, metrics.height()), kHighlightBackdrop);
                painter.fillRect(QRectF(x, y + metrics.height() - underline, width, underline),
                                 color);
            }
            painter.setPen(color);
            painter.drawText(QPointF(x, y + metrics.ascent()), piece);
            x += advance;
        });
    return x;
}

qreal MarkedWordWidth(const QFontMetricsF& metrics, TextView marked, WordDrawOptions options) {
    qreal width = 0;
    WalkMarkedWord(marked, WordColors{}, options, [&](const QString& piece, const QColor&, int) {
        width += metrics.horizontalAdvance(piece);
    });
    return width;
}

} // namespace tamurik
