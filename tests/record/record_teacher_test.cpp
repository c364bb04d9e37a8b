// What the teacher area reads from and changes in a real record file: a record of the first
// release taken over with everything in it, the children with their week and due cards, the
// missed verbs, every answer, renaming, merging, deleting and the PIN's lock.

#include "record/sql.h"
#include "tests/record/record_support.h"

#include <QVariant>

namespace tamurik::testing {
namespace {

TEST_F(RecordTest, ARecordOfTheFirstReleaseIsTakenOver) {
    const std::filesystem::path file = dir_.path() / "lernstand.sqlite";
    {
        Peek peek(file);
        for (const char* statement : sql::MigrationFrom(0))
            peek.Rows(QString::fromLatin1(statement));
        peek.Rows(QStringLiteral("INSERT INTO children (name_key, display_name, first_ms, "
                                 "last_ms) VALUES ('lena', 'Lena', 5, 6)"));
        ASSERT_EQ(peek.Value(QStringLiteral("SELECT version FROM schema_version")), 1);
    }
    auto record = MakeRecord();
    EXPECT_TRUE(record->Problem().empty());
    EXPECT_FALSE(record->Lock().has_value());
    ASSERT_EQ(record->Children().size(), 1u);
    EXPECT_TRUE(record->SetLock(TeacherLock{"$argon2id$x", 4, 77}));
    EXPECT_EQ(record->Lock(), (TeacherLock{"$argon2id$x", 4, 77}));
    record->SetChild(U"lena");
    record->Report(AnswerAbout(U"1l2e-b3en", false));
    record.reset();
    Peek peek(file);
    EXPECT_EQ(peek.Value(QStringLiteral("SELECT version FROM schema_version")), 2);
    EXPECT_EQ(peek.Value(QStringLiteral("SELECT COUNT(*) FROM children")), 1);
    EXPECT_EQ(peek.Value(QStringLiteral("SELECT COUNT(*) FROM answers")), 1);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(RecordTest, TheTeacherReadsWeeksMissedVerbsAndEveryAnswer) {
    auto record = MakeRecord();
    // No record yet: nothing to read, and asking makes no file.
    EXPECT_TRUE(record->Children().empty());
    EXPECT_FALSE(record->Lock().has_value());
    EXPECT_EQ(dir_.EntryCount(), 0u);

    record->SetChild(U"Lena");
    const std::int64_t lena = record->ChildId();
    record->Report(AnswerAbout(U"1k2om.m3en", false)); // eight days ago: not in the last seven
    SetDay(20802);
    for (bool right : {false, false, true})
        record->Report(AnswerAbout(U"1l2e-b3en", right));
    record->Report(AnswerAbout(U"1k2om.m3en", false));
    record->Report(AnswerAbout(U"1w2a-b3en", false, "schreibweise", false)); // not a listed verb
    record->Report(AnswerAbout(U"1g2e-b3en", true));
    record->SetChild(U"Tom");
    record->Report(AnswerAbout(U"1l2e-b3en", false));

    const std::vector<ChildSummary> children = record->Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].lastSevenDays, (AnswerCount{6, 2}));
    // kommen, missed today; leben was answered right after its misses and moved on.
    EXPECT_EQ(children[0].dueCards, 1);
    EXPECT_EQ(record->MostMissed(lena, {}, 20),
              (std::vector<MissedVerb>{{U"1k2om.m3en", 2, 2}, {U"1l2e-b3en", 2, 3}}));
    EXPECT_EQ(record->MostMissed(lena, {20802, 20802}, 1),
              (std::vector<MissedVerb>{{U"1l2e-b3en", 2, 3}}));
    EXPECT_EQ(record->DueVerbsOf(lena), std::vector<Text>{U"1k2om.m3en"});

    std::vector<AnswerRow> rows;
    ASSERT_TRUE(record->ForEachAnswer(lena, [&](const AnswerRow& row) { rows.push_back(row); }));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].atMs, 20794 * 86'400'000LL + 36'000'000);
    EXPECT_EQ(rows[0].answer.item, U"1k2om.m3en");
    EXPECT_EQ(rows[6].answer.given, U"geben");
    EXPECT_TRUE(rows[6].answer.right);
    std::vector<Text> names;
    ASSERT_TRUE(record->ForEachAnswer(std::nullopt,
                                      [&](const AnswerRow& row) { names.push_back(row.child); }));
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(names.back(), U"Tom");
}

TEST_F(RecordTest, RenameMergeAndDelete) {
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    record->Report(AnswerAbout(U"1l2e-b3en", false));
    const std::int64_t lena = record->ChildId();
    SetDay(20796);
    record->SetChild(U"Lnea");
    record->Report(AnswerAbout(U"1l2e-b3en", true));
    record->Report(AnswerAbout(U"1k2om.m3en", false));
    const std::int64_t typo = record->ChildId();
    record->SetChild(U"Tom");
    const std::int64_t tom = record->ChildId();
    record->Report(AnswerAbout(U"1l2e-b3en", false));

    const std::vector<std::tuple<std::int64_t, Text, ChildChange>> renames{
        {tom, U" LENA ", ChildChange::NameTaken},
        {tom, U"  \t", ChildChange::Invalid},
        {12345, U"Max", ChildChange::Invalid},
        {tom, U"TOM", ChildChange::Done}, // the same child in other letters
        {tom, U"Tommy", ChildChange::Done}};
    for (const auto& [child, name, change] : renames)
        EXPECT_EQ(record->RenameChild(child, name), change) << ToUtf8(name);
    // The child now playing goes on under its new name.
    record->Report(AnswerAbout(U"1k2om.m3en", true));
    record->SetChild(U"tommy");
    EXPECT_EQ(record->ChildId(), tom);

    EXPECT_EQ(record->MergeChildren(typo, typo), ChildChange::Invalid);
    EXPECT_EQ(record->MergeChildren(typo, lena), ChildChange::Done);
    std::vector<ChildSummary> children = record->Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].name, U"Lena");
    EXPECT_EQ(children[0].answers, 3);
    // leben: compartment 1 of Lena and 2 of the typo: the lower stays; kommen comes along.
    EXPECT_EQ(record->CardBoxCounts(lena), (std::array<long long, kCompartments>{2, 0, 0, 0, 0}));
    EXPECT_EQ(record->ByPhenomenon(lena, {}).empty(), false);

    EXPECT_EQ(record->DeleteChild(tom), ChildChange::Done);
    EXPECT_EQ(record->DeleteChild(tom), ChildChange::Invalid);
    // After its deletion nothing is kept for the child who played until a name is typed.
    record->Report(AnswerAbout(U"1k2om.m3en", true));
    children = record->Children();
    ASSERT_EQ(children.size(), 1u);
    Peek peek(record->FilePath());
    for (const char* table : {"answers", "answer_phenomena", "card_box"})
        EXPECT_EQ(peek.Value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE child_id NOT IN "
                                            "(SELECT id FROM children)")
                                 .arg(QLatin1String(table))),
                  0)
            << table;
    EXPECT_TRUE(messages_.empty());
}

TEST_F(RecordTest, AReadOnlyRecordIsNamedAndNeverWritten) {
    namespace fs = std::filesystem;
    const fs::path kept = dir_.path() / "mit_lernstand";
    fs::create_directory(kept);
    MakeRecord(kept)->SetChild(U"Lena");
    fs::permissions(kept / "lernstand.sqlite", fs::perms(0444));
    const std::string before = dir_.Read("mit_lernstand/lernstand.sqlite");
    fs::permissions(kept, fs::perms(0555));
    const ChildRun run =
        RunChild({QStringLiteral("teacher"), QString::fromStdString(kept.string())}, true);
    fs::permissions(kept, fs::perms(0755));
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    const QStringList problem = LinesAfter(run.out, QStringLiteral("problem "));
    ASSERT_EQ(problem.size(), 1) << run.out.toStdString();
    EXPECT_TRUE(problem[0].contains(QStringLiteral("schreibgeschützt"))) << run.out.toStdString();
    EXPECT_EQ(LinesAfter(run.out, QStringLiteral("lock ")), QStringList{"0"});
    EXPECT_EQ(LinesAfter(run.out, QStringLiteral("rename ")),
              QStringList{QString::number(static_cast<int>(ChildChange::Failed))});
    EXPECT_EQ(dir_.Read("mit_lernstand/lernstand.sqlite"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(kept), fs::directory_iterator()), 1);
}

} // namespace
} // namespace tamurik::testing
