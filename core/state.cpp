#include "state.h"

namespace tamurik {

Settings MODUL1::settings() const {
    Settings s;
    s.ColorAnfang = ColorAnfang;
    s.ColorMitte = ColorMitte;
    s.ColorSchluss = ColorSchluss;
    s.ColorBlatt = ColorBlatt;
    s.FontName = FontName;
    s.FontSize = FontSize;
    s.RewardCost = RewardCost;
    return s;
}

void MODUL1::setSettings(const Settings& s) {
    ColorAnfang = s.ColorAnfang;
    ColorMitte = s.ColorMitte;
    ColorSchluss = s.ColorSchluss;
    ColorBlatt = s.ColorBlatt;
    FontName = s.FontName;
    FontSize = s.FontSize;
    RewardCost = s.RewardCost;
}

} // namespace tamurik
