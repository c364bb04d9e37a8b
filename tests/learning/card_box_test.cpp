// The card box's schedule, and the days it counts in.

#include "learning/card_box.h"
#include "learning/days.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

TEST(Days, CountFromTheFirstOfJanuary1970AndBack) {
    struct Row {
        Date date;
        long long day;
    };
    for (const Row& row : {Row{{1, 1, 1970}, 0}, Row{{31, 12, 1969}, -1}, Row{{29, 2, 2024}, 19782},
                           Row{{1, 3, 2000}, 11017}, Row{{7, 12, 2026}, 20794}}) {
        EXPECT_EQ(DayNumber(row.date), row.day) << ToUtf8(FormatDate(row.date));
        const Date back = DateOfDay(row.day);
        EXPECT_EQ(FormatDate(back), FormatDate(row.date));
    }
}

TEST(Days, AWeekStartsOnMonday) {
    // 7 December 2026 is a Monday, 13 December the Sunday after it.
    EXPECT_EQ(WeekStart(20794), 20794);
    EXPECT_EQ(WeekStart(20800), 20794);
    EXPECT_EQ(WeekStart(20801), 20801);
    // 1 January 1970 was a Thursday.
    EXPECT_EQ(WeekStart(0), -3);
}

TEST(CardBox, CompartmentsComeDueAfterTheirDays) {
    const int expected[] = {0, 1, 3, 7, 14};
    for (int k = 1; k <= kCompartments; ++k)
        EXPECT_EQ(DaysUntilDue(k), expected[k - 1]) << "compartment " << k;
}

TEST(CardBox, AVerbClimbsWhenDueAndFallsOnEveryMistake) {
    struct Step {
        bool right;
        long long day;
        std::optional<Card> after;
    };
    // The story of one verb, one answer a row.
    const Step story[] = {
        {true, 10, std::nullopt}, // right before it was ever missed: it stays out of the box
        {false, 10, Card{1, 10}}, // missed: compartment 1, due at once
        {true, 10, Card{2, 11}},  // right while due: up one, due tomorrow
        {true, 10, Card{2, 11}},  // right again the same day: not due, stays
        {false, 10, Card{1, 10}}, // a mistake sends it back
        {true, 10, Card{2, 11}},  //
        {true, 12, Card{3, 15}},  // overdue counts as due
        {true, 15, Card{4, 22}},  //
        {true, 22, Card{5, 36}},  //
        {true, 36, Card{5, 50}},  // the top compartment keeps it
        {true, 40, Card{5, 50}},  //
        {false, 41, Card{1, 41}}, // a mistake from the top: compartment 1 again
    };
    std::optional<Card> card;
    int row = 0;
    for (const Step& step : story) {
        card = AfterAnswer(card, step.right, step.day);
        EXPECT_EQ(card, step.after) << "row " << row;
        ++row;
    }
}

TEST(CardBox, DueVerbsComeLongestOverdueFirst) {
    const std::vector<BoxEntry> box{{U"1l2e-b3en", Card{3, 20}},  {U"1b2a.ck3en", Card{1, 18}},
                                    {U"1s2in.g3en", Card{5, 30}}, {U"1k2om.m3en", Card{2, 18}},
                                    {U"1g2e-b3en", Card{1, 18}},  {U"1h2ei-ß3en", Card{4, 21}}};
    EXPECT_EQ(DueVerbs(box, 20),
              (std::vector<Text>{U"1b2a.ck3en", U"1g2e-b3en", U"1k2om.m3en", U"1l2e-b3en"}));
    EXPECT_EQ(DueVerbs(box, 17), std::vector<Text>{});
    EXPECT_EQ(DueVerbs(box, 30).size(), box.size());
    EXPECT_EQ(DueVerbs({}, 30), std::vector<Text>{});
}

} // namespace
} // namespace tamurik
