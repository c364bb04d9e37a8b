#pragma once
// A learning record for screen tests: it keeps every reported answer in memory and offers the
// due verbs a test sets, counting how often it was asked for them.

#include "app/navigator.h"
#include "app/run.h"
#include "learning/record.h"
#include "tests/support/app_fixture.h"

#include <string>
#include <vector>

namespace tamurik::testing {

class RecordingRecord : public Record {
public:
    void SetChild(const Text& name) override { child = name; }
    void Report(const Answer& answer) override { answers.push_back(answer); }
    std::vector<Text> DueVerbs() override {
        ++dueAsked;
        return due;
    }

    Text child;
    std::vector<Answer> answers;
    std::vector<Text> due;
    int dueAsked = 0;
};

// One answer in one line, for comparing what was reported with what a test expects.
inline std::string Describe(const Answer& a) {
    return a.exercise + " | " + Utf8(a.item) + " | " + a.asked + " | " + Utf8(a.given) + " | " +
           (a.right ? "richtig" : "falsch") + " | " + std::to_string(a.millis) + " ms | " +
           (a.fromVerbList ? "Verbliste" : "ohne Kartei");
}

inline std::vector<std::string> Describe(const std::vector<Answer>& answers) {
    std::vector<std::string> lines;
    for (const Answer& a : answers)
        lines.push_back(Describe(a));
    return lines;
}

// The program with a recording learning record in place of one that keeps nothing.
class RecordTest : public AppTest {
protected:
    void StartRecording() {
        ASSERT_TRUE(RunStartUp(*dir_, state_, dialogs_));
        navigator_ =
            std::make_unique<AppNavigator>(state_, *dir_, random_, clock_, dialogs_, &record_);
        navigator_->setQuitHandler([this] { ++quitCalls_; });
        navigator_->ShowMenu();
    }
    template <typename S> S* OpenScreen(ScreenId id) {
        navigator_->Open(id);
        return dynamic_cast<S*>(navigator_->existing(id));
    }
    // The answers reported since the last call, described.
    std::vector<std::string> Reported() {
        std::vector<std::string> lines = Describe(record_.answers);
        record_.answers.clear();
        return lines;
    }

    RecordingRecord record_;
};

} // namespace tamurik::testing
