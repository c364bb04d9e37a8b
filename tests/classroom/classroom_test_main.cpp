// The main of the classroom tests. Started as "--child MODE FOLDER" it is the helper that
// plays in a folder it cannot write (as an unprivileged user, "read-only") or on a full disk
// of its own (in a mount namespace, "full-disk").

#include "tests/classroom/classroom_world.h"
#include "tests/support/helper_process.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/resources.h"

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Everything Qt hashes in the same order on every run: a soak run replays from its seed.
    qputenv("QT_HASH_SEED", "0");
    QApplication app(argc, argv);
    tamurik::InitResources();
    tamurik::InstallAccessibility();
    tamurik::SetScaleFactor(1.0);
    using namespace tamurik::testing;
    return RunTestsOrHelper(argc, argv,
                            {{"read-only", MakeReadOnlyHelper}, {"full-disk", MakeFullDiskHelper}});
}
