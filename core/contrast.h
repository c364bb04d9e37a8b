#pragma once
// How well a colour stands out from another: relative luminance and contrast ratio as the web's
// accessibility guidelines (WCAG 2) define them, and the 16 colours every colour setting
// refers to. Below 3 : 1 even large, bold letters are hard to read.

#include <array>

namespace tamurik {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr int kPaletteSize = 16;
// Palette colour 0-15; an index outside the range is taken modulo 16.
Rgb PaletteRgb(int index);

// 0 for black to 1 for white: the light a colour gives, weighted as the eye sees it.
double RelativeLuminance(Rgb colour);
// From 1 (the same light) to 21 (black on white); the same either way round.
double ContrastRatio(Rgb a, Rgb b);

inline constexpr double kLegibleContrast = 3.0;
// Letters in this colour on this background are hard to read.
bool IsFaint(Rgb letters, Rgb background);
// White or black, whichever stands out more from the letters: the outline that makes faint
// letters readable again without changing their colour.
Rgb OutlineColour(Rgb letters);

} // namespace tamurik
