#pragma once
// The speaker the screens talk to: say a text, stop, tell when an utterance has ended and
// whether there is a voice at all. Which engine speaks stays behind this seam; the program
// gives the real one, tests give one that records what was said.

#include "core/text.h"

#include <QObject>

#include <functional>
#include <vector>

namespace tamurik {

// How a text is said: a voice by its name (empty: the engine's German voice) and a speed
// step (0 slow, 1 middle, 2 brisk; all three slower than the engine's own default).
struct SpeechStyle {
    Text voice;
    int speed = 1;
    bool operator==(const SpeechStyle&) const = default;
};

inline constexpr int kSpeechSpeeds = 3;
// The speed step as a rate from -1 (slowest) to 1 (fastest), 0 being the engine's default.
double RateForSpeed(int speed);

class Speaker : public QObject {
    Q_OBJECT
public:
    enum class Status {
        NotStarted, // nothing of the engine has been opened yet
        Starting,   // the engine is being opened; what is said meanwhile waits for it
        Ready,
        Unavailable, // no engine, no German voice, an error or no answer: see reason()
    };

    // Says one utterance; whatever was being said or waiting stops first. `ended` runs on the
    // GUI thread once the utterance has been said to its end, never for one that was stopped
    // or that the engine could not say. Starts the engine when it has not been started, and
    // tries again when it was unavailable. Never waits for the engine.
    virtual void Say(TextView text, const SpeechStyle& style, std::function<void()> ended) = 0;
    // Stops what is being said or waiting to be said.
    virtual void Stop() = 0;
    // Opens the engine in the background when it has not been opened (or was unavailable);
    // statusChanged() tells when it is ready or why not.
    virtual void Start() = 0;

    virtual Status status() const = 0;
    // Why there is no speech, in German; empty unless Unavailable.
    virtual Text reason() const = 0;
    // The engine's German voices, known once it is ready.
    virtual std::vector<Text> voices() const = 0;

signals:
    void statusChanged();
};

// The speaker of a program that has no engine: every screen works, nothing is said.
class NoSpeaker : public Speaker {
    Q_OBJECT
public:
    void Say(TextView, const SpeechStyle&, std::function<void()>) override {}
    void Stop() override {}
    void Start() override {}
    Status status() const override { return Status::Unavailable; }
    Text reason() const override;
    std::vector<Text> voices() const override { return {}; }
};

// What the icons say when no voice can be found.
extern const Text kNoVoiceReason;

} // namespace tamurik
