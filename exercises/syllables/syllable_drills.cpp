#include "exercises/syllables/syllable_drills.h"

#include <algorithm>
#include <cmath>

namespace tamurik {

namespace {

bool IsPartMark(char32_t c) {
    return c == U'1' || c == U'2' || c == U'3';
}

bool IsSeparator(char32_t c) {
    return c == U'.' || c == U'-';
}

} // namespace

// ---- The letter board ----------------------------------------------------------------------

BoardWord LayOutBoard(TextView line) {
    BoardWord board;
    int part = 0;
    for (char32_t c : MarkedWord(line)) {
        if (IsPartMark(c)) {
            part = static_cast<int>(c - U'0');
        } else if (IsSeparator(c)) {
            board.boundary = kTileStep * board.letterCount();
        } else if (c != U' ') {
            board.letters.push_back({c, part});
        }
    }
    return board;
}

bool FitsBoard(TextView line) {
    const BoardWord board = LayOutBoard(line);
    return board.boundary.has_value() && board.letterCount() > 0 &&
           board.letterCount() <= kBoardTiles;
}

int CursorForScrollValue(int value, int letterCount) {
    const int last = kTileStep * std::clamp(letterCount, 0, kBoardTiles);
    // A dragged scroll box can stop anywhere; the cursor goes to the nearest gap.
    const int gap = (std::max(value, 0) + kTileStep / 2) / kTileStep * kTileStep;
    return std::min(gap, last);
}

Text BoundaryAnswer(const BoardWord& board, int cursor) {
    const auto before = static_cast<std::size_t>(std::max(0, cursor / kTileStep));
    Text answer;
    for (std::size_t i = 0; i < board.letters.size(); ++i) {
        if (i == before)
            answer += U'|';
        answer += board.letters[i].letter;
    }
    if (before >= board.letters.size())
        answer += U'|';
    return answer;
}

std::optional<int> CursorForPress(double xTwips, int letterCount) {
    if (!std::isfinite(xTwips) || xTwips < 0) {
        return std::nullopt;
    }
    const long long k = std::llround(xTwips) / kTileStep;
    if (k > letterCount) {
        return std::nullopt;
    }
    return static_cast<int>(k) * kTileStep;
}

std::vector<Text> SampleWorkList(const std::vector<Text>& lines, RandomSource& random,
                                 int attempts) {
    std::vector<Text> kept;
    for (int attempt = 0; attempt < attempts && kept.empty() && !lines.empty(); ++attempt) {
        for (const Text& line : lines) {
            if (random.Draw(10) == 5) {
                kept.push_back(line);
            }
        }
    }
    return kept;
}

Text ExplanationTitle(TextView line) {
    return CleanWord(line);
}

Text ExplanationMessage(TextView line) {
    // A rare verb reads "marked word = explanation"; the text starts with the blank after the
    // "=", as the box has always shown it.
    Text text;
    const std::size_t blank = line.find(U' ');
    if (blank != TextView::npos && line.substr(blank).starts_with(U" =") &&
        !TrimBlanks(line.substr(blank + 2)).empty()) {
        text = Text(line.substr(blank + 2));
    } else {
        text = U"Keine Erklärung vorhanden!";
    }
    if (text.size() > 30) {
        Text broken;
        for (char32_t c : text) {
            broken += c;
            if (c == U';' || c == U',') {
                broken += CR;
            }
        }
        text = std::move(broken);
    }
    return text + CR + CR;
}

// ---- Flash reading -------------------------------------------------------------------------

bool MatchesFlashSelection(TextView line, const Selection& selection) {
    // The Verbenwahl test looks at the whole line; the Stammvokal test at the marked word.
    return MatchesSelection(line, selection.verbenwahl, Stammvokal::Alle) &&
           MatchesSelection(MarkedWord(line), Verbenwahl::Alle, selection.stammvokal);
}

std::vector<Text> DrawWithRepeats(const std::vector<Text>& lines, int count, RandomSource& random) {
    std::vector<Text> drawn;
    if (lines.empty()) {
        return drawn;
    }
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        drawn.push_back(lines[static_cast<std::size_t>(random.Draw(n))]);
    }
    return drawn;
}

Text FlashForm(TextView marked) {
    Text flashed;
    for (char32_t c : marked) {
        if (IsPartMark(c)) {
            flashed += c;
        } else if (!IsSeparator(c)) {
            flashed += U' ';
            flashed += c;
            flashed += U' ';
        }
    }
    return flashed;
}

// ---- Alphabetical order --------------------------------------------------------------------

Text AbcQuestion(int place) {
    return U"Klicke das" + StrForm(place) + U". Wort nach dem ABC an.";
}

void AbcSet::Start(const std::vector<Text>& pool, int n) {
    const std::size_t size = std::min(pool.size(), static_cast<std::size_t>(std::max(n, 0)));
    shown_.clear();
    for (std::size_t i = 0; i < size; ++i) {
        shown_.push_back(Spaced(pool[i]));
    }
    order_ = shown_;
    std::stable_sort(order_.begin(), order_.end(),
                     [](const Text& a, const Text& b) { return TextLess(a, b); });
    marker_ = Text(size, U'0');
    asked_ = 0;
    expected_.clear();
}

bool AbcSet::AskNext(RandomSource& random) {
    // Drawing among the places still open gives each of them the same chance as drawing any
    // place until an open one comes up, and it always ends.
    std::vector<int> open;
    for (std::size_t i = 0; i < marker_.size(); ++i) {
        if (marker_[i] == U'0') {
            open.push_back(static_cast<int>(i));
        }
    }
    if (open.empty()) {
        return false; // an empty set has nothing to ask
    }
    const int k = open[static_cast<std::size_t>(random.Draw(static_cast<int>(open.size())))];
    marker_[static_cast<std::size_t>(k)] = U'1';
    asked_ = k + 1;
    expected_ = order_[static_cast<std::size_t>(k)];
    return open.size() == 1;
}

} // namespace tamurik
