#pragma once
// Hangman on verbs, with the best list BESTHANG.LST.

#include "core/text.h"
#include "ui/exercise_frame.h"

#include <array>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace tamurik {

class ClickLabel;

class GalgenspielScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit GalgenspielScreen(AppContext& context);

    // Draws a new word under the selection and sets up the board.
    void StartWord();
    // Hides every part of the gallows and of the freed figure.
    void ResetDrawing();
    // The child chose the letter at this place of the board (0-29).
    void ChooseLetter(int index);
    void ShowHint();
    void CloseBestList();

    int wrongLetters() const { return wrongLetters_; }
    bool isBestListOpen() const;
    const std::vector<Text>& workList() const { return workList_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoard();
    void buildDrawing();
    void buildBestList();
    void fillBoard();
    void showMask();
    void Win();
    void Lose();
    void moveBestList(bool inView);
    int markedLetters() const;

    ClickLabel* maskLabel_ = nullptr;        // Bezeichnung1
    ClickLabel* solutionLabel_ = nullptr;    // Bezeichnung2
    ClickLabel* explanationLabel_ = nullptr; // Bezeichnung3
    QListWidget* board_ = nullptr;           // Liste1
    ClickLabel* hintIcon_ = nullptr;         // Bild5
    QWidget* bestPanel_ = nullptr;           // Bild4
    QListWidget* bestList_ = nullptr;        // Liste2
    ClickLabel* bestHeader_ = nullptr;       // Bezeichnung5
    ClickLabel* bestClose_ = nullptr;        // Bezeichnung6
    // The gallows in the order wrong letters reveal them, then the freed figure.
    std::array<QWidget*, 10> gallows_{};
    std::array<QWidget*, 6> freed_{};

    // The verb line of the word being guessed, for the learning record.
    Text currentLine_;
    int wrongLetters_ = 0;
    // False once the word is solved, until the next word: the board then waits.
    bool playing_ = false;
    // The verb lines while a word is drawn; the best-list records after a win.
    std::vector<Text> workList_;
};

} // namespace tamurik
