#include "exercises/wordbuilding/hangman.h"

namespace tamurik {

namespace {

constexpr TextView kLetters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜabcdefghijklmnopqrsßtuvwxyzäöü";
constexpr TextView kVowels = U"AEIOUÄÖÜaeiouäöü";
constexpr char32_t kHiddenVowel = U'_';
constexpr char32_t kHiddenConsonant = U'.';

} // namespace

Text HangmanWord(TextView line) {
    return RemoveChars(line.substr(0, line.find(U'=')), U"123 =.-");
}

Text BuildMask(TextView word) {
    Text mask;
    mask.reserve(word.size() * 2);
    for (const char32_t c : word) {
        mask.push_back(U' ');
        if (!Contains(kLetters, c))
            mask.push_back(c);
        else if (Contains(kVowels, c))
            mask.push_back(kHiddenVowel);
        else
            mask.push_back(kHiddenConsonant);
    }
    return mask;
}

LetterOutcome ChooseLetter(TextView word, Text& mask, char32_t letter) {
    LetterOutcome outcome;
    const char32_t wanted = ToLower(letter);
    const Text lowerWord = ToLower(word);
    if (!Contains(lowerWord, wanted))
        return outcome;
    outcome.inWord = true;
    outcome.firstTime = !Contains(ToLower(mask), wanted);
    for (std::size_t i = 0; i < word.size() && 2 * i + 1 < mask.size(); ++i) {
        if (lowerWord[i] == wanted)
            mask[2 * i + 1] = word[i];
    }
    outcome.solved = IsSolved(word, mask);
    return outcome;
}

bool IsSolved(TextView word, TextView mask) {
    if (mask.size() != 2 * word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (mask[2 * i + 1] != word[i])
            return false;
    }
    return true;
}

} // namespace tamurik
