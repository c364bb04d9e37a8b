#pragma once
// The program's speaker: a speech engine on a thread of its own, opened on first use. The
// window never waits for it: what is said is handed over and its end comes back as a message.
// An engine that does not open, or does not end an utterance, within its time is given up
// as unavailable; the next Say() or Start() tries a fresh one, so a voice installed while the
// program runs is found without restarting it.

#include "speech/tts_engine.h"
#include "ui/speaker.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QThread;

namespace tamurik {

class EngineWorker;

class EngineSpeaker : public Speaker {
    Q_OBJECT
public:
    struct Limits {
        // How long the engine may take to open (it lists every voice it has: seconds).
        int openMs = 30000;
        // How long an utterance may take: this, and so much more per character.
        int utteranceMs = 4000;
        int perCharacterMs = 250;
    };

    explicit EngineSpeaker(TtsEngineFactory factory, Limits limits);
    // The real engine with the usual limits.
    EngineSpeaker();
    ~EngineSpeaker() override;

    void Say(TextView text, const SpeechStyle& style, std::function<void()> ended) override;
    void Stop() override;
    void Start() override;
    Status status() const override { return status_; }
    Text reason() const override { return reason_; }
    std::vector<Text> voices() const override { return voices_; }

    // What the engine itself said when it failed (for diagnosis; may be English or empty).
    const QString& detail() const { return detail_; }

private:
    struct Session;
    struct Utterance {
        quint64 id = 0;
        Text text;
        SpeechStyle style;
        std::function<void()> ended;
    };

    void opened(Session* session, const QStringList& voices);
    void failed(Session* session, const TtsEngine::Failure& failure);
    void ended(Session* session, quint64 id);
    void giveUp(const QString& reason, const QString& detail);
    void hand(const Utterance& utterance);
    void setStatus(Status status);

    TtsEngineFactory factory_;
    Limits limits_;
    Status status_ = Status::NotStarted;
    Text reason_;
    QString detail_;
    std::vector<Text> voices_;
    std::unique_ptr<Session> session_;
    // Sessions given up whose thread may still be stuck in the engine.
    std::vector<std::unique_ptr<Session>> abandoned_;
    std::optional<Utterance> current_;
    quint64 lastId_ = 0;
    QTimer openWatch_;
    QTimer utteranceWatch_;
};

} // namespace tamurik
