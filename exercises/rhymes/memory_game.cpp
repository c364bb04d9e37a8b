#include "exercises/rhymes/memory_game.h"

#include <algorithm>
#include <utility>

namespace tamurik {

void MemoryGame::Deal(const std::vector<RhymePair>& pairs, RandomSource& random) {
    Clear();
    int number = 0;
    for (const RhymePair& pair : pairs) {
        ++number;
        cards_.push_back({pair.first, number});
        cards_.push_back({pair.partner, number});
    }
    // Partners lying side by side would make no game: each card goes to a random free field.
    for (int i = static_cast<int>(cards_.size()) - 1; i > 0; --i)
        std::swap(cards_[i], cards_[random.Draw(i + 1)]);
    solved_.assign(cards_.size(), false);
}

void MemoryGame::Clear() {
    cards_.clear();
    solved_.clear();
    first_ = 0;
    second_ = 0;
}

MemoryTurn MemoryGame::TurnCard(int field, long long& points) {
    MemoryTurn turn;
    if (field < 1 || field > static_cast<int>(cards_.size()) || solved(field)) {
        turn.ignored = true;
        return turn;
    }
    if (first_ != 0 && second_ != 0) {
        turn.coveredAgain[0] = first_;
        turn.coveredAgain[1] = second_;
        first_ = 0;
        second_ = 0;
        if (points > 0)
            --points;
    }
    turn.uncovered = true;
    if (first_ == 0) {
        first_ = field;
        return turn;
    }
    if (field == first_)
        return turn;
    second_ = field;
    if (card(first_).pair != card(second_).pair)
        return turn;

    points += 2;
    solved_[first_ - 1] = true;
    solved_[second_ - 1] = true;
    turn.pairFound = true;
    turn.pairFields[0] = first_;
    turn.pairFields[1] = second_;
    first_ = 0;
    second_ = 0;
    turn.finished = std::all_of(solved_.begin(), solved_.end(), [](bool s) { return s; });
    return turn;
}

std::optional<Text> MemoryGame::HintText() const {
    if (first_ == 0)
        return std::nullopt;
    const int pair = card(first_).pair;
    Text joined;
    for (const MemoryCard& c : cards_) {
        if (c.pair != pair)
            continue;
        if (!joined.empty())
            joined += U'+';
        joined += c.word;
    }
    return Spaced(joined, U"123456789 ");
}

Text MeaningLine(const std::vector<Text>& verbLines, TextView word) {
    if (word.empty())
        return {};
    Text shown(word);
    for (const Text& line : verbLines) {
        if (StartsWith(line, word)) {
            shown = line;
            break;
        }
    }
    return RemoveChars(shown, U"123.-");
}

} // namespace tamurik
