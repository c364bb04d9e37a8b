#pragma once
// Alphabetical order: the child clicks the verb that stands at a given place in the ABC.

#include "exercises/syllables/syllable_drills.h"
#include "ui/exercise_frame.h"

#include <vector>

class QListWidget;
class QListWidgetItem;
class QScrollBar;

namespace tamurik {

class AbcVerbenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit AbcVerbenScreen(AppContext& context);

    // Draws ten verbs of the selection (repeats possible) and starts a set with them.
    void DrawPool();
    // Shows the first n verbs of the pool, n from the set-size scroll bar, and asks.
    void StartSet();
    // Asks for a place not asked yet; the last place of a set pays the bonus instead.
    void AskNext();
    // The child clicked this verb of the list.
    void AnswerPick(QListWidgetItem* item);
    void ShowAlphabet();

    const std::vector<Text>& pool() const { return pool_; }
    const AbcSet& set() const { return set_; }
    QListWidget* list() const { return list_; }
    QScrollBar* sizeBar() const { return size_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override;
    void OptionChosen(SelectionGroup group, int position) override;

private:
    // Tells the learning record which verb the child picked for the asked place.
    void reportPick(const Text& picked);

    QListWidget* list_ = nullptr;
    QScrollBar* size_ = nullptr;
    ClickLabel* sizeLabel_ = nullptr;
    ClickLabel* question_ = nullptr;
    std::vector<Text> pool_;
    // The marked words of the pool's verbs, in pool order.
    std::vector<Text> poolMarked_;
    // The verb clicked last; empty until one is clicked in the list shown.
    Text clicked_;
    AbcSet set_;
};

} // namespace tamurik
