#include "core/mark_suggestion.h"

#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tamurik {
namespace {

std::vector<Text> Shipped(const std::string& name) {
    return WorkDir(TAMURIK_DATA_DIR).ReadLines(name).value_or(std::vector<Text>{});
}

TEST(MarkSuggestionTest, RulesMarkPlainVerbs) {
    struct Case {
        const char32_t* verb;
        const char32_t* marked; // empty: no suggestion
        SuggestionSource source;
    };
    const Case cases[] = {
        {U"schwimmen", U"1schw2im.m3en", SuggestionSource::Spelling},
        {U"Kennen ", U"1k2en.n3en", SuggestionSource::Spelling},
        {U"schimpfen", U"1sch2imp.f3en", SuggestionSource::Spelling},
        {U"backen", U"1b2a.ck3en", SuggestionSource::Spelling},
        {U"essen", U"12es.s3en", SuggestionSource::Spelling},
        {U"wachsen", U"1w2ach.s3en", SuggestionSource::Spelling},
        {U"boxen", U"1b2o.x3en", SuggestionSource::Spelling},
        {U"baden", U"1b2a-d3en", SuggestionSource::Spelling},
        {U"zahlen", U"1z2ah-l3en", SuggestionSource::Spelling},
        {U"lieben", U"1l2ie-b3en", SuggestionSource::Spelling},
        {U"grüßen", U"1gr2ü-ß3en", SuggestionSource::Spelling},
        {U"sehen", U"1s2e-h3en", SuggestionSource::Spelling},
        {U"bauen", U"1b2au-3en", SuggestionSource::Spelling},
        {U"feiern", U"1f2ei-3ern", SuggestionSource::Spelling},
        {U"segeln", U"1s2e-g3eln", SuggestionSource::Spelling},
        {U"quaken", U"1qu2a-k3en", SuggestionSource::Spelling},
        {U"1schw2im.m3en", U"1schw2im.m3en", SuggestionSource::Spelling},
        // The spelling does not tell: a short vowel is proposed, for the teacher to check.
        {U"lachen", U"1l2a.ch3en", SuggestionSource::Guess},
        {U"werden", U"1w2er.d3en", SuggestionSource::Guess},
        // Not simple verbs, or a shape the exercises do not teach.
        {U"verlieren", U"", SuggestionSource::None},
        {U"telefonieren", U"", SuggestionSource::None},
        {U"säen", U"", SuggestionSource::None},
        {U"Haus", U"", SuggestionSource::None},
        {U"", U"", SuggestionSource::None},
        {U"1ha2us", U"", SuggestionSource::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.verb));
        const MarkSuggestion suggestion = SuggestByRules(c.verb);
        EXPECT_EQ(ToUtf8(suggestion.marked), ToUtf8(c.marked));
        EXPECT_EQ(suggestion.source, c.source);
        EXPECT_FALSE(suggestion.reason.empty());
    }
}

TEST(MarkSuggestionTest, KnownVerbsKeepTheirMarksAndTeachTheirLikes) {
    const MarkSuggester suggester(
        {U"1l2a.ch3en", U"1s2u-ch3en = etwas finden wollen", U"1fl2u-ch3en", U"1b2ad3en kaputt"});
    EXPECT_EQ(suggester.knownCount(), 3u); // the faulty line is not learned
    const MarkSuggestion known = suggester.Suggest(U"suchen");
    EXPECT_EQ(known.marked, U"1s2u-ch3en");
    EXPECT_EQ(known.source, SuggestionSource::Known);
    EXPECT_FALSE(known.uncertain());

    const MarkSuggestion like = suggester.Suggest(U"machen");
    EXPECT_EQ(like.marked, U"1m2a.ch3en");
    EXPECT_EQ(like.source, SuggestionSource::Likeness);
    EXPECT_TRUE(like.uncertain());
    EXPECT_EQ(suggester.Suggest(U"buchen").marked, U"1b2u-ch3en");

    // Left out of what it is likened to, "lachen" has no like and is guessed.
    EXPECT_EQ(suggester.SuggestUnknown(U"lachen").source, SuggestionSource::Guess);
    EXPECT_EQ(suggester.SuggestUnknown(U"suchen").source, SuggestionSource::Likeness);
}

// How many shipped verbs the suggestion marks exactly as shipped when the verb itself is left
// out of the known verbs.
TEST(MarkSuggestionTest, ShippedVerbsLeftOutAreMarkedAsShipped) {
    const std::vector<Text> verbs = Shipped("ZAHLVERB.TXT");
    std::vector<Text> known = verbs;
    const std::vector<Text> rhymes = Shipped("ZAHLREIM.TXT");
    known.insert(known.end(), rhymes.begin(), rhymes.end());
    const MarkSuggester suggester(known);
    ASSERT_GT(verbs.size(), 1000u);
    std::size_t right = 0;
    std::size_t byLikeness = 0;
    for (const Text& line : verbs) {
        const Text marked = line.substr(0, line.find(U' '));
        const MarkSuggestion suggestion = suggester.SuggestUnknown(marked);
        right += suggestion.marked == marked ? 1 : 0;
        byLikeness += suggestion.source == SuggestionSource::Likeness ? 1 : 0;
    }
    std::printf("exactly right: %zu of %zu shipped verbs (%zu likened to known verbs)\n", right,
                verbs.size(), byLikeness);
    EXPECT_GE(right * 100, verbs.size() * 95);
}

} // namespace
} // namespace tamurik
