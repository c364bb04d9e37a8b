#pragma once
// What the pieces of the settings screen share: its background colour, where the list of
// recommended fonts stands, and the makers of its text labels and sliders.

#include "core/text.h"
#include "ui/click_label.h"
#include "ui/geometry.h"

#include <QColor>
#include <QRect>
#include <QScrollBar>
#include <QString>

namespace tamurik::settings_layout {

// Not one of the palette colours, so that every colour field stands out from it.
inline const QColor kScreenColor(214, 222, 234);

// The recommended-font list slides in from the right edge.
inline constexpr int kRecommendedShown = 2280;
inline constexpr int kRecommendedHidden = 7800;
inline constexpr int kRecommendedTop = 3000;

// The reading aids stand below the price, at the foot of the window.
inline constexpr int kReadingAidsLeft = 120;
inline constexpr int kReadingAidsTop = 5400;
inline constexpr int kReadingAidsWidth = 7560;

// The group on reading aloud stands under the reading aids.
inline constexpr int kSpeechGroupHeight = 1920;

inline ClickLabel* MakeText(QWidget* parent, const QString& name, TextView text, QRect twips,
                            double points = 10, bool bold = false) {
    return MakeTextLabel(parent, name, text, twips, points, bold);
}

inline QScrollBar* MakeSlider(QWidget* parent, const QString& name, int minimum, int maximum,
                              QRect twips) {
    auto* slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    PlaceTwips(slider, twips.x(), twips.y(), twips.width(), twips.height());
    return slider;
}

} // namespace tamurik::settings_layout
