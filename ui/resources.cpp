#include "ui/resources.h"

#include <QtGlobal>

static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace tamurik {

void InitResources() {
    InitIconResources();
}

} // namespace tamurik
