// The fonts of the settings screen: the scan of the installed fonts, the font slider and
// label, the recommended fonts, and the size of the sample word.
#include "settings/settings_screen.h"

#include "settings/colour_steps.h"
#include "settings/settings_layout.h"
#include "ui/click_label.h"
#include "ui/dialogs.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace tamurik {

using namespace settings_layout;

namespace {

std::vector<Text> SortedFontNames(const QStringList& families) {
    std::vector<Text> names;
    names.reserve(static_cast<std::size_t>(families.size()));
    for (const QString& family : families) {
        if (!family.isEmpty()) {
            names.push_back(FromQ(family));
        }
    }
    std::sort(names.begin(), names.end(),
              [](const Text& a, const Text& b) { return TextLess(a, b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace

void SettingsScreen::buildFontControls() {
    fontLabel_ = MakeText(this, QStringLiteral("Bezeichnung5"), state().FontName,
                          QRect(840, 2520, 6240, 660));
    fontLabel_->setClickable(true);
    fontLabel_->setColors(Qt::black, Qt::white);
    fontLabel_->setFrameShape(QFrame::Box);
    fontLabel_->setAlignment(Qt::AlignCenter);
    connect(fontLabel_, &ClickLabel::clicked, this, &SettingsScreen::TakeFontFromLabel);
    setFontLabel(state().FontName);

    fontSlider_ = MakeSlider(this, QStringLiteral("HBildlauf1"), 0, 0, QRect(840, 3300, 6840, 300));
    connect(fontSlider_, &QScrollBar::valueChanged, this, &SettingsScreen::ShowFontAt);

    auto* showRecommended =
        MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/schriften"),
                 QStringLiteral("Empfohlene Schriften"), QPoint(7185, 2602));
    connect(showRecommended, &ClickLabel::clicked, this, &SettingsScreen::ToggleRecommendedFonts);

    recommended_ = new QListWidget(this);
    recommended_->setAccessibleName(QStringLiteral("Empfohlene Schriften"));
    recommended_->setObjectName(QStringLiteral("Liste4"));
    recommended_->setFont(UiFont(10));
    PlaceTwips(recommended_, kRecommendedHidden, kRecommendedTop, 3600, 2280);
    // Out of view it is hidden as well, so that the Tab key does not wander off the window.
    recommended_->hide();
    connect(recommended_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { TakeRecommendedFont(recommended_->row(item)); });

    sizeLabel_ = MakeText(this, QStringLiteral("Label1"), U"Schrift 32",
                          QRect(840, 4200, 1800, 360), 11, true);
    sizeSlider_ = MakeSlider(this, QStringLiteral("HScroll1"), kSmallestFontSize, kLargestFontSize,
                             QRect(2640, 4230, 5040, 300));
    sizeSlider_->setSingleStep(kFontSizeStep);
    sizeSlider_->setPageStep(kFontSizeStep);
    sizeSlider_->setValue(state().FontSize);
    connect(sizeSlider_, &QScrollBar::valueChanged, this, [this](int value) {
        // While the child drags, the slider only stops at the sizes offered.
        const int snapped = sizeSlider_->isSliderDown() ? SnapFontSize(value) : value;
        if (snapped != value) {
            sizeSlider_->setValue(snapped);
            return;
        }
        ApplyFontSize(value);
    });
}
void SettingsScreen::setSampleFont(const Text& family) {
    sampleFont_ = family;
    const QFont font = ScaledFont(ToQ(family), sizeSlider_->value());
    for (ClickLabel* word : sampleWords_) {
        word->setFont(font);
    }
    placeSampleWords();
}

void SettingsScreen::setFontLabel(const Text& family) {
    fontName_ = family;
    fontLabel_->setPlainText(family);
    fontLabel_->setFont(ScaledFont(ToQ(family), 18));
    // The word display of Quatschverben takes this font when it is next opened.
    state().FontName = family;
}
void SettingsScreen::setFontSliderQuietly(int position) {
    const QSignalBlocker quiet(fontSlider_);
    fontSlider_->setValue(position);
}

void SettingsScreen::ScanFonts() {
    scanTimer_->stop();
    fonts_ = SortedFontNames(fontSource_ ? fontSource_() : QStringList());
    recommended_->clear();
    for (const Text& name : RecommendedFonts(fonts_)) {
        recommended_->addItem(ToQ(name));
    }
    fontSlider_->setMaximum(std::max(0, static_cast<int>(fonts_.size()) - 1));
    // A saved font that is not installed keeps its name; the slider starts at the first font.
    setFontSliderQuietly(FontPosition(fonts_, state().FontName));
    textPanel_->hide();
}

bool SettingsScreen::fontScanPending() const {
    return scanTimer_->isActive();
}
void SettingsScreen::ShowFontAt(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= fonts_.size()) {
        return;
    }
    setFontLabel(fonts_[static_cast<std::size_t>(position)]);
}

void SettingsScreen::TakeFontFromLabel() {
    setSampleFont(fontName_);
}

void SettingsScreen::ToggleRecommendedFonts() {
    if (recommended_->count() == 0) {
        dialogs().Message(U"Es sind keine TMK-Schriften vorhanden!" + Text(1, CR), U"Schriften",
                          DialogButtons::Ok, DialogIcon::None);
        return;
    }
    recommendedShown_ = !recommendedShown_;
    MoveTwips(recommended_, recommendedShown_ ? kRecommendedShown : kRecommendedHidden,
              kRecommendedTop);
    recommended_->setVisible(recommendedShown_);
    recommended_->raise();
}

void SettingsScreen::TakeRecommendedFont(int row) {
    const QListWidgetItem* item = recommended_->item(row);
    if (item != nullptr) {
        setSampleFont(FromQ(item->text()));
    }
}

void SettingsScreen::ApplyFontSize(int size) {
    state().FontSize = size;
    sizeLabel_->setPlainText(U"Schrift" + StrForm(size));
    setSampleFont(sampleFont_);
}

} // namespace tamurik
