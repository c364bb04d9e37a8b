#pragma once
// The rules of the hangman game: the word taken from a verb line, its mask of "_" (vowel) and
// "." (consonant), and what a chosen letter uncovers.

#include "core/text.h"

namespace tamurik {

// The letters of the board in the order they fill it, column by column in two rows: the upper
// row reads a to o, the lower row p to z, then ä, ö, ü, ß.
inline constexpr TextView kHangmanLetters = U"apbqcrdsetfugvhwixjykzlämönüoß";
inline constexpr int kBoardColumns = 15;
inline constexpr int kBoardRows = 2;
// The tenth wrong letter loses the game.
inline constexpr int kWrongLettersToLose = 10;

// The word to guess from a verb line: the text before the "=" of a rare verb, without the
// marks "1", "2", "3", ".", "-", "=" and blanks.
Text HangmanWord(TextView line);

// Two characters per character of the word: a blank, then "_" for a vowel, "." for a
// consonant ("y" and "ß" count as consonants), or the character itself when it is no letter.
Text BuildMask(TextView word);

struct LetterOutcome {
    bool inWord = false;    // the letter occurs in the word (case ignored)
    bool firstTime = false; // and was not uncovered before: it earns a point
    bool solved = false;    // nothing is hidden any more
};

// Uncovers every place of the word that holds `letter` (case ignored). The mask shows the
// word's own character there, so a capital letter is uncovered too.
LetterOutcome ChooseLetter(TextView word, Text& mask, char32_t letter);

// Nothing of the word is hidden any more. (Compared place by place, so that a "_" or "."
// that stands in the word itself cannot keep a game from ending.)
bool IsSolved(TextView word, TextView mask);

} // namespace tamurik
