#pragma once
// A memory game on nine rhyme pairs.

#include "exercises/rhymes/memory_game.h"
#include "ui/exercise_frame.h"

#include <array>

namespace tamurik {

class ClickLabel;
class PictureSurface;

class MemoryScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit MemoryScreen(AppContext& context);

    // A new game: all words visible, the memorise message, then the start flag.
    void StartGame();
    // The start flag: every field is covered.
    void StartPlay();
    // A click on field 1-18.
    void TurnCard(int field);
    void ShowHint();

    const MemoryGame& game() const { return game_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;

private:
    void PrintCards();
    void FrameField(int field);
    // Tells the learning record a turn's second card: the partner the child chose.
    void reportTurn(const MemoryTurn& turn);
    void FinishGame();

    MemoryGame game_;
    // The pair found last (the last one of a game still after the next game is dealt).
    std::vector<Text> found_;
    PictureSurface* board_ = nullptr;
    std::array<ClickLabel*, kMemoryFields> covers_{};
    ClickLabel* meaningLabel_ = nullptr;
    ClickLabel* startFlag_ = nullptr;
};

} // namespace tamurik
