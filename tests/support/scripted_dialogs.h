#pragma once
// Dialogs for tests: every box is recorded, answers come from a queue, and a box that no
// answer was queued for fails the test, unless the dialogs answer at random.

#include "ui/dialogs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tamurik::testing {

struct ShownDialog {
    bool input = false;
    Text text; // message text or input prompt
    Text title;
    DialogButtons buttons = DialogButtons::Ok;
    DialogIcon icon = DialogIcon::None;
    Text defaultText;
};

class ScriptedDialogs : public Dialogs {
public:
    void QueueAnswer(DialogAnswer answer) { answers_.push_back(answer); }
    void QueueInput(Text entry) { inputs_.push_back(std::move(entry)); }
    // From now on a box without a queued answer is answered at random, as a child clicks
    // whatever it finds: Yes or No; nothing, the default, a name, a number or rubbish typed.
    void AnswerAtRandom(std::uint64_t seed) { random_.emplace(seed); }

    DialogAnswer Message(const Text& text, const Text& title, DialogButtons buttons,
                         DialogIcon icon) override;
    Text Input(const Text& prompt, const Text& title, const Text& defaultText) override;

    const std::vector<ShownDialog>& shown() const { return shown_; }
    const ShownDialog& last() const;
    void ClearShown() { shown_.clear(); }
    bool allAnswersUsed() const { return answers_.empty() && inputs_.empty(); }

private:
    std::deque<DialogAnswer> answers_;
    std::deque<Text> inputs_;
    std::vector<ShownDialog> shown_;
    std::optional<std::mt19937_64> random_;
};

// Readable text for test messages.
std::string Utf8(TextView text);

} // namespace tamurik::testing
