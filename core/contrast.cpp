#include "core/contrast.h"

#include <algorithm>
#include <cmath>

namespace tamurik {

namespace {

constexpr std::array<Rgb, kPaletteSize> kPalette{{{0, 0, 0},
                                                  {0, 0, 128},
                                                  {0, 128, 0},
                                                  {0, 128, 128},
                                                  {128, 0, 0},
                                                  {128, 0, 128},
                                                  {128, 128, 0},
                                                  {192, 192, 192},
                                                  {128, 128, 128},
                                                  {0, 0, 255},
                                                  {0, 255, 0},
                                                  {0, 255, 255},
                                                  {255, 0, 0},
                                                  {255, 0, 255},
                                                  {255, 255, 0},
                                                  {255, 255, 255}}};

// One channel of 0-255 as linear light.
double Linear(int channel) {
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

Rgb PaletteRgb(int index) {
    return kPalette[static_cast<std::size_t>(((index % kPaletteSize) + kPaletteSize) %
                                             kPaletteSize)];
}

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsFaint(Rgb letters, Rgb background) {
    return ContrastRatio(letters, background) < kLegibleContrast;
}

Rgb OutlineColour(Rgb letters) {
    constexpr Rgb kBlack{0, 0, 0};
    constexpr Rgb kWhite{255, 255, 255};
    return ContrastRatio(letters, kWhite) > ContrastRatio(letters, kBlack) ? kWhite : kBlack;
}

} // namespace tamurik
