// Missed verbs coming back: one draw in three takes a due verb that passes the selection, and
// without one the draw takes no random number at all.

#include "learning/due_draw.h"

#include <gtest/gtest.h>

#include <deque>

namespace tamurik {
namespace {

// Hands out Draw(k, n) pairs as numbers and counts how many were taken.
class CountingRandom : public RandomSource {
public:
    explicit CountingRandom(std::vector<std::pair<int, int>> draws) {
        for (auto [k, n] : draws)
            numbers_.push_back((k + 0.5) / n);
    }
    double Next() override {
        ++taken;
        if (numbers_.empty()) {
            ADD_FAILURE() << "a random number more than expected";
            return 0;
        }
        const double r = numbers_.front();
        numbers_.pop_front();
        return r;
    }
    int taken = 0;
    bool allTaken() const { return numbers_.empty(); }

private:
    std::deque<double> numbers_;
};

const Text kSpielen = U"1sp2ie-l3en", kBaden = U"1b2a-d3en", kKochen = U"1k2o.ch3en";
const Text kSaeumenLine = U"1s2äu-m3en = warten, zögern";
const std::vector<Text> kLines = {kSpielen, kBaden, kKochen, kSaeumenLine, kBaden};

TEST(DueDrawTest, OneDrawInThreeTakesADueVerbThatPassesAndNoneTakesNoNumber) {
    struct Case {
        std::vector<Text> due;
        std::vector<std::pair<int, int>> draws;
        std::optional<Text> drawn;
    };
    const Case cases[] = {
        {{}, {}, std::nullopt},                                    // no due verbs
        {{U"1r2en.n3en", U"1b2a.d3en"}, {}, std::nullopt},         // none passes (marks count)
        {{kKochen}, {{1, 3}}, std::nullopt},                       // two draws in three ...
        {{kKochen}, {{2, 3}}, std::nullopt},                       // ... draw as before
        {{kKochen}, {{0, 3}, {0, 1}}, kKochen},                    // the third takes it
        {{U"1s2äu-m3en"}, {{0, 3}, {0, 1}}, kSaeumenLine},         // a rare verb's whole line
        {{U"1s2äu-m3en", kBaden}, {{0, 3}, {1, 2}}, kSaeumenLine}, // baden twice is one verb
        {{U"1s2äu-m3en", kBaden}, {{0, 3}, {0, 2}}, kBaden},
    };
    for (const Case& c : cases) {
        CountingRandom random(c.draws);
        EXPECT_EQ(DrawDueLine(kLines, c.due, random), c.drawn);
        EXPECT_TRUE(random.allTaken());
    }
    // A due verb that does not fit is passed over without a number.
    const LineFits notBaden = [](const Text& line) { return line != kBaden; };
    CountingRandom none({});
    EXPECT_EQ(DrawDueLine(kLines, {kBaden}, none, notBaden), std::nullopt);
    EXPECT_EQ(none.taken, 0);
}

TEST(DueDrawTest, EachEntryOfAListIsOneDrawAndADueVerbComesOnceAList) {
    struct Case {
        std::vector<Text> drawn;
        std::vector<Text> due;
        std::vector<std::pair<int, int>> draws;
        std::vector<Text> mixed;
    };
    const Case cases[] = {
        {{kBaden, kBaden}, {}, {}, {kBaden, kBaden}},
        // kochen comes at the second entry; at the third it stands in the list already.
        {{kBaden, kSpielen, kBaden},
         {kKochen},
         {{1, 3}, {0, 3}, {0, 1}},
         {kBaden, kKochen, kBaden}},
        {{kKochen, kBaden}, {kKochen}, {}, {kKochen, kBaden}},
        {{kBaden, kBaden, kBaden},
         {kKochen, kSpielen},
         {{0, 3}, {1, 2}, {2, 3}, {0, 3}, {0, 1}},
         {kKochen, kBaden, kSpielen}},
    };
    for (const Case& c : cases) {
        CountingRandom random(c.draws);
        std::vector<Text> drawn = c.drawn;
        MixInDueLines(drawn, kLines, c.due, random);
        EXPECT_EQ(drawn, c.mixed);
        EXPECT_TRUE(random.allTaken());
    }
}

} // namespace
} // namespace tamurik
