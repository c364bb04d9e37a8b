#pragma once
// The child types the rhyme partner of a verb.

#include "exercises/rhymes/rhyme_pairs.h"
#include "exercises/rhymes/rhyme_writing.h"
#include "ui/exercise_frame.h"

#include <deque>

class QLineEdit;

namespace tamurik {

class PictureSurface;

class ReimverbenSchreibenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ReimverbenSchreibenScreen(AppContext& context);

    // Draws nine new pairs; false when the rhyme list cannot serve.
    bool DrawRhymePairs();
    // Shows the front pair: the verb, the partner with its rhyme hidden, empty answer boxes.
    void ShowNextPair();
    // The input changed: its text is the child's next letter.
    void CheckLetter();

    const Text& expectedWord() const { return expected_; }
    const Text& typed() const { return typed_; }
    int pairsLeft() const { return static_cast<int>(pairs_.size()); }
    // Where the letter of box m (1-letters) is written, in the writing surface's twips.
    static int BoxLeft(int box, int letters);
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void OptionChosen(SelectionGroup group, int position) override;
    void PanelToggled(bool open) override;

private:
    void DrawBoxes(int letters, int top);

    std::deque<RhymePair> pairs_;
    // The pair being written, and the pair written last (empty until one is).
    RhymePair current_;
    std::vector<Text> written_;
    std::vector<PartLetter> letters_;
    // The partner being written, as marked in the rhyme list.
    Text partner_;
    Text expected_;
    Text typed_;
    PictureSurface* surface_ = nullptr;
    QLineEdit* input_ = nullptr;
};

} // namespace tamurik
