#pragma once
// The rules of the settings screen that need no window: stepping the colours of the sample,
// the size and price sliders, and which installed fonts are recommended.

#include "core/text.h"

#include <vector>

namespace tamurik {

// The colour fields show the palette colours 0 to 14; the background cycles through the same
// range, the word parts through all sixteen colours.
inline constexpr int kColourFields = 15;
inline constexpr int kLastBlattColour = 14;
inline constexpr int kLastPartColour = 15;

// The next background colour after a click: 0 after 14 (and after anything outside 0-14).
int NextBlattColour(int colour);
// The next colour of a word part after a click: 0 after 15 (and after anything outside 0-15).
int NextPartColour(int colour);

inline constexpr int kSmallestFontSize = 20;
inline constexpr int kLargestFontSize = 36;
inline constexpr int kFontSizeStep = 4;
// A size on the slider snaps down to a multiple of 4.
int SnapFontSize(int value);

inline constexpr int kPriceStep = 10;
inline constexpr int kLowestPriceSlider = 1;
inline constexpr int kHighestPriceSlider = 50;
// The price slider's position for a price: a tenth of it, halves rounded to even, kept within
// the slider's range.
int PriceSliderPosition(long long price);

// A font worth suggesting to the teacher: the clear school fonts and our own "tmk" fonts.
bool IsRecommendedFont(TextView name);
// The recommended fonts among these names, in their order.
std::vector<Text> RecommendedFonts(const std::vector<Text>& names);
// Where a font stands among these names; 0 when it is not among them.
int FontPosition(const std::vector<Text>& names, TextView name);

} // namespace tamurik
