#pragma once
// The child finds the rhyme partner of a verb among nine verbs.

#include "exercises/rhymes/rhyme_pairs.h"
#include "ui/exercise_frame.h"

#include <vector>

class QPropertyAnimation;
class QPushButton;
class QScrollBar;

namespace tamurik {

class PictureSurface;

class ReimverbenFindenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ReimverbenFindenScreen(AppContext& context);

    // Draws nine new pairs and writes their first verbs in the rows; false when the rhyme list
    // cannot serve.
    bool DrawRhymePairs();
    void PrintRows();
    // Offers the next partner on the strip, parked below the rows.
    void NextTask();
    void MoveStrip();
    // OK or Enter: the strip's row is checked against the offered partner.
    void CheckAnswer();
    void ShowHint();
    // Ends a running slide of the strip at once (the slide goes on to the next task).
    void FinishSlide();

    int targetRow() const { return targetRow_; }
    const std::vector<RhymePair>& pairs() const { return pairs_; }
    bool sliding() const { return sliding_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;
    void PanelToggled(bool open) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void StartRound();
    void SlideEnded();

    std::vector<RhymePair> pairs_;
    // The pair found last, verb and partner; empty until one is found.
    std::vector<Text> found_;
    std::vector<bool> done_;
    int targetRow_ = 0;
    bool firstMove_ = false;
    bool sliding_ = false;
    PictureSurface* rows_ = nullptr;
    PictureSurface* strip_ = nullptr;
    QScrollBar* slider_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPropertyAnimation* slide_ = nullptr;
};

} // namespace tamurik
