#include "tests/classroom/classroom_world.h"

#include "core/best_lists.h"
#include "core/settings_file.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "menu/main_menu.h"
#include "reward/catch_game.h"
#include "reward/devadodad_screen.h"
#include "settings/settings_screen.h"
#include "ui/additions_settings.h"
#include "ui/exercise_frame.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <cstdio>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace tamurik::testing {

namespace fs = std::filesystem;

ClassroomTest::~ClassroomTest() {
    navigator_.reset();
    record_.reset();
}

void ClassroomTest::WriteClassroomFiles(const fs::path& folder) {
    WriteWordFiles(folder);
    WriteFile(folder, "ZAHLVERB.TXT",
              "1k2o.ch3en\r\n1sp2ie-l3en\r\n1r2en.n3en\r\n1b2a-d3en\r\n1m2a-l3en\r\n"
              "1f2ah-r3en\r\n1w2is.s3en\r\n1l2ie-b3en\r\n1w2an.d3ern\r\n1b2as.t3eln\r\n"
              "1sch2uf.t3en = schwer arbeiten, sich plagen\r\n1s2äu-m3en = warten, zögern\r\n");
    WriteFile(folder, "VERBEN.TXT", "kochen\r\nspielen\r\nrennen\r\nbaden\r\nmalen\r\n");
    const WorkDir dir(folder);
    Settings teacher;
    teacher.ColorAnfang = 4;
    teacher.ColorBlatt = 15;
    teacher.FontName = U"DejaVu Sans";
    teacher.RewardCost = 100;
    WriteSettings(dir, [&] {
        MODUL1 state;
        state.setSettings(teacher);
        return state;
    }());
    SaveAdditions(dir, AdditionsSettings{});
    WriteFile(folder, "BESTVERB.LST",
              ">  1      12   05.12.2026   Lea\r\n>  2      30   06.12.2026   J\xF6rg\r\n");
    WriteFile(folder, "BESTHANG.LST", ">   6      9   Lea\r\n>   7     12   J\xF6rg\r\n");
    WriteFile(folder, "BESTTEXT.LST", "<  1     20   Lea\r\n<  2     31   J\xF6rg\r\n");
    WriteFile(folder, "BESTFANG.LST", ">   3      4   Tom\r\n>   6     40   Lea\r\n");
}

void ClassroomTest::UseFolder(const fs::path& folder) {
    dir_ = std::make_unique<FullDiskWorkDir>(folder);
}

void ClassroomTest::StartProgram() {
    // The record tells the adult of a fault in a box, as the program's main does.
    record_ = std::make_unique<SqliteRecord>(dir_->folder(), clock_, [this](const Text& text) {
        dialogs_.Message(text, U"Tamurik: Lernstand", DialogButtons::Ok, DialogIcon::Exclamation);
    });
    Start(record_.get());
    record_->SetCardBoxSwitch([this] { return navigator_->context().additions.cardBox; });
}

void ClassroomTest::StartNextRun() {
    navigator_.reset();
    record_.reset();
    state_ = MODUL1();
    StartProgram();
}

void ClassroomTest::BackToMenu() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window == Menu())
            continue;
        if (auto* frame = dynamic_cast<ExerciseFrame*>(window))
            frame->CloseExercise();
        else
            window->hide();
    }
    if (!Menu()->isVisible())
        navigator_->ShowMenu();
}

std::map<std::string, std::string> ClassroomTest::Snapshot() const {
    return test::FolderBytes(dir_->folder());
}

void ClassroomTest::ExpectWritesRefused(bool emptying) {
    const WorkDir& dir = *dir_;
    std::vector<Text> shown = ShowList(dir, kBestFang);
    EXPECT_EQ(shown.size(), 2u) << "the list is shown from the disk";
    std::vector<std::pair<const char*, std::function<bool()>>> writes = {
        {"settings", [&] { return WriteSettings(dir, state_); }},
        {"additions' settings", [&] { return SaveAdditions(dir, AdditionsSettings()); }},
        {"a new file", [&] { return dir.WriteLines("NEU.TXT", {U"neu"}); }},
        {"a result", [&] { return AppendResult(dir, kBestVerb, U"  1      99   x   Tom"); }},
        {"the first hundred",
         [&] { return StoreTop100(dir, kBestHang, {U"   1      1   Tom"}, kMarkerExercise); }},
        {"a cut entry", [&] { return DeleteEntry(dir, kBestFang, shown, 0); }},
    };
    if (emptying)
        writes.push_back({"an emptied list", [&] { return ClearList(dir, kBestText); }});
    for (const auto& [what, write] : writes)
        EXPECT_FALSE(write()) << what << " was written";
    EXPECT_EQ(shown.size(), 2u) << "a cut that could not be stored is not shown as done";
}

void ClassroomTest::StartAndTypeName(TextView recordSays) {
    StartProgram();
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_TRUE(dialogs_.shown().empty()) << Utf8(dialogs_.last().text);
    EXPECT_EQ(state_.ColorAnfang, 4) << "the teacher's settings were read";
    dialogs_.QueueInput(U"Lena");
    Click(Find(Menu(), QStringLiteral("Bild4")));
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_NE(dialogs_.last().text.find(recordSays), Text::npos) << Utf8(dialogs_.last().text);
    EXPECT_EQ(Menu()->windowTitle(), QStringLiteral("Tamurik:  Lena"));
}

void ClassroomTest::PlayForEveryBestList() {
    PlayHangman();
    PlayMadeUpVerbs();
    PlayCopying();
    PlayCatching();
}

void ClassroomTest::PlayHangman() {
    random_.Clear();
    navigator_->Open(ScreenId::Galgenspiel);
    auto& screen = dynamic_cast<GalgenspielScreen&>(navigator_->screen(ScreenId::Galgenspiel));
    auto* board = Find<QListWidget>(&screen, QStringLiteral("Liste1"));
    const Text word = state_.CurrentWord;
    for (char32_t letter : word) {
        const auto items = board->findItems(ToQ(Text{U' ', letter, U' '}), Qt::MatchExactly);
        if (!items.isEmpty())
            screen.ChooseLetter(board->row(items.front()));
    }
    EXPECT_TRUE(screen.isBestListOpen()) << "the word was not won: " << Utf8(word);
    screen.CloseBestList();
    screen.CloseExercise();
}

void ClassroomTest::PlayMadeUpVerbs() {
    navigator_->Open(ScreenId::Quatschverben);
    auto& screen = dynamic_cast<QuatschverbenScreen&>(navigator_->screen(ScreenId::Quatschverben));
    Find<QScrollBar>(&screen, "HBildlauf1")->setValue(1);
    // A verb of the list (one draw in three made up), its first line: "ko.chen", short and real.
    random_.Clear();
    random_.QueueDraw(1, 3);
    random_.QueueDraw(0, state_.VerbCount);
    screen.StartRun();
    screen.AnswerShortVowel();
    screen.AnswerRealVerb();
    for (int second = 0; second < 60 && screen.isRunning(); ++second)
        screen.ClockTick();
    EXPECT_FALSE(screen.isRunning());
    screen.ClosePanels();
    screen.CloseExercise();
}

void ClassroomTest::PlayCopying() {
    random_.Clear();
    navigator_->Open(ScreenId::VerbenSchreiben);
    auto& screen =
        dynamic_cast<VerbenSchreibenScreen&>(navigator_->screen(ScreenId::VerbenSchreiben));
    Find<QScrollBar>(&screen, "HBildlauf1")->setValue(1);
    screen.StartRun();
    screen.typing()->setText(QStringLiteral("kochen"));
    EXPECT_EQ(screen.wordsDone(), 1);
    for (int second = 0; second < 60 && screen.isRunning(); ++second)
        screen.TimerTick();
    EXPECT_FALSE(screen.isRunning());
    // The list is stored when the child leaves.
    screen.CloseExercise();
}

void ClassroomTest::PlayCatching() {
    random_.Clear();
    navigator_->Open(ScreenId::Devadodad);
    auto& game = dynamic_cast<DevadodadScreen&>(navigator_->screen(ScreenId::Devadodad));
    // The letters of "kochen" in a row right of the catcher, which starts at (9, 6).
    random_.Clear();
    for (int x = 10; x <= 15; ++x) {
        random_.QueueDraw(x, kLetterColumns);
        random_.QueueDraw(6, kFieldRows);
    }
    game.StartGame();
    for (int step = 0; step < 6; ++step)
        game.MoveCatcher(CatcherMove::Right);
    EXPECT_EQ(game.phase(), DevadodadScreen::Phase::Finished);
    game.CloseGame();
    if (game.isVisible())
        BackToMenu();
}

void ClassroomTest::SaveSettingsOnScreen() {
    navigator_->Open(ScreenId::Settings);
    auto& settings = dynamic_cast<SettingsScreen&>(navigator_->screen(ScreenId::Settings));
    settings.ScanFonts();
    Find<QScrollBar>(&settings, "HBildlauf2")->setValue(30);
    settings.StepColour(SettingsScreen::SamplePart::Mitte);
    settings.SaveSettings();
}

QStringList ClassroomTest::CutAndEmptyBestList() {
    auto& settings = dynamic_cast<SettingsScreen&>(navigator_->screen(ScreenId::Settings));
    settings.OpenBestLists();
    settings.ChooseBestList(3);
    auto* records = Find<QListWidget>(&settings, "Liste3");
    if (records == nullptr)
        return {};
    records->setCurrentRow(0);
    settings.CutEntry();
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    settings.EmptyBestList();
    QStringList shown;
    for (int row = 0; row < records->count(); ++row)
        shown << records->item(row)->text();
    settings.CloseBestLists();
    settings.CloseSettings();
    return shown;
}

ClassroomTest::Play ClassroomTest::PlayAtRandom(SoakDriver& child, std::uint64_t actions) {
    Play play;
    std::deque<std::string> recent;
    while (play.actions < actions && !HasFailure()) {
        recent.push_back(child.Act(*navigator_));
        if (recent.size() > 25)
            recent.pop_front();
        ++play.actions;
        clock_.AdvanceMs(700);
        play.dialogs += static_cast<long long>(dialogs_.shown().size());
        dialogs_.ClearShown();
        if (quitCalls_ > 0) {
            // The child ended the program: every window is gone; the next run starts.
            quitCalls_ = 0;
            EXPECT_EQ(VisibleProgramWindow(), nullptr);
            StartNextRun();
            ++play.runs;
        }
        if (QWidget* window = VisibleProgramWindow())
            play.windows.insert(window->objectName().toStdString());
        play.checks += CheckInvariants(*navigator_, state_, *dir_);
        // A long run tells how far it got, so that a run cut short still gives its figures.
        if (play.actions % 10'000 == 0) {
            std::printf("soak: %llu actions, %lld invariants checked, %lld program runs\n",
                        static_cast<unsigned long long>(play.actions), play.checks, play.runs);
            std::fflush(stdout);
        }
    }
    if (HasFailure()) {
        std::string trail;
        for (const std::string& action : recent)
            trail += "  " + action + "\n";
        ADD_FAILURE() << "seed " << child.seed() << ", action " << play.actions
                      << "; the last actions:\n"
                      << trail;
    }
    return play;
}

} // namespace tamurik::testing
