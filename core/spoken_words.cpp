#include "spoken_words.h"

namespace tamurik {

namespace {

bool IsMarkupChar(char32_t c) {
    return Contains(U"<>&[]{}\\", c);
}

bool IsVowel(char32_t c) {
    return Contains(U"aeiouäöüy", ToLower(c));
}

// The consonant (or the letter group spoken as one) that opens a syllable; empty when it
// opens with a vowel.
Text OpeningConsonant(TextView syllable) {
    for (TextView group : {TextView(U"sch"), TextView(U"ch"), TextView(U"ck"), TextView(U"ph")}) {
        if (StartsWith(ToLower(syllable), group))
            return Text(syllable.substr(0, group.size()));
    }
    if (syllable.empty() || IsVowel(syllable.front()))
        return {};
    return Text(1, syllable.front());
}

struct SplitWord {
    Text letters;
    // Where the separator stands, counted in letters; none without a separator.
    std::optional<std::size_t> boundary;
    char32_t separator = 0;
};

SplitWord Split(TextView marked) {
    SplitWord word;
    for (char32_t c : marked) {
        if ((c == U'.' || c == U'-') && !word.boundary) {
            word.boundary = word.letters.size();
            word.separator = c;
        } else if (IsWordLetter(c)) {
            word.letters += c;
        }
    }
    return word;
}

} // namespace

bool IsWordLetter(char32_t c) {
    return !Contains(U"123.-", c) && !IsControlChar(c);
}

Text SpokenText(TextView text) {
    Text spoken;
    for (char32_t c : text) {
        const bool blank = c == U' ' || IsControlChar(c) || IsMarkupChar(c);
        if (blank) {
            if (!spoken.empty() && spoken.back() != U' ')
                spoken += U' ';
            continue;
        }
        spoken += c;
    }
    if (!spoken.empty() && spoken.back() == U' ')
        spoken.pop_back();
    if (spoken.size() > kMaxSpokenLength) {
        const std::size_t cut = spoken.rfind(U' ', kMaxSpokenLength);
        spoken.resize(cut == Text::npos || cut == 0 ? kMaxSpokenLength : cut);
    }
    return spoken;
}

std::vector<SpokenSyllable> SpokenSyllables(TextView marked) {
    const SplitWord word = Split(marked);
    const int length = static_cast<int>(word.letters.size());
    if (length == 0)
        return {};
    if (!word.boundary || *word.boundary == 0 || *word.boundary == word.letters.size())
        return {{SpokenText(word.letters), {0, length}}};

    const int boundary = static_cast<int>(*word.boundary);
    const TextView first = TextView(word.letters).substr(0, *word.boundary);
    const TextView second = TextView(word.letters).substr(*word.boundary);
    Text firstSaid(first);
    if (word.separator == U'.')
        firstSaid += OpeningConsonant(second);
    Text secondSaid(second);
    if (StartsWith(ToLower(second), U"ck"))
        secondSaid = second.substr(1);
    return {{SpokenText(firstSaid), {0, boundary}},
            {SpokenText(secondSaid), {boundary, length - boundary}}};
}

std::vector<ReadingStep> ReadingSteps(const std::vector<Text>& markedWords) {
    std::vector<ReadingStep> steps;
    for (std::size_t w = 0; w < markedWords.size(); ++w) {
        const std::vector<SpokenSyllable> syllables = SpokenSyllables(markedWords[w]);
        if (syllables.size() > 1) {
            for (const SpokenSyllable& syllable : syllables) {
                if (!syllable.spoken.empty())
                    steps.push_back({w, syllable.spoken, syllable.letters});
            }
        }
        const Text whole = SpokenText(Split(markedWords[w]).letters);
        if (!whole.empty())
            steps.push_back({w, whole, std::nullopt});
    }
    return steps;
}

} // namespace tamurik
