#include "ui/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tamurik {

namespace {
double gScale = 1.0;
}

double ScaleFactor() {
    return gScale;
}

void SetScaleFactor(double scale) {
    gScale = std::max(1.0, scale);
}

double ScaleForAvailableHeight(int availablePixels) {
    const double tallest = kTallestWindowTwips / 15.0;
    return std::max(1.0, 0.85 * availablePixels / tallest);
}

void ChooseScaleFactor(const QScreen* screen) {
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    SetScaleFactor(screen ? ScaleForAvailableHeight(screen->availableGeometry().height()) : 1.0);
}

int Px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0 * gScale));
}

double TwipsFromPx(double pixels) {
    return pixels * 15.0 / gScale;
}

QPoint PxPoint(int xTwips, int yTwips) {
    return {Px(xTwips), Px(yTwips)};
}

QSize PxSize(int wTwips, int hTwips) {
    return {Px(wTwips), Px(hTwips)};
}

QRect PxRect(int xTwips, int yTwips, int wTwips, int hTwips) {
    return {PxPoint(xTwips, yTwips), PxSize(wTwips, hTwips)};
}

QFont ScaledFont(const QString& family, double points, bool bold) {
    QFont font(family);
    // Points at 96 pixels per inch, the resolution the twips above assume.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * gScale))));
    font.setBold(bold);
    return font;
}

QFont UiFont(double points, bool bold) {
    QFont font = ScaledFont(QString(), points, bold);
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"), QStringLiteral("sans-serif")});
    return font;
}

void PlaceTwips(QWidget* widget, int xTwips, int yTwips, int wTwips, int hTwips) {
    widget->setGeometry(PxRect(xTwips, yTwips, wTwips, hTwips));
}

void MoveTwips(QWidget* widget, int xTwips, int yTwips) {
    widget->move(PxPoint(xTwips, yTwips));
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

} // namespace tamurik
