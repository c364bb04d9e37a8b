#include "exercises/wordbuilding/word_views.h"

#include <algorithm>
#include <array>

namespace tamurik {

namespace {

constexpr TextView kLetters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜabcdefghijklmnopqrsßtuvwxyzäöü";
constexpr TextView kVowels = U"AEIOUÄÖÜaeiouäöü";

bool IsLetter(char32_t c) {
    return kLetters.find(c) != TextView::npos;
}

} // namespace

Text WordLetters(TextView marked) {
    Text letters;
    for (char32_t c : marked)
        if (IsLetter(c))
            letters += c;
    return letters;
}

Text PuzzleText(TextView marked, int k) {
    const std::size_t one = marked.find(U'1');
    const std::size_t two = marked.find(U'2');
    const std::size_t three = marked.find(U'3');
    if (one == TextView::npos || two == TextView::npos || three == TextView::npos ||
        !(one < two && two < three))
        return Text(marked);
    const std::array<Text, 3> piece{Text(marked.substr(one, two - one)),
                                    Text(marked.substr(two, three - two)),
                                    Text(marked.substr(three))};
    static constexpr std::array<std::array<int, 3>, 5> kOrders{
        {{2, 1, 0}, {1, 2, 0}, {2, 0, 1}, {1, 0, 2}, {0, 2, 1}}};
    const auto& order = kOrders[static_cast<std::size_t>(std::clamp(k, 0, 4))];
    return piece[static_cast<std::size_t>(order[0])] + piece[static_cast<std::size_t>(order[1])] +
           piece[static_cast<std::size_t>(order[2])];
}

Text ReversedText(TextView marked) {
    Text reversed(1, U'3');
    for (auto it = marked.rbegin(); it != marked.rend(); ++it) {
        switch (*it) {
        case U'3':
            reversed += U'2';
            break;
        case U'2':
            reversed += U'1';
            break;
        case U'1':
        case U'.':
        case U'-':
            break;
        default:
            reversed += *it;
        }
    }
    return reversed;
}

std::vector<ViewPiece> ViewPieces(TextView marked, WordView view, int puzzleOrder) {
    Text text(marked);
    if (view == WordView::Puzzle)
        text = PuzzleText(marked, puzzleOrder);
    else if (view == WordView::Umkehrwort)
        text = ReversedText(marked);

    std::vector<ViewPiece> pieces{{0, {}}};
    for (char32_t c : text) {
        if (c == U'1' || c == U'2' || c == U'3') {
            const int part = static_cast<int>(c - U'0');
            if (pieces.back().text.empty())
                pieces.back().part = part;
            else
                pieces.push_back({part, {}});
        } else if (IsLetter(c)) {
            if (view == WordView::Mitlaute && kVowels.find(c) != TextView::npos)
                c = U'.';
            else if (view == WordView::Grossschrift)
                c = ToUpper(c);
            pieces.back().text += c;
            pieces.back().text += U' ';
        }
    }
    if (pieces.back().text.empty())
        pieces.pop_back();
    return pieces;
}

CopyFrame FrameFor(TextView typed, TextView word) {
    if (!StartsWith(word, typed))
        return CopyFrame::Red;
    return typed.empty() ? CopyFrame::Unchanged : CopyFrame::Green;
}

std::optional<Text> LookUpExplanation(const std::vector<Text>& lines, TextView marked) {
    Text search(marked);
    for (const Text& line : lines)
        if (Contains(line, search))
            search = line;
    const std::size_t eq = search.find(U'=');
    if (eq == Text::npos)
        return std::nullopt;
    return search.substr(eq + 1);
}

Text TimeUpText(int wordsDone) {
    return Text(U"Die Zeit ist leider abgelaufen!") + CR + U"Du hast " + Decimal(wordsDone) +
           U" Wörter geschafft." + CR;
}

void InsertRecord(std::vector<Text>& sorted, Text record) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), record,
                                     [](const Text& a, const Text& b) { return TextLess(a, b); });
    sorted.insert(at, std::move(record));
}

} // namespace tamurik
