#pragma once
// Devadodad, the reward game: the child catches the letters of a verb in their order.

#include "ui/screen.h"

namespace tamurik {

class DevadodadScreen : public Screen {
    Q_OBJECT
public:
    explicit DevadodadScreen(AppContext& context);
    // The window manager's close asks like "ENDE".
    void CloseFromWindowManager() override { AskEnd(); }

    // "ENDE": asks whether to end the game.
    void AskEnd();
    void ShowHelp();
    void CloseGame();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tamurik
