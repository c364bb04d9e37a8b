#include "exercises/wordbuilding/verben_verlaengern.h"

#include "core/conjugation.h"
#include "core/word_lists.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tamurik {

namespace {

constexpr TextView kPartMarks = U"123";

bool IsPartMark(char32_t c) {
    return kPartMarks.find(c) != TextView::npos;
}

// The letters at the end of the stem that the doubt is about: "b", "mm", "ss", "ß".
Text DoubtLetters(TextView stem, Doubt doubt) {
    const bool doubled =
        doubt == Doubt::DoubleConsonant || (doubt == Doubt::SharpS && stem.back() != U'ß');
    return Text(stem.substr(stem.size() - (doubled ? 2 : 1)));
}

// What a child who writes by ear puts instead of the right letters.
std::vector<Text> ByEar(TextView letters, Doubt doubt) {
    switch (doubt) {
    case Doubt::FinalDevoicing: {
        const char32_t voiceless = letters == U"b" ? U'p' : letters == U"d" ? U't' : U'k';
        return {Text(1, voiceless)};
    }
    case Doubt::DoubleConsonant:
        return {Text(1, letters.front())};
    case Doubt::SharpS:
        if (letters == U"ß")
            return {U"s", U"ss"};
        return {U"s", U"ß"};
    }
    return {};
}

// The endings after which the stem still ends the word's last syllable, so the ear cannot
// tell its last letters: "lebt", "kommst", "kann". An ending with a vowel lets them be heard.
constexpr std::array<TextView, 3> kSilentEndings{U"", U"t", U"st"};

std::optional<LengtheningQuestion> QuestionFor(Person person, TextView form, TextView stem,
                                               const Text& letters, Doubt doubt,
                                               const std::set<Text>& knownForms) {
    for (TextView ending : kSilentEndings) {
        const Text tail = letters + Text(ending);
        if (form.size() <= tail.size() || !form.ends_with(tail))
            continue;
        const Text before(form.substr(0, form.size() - tail.size()));
        // Half of a doubled consonant is not the doubt of the verb.
        if (before.back() == letters.front())
            return std::nullopt;
        LengtheningQuestion question{person, before, letters, Text(ending), doubt, false, {}};
        question.vowelChange = before != stem.substr(0, stem.size() - letters.size());
        for (const Text& wrong : ByEar(letters, doubt))
            if (!knownForms.contains(before + wrong + Text(ending)))
                question.byEar.push_back(wrong);
        if (question.byEar.empty())
            return std::nullopt;
        return question;
    }
    return std::nullopt;
}

const Text& FormOf(const VerbForms& forms, Person person) {
    switch (person) {
    case Person::Ich:
        return forms.ich;
    case Person::Du:
        return forms.du;
    case Person::Er:
        break;
    }
    return forms.er;
}

constexpr std::array kPersons{Person::Ich, Person::Du, Person::Er};

} // namespace

std::optional<Doubt> StemDoubt(TextView verb) {
    if (verb.size() < 4 || !verb.ends_with(U"en") || verb.ends_with(U"eln") ||
        verb.ends_with(U"ern"))
        return std::nullopt;
    const TextView stem = verb.substr(0, verb.size() - 2);
    const char32_t last = stem.back();
    const char32_t previous = stem[stem.size() - 2];
    if (last == previous && last == U's')
        return Doubt::SharpS;
    if (last == previous && TextView(U"bdfglmnprt").find(last) != TextView::npos)
        return Doubt::DoubleConsonant;
    if (last == U'ß')
        return Doubt::SharpS;
    // The g of ng is no g the child hears in the long form either: sin-gen.
    if (last == U'b' || last == U'd' || (last == U'g' && previous != U'n'))
        return Doubt::FinalDevoicing;
    return std::nullopt;
}

std::set<Text> KnownShortForms(const std::vector<Text>& lines) {
    std::set<Text> known;
    auto add = [&known](const VerbForms& forms) {
        for (Person person : kPersons)
            known.insert(FormOf(forms, person));
    };
    for (const VerbForms& forms : StrongVerbTable())
        add(forms);
    for (const Text& line : lines)
        if (std::optional<VerbForms> forms = Conjugate(CleanWord(line)))
            add(*forms);
    return known;
}

std::vector<LengtheningQuestion> LengtheningQuestions(TextView verb,
                                                      const std::set<Text>& knownForms) {
    std::vector<LengtheningQuestion> questions;
    const std::optional<Doubt> doubt = StemDoubt(verb);
    if (!doubt || IsSkippedVerb(verb))
        return questions;
    const std::optional<VerbForms> forms = Conjugate(verb);
    if (!forms)
        return questions;
    const TextView stem = verb.substr(0, verb.size() - 2);
    const Text letters = DoubtLetters(stem, *doubt);
    for (Person person : kPersons)
        if (std::optional<LengtheningQuestion> question =
                QuestionFor(person, FormOf(*forms, person), stem, letters, *doubt, knownForms))
            questions.push_back(std::move(*question));
    return questions;
}

std::vector<Text> LinesWithShortForm(const std::vector<Text>& lines, Person person, TextView form) {
    std::vector<Text> found;
    for (const Text& line : lines) {
        const std::optional<VerbForms> forms = Conjugate(CleanWord(line));
        if (forms && FormOf(*forms, person) == form)
            found.push_back(line);
    }
    return found;
}

std::optional<LengtheningTask>
DrawLengtheningTask(const Text& line, const std::set<Text>& knownForms, RandomSource& random) {
    const std::vector<LengtheningQuestion> questions =
        LengtheningQuestions(CleanWord(line), knownForms);
    if (questions.empty())
        return std::nullopt;
    LengtheningTask task;
    task.line = line;
    task.question =
        questions[static_cast<std::size_t>(random.Draw(static_cast<int>(questions.size())))];
    const std::array<TextView, 3> erSieEs{U"er", U"sie", U"es"};
    const TextView third = erSieEs[static_cast<std::size_t>(random.Draw(3))];
    task.pronoun = task.question.person == Person::Ich  ? Text(U"ich")
                   : task.question.person == Person::Du ? Text(U"du")
                                                        : Text(third);
    task.buttons.push_back(task.question.hidden);
    task.buttons.insert(task.buttons.end(), task.question.byEar.begin(), task.question.byEar.end());
    for (std::size_t i = task.buttons.size() - 1; i > 0; --i)
        std::swap(task.buttons[i],
                  task.buttons[static_cast<std::size_t>(random.Draw(static_cast<int>(i + 1)))]);
    return task;
}

std::vector<Text> DrawLinesForSet(const std::vector<Text>& pool, std::size_t count,
                                  RandomSource& random) {
    std::vector<Text> set;
    std::vector<Text> left;
    while (set.size() < count && !pool.empty()) {
        if (left.empty())
            left = pool;
        const auto at = static_cast<std::size_t>(random.Draw(static_cast<int>(left.size())));
        set.push_back(std::move(left[at]));
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return set;
}

ButtonKeys::ButtonKeys(std::vector<Text> buttons) : buttons_(std::move(buttons)) {}

bool ButtonKeys::Begins(TextView keys) const {
    return std::any_of(buttons_.begin(), buttons_.end(),
                       [keys](const Text& button) { return StartsWith(button, keys); });
}

std::optional<std::size_t> ButtonKeys::Spelled(bool confirmed) const {
    std::optional<std::size_t> exact;
    bool longer = false;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == keys_)
            exact = i;
        else if (StartsWith(buttons_[i], keys_))
            longer = true;
    }
    if (exact && (confirmed || !longer))
        return exact;
    return std::nullopt;
}

std::optional<std::size_t> ButtonKeys::Type(char32_t key) {
    if (key >= U'1' && key <= U'9') {
        keys_.clear();
        const auto position = static_cast<std::size_t>(key - U'1');
        if (position < buttons_.size())
            return position;
        return std::nullopt;
    }
    keys_ += ToLower(key);
    // A slip does not block the next choice: keys that begin no button are forgotten.
    if (!Begins(keys_))
        keys_ = Text(1, ToLower(key));
    if (!Begins(keys_)) {
        keys_.clear();
        return std::nullopt;
    }
    const std::optional<std::size_t> chosen = Spelled(false);
    if (chosen)
        keys_.clear();
    return chosen;
}

std::optional<std::size_t> ButtonKeys::Confirm() {
    const std::optional<std::size_t> chosen = Spelled(true);
    keys_.clear();
    return chosen;
}

MarkedPieces SplitAtBoundary(TextView markedWord) {
    MarkedPieces pieces;
    const std::size_t boundary = markedWord.find_first_of(U".-");
    if (boundary == TextView::npos) {
        pieces.before = Text(markedWord);
        return pieces;
    }
    Text mark;
    for (std::size_t i = 0; i < boundary; ++i)
        if (IsPartMark(markedWord[i]))
            mark = Text(1, markedWord[i]);
    pieces.before = Text(markedWord.substr(0, boundary)) + U"·";
    std::size_t letter = boundary + 1;
    for (; letter < markedWord.size() && IsPartMark(markedWord[letter]); ++letter)
        mark = Text(1, markedWord[letter]);
    if (letter >= markedWord.size())
        return pieces;
    pieces.middle = mark + markedWord[letter];
    const TextView rest = markedWord.substr(letter + 1);
    if (!rest.empty())
        pieces.after = (IsPartMark(rest.front()) ? Text() : mark) + Text(rest);
    return pieces;
}

MarkedPieces MarkedShortForm(TextView markedWord, const LengtheningQuestion& question) {
    const std::size_t two = markedWord.find(U'2');
    if (two == TextView::npos)
        return {question.before, question.hidden, question.after};
    // The letters of the first part stay in its colour; the changed stem vowel, the hidden
    // letters and what follows up to the ending are the middle part.
    const Text first = RemoveChars(markedWord.substr(0, two), U"123.-");
    MarkedPieces pieces;
    if (StartsWith(question.before, first))
        pieces.before = U"1" + first + U"2" + question.before.substr(first.size());
    else
        pieces.before = U"2" + question.before;
    pieces.middle = U"2" + question.hidden;
    if (!question.after.empty())
        pieces.after = (Contains(markedWord, U'3') ? U"3" : U"2") + question.after;
    return pieces;
}

Text TypedLongForm(TextView typed) {
    Text form = TrimBlanks(typed);
    if (StartsWith(form, U"wir "))
        form = TrimBlanks(TextView(form).substr(4));
    return form;
}

} // namespace tamurik
