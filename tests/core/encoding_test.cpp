#include "core/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamurik {
namespace {

TEST(DecodeFileTextTest, Utf8WithAndWithoutByteOrderMark) {
    EXPECT_EQ(DecodeFileText("l\xC3\xA4uft"), U"läuft");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFl\xC3\xA4uft"), U"läuft");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF[Anfang]"), U"[Anfang]");
    // After a byte-order mark a damaged byte stays one damaged character; the rest is UTF-8.
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFl\xC3\xA4uft\r\nl\xE4uft"), U"läuft\r\nl\uFFFDuft");
}

TEST(DecodeFileTextTest, Utf16AfterItsByteOrderMark) {
    using namespace std::string_literals;
    // "läuft" CR LF, then a character outside the first plane (a surrogate pair).
    EXPECT_EQ(DecodeFileText("\xFF\xFEl\0\xE4\0u\0f\0t\0\r\0\n\0\x3D\xD8\x00\xDE"s),
              U"läuft\r\n\U0001F600");
    EXPECT_EQ(DecodeFileText("\xFE\xFF\0l\0\xE4\0u\xD8\x3D\xDE\x00"s), U"läu\U0001F600");
    // A lone half of a pair, or an odd byte at the end, is one damaged character.
    EXPECT_EQ(DecodeFileText("\xFF\xFE\x3D\xD8x\0y\0z\0\x00\xDEw"s), U"\uFFFDxyz\uFFFD\uFFFD");
    EXPECT_EQ(DecodeFileText("\xFF\xFE"), U"");
    // "þÿ" and "ÿþ" starting a Windows-1252 text: without zero bytes it is no UTF-16 (a
    // fuzzing find: a damaged best list whose first record began so was written back and then
    // read as UTF-16, and the new result was lost).
    EXPECT_EQ(DecodeFileText("\xFE\xFF>\x9E\x9E\x9E"
                             "An\r\n>  3     7   Lea\r\n"),
              U"þÿ>žžžAn\r\n>  3     7   Lea\r\n");
    EXPECT_EQ(DecodeFileText("\xFF\xFEl\0\xE4\0u\0f\0t\0xyzw"s), U"läuft\u7978\u777A");
    EXPECT_EQ(DecodeFileText("\xFF\xFEl\0xyzw"s), U"ÿþl\0xyzw"s);
}

TEST(DecodeFileTextTest, Windows1252WhenNotUtf8) {
    EXPECT_EQ(DecodeFileText("l\xE4uft"), U"läuft");
    EXPECT_EQ(DecodeFileText("Stra\xDF"
                             "e \xF6 \xFC \xC4"),
              U"Straße ö ü Ä");
    EXPECT_EQ(DecodeFileText("\x80 \x84 \x9F"), U"€ „ Ÿ");
    // Bytes the code page leaves undefined keep their number.
    EXPECT_EQ(DecodeFileText("\x81\x8D\x8F\x90\x9D"), U"\u0081\u008D\u008F\u0090\u009D");
    // One invalid byte makes the whole file Windows-1252, the UTF-8 pair included.
    EXPECT_EQ(DecodeFileText("\xC3\xA4 \xE4"), U"Ã¤ ä");
    // ASCII is the same either way.
    EXPECT_EQ(DecodeFileText("laufen"), U"laufen");
    EXPECT_EQ(DecodeFileText(""), U"");
}

TEST(EncodeWindows1252Test, GermanLettersAndUnrepresentableCharacters) {
    EXPECT_EQ(EncodeWindows1252(U"äöüßÄÖÜ"), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC");
    EXPECT_EQ(EncodeWindows1252(U"€„"), "\x80\x84");
    EXPECT_EQ(EncodeWindows1252(U"a→b😀"), "a?b?");
    EXPECT_EQ(EncodeWindows1252(U"\u0080"), "?"); // the byte 0x80 is the euro sign
    EXPECT_EQ(EncodeWindows1252(U"[Größe]"), "[Gr\xF6\xDF"
                                             "e]");
}

TEST(EncodeWindows1252Test, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeFileText(all)), all);
    EXPECT_EQ(DecodeFileText(EncodeWindows1252(U"läufst Fuß")), U"läufst Fuß");
}

TEST(SplitLinesTest, EveryKindOfLineEnd) {
    const std::vector<Text> expected = {U"a", U"b", U"c", U"d"};
    EXPECT_EQ(SplitLines(U"a\r\nb\nc\rd"), expected);
    EXPECT_EQ(SplitLines(U"a\r\nb\r\nc\r\nd\r\n"), expected);
    EXPECT_EQ(SplitLines(U"a\nb\nc\nd\n"), expected);
    EXPECT_EQ(SplitLines(U"a\rb\rc\rd\r"), expected);
}

TEST(SplitLinesTest, EmptyLinesAndEnds) {
    EXPECT_TRUE(SplitLines(U"").empty());
    EXPECT_EQ(SplitLines(U"a"), std::vector<Text>{U"a"});
    EXPECT_EQ(SplitLines(U"\r\n\r\n"), (std::vector<Text>{U"", U""}));
    EXPECT_EQ(SplitLines(U"a\r\r\nb"), (std::vector<Text>{U"a", U"", U"b"}));
    EXPECT_EQ(SplitLines(U"a\n\rb"), (std::vector<Text>{U"a", U"", U"b"}));
}

} // namespace
} // namespace tamurik
