#pragma once
// The rules of the rhyme memory: nine pairs spread over eighteen fields, turning cards, the
// penalty for a wrong pair left open, points for a found pair, and the hint.

#include "core/random.h"
#include "core/text.h"
#include "exercises/rhymes/rhyme_pairs.h"

#include <optional>
#include <vector>

namespace tamurik {

inline constexpr int kMemoryFields = 2 * kRhymeSetSize;

struct MemoryCard {
    Text word; // the marked verb written under the field
    int pair;  // 1-9; the two verbs of a rhyme pair share it
};

// What one click on a field did, for the screen to show.
struct MemoryTurn {
    bool ignored = false;      // the field was solved already
    int coveredAgain[2]{0, 0}; // the wrong pair turned back at this click (fields, 0 = none)
    bool uncovered = false;    // the clicked field is open now
    bool pairFound = false;    // it completed a pair with the first pick
    int pairFields[2]{0, 0};
    bool finished = false; // every pair is found
};

class MemoryGame {
public:
    // Lays the pairs out over the fields at random; every field unsolved, no pick.
    void Deal(const std::vector<RhymePair>& pairs, RandomSource& random);
    // Forgets the cards (the game is abandoned).
    void Clear();

    const std::vector<MemoryCard>& cards() const { return cards_; }
    // Field numbers run from 1 to kMemoryFields.
    const MemoryCard& card(int field) const { return cards_.at(field - 1); }
    bool solved(int field) const { return solved_.at(field - 1); }
    int firstPick() const { return first_; }
    int secondPick() const { return second_; }

    // A click on a field. A wrong pair still open is turned back first and costs one point
    // while there are points; a found pair earns 2.
    MemoryTurn TurnCard(int field, long long& points);

    // The picked verb and its partner spaced out ("l a - d e n + b a - d e n "); no value when
    // no field is picked.
    std::optional<Text> HintText() const;

private:
    std::vector<MemoryCard> cards_;
    std::vector<bool> solved_;
    int first_ = 0;
    int second_ = 0;
};

// The meaning line of a verb: the first line of the verb list that begins with it (a rare
// verb's line carries its explanation), else the verb itself, without the marks "123.-".
Text MeaningLine(const std::vector<Text>& verbLines, TextView word);

} // namespace tamurik
