#pragma once
// Timed copying of verbs in several views, with the best list BESTTEXT.LST.

#include "exercises/wordbuilding/word_views.h"
#include "ui/exercise_frame.h"

#include <QTimer>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace tamurik {

class PictureSurface;
class Shape;

class VerbenSchreibenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbenSchreibenScreen(AppContext& context);

    // Fills the word pool from the selection; during a run the next verb follows.
    void LoadWordPool();
    void ShowNextWord();
    // The typed text changed.
    void CheckCopy();
    void StartRun();
    void StopRun();
    void TimerTick();
    void ShowExplanation();
    void OpenBestList();
    void CloseBestList();

    bool isRunning() const { return running_; }
    bool isBestListOpen() const;
    WordView view() const;
    const Text& markedWord() const { return markedWord_; }
    int wordsDone() const { return wordsDone_; }
    const std::vector<Text>& bestList() const { return bestList_; }
    const std::vector<Text>& pool() const { return pool_; }
    QLineEdit* typing() const { return typing_; }
    PictureSurface* display() const { return display_; }
    QColor frameColor() const;
    bool timerActive() const { return timer_.isActive(); }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void PanelToggled(bool open) override;
    void OptionChosen(SelectionGroup group, int position) override;

private:
    // A line with a verb to copy.
    static bool Copyable(const Text& line);
    void fillPool();
    void drawWord();
    void clearDisplay();
    void setFrameColor(const QColor& color);
    void focusTyping();
    void showBestList();
    void moveBestPanel(bool inView);
    void setInstruction(const Text& text, const QColor& color);

    std::vector<Text> pool_;
    Text markedWord_;
    // The typing fitted the shown verb so far (a wrong answer is told once per slip).
    bool typingFits_ = true;
    int wordsDone_ = 0;
    bool running_ = false;
    std::vector<Text> bestList_;
    // False when BESTTEXT.LST exists but could not be read: it is then left as it is.
    bool bestListReadable_ = true;
    // A child of the screen, so that it is found among the screen's timers.
    QTimer timer_{this};

    QScrollBar* minutes_ = nullptr;
    ClickLabel* minutesLabel_ = nullptr;
    ClickLabel* secondsLabel_ = nullptr;
    PictureSurface* display_ = nullptr;
    Shape* cover_ = nullptr;
    Shape* echoFrame_ = nullptr;
    ClickLabel* echo_ = nullptr;
    ClickLabel* instruction_ = nullptr;
    QButtonGroup* views_ = nullptr;
    QWidget* bestPanel_ = nullptr;
    QListWidget* bestListView_ = nullptr;
    QLineEdit* typing_ = nullptr;
};

} // namespace tamurik
