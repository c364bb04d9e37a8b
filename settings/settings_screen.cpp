#include "settings/settings_screen.h"

#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"

namespace tamurik {

SettingsScreen::SettingsScreen(AppContext& context)
    : Screen(context, QStringLiteral("Form4"), QStringLiteral("Tamurik: Einstellungen")) {
    setClientTwips(9000, 6600);
    setBackgroundColor(QColor(192, 192, 192));
    auto* close = MakeIcon(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/schliessen"),
                           QStringLiteral("Schließen"), QPoint(120, 120));
    connect(close, &ClickLabel::clicked, this, &SettingsScreen::CloseSettings);
}

void SettingsScreen::CloseSettings() {
    hide();
    navigator().ShowMenu();
}

} // namespace tamurik
