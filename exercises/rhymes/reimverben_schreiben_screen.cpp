#include "exercises/rhymes/reimverben_schreiben_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form11");
    config.title = QStringLiteral("Tamurik: Reimverben schreiben");
    config.widthTwips = 7920;
    config.heightTwips = 5040;
    config.fixedBackground = QColor(128, 255, 255);
    config.userLabel = QStringLiteral("Bezeichnung2");
    config.userLabelTwips = QRect(720, 120, 6855, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung3");
    config.pointsLabelTwips = QRect(120, 2660, 495, 255);
    config.closeIcon = QStringLiteral("Bild1");
    config.closeIconTwips = QPoint(120, 840);
    config.rewardIcon = QStringLiteral("Bild3");
    config.rewardIconTwips = QPoint(120, 2160);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.optionIconTwips = QPoint(120, 3720);
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3000;
    config.panelClosed = 5280;
    config.panelAcross = 480;
    return config;
}

} // namespace

ReimverbenSchreibenScreen::ReimverbenSchreibenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
