#include "settings/colour_steps.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tamurik {

int NextBlattColour(int colour) {
    return colour >= 0 && colour < kLastBlattColour ? colour + 1 : 0;
}

int NextPartColour(int colour) {
    return colour >= 0 && colour < kLastPartColour ? colour + 1 : 0;
}

int SnapFontSize(int value) {
    return value / kFontSizeStep * kFontSizeStep;
}

int PriceSliderPosition(long long price) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(static_cast<double>(price) / kPriceStep);
    return static_cast<int>(
        std::clamp(rounded, double{kLowestPriceSlider}, double{kHighestPriceSlider}));
}

bool IsRecommendedFont(TextView name) {
    static const std::array<TextView, 4> kSchoolFonts{U"Arial", U"Ausdruck", U"Comic Sans MS",
                                                      U"Verdana"};
    if (std::find(kSchoolFonts.begin(), kSchoolFonts.end(), name) != kSchoolFonts.end()) {
        return true;
    }
    return StartsWith(name, U"tmk") || StartsWith(name, U"TMK");
}

std::vector<Text> RecommendedFonts(const std::vector<Text>& names) {
    std::vector<Text> recommended;
    std::copy_if(names.begin(), names.end(), std::back_inserter(recommended),
                 [](const Text& name) { return IsRecommendedFont(name); });
    return recommended;
}

int FontPosition(const std::vector<Text>& names, TextView name) {
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin());
}

} // namespace tamurik
