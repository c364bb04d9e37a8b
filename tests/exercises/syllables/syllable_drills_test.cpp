// The rules of the boundary board, the flash reading and the ABC drill, without a window.

#include "exercises/syllables/syllable_drills.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tamurik {
namespace {

TEST(BoundaryBoard, LettersPartsAndBoundaryOfAMarkedWord) {
    const BoardWord baden = LayOutBoard(U"1b2a-d3en");
    ASSERT_EQ(baden.letterCount(), 5);
    EXPECT_EQ(baden.boundary, 1200) << "two letters stand before the separator";
    Text letters;
    std::vector<int> parts;
    for (const BoardLetter& l : baden.letters) {
        letters += l.letter;
        parts.push_back(l.part);
    }
    EXPECT_EQ(letters, U"baden");
    EXPECT_EQ(parts, (std::vector<int>{1, 2, 2, 3, 3}));

    // A short vowel's boundary, and the explanation of a rare verb stays off the board.
    const BoardWord schuften = LayOutBoard(U"1sch2uf.t3en = schwer arbeiten, sich plagen");
    EXPECT_EQ(schuften.letterCount(), 8);
    EXPECT_EQ(schuften.boundary, 600 * 5);
    // Letters before the first mark keep the start colour.
    EXPECT_EQ(LayOutBoard(U"ab.c").letters.front().part, 0);
}

TEST(BoundaryBoard, OnlyVerbsWithAReachableBoundaryAreUsed) {
    EXPECT_TRUE(FitsBoard(U"1b2a-d3en"));
    EXPECT_FALSE(FitsBoard(U"baden")) << "no separator: no gap would ever be right";
    EXPECT_FALSE(FitsBoard(U"1.-"));
    EXPECT_FALSE(FitsBoard(U""));
    EXPECT_TRUE(FitsBoard(U"1ver2ab.schie3den")) << "13 letters fill the board";
    EXPECT_FALSE(FitsBoard(U"1ver2ab.schie3deny")) << "a 14th letter lies off the board";
}

TEST(BoundaryBoard, CursorPositionsAtTheEdges) {
    // The screen tests cover the ordinary moves; here the edges of the numbers.
    EXPECT_EQ(CursorForScrollValue(9000, 20), kCursorMax) << "never past the 13th letter";
    EXPECT_EQ(CursorForScrollValue(1200, 0), 0);
    EXPECT_EQ(CursorForScrollValue(1499, 5), 1200);
    EXPECT_EQ(CursorForScrollValue(1500, 5), 1800);
    EXPECT_EQ(CursorForScrollValue(-50, 5), 0);
    EXPECT_EQ(CursorForPress(1799.4, 5), 1200);
    EXPECT_EQ(CursorForPress(1799.6, 5), 1800) << "the position is rounded first";
    EXPECT_EQ(CursorForPress(3500, 5), 3000) << "right of the last tile: the gap after it";
    EXPECT_EQ(CursorForPress(-1, 5), std::nullopt);
    EXPECT_EQ(CursorForPress(std::nan(""), 5), std::nullopt);
}

TEST(BoundaryBoard, WorkListKeepsTheLinesWhoseDrawIsFive) {
    const std::vector<Text> lines{U"a", U"b", U"c", U"d"};
    ScriptedRandom random;
    for (int k : {5, 0, 5, 9})
        random.QueueDraw(k, 10);
    EXPECT_EQ(SampleWorkList(lines, random), (std::vector<Text>{U"a", U"c"}));

    // A sample that keeps nothing is drawn again.
    ScriptedRandom again;
    for (int k : {1, 2, 3, 4, 4, 5, 6, 7})
        again.QueueDraw(k, 10);
    EXPECT_EQ(SampleWorkList(lines, again), (std::vector<Text>{U"b"}));

    // Within its bound it gives up.
    ScriptedRandom never;
    never.QueueDraw(4, 10);
    EXPECT_TRUE(SampleWorkList(lines, never, 50).empty());
    EXPECT_TRUE(SampleWorkList({}, never).empty());
}

TEST(BoundaryBoard, ExplanationBoxOfCommonAndRareVerbs) {
    EXPECT_EQ(ExplanationTitle(U"1sch2uf.t3en = schwer arbeiten, sich plagen"), U"schuften");
    EXPECT_EQ(ExplanationTitle(U"1b2a-d3en"), U"baden");

    EXPECT_EQ(ExplanationMessage(U"1b2a-d3en"), U"Keine Erklärung vorhanden!\r\r");
    // A blank but no "=": nothing after it is an explanation.
    EXPECT_EQ(ExplanationMessage(U"1b2a-d3en baden"), U"Keine Erklärung vorhanden!\r\r");
    EXPECT_EQ(ExplanationMessage(U"1b2a-d3en =  "), U"Keine Erklärung vorhanden!\r\r");

    // 30 characters or fewer (the blank after "=" counts): unbroken.
    EXPECT_EQ(ExplanationMessage(U"1s2äu-m3en = warten, zögern"), U" warten, zögern\r\r");
    const Text thirty = U" zögern, warten, lange trödeln"; // 30 characters
    ASSERT_EQ(thirty.size(), 30u);
    EXPECT_EQ(ExplanationMessage(U"1s2äu-m3en =" + thirty), thirty + U"\r\r");
    // Longer: a break after every comma and semicolon.
    EXPECT_EQ(ExplanationMessage(U"1s2äu-m3en =" + thirty + U"."),
              U" zögern,\r warten,\r lange trödeln.\r\r");
    EXPECT_EQ(ExplanationMessage(U"1sch2uf.t3en = schwer arbeiten; sich sehr plagen"),
              U" schwer arbeiten;\r sich sehr plagen\r\r");
}

TEST(FlashReading, StemVowelIsTestedOnTheMarkedWordOnly) {
    const Text longWithDot = U"1s2äu-m3en = warten, zögern. Oder so";
    const Selection seltenKurz{Verbenwahl::Seltene, Stammvokal::Kurz};
    const Selection seltenLang{Verbenwahl::Seltene, Stammvokal::Lang};
    EXPECT_FALSE(MatchesFlashSelection(longWithDot, seltenKurz));
    EXPECT_TRUE(MatchesFlashSelection(longWithDot, seltenLang));
    EXPECT_TRUE(MatchesSelection(longWithDot, seltenKurz)) << "the whole-line test differs";
    // Verbenwahl still looks at the whole line.
    EXPECT_FALSE(MatchesFlashSelection(U"1b2a-d3en", seltenLang));
    EXPECT_TRUE(MatchesFlashSelection(U"1b2a-d3en", {Verbenwahl::Haeufige, Stammvokal::Lang}));
    EXPECT_FALSE(MatchesFlashSelection(U"baden", {Verbenwahl::Alle, Stammvokal::Kurz}));
    // The flash form spaces every letter.
    EXPECT_EQ(FlashForm(U"1b2a-d3en"), U"1 b 2 a  d 3 e  n ");
    EXPECT_EQ(FlashForm(U"1k2o.ch3en"), U"1 k 2 o  c  h 3 e  n ");
    EXPECT_EQ(FlashForm(U""), U"");
}

TEST(AbcOrder, OrderIgnoresCaseAndReadsUmlautsAsTheirBaseLetters) {
    AbcSet set;
    set.Start({U"gehen", U"backen", U"baden", U"ahnen", U"fahren", U"x"}, 5);
    EXPECT_EQ(set.shown(), (std::vector<Text>{U"g e h e n ", U"b a c k e n ", U"b a d e n ",
                                              U"a h n e n ", U"f a h r e n "}));
    EXPECT_EQ(set.order(), (std::vector<Text>{U"a h n e n ", U"b a c k e n ", U"b a d e n ",
                                              U"f a h r e n ", U"g e h e n "}));

    // ä as a, ö as o, ü as u, ß as s; capitals as small letters.
    set.Start({U"über", U"ufern", U"Zagen", U"öffnen", U"ordnen", U"fließen", U"flicken", U"ärgern",
               U"backen"},
              9);
    EXPECT_EQ(set.order(), (std::vector<Text>{U"ä r g e r n ", U"b a c k e n ", U"f l i c k e n ",
                                              U"f l i e ß e n ", U"ö f f n e n ", U"o r d n e n ",
                                              U"ü b e r ", U"u f e r n ", U"Z a g e n "}));
}

TEST(AbcOrder, EveryPlaceIsDrawnOnceAndTheLastOneEndsTheSet) {
    AbcSet set;
    set.Start({U"gehen", U"backen", U"baden", U"ahnen", U"fahren"}, 5);
    EXPECT_EQ(set.marker(), U"00000");
    ScriptedRandom random;
    // Draws among the open places: place 2, then the 4th open (5), then the 1st open (1).
    random.QueueDraw(1, 5);
    random.QueueDraw(3, 4);
    random.QueueDraw(0, 3);
    random.QueueDraw(1, 2);
    random.QueueDraw(0, 1);
    EXPECT_FALSE(set.AskNext(random));
    EXPECT_EQ(set.askedPlace(), 2);
    EXPECT_EQ(set.expected(), U"b a c k e n ");
    EXPECT_EQ(set.marker(), U"01000");
    EXPECT_FALSE(set.AskNext(random));
    EXPECT_EQ(set.askedPlace(), 5);
    EXPECT_EQ(set.expected(), U"g e h e n ");
    EXPECT_FALSE(set.AskNext(random));
    EXPECT_EQ(set.askedPlace(), 1);
    EXPECT_FALSE(set.AskNext(random));
    EXPECT_EQ(set.askedPlace(), 4);
    EXPECT_EQ(set.marker(), U"11011");
    EXPECT_TRUE(set.AskNext(random)) << "the fifth place completes the set";
    EXPECT_EQ(set.marker(), U"11111");

    // A set without words asks nothing and is never complete.
    set.Start({}, 5);
    EXPECT_EQ(set.size(), 0);
    EXPECT_FALSE(set.AskNext(random));
    EXPECT_EQ(set.askedPlace(), 0);
}

TEST(AbcOrder, ConstantRandomNumbersStillVisitEveryPlace) {
    // Drawing until an open place comes up would never end with a generator stuck on one
    // number; drawing among the open places does.
    AbcSet set;
    set.Start({U"e", U"d", U"c", U"b", U"a", U"f", U"g"}, 7);
    ScriptedRandom stuck;
    stuck.Queue(0.0);
    std::set<int> places;
    int questions = 0;
    while (!set.AskNext(stuck)) {
        places.insert(set.askedPlace());
        ASSERT_LT(++questions, 7);
    }
    EXPECT_EQ(questions, 6);
    EXPECT_EQ(places.size(), 6u);
}

} // namespace
} // namespace tamurik
