#pragma once
// How readable the chosen word colours are on the chosen sheet, in words for the adult who sets
// the program up: each part "gut lesbar" or "schwer lesbar" (below 3 : 1), and what to do about
// a part that is hard to read.

#include "core/text.h"

namespace tamurik {

struct WordColours {
    int anfang = 0;
    int mitte = 0;
    int schluss = 0;
    int blatt = 0;
};

// "gut lesbar" or "schwer lesbar": a part colour on the sheet.
Text ReadabilityWord(int partColour, int sheetColour);
// "Anfang: gut lesbar   Mitte: gut lesbar   Schluss: schwer lesbar".
Text ReadabilityLine(const WordColours& colours);
// The advice under that line; empty when every part is readable. With the outline on, a faint
// part gets one; without it, other colours are the only help.
Text ReadabilityAdvice(const WordColours& colours, bool outline);

} // namespace tamurik
