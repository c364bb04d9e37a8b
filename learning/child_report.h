#pragma once
// One child's progress as the teacher area shows it and the report prints it: the last twelve
// weeks week by week, the phenomena worst first with their trend against the four weeks before,
// the verbs missed most often, the card box, and a short text for parents in plain words.

#include "core/text.h"
#include "learning/record_queries.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

inline constexpr int kReportWeeks = 12;
inline constexpr int kMissedVerbsShown = 20;

// The days a view covers, ending today: the twelve weeks shown (the week of today and the
// eleven before it), the last four weeks and the four weeks before those.
struct ReportPeriod {
    long long today = 0;
    DayRange shown;
    DayRange recent;
    DayRange before;
};
ReportPeriod PeriodEnding(long long today);

struct WeekPoint {
    long long weekStart = 0;
    AnswerCount count;
    bool operator==(const WeekPoint&) const = default;
};

// One point for each week shown (none left out, zero where the child did not practise), for
// one exercise by its key, or for all exercises with an empty key.
std::vector<WeekPoint> WeekSeries(const std::vector<WeekExerciseCount>& weeks,
                                  std::string_view exercise, const ReportPeriod& period);

struct ExerciseTotal {
    std::string exercise;
    AnswerCount count;
    bool operator==(const ExerciseTotal&) const = default;
};
// The exercises practised in the weeks shown, most answers first.
std::vector<ExerciseTotal> ExerciseTotals(const std::vector<WeekExerciseCount>& weeks,
                                          const ReportPeriod& period);

enum class Trend { Better, Same, Worse, TooFew };
// Better or worse when the share right differs by ten points or more and both spans hold at
// least ten answers.
Trend TrendOf(AnswerCount recent, AnswerCount before);
TextView TrendName(Trend trend);

struct PhenomenonRow {
    Phenomenon phenomenon;
    AnswerCount shown;
    AnswerCount recent;
    AnswerCount before;
    Trend trend = Trend::TooFew;
};
// Every phenomenon with answers in the weeks shown, the lowest share right first (more
// answers first among equal shares).
std::vector<PhenomenonRow> PhenomenonRows(const std::vector<PhenomenonCount>& shown,
                                          const std::vector<PhenomenonCount>& recent,
                                          const std::vector<PhenomenonCount>& before);

struct ChildReport {
    ChildSummary child;
    ReportPeriod period;
    std::vector<WeekExerciseCount> weeks;
    std::vector<PhenomenonRow> phenomena;
    std::vector<MissedVerb> missed;
    std::array<long long, kCompartments> cards{};
};
ChildReport LoadChildReport(RecordQueries& queries, const ChildSummary& child, long long today);

// "Verben trennen" for "verben_trennen"; the key itself when it is not known.
Text ExerciseName(std::string_view key);
// "Vokallänge" for "vokallaenge"; the key itself when it is not known.
Text AskedName(std::string_view key);
// "81 %"; "–" without answers.
Text Percent(AnswerCount count);
// "12 von 30"
Text RightOfAsked(AnswerCount count);
// "dd.mm.yyyy"
Text DayText(long long day);
// The name as typed, without blanks around it.
Text ShownName(const ChildSummary& child);

// A few sentences for parents: how much the child practised, what it still often gets wrong
// (with verbs it missed), what it does well, and what got better.
Text ParentText(const ChildReport& report);

// The name of a file to suggest ("Bericht Lena 2026-12-07.pdf"): characters that a file system
// refuses or that would make a path become "_".
Text SafeFileName(TextView name);

} // namespace tamurik
