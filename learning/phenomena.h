#pragma once
// The verb phenomena a teacher reads in a child's record ("kurzer Vokal, Doppelkonsonant:
// 12 von 30 richtig"): which of them a marked word shows, and which of them an answer counts
// for. A phenomenon's key is stored with every answer and never changes; its name is what the
// teacher reads.

#include "core/text.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tamurik {

enum class Phenomenon {
    ShortDoubleConsonant, // kom.men, öff.nen
    ShortCk,              // ba.cken, kleck.sen
    ShortTz,              // sit.zen
    ShortCluster,         // fin.den, schimp.fen, wa.schen, he.xen
    LongIe,               // lie-ben
    LongH,                // fah-ren
    LongDoubleVowel,      // lee-ren, aa-len
    LongUnmarked,         // le-ben, dre-hen
    Diphthong,            // bau-en, schrei-ben, lai-chen
    SharpSAfterLong,      // grü-ßen, hei-ßen
    SyllableH,            // dre-hen, blü-hen: the h that opens the second syllable
    ChangeEToI,           // geben, du gibst
    ChangeEToIe,          // lesen, du liest
    ChangeAToAe,          // fahren, du fährst
    ChangeAuToAeu,        // laufen, du läufst
    ChangeOToOe,          // stoßen, du stößt
    SyllableBoundary,     // where the word is divided
    EndingEln,            // sammeln
    EndingErn,            // wandern
    FinalDevoicing,       // le-ben, er lebt: b, d, g at the end of the stem sound like p, t, k
};

struct PhenomenonInfo {
    Phenomenon phenomenon;
    // Stored in the record; never renamed.
    std::string_view key;
    // What the teacher reads.
    TextView name;
};

// Every phenomenon, in the order a teacher reads them.
std::span<const PhenomenonInfo> AllPhenomena();
const PhenomenonInfo& InfoOf(Phenomenon phenomenon);
std::optional<Phenomenon> PhenomenonOfKey(std::string_view key);

// The phenomena of a marked word ("1b2a.ck3en", "1l2ie-b3en"), read from its separator ("."
// after a short, "-" after a long stem vowel), its letters and, for a strong verb, its present
// tense; in the order of AllPhenomena. A word without a separator has only those that need
// none (its ending, a vowel change, a devoiced stem). An explanation after a blank is ignored.
std::vector<Phenomenon> VerbPhenomena(TextView markedWord);

// The phenomena an answer counts for: those of its item that what was asked (its `asked` key,
// learning/record.h) touches. Right and wrong answers count alike, so that a teacher reads
// "12 von 30 richtig". An unknown key counts for none.
std::vector<Phenomenon> AnswerPhenomena(std::string_view asked, TextView item);

} // namespace tamurik
