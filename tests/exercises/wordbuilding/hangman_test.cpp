// The hangman's word, its mask and what a chosen letter uncovers.

#include "exercises/wordbuilding/hangman.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

TEST(HangmanWord, MarksBlanksAndTheExplanationAreNotPartOfTheWord) {
    EXPECT_EQ(HangmanWord(U"1l2as.s3en"), U"lassen");
    EXPECT_EQ(HangmanWord(U"1sch2uf.t3en = schwer arbeiten, sich plagen"), U"schuften");
    EXPECT_EQ(HangmanWord(U"1f2ah-r3en"), U"fahren");
    EXPECT_EQ(HangmanWord(U""), U"");
    EXPECT_EQ(HangmanWord(U"= nur Erklärung"), U"");
}

TEST(HangmanMask, VowelsAndConsonantsAreHiddenOtherCharactersShown) {
    EXPECT_EQ(BuildMask(U"lassen"), U" . _ . . _ .");
    EXPECT_EQ(BuildMask(U"süßen"), U" . _ . _ .") << "ß is a consonant";
    EXPECT_EQ(BuildMask(U"Yak"), U" . _ .") << "y is a consonant";
    EXPECT_EQ(BuildMask(U"Ärger"), U" _ . . _ .");
    EXPECT_EQ(BuildMask(U"ab'c"), U" _ . ' .");
    EXPECT_EQ(BuildMask(U""), U"");
}

TEST(HangmanChoice, TheWordIsSolvedWhenTheLastLetterIsFound) {
    Text mask = BuildMask(U"essen");
    EXPECT_FALSE(ChooseLetter(U"essen", mask, U'e').solved);
    EXPECT_FALSE(ChooseLetter(U"essen", mask, U's').solved);
    EXPECT_TRUE(ChooseLetter(U"essen", mask, U'n').solved);
    EXPECT_EQ(mask, U" e s s e n");

    // Capitals are uncovered by the lower-case letter.
    mask = BuildMask(U"Ölen");
    const LetterOutcome o = ChooseLetter(U"Ölen", mask, U'ö');
    EXPECT_TRUE(o.inWord);
    EXPECT_TRUE(o.firstTime);
    EXPECT_EQ(mask, U" Ö . _ .");
    EXPECT_FALSE(ChooseLetter(U"Ölen", mask, U'ö').firstTime);

    // Underscores or dots in the word do not block the win.
    const Text word = U"a_b";
    mask = BuildMask(word);
    ChooseLetter(word, mask, U'a');
    EXPECT_TRUE(ChooseLetter(word, mask, U'b').solved);
    EXPECT_FALSE(IsSolved(U"ab", U" a"));
}

} // namespace
} // namespace tamurik
