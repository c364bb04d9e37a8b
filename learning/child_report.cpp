#include "learning/child_report.h"

#include "core/word_lists.h"
#include "learning/days.h"
#include "learning/record.h"

#include <algorithm>
#include <map>
#include <span>

namespace tamurik {

namespace {

// Below this many answers a share says little, and no trend is read from it.
constexpr long long kFewAnswers = 10;
// A share this many points better or worse is a trend.
constexpr long long kTrendPoints = 10;
// What the parents' text names as still difficult, and as done well.
constexpr long long kWeakPercent = 75;
constexpr long long kStrongPercent = 90;
constexpr long long kStrongAnswers = 20;
constexpr std::size_t kNamedAtMost = 3;

struct Named {
    std::string_view key;
    TextView name;
};

constexpr Named kExerciseNames[] = {
    {"quatschverben", U"Quatschverben"},
    {"verben_trennen", U"Verben trennen"},
    {"verben_schnell_lesen", U"Verben schnell lesen"},
    {"abc_verben", U"ABC-Verben"},
    {"reimverben_memory", U"Reimverben Memory"},
    {"reimverben_finden", U"Reimverben finden"},
    {"reimverben_schreiben", U"Reimverben schreiben"},
    {"verbbedeutung", U"Verbbedeutung"},
    {"galgenspiel", U"Galgenspiel"},
    {"verbformen", U"Verbformen"},
    {"verben_zusammenpuzzeln", U"Verben zusammenpuzzeln"},
    {"verben_zusammensetzen", U"Verben zusammensetzen"},
    {"verben_schreiben", U"Verben schreiben"},
    {"verben_verlaengern", U"Verben verlängern"},
};

constexpr Named kAskedNames[] = {
    {asked::kSeparator, U"Trennung"},     {asked::kVowelLength, U"Vokallänge"},
    {asked::kReality, U"echtes Verb?"},   {asked::kReading, U"Lesen"},
    {asked::kOrder, U"ABC-Reihenfolge"},  {asked::kRhymePartner, U"Reimpartner"},
    {asked::kMeaning, U"Bedeutung"},      {asked::kLetter, U"Buchstabe"},
    {asked::kWordPart, U"Wortteil"},      {asked::kIchForm, U"ich-Form"},
    {asked::kDuForm, U"du-Form"},         {asked::kErForm, U"er-Form"},
    {asked::kWirForm, U"wir-Form"},       {asked::kSpelling, U"Schreibweise"},
    {asked::kLengthening, U"Verlängern"},
};

Text NameOf(std::span<const Named> names, std::string_view key) {
    for (const Named& named : names)
        if (named.key == key)
            return Text(named.name);
    return FromUtf8(key);
}

long long PercentRight(AnswerCount count) {
    return count.answers == 0 ? 0 : (count.right * 100 + count.answers / 2) / count.answers;
}

bool InDays(long long day, DayRange range) {
    return day >= range.from && day <= range.to;
}

// What parents read: phenomena that belong together under one plain phrase.
struct Family {
    std::vector<Phenomenon> members;
    // "Lena verwechselt noch oft kurze und lange Vokale"
    TextView difficulty;
    // "Sicher ist Lena schon bei: kurzen und langen Vokalen"
    TextView topic;
};

const std::vector<Family>& Families() {
    using P = Phenomenon;
    static const std::vector<Family> families{
        {{P::ShortDoubleConsonant, P::ShortCk, P::ShortTz, P::ShortCluster, P::LongIe, P::LongH,
          P::LongDoubleVowel, P::LongUnmarked},
         U"verwechselt noch oft kurze und lange Vokale",
         U"kurze und lange Vokale"},
        {{P::Diphthong}, U"schreibt Zwielaute (ei, au, eu) noch oft falsch", U"Zwielaute"},
        {{P::SharpSAfterLong},
         U"schreibt das ß nach langem Vokal noch oft falsch",
         U"ß nach langem Vokal"},
        {{P::SyllableH},
         U"vergisst noch oft das h zwischen zwei Silben (drehen)",
         U"h zwischen zwei Silben"},
        {{P::ChangeEToI, P::ChangeEToIe, P::ChangeAToAe, P::ChangeAuToAeu, P::ChangeOToOe},
         U"bildet die Formen mit Vokalwechsel (du gibst, er fährt) noch oft falsch",
         U"Formen mit Vokalwechsel"},
        {{P::SyllableBoundary},
         U"trennt Verben noch oft an der falschen Stelle",
         U"Trennen in Silben"},
        {{P::EndingEln, P::EndingErn},
         U"schreibt die Endungen -eln und -ern noch oft falsch",
         U"Endungen -eln und -ern"},
        {{P::FinalDevoicing},
         U"verwechselt am Ende des Wortstamms noch oft b und p, d und t, g und k",
         U"b, d, g am Ende des Wortstamms"},
    };
    return families;
}

AnswerCount Sum(const Family& family, const std::vector<PhenomenonRow>& rows,
                AnswerCount PhenomenonRow::*span) {
    AnswerCount sum;
    for (const PhenomenonRow& row : rows)
        if (std::find(family.members.begin(), family.members.end(), row.phenomenon) !=
            family.members.end()) {
            sum.answers += (row.*span).answers;
            sum.right += (row.*span).right;
        }
    return sum;
}

// "a", "a und b", "a, b und c"
Text Listing(const std::vector<Text>& items) {
    Text text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? U" und " : U", ";
        text += items[i];
    }
    return text;
}

// Up to three missed verbs that show a phenomenon of the family, as plain words.
std::vector<Text> ExamplesOf(const Family& family, const std::vector<MissedVerb>& missed) {
    std::vector<Text> examples;
    for (const MissedVerb& verb : missed) {
        const std::vector<Phenomenon> tags = VerbPhenomena(verb.verb);
        const bool shows = std::any_of(tags.begin(), tags.end(), [&](Phenomenon p) {
            return std::find(family.members.begin(), family.members.end(), p) !=
                   family.members.end();
        });
        const Text word = CleanWord(verb.verb);
        if (shows && std::find(examples.begin(), examples.end(), word) == examples.end())
            examples.push_back(word);
        if (examples.size() == kNamedAtMost)
            break;
    }
    return examples;
}

Text Thousands(long long n) {
    Text digits = Decimal(n);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, U'.');
    return digits;
}

} // namespace

ReportPeriod PeriodEnding(long long today) {
    const long long firstWeek = WeekStart(today) - 7 * (kReportWeeks - 1);
    return ReportPeriod{today, {firstWeek, today}, {today - 27, today}, {today - 55, today - 28}};
}

std::vector<WeekPoint> WeekSeries(const std::vector<WeekExerciseCount>& weeks,
                                  std::string_view exercise, const ReportPeriod& period) {
    std::vector<WeekPoint> series;
    for (int n = 0; n < kReportWeeks; ++n)
        series.push_back(WeekPoint{period.shown.from + 7LL * n, {}});
    for (const WeekExerciseCount& week : weeks) {
        if (!exercise.empty() && week.exercise != exercise)
            continue;
        const long long index = (week.weekStart - period.shown.from) / 7;
        if (week.weekStart < period.shown.from || index >= kReportWeeks)
            continue;
        AnswerCount& count = series[static_cast<std::size_t>(index)].count;
        count.answers += week.count.answers;
        count.right += week.count.right;
    }
    return series;
}

std::vector<ExerciseTotal> ExerciseTotals(const std::vector<WeekExerciseCount>& weeks,
                                          const ReportPeriod& period) {
    std::map<std::string, AnswerCount> sums;
    for (const WeekExerciseCount& week : weeks)
        if (InDays(week.weekStart, period.shown)) {
            AnswerCount& sum = sums[week.exercise];
            sum.answers += week.count.answers;
            sum.right += week.count.right;
        }
    std::vector<ExerciseTotal> totals;
    for (const auto& [exercise, count] : sums)
        totals.push_back(ExerciseTotal{exercise, count});
    std::stable_sort(totals.begin(), totals.end(),
                     [](const ExerciseTotal& a, const ExerciseTotal& b) {
                         return a.count.answers > b.count.answers;
                     });
    return totals;
}

Trend TrendOf(AnswerCount recent, AnswerCount before) {
    if (recent.answers < kFewAnswers || before.answers < kFewAnswers)
        return Trend::TooFew;
    // Compared in whole per mille, so that rounding never decides.
    const long long now = recent.right * 1000 / recent.answers;
    const long long then = before.right * 1000 / before.answers;
    if (now - then >= kTrendPoints * 10)
        return Trend::Better;
    if (then - now >= kTrendPoints * 10)
        return Trend::Worse;
    return Trend::Same;
}

TextView TrendName(Trend trend) {
    switch (trend) {
    case Trend::Better:
        return U"besser";
    case Trend::Same:
        return U"gleich";
    case Trend::Worse:
        return U"schlechter";
    case Trend::TooFew:
        break;
    }
    return U"zu wenige Antworten";
}

std::vector<PhenomenonRow> PhenomenonRows(const std::vector<PhenomenonCount>& shown,
                                          const std::vector<PhenomenonCount>& recent,
                                          const std::vector<PhenomenonCount>& before) {
    const auto countOf = [](const std::vector<PhenomenonCount>& counts, Phenomenon p) {
        const auto found =
            std::find_if(counts.begin(), counts.end(),
                         [p](const PhenomenonCount& c) { return c.phenomenon == p; });
        return found == counts.end() ? AnswerCount{} : found->count;
    };
    std::vector<PhenomenonRow> rows;
    for (const PhenomenonCount& count : shown) {
        if (count.count.answers == 0)
            continue;
        const AnswerCount now = countOf(recent, count.phenomenon);
        const AnswerCount then = countOf(before, count.phenomenon);
        rows.push_back(PhenomenonRow{count.phenomenon, count.count, now, then, TrendOf(now, then)});
    }
    // Shares compared as fractions, exactly: a/b < c/d when a*d < c*b.
    std::stable_sort(rows.begin(), rows.end(), [](const PhenomenonRow& a, const PhenomenonRow& b) {
        const long long left = a.shown.right * b.shown.answers;
        const long long right = b.shown.right * a.shown.answers;
        if (left != right)
            return left < right;
        return a.shown.answers > b.shown.answers;
    });
    return rows;
}

ChildReport LoadChildReport(RecordQueries& queries, const ChildSummary& child, long long today) {
    ChildReport report;
    report.child = child;
    report.period = PeriodEnding(today);
    report.weeks = queries.WeeksByExercise(child.id);
    report.phenomena = PhenomenonRows(queries.ByPhenomenon(child.id, report.period.shown),
                                      queries.ByPhenomenon(child.id, report.period.recent),
                                      queries.ByPhenomenon(child.id, report.period.before));
    report.missed = queries.MostMissed(child.id, report.period.shown, kMissedVerbsShown);
    report.cards = queries.CardBoxCounts(child.id);
    return report;
}

Text ExerciseName(std::string_view key) {
    return NameOf(kExerciseNames, key);
}

Text AskedName(std::string_view key) {
    return NameOf(kAskedNames, key);
}

Text Percent(AnswerCount count) {
    return count.answers == 0 ? Text(U"–") : Decimal(PercentRight(count)) + U" %";
}

Text RightOfAsked(AnswerCount count) {
    return Thousands(count.right) + U" von " + Thousands(count.answers);
}

Text DayText(long long day) {
    return FormatDate(DateOfDay(day));
}

Text ShownName(const ChildSummary& child) {
    Text name;
    // Control characters (a pasted escape sequence) have no place in a sentence.
    for (char32_t c : child.name)
        if (!IsControlChar(c))
            name += c;
    const std::size_t first = name.find_first_not_of(U" \t\u00a0");
    const std::size_t last = name.find_last_not_of(U" \t\u00a0");
    return first == Text::npos ? Text() : name.substr(first, last - first + 1);
}

Text ParentText(const ChildReport& report) {
    const Text name = ShownName(report.child);
    AnswerCount total;
    int weeksPractised = 0;
    for (const WeekPoint& week : WeekSeries(report.weeks, "", report.period)) {
        total.answers += week.count.answers;
        total.right += week.count.right;
        weeksPractised += week.count.answers > 0 ? 1 : 0;
    }
    if (total.answers == 0)
        return name + U" hat in den letzten " + Decimal(kReportWeeks) + U" Wochen nicht geübt.";

    Text text = name + U" hat in " + Decimal(weeksPractised) + U" der letzten " +
                Decimal(kReportWeeks) + U" Wochen geübt und dabei " + Thousands(total.answers) +
                (total.answers == 1 ? U" Aufgabe" : U" Aufgaben") + U" gelöst, " + Percent(total) +
                U" davon richtig.";

    struct Scored {
        const Family* family;
        AnswerCount shown;
    };
    std::vector<Scored> scored;
    std::vector<Text> better;
    for (const Family& family : Families()) {
        const AnswerCount shown = Sum(family, report.phenomena, &PhenomenonRow::shown);
        if (shown.answers > 0)
            scored.push_back({&family, shown});
        if (TrendOf(Sum(family, report.phenomena, &PhenomenonRow::recent),
                    Sum(family, report.phenomena, &PhenomenonRow::before)) == Trend::Better)
            better.push_back(Text(family.topic));
    }
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        return a.shown.right * b.shown.answers < b.shown.right * a.shown.answers;
    });

    std::size_t weakNamed = 0;
    std::vector<Text> strong;
    for (const Scored& s : scored) {
        const long long percent = PercentRight(s.shown);
        if (s.shown.answers >= kFewAnswers && percent < kWeakPercent && weakNamed < kNamedAtMost) {
            ++weakNamed;
            const std::vector<Text> examples = ExamplesOf(*s.family, report.missed);
            text += U" " + name + U" " + Text(s.family->difficulty) +
                    (examples.empty() ? Text() : U" bei " + Listing(examples)) + U".";
        } else if (s.shown.answers >= kStrongAnswers && percent >= kStrongPercent &&
                   strong.size() < kNamedAtMost) {
            strong.push_back(Text(s.family->topic));
        }
    }
    if (!strong.empty())
        text += U" Sicher ist " + name + U" schon bei: " + Listing(strong) + U".";
    if (!better.empty())
        text += U" In den letzten vier Wochen besser geworden: " + Listing(better) + U".";
    if (!report.missed.empty())
        text += U" Zum Üben zu Hause eignet sich ein Arbeitsblatt mit den Verben, die " + name +
                U" noch oft falsch macht.";
    return text;
}

Text SafeFileName(TextView name) {
    Text safe;
    for (char32_t c : name)
        safe += IsControlChar(c) || TextView(U"/\\:*?\"<>|").find(c) != TextView::npos ? U'_' : c;
    // A name of dots alone would be this folder or the one above it.
    if (safe.find_first_not_of(U". ") == Text::npos)
        safe = U"_" + safe;
    return safe;
}

} // namespace tamurik
