#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form9");
    config.title = QStringLiteral("Tamurik: Verben zusammensetzen");
    config.widthTwips = 6285;
    config.heightTwips = 6075;
    config.userLabel = QStringLiteral("Bezeichnung6");
    config.userLabelTwips = QRect(720, 120, 5445, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung5");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild8");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.panelOpen = 2160;
    config.panelClosed = 6360;
    return config;
}

} // namespace

ZusammensetzenScreen::ZusammensetzenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
