#include "ui/palette.h"

#include <array>

namespace tamurik {

QColor PaletteColor(int index) {
    static constexpr std::array<std::array<int, 3>, 16> kRgb{{{0, 0, 0},
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
    const auto& rgb = kRgb[static_cast<std::size_t>(((index % 16) + 16) % 16)];
    return QColor(rgb[0], rgb[1], rgb[2]);
}

} // namespace tamurik
