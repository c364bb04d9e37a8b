#include "core/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace tamurik {
namespace {

TEST(StrFormTest, NonNegativeNumbersGetOneLeadingBlank) {
    EXPECT_EQ(StrForm(5), U" 5");
    EXPECT_EQ(StrForm(0), U" 0");
    EXPECT_EQ(StrForm(-5), U"-5");
    EXPECT_EQ(StrForm(1234567890123LL), U" 1234567890123");
    EXPECT_EQ(Decimal(5), U"5");
    EXPECT_EQ(Decimal(-42), U"-42");
}

// The leading number counts, blanks anywhere are ignored, and text without one is zero.
TEST(NumericValueTest, LeadingNumberCounts) {
    const std::pair<TextView, double> cases[] = {
        {U"120 abc", 120}, {U"12abc", 12},  {U"120", 120}, {U"-3.5x", -3.5}, {U"+7", 7},
        {U"1.2.3", 1.2},   {U".5", 0.5},    {U"7.", 7},    {U" 1 2", 12},    {U"  - 4 0", -40},
        {U" 100 ", 100},   {U"Tamurik", 0}, {U"", 0},      {U"   ", 0},      {U"abc12", 0},
        {U"-", 0},         {U".", 0},       {U"--5", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(NumericValue(text), value) << ToUtf8(text);
    // A huge number stays finite.
    const Text digits(400, U'9');
    EXPECT_GT(NumericValue(digits), 1e300);
    EXPECT_LT(NumericValue(U"-" + digits), -1e300);
}

TEST(CaseTest, GermanLettersChangeCase) {
    EXPECT_EQ(ToUpper(U"läufst"), U"LÄUFST");
    EXPECT_EQ(ToLower(U"ÄÖÜ Straße"), U"äöü straße");
    EXPECT_EQ(ToUpper(U"ß"), U"ß");
    EXPECT_EQ(ToUpper(U"öü"), U"ÖÜ");
    EXPECT_EQ(ToLower(U'×'), U'×');
    EXPECT_EQ(ToUpper(U'÷'), U'÷');
    EXPECT_EQ(ToUpper(U"1.2-3="), U"1.2-3=");
    // Spaced: each letter followed by one blank, without the dropped ones.
    EXPECT_EQ(Spaced(U"läufst"), U"l ä u f s t ");
    EXPECT_EQ(Spaced(U""), U"");
    EXPECT_EQ(Spaced(U"1l2a-d3en", U"123.-"), U"l a d e n ");
    EXPECT_EQ(Spaced(U"123", U"123"), U"");
}

// Case is ignored, umlauts and ß sort as their base letters, blanks before digits.
TEST(TextLessTest, GermanOrder) {
    const std::pair<TextView, TextView> ordered[] = {
        {U"apfel", U"Birne"}, {U"anna", U"Bert"}, {U"ähnlich", U"b"},
        {U"Öl", U"pflügen"},  {U"über", U"vor"},  {U"Fuß", U"Fut"},
        {U"Fur", U"Fuß"},     {U"   6", U"  12"}, {U"  12", U"9999"}};
    for (const auto& [a, b] : ordered) {
        EXPECT_TRUE(TextLess(a, b)) << ToUtf8(a) << " < " << ToUtf8(b);
        EXPECT_FALSE(TextLess(b, a)) << ToUtf8(b) << " < " << ToUtf8(a);
    }
}

TEST(TextLessTest, OrderIsTotalForTextsEqualButForCase) {
    const Text a = U"Anna";
    const Text b = U"anna";
    EXPECT_NE(TextLess(a, b), TextLess(b, a));
    EXPECT_FALSE(TextLess(a, a));

    std::vector<Text> words = {U"anna", U"Bert", U"Anna", U"ärger", U"Zoe", U"bert"};
    std::sort(words.begin(), words.end(),
              [](const Text& x, const Text& y) { return TextLess(x, y); });
    const std::vector<Text> expected = {U"Anna", U"anna", U"ärger", U"Bert", U"bert", U"Zoe"};
    EXPECT_EQ(words, expected);
}

TEST(TextHelpersTest, SearchRemoveAndTrim) {
    EXPECT_TRUE(Contains(U"1la.u2f3en", U'.'));
    EXPECT_FALSE(Contains(U"1la-u2f3en", U'.'));
    EXPECT_TRUE(Contains(U"ab = darstellen", U" = "));
    EXPECT_TRUE(StartsWith(U"  5   120", U"  5"));
    EXPECT_FALSE(StartsWith(U" 15   120", U"  5"));
    EXPECT_FALSE(StartsWith(U"  ", U"  5"));
    EXPECT_EQ(RemoveChars(U"1la.u2f3en", U"123.-"), U"laufen");
    EXPECT_EQ(TrimBlanks(U"  Verdana  "), U"Verdana");
    EXPECT_EQ(TrimBlanks(U"   "), U"");
    EXPECT_EQ(TrimBlanks(U"Times New Roman"), U"Times New Roman");
}

TEST(Utf8Test, RoundTripAndInvalidBytes) {
    const Text word = U"läufst ß € 😀";
    EXPECT_EQ(FromUtf8(ToUtf8(word)), word);
    EXPECT_EQ(ToUtf8(U"ä"), "\xC3\xA4");
    // A Windows-1252 "ä" is no UTF-8: it becomes the replacement character.
    EXPECT_EQ(FromUtf8("l\xE4uft"), U"l\uFFFDuft");
    // Overlong form of "/" and an encoded surrogate are rejected.
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));
    EXPECT_TRUE(IsValidUtf8("l\xC3\xA4uft"));
}

} // namespace
} // namespace tamurik
