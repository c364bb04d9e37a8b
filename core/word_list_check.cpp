#include "word_list_check.h"

#include "word_list_lines.h"
#include "word_lists.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace tamurik {

using word_list_rules::CheckLine;
using word_list_rules::IsConsonant;
using word_list_rules::IsVowel;
using word_list_rules::kVowelPairs;
using word_list_rules::kWholeAfterPoint;
using word_list_rules::Quoted;

namespace {

const std::array<TextView, 4> kEndings = {U"en", U"eln", U"ern", U"n"};

bool IsMark(char32_t c) {
    return Contains(U"123.-", c);
}
// Characters no text editor puts into a word list on purpose: C0 controls other than the tab,
// DEL, and the C1 range, where the bytes Windows-1252 leaves undefined end up.
bool IsControl(char32_t c) {
    return IsDamageChar(c);
}

bool IsOneOf(TextView text, const auto& choices) {
    return std::find(choices.begin(), choices.end(), text) != choices.end();
}

bool AllConsonants(TextView text) {
    return std::all_of(text.begin(), text.end(), IsConsonant);
}

// One consonant sound: a single consonant letter, "ch" or "sch", and after a short vowel also
// "ck".
bool IsOneConsonant(TextView text, bool ckToo) {
    if (text == U"ch" || text == U"sch" || (ckToo && text == U"ck")) {
        return true;
    }
    return text.size() == 1 && IsConsonant(text[0]);
}

Text CharName(char32_t c) {
    if (c == U' ') {
        return U"Leerzeichen";
    }
    if (c == U'\t') {
        return U"Tabulator";
    }
    return Quoted(Text(1, c));
}

// The stem vowel at the start of the middle part: a vowel pair when there is one, else a
// single vowel; 0 when the middle part does not begin with a vowel.
std::size_t StemVowelLength(TextView middle) {
    for (const TextView pair : kVowelPairs) {
        if (middle.starts_with(pair)) {
            return pair.size();
        }
    }
    return !middle.empty() && IsVowel(middle[0]) ? 1 : 0;
}

void CheckLetters(TextView word, std::vector<Text>& messages) {
    std::set<char32_t> reported;
    for (const char32_t c : word) {
        if (IsVowel(c) || IsConsonant(c) || IsMark(c) || IsControl(c) ||
            !reported.insert(c).second) {
            continue;
        }
        if (ToLower(c) != c) {
            messages.push_back(U"Großbuchstabe " + Quoted(Text(1, c)) +
                               U": Verben werden kleingeschrieben");
        } else if (c == U' ') {
            messages.push_back(U"Leerzeichen im Wort");
        } else {
            messages.push_back(U"Unerlaubtes Zeichen " + CharName(c) +
                               U" im Wort: erlaubt sind Kleinbuchstaben, ä, ö, ü, ß und die "
                               U"Marken „1“, „2“, „3“, „.“, „-“");
        }
    }
}

// The middle part between "2" and "3" with its separator at `sep` (an index into `middle`).
void CheckMiddle(TextView middle, std::size_t sep, std::vector<Text>& messages) {
    const std::size_t vowel = StemVowelLength(middle);
    if (vowel == 0 || vowel > sep) {
        messages.push_back(U"Nach „2“ steht kein Stammvokal (a, ä, e, i, o, ö, u, ü, y oder ie, "
                           U"ei, ai, au, eu, äu, aa, ee, oo)");
        return;
    }
    const TextView before = middle.substr(vowel, sep - vowel);
    const TextView after = middle.substr(sep + 1);
    if (middle[sep] == U'-') {
        if (!before.empty() && before != U"h") {
            messages.push_back(
                U"Vor „-“ steht nach dem Stammvokal " + Quoted(before) +
                U": nach langem Vokal steht „-“ gleich nach dem Vokal oder nach dem Dehnungs-h "
                U"(„le-sen“, „zah-len“)");
        } else if (after.empty() && (!before.empty() || vowel != 2)) {
            messages.push_back(U"„-“ steht direkt vor „3“: das geht nur nach einem Doppellaut wie "
                               U"ei, au, eu, äu, ie („frei-en“); sonst gehört ein Mitlaut "
                               U"dazwischen („se-hen“)");
        }
        if (!after.empty() && !IsOneConsonant(after, false)) {
            messages.push_back(U"Zwischen „-“ und „3“ steht " + Quoted(after) +
                               U": nach „-“ folgt höchstens ein Mitlaut („ch“, „sch“ und „ß“ "
                               U"zählen als einer)");
        }
        return;
    }
    if (after.empty()) {
        messages.push_back(
            U"Zwischen „.“ und „3“ fehlt der Mitlaut, mit dem die zweite Silbe beginnt");
    } else if (!IsOneConsonant(after, true)) {
        messages.push_back(U"Zwischen „.“ und „3“ steht " + Quoted(after) +
                           U": nach „.“ folgt genau ein Mitlaut („ck“, „ch“, „sch“ und „x“ "
                           U"bleiben ganz)");
    }
    if (!AllConsonants(before)) {
        messages.push_back(U"Zwischen Stammvokal und „.“ steht " + Quoted(before) +
                           U": dort stehen nur Mitlaute");
    } else if (before.empty() && !IsOneOf(after, kWholeAfterPoint)) {
        messages.push_back(U"Nach kurzem Stammvokal folgen zwei Mitlaute: vor „.“ steht "
                           U"mindestens einer („ren.nen“); nur „ck“, „ch“, „sch“ und „x“ stehen "
                           U"ganz hinter dem „.“ („ba.cken“)");
    } else if (before.starts_with(U"h")) {
        messages.push_back(U"Nach dem Stammvokal steht ein Dehnungs-h: dann ist der Vokal lang "
                           U"und das Trennzeichen ist „-“ („zah-len“)");
    }
}

// The marks, the separator, the stem and the ending of a marked word.
void CheckMarks(TextView word, std::vector<Text>& messages) {
    bool marksInOrder = true;
    std::array<std::size_t, 3> at{};
    for (std::size_t m = 0; m < 3; ++m) {
        const char32_t mark = U'1' + static_cast<char32_t>(m);
        const auto count = std::count(word.begin(), word.end(), mark);
        at[m] = word.find(mark);
        if (count != 1) {
            messages.push_back(U"Die Marke " + Quoted(Text(1, mark)) +
                               (count == 0 ? U" fehlt" : U" steht mehr als einmal"));
            marksInOrder = false;
        }
    }
    if (marksInOrder) {
        if (at[0] != 0) {
            messages.push_back(U"Das Wort beginnt nicht mit der Marke „1“");
            marksInOrder = false;
        } else if (!(at[0] < at[1] && at[1] < at[2])) {
            messages.push_back(U"Die Marken stehen nicht in der Reihenfolge „1“, „2“, „3“");
            marksInOrder = false;
        }
    }

    const auto separators =
        std::count_if(word.begin(), word.end(), [](char32_t c) { return c == U'.' || c == U'-'; });
    const std::size_t sep = word.find_first_of(U".-");
    bool separatorInside = false;
    if (separators == 0) {
        messages.push_back(U"Das Trennzeichen fehlt: „.“ nach kurzem, „-“ nach langem Stammvokal");
    } else if (separators > 1) {
        messages.push_back(U"Mehr als ein Trennzeichen („.“ oder „-“)");
    } else if (marksInOrder) {
        separatorInside = at[1] < sep && sep < at[2];
        if (!separatorInside) {
            messages.push_back(U"Das Trennzeichen steht nicht im Mittelteil zwischen „2“ und „3“");
        }
    }
    if (!marksInOrder) {
        return;
    }
    const TextView ending = word.substr(at[2] + 1);
    if (!IsOneOf(ending, kEndings)) {
        messages.push_back(U"Die Endung nach „3“ ist " + Quoted(ending) +
                           U": erlaubt sind „en“, „eln“, „ern“ und „n“");
    }
    if (separatorInside) {
        CheckMiddle(word.substr(at[1] + 1, at[2] - at[1] - 1), sep - at[1] - 1, messages);
    }
}

// A word of the real-verb list: a made-up verb is looked for in it letter by letter, so a
// mark in it would hide the verb.
void CheckPlainWord(TextView word, std::vector<Text>& messages) {
    const std::size_t mark = word.find_first_of(U"123.-");
    if (mark != TextView::npos) {
        messages.push_back(U"Marke " + Quoted(word.substr(mark, 1)) +
                           U": in der Liste der echten Verben stehen die Wörter ohne Marken "
                           U"(„schwimmen“, nicht „1schw2im.m3en“)");
    }
}

} // namespace

namespace word_list_rules {

Text Quoted(TextView text) {
    return U"„" + Text(text) + U"“";
}

SplitLine CheckLine(TextView line, WordListKind kind) {
    SplitLine result;
    std::vector<Text>& messages = result.messages;
    std::set<char32_t> controls;
    for (const char32_t c : line) {
        if (!IsControl(c) || !controls.insert(c).second) {
            continue;
        }
        if (c == kReplacementChar) {
            messages.push_back(U"Die Zeile enthält Bytes, die in der Kodierung der Datei "
                               U"(UTF-8 oder UTF-16, nach ihrer Kennung am Anfang) kein Zeichen "
                               U"sind; das Programm lässt die Zeile aus");
        } else {
            messages.push_back(U"Steuerzeichen Nr. " + Decimal(c) +
                               U": das ist kein Textzeichen (ist die Datei eine reine Textdatei "
                               U"in Windows-1252 oder UTF-8?)");
        }
    }
    if (line.empty() || TrimBlanks(line).empty()) {
        messages.push_back(line.empty() ? U"leere Zeile" : U"Die Zeile enthält nur Leerzeichen");
        return result;
    }
    if (line.size() > kMaxWordLineLength) {
        messages.push_back(U"Die Zeile ist länger als " +
                           Decimal(static_cast<long long>(kMaxWordLineLength)) +
                           U" Zeichen; das Programm lässt sie aus");
    }

    TextView word = line;
    const std::size_t equals = line.find(U'=');
    if (equals != TextView::npos) {
        word = line.substr(0, equals);
        if (kind != WordListKind::Verbs) {
            messages.push_back(U"In der " + KindName(kind) + U" stehen keine Erklärungen („ = …“)");
        } else {
            const TextView explanation = line.substr(equals + 1);
            const bool oneBlankBefore =
                word.ends_with(U" ") && !word.substr(0, word.size() - 1).ends_with(U" ");
            const bool oneBlankAfter =
                explanation.starts_with(U" ") && !explanation.substr(1).starts_with(U" ");
            if (TrimBlanks(explanation).empty()) {
                messages.push_back(U"Nach „=“ fehlt die Erklärung");
            } else if (!oneBlankBefore || !oneBlankAfter) {
                messages.push_back(U"Vor und nach dem „=“ steht genau ein Leerzeichen "
                                   U"(„1sch2uf.t3en = schwer arbeiten“)");
            }
            if (Contains(explanation, U'=')) {
                messages.push_back(U"Die Erklärung enthält ein zweites „=“");
            }
            for (const char32_t mark : {U'.', U'-'}) {
                if (Contains(explanation, mark)) {
                    messages.push_back(
                        U"Die Erklärung enthält " + Quoted(Text(1, mark)) +
                        U": die Auswahl „kurz“/„lang“ sieht die ganze Zeile an und würde "
                        U"getäuscht");
                }
            }
        }
        while (word.ends_with(U" ")) {
            word.remove_suffix(1);
        }
        if (word.empty()) {
            messages.push_back(U"Vor dem „=“ fehlt das Wort");
            return result;
        }
    }

    if (Contains(word, U' ')) {
        const TextView withoutEnd = word.substr(0, word.find_last_not_of(U' ') + 1);
        if (word.starts_with(U" ")) {
            messages.push_back(U"Leerzeichen am Zeilenanfang");
        } else if (!Contains(withoutEnd, U' ')) {
            messages.push_back(U"Leerzeichen am Zeilenende");
        } else if (equals == TextView::npos && kind == WordListKind::Verbs) {
            messages.push_back(U"Leerzeichen im Wort (eine Erklärung wird mit „ = “ angehängt)");
        } else {
            messages.push_back(U"Leerzeichen im Wort");
        }
    }
    result.word = RemoveChars(word, U" ");
    CheckLetters(result.word, messages);
    if (kind == WordListKind::RealVerbs) {
        CheckPlainWord(result.word, messages);
    } else {
        CheckMarks(result.word, messages);
    }
    return result;
}

} // namespace word_list_rules

WordListKind KindForFileName(std::string_view fileName) {
    std::string upper(fileName);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (upper.starts_with("ZAHLREIM")) {
        return WordListKind::Rhymes;
    }
    return upper.starts_with("VERBEN") ? WordListKind::RealVerbs : WordListKind::Verbs;
}

Text KindName(WordListKind kind) {
    switch (kind) {
    case WordListKind::Verbs:
        return U"Verbliste";
    case WordListKind::Rhymes:
        return U"Reimliste";
    case WordListKind::RealVerbs:
        break;
    }
    return U"Liste der echten Verben";
}

std::vector<Text> CheckWordLine(TextView line, WordListKind kind) {
    return CheckLine(line, kind).messages;
}

Text DuplicateKey(TextView line, WordListKind kind) {
    TextView word = line;
    if (kind == WordListKind::Verbs) {
        word = word.substr(0, word.find(U'='));
    }
    return RemoveChars(word, U" ");
}

} // namespace tamurik
