#include "exercises/syllables/syllable_rules.h"

#include "core/random.h"
#include "tests/core/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tamurik {
namespace {

using test::TempDir;

std::size_t CountWith(const std::vector<Text>& table, TextView part) {
    return static_cast<std::size_t>(std::count_if(
        table.begin(), table.end(), [&](const Text& entry) { return Contains(entry, part); }));
}

int IndexOf(const std::vector<Text>& table, TextView entry) {
    const auto found = std::find(table.begin(), table.end(), entry);
    EXPECT_NE(found, table.end()) << "no table entry " << ToUtf8(entry);
    return static_cast<int>(found - table.begin());
}

// Always the same number: every draw takes the same entry.
class ConstantRandom : public RandomSource {
public:
    explicit ConstantRandom(double r) : r_(r) {}
    double Next() override {
        ++calls;
        return r_;
    }
    int calls = 0;

private:
    double r_;
};

class SyllableTablesTest : public ::testing::Test {
protected:
    void SetUp() override { BuildSyllableTables(tables_); }
    SyllableTables tables_;
};

TEST_F(SyllableTablesTest, TablesHoldTheirEntriesInOrderWithRepeats) {
    ASSERT_EQ(tables_.OnsetTable.size(), 46u);
    ASSERT_EQ(tables_.PatternTable.size(), 412u);
    ASSERT_EQ(tables_.EndingTable.size(), 7u);
    EXPECT_EQ(CountWith(tables_.PatternTable, U"."), 246u);
    EXPECT_EQ(CountWith(tables_.PatternTable, U"-"), 166u);
    std::size_t withPair = 0;
    for (const Text& entry : tables_.PatternTable) {
        for (const Text pair : {U"ei", U"au", U"äu", U"eu", U"aa", U"ee"}) {
            if (Contains(entry, pair)) {
                ++withPair;
                break;
            }
        }
    }
    EXPECT_EQ(withPair, 47u);
    EXPECT_EQ(std::count(tables_.OnsetTable.begin(), tables_.OnsetTable.end(), U"pf"), 2);
    EXPECT_EQ(std::count(tables_.EndingTable.begin(), tables_.EndingTable.end(), U"en"), 5);

    // Building again starts from empty tables; clearing leaves nothing to draw from.
    BuildSyllableTables(tables_);
    EXPECT_EQ(tables_.PatternTable.size(), 412u);
    tables_.Clear();
    EXPECT_TRUE(tables_.empty());
}

TEST_F(SyllableTablesTest, EveryWordThatPassesIsWellFormed) {
    std::size_t passed = 0;
    for (const Text& b : tables_.OnsetTable) {
        for (const Text& m : tables_.PatternTable) {
            for (const Text& e : tables_.EndingTable) {
                const QuatschWord word = MadeUpWord(b, m, e);
                if (RejectionOf(word) != Rejection::None)
                    continue;
                ++passed;
                const Text& s = word.Separated;
                SCOPED_TRACE(ToUtf8(s));
                ASSERT_FALSE(StartsWith(s, U"quu") || StartsWith(s, U"quü") ||
                             StartsWith(s, U"ji"));
                for (const Text pair : {U"ei", U"au", U"äu", U"eu", U"aa", U"ee", U"oo", U"ai"})
                    ASSERT_FALSE(Contains(s, pair));
                ASSERT_EQ(s.back(), U'n');
                // Exactly one separator, and it decides the vowel length.
                ASSERT_EQ(
                    std::count(s.begin(), s.end(), U'.') + std::count(s.begin(), s.end(), U'-'), 1);
                ASSERT_NE(IsShortVowel(s), IsLongVowel(s));
                ASSERT_EQ(word.Plain.size() + 1, s.size());
                ASSERT_EQ(RemoveChars(word.Marked, U"123"), s);
            }
        }
    }
    // The vowel-pair entries and a few beginnings drop out; most combinations stay.
    EXPECT_GT(passed, 46u * 365u * 7u * 9u / 10u);
    EXPECT_LT(passed, 46u * 365u * 7u);
}

// The first rule that holds names the reason: "quü" before the vowel pair "äu" would not apply,
// so that one is a vowel pair; a blocked word is blocked before anything else. Near misses pass:
// "qu" or "j" with another vowel, a blocked word's longer relative.
TEST(RejectionTest, EachRuleTurnsItsWordDown) {
    struct Case {
        TextView b, m, e;
        Rejection rejection;
    };
    const Case cases[] = {
        {U"p", U"im.p", U"ern", Rejection::Blocked},  {U"h", U"u-r", U"en", Rejection::Blocked},
        {U"f", U"i.ck", U"en", Rejection::Blocked},   {U"b", U"um.s", U"en", Rejection::Blocked},
        {U"qu", U"uh-l", U"en", Rejection::QuU},      {U"qu", U"üh-l", U"en", Rejection::QuUe},
        {U"j", U"in.d", U"en", Rejection::Ji},        {U"b", U"ei-b", U"en", Rejection::VowelPair},
        {U"h", U"aa-r", U"en", Rejection::VowelPair}, {U"t", U"oo-t", U"en", Rejection::VowelPair},
        {U"m", U"ai-l", U"en", Rejection::VowelPair}, {U"qu", U"äu-", U"en", Rejection::VowelPair},
        {U"qu", U"ü-r", U"en", Rejection::QuUe},      {U"qu", U"a.ck", U"en", Rejection::None},
        {U"j", U"a.ck", U"en", Rejection::None},      {U"sch", U"u-r", U"en", Rejection::None},
        {U"b", U"a.ck", U"en", Rejection::None}};
    for (const Case& c : cases)
        EXPECT_EQ(RejectionOf(MadeUpWord(c.b, c.m, c.e)), c.rejection)
            << ToUtf8(c.b) << ToUtf8(c.m);
}

TEST(JudgementTest, SeparatorDecidesTheVowelAndTheListDecidesReality) {
    const QuatschWord backen = MadeUpWord(U"b", U"a.ck", U"en");
    EXPECT_EQ(backen.Marked, U"1b2a.ck3en");
    EXPECT_EQ(backen.Separated, U"ba.cken");
    EXPECT_EQ(backen.Plain, U"backen");
    EXPECT_TRUE(backen.Generated);
    EXPECT_TRUE(IsShortVowel(backen.Separated));
    EXPECT_FALSE(IsLongVowel(backen.Separated));
    const QuatschWord wackeln = MadeUpWord(U"w", U"a.ck", U"eln");
    EXPECT_EQ(wackeln.Separated, U"wa.ckeln");
    EXPECT_TRUE(IsShortVowel(wackeln.Separated));
    EXPECT_TRUE(IsLongVowel(U"ba-den"));
    EXPECT_FALSE(IsShortVowel(U"ba-den"));
    // A line without any mark is neither.
    EXPECT_FALSE(IsShortVowel(U"gehen") || IsLongVowel(U"gehen"));

    TempDir folder;
    const WorkDir dir(folder.path());
    EXPECT_FALSE(IsListedVerb(dir, U"1b2a-d3en")) << "no verb list: nothing is real";
    folder.Write("ZAHLVERB.TXT", "\r\n1k2o.ch3en\r\n1b2a-d3en = sich waschen\r\n");
    // A made-up word that equals a listed verb part for part counts as real.
    EXPECT_TRUE(IsListedVerb(dir, MadeUpWord(U"b", U"a-d", U"en").Marked));
    EXPECT_TRUE(IsListedVerb(dir, U"1k2o.ch3en"));
    // The same letters with the parts marked differently are another word.
    EXPECT_FALSE(IsListedVerb(dir, U"1ba2-d3en"));
    EXPECT_FALSE(IsListedVerb(dir, backen.Marked));
    EXPECT_FALSE(IsListedVerb(dir, U""));
}

class NextWordTest : public ::testing::Test {
protected:
    void SetUp() override { BuildSyllableTables(tables_); }
    // Queues the draws of one made-up candidate.
    void QueueCandidate(TextView b, TextView m, TextView e) {
        random_.QueueDraw(IndexOf(tables_.OnsetTable, b), 46);
        random_.QueueDraw(IndexOf(tables_.PatternTable, m), 412);
        random_.QueueDraw(IndexOf(tables_.EndingTable, e), 7);
    }
    std::optional<QuatschWord> Next(int verbCount = 3) {
        return NextWord(tables_, dir_, random_, verbCount, &report_);
    }
    TempDir folder_;
    WorkDir dir_{folder_.path()};
    SyllableTables tables_;
    ScriptedRandom random_;
    WordSourceReport report_;
};

TEST_F(NextWordTest, ListedVerbDropsItsExplanation) {
    folder_.Write("ZAHLVERB.TXT",
                  "1k2o.ch3en\r\n1b2a-d3en = sich im Wasser waschen\r\n1f2in.d3en\r\n");
    folder_.Write("VERBEN.TXT", "baden\r\n");
    random_.QueueDraw(2, 3);
    random_.QueueDraw(1, 3);
    const std::optional<QuatschWord> word = Next();
    ASSERT_TRUE(word);
    EXPECT_EQ(word->Marked, U"1b2a-d3en");
    EXPECT_EQ(word->Separated, U"ba-den");
    EXPECT_EQ(word->Plain, U"baden");
    EXPECT_FALSE(word->Generated);
    EXPECT_TRUE(word->Beginning.empty() && word->Middle.empty() && word->End.empty());
    EXPECT_FALSE(report_.realVerbsMissing);
}

TEST_F(NextWordTest, MadeUpWordSkipsWhatTheWordFilesHold) {
    // The verb list holds ken.nen inside a longer line, the real verbs hold "erkennen"
    // (which contains kennen) and "schwimmen".
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n1pr2ü-f3en = ken.nen lernen\r\n");
    folder_.Write("VERBEN.TXT", "\r\nbacken, buk, gebacken\r\nerkennen\r\n");
    random_.QueueDraw(0, 3);
    QueueCandidate(U"k", U"en.n", U"en");  // ken.nen: in the verb list
    QueueCandidate(U"b", U"a.ck", U"en");  // ba.cken: a real verb
    QueueCandidate(U"j", U"in.d", U"en");  // jin.den: begins with "ji"
    QueueCandidate(U"w", U"a.ck", U"eln"); // wa.ckeln: free
    std::optional<QuatschWord> word = Next();
    ASSERT_TRUE(word);
    EXPECT_EQ(word->Separated, U"wa.ckeln");
    EXPECT_EQ(word->Marked, U"1w2a.ck3eln");
    EXPECT_EQ(word->Plain, U"wackeln");
    EXPECT_TRUE(word->Generated);
    EXPECT_EQ(word->Beginning, U"w");
    EXPECT_EQ(word->Middle, U"a.ck");
    EXPECT_EQ(word->End, U"eln");

    // ken.nen is refused by the real verb "erkennen" alone, too.
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n");
    random_.Clear();
    random_.QueueDraw(0, 3);
    QueueCandidate(U"k", U"en.n", U"en");
    QueueCandidate(U"f", U"a.ck", U"eln");
    word = Next();
    ASSERT_TRUE(word);
    EXPECT_EQ(word->Separated, U"fa.ckeln");

    // Without that line ken.nen is a fine made-up word: the files count as they are now.
    folder_.Write("VERBEN.TXT", "backen\r\n");
    random_.Clear();
    random_.QueueDraw(0, 3);
    QueueCandidate(U"k", U"en.n", U"en");
    word = Next();
    ASSERT_TRUE(word);
    EXPECT_EQ(word->Separated, U"ken.nen");
}

TEST_F(NextWordTest, WithoutRealVerbsOnlyListedVerbsAreDrawn) {
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n1b2a-d3en\r\n1f2in.d3en\r\n");
    random_.QueueDraw(0, 3);
    QueueCandidate(U"w", U"a.ck", U"eln");
    random_.QueueDraw(2, 3);
    const std::optional<QuatschWord> word = Next();
    ASSERT_TRUE(word);
    EXPECT_FALSE(word->Generated);
    EXPECT_EQ(word->Marked, U"1f2in.d3en");
    EXPECT_TRUE(report_.realVerbsMissing);
}

TEST_F(NextWordTest, RealVerbsThatRefuseEverythingCannotFreezeTheDraw) {
    // Every draw takes the first entry: bl + ah-l + en, whose plain form is a real verb here.
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n1b2a-d3en\r\n");
    folder_.Write("VERBEN.TXT", "blahlen\r\n");
    ConstantRandom first(0.0);
    const std::optional<QuatschWord> word = NextWord(tables_, dir_, first, 2, &report_);
    ASSERT_TRUE(word);
    EXPECT_FALSE(word->Generated);
    EXPECT_EQ(word->Marked, U"1k2o.ch3en");
    EXPECT_EQ(first.calls, 1 + 3 * kMaxCandidates + 1);
    EXPECT_FALSE(report_.realVerbsMissing);
}

TEST_F(NextWordTest, ShortenedOrEmptyVerbListNeverGivesAnEmptyWord) {
    // Counted 10 lines at start; now there are three, one of them empty and one without a word.
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n\r\n = nur eine Erklärung\r\n");
    for (double r : {0.0, 0.5, 0.999}) {
        random_.Clear();
        random_.Queue(r);
        const std::optional<QuatschWord> word = PickListedVerb(dir_, random_, 10);
        ASSERT_TRUE(word);
        EXPECT_EQ(word->Marked, U"1k2o.ch3en");
    }
    // Lines after the counted ones are not drawn.
    folder_.Write("ZAHLVERB.TXT", "1k2o.ch3en\r\n1b2a-d3en\r\n1f2in.d3en\r\n");
    random_.Clear();
    random_.Queue(0.999);
    EXPECT_EQ(PickListedVerb(dir_, random_, 2)->Marked, U"1b2a-d3en");

    folder_.Write("ZAHLVERB.TXT", "\r\n\r\n");
    EXPECT_FALSE(PickListedVerb(dir_, random_, 2));
    random_.Clear();
    random_.QueueDraw(1, 3);
    EXPECT_FALSE(Next());
    std::filesystem::remove(folder_.path() / "ZAHLVERB.TXT");
    EXPECT_FALSE(PickListedVerb(dir_, random_, 2));
}

} // namespace
} // namespace tamurik
