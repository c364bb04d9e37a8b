#include "exercises/syllables/quatschverben_screen.h"

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form1");
    config.title = QStringLiteral("Tamurik: Quatschverben");
    config.widthTwips = 9690;
    config.heightTwips = 5050;
    config.userLabel = QStringLiteral("Bezeichnung10");
    config.userLabelTwips = QRect(720, 120, 8850, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung9");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild5");
    return config;
}

} // namespace

QuatschverbenScreen::QuatschverbenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {}

} // namespace tamurik
