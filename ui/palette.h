#pragma once
// The 16 colours every colour setting refers to.

#include <QColor>

namespace tamurik {

// Palette colour 0-15; an index outside the range is taken modulo 16.
QColor PaletteColor(int index);

} // namespace tamurik
