#pragma once
// A speech engine as the speaker's worker thread drives it. Everything here runs on that
// thread, so an engine may take its time to open without the window waiting for it.

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace tamurik {

class TtsEngine : public QObject {
    Q_OBJECT
public:
    struct Failure {
        // Why there is no speech, in German, for the adult who sets the program up.
        QString reason;
        // What the engine itself said, if anything (for diagnosis).
        QString detail;
    };

    // Opens the engine; may take seconds. No value when it is ready to speak.
    virtual std::optional<Failure> open() = 0;
    // The German voices by name; the first is the engine's own choice.
    virtual QStringList voices() const = 0;
    // Says the text in the named voice (empty or unknown: the first) at a rate from -1 to 1.
    // What was being said stops first; finished() follows for this text only.
    virtual void say(const QString& text, const QString& voice, double rate) = 0;
    // Stops what is being said; no finished() follows for it.
    virtual void stop() = 0;

signals:
    // The text said last has been said to its end.
    void finished();
    // The engine broke down after it was opened.
    void failed(const tamurik::TtsEngine::Failure& failure);
};

// Makes an engine; called on the speaker's worker thread.
using TtsEngineFactory = std::function<std::unique_ptr<TtsEngine>()>;

} // namespace tamurik

Q_DECLARE_METATYPE(tamurik::TtsEngine::Failure)
