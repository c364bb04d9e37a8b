#pragma once
// What the teacher area asks of the children's learning record: the children, and one child's
// answers summed by week and exercise, by phenomenon, and by card-box compartment, its missed
// verbs and every answer for a spreadsheet; what it changes there: a child's name, two names
// that are one child, a child deleted, and the teacher's PIN. Declared here, without Qt SQL, so
// that the teacher's screens reach the record through this seam only.

#include "core/text.h"
#include "learning/card_box.h"
#include "learning/phenomena.h"
#include "learning/record.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
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
    // The answers of the last seven days, today included.
    AnswerCount lastSevenDays;
    // The verbs of the card box that are due today.
    long long dueCards = 0;
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

// A verb of the list the child answered wrong in a span of days.
struct MissedVerb {
    // The marked word as shown ("1l2e-b3en").
    Text verb;
    long long wrong = 0;
    long long asked = 0;
    bool operator==(const MissedVerb&) const = default;
};

// One answer as a spreadsheet lists it: whose, when, and the answer itself.
struct AnswerRow {
    Text child;
    std::int64_t atMs = 0;
    Answer answer;
};

// The teacher's lock: the PIN's salted hash, and the wrong PINs typed since the last right one.
struct TeacherLock {
    std::string pinHash;
    int failures = 0;
    // When the last wrong PIN was typed (milliseconds since 1970, UTC).
    std::int64_t lastFailureMs = 0;
    bool operator==(const TeacherLock&) const = default;
};

enum class ChildChange {
    Done,
    // Another child already has this name (as the record compares names).
    NameTaken,
    // A name of blanks only, or a child that is not there.
    Invalid,
    // The record could not be read or written.
    Failed,
};

class RecordQueries {
public:
    virtual ~RecordQueries() = default;
    // Why the record can be neither read nor changed (a file from a newer program, a folder
    // that cannot be written, a damaged file that could not be set aside), in German; empty
    // when it can be, or when there is no record yet.
    virtual Text Problem() = 0;
    // Every child, by name.
    virtual std::vector<ChildSummary> Children() = 0;
    // One child's answers by week and exercise, in week order, exercises by their key.
    virtual std::vector<WeekExerciseCount> WeeksByExercise(std::int64_t child) = 0;
    // One child's answers of the days by phenomenon, in the order of AllPhenomena; only the
    // phenomena the child has answers for.
    virtual std::vector<PhenomenonCount> ByPhenomenon(std::int64_t child, DayRange days) = 0;
    // How many of the child's verbs stand in each compartment (index 0 is compartment 1).
    virtual std::array<long long, kCompartments> CardBoxCounts(std::int64_t child) = 0;
    // The marked words of the child's verbs that are due today, in the card box's order
    // (learning/card_box.h), whether the card box is on or off.
    virtual std::vector<Text> DueVerbsOf(std::int64_t child) = 0;
    // The verbs of the list the child answered wrong in those days, most wrong answers first,
    // then by the verb; at most `limit`.
    virtual std::vector<MissedVerb> MostMissed(std::int64_t child, DayRange days, int limit) = 0;
    // Every answer of one child, or of all children without one, by child and time; false when
    // the record could not be read (the rows given until then stand).
    virtual bool ForEachAnswer(std::optional<std::int64_t> child,
                               const std::function<void(const AnswerRow&)>& row) = 0;

    virtual ChildChange RenameChild(std::int64_t child, const Text& name) = 0;
    // Moves every answer and card of `from` to `into` and deletes `from`; of a verb both have
    // in the card box, the lower compartment stays.
    virtual ChildChange MergeChildren(std::int64_t from, std::int64_t into) = 0;
    // Deletes the child with every answer and card.
    virtual ChildChange DeleteChild(std::int64_t child) = 0;

    // No value when no PIN was set (or the record cannot be read).
    virtual std::optional<TeacherLock> Lock() = 0;
    // Makes a record where there is none; false when it could not be written.
    virtual bool SetLock(const TeacherLock& lock) = 0;
};

// The queries of a program that keeps no record.
class NoRecordQueries final : public RecordQueries {
public:
    Text Problem() override { return U"Dieses Programm führt keinen Lernstand."; }
    std::vector<ChildSummary> Children() override { return {}; }
    std::vector<WeekExerciseCount> WeeksByExercise(std::int64_t) override { return {}; }
    std::vector<PhenomenonCount> ByPhenomenon(std::int64_t, DayRange) override { return {}; }
    std::array<long long, kCompartments> CardBoxCounts(std::int64_t) override { return {}; }
    std::vector<Text> DueVerbsOf(std::int64_t) override { return {}; }
    std::vector<MissedVerb> MostMissed(std::int64_t, DayRange, int) override { return {}; }
    bool ForEachAnswer(std::optional<std::int64_t>,
                       const std::function<void(const AnswerRow&)>&) override {
        return false;
    }
    ChildChange RenameChild(std::int64_t, const Text&) override { return ChildChange::Failed; }
    ChildChange MergeChildren(std::int64_t, std::int64_t) override { return ChildChange::Failed; }
    ChildChange DeleteChild(std::int64_t) override { return ChildChange::Failed; }
    std::optional<TeacherLock> Lock() override { return std::nullopt; }
    bool SetLock(const TeacherLock&) override { return false; }
};

} // namespace tamurik
