// The toolkit layer: twips and the scale, a marked word drawn in its part colours, the picture
// surface's drawing position, and the option groups.

#include "core/state.h"
#include "ui/geometry.h"
#include "ui/option_group.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/word_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <set>

namespace tamurik {
namespace {

struct ScaleGuard {
    double saved = ScaleFactor();
    ~ScaleGuard() { SetScaleFactor(saved); }
};

TEST(GeometryTest, ScaleFillsMostOfTheScreenButNeverShrinks) {
    EXPECT_DOUBLE_EQ(ScaleForAvailableHeight(400), 1.0);
    const double fullHd = ScaleForAvailableHeight(1040);
    EXPECT_NEAR(kTallestWindowTwips / 15.0 * fullHd, 0.85 * 1040, 1.0);
    ScaleGuard guard;
    SetScaleFactor(1.5);
    EXPECT_EQ(Px(600), 60);
    EXPECT_DOUBLE_EQ(TwipsFromPx(60), 600);
    SetScaleFactor(0.5);
    EXPECT_DOUBLE_EQ(ScaleFactor(), 1.0);
}

// The colours found in a drawn image, ignoring the background and anti-aliased edges.
std::set<QRgb> PureColours(const QImage& image, const QColor& background) {
    std::set<QRgb> found;
    const std::set<QRgb> wanted{PaletteColor(10).rgb(), PaletteColor(12).rgb(),
                                PaletteColor(9).rgb(), QColor(Qt::black).rgb()};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != background.rgb() && wanted.count(pixel))
                found.insert(pixel);
        }
    return found;
}

TEST(WordDrawingTest, MarksSwitchColoursAndSeparatorsAreSkipped) {
    MODUL1 state; // 10, 12, 9: light green, light red, light blue
    const QFont font = UiFont(24, true);
    const QFontMetricsF metrics(font);
    // The separator is not drawn unless asked for, and a blank follows each letter when spaced.
    EXPECT_DOUBLE_EQ(MarkedWordWidth(metrics, U"1sp2ie-l3en"),
                     metrics.horizontalAdvance("spielen"));
    EXPECT_DOUBLE_EQ(MarkedWordWidth(metrics, U"1sp2ie-l3en", {true, false}),
                     metrics.horizontalAdvance("spie-len"));
    EXPECT_DOUBLE_EQ(MarkedWordWidth(metrics, U"1b2a.ck3en", {false, true}),
                     metrics.horizontalAdvance("b a c k e n "));

    // A damaged line's control characters take no room.
    EXPECT_DOUBLE_EQ(
        MarkedWordWidth(metrics, Text{U'1', U'e', U'\0', U'\x1b', U'\x85', U'2', U'i'}),
        MarkedWordWidth(metrics, U"1e2i"));

    PictureSurface surface(nullptr, QStringLiteral("Bild1"));
    surface.resize(400, 80);
    surface.setBackground(Qt::white);
    surface.setDrawFont(font);
    surface.SetDrawPos(150, 150);
    const double end = surface.PrintMarked(U"1sp2ie-l3en", PartColors(state, Qt::black));
    EXPECT_NEAR(end, 150 + TwipsFromPx(metrics.horizontalAdvance("spielen")), 0.01);
    EXPECT_DOUBLE_EQ(surface.CurrentX(), end);
    const std::set<QRgb> colours = PureColours(surface.image(), Qt::white);
    EXPECT_TRUE(colours.count(PaletteColor(10).rgb()));
    EXPECT_TRUE(colours.count(PaletteColor(12).rgb()));
    EXPECT_TRUE(colours.count(PaletteColor(9).rgb()));
    EXPECT_FALSE(colours.count(QColor(Qt::black).rgb())) << "no letter before the first mark";

    // Writing goes on after the word on the same line.
    surface.SetDrawColor(Qt::black);
    surface.Print(U"!");
    EXPECT_NEAR(surface.CurrentX(), end + TwipsFromPx(metrics.horizontalAdvance("!")), 0.01);
    surface.Clear();
    EXPECT_TRUE(PureColours(surface.image(), Qt::white).empty());
    EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
}

TEST(OptionGroupTest, ChoosingRunsTheHandlerAndQuietCheckingDoesNot) {
    OptionGroup group(
        nullptr, QStringLiteral("Rahmen1"), kVerbenwahl, VerbenwahlCaptions(),
        {QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3")}, 2);
    EXPECT_EQ(group.checked(), 2);
    EXPECT_EQ(group.button(1)->text(), "häufige");
    EXPECT_EQ(group.button(0)->objectName(), "Option1");
    QSignalSpy chosen(&group, &OptionGroup::chosen);
    group.setCheckedQuietly(0);
    EXPECT_EQ(group.checked(), 0);
    EXPECT_EQ(chosen.count(), 0);
    group.choose(1);
    EXPECT_EQ(group.checked(), 1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
    group.choose(7); // no such button
    EXPECT_EQ(group.checked(), 1);
    EXPECT_EQ(chosen.count(), 1);
}

} // namespace
} // namespace tamurik
