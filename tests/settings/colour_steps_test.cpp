#include "settings/colour_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace tamurik {
namespace {

TEST(ColourStepsTest, ColoursStartOverAfterTheirLastValue) {
    EXPECT_EQ(NextBlattColour(13), 14);
    EXPECT_EQ(NextBlattColour(14), 0);
    // White (15) is allowed in the settings file but not offered for the sheet: it starts over.
    EXPECT_EQ(NextBlattColour(15), 0);
    EXPECT_EQ(NextBlattColour(-3), 0);
    EXPECT_EQ(NextPartColour(14), 15);
    EXPECT_EQ(NextPartColour(15), 0);
    EXPECT_EQ(NextPartColour(99), 0);
    // The size snaps down to the offered sizes.
    EXPECT_EQ(SnapFontSize(20), 20);
    EXPECT_EQ(SnapFontSize(23), 20);
    EXPECT_EQ(SnapFontSize(35), 32);
    EXPECT_EQ(SnapFontSize(36), 36);
}

TEST(ColourStepsTest, PriceSliderTakesATenthWithHalvesToEven) {
    EXPECT_EQ(PriceSliderPosition(100), 10);
    EXPECT_EQ(PriceSliderPosition(55), 6);
    EXPECT_EQ(PriceSliderPosition(45), 4);
    EXPECT_EQ(PriceSliderPosition(54), 5);
    // Outside the slider's range the slider stops at its ends.
    EXPECT_EQ(PriceSliderPosition(10), 1);
    EXPECT_EQ(PriceSliderPosition(5), 1);
    EXPECT_EQ(PriceSliderPosition(10000), 50);
    EXPECT_EQ(PriceSliderPosition(9'000'000'000'000LL), 50);
}

TEST(ColourStepsTest, RecommendedFontsAreTheSchoolFontsAndOurOwn) {
    EXPECT_TRUE(IsRecommendedFont(U"Arial"));
    EXPECT_TRUE(IsRecommendedFont(U"Comic Sans MS"));
    EXPECT_TRUE(IsRecommendedFont(U"tmkSchreibschrift"));
    EXPECT_TRUE(IsRecommendedFont(U"TMK Druck"));
    EXPECT_FALSE(IsRecommendedFont(U"arial"));
    EXPECT_FALSE(IsRecommendedFont(U"Verdana Bold"));
    EXPECT_FALSE(IsRecommendedFont(U"Tmk"));
    EXPECT_FALSE(IsRecommendedFont(U""));
    EXPECT_EQ(RecommendedFonts({U"Zeta", U"Verdana", U"DejaVu Sans", U"tmk1", U"Ausdruck"}),
              (std::vector<Text>{U"Verdana", U"tmk1", U"Ausdruck"}));
    // The font position is zero for a font that is not installed.
    const std::vector<Text> fonts{U"Arial", U"DejaVu Sans", U"Verdana"};
    EXPECT_EQ(FontPosition(fonts, U"Verdana"), 2);
    EXPECT_EQ(FontPosition(fonts, U"Arial"), 0);
    EXPECT_EQ(FontPosition(fonts, U"Nirgendwo"), 0);
    EXPECT_EQ(FontPosition({}, U"Arial"), 0);
}

} // namespace
} // namespace tamurik
