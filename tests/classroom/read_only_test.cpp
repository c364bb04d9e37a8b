// A working folder the child's user may not write, for real: the helper runs as an ordinary
// user (user 65534 when the tests run as root, who may write anywhere) and plays start-up,
// every screen, the four best lists, the settings, the best-list viewer and the learning
// record. Every write fails with the program's German message or its silence, no file
// changes, and the child plays on.

#include "tests/classroom/classroom_world.h"
#include "tests/support/helper_process.h"

namespace tamurik::testing {

namespace fs = std::filesystem;

namespace {

bool Mentions(const ScriptedDialogs& dialogs, TextView part) {
    for (const ShownDialog& shown : dialogs.shown())
        if (shown.text.find(part) != Text::npos)
            return true;
    return false;
}

class ReadOnlyHelper : public ClassroomTest {
public:
    explicit ReadOnlyHelper(fs::path folder) : given_(std::move(folder)) {}

    void TestBody() override {
        UseFolder(given_);
        const auto before = Snapshot();
        ExpectWritesRefused(true);
        EXPECT_EQ(Snapshot(), before);
        PlayEverything();
        EXPECT_EQ(Snapshot(), before);
    }

private:
    void PlayEverything() {
        // The learning record tells once that it keeps nothing, and the menu takes the name.
        StartAndTypeName(U"schreibgeschützt");

        // A result into each best list: it cannot be kept, and nothing says otherwise.
        dialogs_.ClearShown();
        PlayForEveryBestList();
        EXPECT_FALSE(Mentions(dialogs_, U"gespeichert"));
        EXPECT_TRUE(Menu()->isVisible());

        // Saving the settings fails with its message; cutting and emptying a list say no
        // success, and the viewer shows what is on the disk.
        dialogs_.ClearShown();
        SaveSettingsOnScreen();
        EXPECT_EQ(dialogs_.last().text, U"Die Einstellungen konnten nicht gespeichert werden.\r");
        EXPECT_EQ(dialogs_.last().title, U"Tamurik");
        EXPECT_EQ(state_.RewardCost, 300) << "the values stay in effect for this run";
        const QStringList left = CutAndEmptyBestList();
        EXPECT_EQ(left, (QStringList{QStringLiteral("   3      4   Tom"),
                                     QStringLiteral("   6     40   Lea")}));
        EXPECT_FALSE(Mentions(dialogs_, U"gelöscht"));
        EXPECT_TRUE(dialogs_.allAnswersUsed());
        EXPECT_TRUE(Menu()->isVisible());

        // Every screen, played at random for a while: the child plays on.
        dialogs_.AnswerAtRandom(20261207);
        SoakDriver child(20261207);
        for (int i = 0; i <= static_cast<int>(ScreenId::Info) && !HasFailure(); ++i) {
            BackToMenu();
            navigator_->Open(static_cast<ScreenId>(i));
            PlayAtRandom(child, 40);
        }
        BackToMenu();
        EXPECT_TRUE(Menu()->isVisible());
    }

    fs::path given_;
};

class ReadOnlyFolderTest : public ClassroomTest {};

TEST_F(ReadOnlyFolderTest, EveryWriteFailsNothingChangesAndTheChildPlaysOn) {
    // The other user must reach the folder through the test's own.
    fs::permissions(folder_, fs::perms(0755));
    const fs::path folder = folder_ / "klasse";
    fs::create_directory(folder);
    WriteClassroomFiles(folder);
    UseFolder(folder);
    const auto before = Snapshot();
    // The files as a school's image leaves them: readable, and the folder closed to writing.
    for (const auto& entry : fs::directory_iterator(folder))
        fs::permissions(entry.path(), fs::perms(0444));
    fs::permissions(folder, fs::perms(0555));
    const ChildRun run =
        RunChild({QStringLiteral("read-only"), QString::fromStdString(folder.string())}, true);
    fs::permissions(folder, fs::perms(0755));
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << run.out.toStdString();
    EXPECT_EQ(Snapshot(), before);
}

} // namespace

::testing::Test* MakeReadOnlyHelper(const QStringList& arguments) {
    return new ReadOnlyHelper(arguments.value(0).toStdString());
}

} // namespace tamurik::testing
