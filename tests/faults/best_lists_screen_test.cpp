// Best lists and settings on a disk that fails them. A full disk, or a working folder the
// program may not write to: the program starts and plays, every result it cannot store leaves
// the best list as it was, and a failed save of the settings is reported. A best list that is
// deleted, emptied or overwritten while the program runs: the lists show only whole records,
// and the next result is stored. (The tests run as root, who may write into a read-only folder,
// so the folder's writes are made to fail in the file layer instead; the core tests check
// a real read-only folder with a process that is not root.)

#include "core/settings_file.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "reward/devadodad_screen.h"
#include "tests/faults/damaged_files.h"
#include "tests/faults/shown_text.h"
#include "tests/support/app_fixture.h"
#include "ui/exercise_frame.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

namespace tamurik::testing {
namespace {

class FullDiskScreenTest : public AppTest {
protected:
    // Settings a teacher saved earlier, other than the defaults.
    std::string WriteTeacherSettings() {
        Settings saved;
        saved.ColorBlatt = 15;
        saved.FontName = U"Arial";
        saved.RewardCost = 250;
        EXPECT_TRUE(dir_->WriteLines(kSettingsFile, FormatSettings(saved)));
        return Read(kSettingsFile);
    }
    std::string Read(const std::string& name) const { return ReadBytes(folder_ / name); }
    // Clicks the letter on the hangman's board, as the child does.
    void HangmanLetter(QWidget* screen, char32_t letter) {
        auto* board = Find<QListWidget>(screen, QStringLiteral("Liste1"));
        ASSERT_NE(board, nullptr);
        const QList<QListWidgetItem*> items =
            board->findItems(ToQ(Text{U' ', letter, U' '}), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(board->viewport(), Qt::LeftButton, Qt::NoModifier,
                          board->visualItemRect(items.front()).center());
    }
    void Press(QWidget* screen, const char* name) { Click(Find<QWidget>(screen, name)); }

public:
    void PlayHangman(Screen& screen) {
        for (char32_t c : Text(U"kochen"))
            HangmanLetter(&screen, c);
    }
    void PlayMadeUpVerbs(Screen& s) {
        auto& screen = dynamic_cast<QuatschverbenScreen&>(s);
        Find<QScrollBar>(&screen, "HBildlauf1")->setValue(1);
        // A listed verb: the draw between listed and made-up verbs, then its line.
        random_.Clear();
        random_.QueueDraw(1, 3);
        random_.QueueDraw(0, 1);
        screen.StartRun();
        Press(&screen, "Befehl5");
        Press(&screen, "Befehl3");
        for (int i = 0; i < 60 && screen.isRunning(); ++i)
            screen.ClockTick();
    }
    void PlayCopying(Screen& s) {
        auto& screen = dynamic_cast<VerbenSchreibenScreen&>(s);
        Find<QScrollBar>(&screen, "HBildlauf1")->setValue(1);
        screen.StartRun();
        screen.typing()->setText(QStringLiteral("kochen"));
        for (int i = 0; i < 60 && screen.isRunning(); ++i)
            screen.TimerTick();
    }
    void PlayCatching(Screen& s) {
        auto& game = dynamic_cast<DevadodadScreen&>(s);
        // "kochen" in a row to the right of the catcher at (9, 6).
        random_.Clear();
        for (int x = 10; x <= 15; ++x) {
            random_.QueueDraw(x, 17);
            random_.QueueDraw(6, 11);
        }
        QWidget* field = Find<QWidget>(&game, "Bild5");
        Click(field);
        if (auto* timer = game.findChild<QTimer*>("Zeit1"))
            timer->stop();
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(field, Qt::Key_Right);
    }
};

// One result of each exercise that keeps a best list, played to its end.
struct ResultCase {
    const char* list;
    const char* viewerLabel; // its line in the settings screen's best-list viewer
    ScreenId id;
    std::string records;
    void (FullDiskScreenTest::*play)(Screen&);
};

const std::vector<ResultCase>& ResultCases() {
    static const std::vector<ResultCase> cases{
        {"BESTHANG.LST", "Label3", ScreenId::Galgenspiel, ">   6      9   Lea\r\n",
         &FullDiskScreenTest::PlayHangman},
        {"BESTVERB.LST", "Label5", ScreenId::Quatschverben, ">  1      12   05.12.2026   Lea\r\n",
         &FullDiskScreenTest::PlayMadeUpVerbs},
        {"BESTTEXT.LST", "Label4", ScreenId::VerbenSchreiben, "<  1     20   Lea\r\n",
         &FullDiskScreenTest::PlayCopying},
        {"BESTFANG.LST", "Label2", ScreenId::Devadodad, ">   6     40   Lea\r\n",
         &FullDiskScreenTest::PlayCatching},
    };
    return cases;
}

TEST_F(FullDiskScreenTest, ResultsThatCannotBeStoredLeaveEveryBestListAsItWas) {
    WriteFile(folder_, "ZAHLVERB.TXT", "1k2o.ch3en\r\n");
    WriteFile(folder_, "VERBEN.TXT", "kochen\r\n");
    const std::string settings = WriteTeacherSettings();
    const std::vector<ResultCase>& cases = ResultCases();
    for (const ResultCase& c : cases)
        WriteFile(folder_, c.list, c.records);

    // The disk is full before the program starts: it starts all the same.
    dir_->SetFull(true);
    Start();
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_TRUE(dialogs_.shown().empty());

    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.list);
        const int refusedBefore = dir_->refusedWrites();
        navigator_->Open(c.id);
        Screen& screen = navigator_->screen(c.id);
        ASSERT_TRUE(screen.isVisible());
        (this->*c.play)(screen);
        EXPECT_GT(dir_->refusedWrites(), refusedBefore) << "the result was not even offered";
        EXPECT_EQ(Read(c.list), c.records) << "the best list changed";
        ExpectPlainAndWhole(&screen);
        // The child plays on or leaves as usual.
        if (auto* frame = dynamic_cast<ExerciseFrame*>(&screen))
            frame->CloseExercise();
        else
            navigator_->ShowMenu();
        EXPECT_TRUE(Menu()->isVisible());
        EXPECT_EQ(Read(c.list), c.records);
    }
    EXPECT_EQ(state_.RewardCost, 250) << "the saved settings were read";
    EXPECT_EQ(Read("TAMURIK.INI"), settings);
}

TEST_F(FullDiskScreenTest, SettingsThatCannotBeSavedAreReportedAndTheFileStays) {
    const std::string saved = WriteTeacherSettings();
    WriteFile(folder_, "BESTFANG.LST", ">   6     12   Mia\r\n>   3      4   Tom\r\n");
    Start();
    dir_->SetFull(true);
    navigator_->Open(ScreenId::Settings);
    Screen& settings = navigator_->screen(ScreenId::Settings);
    Find<QScrollBar>(&settings, "HBildlauf2")->setValue(30);
    Press(&settings, "Bild2");
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.last().text, U"Die Einstellungen konnten nicht gespeichert werden.\r");
    EXPECT_EQ(Read("TAMURIK.INI"), saved);

    // The best-list viewer: cutting or emptying changes nothing on disk, and says no success.
    dialogs_.ClearShown();
    Press(&settings, "Bild6");
    Press(&settings, "Label2");
    auto* records = Find<QListWidget>(&settings, "Liste3");
    ASSERT_NE(records, nullptr);
    ASSERT_EQ(records->count(), 2);
    records->setCurrentRow(0);
    Press(&settings, "Picture4");
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Press(&settings, "Picture3");
    EXPECT_EQ(records->count(), 2) << "the list shows what is on disk";
    for (const ShownDialog& shown : dialogs_.shown())
        EXPECT_EQ(shown.text.find(U"gelöscht"), Text::npos) << Utf8(shown.text);
    EXPECT_EQ(Read("BESTFANG.LST"), ">   6     12   Mia\r\n>   3      4   Tom\r\n");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

struct DamagedList {
    const ResultCase* list;
    Fault fault;
};

std::vector<DamagedList> AllDamagedLists() {
    std::vector<DamagedList> runs;
    for (const ResultCase& list : ResultCases())
        for (Fault fault : kAllFaults)
            runs.push_back({&list, fault});
    return runs;
}

class DamagedBestListTest : public FullDiskScreenTest,
                            public ::testing::WithParamInterface<DamagedList> {};

TEST_P(DamagedBestListTest, ListsShowWholeRecordsAndTheNextResultIsStored) {
    const ResultCase& c = *GetParam().list;
    const Fault fault = GetParam().fault;
    WriteFile(folder_, "ZAHLVERB.TXT", "1k2o.ch3en\r\n");
    WriteFile(folder_, "VERBEN.TXT", "kochen\r\n");
    WriteFile(folder_, c.list, c.records);
    Start();
    Damage(folder_, c.list, fault);

    // The teacher looks at the list.
    navigator_->Open(ScreenId::Settings);
    Screen& settings = navigator_->screen(ScreenId::Settings);
    Press(&settings, "Bild6");
    Press(&settings, c.viewerLabel);
    auto* records = Find<QListWidget>(&settings, "Liste3");
    ASSERT_NE(records, nullptr);
    if (StillReadable(fault)) {
        ASSERT_EQ(records->count(), 1);
        EXPECT_TRUE(records->item(0)->text().endsWith(QStringLiteral("   Lea")))
            << records->item(0)->text().toStdString();
    }
    ExpectPlainAndWhole(&settings);
    Press(&settings, "Picture2");
    navigator_->ShowMenu();

    // A child plays a result.
    navigator_->Open(c.id);
    Screen& screen = navigator_->screen(c.id);
    ASSERT_TRUE(screen.isVisible());
    (this->*c.play)(screen);
    ExpectPlainAndWhole(&screen);
    const std::optional<std::vector<Text>> after = dir_->ReadLines(c.list);
    ASSERT_TRUE(after.has_value());
    std::size_t wholeRecords = 0;
    bool leaKept = false;
    for (const Text& line : *after) {
        if (!line.empty() && (line[0] == U'>' || line[0] == U'<') && !HasBrokenChar(line))
            ++wholeRecords;
        leaKept = leaKept || line.ends_with(U"   Lea");
    }
    EXPECT_GE(wholeRecords, 1u) << "the new result was stored";
    if (StillReadable(fault)) {
        EXPECT_TRUE(leaKept) << "the earlier record was lost";
        EXPECT_EQ(after->size(), 2u);
        const std::string bytes = Read(c.list);
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "written with CR LF";
            }
        }
    }
    // The settings screen shows the list again without a broken record.
    if (auto* frame = dynamic_cast<ExerciseFrame*>(&screen))
        frame->CloseExercise();
    else
        navigator_->ShowMenu();
    navigator_->Open(ScreenId::Settings);
    Press(&settings, "Bild6");
    Press(&settings, c.viewerLabel);
    EXPECT_GE(records->count(), 1);
    ExpectPlainAndWhole(&settings);
}

INSTANTIATE_TEST_SUITE_P(EveryBestList, DamagedBestListTest, ::testing::ValuesIn(AllDamagedLists()),
                         [](const ::testing::TestParamInfo<DamagedList>& info) {
                             const std::string list = info.param.list->list;
                             return list.substr(0, list.find('.')) + "_" +
                                    FaultName(info.param.fault);
                         });

} // namespace
} // namespace tamurik::testing
