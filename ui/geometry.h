#pragma once
// Twips (1/1440 inch) are the unit of every position and size the screens are written in.
// One conversion turns them into pixels: pixels = twips / 15 × scale. The scale is chosen once
// at start from the screen, so that the windows are comfortable on a modern display.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QScreen;
class QWidget;

namespace tamurik {

// The tallest window of the program, in twips; the scale lets it take about 85 % of the
// available screen height.
inline constexpr int kTallestWindowTwips = 8730;

double ScaleFactor();
void SetScaleFactor(double scale);
// The scale for a screen of this available height in pixels; never below 1.
double ScaleForAvailableHeight(int availablePixels);
void ChooseScaleFactor(const QScreen* screen);

int Px(double twips);
double TwipsFromPx(double pixels);
QPoint PxPoint(int xTwips, int yTwips);
QSize PxSize(int wTwips, int hTwips);
QRect PxRect(int xTwips, int yTwips, int wTwips, int hTwips);

// A font at this point size, scaled with the windows.
QFont ScaledFont(const QString& family, double points, bool bold = false);
// The font of the program's labels and buttons at this point size.
QFont UiFont(double points, bool bold = false);

// Places a widget at twips coordinates inside its parent.
void PlaceTwips(QWidget* widget, int xTwips, int yTwips, int wTwips, int hTwips);
void MoveTwips(QWidget* widget, int xTwips, int yTwips);
// Centres a top-level window on the screen it is on: left := (screen width - window width) / 2.
void CentreOnScreen(QWidget* window);

} // namespace tamurik
