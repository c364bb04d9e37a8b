#pragma once
// Verben zusammenpuzzeln: three verbs cut at their part marks into nine tiles, and the board
// on which the child lays the tiles onto the three colour fields.

#include "core/random.h"
#include "core/text.h"

#include <array>
#include <optional>
#include <vector>

namespace tamurik {

// The three coloured parts of a verb, without any mark.
struct VerbParts {
    Text first;
    Text middle;
    Text final;

    Text Joined() const { return first + middle + final; }
    const Text& operator[](int column) const;
    bool operator==(const VerbParts&) const = default;
};

// The parts of a word-list line: the text before the first "=" without ".", "-" and blanks,
// cut at its first "2" and its first "3". No value for a line that does not begin with "1",
// lacks a "2" or a "3" after it, or would give an empty part (an empty tile cannot be told
// from one already laid down).
std::optional<VerbParts> SplitVerbParts(TextView line);

// Two verbs that share a first, a middle or a final part cannot stand in one set: a tile would
// then fit two of them.
bool PartsClash(const VerbParts& a, const VerbParts& b);

// Three verbs whose parts differ column by column, drawn from these lines: the lines are taken
// in a random order and each is kept when it shares no part with the verbs kept before. No
// value when a bounded number of such passes finds no set.
std::optional<std::array<VerbParts, 3>> DrawPuzzleSet(const std::vector<Text>& lines,
                                                      RandomSource& random);

// The nine parts of a set in ascending text order: the captions of the tiles.
std::array<Text, 9> TileCaptions(const std::array<VerbParts, 3>& set);

class PuzzleBoard {
public:
    static constexpr int kFields = 3;
    static constexpr int kTiles = 9;

    enum class Outcome {
        FieldTaken, // the field already holds a part: refused, costs nothing
        Wrong,      // not a part of this column, or not one of the verb being built
        Placed,     // the part lies in its field
        Found,      // ... and completes the verb
    };
    struct DropResult {
        Outcome outcome;
        Text verb;    // the found verb
        int left = 0; // verbs still in the set after a found one
    };

    // A new set: its tiles, empty fields, no verb being built.
    void Start(const std::array<VerbParts, 3>& set);
    // Empties the three fields (the tiles laid down stay empty).
    void ClearFields();
    // The tile is dropped on a field (0 first, 1 middle, 2 final part).
    DropResult DropPart(int field, int tile);
    // The verb a drop would be about: the verb being built; before its first part, the verb
    // whose part of this column the tile is, else the verb the tile belongs to. None for a
    // tile already laid down.
    std::optional<VerbParts> VerbOfDrop(int field, int tile) const;

    const Text& tile(int index) const { return tiles_.at(static_cast<std::size_t>(index)); }
    const Text& field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    // 0 while no part of the current attempt lies in a field, else the row (from 1) of the
    // verb being built.
    int targetRow() const { return targetRow_; }
    const std::vector<VerbParts>& rows() const { return rows_; }
    // "Verben zusammenbauen": the verbs still to be found.
    Text SolutionText() const;

private:
    std::vector<VerbParts> rows_;
    std::array<Text, kTiles> tiles_;
    std::array<Text, kFields> fields_;
    int targetRow_ = 0;
};

// The title of the box for a found verb, by the number of verbs still to find.
Text FoundTitle(int left);

} // namespace tamurik
