#include "exercises/syllables/verben_trennen_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form12");
    config.title = QStringLiteral("Tamurik: Verben trennen");
    config.widthTwips = 8700;
    config.heightTwips = 4320;
    config.userLabel = QStringLiteral("Bezeichnung4");
    config.userLabelTwips = QRect(720, 120, 7860, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung6");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild3");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 1560;
    config.panelClosed = 4320;
    return config;
}

} // namespace

VerbenTrennenScreen::VerbenTrennenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
