#pragma once
// Three verbs are assembled from their coloured parts.

#include "exercises/wordbuilding/puzzle_sets.h"
#include "ui/exercise_frame.h"

#include <array>
#include <map>

class QFrame;

namespace tamurik {

class ZusammenpuzzelnScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ZusammenpuzzelnScreen(AppContext& context);

    // Draws three verbs whose parts differ column by column and lays out their nine tiles.
    void NewSet();
    // Empties the three colour fields.
    void ClearFields();
    // The tile (0 to 8) is dropped on a field (0 first, 1 middle, 2 final part).
    void DropPart(int field, int tile);
    void ShowSolution();

    const PuzzleBoard& board() const { return board_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void OptionChosen(SelectionGroup group, int position) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startDrag(int tile);
    void showBoard();

    PuzzleBoard board_;
    // The marked words of the set's verbs, by the verb; the verb found last.
    std::map<Text, Text> marked_;
    Text found_;
    std::array<ClickLabel*, PuzzleBoard::kTiles> tiles_{};
    std::array<ClickLabel*, PuzzleBoard::kFields> fields_{};
    QFrame* fieldPanel_ = nullptr;
};

} // namespace tamurik
