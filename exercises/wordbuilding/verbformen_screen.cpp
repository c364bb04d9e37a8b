#include "exercises/wordbuilding/verbformen_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form3");
    config.title = QStringLiteral("Tamurik: Verbformen");
    config.widthTwips = 7740;
    config.heightTwips = 6630;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 6900, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3840;
    config.panelClosed = 7200;
    return config;
}

} // namespace

VerbformenScreen::VerbformenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
