// The rhyme games' own rules: drawing nine pairs with different rhymes, the memory's board,
// writing a partner letter by letter, and the sets of the meaning exercise.

#include "exercises/rhymes/meaning_set.h"
#include "exercises/rhymes/memory_game.h"
#include "exercises/rhymes/rhyme_pairs.h"
#include "exercises/rhymes/rhyme_writing.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tamurik {
namespace {

// Nine pairs with nine different rhymes; the odd ones have a short, the even ones a long vowel.
std::vector<RhymePair> NinePairs() {
    return {{U"1b2a-d3en", U"1l2a-d3en"},     {U"1k2o.ch3en", U"1p2o.ch3en"},
            {U"1r2en.n3en", U"1tr2en.n3en"},  {U"1m2a-l3en", U"1z2ah-l3en"},
            {U"1w2i.ck3eln", U"1k2i.ck3eln"}, {U"1s2in.g3en", U"1kl2in.g3en"},
            {U"1h2o-l3en", U"1j2o-l3en"},     {U"1t2an.z3en", U"1gl2an.z3en"},
            {U"1z2ie-h3en", U"1fl2ie-h3en"}};
}

std::set<Text> Firsts(const std::vector<RhymePair>& set) {
    std::set<Text> firsts;
    for (const RhymePair& p : set)
        firsts.insert(p.first);
    return firsts;
}

TEST(RhymePairsTest, ListLinesPairUpAndALonelyLastLineIsLeftOut) {
    const auto pairs = RhymePairsOf({U"1b2a-d3en", U"1l2a-d3en", U"1k2o.ch3en"});
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0], (RhymePair{U"1b2a-d3en", U"1l2a-d3en"}));
    // A pair with a damaged line is left out; the pairs after it keep their lines.
    EXPECT_EQ(RhymePairsOf({U"1b2a-d3en", U"\x01", U"1k2o.ch3en", U"1p2o.ch3en"}),
              (std::vector<RhymePair>{{U"1k2o.ch3en", U"1p2o.ch3en"}}));
    EXPECT_EQ(RhymePart(U"1tr2en.n3en"), U"2en.n3en");
    EXPECT_EQ(RhymePart(U"rennen"), U"");
}

TEST(RhymePairsTest, EveryGameDrawsNineDifferentRhymes) {
    // Two extra pairs repeat rhymes already in the list: a set holding both of a repeat must
    // be drawn again.
    std::vector<RhymePair> pairs = NinePairs();
    pairs.push_back({U"1f2a-d3en", U"1schl2a-d3en"}); // same rhyme as "baden"
    pairs.push_back({U"1sp2o.ch3en", U"1k2o.ch3en"}); // same rhyme as "kochen"
    for (const RhymeDrawRules& rules : {kMemoryDraw, kFindenDraw, kSchreibenDraw}) {
        StdRandom random(7);
        for (int round = 0; round < 50; ++round) {
            const auto set = DrawRhymePairs(pairs, Stammvokal::Alle, rules, random);
            ASSERT_TRUE(set.has_value());
            ASSERT_EQ(set->size(), 9u);
            EXPECT_TRUE(RhymesDiffer(*set));
        }
    }
}

TEST(RhymePairsTest, ListsThatCannotServeEndInsteadOfDrawingForever) {
    std::vector<RhymePair> pairs = NinePairs();
    ScriptedRandom random;
    // A first verb without "2" can never be part of a set.
    pairs[4].first = U"wickeln";
    EXPECT_FALSE(DrawRhymePairs(pairs, Stammvokal::Alle, kFindenDraw, random).has_value());
    pairs[4].first = U"1f2a-d3en"; // rhymes with "baden"
    EXPECT_FALSE(DrawRhymePairs(pairs, Stammvokal::Alle, kSchreibenDraw, random).has_value());
    EXPECT_FALSE(DrawRhymePairs({}, Stammvokal::Alle, kMemoryDraw, random).has_value());
}

TEST(RhymePairsTest, MarkingAndBeginningsFollowTheGame) {
    ScriptedRandom random; // always the first open candidate
    const std::vector<RhymePair> pairs = NinePairs();
    const auto finden = DrawRhymePairs(pairs, Stammvokal::Alle, kFindenDraw, random);
    ASSERT_TRUE(finden.has_value());
    EXPECT_EQ(*finden, pairs) << "a used pair is not drawn again";
    // Without marking the same first pair comes every time, and no set is ever good.
    EXPECT_FALSE(DrawRhymePairs(pairs, Stammvokal::Alle, kSchreibenDraw, random).has_value());

    // "sch2uf.t3en" and "sch2ei-n3en" share the beginning "1sch2": the memory refuses the
    // second, the other games take it.
    std::vector<RhymePair> same = pairs;
    same[0] = {U"1sch2uf.t3en", U"1z2uf.t3en"};
    same[1] = {U"1sch2ei-n3en", U"1w2ei-n3en"};
    same.push_back({U"1st2e-h3en", U"1g2e-h3en"});
    const auto memory = DrawRhymePairs(same, Stammvokal::Alle, kMemoryDraw, random);
    ASSERT_TRUE(memory.has_value());
    EXPECT_FALSE(Firsts(*memory).contains(U"1sch2ei-n3en"));
    EXPECT_TRUE(Firsts(*memory).contains(U"1st2e-h3en"));
    const auto other = DrawRhymePairs(same, Stammvokal::Alle, kFindenDraw, random);
    ASSERT_TRUE(other.has_value());
    EXPECT_TRUE(Firsts(*other).contains(U"1sch2ei-n3en"));
}

class MemoryGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScriptedRandom random; // the same spread every time
        game_.Deal(NinePairs(), random);
    }
    // The two fields of a pair number.
    std::pair<int, int> FieldsOf(int pair) {
        int a = 0;
        for (int f = 1; f <= kMemoryFields; ++f) {
            if (game_.card(f).pair != pair)
                continue;
            if (a == 0)
                a = f;
            else
                return {a, f};
        }
        ADD_FAILURE() << "pair " << pair << " not on the board";
        return {0, 0};
    }

    MemoryGame game_;
};

TEST_F(MemoryGameTest, CardsAreSpreadAndPartnersDoNotAllLieSideBySide) {
    ASSERT_EQ(game_.cards().size(), 18u);
    int sideBySide = 0;
    std::multiset<int> numbers;
    for (int f = 1; f <= kMemoryFields; ++f) {
        numbers.insert(game_.card(f).pair);
        if (f % 2 == 1 && game_.card(f).pair == game_.card(f + 1).pair)
            ++sideBySide;
    }
    for (int pair = 1; pair <= 9; ++pair)
        EXPECT_EQ(numbers.count(pair), 2u);
    EXPECT_LT(sideBySide, 9);
}

TEST_F(MemoryGameTest, AWrongPairIsTurnedBackAtTheNextClickForAPoint) {
    // The first field starts the wrong pair, so that field 1 is turned back too.
    int other = 2;
    while (game_.card(other).pair == game_.card(1).pair)
        ++other;
    long long points = 1;
    game_.TurnCard(1, points);
    game_.TurnCard(other, points);
    const MemoryTurn turn = game_.TurnCard(FieldsOf(game_.card(1).pair).second, points);
    EXPECT_EQ(turn.coveredAgain[0], 1);
    EXPECT_EQ(turn.coveredAgain[1], other);
    EXPECT_EQ(points, 0);
    EXPECT_EQ(game_.firstPick(), FieldsOf(game_.card(1).pair).second);
    // At 0 points a wrong pair costs nothing more.
    game_.TurnCard(other, points);
    game_.TurnCard(1, points);
    EXPECT_EQ(points, 0);
}

TEST_F(MemoryGameTest, SameFieldTwiceIsNoPairAndTheLastPairFinishes) {
    long long points = 0;
    for (int pair = 1; pair <= 9; ++pair) {
        const auto [a, b] = FieldsOf(pair);
        game_.TurnCard(a, points);
        game_.TurnCard(a, points);
        EXPECT_EQ(game_.secondPick(), 0);
        const MemoryTurn turn = game_.TurnCard(b, points);
        EXPECT_EQ(turn.finished, pair == 9);
        EXPECT_EQ(std::make_pair(turn.pairFields[0], turn.pairFields[1]), std::make_pair(a, b));
        EXPECT_EQ(game_.firstPick(), 0) << "a found pair ends the turn";
    }
    EXPECT_EQ(points, 18);
}

TEST(RhymeWritingTest, LettersKeepTheirPartsAndTheRhymeIsHidden) {
    const auto letters = PartLetters(U"1kl2in.g3en");
    EXPECT_EQ(LettersOf(letters), U"klingen");
    std::string parts;
    for (const PartLetter& l : letters)
        parts += static_cast<char>('0' + l.part);
    EXPECT_EQ(parts, "1122233");
    EXPECT_EQ(MaskedRhyme(U"1kl2in.g3en"), U"kl_____");
    EXPECT_EQ(MaskedRhyme(U"ohne"), U"ohne");
    EXPECT_EQ(PartLetters(U"ab2c")[0].part, 0);
    // A letter is drawn with the mark of its part in front.
    EXPECT_EQ(MarkedLetter(letters.front()), U"1k");
    EXPECT_EQ(MarkedLetter(letters.back()), U"3n");
    EXPECT_EQ(MarkedLetter({U'a', 0}), U"a");
}

TEST(MeaningSetTest, FourDifferentLinesInFileOrderOrAllThereAre) {
    const std::vector<Text> lines{U"a = 1", U"b = 2", U"c = 3", U"d = 4", U"e = 5", U"f = 6"};
    ScriptedRandom random;
    random.QueueDraw(5, 6); // f
    random.QueueDraw(0, 5); // a
    random.QueueDraw(0, 4); // b
    random.QueueDraw(1, 3); // d
    EXPECT_EQ(DrawMeaningSet(lines, random),
              (std::vector<Text>{U"a = 1", U"b = 2", U"d = 4", U"f = 6"}));
    EXPECT_EQ(DrawMeaningSet({U"x = 1", U"y = 2"}, random).size(), 2u);
    EXPECT_TRUE(DrawMeaningSet({}, random).empty());
    EXPECT_EQ(MeaningAnswer(U"1s2äu-m3en = warten, zögern"), U" warten, zögern");
    EXPECT_EQ(MeaningVerb(U"1s2äu-m3en = warten, zögern"), U"1s2äu-m3en");
    EXPECT_EQ(MeaningAnswer(U"ohne"), U"");
    // The meaning line: the verb list line with its explanation, else the verb.
    const std::vector<Text> verbs{U"1sp2ie-l3en", U"1sch2uf.t3en = schwer arbeiten"};
    EXPECT_EQ(MeaningLine(verbs, U"1sch2uf.t3en"), U"schuften = schwer arbeiten");
    EXPECT_EQ(MeaningLine(verbs, U"1l2a-d3en"), U"laden");
    EXPECT_EQ(MeaningLine(verbs, U""), U"") << "an empty line of the list matches nothing";
}

} // namespace
} // namespace tamurik
