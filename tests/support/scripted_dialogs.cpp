#include "tests/support/scripted_dialogs.h"

namespace tamurik::testing {

namespace {

// What a child may type into an input box.
Text RandomEntry(std::mt19937_64& random, const Text& defaultText) {
    static const Text kEntries[] = {
        U"Lena", U"Jörg-Ümit Weiß", U"<b>Tom</b>", U"0",           U"100", U"-5",
        U"   ",  U"ÄÖÜäöüß",        U"Tamurik",    Text(300, U'x')};
    static constexpr std::u32string_view kLetters = U"abcxyzäöüßABÄ019 .,-<>&\"'";
    switch (random() % 4) {
    case 0:
        return {}; // cancelled
    case 1:
        return defaultText;
    case 2:
        return kEntries[random() % std::size(kEntries)];
    default: {
        Text typed(1 + random() % 12, U' ');
        for (char32_t& c : typed)
            c = kLetters[random() % kLetters.size()];
        return typed;
    }
    }
}

} // namespace

DialogAnswer ScriptedDialogs::Message(const Text& text, const Text& title, DialogButtons buttons,
                                      DialogIcon icon) {
    shown_.push_back({false, text, title, buttons, icon, {}});
    if (answers_.empty() && random_)
        return buttons == DialogButtons::Ok
                   ? DialogAnswer::Ok
                   : ((*random_)() % 2 == 0 ? DialogAnswer::Yes : DialogAnswer::No);
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
    if (inputs_.empty() && random_)
        return RandomEntry(*random_, defaultText);
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
