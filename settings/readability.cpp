#include "settings/readability.h"

#include "core/contrast.h"

#include <array>

namespace tamurik {

namespace {

bool Faint(int part, int sheet) {
    return IsFaint(PaletteRgb(part), PaletteRgb(sheet));
}

} // namespace

Text ReadabilityWord(int partColour, int sheetColour) {
    return Faint(partColour, sheetColour) ? U"schwer lesbar" : U"gut lesbar";
}

Text ReadabilityLine(const WordColours& colours) {
    const std::array<std::pair<TextView, int>, 3> parts{
        {{U"Anfang", colours.anfang}, {U"Mitte", colours.mitte}, {U"Schluss", colours.schluss}}};
    Text line;
    for (const auto& [name, colour] : parts) {
        if (!line.empty())
            line += U"   ";
        line += Text(name) + U": " + ReadabilityWord(colour, colours.blatt);
    }
    return line;
}

Text ReadabilityAdvice(const WordColours& colours, bool outline) {
    if (!Faint(colours.anfang, colours.blatt) && !Faint(colours.mitte, colours.blatt) &&
        !Faint(colours.schluss, colours.blatt))
        return {};
    return outline ? U"Schwer lesbare Wortteile bekommen einen Umriss."
                   : U"Bitte eine andere Farbe wählen oder den Umriss einschalten.";
}

} // namespace tamurik
