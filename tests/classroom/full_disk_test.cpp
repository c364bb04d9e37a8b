// A full disk, for real: the helper runs on a tmpfs of 400 KiB of its own (in a mount
// namespace), fills it, and then the child plays: results for every best list, the settings
// saved, a name for the learning record. Every old file keeps its bytes, no temporary file is
// left behind, and where the program reports a failure it does so in German.

#include "tests/classroom/classroom_world.h"
#include "tests/support/helper_process.h"

#include <cstdio>
#include <fstream>

namespace tamurik::testing {

namespace fs = std::filesystem;

namespace {

// Fills the disk under the folder with one file, to the last byte.
void FillDisk(const fs::path& folder) {
    std::FILE* filler = std::fopen((folder / "FUELLER.BIN").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string block(4096, 'x');
    std::size_t written = 0;
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size())
        written += block.size();
    // The last page may still hold a few bytes.
    while (std::fwrite("x", 1, 1, filler) == 1)
        ++written;
    std::fclose(filler);
    ASSERT_GT(written, 0u);
}

class FullDiskHelper : public ClassroomTest {
public:
    explicit FullDiskHelper(fs::path folder) : given_(std::move(folder)) {}

    void TestBody() override {
        WriteClassroomFiles(given_);
        UseFolder(given_);
        FillDisk(given_);
        const auto before = Snapshot();
        ExpectWritesRefused(false);
        EXPECT_EQ(Snapshot(), before);

        StartAndTypeName(U"kein Platz");
        PlayForEveryBestList();
        SaveSettingsOnScreen();
        EXPECT_EQ(dialogs_.last().text, U"Die Einstellungen konnten nicht gespeichert werden.\r");
        navigator_->screen(ScreenId::Settings).close();
        EXPECT_TRUE(Menu()->isVisible());
        const auto after = Snapshot();
        for (const auto& [name, bytes] : before) {
            ASSERT_TRUE(after.contains(name)) << name << " is gone";
            EXPECT_EQ(after.at(name), bytes) << name << " changed";
        }
        for (const auto& [name, bytes] : after)
            EXPECT_TRUE(before.contains(name)) << name << " was left behind";

        // The child plays on at random; no promise breaks on the full disk.
        dialogs_.AnswerAtRandom(20261208);
        SoakDriver child(20261208);
        PlayAtRandom(child, 300);
    }

private:
    fs::path given_;
};

class FullDiskTest : public ClassroomTest {};

TEST_F(FullDiskTest, OldFilesKeepTheirBytesAndNothingIsLeftBehind) {
    const QString folder = QString::fromStdString((folder_ / "datentraeger").string());
    fs::create_directory(folder.toStdString());
    const ChildRun run = RunChild({QStringLiteral("full-disk"), folder}, false,
                                  SmallDisk(folder, QStringLiteral("400k")));
    if (!run.out.contains(QStringLiteral("[==========] Running")))
        GTEST_SKIP() << "this system mounts no disk of the test's own (unshare --user --mount): "
                     << run.out.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << run.out.toStdString();
}

} // namespace

::testing::Test* MakeFullDiskHelper(const QStringList& arguments) {
    return new FullDiskHelper(arguments.value(0).toStdString());
}

} // namespace tamurik::testing
