#pragma once
// Drawing a marked verb in the colours of its parts: "1", "2", "3" switch to the colour of the
// beginning, middle and end part; "." and "-" are skipped unless they are to be shown.

#include "core/spoken_words.h"
#include "core/state.h"
#include "core/text.h"

#include <QColor>

class QFontMetricsF;
class QPainter;

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

} // namespace tamurik
