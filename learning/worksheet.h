#pragma once
// What a worksheet holds: the child's due verbs and the verbs it missed most often (at least
// eight, topped up from the verb list when fewer: first verbs that show the phenomena the child
// gets wrong most), the strong verbs among them whose du and er forms change the vowel (topped
// up from the list as well), and how their solutions are marked for drawing.

#include "core/conjugation.h"
#include "core/text.h"
#include "learning/phenomena.h"
#include "learning/record_queries.h"

#include <vector>

namespace tamurik {

inline constexpr std::size_t kWorksheetVerbs = 10;
inline constexpr std::size_t kFewestWorksheetVerbs = 8;
inline constexpr std::size_t kWorksheetForms = 4;
inline constexpr std::size_t kFewestWorksheetForms = 3;

// The three blocks a teacher can choose.
struct WorksheetBlocks {
    bool copy = true;      // verbs in their colours, to copy onto writing lines
    bool forms = true;     // ich / du / er gaps for strong verbs
    bool syllables = true; // verbs to divide with a syllable line
};

struct FormTask {
    // The marked word of the verb.
    Text marked;
    VerbForms forms;
};

struct Worksheet {
    // Marked words, for copying and for dividing.
    std::vector<Text> verbs;
    std::vector<FormTask> forms;
};

// `due` and `missed` are the child's, `listLines` the lines of the verb list, `weak` the
// phenomena the child gets wrong most, worst first. A verb comes in once, with a syllable
// boundary, and never one of the skip list.
Worksheet ChooseWorksheet(const std::vector<Text>& due, const std::vector<MissedVerb>& missed,
                          const std::vector<Text>& listLines, const std::vector<Phenomenon>& weak);

// A du or er form marked for drawing: what stands before the changed vowel after "1", the
// changed vowel letters (both of "ie") after "2", the rest after "3" ("1g2i3bst", "1l2ie3st",
// "1l2ä3ufst"). A form without a changed vowel is "1" and the form.
Text MarkVowelChange(TextView infinitive, TextView form);

// The marked word with a syllable line where its separator stands ("1l2e|b3en").
Text SyllableSolution(TextView marked);

} // namespace tamurik
