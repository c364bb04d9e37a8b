// How readable the chosen colours are, as the settings screen says it.

#include "settings/readability.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

TEST(ReadabilityTest, EachPartInWordsAndAdviceOnlyWhenOneIsHardToRead) {
    struct Case {
        WordColours colours;
        const char32_t* line;
        const char32_t* advice; // with the outline on
    };
    const Case cases[] = {
        // The first colours: light blue on dark blue is about 1.9 : 1.
        {{10, 12, 9, 1},
         U"Anfang: gut lesbar   Mitte: gut lesbar   Schluss: schwer lesbar",
         U"Schwer lesbare Wortteile bekommen einen Umriss."},
        {{2, 4, 1, 15}, U"Anfang: gut lesbar   Mitte: gut lesbar   Schluss: gut lesbar", U""},
        // Dark green on dark blue is 3.1 : 1, just readable; dark red is not.
        {{2, 4, 15, 1},
         U"Anfang: gut lesbar   Mitte: schwer lesbar   Schluss: gut lesbar",
         U"Schwer lesbare Wortteile bekommen einen Umriss."},
        // A part in the sheet's own colour cannot be seen at all.
        {{7, 7, 7, 7},
         U"Anfang: schwer lesbar   Mitte: schwer lesbar   Schluss: schwer lesbar",
         U"Schwer lesbare Wortteile bekommen einen Umriss."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadabilityLine(c.colours), c.line);
        EXPECT_EQ(ReadabilityAdvice(c.colours, true), c.advice);
        const Text withoutOutline = ReadabilityAdvice(c.colours, false);
        EXPECT_EQ(withoutOutline.empty(), Text(c.advice).empty());
        if (!withoutOutline.empty()) {
            EXPECT_EQ(withoutOutline,
                      U"Bitte eine andere Farbe wählen oder den Umriss einschalten.");
        }
    }
}

} // namespace
} // namespace tamurik
