// Faults of the record's file, folder and disk: nothing lost, nothing crashes, one message.
// The read-only folder, the full disk, the killed program and the second copy are real: the
// helper runs as a process of its own (record_test_main.cpp), unprivileged where it matters.

#include "record/sql.h"
#include "tests/record/record_support.h"

#include <QFile>
#include <QProcess>
#include <QVariant>

#include <map>
#include <random>
#include <set>

namespace tamurik::testing {
namespace {

namespace fs = std::filesystem;

// The folder's files and their bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        QFile file(QString::fromStdString(entry.path().string()));
        file.open(QIODevice::ReadOnly);
        files[entry.path().filename().string()] = file.readAll().toStdString();
    }
    return files;
}

bool Mentions(const Text& message, const std::string& part) {
    return ToUtf8(message).find(part) != std::string::npos;
}

TEST_F(RecordTest, ADamagedFileIsSetAsideAndAFreshOneBegun) {
    // A record of some size, cut in half.
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    for (int n = 0; n < 3000; ++n)
        record->Report(AnswerAbout(n % 2 ? U"1l2e-b3en" : U"1k2om.m3en", n % 3 == 0));
    record.reset();
    const std::string whole = dir_.Read("lernstand.sqlite");
    fs::remove(dir_.path() / "lernstand.sqlite");
    {
        Peek other(dir_.path() / "other.sqlite");
        other.Value(QStringLiteral("CREATE TABLE notes (text TEXT)"));
        other.Value(QStringLiteral("INSERT INTO notes VALUES ('Einkaufsliste')"));
    }
    const std::string otherProgram = dir_.Read("other.sqlite");
    fs::remove(dir_.path() / "other.sqlite");
    std::mt19937 random(17);
    std::string garbage(5000, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());

    const std::string damaged[] = {garbage, whole.substr(0, whole.size() / 2), std::string(),
                                   otherProgram};
    int number = 0;
    for (const std::string& bytes : damaged) {
        ++number;
        dir_.Write("lernstand.sqlite", bytes);
        messages_.clear();
        record = MakeRecord();
        record->SetChild(U"Lena");
        record->Report(AnswerAbout(U"1l2e-b3en", false));
        // The same day's earlier ones keep their names: never overwritten.
        const std::string aside =
            number == 1 ? "lernstand-beschaedigt-2026-12-07.sqlite"
                        : "lernstand-beschaedigt-2026-12-07-" + std::to_string(number) + ".sqlite";
        EXPECT_EQ(dir_.Read(aside), bytes) << aside;
        ASSERT_EQ(messages_.size(), 1u) << number;
        EXPECT_TRUE(Mentions(messages_[0], (dir_.path() / aside).string())) << number;
        EXPECT_EQ(record->Children().size(), 1u);
        EXPECT_EQ(record->DueVerbs(), std::vector<Text>{U"1l2e-b3en"});
        record.reset();
    }
    EXPECT_EQ(dir_.Read("lernstand-beschaedigt-2026-12-07.sqlite"), garbage);
}

TEST_F(RecordTest, AFileOfANewerProgramIsLeftAsItIs) {
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    record.reset();
    Peek(dir_.path() / "lernstand.sqlite")
        .Value(
            QStringLiteral("UPDATE schema_version SET version = %1").arg(sql::kSchemaVersion + 1));
    const auto before = Contents(dir_.path());
    record = MakeRecord();
    record->SetChild(U"Lena");
    record->Report(AnswerAbout(U"1l2e-b3en", false));
    record->SetChild(U"Tom");
    EXPECT_FALSE(record->IsOpen());
    EXPECT_TRUE(record->DueVerbs().empty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(Mentions(messages_[0], "neueren Version"));
    record.reset();
    EXPECT_EQ(Contents(dir_.path()), before);
}

TEST_F(RecordTest, AReadOnlyFolderLetsTheChildPlayOnAndTellsOnce) {
    const fs::path empty = dir_.path() / "leer";
    const fs::path kept = dir_.path() / "mit_lernstand";
    fs::create_directory(empty);
    fs::create_directory(kept);
    MakeRecord(kept)->SetChild(U"Lena");
    fs::permissions(kept / "lernstand.sqlite", fs::perms(0444));
    for (const fs::path& folder : {empty, kept}) {
        const auto before = Contents(folder);
        fs::permissions(folder, fs::perms(0555));
        const ChildRun run = RunChild(
            {QStringLiteral("play"), QString::fromStdString(folder.string()), QStringLiteral("0")},
            true);
        fs::permissions(folder, fs::perms(0755));
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
        EXPECT_EQ(LinesAfter(run.out, QStringLiteral("reported ")), QStringList{"20"});
        const QStringList messages = LinesAfter(run.out, QStringLiteral("message "));
        ASSERT_EQ(messages.size(), 1) << run.out.toStdString();
        EXPECT_TRUE(messages[0].contains(QStringLiteral("nicht gespeichert")));
        EXPECT_TRUE(messages[0].contains(QStringLiteral("schreibgeschützt")))
            << messages[0].toStdString();
        EXPECT_EQ(Contents(folder), before);
    }
}

TEST_F(RecordTest, AFullDiskLetsTheChildPlayOnAndTellsOnce) {
    const QString folder = QString::fromStdString(dir_.path().string());
    // A disk of 400 KiB of its own (a tmpfs in a mount namespace of the helper's own); where
    // the system allows no such namespace, a limit on the size of every file the helper writes.
    ChildRun run =
        RunChild({QStringLiteral("play"), folder, QStringLiteral("0"), QStringLiteral("fill")},
                 false, SmallDisk(folder, QStringLiteral("400k")));
    const bool smallDisk = run.out.contains(QStringLiteral("started"));
    if (!smallDisk)
        run = RunChild(
            {QStringLiteral("play"), folder, QStringLiteral("400000"), QStringLiteral("fill")});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(LinesAfter(run.out, QStringLiteral("reported ")), QStringList{"2000"});
    const QStringList messages = LinesAfter(run.out, QStringLiteral("message "));
    ASSERT_EQ(messages.size(), 1) << run.out.toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("nicht gespeichert")));
    // Only a real disk can say why: a file size limit is no full disk.
    EXPECT_EQ(messages[0].contains(QStringLiteral("kein Platz")), smallDisk);
    EXPECT_EQ(LinesAfter(run.out, QStringLiteral("integrity ")), QStringList{"ok"});
    const int kept = LinesAfter(run.out, QStringLiteral("answers ")).value(0).toInt();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 2000);
}

TEST_F(RecordTest, KilledWhileWritingKeepsEveryCommittedAnswer) {
    const QString folder = QString::fromStdString(dir_.path().string());
    std::mt19937 random(std::random_device{}());
    std::set<QString> committed;
    for (int round = 0; round < 8; ++round) {
        QProcess writer;
        writer.start(HelperProgram(false),
                     {QStringLiteral("--child"), QStringLiteral("write"), folder,
                      QStringLiteral("Lena"), QString::number(round * 1'000'000),
                      QStringLiteral("1000000")});
        // The first round is killed at once, perhaps while the file is being made; the others
        // after some answers.
        const int wanted = round == 0 ? 0 : static_cast<int>(random() % 400) + 1;
        int seen = 0;
        while (seen < wanted && writer.waitForReadyRead(10'000))
            while (writer.canReadLine()) {
                const QString line = QString::fromUtf8(writer.readLine()).trimmed();
                if (line.startsWith(QLatin1String("ok ")))
                    committed.insert(line.mid(3)), ++seen;
            }
        writer.kill();
        writer.waitForFinished();
        for (const QString& line : QString::fromUtf8(writer.readAllStandardOutput()).split('\n'))
            if (line.startsWith(QLatin1String("ok ")))
                committed.insert(line.mid(3).trimmed());
    }
    ASSERT_GT(committed.size(), 7u);
    Peek peek(dir_.path() / "lernstand.sqlite");
    EXPECT_EQ(peek.Value(QStringLiteral("PRAGMA integrity_check")), "ok");
    std::set<QString> stored;
    for (const QVariantList& row : peek.Rows(QStringLiteral("SELECT given FROM answers")))
        stored.insert(row[0].toString());
    for (const QString& answer : committed)
        EXPECT_TRUE(stored.contains(answer)) << "answer " << answer.toStdString() << " lost";
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(RecordTest, TwoCopiesOnOneFolderBothKeepEverything) {
    const QString folder = QString::fromStdString(dir_.path().string());
    QProcess copies[2];
    for (int i = 0; i < 2; ++i)
        copies[i].start(HelperProgram(false),
                        {QStringLiteral("--child"), QStringLiteral("write"), folder,
                         i == 0 ? QStringLiteral("Lena") : QStringLiteral("Tom"),
                         QString::number(i * 1000), QStringLiteral("300")});
    for (QProcess& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(120'000));
        EXPECT_EQ(copy.exitCode(), 0);
        const QString out = QString::fromUtf8(copy.readAllStandardOutput());
        EXPECT_EQ(LinesAfter(out, QStringLiteral("ok ")).size(), 300);
        EXPECT_TRUE(LinesAfter(out, QStringLiteral("message ")).isEmpty()) << out.toStdString();
    }
    Peek peek(dir_.path() / "lernstand.sqlite");
    EXPECT_EQ(peek.Value(QStringLiteral("SELECT COUNT(*) FROM answers")), 600);
    EXPECT_EQ(peek.Value(QStringLiteral("PRAGMA integrity_check")), "ok");
}

} // namespace
} // namespace tamurik::testing
