#pragma once
// What the pieces of the Quatschverben screen share: the window's measures, the palette
// colours of the message line and the signal fields, and the hints more than one piece gives.

#include "core/text.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace tamurik::quatschverben {

inline constexpr int kWidth = 9690;
inline constexpr int kShortHeight = 5050;
inline constexpr int kTallHeight = 5550;
// Where the panels stand when they are in view: over the word and the decisions.
inline const QRect kPanelArea(720, 720, 8850, 3000);
inline const QColor kEntryColor(192, 255, 255);

// Palette colours of the message line and the signal fields.
inline constexpr int kBlack = 0;
inline constexpr int kBlue = 1;
inline constexpr int kGreen = 2;
inline constexpr int kRed = 4;
inline constexpr int kMagenta = 5;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightGreen = 10;
inline constexpr int kLightRed = 12;

inline const Text kIdleHint = Text(U"Stelle eine Zeitdauer ein und klicke auf den START-Knopf.");
inline const Text kBestListHint = Text(U"Klicke auf das lila Feld für die Bestenliste.");
inline const Text kRunHint =
    Text(U"Klicke zuerst auf die Knöpfe und bestimme so die Eigenschaften!") + CR +
    U"Schreibe dann das Wort und setze das richtige Trennzeichen ein!";

inline void Fill(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace tamurik::quatschverben
