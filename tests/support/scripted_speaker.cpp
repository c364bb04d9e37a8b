#include "tests/support/scripted_speaker.h"

namespace tamurik::testing {

void ScriptedSpeaker::Say(TextView text, const SpeechStyle& style, std::function<void()> ended) {
    Stop();
    if (status_ != Status::Ready)
        Start();
    if (status_ != Status::Ready)
        return;
    said_.push_back({Text(text), style});
    ended_ = std::move(ended);
    speaking_ = true;
}

void ScriptedSpeaker::Stop() {
    ++stops_;
    ended_ = nullptr;
    speaking_ = false;
}

void ScriptedSpeaker::Start() {
    ++starts_;
    if (status_ == Status::Ready || (status_ == Status::Unavailable && !installed_))
        return;
    status_ = Status::Ready;
    reason_.clear();
    emit statusChanged();
}

void ScriptedSpeaker::EndUtterance() {
    speaking_ = false;
    std::function<void()> ended = std::move(ended_);
    ended_ = nullptr;
    if (ended)
        ended();
}

void ScriptedSpeaker::LoseVoice(Text reason) {
    Stop();
    installed_ = false;
    status_ = Status::Unavailable;
    reason_ = std::move(reason);
    emit statusChanged();
}

std::vector<Text> ScriptedSpeaker::texts() const {
    std::vector<Text> texts;
    for (const Said& s : said_)
        texts.push_back(s.text);
    return texts;
}

} // namespace tamurik::testing
