#include "exercises/wordbuilding/puzzle_sets.h"

#include <algorithm>
#include <numeric>

namespace tamurik {

const Text& VerbParts::operator[](int column) const {
    return column == 0 ? first : column == 1 ? middle : final;
}

std::optional<VerbParts> SplitVerbParts(TextView line) {
    if (line.empty() || line.front() != U'1')
        return std::nullopt;
    const TextView word = line.substr(0, line.find(U'='));
    const Text plain = RemoveChars(word, U".- ");
    const std::size_t a = plain.find(U'2');
    const std::size_t b = plain.find(U'3');
    if (a == Text::npos || b == Text::npos || b < a)
        return std::nullopt;
    VerbParts parts{plain.substr(1, a - 1), plain.substr(a + 1, b - a - 1), plain.substr(b + 1)};
    if (parts.first.empty() || parts.middle.empty() || parts.final.empty())
        return std::nullopt;
    return parts;
}

bool PartsClash(const VerbParts& a, const VerbParts& b) {
    return a.first == b.first || a.middle == b.middle || a.final == b.final;
}

namespace {

// One pass through the verbs in a random order, keeping each verb that shares no part with
// those kept before. Drawing verb after verb and skipping the clashing ones comes to the same,
// but a pass ends even when the verbs kept first leave no third one.
std::optional<std::array<VerbParts, 3>>
DrawOnePass(const std::vector<std::optional<VerbParts>>& verbs, RandomSource& random) {
    std::vector<std::size_t> order(verbs.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::array<VerbParts, 3> set;
    int kept = 0;
    for (std::size_t i = 0; i < order.size() && kept < 3; ++i) {
        const auto remaining = static_cast<int>(order.size() - i);
        std::swap(order[i], order[i + static_cast<std::size_t>(random.Draw(remaining))]);
        const std::optional<VerbParts>& parts = verbs[order[i]];
        if (!parts)
            continue;
        const bool clashes = std::any_of(set.begin(), set.begin() + kept,
                                         [&](const VerbParts& v) { return PartsClash(v, *parts); });
        if (!clashes)
            set[static_cast<std::size_t>(kept++)] = *parts;
    }
    if (kept < 3)
        return std::nullopt;
    return set;
}

} // namespace

std::optional<std::array<VerbParts, 3>> DrawPuzzleSet(const std::vector<Text>& lines,
                                                      RandomSource& random) {
    // Each line is split once: a list that cannot make up a set is passed through many times.
    std::vector<std::optional<VerbParts>> verbs;
    verbs.reserve(lines.size());
    for (const Text& line : lines)
        verbs.push_back(SplitVerbParts(line));
    // The first verbs of a pass may leave no third one although other sets exist; a new pass
    // starts afresh. A list that fails this often cannot serve the puzzle in practice.
    constexpr int kPasses = 50;
    for (int pass = 0; pass < kPasses; ++pass)
        if (auto set = DrawOnePass(verbs, random))
            return set;
    return std::nullopt;
}

std::array<Text, 9> TileCaptions(const std::array<VerbParts, 3>& set) {
    std::array<Text, 9> captions;
    std::size_t i = 0;
    for (const VerbParts& verb : set)
        for (int column = 0; column < 3; ++column)
            captions[i++] = verb[column];
    std::stable_sort(captions.begin(), captions.end(),
                     [](const Text& a, const Text& b) { return TextLess(a, b); });
    return captions;
}

void PuzzleBoard::Start(const std::array<VerbParts, 3>& set) {
    rows_.assign(set.begin(), set.end());
    tiles_ = TileCaptions(set);
    ClearFields();
    targetRow_ = 0;
}

void PuzzleBoard::ClearFields() {
    fields_.fill(Text());
}

PuzzleBoard::DropResult PuzzleBoard::DropPart(int field, int tile) {
    if (field < 0 || field >= kFields || tile < 0 || tile >= kTiles)
        return {Outcome::Wrong, {}, 0};
    auto& target = fields_[static_cast<std::size_t>(field)];
    if (!target.empty())
        return {Outcome::FieldTaken, {}, 0};
    Text& caption = tiles_[static_cast<std::size_t>(tile)];
    // The last row whose part of this column is the caption; an emptied tile matches none.
    int found = 0;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (!caption.empty() && rows_[row][field] == caption)
            found = static_cast<int>(row) + 1;
    if (found == 0 ||
        (targetRow_ > 0 && caption != rows_[static_cast<std::size_t>(targetRow_ - 1)][field]))
        return {Outcome::Wrong, {}, 0};
    if (targetRow_ == 0)
        targetRow_ = found;
    target = std::move(caption);
    caption.clear();

    const VerbParts& row = rows_[static_cast<std::size_t>(targetRow_ - 1)];
    if (fields_[0] + fields_[1] + fields_[2] != row.Joined())
        return {Outcome::Placed, {}, 0};
    DropResult result{Outcome::Found, row.Joined(), 0};
    rows_.erase(rows_.begin() + (targetRow_ - 1));
    result.left = static_cast<int>(rows_.size());
    targetRow_ = 0;
    ClearFields();
    return result;
}

std::optional<VerbParts> PuzzleBoard::VerbOfDrop(int field, int tile) const {
    if (targetRow_ > 0)
        return rows_[static_cast<std::size_t>(targetRow_ - 1)];
    if (field < 0 || field >= kFields || tile < 0 || tile >= kTiles)
        return std::nullopt;
    const Text& caption = tiles_[static_cast<std::size_t>(tile)];
    if (caption.empty())
        return std::nullopt;
    for (const VerbParts& row : rows_)
        if (row[field] == caption)
            return row;
    for (const VerbParts& row : rows_)
        for (int column = 0; column < kFields; ++column)
            if (row[column] == caption)
                return row;
    return std::nullopt;
}

Text PuzzleBoard::SolutionText() const {
    Text text(1, CR);
    for (std::size_t row = 0; row < 3; ++row) {
        if (row > 0)
            text += U"   ";
        if (row < rows_.size())
            text += rows_[row].Joined();
    }
    return text + CR + CR;
}

Text FoundTitle(int left) {
    return Decimal(3 - left) + U". Verb gefunden";
}

} // namespace tamurik
