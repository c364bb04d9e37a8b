#pragma once
// The child finds the syllable boundary of a verb laid out on letter tiles.

#include "exercises/syllables/syllable_drills.h"
#include "ui/exercise_frame.h"

#include <deque>
#include <optional>

class QScrollBar;

namespace tamurik {

class PictureSurface;
class Shape;

class VerbenTrennenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbenTrennenScreen(AppContext& context);

    // Samples the verb list afresh (one line in ten that passes the selection).
    void BuildWorkList();
    // Lays the next verb of the work list out on the board.
    void ShowNextVerb();
    // ENTER: a point and the next verb for the right gap, a point less for a wrong one.
    void CheckBoundary();
    // The scroll bar moved to this value.
    void MoveCursor(int value);
    // A mouse button went down on the board at this position.
    void PlaceCursor(QPointF twips);
    void ShowExplanation();

    const Text& currentLine() const { return currentLine_; }
    const std::deque<Text>& workList() const { return workList_; }
    std::optional<int> boundaryPosition() const { return board_.boundary; }
    int letterCount() const { return board_.letterCount(); }
    int cursorPosition() const { return cursorPos_; }
    QScrollBar* scrollBar() const { return scroll_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;
    void PanelToggled(bool open) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawBoard();

    PictureSurface* boardSurface_ = nullptr;
    Shape* cursor_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    std::deque<Text> workList_;
    Text currentLine_;
    BoardWord board_;
    int cursorPos_ = 0;
};

} // namespace tamurik
