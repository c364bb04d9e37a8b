#include "exercises/rhymes/reimverben_finden_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form7");
    config.title = QStringLiteral("Tamurik: Reimverben finden");
    config.widthTwips = 7500;
    config.heightTwips = 8730;
    config.fixedBackground = QColor(128, 255, 255);
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 0, 6375, 615);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.pointsLabelTwips = QRect(120, 1950, 495, 255);
    config.closeIcon = QStringLiteral("Bild3");
    config.closeIconTwips = QPoint(120, 600);
    config.rewardIcon = QStringLiteral("Bild4");
    config.rewardIconTwips = QPoint(120, 1440);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild6");
    config.optionIconTwips = QPoint(120, 4200);
    config.panel = QStringLiteral("Bild7");
    config.panelOptionIcon = QStringLiteral("Bild8");
    config.panelMovesVertically = false;
    config.panelOpen = 480;
    config.panelClosed = 7800;
    config.panelAcross = 3480;
    return config;
}

} // namespace

ReimverbenFindenScreen::ReimverbenFindenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
