#pragma once
// What happens before the main menu first shows: the word files are counted and checked and
// the settings are read.

#include "state.h"
#include "work_dir.h"

namespace tamurik {

inline constexpr const char* kVerbFile = "ZAHLVERB.TXT";
inline constexpr const char* kRhymeFile = "ZAHLREIM.TXT";

struct StartUpResult {
    bool ok = true;
    // When not ok: the message to show (OK button only, no icon) before the program ends.
    Text message;
    Text title;
};

StartUpResult StartUp(const WorkDir& dir, MODUL1& state);

} // namespace tamurik
