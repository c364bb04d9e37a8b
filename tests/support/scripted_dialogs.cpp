#include "tests/support/scripted_dialogs.h"

namespace tamurik::testing {

DialogAnswer ScriptedDialogs::Message(const Text& text, const Text& title, DialogButtons buttons,
                                      DialogIcon icon) {
    shown_.push_back({false, text, title, buttons, icon, {}});
    if (answers_.empty()) {
        if (buttons == DialogButtons::Ok)
            return DialogAnswer::Ok; // an OK box asks nothing; the test checks it was shown
        ADD_FAILURE() << "unexpected question: " << Utf8(title) << ": " << Utf8(text);
        return DialogAnswer::No;
    }
    const DialogAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

Text ScriptedDialogs::Input(const Text& prompt, const Text& title, const Text& defaultText) {
    shown_.push_back({true, prompt, title, DialogButtons::Ok, DialogIcon::None, defaultText});
    if (inputs_.empty()) {
        ADD_FAILURE() << "unexpected input box: " << Utf8(title);
        return {};
    }
    Text entry = inputs_.front();
    inputs_.pop_front();
    return entry;
}

const ShownDialog& ScriptedDialogs::last() const {
    static const ShownDialog none;
    if (shown_.empty()) {
        ADD_FAILURE() << "no dialog was shown";
        return none;
    }
    return shown_.back();
}

std::string Utf8(TextView text) {
    return ToUtf8(text);
}

} // namespace tamurik::testing
