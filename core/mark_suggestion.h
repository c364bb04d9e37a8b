#pragma once
// The marked form of a plain verb ("schwimmen" → "1schw2im.m3en"), proposed for the teacher
// to accept or correct: a verb the program already knows keeps its marking; another verb is
// taken apart into beginning, stem vowel, the consonants after it and ending, and its vowel
// length is read from the spelling or, where the spelling does not tell, from known verbs
// with the same stem vowel and consonants.

#include "text.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace tamurik {

enum class SuggestionSource {
    Known,    // the verb stands marked in a known list: its marking
    Spelling, // the spelling tells the vowel length (ie, a double consonant, ß, an h, ...)
    Likeness, // known verbs with the same stem tell it ("lachen" for "machen")
    Guess,    // nothing tells it: a short vowel before two consonants is the likelier
    None,     // not a simple verb (a prefix, -ieren, no vowel): no marked form
};

struct MarkSuggestion {
    Text marked; // "1schw2im.m3en"; empty when None
    SuggestionSource source = SuggestionSource::None;
    // German, one sentence for the editor's "Vorschlag" line: where the marks come from, or
    // why there are none ("Der Stammvokal ist kurz: zwei Mitlaute folgen").
    Text reason;
    // Whether the teacher should look twice (Likeness and Guess).
    bool uncertain() const {
        return source == SuggestionSource::Likeness || source == SuggestionSource::Guess;
    }
};

class MarkSuggester {
public:
    // Known marked verbs: lines of ZAHLVERB.TXT and ZAHLREIM.TXT (explanations and faulty
    // lines are ignored).
    MarkSuggester() = default;
    explicit MarkSuggester(const std::vector<Text>& knownLines);
    void AddKnown(const std::vector<Text>& knownLines);

    // The suggestion for a plain verb (letter case and blanks at the ends ignored). A text
    // that already holds marks is taken as its plain verb.
    MarkSuggestion Suggest(TextView verb) const;
    // The suggestion as if this verb were not known: its own marking is left out of the known
    // verbs it is likened to. (How well the rules alone would have marked a known verb.)
    MarkSuggestion SuggestUnknown(TextView verb) const;

    std::size_t knownCount() const { return known_.size(); }

private:
    std::unordered_map<Text, Text> known_;                // plain verb → marked word
    std::unordered_map<Text, std::pair<int, int>> rimes_; // stem vowel + consonants → short, long
};

// The marked form by the rules alone, without known verbs; empty when the verb is not
// simple. What MarkSuggester falls back on.
MarkSuggestion SuggestByRules(TextView verb);

} // namespace tamurik
