#pragma once
// Verben verlängern: a short form hides the letters the ear cannot tell ("er le_t"); the child
// types the long form ("wir leben"), sees it cut at its syllable boundary (le·ben), and then
// chooses the hidden letters. Ten forms make a set.

#include "exercises/wordbuilding/verben_verlaengern.h"
#include "ui/exercise_frame.h"

#include <array>
#include <set>
#include <vector>

class QLineEdit;
class QPushButton;

namespace tamurik {

class ClickLabel;
class PictureSurface;

class VerbenVerlaengernScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbenVerlaengernScreen(AppContext& context);

    // Where the child is with the current form.
    enum class Step {
        None,     // nothing to ask
        LongForm, // step 1: type the wir form
        Letters,  // step 2: choose the hidden letters
        Solved,   // the form is complete; Enter or the arrow goes on
    };

    // Draws a new set of forms under the selection and asks the first.
    void StartSet();
    // Asks the next form of the set; after the last one tells how many were right and starts
    // a new set.
    void NextForm();
    // Step 1: checks the long form in the text box.
    void CheckLongForm();
    // Step 2: the button at this position (from 0) was chosen.
    void ChooseLetters(std::size_t button);

    Step step() const { return step_; }
    const LengtheningTask& task() const { return task_; }
    const std::vector<Text>& set() const { return set_; }
    // Forms of the set asked so far, and those answered without a mistake.
    std::size_t asked() const { return position_ + (step_ == Step::Solved ? 1 : 0); }
    int rightInSet() const { return rightInSet_; }

    static constexpr std::size_t kSetSize = 10;

    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;
    void PanelToggled(bool open) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AskForm();
    void ShowShortForm(bool solved);
    void ShowLongForm(const Text& markedWord);
    void ShowFeedback(const Text& text, bool right);
    void ShowButtons();
    void FocusStep();
    // Draws a marked word's three pieces on a surface, centred or from the left, the middle
    // one framed (an empty frame for the gap when `frameEmpty`).
    void DrawPieces(PictureSurface* surface, const Text& lead, const MarkedPieces& pieces,
                    bool frameEmpty, bool centred);

    PictureSurface* shortForm_ = nullptr;   // Bild7
    ClickLabel* explanation_ = nullptr;     // Bezeichnung7
    QLineEdit* textBox_ = nullptr;          // Text1
    PictureSurface* longForm_ = nullptr;    // Bild8
    ClickLabel* feedback_ = nullptr;        // Bezeichnung5
    std::array<QPushButton*, 3> buttons_{}; // Befehl1-3
    std::array<ClickLabel*, 3> keyHints_{}; // Bezeichnung8-10
    ClickLabel* nextIcon_ = nullptr;        // Bild6
    ClickLabel* progress_ = nullptr;        // Bezeichnung6

    std::vector<Text> lines_; // the whole verb list, for the forms other verbs share
    std::set<Text> knownForms_;
    std::vector<Text> set_;
    std::size_t position_ = 0;
    int rightInSet_ = 0;
    LengtheningTask task_;
    // The marked word of the long form the child typed (step 1 done).
    Text typedLong_;
    ButtonKeys keys_;
    Step step_ = Step::None;
    bool mistake_ = false;
};

} // namespace tamurik
