#include "ui/screen.h"

#include "ui/geometry.h"

#include <QCloseEvent>

namespace tamurik {

Text UserName(const Navigator& navigator) {
    const Text title = navigator.MenuTitle();
    return title.size() > 10 ? title.substr(10) : Text();
}

ReadingAids ReadingAidsOf(const QWidget* widget) {
    const auto* screen = widget ? qobject_cast<const Screen*>(widget->window()) : nullptr;
    if (screen == nullptr)
        return {};
    return {screen->additions().outlineFaintColours, screen->additions().partCues};
}

Screen::Screen(AppContext& context, const QString& objectName, const QString& title)
    : QWidget(nullptr), context_(context) {
    setObjectName(objectName);
    setWindowTitle(title);
    setFont(UiFont(10));
}

void Screen::CentreOnce() {
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void Screen::closeEvent(QCloseEvent* event) {
    // The window manager's close button: the screen returns to the main menu itself.
    event->ignore();
    CloseFromWindowManager();
}

void Screen::setClientTwips(int widthTwips, int heightTwips) {
    setFixedSize(PxSize(widthTwips, heightTwips));
}

void Screen::setBackgroundColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace tamurik
