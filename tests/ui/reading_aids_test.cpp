// The reading aids of the word drawing: every palette colour on every palette background gets
// an outline exactly where the two stand less than 3 : 1 apart; the parts told apart without
// colour by a gap and a line under the middle part.

#include "core/contrast.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/word_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tamurik {
namespace {

QImage Blank(const QColor& background, int width = 160, int height = 50) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

QImage DrawWord(const QColor& letters, const QColor& background, bool outline,
                bool partCues = false) {
    QImage image = Blank(background);
    QPainter painter(&image);
    painter.setFont(UiFont(18, true));
    WordDrawOptions options;
    options.partCues = partCues;
    if (outline)
        options.background = background;
    DrawMarkedWord(painter, 4, 4, U"1sp2ie-l3en", {letters, letters, letters, letters}, options);
    return image;
}

TEST(ReadingAidsTest, OutlineExactlyWhereAPalettePairIsBelowThreeToOne) {
    int faintPairs = 0;
    for (int letters = 0; letters < kPaletteSize; ++letters) {
        for (int background = 0; background < kPaletteSize; ++background) {
            SCOPED_TRACE(::testing::Message() << letters << " on " << background);
            const QColor fore = PaletteColor(letters);
            const QColor back = PaletteColor(background);
            const bool faint =
                ContrastRatio(PaletteRgb(letters), PaletteRgb(background)) < kLegibleContrast;
            faintPairs += faint;
            const Rgb rgb = OutlineColour(PaletteRgb(letters));
            const QColor outline(rgb.r, rgb.g, rgb.b);

            // The word: with the background known, it changes only when it is faint, and then
            // an outline of the chosen colour surrounds it.
            const QImage plain = DrawWord(fore, back, false);
            const QImage aided = DrawWord(fore, back, true);
            EXPECT_EQ(aided != plain, faint);
            if (faint) {
                EXPECT_GT(CountPixels(aided, outline), CountPixels(plain, outline) + 50);
            }
        }
    }
    // Each colour on itself, and the many dark and light pairs close to each other.
    EXPECT_EQ(faintPairs, 140);
    // 1-2 pixels at the usual sizes, wider on a large screen; none without a known background.
    const Outline small = OutlineFor(PaletteColor(9), PaletteColor(1), UiFont(10));
    EXPECT_TRUE(small.width >= 1.0 && small.width <= 2.0);
    EXPECT_GT(OutlineFor(PaletteColor(9), PaletteColor(1), UiFont(40)).width, small.width);
    EXPECT_FALSE(OutlineFor(PaletteColor(9), QColor(), UiFont(18)));
}

TEST(ReadingAidsTest, PartCuesPutGapsBetweenThePartsAndALineUnderTheMiddle) {
    const QFont font = UiFont(18, true);
    const QFontMetricsF metrics(font);
    const qreal plain = MarkedWordWidth(metrics, U"1sp2ie-l3en");
    const qreal cued = MarkedWordWidth(metrics, U"1sp2ie-l3en", {.partCues = true});
    const qreal oneGap = MarkedWordWidth(metrics, U"1spie-l3en", {.partCues = true}) - plain;
    EXPECT_GT(oneGap, 2.0);
    EXPECT_NEAR(cued - plain, 2 * oneGap, 0.01) << "two gaps for three parts";
    // No gap before the first part, nor for a mark that repeats the part it is in.
    EXPECT_DOUBLE_EQ(MarkedWordWidth(metrics, U"11sp1ie-l1en", {.partCues = true}), plain);

    // The line: below the letters, under the middle part only.
    const QColor red = PaletteColor(12);
    const QColor white(Qt::white);
    QImage image = Blank(white, 200, 60);
    QPainter painter(&image);
    painter.setFont(font);
    const WordColors colours{Qt::black, Qt::black, red, Qt::black};
    const qreal end = DrawMarkedWord(painter, 0, 0, U"1sp2ie-l3en", colours, {.partCues = true});
    painter.end();
    EXPECT_NEAR(end, cued, 0.01);
    const int below = static_cast<int>(metrics.ascent() + metrics.underlinePos() + 1);
    const qreal middleFrom = metrics.horizontalAdvance("sp") + oneGap;
    const qreal middleTo = middleFrom + metrics.horizontalAdvance("iel");
    int underlined = 0;
    int elsewhere = 0;
    for (int y = below - 1; y <= below + 2; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != red)
                continue;
            underlined += x > middleFrom && x < middleTo - 1;
            elsewhere += x < middleFrom - 2 || x > middleTo + 2;
        }
    }
    EXPECT_GT(underlined, (middleTo - middleFrom) * 0.8);
    EXPECT_EQ(elsewhere, 0);
}

} // namespace
} // namespace tamurik
