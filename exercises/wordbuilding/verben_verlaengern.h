#pragma once
// Verben verlängern: a short form of a verb hides the letters at the end of its stem that the
// ear cannot tell apart (er le?t: b or p?); the long form, the wir form, lets the child hear
// them at the start of its second syllable (wir le-ben). Which verbs and forms are asked, which
// letters the buttons offer, which keys choose a button, and how the forms are cut for drawing.

#include "core/random.h"
#include "core/text.h"

#include <cstddef>
#include <optional>
#include <set>
#include <vector>

namespace tamurik {

// What the ear cannot tell at the end of a verb's stem in its short forms.
enum class Doubt {
    FinalDevoicing,  // b, d, g sound like p, t, k: er lebt, er lädt, er sagt
    DoubleConsonant, // a doubled consonant after a short vowel: er kommt, du kannst
    SharpS, // ß after a long vowel or diphthong, ss after a short one: er grüßt, er küsst
};

// The doubt at the end of the stem of a verb written as in the verb list ("leben"), or none.
// Verbs on -eln and -ern keep a vowel after their stem in every form and have none.
std::optional<Doubt> StemDoubt(TextView verb);

enum class Person { Ich, Du, Er };

// One short form of a verb with its doubtful letters cut out: er le|b|t.
struct LengtheningQuestion {
    Person person = Person::Er;
    Text before; // "le"
    Text hidden; // "b": the letters the child chooses
    Text after;  // "t": the ending
    Doubt doubt = Doubt::FinalDevoicing;
    // The short form changes the stem vowel but keeps the consonant: er gibt, wir geben.
    bool vowelChange = false;
    // What a child would write by ear instead of `hidden` ("p"); none of them spells a form of
    // another verb, so the right letters are the only right answer.
    std::vector<Text> byEar;

    Text form() const { return before + hidden + after; }
    bool operator==(const LengtheningQuestion&) const = default;
};

// The ich, du and er forms of every verb the program knows: the verbs of these verb-list
// lines and the table of strong and irregular verbs. Letters that turn a short form into one
// of these spell another verb and are never offered as the wrong choice.
std::set<Text> KnownShortForms(const std::vector<Text>& lines);

// The questions a verb gives: one for each person whose short form still hides the doubt at
// the end of the stem (not "er redet", "ich lebe", where a vowel follows and lets it be heard).
// Empty when the verb is on the skip list, cannot be conjugated or has no doubt.
std::vector<LengtheningQuestion> LengtheningQuestions(TextView verb,
                                                      const std::set<Text>& knownForms);

// The lines whose verb has this short form for this person: fallen and fällen both give
// "er fällt", so the child may lengthen it to either.
std::vector<Text> LinesWithShortForm(const std::vector<Text>& lines, Person person, TextView form);

// One question as it is put to the child.
struct LengtheningTask {
    Text line; // the verb-list line of the verb
    LengtheningQuestion question;
    Text pronoun;              // "ich", "du", "er", "sie" or "es"
    std::vector<Text> buttons; // the hidden letters and the by-ear ones, in the drawn order
};

// Draws, for the verb of `line`, the person among its questions, the pronoun for er/sie/es and
// the order of the buttons. No value when the verb gives no question.
std::optional<LengtheningTask>
DrawLengtheningTask(const Text& line, const std::set<Text>& knownForms, RandomSource& random);

// `count` lines drawn from the pool, none twice until the pool is used up.
std::vector<Text> DrawLinesForSet(const std::vector<Text>& pool, std::size_t count,
                                  RandomSource& random);

// The keys typed to choose a button. A digit chooses by position (1 is the first button);
// letters choose the button they spell as soon as no other button begins with them ("p"
// chooses p at once; with m and mm offered, "m" waits for a second m or for Enter).
class ButtonKeys {
public:
    explicit ButtonKeys(std::vector<Text> buttons = {});

    // One key typed: the position of the button it completes, if any. Keys that begin no
    // button are forgotten, so that a slip does not block the next choice.
    std::optional<std::size_t> Type(char32_t key);
    // Enter: the button the letters typed so far spell exactly, if any; the letters are
    // forgotten either way.
    std::optional<std::size_t> Confirm();
    const Text& keys() const { return keys_; }

private:
    bool Begins(TextView keys) const;
    std::optional<std::size_t> Spelled(bool confirmed) const;

    std::vector<Text> buttons_;
    Text keys_;
};

// A marked word cut into three pieces for drawing, each still carrying the part mark it is
// drawn in, so that the part colours run on across the cuts.
struct MarkedPieces {
    Text before;
    Text middle; // the letters to be highlighted
    Text after;
};

// The long form cut at its syllable boundary: before it, with the boundary shown as "·"
// ("1l2e·"), the letter after it that lengthening lets the child hear ("2b"), and the rest
// ("3en"). A word without a boundary mark has nothing to highlight.
MarkedPieces SplitAtBoundary(TextView markedWord);

// The short form with the part marks of its verb, cut around the hidden letters: er lebt from
// "1l2e-b3en" gives "1l2e", "2b", "3t".
MarkedPieces MarkedShortForm(TextView markedWord, const LengtheningQuestion& question);

// The long form the child typed, read kindly: blanks around it and a leading "wir " are left out.
Text TypedLongForm(TextView typed);

} // namespace tamurik
