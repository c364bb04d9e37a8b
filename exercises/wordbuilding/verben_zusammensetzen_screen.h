#pragma once
// The child clicks the scattered letters of a verb in their order.

#include "exercises/wordbuilding/letter_grid.h"
#include "ui/exercise_frame.h"

#include <set>
#include <vector>

namespace tamurik {

class PictureSurface;

class ZusammensetzenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ZusammensetzenScreen(AppContext& context);

    // Scatters the letters of the next verb over the grid.
    void NextVerb();
    // A mouse button went down over the grid at this point (twips).
    void ClickLetter(double xTwips, double yTwips);
    void ShowFirstLetter();
    void ShowPath();
    void ShowExplanation();

    const LetterGrid& grid() const { return grid_; }
    const std::vector<Text>& pool() const { return pool_; }
    PictureSurface* surface() const { return surface_; }
    SpeechOffer WhatToHear() const override;

protected:
    void PrepareExercise() override {
        found_.clear();
        NextVerb();
    }
    void EndWork() override { pool_.clear(); }
    void OptionChosen(SelectionGroup group, int position) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fills the pool when it is empty and selects an entry; false when there is nothing to draw.
    bool ChooseVerb();
    void fillPool();
    // A line the grid can serve: a verb with letters, not refused as too long.
    bool usable(const Text& line) const;
    void drawFirstLetter();
    void drawCell(const LetterCell& cell, bool filled);
    void showInstruction();

    std::vector<Text> pool_;
    std::size_t selected_ = 0;
    // The verb line on the grid, for the learning record.
    Text currentLine_;
    // Entries refused as too long, left out when the pool is filled again.
    std::set<Text> tooLong_;
    LetterGrid grid_;
    // The marked word of the verb put together last.
    Text found_;
    PictureSurface* surface_ = nullptr;
    ClickLabel* assembledLabel_ = nullptr;
    bool instructionShown_ = false;
};

} // namespace tamurik
