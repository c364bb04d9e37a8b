// Contrast of the palette colours: the figures of the guidelines' own examples, and the
// outline colour that stands out from faint letters.

#include "core/contrast.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

TEST(ContrastTest, RatiosMatchTheGuidelinesFigures) {
    struct Pair {
        Rgb a;
        Rgb b;
        double ratio;
    };
    // Figures as contrast checkers print them for these colours.
    const Pair pairs[] = {
        {kBlack, kWhite, 21.0},          {kWhite, kWhite, 1.0},
        {{0, 0, 255}, kWhite, 8.59},     {{255, 0, 0}, kWhite, 4.00},
        {{128, 128, 128}, kWhite, 3.95}, {{0, 255, 0}, kWhite, 1.37},
        {{255, 255, 0}, kBlack, 19.56},  {{0, 0, 128}, kWhite, 16.0},
        {{119, 119, 119}, kWhite, 4.48}, {{118, 118, 118}, kWhite, 4.54},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(ContrastRatio(p.a, p.b), p.ratio, 0.01)
            << p.a.r << "," << p.a.g << "," << p.a.b;
        EXPECT_DOUBLE_EQ(ContrastRatio(p.a, p.b), ContrastRatio(p.b, p.a));
    }
    EXPECT_DOUBLE_EQ(RelativeLuminance(kBlack), 0.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(kWhite), 1.0);
}

TEST(ContrastTest, TheDefaultWordColoursOnTheDefaultSheet) {
    // Beginning light green, middle light red, end light blue on the dark blue sheet.
    const Rgb sheet = PaletteRgb(1);
    EXPECT_NEAR(ContrastRatio(PaletteRgb(10), sheet), 11.67, 0.01);
    EXPECT_NEAR(ContrastRatio(PaletteRgb(12), sheet), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio(PaletteRgb(9), sheet), 1.86, 0.01);
    EXPECT_TRUE(IsFaint(PaletteRgb(9), sheet));
    EXPECT_FALSE(IsFaint(PaletteRgb(12), sheet));
    // Black letters on the sheet, as an accepted answer in Verbformen stood.
    EXPECT_NEAR(ContrastRatio(kBlack, sheet), 1.31, 0.01);
}

TEST(ContrastTest, OutlineStandsOutMoreThanTheOtherChoice) {
    struct Case {
        int colour;
        Rgb outline;
    };
    const Case cases[] = {{0, kWhite},  {1, kWhite},  {9, kWhite},  {4, kWhite}, {8, kBlack},
                          {12, kBlack}, {10, kBlack}, {14, kBlack}, {15, kBlack}};
    for (const Case& c : cases)
        EXPECT_EQ(OutlineColour(PaletteRgb(c.colour)), c.outline) << "colour " << c.colour;
    for (int colour = 0; colour < kPaletteSize; ++colour) {
        const Rgb letters = PaletteRgb(colour);
        const Rgb other = OutlineColour(letters) == kWhite ? kBlack : kWhite;
        EXPECT_GE(ContrastRatio(letters, OutlineColour(letters)), ContrastRatio(letters, other));
        // Every palette colour has an outline it stands out from by at least 4.5 : 1.
        EXPECT_GE(ContrastRatio(letters, OutlineColour(letters)), 4.5) << colour;
    }
}

TEST(ContrastTest, PaletteIndicesWrapAround) {
    EXPECT_EQ(PaletteRgb(16), PaletteRgb(0));
    EXPECT_EQ(PaletteRgb(-1), PaletteRgb(15));
    EXPECT_EQ(PaletteRgb(9), (Rgb{0, 0, 255}));
}

} // namespace
} // namespace tamurik
