#pragma once
// The meanings of rare verbs: the child matches a verb to its explanation.

#include "exercises/rhymes/meaning_set.h"
#include "ui/exercise_frame.h"

#include <array>
#include <deque>

namespace tamurik {

class ClickLabel;
class PictureSurface;

class VerbbedeutungScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbbedeutungScreen(AppContext& context);

    // Four rare verbs of the selection (fewer when there are fewer) and their explanations.
    void DrawMeaningSet();
    // Shows the front verb of the set in its part colours.
    void ShowQuestion();
    // A click on answer field 1-4.
    void CheckMeaning(int field);
    void ShowHint();

    const std::deque<Text>& questions() const { return questions_; }
    // The whole verb-list line of the verb asked now; empty when none is asked.
    Text currentLine() const { return questions_.empty() ? Text{} : questions_.front(); }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;

private:
    void ShowMessage(const Text& text);

    std::deque<Text> questions_;
    std::vector<Text> answers_;
    // The explanation of the verb asked stands in the message (the child paid for the hint).
    bool hintShown_ = false;
    ClickLabel* message_ = nullptr;
    PictureSurface* verbDisplay_ = nullptr;
    std::array<ClickLabel*, kMeaningSetSize> fields_{};
};

} // namespace tamurik
