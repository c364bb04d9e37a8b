#pragma once
// The frame every exercise shares: user label and points label filled on activation, the close
// icon back to the main menu, the reward icon, and the selection panel with its option groups
// that slides between an open and a closed position.

#include "core/word_lists.h"
#include "learning/due_draw.h"
#include "ui/screen.h"
#include "ui/speaker_icons.h"

#include <QRect>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFrame;

namespace tamurik {

class ClickLabel;
class OptionGroup;

// What a child gives that is no text of its own: a help asked for instead of an answer.
inline constexpr TextView kGivenHint = U"Tipp";
inline constexpr TextView kGivenSolution = U"Lösung";

struct FrameConfig {
    QString objectName;
    QString title;
    // The exercise's stable name in the learning record ("verben_trennen"); kept as it is.
    std::string recordKey;
    int widthTwips = 9000;
    int heightTwips = 6600;
    // A fixed window colour; without it the window takes ColorBlatt on activation.
    std::optional<QColor> fixedBackground;

    QString userLabel;
    QRect userLabelTwips{720, 120, 7000, 495};
    QString pointsLabel;
    QRect pointsLabelTwips{120, 3360, 495, 255};
    QString closeIcon;
    QPoint closeIconTwips{120, 840};
    QString rewardIcon;
    QPoint rewardIconTwips{120, 1680};
    // The speaker icons side by side in the corner left of the user label (every exercise has
    // it free), and the strip a verb stands on while it is read syllable by syllable (empty:
    // over the user label, right of the icons).
    QPoint speakerIconTwips{30, 150};
    QPoint syllableIconTwips{375, 150};
    QRect syllableStripTwips;

    // The selection: no panel when the screen has neither group.
    bool verbenwahl = false;
    bool stammvokal = false;
    Selection initial;
    QString optionIcon;
    QPoint optionIconTwips{120, 2520};
    QString panel;
    QString panelOptionIcon; // the picture on the panel that closes it again
    QString verbenwahlFrame = QStringLiteral("Rahmen1");
    QStringList verbenwahlOptions{QStringLiteral("Option1"), QStringLiteral("Option2"),
                                  QStringLiteral("Option3")};
    QString stammvokalFrame = QStringLiteral("Rahmen2");
    QStringList stammvokalOptions{QStringLiteral("Option4"), QStringLiteral("Option5"),
                                  QStringLiteral("Option6")};
    // The panel moves along one edge: its top (vertical) or its left edge. The other
    // coordinate stays at panelAcross.
    bool panelMovesVertically = true;
    int panelOpen = 2280;
    int panelClosed = 7200;
    int panelAcross = 720;
};

class ExerciseFrame : public Screen {
    Q_OBJECT
public:
    ExerciseFrame(AppContext& context, const FrameConfig& config);

    // Fills user and points label, the background, then prepares the exercise.
    void Activate() final;
    void CloseFromWindowManager() final { CloseExercise(); }

    // Hides the screen after its own clean-up and shows the main menu.
    void CloseExercise();
    void ToggleOptionPanel();
    bool isPanelOpen() const;
    // The panel's current position along its edge, in twips.
    int panelPosition() const { return panelPos_; }

    Selection selection() const;
    OptionGroup* group(SelectionGroup group) const;
    // Checks a button as the main menu passes its choice on; runs the option handler.
    void ApplySelection(SelectionGroup group, int position);

    // Shows Points in the points label.
    void ShowPoints();
    // Takes n points away, never below 0, and shows them.
    void TakePoints(long long n);

    // The speaker icons ("Anhören" F2, "Silbenweise anhören" F3).
    SpeakerIcons& speakerIcons() const { return *speakerIcons_; }
    // What the speaker icons may say now; by default nothing.
    virtual SpeechOffer WhatToHear() const;

    // What a draw does when the selection yields nothing from `file` (a word file edited
    // down). A visible screen tells the child, checks "alle" in its option groups and answers
    // true: draw again. When the selection already was "alle", or the file cannot serve at all,
    // it says what is wrong with the file and returns to the main menu. A hidden screen shows
    // nothing and answers false: it draws when it is next activated.
    bool NoVerbsForSelection(const std::string& file = "ZAHLVERB.TXT");
    // Lines of ZAHLVERB.TXT that pass the screen's selection (and `keep`, when given), with the
    // path above when none does: an empty result means "do not draw now".
    std::vector<Text>
    VerbLinesForSelection(const std::function<bool(const Text& line)>& keep = nullptr);

protected:
    // ---- The learning record ----
    // The question is shown now: the time of the next answer counts from here. Activation
    // marks it too.
    void QuestionShown();
    // Tells the learning record one answer of the child: the word it was about (marked as
    // shown), what was asked (an asked:: key), what the child gave and whether it was right.
    // The time counts from the question or, for a further answer to the same question, from
    // the answer before. Only verbs of ZAHLVERB.TXT take part in the card box. Whatever the
    // record does, the screen goes on as before.
    void ReportAnswer(const Text& item, const char* asked, const Text& given, bool right,
                      bool fromVerbList);
    // The same for a verb of ZAHLVERB.TXT, given by its line: the item is its marked word.
    void ReportVerbAnswer(TextView line, const char* asked, const Text& given, bool right);

    // ---- Missed verbs coming back ----
    // The child's due verbs (marked words); none with the card box off, where the record is not
    // even asked.
    std::vector<Text> DueVerbs();
    // One draw among `lines` (ZAHLVERB.TXT lines that pass the selection): one draw in three a
    // due verb among them that fits, else none and the screen draws as before.
    std::optional<Text> DueVerbLine(const std::vector<Text>& lines, const LineFits& fits = nullptr);
    // A list the screen drew entry by entry (repeats allowed) from `lines`: each entry is one
    // draw of a due verb, and a verb in the list is not brought in twice.
    void MixInDueVerbs(std::vector<Text>& drawn, const std::vector<Text>& lines);
    // For a screen that takes its next verb from a pool of its own that holds only part of the
    // selection: one draw in three a due verb among all lines of ZAHLVERB.TXT that pass the
    // selection and `keep`. The file is read only when the child has due verbs.
    std::optional<Text> DueVerbForSelection(const LineFits& keep = nullptr);

    // The exercise's own preparation on activation (draw a word, clear inputs, ...).
    virtual void PrepareExercise() {}
    // The exercise's own clean-up before it returns to the main menu.
    virtual void EndWork() {}
    // An option button was checked, by the child or by the main menu.
    virtual void OptionChosen(SelectionGroup group, int position);
    // After the panel moved (the screen may put the keyboard focus somewhere).
    virtual void PanelToggled(bool open) { (void)open; }
    // What there is to hear has changed: the speaker icons follow.
    void SpeechChanged();

    const FrameConfig& config() const { return config_; }
    ClickLabel* userLabel() const { return userLabel_; }
    ClickLabel* pointsLabel() const { return pointsLabel_; }
    QFrame* panel() const { return panel_; }

private:
    void buildPanel();
    void movePanel(int position);

    FrameConfig config_;
    ClickLabel* userLabel_ = nullptr;
    ClickLabel* pointsLabel_ = nullptr;
    ClickLabel* closeIcon_ = nullptr;
    ClickLabel* rewardIcon_ = nullptr;
    ClickLabel* optionIcon_ = nullptr;
    SpeakerIcons* speakerIcons_ = nullptr;
    QFrame* panel_ = nullptr;
    OptionGroup* verbenwahl_ = nullptr;
    OptionGroup* stammvokal_ = nullptr;
    int panelOpen_ = 0;
    int panelClosed_ = 0;
    int panelPos_ = 0;
    std::int64_t questionShownMs_ = 0;
};

// A picture icon of the frame's size (495 twips square) with its accessible name.
ClickLabel* MakeIcon(QWidget* parent, const QString& objectName, const QString& resource,
                     const QString& accessibleName, QPoint twips, int sizeTwips = 495);

// The light panel that holds the option groups of the verb selection.
QFrame* MakeSelectionPanel(QWidget* parent, const QString& objectName);

// The reward rule, shown from the reward icon of every exercise.
void ShowRewardInfo(AppContext& context);

} // namespace tamurik
