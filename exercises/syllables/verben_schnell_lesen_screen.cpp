#include "exercises/syllables/verben_schnell_lesen_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form10");
    config.title = QStringLiteral("Tamurik: Verben schnell lesen");
    config.widthTwips = 8400;
    config.heightTwips = 4680;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 7560, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung6");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild3");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 1560;
    config.panelClosed = 4680;
    return config;
}

} // namespace

SchnellLesenScreen::SchnellLesenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
