#pragma once
// The settings of what the program gained beyond its first form (the learning record, speech,
// reading aids). They live in an INI file of their own in the working folder, so TAMURIK.INI
// keeps its bytes; a missing or damaged file gives the defaults.

#include "core/work_dir.h"
#include "ui/speaker.h"

namespace tamurik {

inline constexpr const char* kAdditionsFile = "ZUSAETZE.INI";

struct AdditionsSettings {
    // Verbs the child missed come back in the exercises' draws.
    bool cardBox = true;
    // Letters whose colour is faint on the colour behind them get a thin outline.
    bool outlineFaintColours = true;
    // The word parts are told apart without colour too: a line under the middle part and a
    // small gap between the parts.
    bool partCues = false;
    // The speaker icons on the exercise screens, and how they speak.
    bool speech = true;
    SpeechStyle speechStyle;

    bool operator==(const AdditionsSettings&) const = default;
};

// The settings in the file; a missing file, or a key that is missing or not understood, gives
// that setting its default.
AdditionsSettings LoadAdditions(const WorkDir& dir);
// Writes every setting; false when the file could not be written (read-only folder, full
// disk): the old file then stays as it was.
bool SaveAdditions(const WorkDir& dir, const AdditionsSettings& settings);

} // namespace tamurik
