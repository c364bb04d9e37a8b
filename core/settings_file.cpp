#include "settings_file.h"

#include <cmath>

namespace tamurik {

namespace {

constexpr std::size_t kLineCount = 14;
constexpr int kLowestReward = 10;

// A value of the file: the text of its line up to a comma, without the blanks around it.
Text ValueOf(const Text& line) {
    const auto comma = line.find(U',');
    return TrimBlanks(TextView(line).substr(0, comma));
}

// A decimal number (sign, digits, at most one decimal point) and nothing else, rounded to a
// whole number. No value for anything else, an empty value included, and for a number too
// large to be any setting.
std::optional<long long> WholeNumber(const Text& value) {
    std::size_t i = 0;
    if (i < value.size() && (value[i] == U'+' || value[i] == U'-')) {
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < value.size(); ++i) {
        const char32_t c = value[i];
        if (c >= U'0' && c <= U'9') {
            digits = true;
        } else if (c == U'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    const double number = NumericValue(value);
    if (!(std::fabs(number) < 1e15)) {
        return std::nullopt;
    }
    return std::llround(number);
}

std::optional<int> InRange(const Text& value, int low, int high) {
    const std::optional<long long> number = WholeNumber(value);
    if (!number || *number < low || *number > high) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

std::optional<int> Colour(const Text& value) {
    return InRange(value, 0, 15);
}

} // namespace

std::optional<Settings> ParseSettings(const std::vector<Text>& lines) {
    if (lines.size() < kLineCount) {
        return std::nullopt;
    }
    // Lines 1, 3, 5, ... are the section headers; only the values below them count.
    const auto value = [&](std::size_t lineNumber) { return ValueOf(lines[lineNumber - 1]); };

    const std::optional<int> anfang = Colour(value(2));
    const std::optional<int> mitte = Colour(value(4));
    const std::optional<int> schluss = Colour(value(6));
    const std::optional<int> blatt = Colour(value(8));
    const Text fontName = value(10);
    const std::optional<int> fontSize = InRange(value(12), 20, 36);
    const std::optional<long long> rewardCost = WholeNumber(value(14));
    // A font without a name cannot be shown: the file counts as damaged.
    if (!anfang || !mitte || !schluss || !blatt || fontName.empty() || !fontSize || !rewardCost) {
        return std::nullopt;
    }

    Settings settings;
    settings.ColorAnfang = *anfang;
    settings.ColorMitte = *mitte;
    settings.ColorSchluss = *schluss;
    settings.ColorBlatt = *blatt;
    settings.FontName = fontName;
    settings.FontSize = *fontSize;
    settings.RewardCost = *rewardCost < kLowestReward ? kLowestReward : *rewardCost;
    return settings;
}

std::vector<Text> FormatSettings(const Settings& settings) {
    return {
        U"[Anfang]",  StrForm(settings.ColorAnfang),
        U"[Mitte]",   StrForm(settings.ColorMitte),
        U"[Schluss]", StrForm(settings.ColorSchluss),
        U"[Blatt]",   StrForm(settings.ColorBlatt),
        U"[Schrift]", settings.FontName,
        U"[Größe]",   StrForm(settings.FontSize),
        U"[Spiel]",   StrForm(settings.RewardCost),
    };
}

bool ReadSettings(const WorkDir& dir, MODUL1& state) {
    std::optional<Settings> settings;
    if (const std::optional<std::vector<Text>> lines = dir.ReadLines(kSettingsFile)) {
        settings = ParseSettings(*lines);
    }
    state.setSettings(settings.value_or(Settings{}));
    return settings.has_value();
}

bool WriteSettings(const WorkDir& dir, const MODUL1& state) {
    return dir.WriteLines(kSettingsFile, FormatSettings(state.settings()));
}

} // namespace tamurik
