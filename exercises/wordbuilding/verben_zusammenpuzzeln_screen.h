#pragma once
// Three verbs are assembled from their coloured parts.

#include "exercises/wordbuilding/puzzle_sets.h"
#include "ui/exercise_frame.h"

#include <array>
#include <utility>
#include <vector>

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
    // One set is one draw: a due verb may take the place of one of its verbs.
    void mixInDueVerb(std::array<VerbParts, 3>& set, const std::vector<Text>& lines);
    // Keeps each verb's line of the set, for the learning record.
    void rememberLines(const std::array<VerbParts, 3>& set, const std::vector<Text>& lines);
    void reportDrop(const VerbParts& verb, const Text& caption, bool right);

    PuzzleBoard board_;
    std::vector<std::pair<VerbParts, Text>> setLines_;
    // The marked word of the verb found last.
    Text found_;
    std::array<ClickLabel*, PuzzleBoard::kTiles> tiles_{};
    std::array<ClickLabel*, PuzzleBoard::kFields> fields_{};
    QFrame* fieldPanel_ = nullptr;
};

} // namespace tamurik
