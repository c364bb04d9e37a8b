// The present-tense forms a child is asked for: the strong verbs, the regular rules, verbs
// that are skipped, and a check of every verb of an independent dictionary.

#include "core/conjugation.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tamurik {
namespace {

std::string U8(TextView t) {
    return ToUtf8(t);
}

VerbForms Forms(TextView verb) {
    std::optional<VerbForms> forms = Conjugate(verb);
    EXPECT_TRUE(forms.has_value()) << U8(verb);
    return forms.value_or(VerbForms{});
}

TEST(Conjugation, RegularVerbsFollowTheirStemEnding) {
    EXPECT_EQ(Forms(U"kaufen"), (VerbForms{U"kaufen", U"kaufe", U"kaufst", U"kauft"}));
    EXPECT_EQ(Forms(U"reisen"), (VerbForms{U"reisen", U"reise", U"reist", U"reist"}));
    EXPECT_EQ(Forms(U"arbeiten"), (VerbForms{U"arbeiten", U"arbeite", U"arbeitest", U"arbeitet"}));
    EXPECT_EQ(Forms(U"finden"), (VerbForms{U"finden", U"finde", U"findest", U"findet"}));
    EXPECT_EQ(Forms(U"wandern"), (VerbForms{U"wandern", U"wandere", U"wanderst", U"wandert"}));
    EXPECT_EQ(Forms(U"sammeln"), (VerbForms{U"sammeln", U"sammele", U"sammelst", U"sammelt"}));
    EXPECT_EQ(Forms(U"heißen").du, U"heißt");
    EXPECT_EQ(Forms(U"tanzen").du, U"tanzt");
    EXPECT_EQ(Forms(U"sitzen").du, U"sitzt");
    EXPECT_EQ(Forms(U"boxen").du, U"boxt") << "x hisses like s";
    EXPECT_EQ(Forms(U"wischen").du, U"wischst");
    EXPECT_EQ(Forms(U"säen").er, U"sät");
}

TEST(Conjugation, StemsEndingInConsonantAndMOrNTakeAnE) {
    EXPECT_EQ(Forms(U"atmen"), (VerbForms{U"atmen", U"atme", U"atmest", U"atmet"}));
    EXPECT_EQ(Forms(U"rechnen"), (VerbForms{U"rechnen", U"rechne", U"rechnest", U"rechnet"}));
    EXPECT_EQ(Forms(U"ordnen").er, U"ordnet");
    EXPECT_EQ(Forms(U"öffnen").du, U"öffnest");
    EXPECT_EQ(Forms(U"regnen").er, U"regnet");
    // After l, r, a lengthening h or the same letter the ending joins without an e.
    EXPECT_EQ(Forms(U"lernen").du, U"lernst");
    EXPECT_EQ(Forms(U"filmen").er, U"filmt");
    EXPECT_EQ(Forms(U"wohnen").du, U"wohnst");
    EXPECT_EQ(Forms(U"kämmen").er, U"kämmt");
    EXPECT_EQ(Forms(U"rennen").du, U"rennst");
}

TEST(Conjugation, StrongVerbsChangeTheirVowel) {
    EXPECT_EQ(Forms(U"laufen"), (VerbForms{U"laufen", U"laufe", U"läufst", U"läuft"}));
    EXPECT_EQ(Forms(U"wollen"), (VerbForms{U"wollen", U"will", U"willst", U"will"}));
    EXPECT_EQ(Forms(U"wissen"), (VerbForms{U"wissen", U"weiß", U"weißt", U"weiß"}));
    EXPECT_EQ(Forms(U"braten"), (VerbForms{U"braten", U"brate", U"brätst", U"brät"}));
    // Strong verbs the plain rules would get wrong.
    EXPECT_EQ(Forms(U"raten"), (VerbForms{U"raten", U"rate", U"rätst", U"rät"}));
    EXPECT_EQ(Forms(U"laden"), (VerbForms{U"laden", U"lade", U"lädst", U"lädt"}));
    EXPECT_EQ(Forms(U"sprechen").du, U"sprichst");
    EXPECT_EQ(Forms(U"brechen").er, U"bricht");
    EXPECT_EQ(Forms(U"wachsen").du, U"wächst");
    EXPECT_EQ(Forms(U"waschen").er, U"wäscht");
    EXPECT_EQ(Forms(U"sein"), (VerbForms{U"sein", U"bin", U"bist", U"ist"}));
    EXPECT_EQ(Forms(U"tun").er, U"tut");
    // The table is searched by the exact infinitive.
    EXPECT_FALSE(StrongVerbForms(U"Laufen").has_value());
    EXPECT_FALSE(StrongVerbForms(U"raten ").has_value());
}

TEST(Conjugation, VerbsWithoutAKnownEndingGetNoForms) {
    for (TextView verb : {U"", U"en", U"n", U"haus", U"spielt", U"ern"})
        EXPECT_FALSE(Conjugate(verb).has_value()) << U8(verb);
}

TEST(Conjugation, SkipListHoldsTheVulgarVerbsAndTheEmptyText) {
    for (TextView verb : {U"ficken", U"huren", U"pimpern", U""})
        EXPECT_TRUE(IsSkippedVerb(verb)) << U8(verb);
    for (TextView verb : {U"kaufen", U"hupen", U"fickenhuren"})
        EXPECT_FALSE(IsSkippedVerb(verb)) << U8(verb);
}

// The reference: infinitive, the accepted er forms and, where the dictionary gives them, the
// accepted du forms (alternatives joined by ";").
struct Reference {
    std::vector<Text> er;
    std::vector<Text> du;
};

std::vector<Text> Split(TextView text) {
    std::vector<Text> parts;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t end = std::min(text.find(U';', start), text.size());
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::map<Text, Reference> LoadReference() {
    const WorkDir dir(std::filesystem::path(TAMURIK_DATA_DIR) / "reference");
    std::map<Text, Reference> reference;
    for (const Text& line : dir.ReadLines("er_forms.txt").value_or(std::vector<Text>{})) {
        if (line.empty() || line[0] == U'#')
            continue;
        const std::size_t tab1 = line.find(U'\t');
        const std::size_t tab2 = line.find(U'\t', tab1 + 1);
        if (tab1 == Text::npos || tab2 == Text::npos)
            continue;
        reference[line.substr(0, tab1)] = {Split(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                                           Split(line.substr(tab2 + 1))};
    }
    return reference;
}

bool OneOf(const Text& form, const std::vector<Text>& accepted) {
    return std::find(accepted.begin(), accepted.end(), form) != accepted.end();
}

// Whether the forms the program teaches for `verb` agree with the dictionary; a message
// when they do not.
std::string Disagreement(const Text& verb, const Reference& ref) {
    std::optional<VerbForms> forms = Conjugate(verb);
    if (!forms)
        return U8(verb) + ": no forms, the dictionary has " + U8(ref.er.front());
    if (!OneOf(forms->er, ref.er))
        return U8(verb) + ": er " + U8(forms->er) + ", the dictionary has " + U8(ref.er.front());
    if (!ref.du.empty() && !OneOf(forms->du, ref.du))
        return U8(verb) + ": du " + U8(forms->du) + ", the dictionary has " + U8(ref.du.front());
    return {};
}

TEST(ConjugationReference, EveryDictionaryVerbIsTaughtAsTheDictionarySays) {
    const std::map<Text, Reference> reference = LoadReference();
    ASSERT_GT(reference.size(), 500u) << "data/reference/er_forms.txt is missing or short";
    for (const auto& [verb, ref] : reference) {
        const std::string problem = Disagreement(verb, ref);
        EXPECT_TRUE(problem.empty()) << problem;
    }
}

} // namespace
} // namespace tamurik
