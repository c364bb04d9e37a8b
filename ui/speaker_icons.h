#pragma once
// The two speaker icons of an exercise: "Anhören" (F2) says what the child is working on,
// "Silbenweise anhören" (F3) reads the verb syllable by syllable while its syllable lights up.
// The screen says what there is to hear now; where hearing it would give the answer away the
// icons are disabled and their tooltip says why. Without a voice they show a muted speaker and
// say why; a press tries the engine again.

#include "core/text.h"
#include "ui/screen.h"
#include "ui/syllable_reader.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <vector>

namespace tamurik {

class ClickLabel;

// The tooltip of a screen that offers nothing to hear now.
extern const Text kNothingToHear;

// What a screen offers to be heard now.
struct SpeechOffer {
    // Said by "Anhören": a verb, a pair of verbs, an explanation; empty when nothing may be
    // heard now.
    Text text;
    // Read by "Silbenweise anhören": marked verbs; empty when they may not be read now.
    std::vector<Text> syllables;
    // Why nothing may be heard now (when text is empty).
    Text whyNot;
    // Why the syllables may not be read now (when syllables is empty but text is not).
    Text whyNoSyllables;

    // The verbs of these marked words (and their syllables), the text naming them one after
    // the other: "backen, packen".
    static SpeechOffer Verbs(const std::vector<Text>& marked);
    // Nothing now, for this reason.
    static SpeechOffer NotNow(Text why);
    // The verbs without their syllables, for this reason.
    SpeechOffer WithoutSyllables(Text why) &&;
};

struct SpeakerPlaces {
    // The icons are smaller than the frame's others: two fit beside the user label.
    static constexpr int kIconTwips = 330;
    QPoint speakerIcon;
    QPoint syllableIcon;
    // Where the verb stands while it is read syllable by syllable.
    QRect strip;
};

class SpeakerIcons : public QObject {
    Q_OBJECT
public:
    SpeakerIcons(QWidget* window, AppContext& context, const SpeakerPlaces& places,
                 std::function<SpeechOffer()> offer);
    ~SpeakerIcons() override;

    // Says the offer's text; stops whatever was said before.
    void Hear();
    // Reads the offer's verbs syllable by syllable; stops whatever was said before.
    void HearSyllables();
    // Stops speaking (the screen closes).
    void Stop();
    // Shows the icons as the offer, the settings and the engine allow now.
    void Refresh();

    ClickLabel* speakerIcon() const { return speaker_; }
    ClickLabel* syllableIcon() const { return syllables_; }
    SyllableReader& reader() { return *reader_; }
    SyllableStrip* strip() const { return strip_; }

private:
    void press(bool syllables);

    AppContext& context_;
    std::function<SpeechOffer()> offer_;
    ClickLabel* speaker_ = nullptr;
    ClickLabel* syllables_ = nullptr;
    SyllableStrip* strip_ = nullptr;
    std::unique_ptr<SyllableReader> reader_;
};

} // namespace tamurik
