#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form5");
    config.title = QStringLiteral("Tamurik: Verben zusammenpuzzeln");
    config.widthTwips = 8745;
    config.heightTwips = 5715;
    config.userLabel = QStringLiteral("Bezeichnung16");
    config.userLabelTwips = QRect(720, 120, 7905, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung15");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild4");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 2040;
    config.panelClosed = 6000;
    return config;
}

} // namespace

ZusammenpuzzelnScreen::ZusammenpuzzelnScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
