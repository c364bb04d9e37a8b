// The learning record with one child's five years: 200,000 answers in the SQLite file. How
// long one more answer takes (median and 99th percentile of single calls, the figure the
// answer handler feels), the teacher's two sums, the children list, the due verbs, opening
// the file on the first name, and the teacher area's view of that child and its report as a
// PDF file.
//
// The record is filled once through the record itself (a FixedClock walking 1,826 days, about
// 110 answers a day over the shipped verbs and every exercise) and kept in the temporary
// folder; each run works on a copy of it.

#include "app/navigator.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/word_lists.h"
#include "core/work_dir.h"
#include "learning/days.h"
#include "record/sql.h"
#include "record/sqlite_record.h"
#include "teacher/child_page.h"
#include "teacher/paper.h"
#include "teacher/report_pdf.h"
#include "teacher/teacher_screen.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include <time.h>

namespace {

using namespace tamurik;
namespace fs = std::filesystem;

constexpr long long kAnswers = 200'000;
constexpr long long kFirstDay = 18'993; // 1 January 2022
constexpr long long kDays = 1826;

const char* const kExercises[] = {
    "quatschverben",     "verben_trennen",    "verben_schnell_lesen",   "abc_verben",
    "reimverben_memory", "reimverben_finden", "reimverben_schreiben",   "verbbedeutung",
    "galgenspiel",       "verbformen",        "verben_zusammenpuzzeln", "verben_zusammensetzen",
    "verben_schreiben"};
const char* const kAsked[] = {"trennung",    "vokallaenge", "echt",        "lesen",    "abc",
                              "reimpartner", "bedeutung",   "buchstabe",   "wortteil", "ich",
                              "du",          "er",          "schreibweise"};

void SetDay(FixedClock& clock, long long day, long long ms) {
    clock.Set(DateOfDay(day));
    clock.SetMs(day * 86'400'000 + ms);
}

Answer Draw(std::mt19937& random, const std::vector<Text>& verbs) {
    const std::size_t exercise = random() % std::size(kExercises);
    return Answer{kExercises[exercise], verbs[random() % verbs.size()],
                  kAsked[exercise],     U"geantwortet",
                  random() % 10 < 7,    static_cast<std::int64_t>(random() % 8000),
                  exercise != 0};
}

std::vector<Text> ShippedVerbs() {
    std::vector<Text> verbs;
    for (const Text& line :
         ReadWordLines(WorkDir(TAMURIK_DATA_DIR), "ZAHLVERB.TXT").value_or(std::vector<Text>{}))
        verbs.push_back(MarkedWord(line));
    return verbs;
}

// A folder holding a copy of the filled record.
fs::path FilledFolder() {
    const fs::path cache = fs::temp_directory_path() /
                           ("tamurik-record-bench-200000-v" + std::to_string(sql::kSchemaVersion));
    const fs::path filled = cache / kRecordFile;
    if (!fs::exists(filled)) {
        fs::create_directories(cache);
        FixedClock clock{Date{}};
        SqliteRecord record(cache, clock, nullptr);
        record.SetChild(U"Lena");
        std::mt19937 random(5);
        const std::vector<Text> verbs = ShippedVerbs();
        for (long long n = 0; n < kAnswers; ++n) {
            SetDay(clock, kFirstDay + n * kDays / kAnswers, 36'000'000 + n % 100'000);
            record.Report(Draw(random, verbs));
        }
    }
    const fs::path work = fs::temp_directory_path() / "tamurik-record-bench-work";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::copy_file(filled, work / kRecordFile);
    return work;
}

struct Fixture {
    Fixture() : folder(FilledFolder()), record(folder, clock, nullptr) {
        SetDay(clock, kFirstDay + kDays, 36'000'000);
        record.SetChild(U"Lena");
    }
    fs::path folder;
    FixedClock clock{Date{}};
    SqliteRecord record;
    std::vector<Text> verbs = ShippedVerbs();
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// The processor time of this thread, in milliseconds: what a call costs when the machine is
// shared (the wall-clock time of a single call also holds the waits for a busy processor).
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Times each call of `work` on its own, wall-clock and processor time, and reports the median,
// the 99th percentile and the longest call.
template <typename Work> void EachCall(benchmark::State& state, Work&& work) {
    std::vector<double> ms;
    std::vector<double> cpuMs;
    for (auto _ : state) {
        const double cpuStart = ThreadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        cpuMs.push_back(ThreadCpuMs() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    state.counters["max_ms"] = ms.back();
    state.counters["cpu_median_ms"] = cpuMs[cpuMs.size() / 2];
    state.counters["cpu_p99_ms"] = cpuMs[cpuMs.size() * 99 / 100];
}

void Report(benchmark::State& state) {
    Fixture& f = Shared();
    std::mt19937 random(9);
    EachCall(state, [&] {
        f.clock.AdvanceMs(1000);
        f.record.Report(Draw(random, f.verbs));
    });
}
BENCHMARK(Report)->Iterations(2000)->Unit(benchmark::kMillisecond);

// The yardstick for the figures above on a shared machine: 0.1 ms of pure computation, timed
// the same way. Its wall-clock percentiles show what the machine adds to any short call.
void Yardstick(benchmark::State& state) {
    std::uint64_t x = 1;
    EachCall(state, [&] {
        const double until = ThreadCpuMs() + 0.1;
        while (ThreadCpuMs() < until)
            x = x * 6364136223846793005u + 1442695040888963407u;
        benchmark::DoNotOptimize(x);
    });
}
BENCHMARK(Yardstick)->Iterations(2000)->Unit(benchmark::kMillisecond);

void WeeksByExercise(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        state.counters["rows"] =
            static_cast<double>(f.record.WeeksByExercise(f.record.ChildId()).size());
}
BENCHMARK(WeeksByExercise)->Unit(benchmark::kMillisecond);

void ByPhenomenon(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        state.counters["rows"] =
            static_cast<double>(f.record.ByPhenomenon(f.record.ChildId(), {}).size());
}
BENCHMARK(ByPhenomenon)->Unit(benchmark::kMillisecond);

void Children(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.record.Children());
}
BENCHMARK(Children)->Unit(benchmark::kMillisecond);

void DueVerbs(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        state.counters["due"] = static_cast<double>(f.record.DueVerbs().size());
}
BENCHMARK(DueVerbs)->Unit(benchmark::kMillisecond);

// Copying the journal into the file after 100 answers, as it is done in a pause.
void CheckpointAfter100Answers(benchmark::State& state) {
    Fixture& f = Shared();
    std::mt19937 random(11);
    for (auto _ : state) {
        state.PauseTiming();
        for (int n = 0; n < 100; ++n)
            f.record.Report(Draw(random, f.verbs));
        state.ResumeTiming();
        f.record.Checkpoint();
    }
}
BENCHMARK(CheckpointAfter100Answers)->Unit(benchmark::kMillisecond);

// The first name of a run: the file is opened, checked and the child found.
void OpenOnFirstName(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        SqliteRecord record(f.folder, f.clock, nullptr);
        record.SetChild(U"Lena");
        benchmark::DoNotOptimize(record.ChildId());
    }
}
BENCHMARK(OpenOnFirstName)->Unit(benchmark::kMillisecond);

// The teacher opens the child: its report read from the record, the page filled and drawn.
void ChildView(benchmark::State& state) {
    Fixture& f = Shared();
    MODUL1 programState;
    StdRandom random(1);
    QtDialogs dialogs;
    const WorkDir data(TAMURIK_DATA_DIR);
    AppNavigator navigator(programState, data, random, f.clock, dialogs, &f.record, &f.record);
    auto& area = static_cast<TeacherScreen&>(navigator.screen(ScreenId::Lehrerbereich));
    const ChildSummary child = f.record.Children().front();
    for (auto _ : state) {
        area.childPage().ShowChild(child);
        benchmark::DoNotOptimize(area.childPage().grab());
    }
}
BENCHMARK(ChildView)->Unit(benchmark::kMillisecond);

// The report read from the record and written as a two-page PDF file.
void ReportPdf(benchmark::State& state) {
    Fixture& f = Shared();
    const ChildSummary child = f.record.Children().front();
    const QString path = QString::fromStdString((f.folder / "bericht.pdf").string());
    const WordColors colors{Qt::black, Qt::red, Qt::darkGreen, Qt::blue};
    for (auto _ : state) {
        const ChildReport report = LoadChildReport(f.record, child, DayNumber(f.clock.Today()));
        const std::optional<Text> failure =
            SavePdf(path, U"Bericht", [&](Sheet& sheet) { DrawReport(sheet, report, colors); });
        if (failure)
            state.SkipWithError("the report was not written");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(f.folder / "bericht.pdf"));
}
BENCHMARK(ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace
