#pragma once
// Message boxes and input boxes. Texts arrive with CR as the line break; they are always shown
// as plain text.

#include "core/text.h"

class QPoint;
class QRect;
class QSize;
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

// The real boxes, modal to the window shown, with German button texts. A box is as wide as its
// longest line, so the text's own line breaks are its only ones (up to the screen's width), in
// the windows' scaled font, and it keeps clear of the area its window asks it to.
class QtDialogs : public Dialogs {
public:
    DialogAnswer Message(const Text& text, const Text& title, DialogButtons buttons,
                         DialogIcon icon) override;
    Text Input(const Text& prompt, const Text& title, const Text& defaultText) override;
};

// The area of a window (in its own coordinates) that boxes shown over it should not cover: the
// board the child is working on. An empty area: boxes stand centred over the window.
void SetDialogKeepClear(QWidget* window, const QRect& area);
QRect DialogKeepClear(const QWidget* window);

// Where a box of this size goes on the screen's available area: centred over the window; or,
// when there is an area to keep clear, beside it (right, below, left, above: the first place
// that leaves it uncovered, else the one that covers least of it). Always on the screen.
QPoint PlaceDialog(const QSize& box, const QRect& screen, const QRect& window,
                   const QRect& keepClear);

} // namespace tamurik
