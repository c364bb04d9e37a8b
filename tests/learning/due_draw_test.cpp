// Missed verbs coming back: one draw in three takes a due verb that passes the selection, and
// without one the draw takes no random number at all.

#include "learning/due_draw.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tamurik {
namespace {

// Hands out the numbers it was given and counts how many were taken.
class CountingRandom : public RandomSource {
public:
    explicit CountingRandom(std::vector<double> numbers)
        : numbers_(numbers.begin(), numbers.end()) {}
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

private:
    std::deque<double> numbers_;
};

// The number that makes Draw(n) answer k.
double DrawOf(int k, int n) {
    return (k + 0.5) / n;
}

const std::vector<Text> kLines = {U"1sp2ie-l3en", U"1b2a-d3en", U"1k2o.ch3en",
                                  U"1s2äu-m3en = warten, zögern", U"1b2a-d3en"};

struct DrawCase {
    const char* name;
    std::vector<Text> due;
    std::vector<double> numbers;
    std::optional<Text> drawn;
    int taken;
};

TEST(DueDrawTest, OneDrawInThreeTakesADueVerbThatPassesAndNoneTakesNoNumber) {
    const std::vector<DrawCase> cases = {
        {"no due verbs", {}, {}, std::nullopt, 0},
        {"due verbs outside the selection", {U"1r2en.n3en", U"1f2in.d3en"}, {}, std::nullopt, 0},
        {"a due verb, the two draws in three without it",
         {U"1k2o.ch3en"},
         {DrawOf(1, 3)},
         std::nullopt,
         1},
        {"", {U"1k2o.ch3en"}, {DrawOf(2, 3)}, std::nullopt, 1},
        {"a due verb, the draw in three with it",
         {U"1k2o.ch3en"},
         {DrawOf(0, 3), DrawOf(0, 1)},
         U"1k2o.ch3en",
         2},
        // A rare verb is due by its marked word; its whole line is drawn.
        {"a rare verb",
         {U"1s2äu-m3en"},
         {DrawOf(0, 3), DrawOf(0, 1)},
         U"1s2äu-m3en = warten, zögern",
         2},
        // baden stands twice but is one verb: two verbs to choose from, in line order.
        {"the second of two due verbs",
         {U"1s2äu-m3en", U"1b2a-d3en", U"1r2en.n3en"},
         {DrawOf(0, 3), DrawOf(1, 2)},
         U"1s2äu-m3en = warten, zögern",
         2},
        {"the first of two due verbs",
         {U"1s2äu-m3en", U"1b2a-d3en"},
         {DrawOf(0, 3), DrawOf(0, 2)},
         U"1b2a-d3en",
         2},
        // Marks count: a verb marked otherwise is another entry.
        {"marks differ", {U"1b2a.d3en"}, {}, std::nullopt, 0},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountingRandom random(c.numbers);
        EXPECT_EQ(DrawDueLine(kLines, c.due, random), c.drawn);
        EXPECT_EQ(random.taken, c.taken);
    }
}

TEST(DueDrawTest, ADueVerbThatDoesNotFitTakesNoNumber) {
    const LineFits notBaden = [](const Text& line) { return line != U"1b2a-d3en"; };
    CountingRandom none({});
    EXPECT_EQ(DrawDueLine(kLines, {U"1b2a-d3en"}, none, notBaden), std::nullopt);
    EXPECT_EQ(none.taken, 0);

    CountingRandom other({DrawOf(0, 3), DrawOf(0, 1)});
    EXPECT_EQ(DrawDueLine(kLines, {U"1b2a-d3en", U"1k2o.ch3en"}, other, notBaden), U"1k2o.ch3en");
    EXPECT_EQ(other.taken, 2);
}

struct MixCase {
    const char* name;
    std::vector<Text> drawn;
    std::vector<Text> due;
    std::vector<double> numbers;
    std::vector<Text> mixed;
};

TEST(DueDrawTest, EachEntryOfAListIsOneDrawAndADueVerbComesOnceAList) {
    const std::vector<MixCase> cases = {
        {"no due verbs", {U"1b2a-d3en", U"1b2a-d3en"}, {}, {}, {U"1b2a-d3en", U"1b2a-d3en"}},
        // kochen comes at the second entry; at the third it stands in the list already.
        {"one due verb",
         {U"1b2a-d3en", U"1sp2ie-l3en", U"1b2a-d3en"},
         {U"1k2o.ch3en"},
         {DrawOf(1, 3), DrawOf(0, 3), DrawOf(0, 1)},
         {U"1b2a-d3en", U"1k2o.ch3en", U"1b2a-d3en"}},
        {"a due verb drawn already",
         {U"1k2o.ch3en", U"1b2a-d3en"},
         {U"1k2o.ch3en"},
         {},
         {U"1k2o.ch3en", U"1b2a-d3en"}},
        {"two due verbs",
         {U"1b2a-d3en", U"1b2a-d3en", U"1b2a-d3en"},
         {U"1k2o.ch3en", U"1sp2ie-l3en"},
         {DrawOf(0, 3), DrawOf(1, 2), DrawOf(2, 3), DrawOf(0, 3), DrawOf(0, 1)},
         {U"1k2o.ch3en", U"1b2a-d3en", U"1sp2ie-l3en"}},
    };
    for (const MixCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountingRandom random(c.numbers);
        std::vector<Text> drawn = c.drawn;
        MixInDueLines(drawn, kLines, c.due, random);
        EXPECT_EQ(drawn, c.mixed);
        EXPECT_EQ(random.taken, static_cast<int>(c.numbers.size()));
    }
}

} // namespace
} // namespace tamurik
