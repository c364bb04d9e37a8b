#pragma once
// Reading verbs syllable by syllable: each syllable is its own utterance, with a short pause
// after it, while a strip shows the verb in its part colours with exactly that syllable's
// letters lit up; then the whole verb once more, no letter lit up.

#include "core/spoken_words.h"
#include "ui/speaker.h"
#include "ui/word_drawing.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

namespace tamurik {

// The strip the verb stands on while it is read.
class SyllableStrip : public QWidget {
    Q_OBJECT
public:
    SyllableStrip(QWidget* parent, const QString& objectName);

    void Show(TextView marked, const WordColors& colors, std::optional<LetterRange> highlight);
    void setWordFont(const QFont& font) { font_ = font; }

    const Text& word() const { return marked_; }
    std::optional<LetterRange> highlight() const { return highlight_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Text marked_;
    WordColors colors_;
    std::optional<LetterRange> highlight_;
    QFont font_;
};

class SyllableReader : public QObject {
    Q_OBJECT
public:
    // The pause after each syllable, in milliseconds.
    static constexpr int kPauseMs = 400;

    SyllableReader(Speaker& speaker, SyllableStrip* strip);
    ~SyllableReader() override;

    // Reads the marked words, one after the other; a reading still going on stops first.
    // Returns false when there is nothing to say.
    bool Read(const std::vector<Text>& markedWords, const SpeechStyle& style,
              const WordColors& colors);
    // Stops the reading and takes the strip away.
    void Stop();

    bool reading() const { return step_.has_value(); }
    // The utterance being said (or waited for); none while no reading goes on.
    std::optional<std::size_t> step() const { return step_; }
    const std::vector<ReadingStep>& steps() const { return steps_; }
    // Between two utterances: the pause after the one that has ended.
    bool pausing() const { return pause_.isActive(); }
    // Ends a pause going on at once (as its timer does).
    void EndPause();

signals:
    // The reading went to its end (not when it was stopped).
    void finished();

private:
    void sayStep(std::size_t index);
    void sayNext();
    void stepEnded(std::size_t index, unsigned reading);

    Speaker& speaker_;
    SyllableStrip* strip_;
    std::vector<Text> words_;
    std::vector<ReadingStep> steps_;
    SpeechStyle style_;
    WordColors colors_;
    std::optional<std::size_t> step_;
    // Tells an utterance of this reading from one of a reading stopped before.
    unsigned reading_ = 0;
    QTimer pause_;
};

} // namespace tamurik
