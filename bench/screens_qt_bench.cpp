// How long each screen takes to come up from the main menu, and how long its most frequent
// handler takes: a typed letter, a card turned, a letter clicked, the clock tick. The whole
// program runs headless with the real navigator, once in a working folder with the shipped
// files and once with word files ten times as long. Each measured step includes the painting
// it causes (the pending events are processed before the clock stops), so a figure is the
// time until the child sees the answer; 16 ms is one frame at 60 Hz.

#include "app/navigator.h"
#include "app/run.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/text.h"
#include "core/work_dir.h"
#include "exercises/rhymes/reimverben_finden_screen.h"
#include "exercises/rhymes/reimverben_memory_screen.h"
#include "exercises/rhymes/reimverben_schreiben_screen.h"
#include "exercises/rhymes/verbbedeutung_screen.h"
#include "exercises/syllables/abc_verben_screen.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/syllables/verben_schnell_lesen_screen.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "exercises/wordbuilding/verbformen_screen.h"
#include "info/manual_viewer.h"
#include "info/rtf_reader.h"
#include "menu/main_menu.h"
#include "reward/devadodad_screen.h"
#include "settings/settings_screen.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/resources.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tamurik;
namespace fs = std::filesystem;

// Answers every box at once, as a child who always clicks the first button would: OK, or No
// where there is a choice; an input box is left empty.
class QuietDialogs : public Dialogs {
public:
    DialogAnswer Message(const Text&, const Text&, DialogButtons buttons, DialogIcon) override {
        ++shown;
        return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
    }
    Text Input(const Text&, const Text&, const Text&) override {
        ++shown;
        return {};
    }
    long long shown = 0;
};

std::string ReadShipped(const char* name) {
    std::ifstream in(fs::path(TAMURIK_DATA_DIR) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A whole program in its own working folder. With times > 1 every word file holds its shipped
// content that many times over (the rhyme list stays a list of pairs); the manual is shipped.
class Program {
public:
    explicit Program(int times)
        : folder_(fs::temp_directory_path() /
                  ("tamurik-screens-bench-" + std::to_string(times) + "-" +
                   std::to_string(QCoreApplication::applicationPid()))) {
        fs::create_directories(folder_);
        for (const char* name : {"ZAHLVERB.TXT", "ZAHLREIM.TXT", "VERBEN.TXT"}) {
            const std::string content = ReadShipped(name);
            std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
            for (int i = 0; i < times; ++i)
                out << content;
        }
        std::ofstream(folder_ / "TAMURIK.RTF", std::ios::binary | std::ios::trunc)
            << ReadShipped("TAMURIK.RTF");
        dir_ = std::make_unique<WorkDir>(folder_);
        if (!RunStartUp(*dir_, state_, dialogs_)) {
            std::cerr << "start-up failed in " << folder_ << "\n";
            std::exit(1);
        }
        Restart();
    }
    ~Program() {
        navigator_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A new navigator, so that every screen is created again on its first use; the main menu
    // is shown unless told otherwise.
    void Restart(bool showMenu = true) {
        navigator_.reset();
        navigator_ = std::make_unique<AppNavigator>(state_, *dir_, random_, clock_, dialogs_);
        navigator_->setQuitHandler([] {});
        if (showMenu)
            navigator_->ShowMenu();
        QCoreApplication::processEvents();
    }

    AppNavigator& navigator() { return *navigator_; }
    MODUL1& state() { return state_; }
    QuietDialogs& dialogs() { return dialogs_; }

    // The screen, opened from the main menu (the menu itself when id is empty).
    template <typename T> T& Open(std::optional<ScreenId> id) {
        if (id)
            navigator_->Open(*id);
        else
            navigator_->ShowMenu();
        QCoreApplication::processEvents();
        if (id)
            return dynamic_cast<T&>(navigator_->screen(*id));
        return dynamic_cast<T&>(static_cast<Screen&>(navigator_->menu()));
    }
    // Hides every window, as between two visits.
    void HideAll() {
        for (int i = 0; i <= static_cast<int>(ScreenId::Info); ++i)
            if (Screen* s = navigator_->existing(static_cast<ScreenId>(i)))
                s->hide();
        navigator_->menu().hide();
        QCoreApplication::processEvents();
    }

private:
    fs::path folder_;
    std::unique_ptr<WorkDir> dir_;
    MODUL1 state_;
    StdRandom random_{20261206};
    SystemClock clock_;
    QuietDialogs dialogs_;
    std::unique_ptr<AppNavigator> navigator_;
};

std::map<int, std::unique_ptr<Program>>& Programs() {
    static std::map<int, std::unique_ptr<Program>> programs;
    return programs;
}

Program& ProgramFor(int times) {
    auto& slot = Programs()[times];
    if (!slot)
        slot = std::make_unique<Program>(times);
    return *slot;
}

// The pending events, painting among them, as the event loop would run them next.
void Settle() {
    QCoreApplication::processEvents();
}

// Work the figure must leave out (drawing a new word, closing a panel): the clock stops for it.
template <typename Work> void Untimed(benchmark::State& st, Work&& work) {
    st.PauseTiming();
    work();
    st.ResumeTiming();
}

// A key pressed in a text field, with the character it types.
void TypeChar(QWidget* field, char32_t c) {
    const QString text = QString::fromUcs4(&c, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

// Types the word the screen waits for, one letter per step; a field that no longer holds the
// beginning of that word (a new word was drawn) is emptied first, outside the measured time.
void TypeNextLetter(benchmark::State& st, QLineEdit* field, const Text& expected) {
    const Text typed = FromQ(field->text());
    if (expected.empty() || typed.size() >= expected.size() ||
        expected.compare(0, typed.size(), typed) != 0) {
        Untimed(st, [&] {
            field->clear();
            Settle();
        });
    }
    TypeChar(field, expected.empty() ? U'a' : expected[FromQ(field->text()).size()]);
    Settle();
}

// Types all of the word but its last letter, outside the measured time, then the last letter:
// the step that scores the word and shows the next one.
void TypeLastLetter(benchmark::State& st, QLineEdit* field, const Text& expected) {
    Untimed(st, [&] {
        field->clear();
        for (std::size_t k = 0; k + 1 < expected.size(); ++k)
            TypeChar(field, expected[k]);
        Settle();
    });
    TypeChar(field, expected.empty() ? U'a' : expected.back());
    Settle();
}

// A copying run ends when its time is up: a new one starts, outside the timing.
void KeepCopyRunGoing(benchmark::State& st, VerbenSchreibenScreen& v) {
    if (v.isRunning())
        return;
    Untimed(st, [&] {
        if (v.isBestListOpen())
            v.CloseBestList();
        v.StartRun();
    });
}

// One screen's benchmarks: how it is opened, and its most frequent handler. Prepare runs
// once after opening, outside the measured time; Step is one handler call.
struct ScreenCase {
    const char* name;
    std::optional<ScreenId> id;
    const char* handler;
    std::function<void(Program&, Screen&)> prepare;
    std::function<void(benchmark::State&, Program&, Screen&, long long)> step;
    // False for a second handler of a screen measured already.
    bool opening = true;
};

std::vector<ScreenCase> Cases() {
    using St = benchmark::State;
    return {
        {"Quatschverben", ScreenId::Quatschverben, "typed letter",
         [](Program&, Screen& s) {
             auto& q = dynamic_cast<QuatschverbenScreen&>(s);
             q.findChild<QScrollBar*>(QStringLiteral("HBildlauf1"))->setValue(10);
             q.StartRun();
         },
         [](St& st, Program&, Screen& s, long long) {
             auto& q = dynamic_cast<QuatschverbenScreen&>(s);
             if (!q.isRunning()) {
                 Untimed(st, [&] { q.StartRun(); });
             }
             TypeNextLetter(st, q.findChild<QLineEdit*>(QStringLiteral("Text1")),
                            q.currentWord().Separated);
         }},
        {"QuatschverbenWordDone", ScreenId::Quatschverben,
         "last letter of a word, the next one drawn",
         [](Program&, Screen& s) {
             auto& q = dynamic_cast<QuatschverbenScreen&>(s);
             q.findChild<QScrollBar*>(QStringLiteral("HBildlauf1"))->setValue(10);
             q.StartRun();
         },
         [](St& st, Program& p, Screen& s, long long) {
             auto& q = dynamic_cast<QuatschverbenScreen&>(s);
             auto* entry = q.findChild<QLineEdit*>(QStringLiteral("Text1"));
             st.PauseTiming();
             if (!q.isRunning())
                 q.StartRun();
             entry->clear();
             const Text word = q.currentWord().Separated;
             for (std::size_t k = 0; k + 1 < word.size(); ++k)
                 TypeChar(entry, word[k]);
             // Both properties decided, the second button when the first was wrong.
             q.AnswerRealVerb();
             if (p.state().AnswerB != 0)
                 q.AnswerFakeVerb();
             q.AnswerShortVowel();
             if (p.state().AnswerA != 0)
                 q.AnswerLongVowel();
             Settle();
             st.ResumeTiming();
             TypeChar(entry, word.empty() ? U'a' : word.back());
             Settle();
         },
         false},
        {"VerbenTrennen", ScreenId::VerbenTrennen, "cursor moved", nullptr,
         [](St&, Program&, Screen& s, long long i) {
             QScrollBar* bar = dynamic_cast<VerbenTrennenScreen&>(s).scrollBar();
             const int span = std::max(1, bar->maximum() - bar->minimum() + 1);
             bar->setValue(bar->minimum() + static_cast<int>(i % span));
             Settle();
         }},
        {"SchnellLesen", ScreenId::SchnellLesen, "word picked from the list", nullptr,
         [](St& st, Program&, Screen& s, long long) {
             auto& r = dynamic_cast<SchnellLesenScreen&>(s);
             st.PauseTiming();
             if (r.drawList().empty())
                 r.BuildDrawList();
             r.FlashWord();
             r.EndFlash();
             const auto items = r.list()->findItems(ToQ(r.solution()), Qt::MatchExactly);
             Settle();
             st.ResumeTiming();
             r.PickFromList(items.isEmpty() ? r.list()->item(0) : items.front());
             Settle();
         }},
        {"AbcVerben", ScreenId::AbcVerben, "verb picked from the list", nullptr,
         [](St& st, Program& p, Screen& s, long long) {
             auto& a = dynamic_cast<AbcVerbenScreen&>(s);
             auto items = a.list()->findItems(ToQ(p.state().CurrentWord), Qt::MatchExactly);
             if (items.isEmpty()) {
                 Untimed(st, [&] {
                     a.StartSet();
                     Settle();
                     items = a.list()->findItems(ToQ(p.state().CurrentWord), Qt::MatchExactly);
                 });
             }
             a.AnswerPick(items.isEmpty() ? a.list()->item(0) : items.front());
             Settle();
         }},
        {"Memory", ScreenId::Memory, "card turned",
         [](Program&, Screen& s) { dynamic_cast<MemoryScreen&>(s).StartPlay(); },
         [](St& st, Program&, Screen& s, long long i) {
             auto& m = dynamic_cast<MemoryScreen&>(s);
             bool open = false;
             for (int f = 1; f <= kMemoryFields && !m.game().cards().empty(); ++f)
                 open = open || !m.game().solved(f);
             if (!open) {
                 Untimed(st, [&] {
                     m.StartGame();
                     m.StartPlay();
                     Settle();
                 });
             }
             m.TurnCard(static_cast<int>(i % kMemoryFields) + 1);
             Settle();
         }},
        {"ReimverbenFinden", ScreenId::ReimverbenFinden, "strip moved", nullptr,
         [](St&, Program&, Screen& s, long long i) {
             auto& r = dynamic_cast<ReimverbenFindenScreen&>(s);
             auto* slider = r.findChild<QScrollBar*>(QStringLiteral("VBildlauf1"));
             const int span = std::max(1, slider->maximum() - slider->minimum() + 1);
             slider->setValue(slider->minimum() + static_cast<int>(i % span));
             Settle();
         }},
        {"ReimverbenSchreiben", ScreenId::ReimverbenSchreiben, "typed letter", nullptr,
         [](St& st, Program&, Screen& s, long long) {
             auto& r = dynamic_cast<ReimverbenSchreibenScreen&>(s);
             if (r.pairsLeft() == 0 && r.expectedWord().empty()) {
                 Untimed(st, [&] {
                     r.DrawRhymePairs();
                     r.ShowNextPair();
                 });
             }
             const Text& word = r.expectedWord();
             const std::size_t next = r.typed().size();
             auto* input = r.findChild<QLineEdit*>(QStringLiteral("Text1"));
             input->setText(ToQ(Text(1, next < word.size() ? word[next] : U'a')));
             Settle();
         }},
        {"Verbbedeutung", ScreenId::Verbbedeutung, "meaning clicked", nullptr,
         [](St& st, Program&, Screen& s, long long i) {
             auto& v = dynamic_cast<VerbbedeutungScreen&>(s);
             if (v.questions().empty()) {
                 Untimed(st, [&] {
                     v.DrawMeaningSet();
                     Settle();
                 });
             }
             v.CheckMeaning(static_cast<int>(i % kMeaningSetSize) + 1);
             Settle();
         }},
        {"Galgenspiel", ScreenId::Galgenspiel, "letter chosen", nullptr,
         [](St& st, Program&, Screen& s, long long i) {
             auto& g = dynamic_cast<GalgenspielScreen&>(s);
             if (g.isBestListOpen()) {
                 Untimed(st, [&] {
                     g.CloseBestList();
                     Settle();
                 });
             }
             auto* board = g.findChild<QListWidget*>(QStringLiteral("Liste1"));
             g.ChooseLetter(static_cast<int>(i % std::max(1, board->count())));
             Settle();
         }},
        {"Verbformen", ScreenId::Verbformen, "typed letter", nullptr,
         [](St& st, Program& p, Screen& s, long long) {
             auto& v = dynamic_cast<VerbformenScreen&>(s);
             TypeNextLetter(st, v.textBox(), p.state().CurrentWord);
         }},
        {"Zusammenpuzzeln", ScreenId::Zusammenpuzzeln, "part dropped", nullptr,
         [](St& st, Program&, Screen& s, long long) {
             // The right part of the verb being built goes into the next empty field.
             auto& z = dynamic_cast<ZusammenpuzzelnScreen&>(s);
             const PuzzleBoard& board = z.board();
             if (board.rows().empty()) {
                 Untimed(st, [&] {
                     z.NewSet();
                     Settle();
                 });
             }
             const int row = board.targetRow() > 0 ? board.targetRow() - 1 : 0;
             int field = 0;
             while (field < PuzzleBoard::kFields - 1 && !board.field(field).empty())
                 ++field;
             int tile = 0;
             while (tile < PuzzleBoard::kTiles - 1 &&
                    board.tile(tile) != board.rows().at(static_cast<std::size_t>(row))[field])
                 ++tile;
             z.DropPart(field, tile);
             Settle();
         }},
        {"Zusammensetzen", ScreenId::Zusammensetzen, "letter clicked", nullptr,
         [](St& st, Program&, Screen& s, long long) {
             auto& z = dynamic_cast<ZusammensetzenScreen&>(s);
             const auto& grid = z.grid();
             if (grid.cells().empty() || grid.assembled().size() >= grid.cells().size()) {
                 Untimed(st, [&] {
                     z.NextVerb();
                     Settle();
                 });
             }
             const std::size_t next = std::min(grid.assembled().size(), grid.cells().size() - 1);
             const LetterCell& cell = grid.cells().at(next);
             z.ClickLetter(350 + 500 * cell.column, 350 + 500 * cell.row);
             Settle();
         }},
        {"VerbenSchreiben", ScreenId::VerbenSchreiben, "typed letter",
         [](Program&, Screen& s) { dynamic_cast<VerbenSchreibenScreen&>(s).StartRun(); },
         [](St& st, Program& p, Screen& s, long long) {
             auto& v = dynamic_cast<VerbenSchreibenScreen&>(s);
             KeepCopyRunGoing(st, v);
             TypeNextLetter(st, v.typing(), p.state().CurrentWord);
         }},
        {"VerbenSchreibenWordDone", ScreenId::VerbenSchreiben,
         "last letter of a word, the next one drawn",
         [](Program&, Screen& s) { dynamic_cast<VerbenSchreibenScreen&>(s).StartRun(); },
         [](St& st, Program& p, Screen& s, long long) {
             auto& v = dynamic_cast<VerbenSchreibenScreen&>(s);
             KeepCopyRunGoing(st, v);
             TypeLastLetter(st, v.typing(), p.state().CurrentWord);
         },
         false},
        {"VerbformenVerbDone", ScreenId::Verbformen, "last letter of the third form, next verb",
         nullptr,
         [](St& st, Program& p, Screen& s, long long) {
             auto& v = dynamic_cast<VerbformenScreen&>(s);
             Untimed(st, [&] {
                 for (int guard = 0; guard < 3 && v.currentRow() >= 1 && v.currentRow() < 3 &&
                                     !p.state().CurrentWord.empty();
                      ++guard) {
                     const Text form = p.state().CurrentWord;
                     v.textBox()->clear();
                     for (char32_t c : form)
                         TypeChar(v.textBox(), c);
                 }
             });
             TypeLastLetter(st, v.textBox(), p.state().CurrentWord);
         },
         false},
        {"ReimverbenSchreibenWordDone", ScreenId::ReimverbenSchreiben,
         "last letter of a word, the next pair shown", nullptr,
         [](St& st, Program&, Screen& s, long long) {
             auto& r = dynamic_cast<ReimverbenSchreibenScreen&>(s);
             auto* input = r.findChild<QLineEdit*>(QStringLiteral("Text1"));
             st.PauseTiming();
             if (r.pairsLeft() == 0 || r.expectedWord().empty()) {
                 r.DrawRhymePairs();
                 r.ShowNextPair();
             }
             const Text word = r.expectedWord();
             for (std::size_t k = r.typed().size(); r.expectedWord() == word && k + 1 < word.size();
                  ++k)
                 input->setText(ToQ(Text(1, word[k])));
             Settle();
             st.ResumeTiming();
             input->setText(ToQ(Text(1, word.empty() ? U'a' : word.back())));
             Settle();
         },
         false},
        {"GalgenspielWordDone", ScreenId::Galgenspiel,
         "last letter of a word: result into the best list", nullptr,
         [](St& st, Program& p, Screen& s, long long) {
             auto& g = dynamic_cast<GalgenspielScreen&>(s);
             st.PauseTiming();
             if (g.isBestListOpen())
                 g.CloseBestList();
             // The word's letters in the order of the board; all but the last are chosen now.
             auto* board = g.findChild<QListWidget*>(QStringLiteral("Liste1"));
             const Text word = ToLower(p.state().CurrentWord);
             std::vector<int> needed;
             for (int k = 0; k < board->count(); ++k) {
                 const Text letter = FromQ(board->item(k)->text().trimmed());
                 if (letter.size() == 1 && Contains(word, letter.front()))
                     needed.push_back(k);
             }
             for (std::size_t k = 0; k + 1 < needed.size(); ++k)
                 g.ChooseLetter(needed[k]);
             Settle();
             st.ResumeTiming();
             g.ChooseLetter(needed.empty() ? 0 : needed.back());
             Settle();
         },
         false},
        {"Settings", ScreenId::Settings, "colour field clicked", nullptr,
         [](St&, Program&, Screen& s, long long i) {
             auto& e = dynamic_cast<SettingsScreen&>(s);
             e.StepColour(static_cast<SettingsScreen::SamplePart>(i % 4));
             Settle();
         }},
        {"SettingsFonts", ScreenId::Settings, "font list filled (once per visit)", nullptr,
         [](St&, Program&, Screen& s, long long) {
             dynamic_cast<SettingsScreen&>(s).ScanFonts();
             Settle();
         },
         false},
        {"Devadodad", ScreenId::Devadodad, "clock tick",
         [](Program&, Screen& s) { dynamic_cast<DevadodadScreen&>(s).StartGame(); },
         [](St& st, Program&, Screen& s, long long) {
             auto& d = dynamic_cast<DevadodadScreen&>(s);
             auto* timer = d.findChild<QTimer*>(QStringLiteral("Zeit1"));
             if (timer == nullptr || !timer->isActive()) {
                 Untimed(st, [&] {
                     d.PrepareWord();
                     d.StartGame();
                     Settle();
                 });
             }
             d.Tick();
             Settle();
         }},
        {"MainMenu", std::nullopt, "pointer over an icon", nullptr,
         [](St&, Program&, Screen& s, long long i) {
             const auto icons = s.findChildren<ClickLabel*>();
             ClickLabel* icon = icons.at(static_cast<int>(i % icons.size()));
             const QPointF at(icon->rect().center());
             QMouseEvent move(QEvent::MouseMove, at, icon->mapToGlobal(at), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(icon, &move);
             Settle();
         }},
        {"Manual", ScreenId::Manual, "page scrolled", nullptr,
         [](St&, Program&, Screen& s, long long i) {
             auto* bar = dynamic_cast<ManualViewer&>(s).view()->verticalScrollBar();
             if (i % 40 == 0)
                 bar->setValue(0);
             bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
             Settle();
         }},
    };
}

// Closes the screen the way the child does, back to the main menu.
void CloseToMenu(Program& p, const ScreenCase& c) {
    if (!c.id) {
        p.HideAll();
        return;
    }
    Screen& screen = p.navigator().screen(*c.id);
    if (auto* game = dynamic_cast<DevadodadScreen*>(&screen))
        game->CloseGame(); // its window close asks first
    else
        screen.CloseFromWindowManager();
    Settle();
}

void Activation(benchmark::State& st, const ScreenCase& c, int times) {
    Program& p = ProgramFor(times);
    for (auto _ : st) {
        Untimed(st, [&] {
            CloseToMenu(p, c);
            if (!c.id)
                p.HideAll();
        });
        if (c.id)
            p.navigator().Open(*c.id);
        else
            p.navigator().ShowMenu();
        Settle();
    }
    p.HideAll();
    p.navigator().ShowMenu();
    Settle();
}

// The first opening after start: the screen is built, shown and activated.
void FirstOpening(benchmark::State& st, const ScreenCase& c, int times) {
    Program& p = ProgramFor(times);
    for (auto _ : st) {
        Untimed(st, [&] { p.Restart(c.id.has_value()); });
        if (c.id)
            p.navigator().Open(*c.id);
        else
            p.navigator().ShowMenu();
        Settle();
    }
    p.Restart();
}

void Handler(benchmark::State& st, const ScreenCase& c, int times) {
    Program& p = ProgramFor(times);
    p.state().Points = 100000;
    p.HideAll();
    Screen& screen = p.Open<Screen>(c.id);
    if (c.prepare)
        c.prepare(p, screen);
    Settle();
    const long long boxesBefore = p.dialogs().shown;
    const long long pointsBefore = p.state().Points;
    long long i = 0;
    for (auto _ : st)
        c.step(st, p, screen, i++);
    // What the steps did, to tell a handler at work from one that ignored them.
    st.counters["boxes"] = static_cast<double>(p.dialogs().shown - boxesBefore);
    st.counters["points"] = static_cast<double>(p.state().Points - pointsBefore);
    st.SetLabel(c.handler);
    CloseToMenu(p, c);
    p.navigator().ShowMenu();
    Settle();
}

// The manual's reading alone, into a document that no view lays out: what of the viewer's
// activation is the reader's and what is Qt's layout of the text.
void ReadManualOnly(benchmark::State& st) {
    const std::string bytes = ReadShipped("TAMURIK.RTF");
    QTextDocument document;
    for (auto _ : st) {
        if (!ReadRtf(bytes, document))
            st.SkipWithError("the manual was not read");
        benchmark::DoNotOptimize(document.characterCount());
    }
}

// The same, and the document laid out at the viewer's width: the rest of the activation is
// painting.
void ReadAndLayOutManual(benchmark::State& st) {
    const std::string bytes = ReadShipped("TAMURIK.RTF");
    QTextDocument document;
    document.setTextWidth(Px(8640));
    for (auto _ : st) {
        if (!ReadRtf(bytes, document))
            st.SkipWithError("the manual was not read");
        benchmark::DoNotOptimize(document.size());
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();
    ChooseScaleFactor(nullptr);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    static const std::vector<ScreenCase> cases = Cases();
    for (int times : {1, 10}) {
        const std::string files = times == 1 ? "shipped" : "tenfold";
        for (const ScreenCase& c : cases) {
            benchmark::RegisterBenchmark(
                (std::string("Handler/") + c.name + "/" + files).c_str(),
                [&c, times](benchmark::State& st) { Handler(st, c, times); })
                ->Unit(benchmark::kMillisecond);
            if (!c.opening)
                continue;
            benchmark::RegisterBenchmark(
                (std::string("FirstOpen/") + c.name + "/" + files).c_str(),
                [&c, times](benchmark::State& st) { FirstOpening(st, c, times); })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(
                (std::string("Activate/") + c.name + "/" + files).c_str(),
                [&c, times](benchmark::State& st) { Activation(st, c, times); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("ReadOnly/Manual/shipped", ReadManualOnly)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReadAndLayOut/Manual/shipped", ReadAndLayOutManual)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Programs().clear();
    return 0;
}
