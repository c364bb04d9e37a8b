#pragma once
// Made-up and real verbs: the child types the verb with its syllable separator and judges
// the stem vowel and whether the verb is real, against the clock.

#include "exercises/syllables/syllable_rules.h"
#include "ui/exercise_frame.h"

#include <QTimer>

#include <array>

class QFrame;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace tamurik {

class ClickLabel;
class PictureSurface;

class QuatschverbenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit QuatschverbenScreen(AppContext& context);

    // The child's actions, one handler each.
    void StartRun();
    void StopRun();
    void ClockTick();
    void CheckEntry();
    void AnswerRealVerb();
    void AnswerFakeVerb();
    void AnswerShortVowel();
    void AnswerLongVowel();
    // Puts the character into the entry at the caret; the caret moves behind it.
    void InsertAtCaret(char32_t c);
    // A press on the letter strip at x twips from its left edge.
    void PressLetterStrip(double xTwips);
    void SkipWord();
    void ChangeDuration(int minutes);
    void ShowBestList();
    void ToggleInstructions();
    void ToggleVerbList();
    void ShowVerbDetail();
    void ClosePanels();
    void ToggleLetterStrip();
    // Colour field 3, 4, 5 (word parts) or 6 (background) steps its colour on.
    void CycleColour(int field);

    // What the tests look at.
    const QuatschWord& currentWord() const { return word_; }
    bool isRunning() const { return clock_.isActive(); }
    // A run is on: running, or standing still while a panel is open.
    bool isRunOn() const { return runOn_; }
    long long pointsBeforeRun() const { return PointsBeforeRun; }
    bool instructionsInView() const { return instructionsInView_; }
    bool bestListInView() const { return bestListInView_; }
    int heightTwips() const { return heightTwips_; }
    const SyllableTables& tables() const { return tables_; }

    // The letters of the strip, in order; a press at x takes letter x div 300.
    static constexpr std::u32string_view kStripLetters = U"aäbcdefghijklmnoöpqrsßtuüvwxyz.-";
    static constexpr int kStripSpacing = 300;

    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;

private:
    void buildWordArea();
    void buildDecisions();
    void buildRunControls();
    void buildPanels();
    void buildLetterStrip();
    void showLetterStrip(bool shown);

    bool NewWord();
    void DrawWord();
    // Answering is possible while the clock runs and no panel holds it.
    bool answering();
    // A decision still open for the current word may be made now.
    bool canDecide(double open);
    void Decide(double& open, bool right, QFrame* signal, const char* asked, TextView given);
    // Tells the learning record what the typed entry answers about the separator.
    void reportTyping(const Text& entered);
    void reportAnswer(const char* asked, const Text& given, bool right);
    void ResetSignals();
    int minutes() const;

    void Say(int colour, const Text& text);
    void SayText(const Text& text);
    // A message box; the clock of a run stands still while it is open.
    void Tell(const Text& text, const Text& title, DialogIcon icon);
    // The clock stops for an open panel, and goes on when the panels close.
    void PauseForPanel();
    void ResumeAfterPanel();
    bool anyPanelOpen() const;
    void placePanel(QWidget* panel, bool inView);
    void focusEntry();

    SyllableTables tables_;
    QuatschWord word_;
    // The current word was typed right once; the last wrong separation typed (each counts once).
    bool typedRight_ = false;
    Text lastTypedWrong_;
    // The points the child had before the run; they come back when a run earns nothing.
    long long PointsBeforeRun = 0;
    bool runOn_ = false;
    bool toldRealVerbsMissing_ = false;
    bool instructionsInView_ = false;
    bool bestListInView_ = false;
    int heightTwips_ = 0;
    // A child of the screen, so that it is found among the screen's timers.
    QTimer clock_{this};

    PictureSurface* wordPanel_ = nullptr;       // buntverb
    QLineEdit* entry_ = nullptr;                // Text1
    ClickLabel* dotButton_ = nullptr;           // Label1
    ClickLabel* dashButton_ = nullptr;          // Label2
    QPushButton* realButton_ = nullptr;         // Befehl3
    QPushButton* fakeButton_ = nullptr;         // Befehl4
    QPushButton* shortButton_ = nullptr;        // Befehl5
    QPushButton* longButton_ = nullptr;         // Befehl6
    QFrame* vowelSignal_ = nullptr;             // Figur5
    QFrame* realSignal_ = nullptr;              // Figur7
    ClickLabel* timeLabel_ = nullptr;           // Bezeichnung8
    QScrollBar* durationBar_ = nullptr;         // HBildlauf1
    ClickLabel* durationLabel_ = nullptr;       // Bezeichnung7
    ClickLabel* message_ = nullptr;             // Bezeichnung11
    QListWidget* verbList_ = nullptr;           // Liste4
    QPlainTextEdit* detailView_ = nullptr;      // Text2
    QListWidget* instructions_ = nullptr;       // Liste5
    QFrame* bestPanel_ = nullptr;               // Bild7
    QListWidget* bestList_ = nullptr;           // Liste6
    PictureSurface* strip_ = nullptr;           // Bild6
    ClickLabel* stripMarker_ = nullptr;         // Bezeichnung16
    std::array<ClickLabel*, 4> colourFields_{}; // Bezeichnung3 to Bezeichnung6
};

} // namespace tamurik
