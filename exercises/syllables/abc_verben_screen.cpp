#include "exercises/syllables/abc_verben_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form2");
    config.title = QStringLiteral("Tamurik: ABC-Verben");
    config.widthTwips = 8400;
    config.heightTwips = 6600;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 7560, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3360;
    config.panelClosed = 7800;
    return config;
}

} // namespace

AbcVerbenScreen::AbcVerbenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
