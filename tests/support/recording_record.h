#pragma once
// A learning record for screen tests: it keeps every reported answer in memory and offers the
// due verbs a test sets, counting how often it was asked for them.

#include "app/navigator.h"
#include "app/run.h"
#include "learning/record.h"
#include "tests/support/app_fixture.h"

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

    RecordingRecord record_;
};

} // namespace tamurik::testing
