// Word files that change under the running program: deleted, emptied, replaced by binary
// rubbish or by one line of a megabyte, or rewritten with a byte-order mark or with LF line
// ends, between two draws. Every exercise either goes on with whole words or tells the child
// which file is at fault and returns to the main menu; it never shows an empty or broken word.

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
#include "exercises/wordbuilding/verben_verlaengern_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "exercises/wordbuilding/verbformen_screen.h"
#include "reward/devadodad_screen.h"
#include "tests/faults/damaged_files.h"
#include "tests/faults/shown_text.h"
#include "tests/support/app_fixture.h"
#include "ui/exercise_frame.h"

#include <fstream>
#include <functional>
#include <vector>

namespace tamurik::testing {
namespace {

// What a screen shows of its words right now, and how it draws the next ones.
struct ScreenCase {
    const char* name;
    ScreenId id;
    std::vector<std::string> files; // the word files it reads
    std::function<void(Screen&)> start;
    std::function<void(Screen&)> drawNext;
    std::function<std::vector<Text>(Screen&, const MODUL1&)> words;
};

template <typename S> S& As(Screen& screen) {
    return dynamic_cast<S&>(screen);
}

const std::vector<ScreenCase>& Screens() {
    static const std::vector<ScreenCase> screens{
        {"Quatschverben",
         ScreenId::Quatschverben,
         {"VERBEN.TXT", "ZAHLVERB.TXT"},
         [](Screen& s) { As<QuatschverbenScreen>(s).StartRun(); },
         [](Screen& s) {
             auto& screen = As<QuatschverbenScreen>(s);
             screen.SkipWord();
             // The verb list beside the run is read afresh too.
             screen.ToggleVerbList();
         },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<QuatschverbenScreen>(s).currentWord().Plain};
         }},
        {"VerbenTrennen",
         ScreenId::VerbenTrennen,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) {
             auto& screen = As<VerbenTrennenScreen>(s);
             screen.BuildWorkList();
             screen.ShowNextVerb();
         },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<VerbenTrennenScreen>(s).currentLine()};
         }},
        {"SchnellLesen",
         ScreenId::SchnellLesen,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<SchnellLesenScreen>(s).BuildDrawList(); },
         [](Screen& s, const MODUL1&) {
             auto& screen = As<SchnellLesenScreen>(s);
             std::vector<Text> words = screen.drawList();
             words.push_back(screen.solution());
             return words;
         }},
        {"AbcVerben",
         ScreenId::AbcVerben,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<AbcVerbenScreen>(s).DrawPool(); },
         [](Screen& s, const MODUL1& state) {
             std::vector<Text> words = As<AbcVerbenScreen>(s).pool();
             words.push_back(state.CurrentWord);
             return words;
         }},
        {"Memory",
         ScreenId::Memory,
         {"ZAHLREIM.TXT"},
         nullptr,
         [](Screen& s) { As<MemoryScreen>(s).StartGame(); },
         [](Screen& s, const MODUL1&) {
             std::vector<Text> words;
             for (const MemoryCard& card : As<MemoryScreen>(s).game().cards())
                 words.push_back(card.word);
             return words;
         }},
        {"ReimverbenFinden",
         ScreenId::ReimverbenFinden,
         {"ZAHLREIM.TXT"},
         nullptr,
         [](Screen& s) {
             auto& screen = As<ReimverbenFindenScreen>(s);
             if (screen.DrawRhymePairs()) {
                 screen.PrintRows();
                 screen.NextTask();
             }
         },
         [](Screen& s, const MODUL1&) {
             std::vector<Text> words;
             for (const RhymePair& pair : As<ReimverbenFindenScreen>(s).pairs()) {
                 words.push_back(pair.first);
                 words.push_back(pair.partner);
             }
             return words;
         }},
        {"ReimverbenSchreiben",
         ScreenId::ReimverbenSchreiben,
         {"ZAHLREIM.TXT"},
         nullptr,
         [](Screen& s) {
             auto& screen = As<ReimverbenSchreibenScreen>(s);
             if (screen.DrawRhymePairs())
                 screen.ShowNextPair();
         },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<ReimverbenSchreibenScreen>(s).expectedWord()};
         }},
        {"Verbbedeutung",
         ScreenId::Verbbedeutung,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<VerbbedeutungScreen>(s).DrawMeaningSet(); },
         [](Screen& s, const MODUL1&) {
             const auto& questions = As<VerbbedeutungScreen>(s).questions();
             return std::vector<Text>(questions.begin(), questions.end());
         }},
        {"Galgenspiel",
         ScreenId::Galgenspiel,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<GalgenspielScreen>(s).StartWord(); },
         [](Screen&, const MODUL1& state) { return std::vector<Text>{state.CurrentWord}; }},
        {"Verbformen",
         ScreenId::Verbformen,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) {
             auto& screen = As<VerbformenScreen>(s);
             screen.LoadVerbBatch();
             screen.NextVerb();
         },
         [](Screen& s, const MODUL1&) { return As<VerbformenScreen>(s).forms(); }},
        {"Zusammenpuzzeln",
         ScreenId::Zusammenpuzzeln,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) {
             auto& screen = As<ZusammenpuzzelnScreen>(s);
             screen.ClearFields();
             screen.NewSet();
         },
         [](Screen& s, const MODUL1&) {
             std::vector<Text> tiles;
             for (int i = 0; i < PuzzleBoard::kTiles; ++i)
                 tiles.push_back(As<ZusammenpuzzelnScreen>(s).board().tile(i));
             return tiles;
         }},
        {"Zusammensetzen",
         ScreenId::Zusammensetzen,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<ZusammensetzenScreen>(s).NextVerb(); },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<ZusammensetzenScreen>(s).grid().verb()};
         }},
        {"VerbenSchreiben",
         ScreenId::VerbenSchreiben,
         {"ZAHLVERB.TXT"},
         [](Screen& s) { As<VerbenSchreibenScreen>(s).StartRun(); },
         [](Screen& s) {
             auto& screen = As<VerbenSchreibenScreen>(s);
             screen.LoadWordPool();
             screen.ShowNextWord();
         },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<VerbenSchreibenScreen>(s).markedWord()};
         }},
        {"VerbenVerlaengern",
         ScreenId::VerbenVerlaengern,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<VerbenVerlaengernScreen>(s).StartSet(); },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<VerbenVerlaengernScreen>(s).task().line};
         }},
        {"Devadodad",
         ScreenId::Devadodad,
         {"ZAHLVERB.TXT"},
         nullptr,
         [](Screen& s) { As<DevadodadScreen>(s).PrepareWord(); },
         [](Screen& s, const MODUL1&) {
             return std::vector<Text>{As<DevadodadScreen>(s).game().CurrentWord};
         }},
    };
    return screens;
}

struct RunCase {
    const ScreenCase* screen;
    std::string file;
    Fault fault;
};

std::vector<RunCase> AllRuns() {
    std::vector<RunCase> runs;
    for (const ScreenCase& screen : Screens())
        for (const std::string& file : screen.files)
            for (Fault fault : kAllFaults)
                runs.push_back({&screen, file, fault});
    return runs;
}

class WordFileFaultTest : public AppTest, public ::testing::WithParamInterface<RunCase> {
protected:
    void SetUp() override {
        // The puzzle needs verbs that end differently; the made-up verbs a list of real ones.
        std::ofstream(folder_ / "ZAHLVERB.TXT", std::ios::binary | std::ios::app)
            << "1w2i.ck3eln\r\n1f2ei-3ern\r\n";
        WriteFile(folder_, "VERBEN.TXT", "baden\r\nkochen\r\nspielen\r\nrennen\r\n");
        // Varied draws, so that games drawing several different words find them.
        for (double r : {0.05, 0.55, 0.25, 0.85, 0.15, 0.65, 0.35, 0.95, 0.45, 0.75})
            random_.Queue(r);
        Start();
    }

    // The screen goes on with whole words, or it has said what is wrong with the file and
    // the main menu is back.
    void ExpectGoesOnOrSaysWhy(const ScreenCase& c, Screen& screen, const std::string& file,
                               bool mustGoOn) {
        ExpectPlainAndWhole(&screen);
        for (const ShownDialog& shown : dialogs_.shown()) {
            // A message box breaks its lines at CR.
            Text text = shown.text;
            std::erase(text, CR);
            EXPECT_FALSE(HasBrokenChar(text)) << Utf8(text);
            EXPECT_FALSE(text.empty());
        }
        if (!screen.isVisible()) {
            EXPECT_FALSE(mustGoOn) << "a readable file sent the child back to the menu";
            EXPECT_TRUE(Menu()->isVisible());
            ASSERT_FALSE(dialogs_.shown().empty()) << "back at the menu without a word why";
            EXPECT_NE(dialogs_.last().text.find(FromUtf8(file)), Text::npos)
                << Utf8(dialogs_.last().text);
            return;
        }
        const std::vector<Text> words = c.words(screen, state_);
        ASSERT_FALSE(words.empty()) << "no word shown";
        for (const Text& word : words) {
            EXPECT_FALSE(CleanWord(word).empty()) << "an empty word";
            EXPECT_FALSE(HasBrokenChar(word)) << Utf8(word.substr(0, 60));
        }
    }
};

TEST_P(WordFileFaultTest, ScreenGoesOnOrSaysWhatIsWrong) {
    const RunCase& run = GetParam();
    const ScreenCase& c = *run.screen;
    navigator_->Open(c.id);
    Screen& screen = navigator_->screen(c.id);
    if (c.start)
        c.start(screen);
    ASSERT_TRUE(screen.isVisible());
    ExpectGoesOnOrSaysWhy(c, screen, run.file, true);
    dialogs_.ClearShown(); // the exercise's own hints

    // Between two draws, the file changes.
    Damage(folder_, run.file, run.fault);
    const bool readable = StillReadable(run.fault);
    c.drawNext(screen);
    {
        SCOPED_TRACE("next draw");
        ExpectGoesOnOrSaysWhy(c, screen, run.file, readable);
    }

    // Back to the menu and in again: the activation draws from the file as it is now.
    if (auto* frame = dynamic_cast<ExerciseFrame*>(&screen); frame && frame->isVisible()) {
        frame->CloseExercise();
    } else if (screen.isVisible()) {
        screen.hide();
        navigator_->ShowMenu();
    }
    dialogs_.ClearShown();
    navigator_->Open(c.id);
    if (c.start && screen.isVisible())
        c.start(screen);
    {
        SCOPED_TRACE("opened again");
        ExpectGoesOnOrSaysWhy(c, screen, run.file, readable);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryExercise, WordFileFaultTest, ::testing::ValuesIn(AllRuns()),
                         [](const ::testing::TestParamInfo<RunCase>& info) {
                             std::string file =
                                 info.param.file.substr(0, info.param.file.find('.'));
                             return std::string(info.param.screen->name) + "_" + file + "_" +
                                    FaultName(info.param.fault);
                         });

} // namespace
} // namespace tamurik::testing
