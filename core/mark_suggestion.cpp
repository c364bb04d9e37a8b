#include "mark_suggestion.h"

#include "word_list_check.h"
#include "word_list_lines.h"
#include "word_lists.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace tamurik {

using word_list_rules::IsConsonant;
using word_list_rules::IsVowel;
using word_list_rules::kVowelPairs;
using word_list_rules::kWholeAfterPoint;

namespace {

const std::array<TextView, 3> kEndings = {U"eln", U"ern", U"en"};
// Consonant groups that make a vowel short by their spelling alone.
const std::array<TextView, 5> kShortBySpelling = {U"ck", U"tz", U"pf", U"x", U"chs"};
// A vowel before these may be short or long: the spelling does not tell.
const std::array<TextView, 6> kUndecided = {U"ch", U"sch", U"st", U"sp", U"gn", U"bn"};

bool IsLetter(char32_t c) {
    return IsVowel(c) || IsConsonant(c);
}

bool IsPair(TextView text) {
    for (const TextView pair : kVowelPairs) {
        if (text == pair) {
            return true;
        }
    }
    return false;
}

template <std::size_t N> bool EndsWithOneOf(TextView text, const std::array<TextView, N>& groups) {
    for (const TextView group : groups) {
        if (text.ends_with(group)) {
            return true;
        }
    }
    return false;
}

// A simple verb taken apart: one stem syllable plus its ending.
struct VerbShape {
    Text onset;
    Text vowel;
    Text coda;
    Text ending;
};

// The vowel nuclei of a stem as (position, length); the u of qu is a consonant.
std::vector<std::pair<std::size_t, std::size_t>> Nuclei(TextView word) {
    std::vector<std::pair<std::size_t, std::size_t>> found;
    for (std::size_t i = 0; i < word.size();) {
        if (IsVowel(word[i]) && !(word[i] == U'u' && i > 0 && word[i - 1] == U'q')) {
            const std::size_t length = i + 1 < word.size() && IsPair(word.substr(i, 2)) ? 2 : 1;
            found.emplace_back(i, length);
            i += length;
        } else {
            ++i;
        }
    }
    return found;
}

std::optional<VerbShape> ShapeOf(TextView word) {
    if (word.empty() || !std::all_of(word.begin(), word.end(), IsLetter)) {
        return std::nullopt;
    }
    for (const TextView ending : kEndings) {
        if (!word.ends_with(ending)) {
            continue;
        }
        const TextView stem = word.substr(0, word.size() - ending.size());
        const auto nuclei = Nuclei(stem);
        if (nuclei.size() != 1) {
            continue;
        }
        const auto [at, length] = nuclei.front();
        VerbShape shape{Text(stem.substr(0, at)), Text(stem.substr(at, length)),
                        Text(stem.substr(at + length)), Text(ending)};
        return shape;
    }
    return std::nullopt;
}

enum class Length { Short, Long, Undecided };

struct LengthReason {
    Length length;
    Text reason;
};

// The vowel length by the spelling of the stem alone.
LengthReason SpellingLength(const VerbShape& shape) {
    const Text& coda = shape.coda;
    if (IsPair(shape.vowel)) {
        return {Length::Long, U"Langer Stammvokal: " + shape.vowel + U" ist immer lang"};
    }
    if (coda.empty()) {
        return {Length::Long, U"Langer Stammvokal: kein Mitlaut folgt ihm"};
    }
    if (coda == U"ß") {
        return {Length::Long, U"Langer Stammvokal: nach langem Vokal steht ß"};
    }
    if (coda.starts_with(U"h")) {
        return {Length::Long, U"Langer Stammvokal: ein Dehnungs-h folgt"};
    }
    for (const TextView group : kUndecided) {
        if (coda == group) {
            return {Length::Undecided, Text()};
        }
    }
    if (EndsWithOneOf(coda, kShortBySpelling)) {
        return {Length::Short, U"Kurzer Stammvokal: nach kurzem Vokal steht ck, tz, pf oder x"};
    }
    if (coda.size() == 1) {
        return {Length::Long, U"Langer Stammvokal: nur ein Mitlaut folgt"};
    }
    if (coda[0] == coda[1]) {
        return {Length::Short, U"Kurzer Stammvokal: ein doppelter Mitlaut folgt"};
    }
    if (coda[0] == U'r') {
        // werden, arten: a long vowel before r and a consonant is common
        return {Length::Undecided, Text()};
    }
    return {Length::Short, U"Kurzer Stammvokal: zwei Mitlaute folgen"};
}

// The marked form for a vowel length; no value when the verb breaks the rules the exercises
// teach (a long vowel before two consonants, a short one before one).
std::optional<Text> Marked(const VerbShape& shape, Length length) {
    Text middle;
    if (length == Length::Long) {
        Text head = shape.vowel;
        TextView rest = shape.coda;
        if (rest.starts_with(U"h") && rest.size() > 1) {
            head += U'h';
            rest.remove_prefix(1);
        }
        const bool oneConsonant =
            rest.empty() || rest == U"ch" || rest == U"sch" || (rest.size() == 1 && rest != U"x");
        if (!oneConsonant || (rest.empty() && !IsPair(shape.vowel))) {
            return std::nullopt; // säen: no consonant opens the second syllable
        }
        middle = head + U"-" + Text(rest);
    } else {
        const TextView coda = shape.coda;
        if (coda.ends_with(U"chs") || coda.ends_with(U"cks")) {
            // the group ends in s, which opens the second syllable
            middle = shape.vowel + Text(coda.substr(0, coda.size() - 1)) + U".s";
        } else {
            for (const TextView whole : kWholeAfterPoint) {
                if (coda.ends_with(whole)) {
                    middle = shape.vowel + Text(coda.substr(0, coda.size() - whole.size())) + U"." +
                             Text(whole);
                    break;
                }
            }
        }
        if (middle.empty()) {
            if (coda.size() < 2 || coda.starts_with(U"h")) {
                return std::nullopt;
            }
            middle = shape.vowel + Text(coda.substr(0, coda.size() - 1)) + U"." +
                     Text(coda.substr(coda.size() - 1));
        }
    }
    return U"1" + shape.onset + U"2" + middle + U"3" + shape.ending;
}

Text PlainOf(TextView verb) {
    return ToLower(RemoveChars(TrimBlanks(verb), U"123.-"));
}

MarkSuggestion NotSimple(const Text& plain) {
    MarkSuggestion none;
    none.reason = plain.empty() ? Text(U"Kein Verb eingegeben")
                                : U"Kein einfaches Verb (ein Stammvokal und die Endung „en“, "
                                  U"„eln“ oder „ern“): bitte die Marken selbst setzen";
    return none;
}

MarkSuggestion WithLength(const VerbShape& shape, Length length, SuggestionSource source,
                          Text reason) {
    MarkSuggestion suggestion;
    if (std::optional<Text> marked = Marked(shape, length)) {
        suggestion.marked = std::move(*marked);
        suggestion.source = source;
        suggestion.reason = std::move(reason);
        return suggestion;
    }
    suggestion.reason = length == Length::Long
                            ? U"Langer Stammvokal vor mehreren Mitlauten: ein solches Verb "
                              U"lehrt eine falsche Regel und passt nicht in die Liste"
                            : U"Kurzer Stammvokal vor nur einem Mitlaut: bitte die Marken "
                              U"selbst setzen";
    return suggestion;
}

// The suggestion by the verb's shape and spelling; where the spelling leaves the vowel length
// open, `likeness` may decide it from known verbs, else a short vowel is guessed.
MarkSuggestion
ByRules(const Text& plain,
        const std::function<std::optional<MarkSuggestion>(const VerbShape&)>& likeness) {
    const std::optional<VerbShape> shape = ShapeOf(plain);
    if (!shape) {
        return NotSimple(plain);
    }
    const LengthReason spelling = SpellingLength(*shape);
    if (spelling.length != Length::Undecided) {
        return WithLength(*shape, spelling.length, SuggestionSource::Spelling, spelling.reason);
    }
    if (likeness) {
        if (std::optional<MarkSuggestion> like = likeness(*shape)) {
            return std::move(*like);
        }
    }
    return WithLength(*shape, Length::Short, SuggestionSource::Guess,
                      U"Die Schreibung sagt nicht, ob der Stammvokal kurz oder lang ist; "
                      U"vorgeschlagen ist kurz: bitte prüfen");
}

} // namespace

MarkSuggester::MarkSuggester(const std::vector<Text>& knownLines) {
    AddKnown(knownLines);
}

void MarkSuggester::AddKnown(const std::vector<Text>& knownLines) {
    for (const Text& line : knownLines) {
        if (!CheckWordLine(line, WordListKind::Verbs).empty()) {
            continue;
        }
        const Text marked = DuplicateKey(line, WordListKind::Verbs);
        const Text plain = RemoveChars(marked, U"123.-");
        if (!known_.emplace(plain, marked).second) {
            continue;
        }
        const std::size_t two = marked.find(U'2');
        const std::size_t three = marked.find(U'3');
        const Text rime = RemoveChars(TextView(marked).substr(two + 1, three - two - 1), U".-");
        auto& [shortCount, longCount] = rimes_[rime];
        (Contains(marked, U'.') ? shortCount : longCount) += 1;
    }
}

MarkSuggestion MarkSuggester::Suggest(TextView verb) const {
    const Text plain = PlainOf(verb);
    if (const auto found = known_.find(plain); found != known_.end()) {
        MarkSuggestion suggestion;
        suggestion.marked = found->second;
        suggestion.source = SuggestionSource::Known;
        suggestion.reason = U"So steht das Verb in den Wortlisten";
        return suggestion;
    }
    return SuggestUnknown(plain);
}

MarkSuggestion MarkSuggester::SuggestUnknown(TextView verb) const {
    const Text plain = PlainOf(verb);
    return ByRules(plain, [&](const VerbShape& shape) -> std::optional<MarkSuggestion> {
        const Text rime = shape.vowel + shape.coda;
        const auto like = rimes_.find(rime);
        if (like == rimes_.end()) {
            return std::nullopt;
        }
        auto [shortCount, longCount] = like->second;
        if (const auto self = known_.find(plain); self != known_.end()) {
            (Contains(self->second, U'.') ? shortCount : longCount) -= 1;
        }
        if (shortCount + longCount == 0) {
            return std::nullopt;
        }
        const bool isShort = shortCount >= longCount;
        return WithLength(shape, isShort ? Length::Short : Length::Long, SuggestionSource::Likeness,
                          Text(isShort ? U"Kurzer" : U"Langer") +
                              U" Stammvokal wie in bekannten Verben auf „" + rime +
                              U"…“: bitte prüfen");
    });
}

MarkSuggestion SuggestByRules(TextView verb) {
    return ByRules(PlainOf(verb), nullptr);
}

} // namespace tamurik
