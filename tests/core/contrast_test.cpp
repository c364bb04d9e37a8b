// Contrast of the palette colours as contrast checkers print it, and the outline colour that
// stands out from faint letters.

#include "core/contrast.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

TEST(ContrastTest, RatiosAsCheckersPrintThemAndTheOutlineThatStandsOutMore) {
    struct Pair {
        Rgb a;
        Rgb b;
        double ratio;
    };
    const Rgb sheet = PaletteRgb(1); // the first sheet: dark blue
    const Pair pairs[] = {
        {kBlack, kWhite, 21.0},
        {kWhite, kWhite, 1.0},
        {{119, 119, 119}, kWhite, 4.48},
        {{118, 118, 118}, kWhite, 4.54},
        // The first word colours on the first sheet: light green, light red, light blue; and
        // black, as an accepted answer in Verbformen stood.
        {PaletteRgb(10), sheet, 11.67},
        {PaletteRgb(12), sheet, 4.00},
        {PaletteRgb(9), sheet, 1.86},
        {kBlack, sheet, 1.31},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(ContrastRatio(p.a, p.b), p.ratio, 0.01)
            << p.a.r << "," << p.a.g << "," << p.a.b;
        EXPECT_DOUBLE_EQ(ContrastRatio(p.a, p.b), ContrastRatio(p.b, p.a));
        EXPECT_EQ(IsFaint(p.a, p.b), p.ratio < 3.0);
    }
    for (int colour = 0; colour < kPaletteSize; ++colour) {
        const Rgb letters = PaletteRgb(colour);
        const Rgb other = OutlineColour(letters) == kWhite ? kBlack : kWhite;
        EXPECT_GT(ContrastRatio(letters, OutlineColour(letters)), ContrastRatio(letters, other));
        EXPECT_GE(ContrastRatio(letters, OutlineColour(letters)), 4.5) << colour;
    }
    EXPECT_EQ(OutlineColour(PaletteRgb(9)), kWhite);
    EXPECT_EQ(PaletteRgb(-1), PaletteRgb(15));
}

} // namespace
} // namespace tamurik
