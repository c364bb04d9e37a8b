#pragma once
// Present-tense forms: the child types the ich, du and er forms of a verb.

#include "core/text.h"
#include "ui/exercise_frame.h"

#include <array>
#include <vector>

class QLineEdit;

namespace tamurik {

class ClickLabel;

class VerbformenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbformenScreen(AppContext& context);

    // Draws up to 10 verb lines under the selection, each a verb the program can conjugate.
    void LoadVerbBatch();
    // Takes the next verb from the batch and asks its ich form.
    void NextVerb();
    // The text box changed (by the child or by the program).
    void CheckTyping(const Text& typed);
    void ShowSolution();

    // The current row: 1 ich, 2 du, 3 er; 0 while there is no verb.
    int currentRow() const { return row_; }
    // Infinitive, ich, du and er form of the current verb; empty while there is none.
    const std::vector<Text>& forms() const { return forms_; }
    const std::vector<Text>& batch() const { return batch_; }
    QLineEdit* textBox() const { return textBox_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;
    void PanelToggled(bool open) override;

private:
    ClickLabel* answerField(int row) const;
    void setFieldColor(ClickLabel* field, bool current, bool wrong = false);
    void focusTextBox();

    ClickLabel* verbLabel_ = nullptr;        // Bezeichnung3
    std::array<ClickLabel*, 3> answers_{};   // Bezeichnung4, 5, 6
    ClickLabel* explanationLabel_ = nullptr; // Bezeichnung11
    QLineEdit* textBox_ = nullptr;           // Text1
    ClickLabel* solutionIcon_ = nullptr;     // Bild3

    std::vector<Text> batch_;
    // The verb line being asked, for the learning record.
    Text currentLine_;
    // The typing fitted the expected form so far (a wrong answer is told once per slip).
    bool typingFits_ = true;
    std::vector<Text> forms_;
    int row_ = 0;
};

} // namespace tamurik
