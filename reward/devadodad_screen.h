#pragma once
// Devadodad, the reward game: the child catches the letters of a verb in their order.

#include "reward/catch_game.h"
#include "ui/screen.h"

class QFrame;
class QListWidget;
class QScrollBar;
class QTimer;

namespace tamurik {

class ClickLabel;
class PictureSurface;

class DevadodadScreen : public Screen {
    Q_OBJECT
public:
    explicit DevadodadScreen(AppContext& context);
    // The window manager's close asks like "ENDE".
    void CloseFromWindowManager() override { AskEnd(); }
    // Each opening from the main menu brings a new word.
    void Activate() override { PrepareWord(); }

    enum class Phase { Prepared, Running, Finished };

    void PrepareWord();
    // A click on the play field: the letters spread out and the clock runs.
    void StartGame();
    void MoveCatcher(CatcherMove move);
    // One second of the game clock.
    void Tick();
    // "ENDE": asks whether to end the game.
    void AskEnd();
    void ShowHelp();
    void CloseGame();

    const CatchGame& game() const { return game_; }
    Phase phase() const { return phase_; }
    int seconds() const { return seconds_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CheckCatch();
    void FinishGame();
    void clearField();
    void drawLetters();
    void jumpLetters();
    void showWordLabels();

    CatchGame game_;
    Phase phase_ = Phase::Prepared;
    int seconds_ = 0;

    PictureSurface* field_ = nullptr;
    ClickLabel* catcher_ = nullptr;
    ClickLabel* next_ = nullptr;
    ClickLabel* caught_ = nullptr;
    ClickLabel* rest_ = nullptr;
    ClickLabel* secondsLabel_ = nullptr;
    QScrollBar* interval_ = nullptr;
    ClickLabel* intervalLabel_ = nullptr;
    QTimer* timer_ = nullptr;
    QFrame* listPanel_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace tamurik
