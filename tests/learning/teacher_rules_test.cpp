// The teacher area's rules without Qt: the PIN's waiting, the spreadsheet's fields read back by
// a parser, a child's progress (weeks, trends, the parents' text) and the worksheet's verbs.

#include "learning/answer_csv.h"
#include "learning/child_report.h"
#include "learning/days.h"
#include "learning/pin_lock.h"
#include "learning/worksheet.h"

#include "core/word_lists.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <set>

namespace tamurik {
namespace {

TEST(PinLockTest, PinsAndTheGrowingWait) {
    const std::vector<std::pair<Text, bool>> pins{
        {U"1234", true},  {U"000000000000", true}, {U"123", false},  {U"1234567890123", false},
        {U"12a4", false}, {U"12 34", false},       {U"١٢٣٤", false}, {U"", false}};
    for (const auto& [pin, valid] : pins)
        EXPECT_EQ(IsValidPin(pin), valid) << ToUtf8(pin);

    // Three tries are free, then 5 s doubling, up to an hour.
    const std::vector<std::pair<int, std::int64_t>> waits{
        {0, 0},      {2, 0},          {3, 5'000},      {4, 10'000},
        {5, 20'000}, {12, 2'560'000}, {13, 3'600'000}, {1000, 3'600'000}};
    for (const auto& [failures, wait] : waits)
        EXPECT_EQ(WaitAfter(failures), wait) << failures;

    TeacherLock lock{"hash", 0, 0};
    for (int i = 0; i < 3; ++i)
        lock = AfterWrongPin(lock, 100'000);
    EXPECT_EQ(lock.failures, 3);
    EXPECT_EQ(RemainingWaitMs(lock, 100'000), 5'000);
    EXPECT_EQ(RemainingWaitMs(lock, 104'001), 999);
    EXPECT_EQ(RemainingWaitMs(lock, 105'000), 0);
    // A clock set back never waits longer than the schedule.
    EXPECT_EQ(RemainingWaitMs(lock, 0), 5'000);
    lock = AfterWrongPin(lock, 105'000);
    EXPECT_EQ(RemainingWaitMs(lock, 105'000), 10'000);
    EXPECT_EQ(AfterRightPin(lock), (TeacherLock{"hash", 0, 0}));

    const std::vector<std::pair<std::int64_t, Text>> texts{
        {1, U"Bitte noch 1 Sekunde warten."},
        {12'000, U"Bitte noch 12 Sekunden warten."},
        {60'000, U"Bitte noch 1 Minute warten."},
        {125'000, U"Bitte noch 2 Minuten und 5 Sekunden warten."}};
    for (const auto& [ms, text] : texts)
        EXPECT_EQ(WaitingText(ms), text) << ms;
}

TEST(AnswerCsvTest, FieldsAreQuotedAndFormulasStayText) {
    // Quotes doubled inside quotes; a text that begins like a formula gets an apostrophe.
    const std::vector<std::pair<Text, std::string>> fields{
        {U"Lena", "\"Lena\""},
        {U"Jürgen \"JJ\"; 2a", "\"Jürgen \"\"JJ\"\"; 2a\""},
        {U"<b>Tom</b>", "\"<b>Tom</b>\""},
        {U"Zeile\r\nzwei", "\"Zeile\r\nzwei\""},
        {U"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {U"+1", "\"'+1\""},
        {U"-2+3", "\"'-2+3\""},
        {U"@SUM(A1)", "\"'@SUM(A1)\""},
        {U"\t=1", "\"'\t=1\""},
        {U"\r=1", "\"'\r=1\""},
        {U"a=b", "\"a=b\""},
        {U"", "\"\""}};
    for (const auto& [text, field] : fields)
        EXPECT_EQ(CsvField(text), field) << ToUtf8(text);

    // The time in the computer's zone, here Berlin in winter (UTC+1).
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const AnswerRow row{U"=Lena", 1'700'000'000'000,
                        Answer{"verbformen", U"1g2e-b3en", "du", U"gebst", false, 4200, true}};
    const std::string line = AnswerCsvLine(row);
    const std::string header = AnswerCsvHeader();
    if (old != nullptr)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(line, R"("'=Lena";"14.11.2023 23:13";"Verbformen";"geben";"1g2e-b3en";"du-Form";)"
                    R"("gebst";"nein";"4200")"
                    "\r\n");
    EXPECT_EQ(std::count(header.begin(), header.end(), ';'), 8) << header;
}

std::vector<PhenomenonCount>
Counts(std::initializer_list<std::tuple<Phenomenon, long long, long long>> rows) {
    std::vector<PhenomenonCount> counts;
    for (const auto& [p, answers, right] : rows)
        counts.push_back(PhenomenonCount{p, AnswerCount{answers, right}});
    return counts;
}

TEST(ChildReportTest, WeeksTrendsAndTheOrderOfPhenomena) {
    const long long today = DayNumber(Date{9, 12, 2026}); // a Wednesday
    const ReportPeriod period = PeriodEnding(today);
    EXPECT_EQ(period.shown.from, WeekStart(today) - 77);
    EXPECT_EQ(period.recent.from, today - 27);
    EXPECT_EQ(period.before.to, today - 28);

    const long long thisWeek = WeekStart(today);
    const std::vector<WeekExerciseCount> weeks{{thisWeek, "verbformen", {10, 7}},
                                               {thisWeek, "galgenspiel", {5, 5}},
                                               {thisWeek - 7 * 11, "verbformen", {4, 1}},
                                               // Thirteen weeks ago: no longer shown.
                                               {thisWeek - 7 * 12, "verbformen", {99, 0}}};
    const std::vector<WeekPoint> all = WeekSeries(weeks, "", period);
    ASSERT_EQ(all.size(), 12u);
    EXPECT_EQ(all.front(), (WeekPoint{thisWeek - 77, {4, 1}}));
    EXPECT_EQ(all.back(), (WeekPoint{thisWeek, {15, 12}}));
    EXPECT_EQ(all[5].count.answers, 0);
    EXPECT_EQ(WeekSeries(weeks, "galgenspiel", period).back().count, (AnswerCount{5, 5}));
    EXPECT_EQ(ExerciseTotals(weeks, period),
              (std::vector<ExerciseTotal>{{"verbformen", {14, 8}}, {"galgenspiel", {5, 5}}}));

    const std::vector<std::tuple<AnswerCount, AnswerCount, Trend>> trends{
        {{10, 9}, {10, 8}, Trend::Better}, {{20, 11}, {20, 10}, Trend::Same},
        {{10, 5}, {10, 6}, Trend::Worse},  {{30, 20}, {20, 15}, Trend::Same},
        {{9, 9}, {100, 0}, Trend::TooFew}, {{100, 0}, {0, 0}, Trend::TooFew}};
    for (const auto& [recent, before, trend] : trends)
        EXPECT_EQ(TrendOf(recent, before), trend) << recent.right << "/" << before.right;

    using P = Phenomenon;
    const std::vector<PhenomenonRow> rows = PhenomenonRows(
        Counts(
            {{P::Diphthong, 10, 9}, {P::LongIe, 30, 10}, {P::ShortCk, 3, 1}, {P::EndingEln, 0, 0}}),
        Counts({{P::LongIe, 20, 10}}), Counts({{P::LongIe, 10, 0}}));
    // Lowest share first; one third each: more answers first; none without answers.
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].phenomenon, P::LongIe);
    EXPECT_EQ(rows[0].trend, Trend::Better);
    EXPECT_EQ(rows[1].phenomenon, P::ShortCk);
    EXPECT_EQ(rows[2].phenomenon, P::Diphthong);
}

TEST(ChildReportTest, ParentsReadPlainWords) {
    const long long today = DayNumber(Date{9, 12, 2026});
    ChildReport report;
    report.child.name = U"  Lena\u001b ";
    report.period = PeriodEnding(today);
    EXPECT_EQ(ParentText(report), U"Lena hat in den letzten 12 Wochen nicht geübt.");

    report.weeks = {{WeekStart(today), "verben_schreiben", {1200, 900}}};
    using P = Phenomenon;
    report.phenomena = PhenomenonRows(
        Counts({{P::ShortDoubleConsonant, 40, 20}, {P::Diphthong, 30, 29}, {P::ShortCk, 5, 5}}), {},
        {});
    report.missed = {{U"1k2om.m3en", 5, 6}, {U"1b2au-3en", 1, 9}, {U"1l2ie-b3en", 3, 4}};
    const Text text = ParentText(report);
    for (const Text& part :
         {Text(U"Lena hat in 1 der letzten 12 Wochen geübt und dabei 1.200 Aufgaben "
               U"gelöst, 75 % "
               U"davon richtig."),
          Text(U"Lena verwechselt noch oft kurze und lange Vokale bei kommen und lieben."),
          Text(U"Sicher ist Lena schon bei: Zwielaute.")})
        EXPECT_NE(text.find(part), Text::npos) << ToUtf8(text);

    const std::vector<std::pair<Text, Text>> files{{U"Lena", U"Lena"},
                                                   {U"a/b\\c:d*e?\"<>|", U"a_b_c_d_e_____"},
                                                   {U"..", U"_.."},
                                                   {U"x\ny", U"x_y"}};
    for (const auto& [name, file] : files)
        EXPECT_EQ(SafeFileName(name), file);
}

std::vector<Text> ShippedLines() {
    return ReadWordLines(WorkDir(TAMURIK_DATA_DIR), "ZAHLVERB.TXT").value_or(std::vector<Text>{});
}

TEST(WorksheetTest, VerbsFromTheChildsErrorsToppedUpFromTheList) {
    const std::vector<Text> lines = ShippedLines();
    ASSERT_GT(lines.size(), 100u);

    // Nothing of the child yet: eight verbs from the list, those with the weak phenomenon
    // first.
    const Worksheet fresh = ChooseWorksheet({}, {}, lines, {Phenomenon::ChangeAToAe});
    ASSERT_EQ(fresh.verbs.size(), kFewestWorksheetVerbs);
    EXPECT_NE(VerbPhenomena(fresh.verbs[0]).size(), 0u);
    const std::vector<Phenomenon> first = VerbPhenomena(fresh.verbs[0]);
    EXPECT_NE(std::find(first.begin(), first.end(), Phenomenon::ChangeAToAe), first.end());
    ASSERT_GE(fresh.forms.size(), kFewestWorksheetForms);

    // Due verbs first, then the missed ones; each once, none without a syllable boundary.
    const std::vector<Text> due{U"1l2ie-b3en", U"1k2om.m3en", U"1l2ie-b3en", U"1x2yz"};
    const std::vector<MissedVerb> missed{{U"1g2e-b3en", 4, 5}, {U"1k2om.m3en", 1, 1}};
    const Worksheet sheet = ChooseWorksheet(due, missed, lines, {});
    ASSERT_EQ(sheet.verbs.size(), kFewestWorksheetVerbs);
    EXPECT_EQ(std::vector<Text>(sheet.verbs.begin(), sheet.verbs.begin() + 3),
              (std::vector<Text>{U"1l2ie-b3en", U"1k2om.m3en", U"1g2e-b3en"}));
    EXPECT_EQ(std::set<Text>(sheet.verbs.begin(), sheet.verbs.end()).size(), sheet.verbs.size());
    ASSERT_FALSE(sheet.forms.empty());
    EXPECT_EQ(sheet.forms[0].marked, U"1g2e-b3en");
    EXPECT_EQ(sheet.forms[0].forms.du, U"gibst");

    const std::vector<std::tuple<Text, Text, Text>> marks{
        {U"geben", U"gibst", U"1g2i3bst"},    {U"lesen", U"liest", U"1l2ie3st"},
        {U"laufen", U"läufst", U"1l2ä3ufst"}, {U"fahren", U"fährt", U"1f2ä3hrt"},
        {U"stoßen", U"stößt", U"1st2ö3ßt"},   {U"machen", U"machst", U"1machst"},
        {U"liegen", U"liegst", U"1liegst"}};
    for (const auto& [infinitive, form, marked] : marks)
        EXPECT_EQ(MarkVowelChange(infinitive, form), marked) << ToUtf8(form);
    EXPECT_EQ(SyllableSolution(U"1l2e-b3en"), U"1l2e|b3en");
    EXPECT_EQ(SyllableSolution(U"1k2om.m3en"), U"1k2om|m3en");
}

} // namespace
} // namespace tamurik
