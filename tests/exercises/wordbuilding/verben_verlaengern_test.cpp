// Verben verlängern's rules: which verbs and forms hide a doubtful letter, what a child would
// write by ear instead, how keys choose a button, how the forms are cut for drawing, and the
// whole shipped verb list against an independent dictionary.

#include "exercises/wordbuilding/verben_verlaengern.h"

#include "core/conjugation.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace tamurik {
namespace {

std::string U8(TextView text) {
    return ToUtf8(text);
}

// "du le|b|st p": person, the cut form, the by-ear letters; "*" marks a changed vowel.
std::string Cut(const LengtheningQuestion& q) {
    std::string text = q.person == Person::Ich ? "ich " : q.person == Person::Du ? "du " : "er ";
    text += U8(q.before + U"|" + q.hidden + U"|" + q.after);
    for (const Text& letters : q.byEar)
        text += " " + U8(letters);
    return text + (q.vowelChange ? "*" : "");
}

std::string Cuts(TextView verb, const std::set<Text>& known) {
    std::string text;
    for (const LengtheningQuestion& q : LengtheningQuestions(verb, known))
        text += (text.empty() ? "" : "; ") + Cut(q);
    return text;
}

std::string Pieces(const MarkedPieces& p) {
    return U8(p.before + U"|" + p.middle + U"|" + p.after);
}

const std::vector<Text> kLines{U"1l2e-b3en",  U"1k2om.m3en", U"1r2ei-ß3en", U"1r2ei-s3en",
                               U"1f2al.l3en", U"1f2äl.l3en", U"1gr2ü-ß3en"};

TEST(VerbenVerlaengern, TheDoubtAtTheEndOfTheStem) {
    const std::vector<std::pair<TextView, std::optional<Doubt>>> cases{
        {U"leben", Doubt::FinalDevoicing},
        {U"reden", Doubt::FinalDevoicing},
        {U"sorgen", Doubt::FinalDevoicing},
        {U"kommen", Doubt::DoubleConsonant},
        {U"schrubben", Doubt::DoubleConsonant},
        {U"küssen", Doubt::SharpS},
        {U"grüßen", Doubt::SharpS},
        {U"singen", std::nullopt},
        {U"reisen", std::nullopt},
        {U"sammeln", std::nullopt},
        {U"ben", std::nullopt},
        {U"", std::nullopt},
    };
    for (const auto& [verb, doubt] : cases)
        EXPECT_EQ(StemDoubt(verb), doubt) << U8(verb);
}

TEST(VerbenVerlaengern, FormsWhoseEndingLeavesTheDoubtUnheard) {
    const std::set<Text> known = KnownShortForms(kLines);
    const std::vector<std::pair<TextView, std::string>> cases{
        {U"leben", "du le|b|st p; er le|b|t p"},
        {U"kommen", "du ko|mm|st m; er ko|mm|t m"},
        {U"grüßen", "du grü|ß|t s ss; er grü|ß|t s ss"},
        {U"küssen", "du kü|ss|t s ß; er kü|ss|t s ß"},
        // "reist" is a form of reisen and "ist" one of sein: second right answers.
        {U"reißen", "du rei|ß|t ss; er rei|ß|t ss"},
        {U"essen", "du i|ss|t ß*; er i|ss|t ß*"},
        {U"geben", "du gi|b|st p*; er gi|b|t p*"},
        {U"können", "ich ka|nn| n*; du ka|nn|st n*; er ka|nn| n*"},
        {U"laden", "du lä|d|st t*; er lä|d|t t*"},
        {U"werden", "er wir|d| t*"}, // du wirst has lost the d
        // A vowel in the ending lets the letter be heard; a changed consonant would mislead.
        {U"reden", ""},
        {U"nehmen", ""},
        {U"wissen", ""},
        {U"haben", ""},
    };
    for (const auto& [verb, cuts] : cases)
        EXPECT_EQ(Cuts(verb, known), cuts) << U8(verb);
    // With a verb "komen" in the list, komt would be right too: kommen is not asked.
    EXPECT_EQ(Cuts(U"kommen", KnownShortForms({U"1k2o-m3en"})), "");
}

TEST(VerbenVerlaengern, KeysChooseAButtonByNumberOrByItsLetters) {
    struct Case {
        std::vector<Text> buttons;
        TextView keys; // "\n" is Enter
        std::optional<std::size_t> chosen;
    };
    const std::vector<Case> cases{
        {{U"b", U"p"}, U"P", 1},          {{U"b", U"p"}, U"2", 1},
        {{U"b", U"p"}, U"3", {}},         {{U"b", U"p"}, U"xb", 0},
        {{U"m", U"mm"}, U"m", {}},        {{U"m", U"mm"}, U"mm", 1},
        {{U"m", U"mm"}, U"m\n", 0},       {{U"s", U"ß", U"ss"}, U"ß", 1},
        {{U"s", U"ß", U"ss"}, U"\n", {}},
    };
    for (const Case& c : cases) {
        ButtonKeys keys(c.buttons);
        std::optional<std::size_t> chosen;
        for (char32_t key : c.keys)
            if (!chosen)
                chosen = key == U'\n' ? keys.Confirm() : keys.Type(key);
        EXPECT_EQ(chosen, c.chosen) << U8(c.keys) << " on " << U8(c.buttons.back());
    }
}

TEST(VerbenVerlaengern, FormsAreCutForDrawingWithTheirPartMarks) {
    for (const auto& [marked, cut] :
         std::vector<std::pair<TextView, std::string>>{{U"1l2e-b3en", "1l2e·|2b|3en"},
                                                       {U"1b2au-3en", "1b2au·|3e|3n"},
                                                       {U"leben", "leben||"},
                                                       {U"1b2a-", "1b2a·||"}})
        EXPECT_EQ(Pieces(SplitAtBoundary(marked)), cut);
    const std::set<Text> known = KnownShortForms(kLines);
    for (const auto& [marked, cut] :
         std::vector<std::pair<TextView, std::string>>{{U"1g2e-b3en", "1g2i|2b|3t"},
                                                       {U"12es.s3en", "12i|2ss|3t"},
                                                       {U"1k2ön.n3en", "1k2a|2nn|"},
                                                       {U"leben", "le|b|t"}}) {
        const auto questions = LengtheningQuestions(CleanWord(marked), known);
        ASSERT_FALSE(questions.empty()) << U8(marked);
        EXPECT_EQ(Pieces(MarkedShortForm(marked, questions.back())), cut);
    }
}

// The dictionary's er and du forms, each list framed by ";" so that a form is found whole.
std::map<Text, std::pair<Text, Text>> DictionaryForms() {
    const WorkDir dir(std::filesystem::path(TAMURIK_DATA_DIR) / "reference");
    std::map<Text, std::pair<Text, Text>> forms;
    for (const Text& line : dir.ReadLines("er_forms.txt").value_or(std::vector<Text>{})) {
        const std::size_t tab1 = line.find(U'\t');
        const std::size_t tab2 = line.find(U'\t', tab1 + 1);
        if (!line.starts_with(U'#') && tab2 != Text::npos)
            forms[line.substr(0, tab1)] = {U";" + line.substr(tab1 + 1, tab2 - tab1 - 1) + U";",
                                           U";" + line.substr(tab2 + 1) + U";"};
    }
    return forms;
}

TEST(VerbenVerlaengern, EveryShippedVerbThatQualifiesAsksARightForm) {
    const WorkDir data{std::filesystem::path(TAMURIK_DATA_DIR)};
    const std::vector<Text> lines = data.ReadLines("ZAHLVERB.TXT").value_or(std::vector<Text>{});
    const std::map<Text, std::pair<Text, Text>> dictionary = DictionaryForms();
    ASSERT_GT(dictionary.size(), 500u);
    const std::set<Text> known = KnownShortForms(lines);
    std::map<std::string, int> perPhenomenon;
    for (const Text& line : lines) {
        const Text verb = CleanWord(line);
        const std::vector<LengtheningQuestion> questions = LengtheningQuestions(verb, known);
        if (questions.empty())
            continue;
        const VerbForms forms = Conjugate(verb).value();
        const auto entry = dictionary.find(verb);
        bool vowelChange = false;
        for (const LengtheningQuestion& q : questions) {
            const bool er = q.person == Person::Er;
            EXPECT_EQ(q.form(), er ? forms.er : q.person == Person::Du ? forms.du : forms.ich);
            // The dictionary gives no ich forms, and du forms only for some verbs.
            const Text accepted = entry == dictionary.end() || q.person == Person::Ich ? U";;"
                                  : er ? entry->second.first
                                       : entry->second.second;
            EXPECT_TRUE(accepted == U";;" || Contains(accepted, U";" + q.form() + U";"))
                << U8(verb) << ": " << U8(q.form()) << " against " << U8(accepted);
            EXPECT_TRUE(Contains(verb, q.hidden)) << U8(verb) << ": the long form lacks them";
            for (const Text& wrong : q.byEar)
                EXPECT_FALSE(known.contains(q.before + wrong + q.after)) << U8(verb);
            vowelChange = vowelChange || q.vowelChange;
        }
        const Doubt doubt = questions.front().doubt;
        ++perPhenomenon[doubt == Doubt::FinalDevoicing    ? "Auslautverhärtung"
                        : doubt == Doubt::DoubleConsonant ? "Doppelkonsonant"
                                                          : "ß/ss"];
        perPhenomenon["Vokalwechsel"] += vowelChange;
    }
    for (const auto& [phenomenon, count] : perPhenomenon)
        EXPECT_GT(count, 0) << phenomenon;
    EXPECT_EQ(perPhenomenon.size(), 4u);
}

} // namespace
} // namespace tamurik
