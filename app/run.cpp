#include "app/run.h"

#include "core/startup.h"

namespace tamurik {

bool RunStartUp(const WorkDir& dir, MODUL1& state, Dialogs& dialogs) {
    const StartUpResult result = StartUp(dir, state);
    if (!result.ok)
        dialogs.Message(result.message, result.title, DialogButtons::Ok, DialogIcon::None);
    return result.ok;
}

} // namespace tamurik
