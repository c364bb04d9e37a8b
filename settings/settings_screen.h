#pragma once
// The settings screen behind the password gate: word-part colours, font and size of the word
// display, the price of the reward game, the best lists, and how the exercises read aloud.

#include "core/text.h"
#include "ui/additions_settings.h"
#include "ui/screen.h"

#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;

namespace tamurik {

class ClickLabel;

class SettingsScreen : public Screen {
    Q_OBJECT
public:
    explicit SettingsScreen(AppContext& context);
    void CloseFromWindowManager() override { CloseSettings(); }

    // Shows the saved values, takes the undo copies and starts reading the installed fonts.
    void Activate() override;
    // Back to the main menu; nothing is saved.
    void CloseSettings();

    void LoadCurrentValues();
    // Fills the font list and the recommended fonts; the waiting text goes away.
    void ScanFonts();
    // Where the installed font names come from (the font database; tests give their own).
    void setFontSource(std::function<QStringList()> source) { fontSource_ = std::move(source); }

    // The sample's parts, in the order background, beginning, middle, end.
    enum class SamplePart { Blatt, Anfang, Mitte, Schluss };
    void StepColour(SamplePart part);
    // A colour field was dropped on a part of the sample.
    void DropColour(SamplePart part, int colour);

    void ShowFontAt(int position);
    void TakeFontFromLabel();
    void ToggleRecommendedFonts();
    void TakeRecommendedFont(int row);
    void ApplyFontSize(int size);
    void ApplyPriceSlider(int value);

    void SaveSettings();
    void UndoChanges();
    void ToggleHelp();
    // Opens the teacher area behind its PIN.
    void OpenTeacherArea();

    void OpenBestLists();
    // Shows best list `index` in the order Quatschverben, Abschreiben, Galgenspiel, Devadodad.
    void ChooseBestList(int index);
    void CutEntry();
    void EmptyBestList();
    void CloseBestLists();

    bool fontScanPending() const;

    // How readable the chosen colours are, in words, with advice for a faint part.
    void ShowReadability();
    // ---- Reading aloud (the additions' file, not TAMURIK.INI) ----
    // Each change counts at once, as the colours do; the diskette keeps it for the next start.
    void SwitchSpeech(bool on);
    // The voice by its place in the list: 0 is the engine's own German voice.
    void ChooseVoice(int index);
    void ChooseSpeed(int speed);
    // Says a sample with the chosen voice and speed.
    void TrySpeech();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct UndoCopies {
        int ColorAnfang = 0;
        int ColorMitte = 0;
        int ColorSchluss = 0;
        int ColorBlatt = 0;
        long long RewardCost = 0;
        Text FontName;
        int FontSize = 0;
    };

    void buildSample();
    void buildFontControls();
    void buildViewer();
    void buildSpeechGroup();
    // Shows the reading settings and what the engine offers now.
    void showSpeech();
    void paintSample();
    void placeSampleWords();
    void setSampleFont(const Text& family);
    void setFontLabel(const Text& family);
    void setPriceShown(long long price);
    void setFontSliderQuietly(int position);
    void showChosenList();
    ClickLabel* sampleLabel(SamplePart part) const;
    int& colourOf(SamplePart part);
    void startColourDrag(ClickLabel* field);
    void buildReadingAids();
    // Keeps the reading aids in the additions' settings file; the screens use them at once.
    void KeepReadingAids();

    std::function<QStringList()> fontSource_;
    QTimer* scanTimer_ = nullptr;

    ClickLabel* sampleBack_ = nullptr;
    std::array<ClickLabel*, 3> sampleWords_{};
    std::vector<ClickLabel*> colourFields_;
    ClickLabel* fontLabel_ = nullptr;
    QScrollBar* fontSlider_ = nullptr;
    // The installed fonts, sorted; the font slider runs over them.
    std::vector<Text> fonts_;
    QListWidget* recommended_ = nullptr;
    ClickLabel* sizeLabel_ = nullptr;
    QScrollBar* sizeSlider_ = nullptr;
    ClickLabel* priceLabel_ = nullptr;
    QScrollBar* priceSlider_ = nullptr;
    ClickLabel* textPanel_ = nullptr;

    QGroupBox* readingAids_ = nullptr;
    ClickLabel* readability_ = nullptr;
    ClickLabel* readabilityAdvice_ = nullptr;
    QCheckBox* outlineBox_ = nullptr;
    QCheckBox* partCuesBox_ = nullptr;
    bool readingAidsUnsaved_ = false;

    QFrame* viewer_ = nullptr;
    std::array<ClickLabel*, 4> selectors_{};
    ClickLabel* header_ = nullptr;
    QListWidget* records_ = nullptr;
    int chosenList_ = 0;
    std::vector<Text> shownRecords_;

    QCheckBox* speechSwitch_ = nullptr;
    QComboBox* voices_ = nullptr;
    QButtonGroup* speeds_ = nullptr;
    QPushButton* trySpeech_ = nullptr;
    QLabel* speechHint_ = nullptr;
    // The additions as they stand in their file, and as they were when the screen was opened
    // or last saved (for the waste bin).
    AdditionsSettings savedAdditions_;
    AdditionsSettings undoAdditions_;

    // The font chosen last with the slider, and the one the screen starts from (the saved one).
    Text fontName_;
    Text savedFontName_;
    Text sampleFont_;
    long long priceShown_ = 0;
    UndoCopies undo_;
    QPoint dragStart_;
    bool recommendedShown_ = false;
};

} // namespace tamurik
