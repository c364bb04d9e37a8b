#include "ui/syllable_reader.h"

#include "ui/text_qt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>

namespace tamurik {

namespace {
const QColor kStripColor(255, 255, 235);
const QColor kStripBorder(120, 120, 160);
} // namespace

SyllableStrip::SyllableStrip(QWidget* parent, const QString& objectName) : QWidget(parent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Silben"));
    hide();
}

void SyllableStrip::Show(TextView marked, const WordColors& colors,
                         std::optional<LetterRange> highlight) {
    marked_ = Text(marked);
    colors_ = colors;
    highlight_ = highlight;
    // The letters lit up (else the word), for a screen reader.
    Text letters;
    for (char32_t c : marked_) {
        if (IsWordLetter(c))
            letters += c;
    }
    if (highlight && highlight->first >= 0 &&
        highlight->first + highlight->count <= static_cast<int>(letters.size()))
        letters = letters.substr(static_cast<std::size_t>(highlight->first),
                                 static_cast<std::size_t>(highlight->count));
    setAccessibleDescription(ToQ(letters));
    show();
    raise();
    update();
}

void SyllableStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kStripBorder, 1));
    painter.setBrush(kStripColor);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    // The word in the strip's font, smaller only where a long word would not fit.
    QFont font = font_;
    const WordDrawOptions measure;
    while (font.pointSizeF() > 8 &&
           MarkedWordWidth(QFontMetricsF(font), marked_, measure) > width() - 8)
        font.setPointSizeF(font.pointSizeF() - 1);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal wordWidth = MarkedWordWidth(metrics, marked_, measure);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawMarkedWord(painter, (width() - wordWidth) / 2, (height() - metrics.height()) / 2, marked_,
                   colors_, {.highlight = highlight_});
}

SyllableReader::SyllableReader(Speaker& speaker, SyllableStrip* strip)
    : speaker_(speaker), strip_(strip) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &SyllableReader::sayNext);
    // An engine that fails on the way never ends the utterance: the reading stops with it.
    connect(&speaker_, &Speaker::statusChanged, this, [this] {
        if (speaker_.status() == Speaker::Status::Unavailable && reading())
            Stop();
    });
}

SyllableReader::~SyllableReader() = default;

bool SyllableReader::Read(const std::vector<Text>& markedWords, const SpeechStyle& style,
                          const WordColors& colors) {
    Stop();
    steps_ = ReadingSteps(markedWords);
    if (steps_.empty())
        return false;
    words_ = markedWords;
    style_ = style;
    colors_ = colors;
    sayStep(0);
    return true;
}

void SyllableReader::Stop() {
    ++reading_;
    pause_.stop();
    if (step_) {
        step_.reset();
        speaker_.Stop();
    }
    if (strip_)
        strip_->hide();
}

void SyllableReader::sayStep(std::size_t index) {
    step_ = index;
    const ReadingStep& step = steps_[index];
    if (strip_)
        strip_->Show(words_[step.word], colors_, step.highlight);
    const unsigned reading = reading_;
    QPointer<SyllableReader> self(this);
    speaker_.Say(step.spoken, style_, [self, index, reading] {
        if (self)
            self->stepEnded(index, reading);
    });
}

void SyllableReader::stepEnded(std::size_t index, unsigned reading) {
    if (reading != reading_ || step_ != index)
        return;
    // Nothing is lit while the pause lasts; the next syllable lights up as it is said.
    if (strip_)
        strip_->Show(words_[steps_[index].word], colors_, std::nullopt);
    if (index + 1 == steps_.size()) {
        step_.reset();
        if (strip_)
            strip_->hide();
        emit finished();
        return;
    }
    pause_.start();
}

void SyllableReader::EndPause() {
    if (!pause_.isActive())
        return;
    pause_.stop();
    sayNext();
}

void SyllableReader::sayNext() {
    if (step_ && *step_ + 1 < steps_.size())
        sayStep(*step_ + 1);
}

} // namespace tamurik
