#pragma once
// A speaker for tests: it records what it is asked to say, ends an utterance only when the
// test says so, and can be without a voice until the test "installs" one.

#include "ui/speaker.h"

#include <vector>

namespace tamurik::testing {

class ScriptedSpeaker : public Speaker {
    Q_OBJECT
public:
    struct Said {
        Text text;
        SpeechStyle style;
    };

    void Say(TextView text, const SpeechStyle& style, std::function<void()> ended) override;
    void Stop() override;
    void Start() override;
    Status status() const override { return status_; }
    Text reason() const override { return reason_; }
    std::vector<Text> voices() const override { return voices_; }

    // The engine has said the utterance to its end.
    void EndUtterance();
    // No voice from now on, for this reason.
    void LoseVoice(Text reason);
    // A voice is installed: the next try of the engine finds it.
    void InstallVoice() { installed_ = true; }

    const std::vector<Said>& said() const { return said_; }
    // The texts said, in order.
    std::vector<Text> texts() const;
    bool speaking() const { return static_cast<bool>(ended_) || speaking_; }
    int stops() const { return stops_; }
    int starts() const { return starts_; }

private:
    Status status_ = Status::NotStarted;
    Text reason_;
    std::vector<Text> voices_{U"German", U"German+Anna"};
    std::vector<Said> said_;
    std::function<void()> ended_;
    bool speaking_ = false;
    bool installed_ = false;
    int stops_ = 0;
    int starts_ = 0;
};

} // namespace tamurik::testing
