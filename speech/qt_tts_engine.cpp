#include "speech/qt_tts_engine.h"

#include "ui/speaker.h"
#include "ui/text_qt.h"

#include <QLocale>
#include <QTextToSpeech>

namespace tamurik {

namespace {

const QString kEngine = QStringLiteral("speechd");
constexpr int kStopWaitMs = 500;

} // namespace

QtTtsEngine::QtTtsEngine() {
    stopWatch_.setSingleShot(true);
    stopWatch_.setInterval(kStopWaitMs);
    connect(&stopWatch_, &QTimer::timeout, this, [this] {
        if (stopping_)
            over(true);
    });
}

QtTtsEngine::~QtTtsEngine() = default;

std::optional<TtsEngine::Failure> QtTtsEngine::open() {
    if (!QTextToSpeech::availableEngines().contains(kEngine))
        return Failure{
            QStringLiteral("Die Sprachausgabe (speech-dispatcher) ist nicht installiert."),
            QStringLiteral("no Qt TextToSpeech engine \"speechd\"")};
    // Opening connects to speech-dispatcher (starting it when it is not running) and asks it
    // for every voice it has: seconds, which is why this runs on the speaker's own thread.
    tts_ = std::make_unique<QTextToSpeech>(kEngine);
    if (tts_->state() == QTextToSpeech::Error)
        return Failure{QStringLiteral("Die Sprachausgabe lässt sich nicht starten."),
                       tts_->errorString()};
    // The engine lists only the voices of its current language.
    tts_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    if (tts_->locale().language() != QLocale::German)
        return Failure{ToQ(kNoVoiceReason), QStringLiteral("no German language in ") + kEngine};
    for (const QVoice& voice : tts_->availableVoices())
        voices_ << voice.name();
    if (voices_.isEmpty())
        return Failure{ToQ(kNoVoiceReason), QStringLiteral("no German voice in ") + kEngine};
    // The engine's own choice for German comes first.
    const QString chosen = tts_->voice().name();
    if (voices_.removeOne(chosen))
        voices_.prepend(chosen);
    voice_ = voices_.front();
    connect(tts_.get(), &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { stateChanged(state); });
    return std::nullopt;
}

void QtTtsEngine::say(const QString& text, const QString& voice, double rate) {
    const Utterance utterance{text, voice, rate};
    if (!inFlight_) {
        start(utterance);
        return;
    }
    // Handing the engine a text while it speaks makes it stop on its own, and its report of
    // that stop could not be told from the end of the new text: the new one waits.
    stop();
    next_ = utterance;
}

void QtTtsEngine::stop() {
    next_.reset();
    if (!inFlight_ || stopping_)
        return;
    stopping_ = true;
    stopWatch_.start();
    tts_->stop();
}

void QtTtsEngine::start(const Utterance& utterance) {
    const QString wanted = voices_.contains(utterance.voice) ? utterance.voice : voices_.front();
    if (wanted != voice_) {
        for (const QVoice& voice : tts_->availableVoices()) {
            if (voice.name() == wanted) {
                tts_->setVoice(voice);
                voice_ = wanted;
                break;
            }
        }
    }
    tts_->setRate(utterance.rate);
    inFlight_ = true;
    begun_ = false;
    stopping_ = false;
    tts_->say(utterance.text);
}

void QtTtsEngine::stateChanged(int state) {
    switch (state) {
    case QTextToSpeech::Speaking:
        if (inFlight_)
            begun_ = true;
        break;
    case QTextToSpeech::Ready:
        // A "ready" before the engine began is the end of something said before.
        if (inFlight_ && (begun_ || stopping_))
            over(stopping_);
        break;
    case QTextToSpeech::Error:
        inFlight_ = false;
        emit failed(
            {QStringLiteral("Die Sprachausgabe meldet einen Fehler."), tts_->errorString()});
        break;
    default:
        break;
    }
}

void QtTtsEngine::over(bool stopped) {
    inFlight_ = false;
    stopping_ = false;
    stopWatch_.stop();
    if (!stopped)
        emit finished();
    if (next_) {
        const Utterance next = *next_;
        next_.reset();
        start(next);
    }
}

std::unique_ptr<TtsEngine> MakeQtTtsEngine() {
    return std::make_unique<QtTtsEngine>();
}

} // namespace tamurik
