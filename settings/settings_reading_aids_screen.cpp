// The reading aids of the settings screen: how readable the chosen colours are, and the two
// additions' settings that help a child read the word parts (an outline for faint colours, and
// the parts told apart without colour). They take effect at once and are kept in ZUSAETZE.INI.
#include "settings/readability.h"
#include "settings/settings_layout.h"
#include "settings/settings_screen.h"
#include "ui/additions_settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tamurik {

using namespace settings_layout;

void SettingsScreen::buildReadingAids() {
    auto* group = new QGroupBox(QStringLiteral(" Lesehilfen "), this);
    readingAids_ = group;
    group->setObjectName(QStringLiteral("Lesehilfen"));
    group->setFont(UiFont(10, true));
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(Px(120), Px(60), Px(120), Px(90));
    column->setSpacing(Px(45));
    readability_ = new ClickLabel(group, QStringLiteral("Lesbarkeit"));
    readabilityAdvice_ = new ClickLabel(group, QStringLiteral("LesbarkeitHinweis"));
    for (ClickLabel* line : {readability_, readabilityAdvice_}) {
        line->setClickable(false);
        line->setFont(UiFont(10));
        line->setWordWrap(true);
        column->addWidget(line);
    }
    outlineBox_ = new QCheckBox(QStringLiteral("Umriss für schwache Farben"), group);
    outlineBox_->setObjectName(QStringLiteral("UmrissFarben"));
    partCuesBox_ = new QCheckBox(QStringLiteral("Wortteile auch ohne Farbe erkennen"), group);
    partCuesBox_->setObjectName(QStringLiteral("WortteileOhneFarbe"));
    for (QCheckBox* box : {outlineBox_, partCuesBox_}) {
        box->setFont(UiFont(10));
        // The style draws the box at one size on every screen; it grows with the text here.
        const int side = box->fontMetrics().ascent();
        box->setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(side));
        column->addWidget(box);
    }
    outlineBox_->setChecked(context().additions.outlineFaintColours);
    partCuesBox_->setChecked(context().additions.partCues);
    connect(outlineBox_, &QCheckBox::toggled, this, [this](bool on) {
        context().additions.outlineFaintColours = on;
        KeepReadingAids();
    });
    connect(partCuesBox_, &QCheckBox::toggled, this, [this](bool on) {
        context().additions.partCues = on;
        KeepReadingAids();
    });

    // At the foot of the window, as tall as two lines of each text need; the window grows
    // with it.
    ShowReadability();
    readabilityAdvice_->setPlainText(
        U"Bitte eine andere Farbe wählen oder den Umriss einschalten.");
    const int width = Px(kReadingAidsWidth);
    group->setGeometry(Px(kReadingAidsLeft), Px(kReadingAidsTop), width,
                       group->heightForWidth(width) + readability_->fontMetrics().lineSpacing());
    setFixedHeight(group->geometry().bottom() + 1 + Px(120));
    ShowReadability();
}

void SettingsScreen::ShowReadability() {
    if (readability_ == nullptr)
        return; // the sample is painted once before these lines exist
    const MODUL1& s = state();
    const WordColours colours{s.ColorAnfang, s.ColorMitte, s.ColorSchluss, s.ColorBlatt};
    readability_->setPlainText(ReadabilityLine(colours));
    if (!readingAidsUnsaved_)
        readabilityAdvice_->setPlainText(
            ReadabilityAdvice(colours, context().additions.outlineFaintColours));
}

void SettingsScreen::KeepReadingAids() {
    // In effect at once, for this run even when the file cannot be written; then the line
    // under the sample says so instead of its advice.
    // Only the reading aids go to the file here: reading aloud waits for the diskette.
    AdditionsSettings kept = savedAdditions_;
    kept.outlineFaintColours = context().additions.outlineFaintColours;
    kept.partCues = context().additions.partCues;
    readingAidsUnsaved_ = !SaveAdditions(context().dir, kept);
    if (!readingAidsUnsaved_)
        savedAdditions_ = kept;
    if (readingAidsUnsaved_)
        readabilityAdvice_->setPlainText(U"Die Lesehilfen konnten nicht gespeichert werden.");
    placeSampleWords();
    ShowReadability();
    update();
}

} // namespace tamurik
