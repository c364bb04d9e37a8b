#include "ui/palette.h"

#include "core/contrast.h"

namespace tamurik {

QColor PaletteColor(int index) {
    const Rgb rgb = PaletteRgb(index);
    return QColor(rgb.r, rgb.g, rgb.b);
}

} // namespace tamurik
