#pragma once
// Start-up of the program: the word files are checked and the settings read; a missing file
// is reported and the program ends before any window shows.

#include "core/state.h"
#include "core/work_dir.h"
#include "ui/dialogs.h"

namespace tamurik {

// True when the program can go on to its main menu.
bool RunStartUp(const WorkDir& dir, MODUL1& state, Dialogs& dialogs);

} // namespace tamurik
