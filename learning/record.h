#pragma once
// What the exercises tell a child's learning record, and what they ask of it. Behind it stands
// a store chosen by the program (an SQLite file in the working folder) or nothing at all: no
// screen knows where an answer goes.

#include "core/text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tamurik {

// What an answer can be about: the stable keys of `Answer::asked`, stored as they are. Which
// verb phenomena an answer counts for follows from this key and the item.
namespace asked {
inline constexpr const char* kSeparator = "trennung";        // where the syllable boundary lies
inline constexpr const char* kVowelLength = "vokallaenge";   // short or long stem vowel
inline constexpr const char* kReality = "echt";              // a real verb or a made-up one
inline constexpr const char* kReading = "lesen";             // a verb read and found again
inline constexpr const char* kOrder = "abc";                 // alphabetical order
inline constexpr const char* kRhymePartner = "reimpartner";  // which verb rhymes with which
inline constexpr const char* kMeaning = "bedeutung";         // what a rare verb means
inline constexpr const char* kLetter = "buchstabe";          // one letter of the verb
inline constexpr const char* kWordPart = "wortteil";         // a beginning, middle or end part
inline constexpr const char* kIchForm = "ich";               // present tense, ich
inline constexpr const char* kDuForm = "du";                 // present tense, du
inline constexpr const char* kErForm = "er";                 // present tense, er
inline constexpr const char* kWirForm = "wir";               // the long form (infinitive)
inline constexpr const char* kSpelling = "schreibweise";     // the whole word written
inline constexpr const char* kLengthening = "verlaengerung"; // a letter heard by lengthening
} // namespace asked

// One answer of the child.
struct Answer {
    // The exercise, by its stable key ("quatschverben", "verben_trennen", ...); stored as it is.
    std::string exercise;
    // The verb or made-up word the question was about, with its marks as shown (the marked
    // word of the list line, "1l2e-b3en").
    Text item;
    // What was asked, by its stable key ("vokallaenge", "trennung", "echt", "du", ...).
    std::string asked;
    // What the child gave: the typed text, the chosen button or letter.
    Text given;
    bool right = false;
    // Milliseconds from the moment the question was shown to the answer.
    std::int64_t millis = 0;
    // The item is a verb of ZAHLVERB.TXT, so it takes part in the card box.
    bool fromVerbList = false;
};

class Record {
public:
    virtual ~Record() = default;
    // The child now playing, by the name typed in the main menu; a blank name means no child.
    virtual void SetChild(const Text& name) = 0;
    // Keeps one answer of the current child; without a child nothing is kept.
    virtual void Report(const Answer& answer) = 0;
    // The marked words of the current child's verbs that are due again in the card box; empty
    // without a child or with the card box off.
    virtual std::vector<Text> DueVerbs() = 0;
};

// The record of a program that keeps nothing.
class NoRecord final : public Record {
public:
    void SetChild(const Text&) override {}
    void Report(const Answer&) override {}
    std::vector<Text> DueVerbs() override { return {}; }
};

} // namespace tamurik
