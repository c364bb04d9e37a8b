// The verb phenomena: a hand-made table of shipped verbs checked against the whole shipped
// list, the rules every verb follows, and which phenomena an answer counts for.

#include "learning/phenomena.h"
#include "learning/record.h"

#include "core/conjugation.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace tamurik {
namespace {

// The keys of the phenomena, joined by blanks: how a table row reads.
std::string Keys(const std::vector<Phenomenon>& phenomena) {
    std::string keys;
    for (Phenomenon p : phenomena)
        keys += (keys.empty() ? "" : " ") + std::string(InfoOf(p).key);
    return keys;
}

std::vector<Text> ShippedMarkedWords() {
    const WorkDir data(TAMURIK_DATA_DIR);
    const std::optional<std::vector<Text>> lines = ReadWordLines(data, "ZAHLVERB.TXT");
    EXPECT_TRUE(lines.has_value());
    std::vector<Text> words;
    for (const Text& line : lines.value_or(std::vector<Text>{}))
        words.push_back(MarkedWord(line));
    return words;
}

// Written by hand from German spelling: the stem vowel's length and marking, what follows a
// short vowel, the vowel change of the strong verbs (du form), the ending, and b, d, g at the
// end of the stem; each row gives the phenomena, then shipped verbs that have exactly these.
// Every verb also has its syllable boundary ("silbengrenze"), added below.
const std::pair<std::string, std::string> kHandMade[] = {
    {"kurz_ck", "1b2a.ck3en 1tr2ock.n3en 1kl2eck.s3en"},
    {"lang_unmarkiert auslautverhaertung", "1b2a-d3en 1s2a-g3en 1b2e-b3en"},
    {"kurz_doppelkonsonant",
     "1b2el.l3en 1k2om.m3en 12öff.n3en 1w2app.n3en 1h2err.sch3en 1f2as.s3en"},
    {"kurz_tz", "1bl2it.z3en 1sch2ät.z3en 1s2it.z3en"},
    {"kurz_konsonantengruppe auslautverhaertung", "1b2in.d3en"},
    {"lang_ie auslautverhaertung", "1b2ie-g3en 1l2ie-b3en"},
    {"lang_h wechsel_a_ae", "1f2ah-r3en"},
    {"lang_unmarkiert wechsel_e_i auslautverhaertung", "1g2e-b3en"},
    {"lang_unmarkiert wechsel_e_ie", "1l2e-s3en"},
    {"lang_unmarkiert silbentrennendes_h wechsel_e_ie", "1s2e-h3en"},
    {"zwielaut wechsel_au_aeu", "1l2au-f3en"},
    {"lang_unmarkiert sz_nach_lang wechsel_o_oe", "1st2o-ß3en"},
    {"lang_unmarkiert sz_nach_lang", "1gr2ü-ß3en 1sp2a-ß3en"},
    {"lang_doppelvokal", "12aa-l3en 1l2ee-r3en 1t2ee-r3en"},
    {"zwielaut", "1b2au-3en 1l2ai-ch3en"},
    {"zwielaut endung_ern", "1f2ei-3ern 1schl2eu-d3ern"},
    {"lang_unmarkiert silbentrennendes_h", "1dr2e-h3en 1bl2ü-h3en"},
    {"kurz_konsonantengruppe",
     "1f2i.sch3en 1h2e.x3en 1s2in.g3en 1br2in.g3en 1d2amp.f3en 12ach.t3en 1l2er.n3en 1w2id.m3en"},
    {"kurz_konsonantengruppe wechsel_e_i", "1br2e.ch3en 1h2el.f3en 1w2er.f3en"},
    {"kurz_doppelkonsonant auslautverhaertung", "12eg.g3en 1schr2ub.b3en"},
    {"lang_h", "1w2oh-n3en"},
    {"lang_h wechsel_e_i", "1n2eh-m3en"},
    {"kurz_doppelkonsonant wechsel_a_ae", "1f2al.l3en 1l2as.s3en"},
    {"lang_unmarkiert wechsel_a_ae", "1schl2a-f3en"},
    {"kurz_tz endung_eln", "1kr2it.z3eln"},
    {"zwielaut auslautverhaertung", "1schr2ei-b3en 1kl2ei-d3en"},
    {"lang_unmarkiert", "1qu2a-k3en 1thr2o-n3en 12u-z3en"},
    {"lang_ie", "1qu2ie-k3en 1h2ie-v3en"},
    {"zwielaut sz_nach_lang endung_eln", "1m2ei-ß3eln"},
};

// The words of a text, split at blanks.
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The table's keys in the order of AllPhenomena, with the syllable boundary every verb has.
std::string Expected(const std::string& keys) {
    std::set<std::string> wanted{"silbengrenze"};
    for (const std::string& key : Words(keys))
        wanted.insert(key);
    std::vector<Phenomenon> ordered;
    for (const PhenomenonInfo& info : AllPhenomena())
        if (wanted.erase(std::string(info.key)) > 0)
            ordered.push_back(info.phenomenon);
    EXPECT_TRUE(wanted.empty()) << "unknown key " << *wanted.begin();
    return Keys(ordered);
}

TEST(Phenomena, TheHandMadeTableHoldsForTheShippedList) {
    std::map<std::string, std::string> expected;
    for (const auto& [keys, verbs] : kHandMade)
        for (const std::string& verb : Words(verbs))
            expected[verb] = keys;
    ASSERT_GE(expected.size(), 60u);
    for (const Text& word : ShippedMarkedWords()) {
        const auto row = expected.find(ToUtf8(word));
        if (row == expected.end())
            continue;
        EXPECT_EQ(Keys(VerbPhenomena(word)), Expected(row->second)) << row->first;
        expected.erase(row);
    }
    for (const auto& [word, keys] : expected)
        ADD_FAILURE() << word << " is not in the shipped list";
}

TEST(Phenomena, EveryShippedVerbHasOneStemVowelAndItsBoundary) {
    using P = Phenomenon;
    const std::set<P> shortVowel{P::ShortDoubleConsonant, P::ShortCk, P::ShortTz, P::ShortCluster};
    const std::set<P> longVowel{P::LongIe, P::LongH, P::LongDoubleVowel, P::LongUnmarked,
                                P::Diphthong};
    const std::set<P> change{P::ChangeEToI, P::ChangeEToIe, P::ChangeAToAe, P::ChangeAuToAeu,
                             P::ChangeOToOe};
    std::map<P, int> counts;
    const std::vector<Text> words = ShippedMarkedWords();
    ASSERT_GT(words.size(), 1000u);
    for (const Text& word : words) {
        const std::vector<P> tags = VerbPhenomena(word);
        const std::string name = ToUtf8(word);
        const auto count = [&](const std::set<P>& of) {
            return std::count_if(tags.begin(), tags.end(), [&](P p) { return of.contains(p); });
        };
        const bool isShort = Contains(word, U'.');
        EXPECT_EQ(count(isShort ? shortVowel : longVowel), 1) << name;
        EXPECT_EQ(count(isShort ? longVowel : shortVowel), 0) << name;
        EXPECT_TRUE(std::find(tags.begin(), tags.end(), P::SyllableBoundary) != tags.end()) << name;
        // Only a verb of the strong table changes its vowel.
        if (count(change) > 0) {
            EXPECT_TRUE(StrongVerbForms(CleanWord(word)).has_value()) << name;
        }
        for (P p : tags)
            ++counts[p];
    }
    // Each phenomenon the teacher can be shown occurs in the shipped list, and its stored key
    // leads back to it.
    std::set<std::string_view> keys;
    for (const PhenomenonInfo& info : AllPhenomena()) {
        EXPECT_GT(counts[info.phenomenon], 0) << info.key;
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_EQ(PhenomenonOfKey(info.key), info.phenomenon);
        EXPECT_EQ(InfoOf(info.phenomenon).key, info.key);
    }
    EXPECT_EQ(PhenomenonOfKey("unbekannt"), std::nullopt);
}

TEST(Phenomena, OddWordsGiveWhatTheyShowAndNeverBreak) {
    const std::pair<Text, std::string> rows[] = {
        {U"", ""},
        {U"-", "silbengrenze"},
        {U".", "silbengrenze"},
        {U"123", ""},
        // Without marks only what needs none: the ending, the vowel change, a devoiced stem.
        {U"sammeln", "endung_eln"},
        {U"geben", "wechsel_e_i auslautverhaertung"},
        // Upper case and an explanation after the word change nothing.
        {U"1G2E-B3EN = etwas reichen",
         "lang_unmarkiert wechsel_e_i silbengrenze auslautverhaertung"},
        // Made-up words are read by their marks like listed ones.
        {U"1schw2ö-ß3eln", "lang_unmarkiert sz_nach_lang silbengrenze endung_eln"},
        {U"1kn2a.ck3en", "kurz_ck silbengrenze"},
        {U"1bl2aa-p3en", "lang_doppelvokal silbengrenze"},
        {U".-.-.-", "silbengrenze"},
        // The first separator counts.
        {U"1b2a-.ck3en", "lang_unmarkiert silbengrenze"},
    };
    for (const auto& [word, keys] : rows)
        EXPECT_EQ(Keys(VerbPhenomena(word)), keys) << ToUtf8(word);
    const Text huge(100000, U'ä');
    EXPECT_EQ(Keys(VerbPhenomena(huge + U"-" + huge)), "lang_unmarkiert silbengrenze");
}

TEST(Phenomena, AnAnswerCountsForWhatWasAsked) {
    struct Row {
        const char* asked;
        Text item;
        std::string keys;
    };
    const Row rows[] = {
        {asked::kSeparator, U"1g2e-b3en", "lang_unmarkiert silbengrenze"},
        {asked::kVowelLength, U"1g2e-b3en", "lang_unmarkiert"},
        {asked::kVowelLength, U"1h2ei-ß3en", "zwielaut sz_nach_lang"},
        // What is asked of the meaning, the order or a rhyme counts for no spelling.
        {asked::kReality, U"1k2om.m3en", ""},
        {asked::kOrder, U"1k2om.m3en", ""},
        {asked::kMeaning, U"1k2om.m3en", ""},
        {asked::kRhymePartner, U"1k2om.m3en", ""},
        {asked::kReading, U"1s2am.m3eln", "kurz_doppelkonsonant endung_eln"},
        {asked::kLetter, U"1dr2e-h3en", "lang_unmarkiert silbentrennendes_h"},
        {asked::kWordPart, U"1f2ei-3ern", "zwielaut endung_ern"},
        {asked::kSpelling, U"1g2e-b3en", "lang_unmarkiert"},
        {asked::kIchForm, U"1s2am.m3eln", "kurz_doppelkonsonant endung_eln"},
        {asked::kWirForm, U"1l2ie-b3en", "lang_ie"},
        {asked::kDuForm, U"1g2e-b3en", "wechsel_e_i auslautverhaertung"},
        {asked::kErForm, U"1f2ah-r3en", "wechsel_a_ae"},
        {asked::kErForm, U"1h2ei-ß3en", "sz_nach_lang"},
        {asked::kDuForm, U"1w2oh-n3en", ""},
        {asked::kLengthening, U"1l2e-b3en", "auslautverhaertung"},
        {asked::kLengthening, U"1k2om.m3en", "kurz_doppelkonsonant"},
        {asked::kLengthening, U"1r2ei-ß3en", "sz_nach_lang"},
        {asked::kLengthening, U"1l2au-f3en", "wechsel_au_aeu"},
        {asked::kLengthening, U"1f2eu-3ern", ""},
        {"unbekannt", U"1g2e-b3en", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Keys(AnswerPhenomena(row.asked, row.item)), row.keys)
            << row.asked << " " << ToUtf8(row.item);
}

} // namespace
} // namespace tamurik
