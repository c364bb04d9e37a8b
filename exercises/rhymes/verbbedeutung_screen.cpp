#include "exercises/rhymes/verbbedeutung_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form8");
    config.title = QStringLiteral("Tamurik: Verbbedeutung");
    config.widthTwips = 9090;
    config.heightTwips = 7050;
    config.fixedBackground = QColor(192, 255, 255);
    config.userLabel = QStringLiteral("Bezeichnung2");
    config.userLabelTwips = QRect(840, 120, 7815, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung1");
    config.pointsLabelTwips = QRect(120, 2900, 495, 255);
    config.closeIcon = QStringLiteral("Bild3");
    config.closeIconTwips = QPoint(120, 720);
    config.rewardIcon = QStringLiteral("Bild4");
    config.rewardIconTwips = QPoint(120, 2400);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.optionIconTwips = QPoint(120, 3600);
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 2880;
    config.panelClosed = 7200;
    config.panelAcross = 480;
    return config;
}

} // namespace

VerbbedeutungScreen::VerbbedeutungScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
