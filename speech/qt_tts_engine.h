#pragma once
// The real engine: Qt TextToSpeech through the desktop's speech-dispatcher, in German.

#include "speech/tts_engine.h"

#include <QTimer>

#include <memory>
#include <optional>

class QTextToSpeech;

namespace tamurik {

class QtTtsEngine : public TtsEngine {
    Q_OBJECT
public:
    QtTtsEngine();
    ~QtTtsEngine() override;

    std::optional<Failure> open() override;
    QStringList voices() const override { return voices_; }
    void say(const QString& text, const QString& voice, double rate) override;
    void stop() override;

private:
    struct Utterance {
        QString text;
        QString voice;
        double rate = 0;
    };

    void start(const Utterance& utterance);
    void stateChanged(int state);
    // The utterance in flight is over: said to its end, or stopped.
    void over(bool stopped);

    std::unique_ptr<QTextToSpeech> tts_;
    QStringList voices_;
    QString voice_;
    // An utterance has been handed to the engine and has not ended.
    bool inFlight_ = false;
    // ... and the engine has begun to say it.
    bool begun_ = false;
    // ... and it is being stopped.
    bool stopping_ = false;
    // What is said once the utterance in flight has stopped.
    std::optional<Utterance> next_;
    // An engine that stops an utterance before beginning it does not always say so.
    QTimer stopWatch_;
};

// The engine of the program.
std::unique_ptr<TtsEngine> MakeQtTtsEngine();

} // namespace tamurik
