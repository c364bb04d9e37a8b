#include "exercises/rhymes/rhyme_writing.h"

namespace tamurik {

namespace {
constexpr TextView kNoLetter = U"123 .-";
}

std::vector<PartLetter> PartLetters(TextView marked) {
    std::vector<PartLetter> letters;
    int part = 0;
    for (char32_t c : marked) {
        if (c >= U'1' && c <= U'3')
            part = static_cast<int>(c - U'0');
        if (kNoLetter.find(c) == TextView::npos)
            letters.push_back({c, part});
    }
    return letters;
}

Text MarkedLetter(const PartLetter& letter) {
    Text marked;
    if (letter.part >= 1 && letter.part <= 3)
        marked += static_cast<char32_t>(U'0' + letter.part);
    marked += letter.letter;
    return marked;
}

Text LettersOf(const std::vector<PartLetter>& letters) {
    Text word;
    for (const PartLetter& l : letters)
        word += l.letter;
    return word;
}

Text MaskedRhyme(TextView marked) {
    Text masked;
    bool rhyme = false;
    for (char32_t c : marked) {
        rhyme = rhyme || c == U'2';
        if (kNoLetter.find(c) == TextView::npos)
            masked += rhyme ? U'_' : c;
    }
    return masked;
}

} // namespace tamurik
