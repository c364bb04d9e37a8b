// The exercises' rules on any line a teacher's editor could leave: puzzle pieces, the views of
// Verben schreiben (reversed word, puzzle order), the rhyme part, the hangman's mask, the
// letter board of Verben trennen and the made-up-verb judgements. Each keeps its promises.

#include "core/encoding.h"
#include "core/random.h"
#include "core/word_lists.h"
#include "exercises/rhymes/rhyme_pairs.h"
#include "exercises/syllables/syllable_drills.h"
#include "exercises/syllables/syllable_rules.h"
#include "exercises/wordbuilding/hangman.h"
#include "exercises/wordbuilding/letter_grid.h"
#include "exercises/wordbuilding/puzzle_sets.h"
#include "exercises/wordbuilding/word_views.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

namespace {

void Pieces(const Text& line) {
    if (const auto parts = SplitVerbParts(line)) {
        FUZZ_CHECK(!parts->first.empty() && !parts->middle.empty() && !parts->final.empty());
        // A badly marked line may leave a digit in a part, never a separator or a blank.
        for (char32_t mark : Text(U".-= "))
            FUZZ_CHECK(parts->Joined().find(mark) == Text::npos);
    }
    const Text marked = MarkedWord(line);
    const Text letters = WordLetters(marked);
    for (int k = 0; k < 5; ++k)
        (void)PuzzleText(marked, k);
    (void)ReversedText(marked);
    for (int view = 0; view < kWordViews; ++view)
        for (const ViewPiece& piece : ViewPieces(marked, static_cast<WordView>(view), 2))
            FUZZ_CHECK(piece.part >= 0 && piece.part <= 3);
    (void)FrameFor(letters.substr(0, letters.size() / 2), letters);
}

void Rhyme(const Text& line) {
    const Text part = RhymePart(line);
    FUZZ_CHECK(part.empty() || part.front() == U'2');
    FUZZ_CHECK(line.size() >= part.size());
}

void Hangman(const Text& line) {
    const Text word = HangmanWord(line);
    Text mask = BuildMask(word);
    FUZZ_CHECK(mask.size() == 2 * word.size());
    if (word.size() > 200)
        return;
    // Choosing every letter of the word uncovers it whole. Each letter is chosen once, as the
    // child does: a repeated one changes nothing, and a long word stays one pass per letter.
    Text chosen;
    for (char32_t c : word) {
        if (chosen.find(c) == Text::npos) {
            chosen.push_back(c);
            (void)ChooseLetter(word, mask, c);
        }
    }
    FUZZ_CHECK(IsSolved(word, mask));
}

void Board(const Text& line) {
    if (FitsBoard(line)) {
        // A board the child can play: the boundary lies in a gap the cursor can reach.
        const BoardWord board = LayOutBoard(line);
        FUZZ_CHECK(board.boundary.has_value());
        FUZZ_CHECK(*board.boundary % 600 == 0);
        FUZZ_CHECK(*board.boundary >= 0 && *board.boundary <= 600 * board.letterCount());
    }
    (void)ExplanationTitle(line);
    (void)ExplanationMessage(line);
    (void)FlashForm(MarkedWord(line));
    (void)GridVerb(line);
    (void)GridExplanation(line);
}

void Judgements(const Text& line) {
    const QuatschWord word = ListedWord(line);
    (void)word;
    (void)IsShortVowel(MarkedWord(line));
    (void)IsLongVowel(MarkedWord(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Text> lines = SplitLines(DecodeFileText(bytes));
    for (const Text& line : lines) {
        Pieces(line);
        Rhyme(line);
        Hangman(line);
        Board(line);
        Judgements(line);
    }
    // The puzzle draw and the rhyme draw over the lines as a list: bounded, and what they
    // give follows their rules.
    StdRandom random(size);
    if (const auto set = DrawPuzzleSet(lines, random)) {
        for (int column = 0; column < 3; ++column) {
            FUZZ_CHECK((*set)[0][column] != (*set)[1][column]);
            FUZZ_CHECK((*set)[0][column] != (*set)[2][column]);
            FUZZ_CHECK((*set)[1][column] != (*set)[2][column]);
        }
    }
    return 0;
}
