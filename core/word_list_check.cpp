#include "word_list_check.h"

#include "encoding.h"
#include "word_lists.h"
#include "work_dir.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

namespace tamurik {

namespace {

constexpr std::size_t kRhymeLinesNeeded = 18; // nine rhyme pairs
constexpr std::size_t kRhymesNeeded = 9;      // the memory game lays out nine different rhymes

const std::array<TextView, 9> kVowelPairs = {U"ie", U"ei", U"ai", U"au", U"eu",
                                             U"äu", U"aa", U"ee", U"oo"};
const std::array<TextView, 4> kEndings = {U"en", U"eln", U"ern", U"n"};
const std::array<TextView, 4> kWholeAfterPoint = {U"ck", U"ch", U"sch", U"x"};

Text Quoted(TextView text) {
    return U"„" + Text(text) + U"“";
}

bool IsVowel(char32_t c) {
    return Contains(U"aäeioöuüy", c);
}
bool IsConsonant(char32_t c) {
    return Contains(U"bcdfghjklmnpqrstvwxzß", c);
}
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

struct SplitLine {
    Text word;
    std::vector<Text> messages;
};

// A line taken apart into its marked word and the faults of its layout.
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

void Add(std::vector<WordListProblem>& problems, int line, TextView text, Text message) {
    problems.push_back({line, Text(text), std::move(message)});
}

void Refuse(std::vector<WordListProblem>& problems, Text message) {
    problems.push_back({0, U"", std::move(message), true});
}

Text RhymePart(TextView word) {
    const std::size_t two = word.find(U'2');
    return two == TextView::npos ? Text() : Text(word.substr(two));
}

// The fault of a rhyme pair (its words on lines `first` and `first` + 1), reported on its
// second line; no value when the two rhyme.
std::optional<Text> PairFault(const Text& a, const Text& b, int first) {
    if (a.empty() || b.empty()) {
        return std::nullopt;
    }
    if (a == b) {
        return U"Das Reimpaar besteht zweimal aus demselben Wort (Zeile " + Decimal(first) + U")";
    }
    const Text rhymeA = RhymePart(a);
    const Text rhymeB = RhymePart(b);
    if (rhymeA != rhymeB) {
        return U"Reimteil ungleich: " + Quoted(rhymeA) + U" (Zeile " + Decimal(first) + U") und " +
               Quoted(rhymeB);
    }
    return std::nullopt;
}

std::pair<Text, Text> PairKey(const Text& a, const Text& b) {
    return a < b ? std::pair(a, b) : std::pair(b, a);
}

// DuplicateKey(line, kind) == key, without making the key: the line being typed is compared
// with every other line of the list at each keystroke.
bool HasKey(TextView line, TextView key, WordListKind kind) {
    std::size_t matched = 0;
    for (const char32_t c : line) {
        if (c == U'=' && kind == WordListKind::Verbs) {
            break;
        }
        if (c == U' ') {
            continue;
        }
        if (matched == key.size() || key[matched] != c) {
            return false;
        }
        ++matched;
    }
    return matched == key.size();
}

const Text kNoPartner = U"Dieser letzten Zeile fehlt der Reimpartner: die Reimliste braucht "
                        U"eine gerade Zahl von Zeilen";

void CheckRhymePairs(const std::vector<Text>& lines, const std::vector<Text>& words,
                     std::vector<WordListProblem>& problems) {
    if (lines.size() % 2 != 0) {
        Add(problems, static_cast<int>(lines.size()), lines.back(), kNoPartner);
    }
    std::map<std::pair<Text, Text>, int> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const int second = static_cast<int>(i) + 2;
        const Text& a = words[i];
        const Text& b = words[i + 1];
        if (a.empty() || b.empty()) {
            continue;
        }
        if (std::optional<Text> fault = PairFault(a, b, second - 1)) {
            Add(problems, second, lines[i + 1], std::move(*fault));
        }
        const auto [first, isNew] = pairs.emplace(PairKey(a, b), second - 1);
        if (!isNew) {
            Add(problems, second - 1, lines[i],
                U"Dieses Reimpaar steht schon in Zeile " + Decimal(first->second) + U" und " +
                    Decimal(first->second + 1));
        }
    }
}

// How a selection is named in a message, as the buttons of the exercises name it.
Text SelectionName(Verbenwahl verbenwahl, Stammvokal stammvokal) {
    Text name;
    if (verbenwahl == Verbenwahl::Haeufige) {
        name = U"„häufige“";
    } else if (verbenwahl == Verbenwahl::Seltene) {
        name = U"„seltene“";
    }
    if (stammvokal != Stammvokal::Alle) {
        name += (name.empty() ? U"" : U" und ") +
                Text(stammvokal == Stammvokal::Kurz ? U"„kurz“" : U"„lang“");
    }
    return name;
}

Text WhatToAdd(Verbenwahl verbenwahl, Stammvokal stammvokal) {
    Text what = U"ein";
    if (verbenwahl == Verbenwahl::Seltene) {
        what += U" seltenes Verb (mit „ = “ und Erklärung)";
    } else if (verbenwahl == Verbenwahl::Haeufige) {
        what += U" häufiges Verb (ohne Erklärung)";
    } else {
        what += U" Verb";
    }
    if (stammvokal == Stammvokal::Kurz) {
        what += U" mit kurzem Stammvokal („.“)";
    } else if (stammvokal == Stammvokal::Lang) {
        what += U" mit langem Stammvokal („-“)";
    }
    return what;
}

// The list-wide faults that leave an exercise without words. `faultless` are the lines the
// rules let pass, `words` their marked words. With `selections`, also every choice of the
// exercises' selection buttons (which the checker of a file being built leaves aside).
void AddRefusals(const std::vector<Text>& lines, const std::vector<bool>& faultless,
                 const std::vector<Text>& words, WordListKind kind, bool selections,
                 std::vector<WordListProblem>& problems) {
    if (lines.empty()) {
        Refuse(problems, U"Die Datei enthält keine Zeile");
        return;
    }
    if (kind == WordListKind::RealVerbs) {
        if (std::find(faultless.begin(), faultless.end(), true) == faultless.end()) {
            Refuse(problems, U"Die Liste der echten Verben enthält kein fehlerfreies Wort: "
                             U"bitte mindestens ein Verb ohne Marken eintragen");
        }
        return;
    }
    if (kind == WordListKind::Rhymes) {
        if (lines.size() < kRhymeLinesNeeded) {
            Refuse(problems, U"Die Reimliste hat " + Decimal(static_cast<long long>(lines.size())) +
                                 U" Zeilen; das Programm braucht mindestens " +
                                 Decimal(kRhymeLinesNeeded) +
                                 U" (neun Reimpaare): bitte Reimpaare hinzufügen");
            return;
        }
        // The memory game lays out nine different rhymes of the chosen stem vowel.
        for (const Stammvokal vowel : {Stammvokal::Alle, Stammvokal::Kurz, Stammvokal::Lang}) {
            if (vowel != Stammvokal::Alle && !selections) {
                break;
            }
            std::set<Text> rhymes;
            for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
                if (faultless[i] && faultless[i + 1] &&
                    MatchesSelection(lines[i], Verbenwahl::Alle, vowel)) {
                    rhymes.insert(RhymePart(words[i]));
                }
            }
            if (rhymes.size() >= kRhymesNeeded) {
                continue;
            }
            const Text count = Decimal(static_cast<long long>(rhymes.size()));
            Text message = vowel == Stammvokal::Alle
                               ? U"Die Reimliste hat nur " + count + U" verschiedene Reime"
                               : U"Die Reimliste hat für die Auswahl " +
                                     SelectionName(Verbenwahl::Alle, vowel) + U" nur " + count +
                                     U" verschiedene Reime";
            message += U"; das Programm braucht mindestens neun: bitte fehlerfreie Reimpaare";
            if (vowel != Stammvokal::Alle) {
                message += vowel == Stammvokal::Kurz ? U" mit kurzem Stammvokal („.“)"
                                                     : U" mit langem Stammvokal („-“)";
            }
            message += U" mit neuen Reimen hinzufügen";
            Refuse(problems, std::move(message));
        }
        return;
    }
    if (!selections) {
        return;
    }
    // Every choice an exercise offers must leave at least one verb to draw.
    for (const Verbenwahl choice : {Verbenwahl::Alle, Verbenwahl::Haeufige, Verbenwahl::Seltene}) {
        for (const Stammvokal vowel : {Stammvokal::Alle, Stammvokal::Kurz, Stammvokal::Lang}) {
            bool any = false;
            for (std::size_t i = 0; i < lines.size() && !any; ++i) {
                any = faultless[i] && MatchesSelection(lines[i], choice, vowel);
            }
            if (any) {
                continue;
            }
            if (choice == Verbenwahl::Alle && vowel == Stammvokal::Alle) {
                Refuse(problems, U"Die Verbliste enthält kein fehlerfreies Verb: bitte mindestens "
                                 U"ein Verb mit seinen Marken eintragen");
                return;
            }
            Refuse(problems, U"Zur Auswahl " + SelectionName(choice, vowel) +
                                 U" gibt es kein fehlerfreies Verb: bitte " +
                                 WhatToAdd(choice, vowel) + U" hinzufügen");
        }
    }
}

struct CheckedList {
    std::vector<WordListProblem> problems;
    std::vector<bool> faultless;
    std::vector<Text> words;
};

CheckedList CheckLines(const std::vector<Text>& lines, WordListKind kind) {
    CheckedList checked;
    std::vector<WordListProblem>& problems = checked.problems;
    checked.words.reserve(lines.size());
    checked.faultless.reserve(lines.size());
    std::unordered_map<Text, int> firstLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        SplitLine split = CheckLine(lines[i], kind);
        checked.faultless.push_back(split.messages.empty());
        for (Text& message : split.messages) {
            Add(problems, number, lines[i], std::move(message));
        }
        if (kind != WordListKind::Rhymes && !split.word.empty()) {
            const auto [first, isNew] = firstLine.emplace(split.word, number);
            if (!isNew) {
                Add(problems, number, lines[i],
                    U"Doppelt: " + Quoted(split.word) + U" steht schon in Zeile " +
                        Decimal(first->second));
            }
        }
        checked.words.push_back(std::move(split.word));
    }
    return checked;
}

// A UTF-8 encoded character (two to four bytes) starting at `at` of a line of raw bytes.
bool HasUtf8Character(TextView rawLine) {
    for (std::size_t at = 0; at < rawLine.size(); ++at) {
        if (rawLine[at] < 0xC2 || rawLine[at] > 0xF4) {
            continue;
        }
        const std::size_t length = rawLine[at] < 0xE0 ? 2 : rawLine[at] < 0xF0 ? 3 : 4;
        if (at + length > rawLine.size()) {
            continue;
        }
        std::string bytes;
        for (std::size_t i = at; i < at + length; ++i) {
            bytes.push_back(static_cast<char>(rawLine[i]));
        }
        if (IsValidUtf8(bytes)) {
            return true;
        }
    }
    return false;
}

} // namespace

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

std::vector<Text> CheckLineInList(const std::vector<Text>& lines, std::size_t index,
                                  WordListKind kind) {
    if (index >= lines.size()) {
        return {};
    }
    std::vector<Text> messages = CheckLine(lines[index], kind).messages;
    const Text key = DuplicateKey(lines[index], kind);
    if (key.empty()) {
        return messages;
    }
    if (kind != WordListKind::Rhymes) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != index && HasKey(lines[i], key, kind)) {
                messages.push_back(U"Doppelt: " + Quoted(key) + U" steht auch in Zeile " +
                                   Decimal(static_cast<long long>(i) + 1));
                break;
            }
        }
        return messages;
    }
    const std::size_t partner = index ^ 1u;
    if (partner >= lines.size()) {
        messages.push_back(kNoPartner);
        return messages;
    }
    const std::size_t first = std::min(index, partner);
    const Text a = DuplicateKey(lines[first], kind);
    const Text b = DuplicateKey(lines[first + 1], kind);
    if (std::optional<Text> fault = PairFault(a, b, static_cast<int>(first) + 1)) {
        messages.push_back(std::move(*fault));
    }
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const bool same = (HasKey(lines[i], a, kind) && HasKey(lines[i + 1], b, kind)) ||
                          (HasKey(lines[i], b, kind) && HasKey(lines[i + 1], a, kind));
        if (i != first && !a.empty() && !b.empty() && same) {
            messages.push_back(U"Dieses Reimpaar steht auch in Zeile " +
                               Decimal(static_cast<long long>(i) + 1) + U" und " +
                               Decimal(static_cast<long long>(i) + 2));
            break;
        }
    }
    return messages;
}

std::vector<WordListProblem> CheckWordList(const std::vector<Text>& lines, WordListKind kind,
                                           bool selections) {
    CheckedList checked = CheckLines(lines, kind);
    std::vector<WordListProblem>& problems = checked.problems;
    if (kind == WordListKind::Rhymes && !lines.empty()) {
        CheckRhymePairs(lines, checked.words, problems);
    }
    if (kind != WordListKind::Verbs || lines.empty() || selections) {
        AddRefusals(lines, checked.faultless, checked.words, kind, selections, problems);
    }
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const WordListProblem& a, const WordListProblem& b) { return a.line < b.line; });
    return problems;
}

std::vector<WordListProblem> SaveRefusals(const std::vector<Text>& lines, WordListKind kind) {
    const CheckedList checked = CheckLines(lines, kind);
    std::vector<WordListProblem> refusals;
    AddRefusals(lines, checked.faultless, checked.words, kind, true, refusals);
    return refusals;
}

std::vector<WordListProblem> CheckWordFile(std::string_view bytes, WordListKind kind,
                                           bool selections) {
    std::vector<WordListProblem> fileProblems;
    if (bytes.size() >= WorkDir::kMaxFileBytes) {
        fileProblems.push_back({0, U"",
                                U"Die Datei ist größer als 16 MB; das Programm liest nur ihren "
                                U"Anfang"});
        bytes = bytes.substr(0, WorkDir::kMaxFileBytes);
        const std::size_t lastEnd = bytes.find_last_of("\r\n");
        if (lastEnd != std::string_view::npos) {
            bytes = bytes.substr(0, lastEnd + 1);
        }
    }
    const std::vector<Text> lines = SplitLines(DecodeFileText(bytes));
    std::vector<WordListProblem> problems = CheckWordList(lines, kind, selections);

    // A file that is not UTF-8 throughout is read as Windows-1252 byte by byte, so a line with
    // UTF-8 characters in it shows "Ã¤" for "ä" (a file edited with two different editors).
    if (DetectEncoding(bytes) == FileEncoding::Windows1252) {
        Text raw;
        raw.reserve(bytes.size());
        for (const char b : bytes) {
            raw.push_back(static_cast<unsigned char>(b));
        }
        const std::vector<Text> rawLines = SplitLines(raw);
        for (std::size_t i = 0; i < rawLines.size() && i < lines.size(); ++i) {
            if (HasUtf8Character(rawLines[i])) {
                fileProblems.push_back(
                    {static_cast<int>(i) + 1, lines[i],
                     U"Die Zeile enthält UTF-8-Zeichen, die Datei ist aber nicht durchgehend "
                     U"UTF-8 und wird als Windows-1252 gelesen: bitte in einer Kodierung "
                     U"speichern"});
            }
        }
    }
    problems.insert(problems.end(), fileProblems.begin(), fileProblems.end());
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const WordListProblem& a, const WordListProblem& b) { return a.line < b.line; });
    return problems;
}

} // namespace tamurik
