#include "exercises/wordbuilding/galgenspiel_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("galgen");
    config.title = QStringLiteral("Tamurik: Galgenspiel");
    config.widthTwips = 7425;
    config.heightTwips = 6360;
    config.userLabel = QStringLiteral("Bezeichnung4");
    config.userLabelTwips = QRect(720, 120, 6585, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung7");
    config.closeIcon = QStringLiteral("Bild3");
    config.rewardIcon = QStringLiteral("Bild6");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.initial.verbenwahl = Verbenwahl::Seltene;
    config.optionIcon = QStringLiteral("Bild7");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.panelOpen = 2280;
    config.panelClosed = 6600;
    return config;
}

} // namespace

GalgenspielScreen::GalgenspielScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
