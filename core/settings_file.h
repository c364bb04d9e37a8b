#pragma once
// TAMURIK.INI: fourteen lines, section header and value alternating.

#include "state.h"
#include "work_dir.h"

#include <optional>
#include <vector>

namespace tamurik {

inline constexpr const char* kSettingsFile = "TAMURIK.INI";

// The settings in the file, or no value when the file is missing, short or damaged (a value
// that is not a number, a colour outside 0-15, a size outside 20-36). A reward cost below 10
// is raised to 10.
std::optional<Settings> ParseSettings(const std::vector<Text>& lines);
std::vector<Text> FormatSettings(const Settings& settings);

// Reads TAMURIK.INI into the state; on any fault every setting takes its default. Returns
// whether the file was used.
bool ReadSettings(const WorkDir& dir, MODUL1& state);
// Writes the state's settings; false when the file could not be written (the old file then
// stays as it was).
bool WriteSettings(const WorkDir& dir, const MODUL1& state);

} // namespace tamurik
