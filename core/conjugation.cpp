#include "core/conjugation.h"

#include <algorithm>
#include <array>

namespace tamurik {

namespace {

struct StrongVerb {
    TextView infinitive;
    TextView ich;
    TextView du;
    TextView er;
};

// Verbs whose present tense the regular rules cannot build: a changed stem vowel (geben,
// fahren, laufen), the modal verbs, and the irregular ones. A verb that changes its vowel and
// whose stem ends in t or d drops the "e" of the ending as well (rät, lädt).
constexpr std::array kStrongVerbs{
    StrongVerb{U"backen", U"backe", U"backst", U"backt"},
    StrongVerb{U"bergen", U"berge", U"birgst", U"birgt"},
    StrongVerb{U"bersten", U"berste", U"birst", U"birst"},
    StrongVerb{U"blasen", U"blase", U"bläst", U"bläst"},
    StrongVerb{U"braten", U"brate", U"brätst", U"brät"},
    StrongVerb{U"brechen", U"breche", U"brichst", U"bricht"},
    StrongVerb{U"dreschen", U"dresche", U"drischst", U"drischt"},
    StrongVerb{U"dürfen", U"darf", U"darfst", U"darf"},
    StrongVerb{U"essen", U"esse", U"isst", U"isst"},
    StrongVerb{U"fahren", U"fahre", U"fährst", U"fährt"},
    StrongVerb{U"fallen", U"falle", U"fällst", U"fällt"},
    StrongVerb{U"fangen", U"fange", U"fängst", U"fängt"},
    StrongVerb{U"fechten", U"fechte", U"fichtst", U"ficht"},
    StrongVerb{U"flechten", U"flechte", U"flichtst", U"flicht"},
    StrongVerb{U"fressen", U"fresse", U"frisst", U"frisst"},
    StrongVerb{U"geben", U"gebe", U"gibst", U"gibt"},
    StrongVerb{U"gelten", U"gelte", U"giltst", U"gilt"},
    StrongVerb{U"graben", U"grabe", U"gräbst", U"gräbt"},
    StrongVerb{U"haben", U"habe", U"hast", U"hat"},
    StrongVerb{U"halten", U"halte", U"hältst", U"hält"},
    StrongVerb{U"helfen", U"helfe", U"hilfst", U"hilft"},
    StrongVerb{U"knien", U"knie", U"kniest", U"kniet"},
    StrongVerb{U"können", U"kann", U"kannst", U"kann"},
    StrongVerb{U"laden", U"lade", U"lädst", U"lädt"},
    StrongVerb{U"lassen", U"lasse", U"lässt", U"lässt"},
    StrongVerb{U"laufen", U"laufe", U"läufst", U"läuft"},
    StrongVerb{U"lesen", U"lese", U"liest", U"liest"},
    StrongVerb{U"messen", U"messe", U"misst", U"misst"},
    StrongVerb{U"mögen", U"mag", U"magst", U"mag"},
    StrongVerb{U"müssen", U"muss", U"musst", U"muss"},
    StrongVerb{U"nehmen", U"nehme", U"nimmst", U"nimmt"},
    StrongVerb{U"quellen", U"quelle", U"quillst", U"quillt"},
    StrongVerb{U"raten", U"rate", U"rätst", U"rät"},
    StrongVerb{U"saufen", U"saufe", U"säufst", U"säuft"},
    StrongVerb{U"schelten", U"schelte", U"schiltst", U"schilt"},
    StrongVerb{U"schlafen", U"schlafe", U"schläfst", U"schläft"},
    StrongVerb{U"schlagen", U"schlage", U"schlägst", U"schlägt"},
    StrongVerb{U"schmelzen", U"schmelze", U"schmilzt", U"schmilzt"},
    StrongVerb{U"schwellen", U"schwelle", U"schwillst", U"schwillt"},
    StrongVerb{U"sehen", U"sehe", U"siehst", U"sieht"},
    StrongVerb{U"sein", U"bin", U"bist", U"ist"},
    StrongVerb{U"sollen", U"soll", U"sollst", U"soll"},
    StrongVerb{U"sprechen", U"spreche", U"sprichst", U"spricht"},
    StrongVerb{U"stechen", U"steche", U"stichst", U"sticht"},
    StrongVerb{U"stehlen", U"stehle", U"stiehlst", U"stiehlt"},
    StrongVerb{U"sterben", U"sterbe", U"stirbst", U"stirbt"},
    StrongVerb{U"stoßen", U"stoße", U"stößt", U"stößt"},
    StrongVerb{U"tragen", U"trage", U"trägst", U"trägt"},
    StrongVerb{U"treffen", U"treffe", U"triffst", U"trifft"},
    StrongVerb{U"treten", U"trete", U"trittst", U"tritt"},
    StrongVerb{U"tun", U"tue", U"tust", U"tut"},
    StrongVerb{U"wachsen", U"wachse", U"wächst", U"wächst"},
    StrongVerb{U"waschen", U"wasche", U"wäschst", U"wäscht"},
    StrongVerb{U"werben", U"werbe", U"wirbst", U"wirbt"},
    StrongVerb{U"werden", U"werde", U"wirst", U"wird"},
    StrongVerb{U"werfen", U"werfe", U"wirfst", U"wirft"},
    StrongVerb{U"wissen", U"weiß", U"weißt", U"weiß"},
    StrongVerb{U"wollen", U"will", U"willst", U"will"},
};

VerbForms Forms(const StrongVerb& v) {
    return VerbForms{Text(v.infinitive), Text(v.ich), Text(v.du), Text(v.er)};
}

bool IsVowel(char32_t c) {
    return TextView(U"aeiouäöüy").find(c) != TextView::npos;
}

bool EndsWith(TextView text, TextView ending) {
    return text.ends_with(ending);
}

// A stem that ends in t or d, or in m or n after another consonant that does not flow into
// it (atm-, rechn-, ordn-, but not lern-, film-, wohn-, kämm-), needs an "e" before the
// endings "st" and "t": du atmest, er rechnet.
bool NeedsLinkingE(TextView stem) {
    if (stem.empty())
        return false;
    const char32_t last = stem.back();
    if (last == U't' || last == U'd')
        return true;
    if ((last != U'm' && last != U'n') || stem.size() < 2)
        return false;
    const char32_t before = stem[stem.size() - 2];
    if (IsVowel(before) || before == last || before == U'l' || before == U'r')
        return false;
    // A lengthening h (wohnen, rühmen) flows into the m or n; the h of ch does not.
    if (before == U'h' && stem.size() >= 3 && stem[stem.size() - 3] != U'c')
        return false;
    return true;
}

// A stem ending in a hissing sound takes only "t" in the du form: du reist, du tanzt, du boxt.
bool EndsHissing(TextView stem) {
    return !stem.empty() && TextView(U"sßzx").find(stem.back()) != TextView::npos;
}

} // namespace

std::optional<VerbForms> StrongVerbForms(TextView verb) {
    const auto row = std::find_if(kStrongVerbs.begin(), kStrongVerbs.end(),
                                  [&](const StrongVerb& v) { return v.infinitive == verb; });
    if (row == kStrongVerbs.end())
        return std::nullopt;
    return Forms(*row);
}

std::vector<VerbForms> StrongVerbTable() {
    std::vector<VerbForms> table;
    table.reserve(kStrongVerbs.size());
    for (const StrongVerb& v : kStrongVerbs)
        table.push_back(Forms(v));
    return table;
}

std::optional<VerbForms> Conjugate(TextView verb) {
    if (std::optional<VerbForms> strong = StrongVerbForms(verb))
        return strong;
    const Text infinitive(verb);
    if (verb.size() > 3 && (EndsWith(verb, U"ern") || EndsWith(verb, U"eln"))) {
        const Text base(verb.substr(0, verb.size() - 1));
        return VerbForms{infinitive, base + U"e", base + U"st", base + U"t"};
    }
    if (verb.size() > 2 && EndsWith(verb, U"en")) {
        const Text stem(verb.substr(0, verb.size() - 2));
        const Text ich = stem + U"e";
        if (NeedsLinkingE(stem))
            return VerbForms{infinitive, ich, stem + U"est", stem + U"et"};
        return VerbForms{infinitive, ich, stem + (EndsHissing(stem) ? U"t" : U"st"), stem + U"t"};
    }
    return std::nullopt;
}

bool IsSkippedVerb(TextView verb) {
    return Contains(kSkipList, verb);
}

} // namespace tamurik
