#pragma once
// Flash reading: a verb is flashed for a moment and picked from a list of fifteen.

#include "ui/exercise_frame.h"

#include <vector>

class QListWidget;
class QListWidgetItem;
class QScrollBar;
class QTimer;

namespace tamurik {

class PictureSurface;

class SchnellLesenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit SchnellLesenScreen(AppContext& context);

    // Draws 15 verbs of the selection (repeats possible), shows them and chooses one.
    void BuildDrawList();
    // Chooses the next verb secretly and invites the child to flash it.
    void ChooseWord();
    // Flashes the chosen verb; a second flash of the same verb costs a point.
    void FlashWord();
    // The flash time is over: the child picks the verb from the list.
    void EndFlash();
    // The child picked this entry of the list.
    void PickFromList(QListWidgetItem* item);
    void SetFlashDuration(int milliseconds);

    // The marked words still to be asked, in list order.
    const std::vector<Text>& drawList() const { return drawList_; }
    const Text& solution() const { return solution_; }
    const Text& chosenWord() const;
    // Whether the chosen verb has been flashed (and the flash has ended).
    bool flashed() const { return flashed_; }
    QListWidget* list() const { return list_; }
    QTimer* timer() const { return timer_; }
    PictureSurface* flashField() const { return field_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void EndWork() override;
    void OptionChosen(SelectionGroup group, int position) override;

private:
    void showInvitation(TextView text);
    // The top of a line of the field's font, centred in the field (twips).
    double centredTop() const;

    PictureSurface* field_ = nullptr;
    QListWidget* list_ = nullptr;
    QScrollBar* speed_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<Text> drawList_;
    std::size_t chosen_ = 0;
    Text solution_;
    bool flashed_ = false;
};

} // namespace tamurik
