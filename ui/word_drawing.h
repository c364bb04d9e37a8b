#pragma once
// Drawing a marked verb in the colours of its parts: "1", "2", "3" switch to the colour of the
// beginning, middle and end part; "." and "-" are skipped unless they are to be shown.
// Letters whose colour is faint on the colour behind them get a thin outline in white or black,
// so every part stays readable without changing its colour.

#include "core/spoken_words.h"
#include "core/state.h"
#include "core/text.h"

#include <QColor>

#include <functional>

class QFont;
class QFontMetricsF;
class QPainter;
class QPointF;

namespace tamurik {

struct WordColors {
    QColor start; // the colour before the first mark
    QColor anfang;
    QColor mitte;
    QColor schluss;
};

WordColors PartColors(const MODUL1& state, const QColor& start);

struct WordDrawOptions {
    bool showSeparators = false;
    // A blank after each letter.
    bool spaced = false;
    // For children who cannot tell the part colours apart: a line under the middle part and a
    // small gap between the parts.
    bool partCues = false;
    // The colour the word stands on: letters too faint on it get an outline. Not valid (the
    // default): no outline.
    QColor background{};
    // Letters lit up, the syllable being said: they stand on a light backdrop and are
    // underlined, each in the colour of its part.
    std::optional<LetterRange> highlight = std::nullopt;
};

// Draws the word with its top-left corner at (x, y) in pixels in the painter's font and
// returns the x reached, so that drawing can go on after it on the same line.
qreal DrawMarkedWord(QPainter& painter, qreal x, qreal y, TextView marked, const WordColors& colors,
                     WordDrawOptions options = {});
// The width the word takes in this font.
qreal MarkedWordWidth(const QFontMetricsF& metrics, TextView marked, WordDrawOptions options = {});

// The outline of faint letters: its colour, and its width in pixels (0: none).
struct Outline {
    QColor colour;
    qreal width = 0;
    explicit operator bool() const { return width > 0; }
};
// The outline letters of this colour and font need on this background: none when they stand
// out by 3 : 1 or more, or when the background is not known.
Outline OutlineFor(const QColor& letters, const QColor& background, const QFont& font);
// Repeats `draw` around a small circle in the outline's colour (draw paints with the painter's
// pen, shifted by the offset it is given); the letters are drawn over it afterwards.
void DrawOutline(QPainter& painter, const Outline& outline,
                 const std::function<void(const QPointF& offset)>& draw);

} // namespace tamurik
