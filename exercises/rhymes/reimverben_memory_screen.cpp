#include "exercises/rhymes/reimverben_memory_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("memo");
    config.title = QStringLiteral("Tamurik: Reimverben-Memory");
    config.widthTwips = 9585;
    config.heightTwips = 7095;
    config.userLabel = QStringLiteral("Bezeichnung19");
    config.userLabelTwips = QRect(960, 120, 7815, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung26");
    config.pointsLabelTwips = QRect(120, 3260, 495, 255);
    config.closeIcon = QStringLiteral("Bild1");
    config.closeIconTwips = QPoint(120, 840);
    config.rewardIcon = QStringLiteral("Bild2");
    config.rewardIconTwips = QPoint(120, 2760);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("bild6");
    config.optionIconTwips = QPoint(120, 5880);
    config.panel = QStringLiteral("bild7");
    config.panelOptionIcon = QStringLiteral("bild8");
    config.stammvokalFrame = QStringLiteral("Frame1");
    config.stammvokalOptions = {QStringLiteral("Option1"), QStringLiteral("Option2"),
                                QStringLiteral("Option3")};
    config.panelOpen = 5280;
    config.panelClosed = 7200;
    config.panelAcross = 480;
    return config;
}

} // namespace

MemoryScreen::MemoryScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
