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
#include <vector>

namespace tamurik::testing {
namespace {

struct ScreenCase {
    const char* name;
    ScreenId id;
    std::vector<std::string> files; // the word files it reads
};

const std::vector<ScreenCase> kScreens{
    {"Quatschverben", ScreenId::Quatschverben, {"VERBEN.TXT", "ZAHLVERB.TXT"}},
    {"VerbenTrennen", ScreenId::VerbenTrennen, {"ZAHLVERB.TXT"}},
    {"SchnellLesen", ScreenId::SchnellLesen, {"ZAHLVERB.TXT"}},
    {"AbcVerben", ScreenId::AbcVerben, {"ZAHLVERB.TXT"}},
    {"Memory", ScreenId::Memory, {"ZAHLREIM.TXT"}},
    {"ReimverbenFinden", ScreenId::ReimverbenFinden, {"ZAHLREIM.TXT"}},
    {"ReimverbenSchreiben", ScreenId::ReimverbenSchreiben, {"ZAHLREIM.TXT"}},
    {"Verbbedeutung", ScreenId::Verbbedeutung, {"ZAHLVERB.TXT"}},
    {"Galgenspiel", ScreenId::Galgenspiel, {"ZAHLVERB.TXT"}},
    {"Verbformen", ScreenId::Verbformen, {"ZAHLVERB.TXT"}},
    {"Zusammenpuzzeln", ScreenId::Zusammenpuzzeln, {"ZAHLVERB.TXT"}},
    {"Zusammensetzen", ScreenId::Zusammensetzen, {"ZAHLVERB.TXT"}},
    {"VerbenSchreiben", ScreenId::VerbenSchreiben, {"ZAHLVERB.TXT"}},
    {"VerbenVerlaengern", ScreenId::VerbenVerlaengern, {"ZAHLVERB.TXT"}},
    {"Devadodad", ScreenId::Devadodad, {"ZAHLVERB.TXT"}},
};

template <typename S> S& As(Screen& screen) {
    return dynamic_cast<S&>(screen);
}

// What the child does to get words on the screen after it is opened.
void StartOn(ScreenId id, Screen& s) {
    if (id == ScreenId::Quatschverben)
        As<QuatschverbenScreen>(s).StartRun();
    else if (id == ScreenId::VerbenSchreiben)
        As<VerbenSchreibenScreen>(s).StartRun();
}

// How the screen draws its next words.
void DrawNext(ScreenId id, Screen& s) {
    switch (id) {
    case ScreenId::Quatschverben:
        As<QuatschverbenScreen>(s).SkipWord();
        As<QuatschverbenScreen>(s).ToggleVerbList(); // the verb list is read afresh too
        break;
    case ScreenId::VerbenTrennen:
        As<VerbenTrennenScreen>(s).BuildWorkList();
        As<VerbenTrennenScreen>(s).ShowNextVerb();
        break;
    case ScreenId::SchnellLesen:
        As<SchnellLesenScreen>(s).BuildDrawList();
        break;
    case ScreenId::AbcVerben:
        As<AbcVerbenScreen>(s).DrawPool();
        break;
    case ScreenId::Memory:
        As<MemoryScreen>(s).StartGame();
        break;
    case ScreenId::ReimverbenFinden:
        if (As<ReimverbenFindenScreen>(s).DrawRhymePairs()) {
            As<ReimverbenFindenScreen>(s).PrintRows();
            As<ReimverbenFindenScreen>(s).NextTask();
        }
        break;
    case ScreenId::ReimverbenSchreiben:
        if (As<ReimverbenSchreibenScreen>(s).DrawRhymePairs())
            As<ReimverbenSchreibenScreen>(s).ShowNextPair();
        break;
    case ScreenId::Verbbedeutung:
        As<VerbbedeutungScreen>(s).DrawMeaningSet();
        break;
    case ScreenId::Galgenspiel:
        As<GalgenspielScreen>(s).StartWord();
        break;
    case ScreenId::Verbformen:
        As<VerbformenScreen>(s).LoadVerbBatch();
        As<VerbformenScreen>(s).NextVerb();
        break;
    case ScreenId::Zusammenpuzzeln:
        As<ZusammenpuzzelnScreen>(s).ClearFields();
        As<ZusammenpuzzelnScreen>(s).NewSet();
        break;
    case ScreenId::Zusammensetzen:
        As<ZusammensetzenScreen>(s).NextVerb();
        break;
    case ScreenId::VerbenSchreiben:
        As<VerbenSchreibenScreen>(s).LoadWordPool();
        As<VerbenSchreibenScreen>(s).ShowNextWord();
        break;
    case ScreenId::VerbenVerlaengern:
        As<VerbenVerlaengernScreen>(s).StartSet();
        break;
    default:
        As<DevadodadScreen>(s).PrepareWord();
    }
}

// What the screen shows of its words right now.
std::vector<Text> Words(ScreenId id, Screen& s, const MODUL1& state) {
    std::vector<Text> words;
    switch (id) {
    case ScreenId::Quatschverben:
        return {As<QuatschverbenScreen>(s).currentWord().Plain};
    case ScreenId::VerbenTrennen:
        return {As<VerbenTrennenScreen>(s).currentLine()};
    case ScreenId::SchnellLesen:
        words = As<SchnellLesenScreen>(s).drawList();
        words.push_back(As<SchnellLesenScreen>(s).solution());
        return words;
    case ScreenId::AbcVerben:
        words = As<AbcVerbenScreen>(s).pool();
        words.push_back(state.CurrentWord);
        return words;
    case ScreenId::Memory:
        for (const MemoryCard& card : As<MemoryScreen>(s).game().cards())
            words.push_back(card.word);
        return words;
    case ScreenId::ReimverbenFinden:
        for (const RhymePair& pair : As<ReimverbenFindenScreen>(s).pairs())
            words.insert(words.end(), {pair.first, pair.partner});
        return words;
    case ScreenId::ReimverbenSchreiben:
        return {As<ReimverbenSchreibenScreen>(s).expectedWord()};
    case ScreenId::Verbbedeutung:
        for (const Text& question : As<VerbbedeutungScreen>(s).questions())
            words.push_back(question);
        return words;
    case ScreenId::Verbformen:
        return As<VerbformenScreen>(s).forms();
    case ScreenId::Zusammenpuzzeln:
        for (int i = 0; i < PuzzleBoard::kTiles; ++i)
            words.push_back(As<ZusammenpuzzelnScreen>(s).board().tile(i));
        return words;
    case ScreenId::Zusammensetzen:
        return {As<ZusammensetzenScreen>(s).grid().verb()};
    case ScreenId::VerbenSchreiben:
        return {As<VerbenSchreibenScreen>(s).markedWord()};
    case ScreenId::VerbenVerlaengern:
        return {As<VerbenVerlaengernScreen>(s).task().line};
    case ScreenId::Devadodad:
        return {As<DevadodadScreen>(s).game().CurrentWord};
    default:
        return {state.CurrentWord}; // Galgenspiel
    }
}

struct RunCase {
    const ScreenCase* screen;
    std::string file;
    Fault fault;
};

std::vector<RunCase> AllRuns() {
    std::vector<RunCase> runs;
    for (const ScreenCase& screen : kScreens)
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
        const std::vector<Text> words = Words(c.id, screen, state_);
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
    StartOn(c.id, screen);
    ASSERT_TRUE(screen.isVisible());
    ExpectGoesOnOrSaysWhy(c, screen, run.file, true);
    dialogs_.ClearShown(); // the exercise's own hints

    // Between two draws, the file changes.
    Damage(folder_, run.file, run.fault);
    const bool readable = StillReadable(run.fault);
    DrawNext(c.id, screen);
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
    if (screen.isVisible())
        StartOn(c.id, screen);
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
