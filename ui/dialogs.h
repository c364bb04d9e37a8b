#pragma once
// Message boxes and input boxes. Texts arrive with CR as the line break; they are always shown
// as plain text.

#include "core/text.h"

class QWidget;

namespace tamurik {

enum class DialogButtons { Ok, YesNo };
enum class DialogIcon { None, Question, Exclamation, Information, Stop };
enum class DialogAnswer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // With Yes and No, No is the default button; closing the box answers No.
    virtual DialogAnswer Message(const Text& text, const Text& title, DialogButtons buttons,
                                 DialogIcon icon) = 0;
    // The entered text; empty on cancel.
    virtual Text Input(const Text& prompt, const Text& title, const Text& defaultText) = 0;
};

// The real boxes, modal to the active window, with German button texts.
class QtDialogs : public Dialogs {
public:
    DialogAnswer Message(const Text& text, const Text& title, DialogButtons buttons,
                         DialogIcon icon) override;
    Text Input(const Text& prompt, const Text& title, const Text& defaultText) override;
};

} // namespace tamurik
