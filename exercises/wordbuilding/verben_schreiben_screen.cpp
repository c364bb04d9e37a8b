#include "exercises/wordbuilding/verben_schreiben_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form6");
    config.title = QStringLiteral("Tamurik: Verben schreiben");
    config.widthTwips = 6765;
    config.heightTwips = 5955;
    config.userLabel = QStringLiteral("Bezeichnung5");
    config.userLabelTwips = QRect(720, 120, 5925, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild8");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.verbenwahlFrame = QStringLiteral("Rahmen3");
    config.verbenwahlOptions = {QStringLiteral("Option7"), QStringLiteral("Option8"),
                                QStringLiteral("Option9")};
    config.stammvokalFrame = QStringLiteral("Rahmen4");
    config.stammvokalOptions = {QStringLiteral("Option10"), QStringLiteral("Option11"),
                                QStringLiteral("Option12")};
    config.panelOpen = 2160;
    config.panelClosed = 6120;
    return config;
}

} // namespace

VerbenSchreibenScreen::VerbenSchreibenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
