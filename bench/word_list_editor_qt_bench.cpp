// The word-list editor of the teacher area with a verb list of 20,000 lines (the shipped lines
// over and over): a letter typed into the line being edited, which checks that line and draws
// its preview, and one changed line taken into the list, which checks every line again. Each
// step includes the painting it causes (pending events are processed before the clock stops);
// 16 ms is one frame at 60 Hz.

#include "app/navigator.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/word_lists.h"
#include "core/work_dir.h"
#include "teacher/teacher_screen.h"
#include "teacher/word_list_editor.h"
#include "teacher/word_list_tab.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace tamurik;
namespace fs = std::filesystem;

constexpr int kLines = 20'000;

struct Editor {
    Editor() {
        fs::create_directories(folder);
        const std::vector<Text> shipped =
            ReadWordLines(WorkDir(TAMURIK_DATA_DIR), "ZAHLVERB.TXT").value_or(std::vector<Text>{});
        std::vector<Text> lines;
        for (int n = 0; n < kLines && !shipped.empty(); ++n)
            lines.push_back(shipped[static_cast<std::size_t>(n) % shipped.size()]);
        dir.WriteLines("ZAHLVERB.TXT", lines);
        fs::copy_file(fs::path(TAMURIK_DATA_DIR) / "ZAHLREIM.TXT", folder / "ZAHLREIM.TXT",
                      fs::copy_options::overwrite_existing);
        area.show();
        area.wordListEditor().Open();
        tab.SelectRow(kLines / 2);
        QApplication::processEvents();
    }
    ~Editor() { fs::remove_all(folder); }

    fs::path folder = fs::temp_directory_path() / "tamurik-editor-bench";
    WorkDir dir{folder};
    MODUL1 state;
    StdRandom random{1};
    FixedClock clock{Date{7, 12, 2026}};
    QtDialogs dialogs;
    AppNavigator navigator{state, dir, random, clock, dialogs, nullptr, nullptr};
    TeacherScreen& area = static_cast<TeacherScreen&>(navigator.screen(ScreenId::Lehrerbereich));
    WordListTab& tab = area.wordListEditor().tab(0);
};

void TypeOneLetter(benchmark::State& state) {
    Editor editor;
    QLineEdit* line = editor.tab.lineEdit();
    line->setText(QStringLiteral("1schw2im.m3e"));
    for (auto _ : state) {
        line->insert(QStringLiteral("n"));
        QApplication::processEvents();
        state.PauseTiming();
        line->backspace();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(TypeOneLetter)->Unit(benchmark::kMillisecond);

void TakeOneChangedLine(benchmark::State& state) {
    Editor editor;
    QLineEdit* line = editor.tab.lineEdit();
    bool flip = false;
    for (auto _ : state) {
        line->setText(flip ? QStringLiteral("1schw2im.m3en") : QStringLiteral("1h2ü.pf3en"));
        flip = !flip;
        editor.tab.ChangeLine();
        QApplication::processEvents();
    }
    state.counters["lines"] = kLines;
}
BENCHMARK(TakeOneChangedLine)->Unit(benchmark::kMillisecond);

} // namespace
