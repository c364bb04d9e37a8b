#pragma once
// What the teacher area asks of the children's learning record: the children, and one child's
// answers summed by week and exercise, by phenomenon, and by card-box compartment. Declared
// here, without Qt SQL, so that the teacher's screens reach the record through this seam only.

#include "core/text.h"
#include "learning/card_box.h"
#include "learning/phenomena.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tamurik {

struct AnswerCount {
    long long answers = 0;
    long long right = 0;
    bool operator==(const AnswerCount&) const = default;
};

struct ChildSummary {
    std::int64_t id = 0;
    // The name as typed last.
    Text name;
    // When the name was typed first and last (milliseconds since 1970, UTC).
    std::int64_t firstSeenMs = 0;
    std::int64_t lastSeenMs = 0;
    long long answers = 0;
    // When the first and the last answer was given; 0 when there is none.
    std::int64_t firstAnswerMs = 0;
    std::int64_t lastAnswerMs = 0;
};

struct WeekExerciseCount {
    // The Monday of the week (learning/days.h).
    long long weekStart = 0;
    std::string exercise;
    AnswerCount count;
    bool operator==(const WeekExerciseCount&) const = default;
};

struct PhenomenonCount {
    Phenomenon phenomenon;
    AnswerCount count;
    bool operator==(const PhenomenonCount&) const = default;
};

// Days from `from` to `to`, both included.
struct DayRange {
    long long from = std::numeric_limits<int>::min();
    long long to = std::numeric_limits<int>::max();
};

class RecordQueries {
public:
    virtual ~RecordQueries() = default;
    // Every child, by name.
    virtual std::vector<ChildSummary> Children() = 0;
    // One child's answers by week and exercise, in week order, exercises by their key.
    virtual std::vector<WeekExerciseCount> WeeksByExercise(std::int64_t child) = 0;
    // One child's answers of the days by phenomenon, in the order of AllPhenomena; only the
    // phenomena the child has answers for.
    virtual std::vector<PhenomenonCount> ByPhenomenon(std::int64_t child, DayRange days) = 0;
    // How many of the child's verbs stand in each compartment (index 0 is compartment 1).
    virtual std::array<long long, kCompartments> CardBoxCounts(std::int64_t child) = 0;
};

} // namespace tamurik
