#pragma once
// The state every screen shares: colours of the word display, the points of this run, the
// settings and the working variables several screens use while they are visible.

#include "text.h"

#include <array>
#include <cstdint>

namespace tamurik {

struct Settings {
    int ColorAnfang = 10; // light green
    int ColorMitte = 12;  // light red
    int ColorSchluss = 9; // light blue
    int ColorBlatt = 1;   // blue
    Text FontName = U"Verdana";
    int FontSize = 32;          // 20 to 36
    long long RewardCost = 100; // at least 10

    bool operator==(const Settings&) const = default;
};

struct MODUL1 {
    // Settings, set by StartUp and the settings screen.
    int ColorAnfang = 10;
    int ColorMitte = 12;
    int ColorSchluss = 9;
    int ColorBlatt = 1;
    Text FontName = U"Verdana";
    int FontSize = 32;
    long long RewardCost = 100;

    // Points earned since the program started or the user name changed.
    long long Points = 0;
    // Number of lines of ZAHLVERB.TXT, counted at start-up.
    int VerbCount = 0;

    // Working variables of the screens.
    Text CurrentWord;
    Text WorkText;
    Text WorkText2;
    double AnswerA = 0;
    double AnswerB = 0;
    std::int16_t PanelOpen = 0;
    std::int32_t TimeLeftMs = 0;
    std::int16_t PosX = 0;
    std::int16_t PosY = 0;
    std::array<std::int16_t, 31> LetterX{}; // indices 1-30
    std::array<std::int16_t, 31> LetterY{}; // indices 1-30
    std::array<Text, 11> MeaningTexts{};    // indices 1-10

    Settings settings() const;
    void setSettings(const Settings& s);
};

} // namespace tamurik
