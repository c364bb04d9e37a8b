#pragma once
// The settings screen behind the password gate: word-part colours, font and size of the word
// display, the price of the reward game, and the best lists.

#include "ui/screen.h"

namespace tamurik {

class SettingsScreen : public Screen {
    Q_OBJECT
public:
    explicit SettingsScreen(AppContext& context);
    void CloseFromWindowManager() override { CloseSettings(); }
    // Back to the main menu; nothing is saved.
    void CloseSettings();
};

} // namespace tamurik
