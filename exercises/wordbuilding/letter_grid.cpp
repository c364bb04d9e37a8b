#include "exercises/wordbuilding/letter_grid.h"

#include "core/word_lists.h"

#include <array>
#include <cmath>

namespace tamurik {

Text GridVerb(TextView entry) {
    return CleanWord(entry);
}

std::vector<Text> EveryNthLine(const std::vector<Text>& lines, int step) {
    std::vector<Text> picked;
    if (step <= 0)
        return picked;
    for (std::size_t n = static_cast<std::size_t>(step); n <= lines.size();
         n += static_cast<std::size_t>(step))
        picked.push_back(lines[n - 1]);
    return picked;
}

std::vector<LetterCell> PlaceLetters(TextView verb, RandomSource& random) {
    constexpr int kCells = kGridColumns * kGridRows;
    constexpr int kDrawsPerLetter = 100;
    std::array<bool, kCells> taken{};
    std::vector<LetterCell> cells;
    for (char32_t letter : verb.substr(0, std::min<std::size_t>(verb.size(), kCells))) {
        int column = 0;
        int row = 0;
        bool free = false;
        for (int attempt = 0; attempt < kDrawsPerLetter && !free; ++attempt) {
            column = random.Draw(kGridColumns);
            row = random.Draw(kGridRows);
            free = !taken[static_cast<std::size_t>(row * kGridColumns + column)];
        }
        int index = row * kGridColumns + column;
        while (taken[static_cast<std::size_t>(index)])
            index = (index + 1) % kCells;
        taken[static_cast<std::size_t>(index)] = true;
        cells.push_back({index % kGridColumns, index / kGridColumns, letter});
    }
    return cells;
}

CellPos CellAt(double xTwips, double yTwips) {
    // Whole numbers first (halves to the even one), then division toward zero.
    const auto cell = [](double v) {
        return static_cast<int>(std::nearbyint(v - kGridMargin)) / kCellSize;
    };
    return {cell(xTwips), cell(yTwips)};
}

void LetterGrid::Start(Text verb, std::vector<LetterCell> cells) {
    verb_ = std::move(verb);
    cells_ = std::move(cells);
    assembled_.clear();
}

std::optional<std::size_t> LetterGrid::LetterIn(CellPos cell) const {
    for (std::size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i].column == cell.column && cells_[i].row == cell.row)
            return i;
    return std::nullopt;
}

LetterGrid::Outcome LetterGrid::Click(CellPos cell) {
    const std::optional<std::size_t> index = LetterIn(cell);
    if (!index || assembled_.size() >= verb_.size())
        return Outcome::Nothing;
    const char32_t needed = verb_[assembled_.size()];
    if (cells_[*index].letter != needed)
        return Outcome::Wrong;
    assembled_ += needed;
    return assembled_ == verb_ ? Outcome::Finished : Outcome::Right;
}

long long AfterFirstLetterHelp(long long points) {
    return points > 0 ? points - 1 : points;
}

long long AfterPathHelp(long long points) {
    points = AfterFirstLetterHelp(points);
    return points > 2 ? points - 2 : points;
}

long long AfterExplanationHelp(long long points) {
    return points > 1 ? points - 2 : points;
}

Text GridExplanation(TextView entry) {
    if (!Contains(entry, U'='))
        return U"Keine Erklärung!";
    return Explanation(entry);
}

} // namespace tamurik
