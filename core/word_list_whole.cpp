// The rules of a word list as a whole: a line in its place among the others, rhyme pairs,
// verbs given twice, the refusals of a list that would leave an exercise without words, and
// the faults only a file's bytes show.

#include "word_list_check.h"

#include "encoding.h"
#include "word_list_lines.h"
#include "word_lists.h"
#include "work_dir.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

namespace tamurik {

using word_list_rules::CheckLine;
using word_list_rules::Quoted;
using word_list_rules::SplitLine;

namespace {

constexpr std::size_t kRhymeLinesNeeded = 18; // nine rhyme pairs
constexpr std::size_t kRhymesNeeded = 9;      // the memory game lays out nine different rhymes

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
