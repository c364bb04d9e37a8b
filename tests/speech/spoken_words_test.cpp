// What the speaker is handed: plain text that no engine reads as markup, and verbs cut into
// the syllables a child swings, each said the way it sounds in the word.

#include "core/spoken_words.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tamurik {
namespace {

TEST(SpokenTextTest, MarkupAndControlCharactersBecomeBlanks) {
    const struct {
        Text in;
        Text out;
    } cases[] = {
        {U"<b>fett</b>", U"b fett /b"},
        {U"<speak><break time='9s'/>x</speak>", U"speak break time='9s'/ x /speak"},
        {U"[[b'ak]] {laut} a\\b &amp;", U"b'ak laut a b amp;"},
        {U"  sich\tplagen,\r\nschwer arbeiten  ", U"sich plagen, schwer arbeiten"},
        {Text(U"a") + char32_t(0x01) + U"b" + char32_t(0x9B) + U"c", U"a b c"},
        {U"  \t ", U""},
        {U"läufst", U"läufst"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpokenText(c.in), c.out) << ToUtf8(c.in);
}

TEST(SpokenTextTest, AVeryLongTextIsCutAfterAWord) {
    Text words;
    while (words.size() < 3 * kMaxSpokenLength)
        words += U"warten ";
    const Text spoken = SpokenText(words);
    EXPECT_LE(spoken.size(), kMaxSpokenLength);
    EXPECT_GE(spoken.size(), kMaxSpokenLength - 7);
    EXPECT_EQ(spoken.substr(spoken.size() - 6), U"warten");

    const Text oneWord(5000, U'a');
    EXPECT_EQ(SpokenText(oneWord).size(), kMaxSpokenLength);
}

TEST(SpokenSyllablesTest, SplitAtTheSeparatorAndSaidAsInTheWord) {
    using S = SpokenSyllable;
    const struct {
        Text marked;
        std::vector<SpokenSyllable> syllables;
    } cases[] = {
        // A short stem vowel: the syllable is said closed, "ck" opens the next one as "k".
        {U"1b2a.ck3en", {S{U"back", {0, 2}}, S{U"ken", {2, 4}}}},
        {U"1schw2im.m3en", {S{U"schwimm", {0, 6}}, S{U"men", {6, 3}}}},
        {U"1f2in.d3en", {S{U"find", {0, 3}}, S{U"den", {3, 3}}}},
        {U"1br2e.ch3en", {S{U"brech", {0, 3}}, S{U"chen", {3, 4}}}},
        {U"12ach.t3en", {S{U"acht", {0, 3}}, S{U"ten", {3, 3}}}},
        {U"1w2a.ck3eln", {S{U"wack", {0, 2}}, S{U"keln", {2, 5}}}},
        // A long one: the syllables as they are written.
        {U"1l2e-b3en", {S{U"le", {0, 2}}, S{U"ben", {2, 3}}}},
        {U"1tr2ö-d3eln", {S{U"trö", {0, 3}}, S{U"deln", {3, 4}}}},
        {U"1b2au-3en", {S{U"bau", {0, 3}}, S{U"en", {3, 2}}}},
        // No separator where it could split: the word is one syllable.
        {U"1w2as3", {S{U"was", {0, 3}}}},
        {U".1ab", {S{U"ab", {0, 2}}}},
        {U"1ab3.", {S{U"ab", {0, 2}}}},
        // A control character from a damaged line is no letter.
        {Text(U"1b2a") + char32_t(0x07) + U"-d3en", {S{U"ba", {0, 2}}, S{U"den", {2, 3}}}},
        {U"", {}},
        {U"123.", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpokenSyllables(c.marked), c.syllables) << ToUtf8(c.marked);
}

TEST(ReadingStepsTest, EachSyllableLitThenTheWholeWordForEveryWord) {
    using R = ReadingStep;
    const std::vector<ReadingStep> steps =
        ReadingSteps({U"1b2a.ck3en", U"1w2as3", U"", U"<>", U"1p2a.ck3en"});
    const std::vector<ReadingStep> expected = {R{0, U"back", LetterRange{0, 2}},
                                               R{0, U"ken", LetterRange{2, 4}},
                                               R{0, U"backen", {}},
                                               R{1, U"was", {}},
                                               R{4, U"pack", LetterRange{0, 2}},
                                               R{4, U"ken", LetterRange{2, 4}},
                                               R{4, U"packen", {}}};
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(ReadingSteps({}).empty());
}

// Every verb the program ships is read in two syllables whose lit letters are exactly the
// written syllables, one after the other, and whose spoken form begins as it is written.
TEST(SpokenSyllablesTest, EveryShippedVerbSplitsIntoItsTwoWrittenSyllables) {
    const WorkDir data(TAMURIK_DATA_DIR);
    int checked = 0;
    for (const char* file : {"ZAHLVERB.TXT", "ZAHLREIM.TXT"}) {
        const auto lines = ReadWordLines(data, file);
        ASSERT_TRUE(lines) << file;
        for (const Text& line : *lines) {
            const Text marked = MarkedWord(line);
            const Text letters = CleanWord(line);
            const std::vector<SpokenSyllable> syllables = SpokenSyllables(marked);
            ASSERT_EQ(syllables.size(), 2u) << ToUtf8(line);
            const LetterRange first = syllables[0].letters;
            const LetterRange second = syllables[1].letters;
            EXPECT_EQ(first.first, 0);
            EXPECT_EQ(second.first, first.count);
            EXPECT_EQ(first.count + second.count, static_cast<int>(letters.size()));
            const Text written = RemoveChars(marked, U"123");
            const std::size_t boundary = written.find_first_of(U".-");
            EXPECT_EQ(letters.substr(0, static_cast<std::size_t>(first.count)),
                      written.substr(0, boundary));
            EXPECT_TRUE(StartsWith(syllables[0].spoken, written.substr(0, boundary)))
                << ToUtf8(line);
            ++checked;
        }
    }
    EXPECT_GT(checked, 1500);
}

} // namespace
} // namespace tamurik
