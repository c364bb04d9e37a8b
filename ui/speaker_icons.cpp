#include "ui/speaker_icons.h"

#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QShortcut>

namespace tamurik {

namespace {

const QString kSpeakerIcon = QStringLiteral(":/icons/sprache/anhoeren");
const QString kMutedIcon = QStringLiteral(":/icons/sprache/anhoeren_stumm");
const QString kSyllableIcon = QStringLiteral(":/icons/sprache/silben_anhoeren");
const Text kHearTip = U"Anhören (F2)";
const Text kSyllablesTip = U"Silbenweise anhören (F3)";
const Text kPreparingTip = U"Die Stimme wird vorbereitet …";

void SetTip(ClickLabel* icon, const Text& tip) {
    icon->setToolTip(ToQ(tip));
    icon->setAccessibleDescription(ToQ(tip));
}

} // namespace

const Text kNothingToHear = U"Hier gibt es gerade nichts zum Anhören.";

SpeechOffer SpeechOffer::Verbs(const std::vector<Text>& marked) {
    SpeechOffer offer;
    for (const Text& word : marked) {
        const Text verb = CleanWord(word);
        if (verb.empty())
            continue;
        offer.text += (offer.text.empty() ? U"" : U", ") + verb;
        offer.syllables.push_back(word);
    }
    if (offer.text.empty())
        offer.whyNot = kNothingToHear;
    return offer;
}

SpeechOffer SpeechOffer::NotNow(Text why) {
    SpeechOffer offer;
    offer.whyNot = std::move(why);
    return offer;
}

SpeechOffer SpeechOffer::WithoutSyllables(Text why) && {
    syllables.clear();
    whyNoSyllables = std::move(why);
    return std::move(*this);
}

SpeakerIcons::SpeakerIcons(QWidget* window, AppContext& context, const SpeakerPlaces& places,
                           std::function<SpeechOffer()> offer)
    : QObject(window), context_(context), offer_(std::move(offer)) {
    speaker_ = MakeIcon(window, QStringLiteral("Anhoeren"), kSpeakerIcon, QStringLiteral("Anhören"),
                        places.speakerIcon, SpeakerPlaces::kIconTwips);
    syllables_ = MakeIcon(window, QStringLiteral("SilbenAnhoeren"), kSyllableIcon,
                          QStringLiteral("Silbenweise anhören"), places.syllableIcon,
                          SpeakerPlaces::kIconTwips);
    connect(speaker_, &ClickLabel::clicked, this, &SpeakerIcons::Hear);
    connect(syllables_, &ClickLabel::clicked, this, &SpeakerIcons::HearSyllables);
    auto* hear = new QShortcut(QKeySequence(Qt::Key_F2), window);
    connect(hear, &QShortcut::activated, this, &SpeakerIcons::Hear);
    auto* hearSyllables = new QShortcut(QKeySequence(Qt::Key_F3), window);
    connect(hearSyllables, &QShortcut::activated, this, &SpeakerIcons::HearSyllables);

    strip_ = new SyllableStrip(window, QStringLiteral("Silbenstreifen"));
    PlaceTwips(strip_, places.strip.x(), places.strip.y(), places.strip.width(),
               places.strip.height());
    reader_ = std::make_unique<SyllableReader>(context_.speaker, strip_);

    connect(&context_.speaker, &Speaker::statusChanged, this, &SpeakerIcons::Refresh);
    Refresh();
}

SpeakerIcons::~SpeakerIcons() = default;

void SpeakerIcons::Hear() {
    press(false);
}

void SpeakerIcons::HearSyllables() {
    press(true);
}

void SpeakerIcons::press(bool syllables) {
    if (!context_.additions.speech)
        return;
    const SpeechOffer offer = offer_();
    const SpeechStyle& style = context_.additions.speechStyle;
    if (syllables && !offer.syllables.empty()) {
        strip_->setWordFont(ScaledFont(ToQ(context_.state.FontName), 20, true));
        reader_->Read(offer.syllables, style, PartColors(context_.state, Qt::black));
    } else if (!syllables && !offer.text.empty()) {
        reader_->Stop();
        context_.speaker.Say(SpokenText(offer.text), style, nullptr);
    } else if (context_.speaker.status() == Speaker::Status::Unavailable) {
        // Nothing to say now, but a voice may have been installed since: the press tries again.
        context_.speaker.Start();
    }
    Refresh();
}

void SpeakerIcons::Stop() {
    reader_->Stop();
    context_.speaker.Stop();
}

void SpeakerIcons::Refresh() {
    const bool on = context_.additions.speech;
    speaker_->setVisible(on);
    syllables_->setVisible(on);
    if (!on)
        return;
    if (context_.speaker.status() == Speaker::Status::Unavailable) {
        // Shown as a muted speaker that can still be pressed: a press tries the engine again.
        const Text reason = context_.speaker.reason();
        for (ClickLabel* icon : {speaker_, syllables_}) {
            icon->setIcon(kMutedIcon);
            icon->setEnabled(true);
            SetTip(icon, reason.empty() ? kNoVoiceReason : reason);
        }
        return;
    }
    speaker_->setIcon(kSpeakerIcon);
    syllables_->setIcon(kSyllableIcon);
    const bool preparing = context_.speaker.status() == Speaker::Status::Starting;
    const SpeechOffer offer = offer_();
    speaker_->setEnabled(!offer.text.empty());
    syllables_->setEnabled(!offer.syllables.empty());
    SetTip(speaker_, offer.text.empty() ? offer.whyNot : preparing ? kPreparingTip : kHearTip);
    SetTip(syllables_, offer.text.empty()        ? offer.whyNot
                       : offer.syllables.empty() ? offer.whyNoSyllables
                       : preparing               ? kPreparingTip
                                                 : kSyllablesTip);
}

} // namespace tamurik
