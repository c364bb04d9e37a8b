// The learning record in a real SQLite file: opened on the first name, children known again by
// their names, every answer kept with its phenomena, the card box, and the teacher's sums.

#include "record/name_key.h"
#include "tests/record/record_support.h"

#include <QVariant>

#include <set>

namespace tamurik::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(RecordTest, ANameOpensTheRecordAndIsKnownAgainHoweverItIsTyped) {
    const std::vector<std::pair<Text, QString>> keys{
        {U" Lena ", QStringLiteral("lena")},
        {U"LENA", QStringLiteral("lena")},
        {U"Anna   Lena\t", QStringLiteral("anna lena")},
        {U"J\u00fcrgen", QStringLiteral("j\u00fcrgen")},
        {U"JU\u0308RGEN", QStringLiteral("j\u00fcrgen")},
        {U"", QString()},
        {U"  \n ", QString()},
        {U"\t\u00a0 \u2003", QString()}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(ChildNameKey(name), key) << ToUtf8(name);

    // Nothing is opened before the first name that is more than blanks.
    auto record = MakeRecord();
    record->Report(AnswerAbout(U"1l2e-b3en", false));
    for (const auto& [name, key] : keys)
        if (key.isEmpty())
            record->SetChild(name);
    EXPECT_EQ(dir_.EntryCount(), 0u);
    EXPECT_TRUE(record->DueVerbs().empty());
    record->SetChild(U"Lena");
    EXPECT_TRUE(record->IsOpen());
    const std::int64_t lena = record->ChildId();
    record->SetChild(U"J\u00fcrgen");
    const std::int64_t juergen = record->ChildId();
    EXPECT_NE(lena, juergen);
    record.reset();
    // Another run of the program: the same children, whatever the case and normal form.
    record = MakeRecord();
    for (const char32_t* name : {U"  lena", U"LENA "}) {
        record->SetChild(name);
        EXPECT_EQ(record->ChildId(), lena);
    }
    record->SetChild(U"ju\u0308rgen");
    EXPECT_EQ(record->ChildId(), juergen);
    const std::vector<ChildSummary> children = record->Children();
    ASSERT_EQ(children.size(), 2u);
    // The name shown is the one typed last.
    EXPECT_EQ(children[0].name, U"LENA ");
    EXPECT_EQ(children[1].name, U"ju\u0308rgen");
}

TEST_F(RecordTest, OddNamesAreKeptExactlyAsTyped) {
    const Text longName(10000, U'a');
    const std::set<Text> names{U"<b>Tom</b>",
                               U"O'Brien \"Bob\"",
                               U"x'); DROP TABLE answers; --",
                               U"Robert\"; DELETE FROM children WHERE 1=1; --",
                               longName,
                               U"A\u0001\u001b[31mB\u007f"};
    auto record = MakeRecord();
    for (const Text& name : names) {
        record->SetChild(name);
        record->Report(AnswerAbout(U"1l2e-b3en", true));
    }
    // A name longer than a key: what agrees that far is one child.
    record->SetChild(longName + U"b");
    record->Report(AnswerAbout(U"1l2e-b3en", true));
    std::set<Text> shown;
    for (const ChildSummary& child : record->Children()) {
        shown.insert(child.name);
        EXPECT_EQ(child.answers, child.name.size() >= 10000 ? 2 : 1);
    }
    std::set<Text> expected = names;
    expected.erase(longName);
    expected.insert(longName + U"b");
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(RecordTest, EveryAnswerIsKeptWithWhatItCountsFor) {
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    record->Report(Answer{"verbformen", U"1g2e-b3en", "du", U"gebst", false, 2345, true});
    record->Report(Answer{"quatschverben", U"1schw2ö-ß3eln", "echt", U"ja", true, 99, false});
    Peek peek(record->FilePath());
    const std::vector<QVariantList> rows = peek.Rows(QStringLiteral(
        "SELECT at_ms, day, exercise, item, asked, given, correct, millis, from_verb_list "
        "FROM answers ORDER BY id"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QVariantList{QVariant::fromValue<qint64>(clock_.NowMs()), 20794,
                                     "verbformen", "1g2e-b3en", "du", "gebst", 0, 2345, 1}));
    EXPECT_EQ(rows[1].mid(2),
              (QVariantList{"quatschverben", "1schw2ö-ß3eln", "echt", "ja", 1, 99, 0}));
    const std::vector<QVariantList> tags =
        peek.Rows(QStringLiteral("SELECT phenomenon FROM answer_phenomena ORDER BY phenomenon"));
    EXPECT_EQ(tags, (std::vector<QVariantList>{{"auslautverhaertung"}, {"wechsel_e_i"}}));
    EXPECT_EQ(peek.Value(QStringLiteral("SELECT version FROM schema_version")), 2);
    EXPECT_EQ(peek.Value(QStringLiteral("PRAGMA journal_mode")), "wal");
}

TEST_F(RecordTest, MissedVerbsComeBackWhenDue) {
    bool cardBox = true;
    auto record = MakeRecord();
    record->SetCardBoxSwitch([&cardBox] { return cardBox; });
    record->SetChild(U"Lena");
    record->Report(AnswerAbout(U"1l2e-b3en", false));
    record->Report(AnswerAbout(U"1w2a-b3en", false, "schreibweise", false)); // not a listed verb
    record->Report(AnswerAbout(U"1k2om.m3en", true));                        // never missed
    EXPECT_EQ(record->DueVerbs(), std::vector<Text>{U"1l2e-b3en"});
    record->Report(AnswerAbout(U"1l2e-b3en", true));
    EXPECT_TRUE(record->DueVerbs().empty());
    SetDay(20795);
    EXPECT_EQ(record->DueVerbs(), std::vector<Text>{U"1l2e-b3en"});
    cardBox = false;
    EXPECT_TRUE(record->DueVerbs().empty());
    cardBox = true;
    record->SetChild(U"Tom");
    EXPECT_TRUE(record->DueVerbs().empty());
    record = MakeRecord();
    record->SetChild(U"LENA");
    EXPECT_EQ(record->DueVerbs(), std::vector<Text>{U"1l2e-b3en"});
    EXPECT_EQ(record->CardBoxCounts(record->ChildId()),
              (std::array<long long, kCompartments>{0, 1, 0, 0, 0}));
}

TEST_F(RecordTest, TheTeachersSumsByWeekExerciseAndPhenomenon) {
    auto record = MakeRecord();
    record->SetChild(U"Lena");
    const auto play = [&](long long day, const char* exercise, const char* asked, const Text& item,
                          std::initializer_list<bool> answers) {
        SetDay(day);
        for (bool right : answers)
            record->Report(Answer{exercise, item, asked, U"", right, 1000, true});
    };
    play(20794, "verbformen", "du", U"1g2e-b3en", {false, true, true}); // Monday
    play(20800, "verben_trennen", "trennung", U"1b2a.ck3en", {false});  // Sunday
    play(20801, "verbformen", "du", U"1g2e-b3en", {true, false});       // the next Monday
    const std::int64_t lena = record->ChildId();
    record->SetChild(U"Tom");

    EXPECT_EQ(record->WeeksByExercise(lena),
              (std::vector<WeekExerciseCount>{{20794, "verben_trennen", {1, 0}},
                                              {20794, "verbformen", {3, 2}},
                                              {20801, "verbformen", {2, 1}}}));
    using P = Phenomenon;
    EXPECT_EQ(record->ByPhenomenon(lena, {}),
              (std::vector<PhenomenonCount>{{P::ShortCk, {1, 0}},
                                            {P::ChangeEToI, {5, 3}},
                                            {P::SyllableBoundary, {1, 0}},
                                            {P::FinalDevoicing, {5, 3}}}));
    EXPECT_EQ(record->ByPhenomenon(lena, {20801, 20801}),
              (std::vector<PhenomenonCount>{{P::ChangeEToI, {2, 1}}, {P::FinalDevoicing, {2, 1}}}));
    // geben: missed, then right while due (2), right again the same day (stays); backen missed;
    // geben right when due again (3), then missed (1).
    EXPECT_EQ(record->CardBoxCounts(lena), (std::array<long long, kCompartments>{2, 0, 0, 0, 0}));
    const std::vector<ChildSummary> children = record->Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].name, U"Lena");
    EXPECT_EQ(std::vector<long long>({children[0].answers, children[0].firstAnswerMs,
                                      children[0].lastAnswerMs, children[1].answers}),
              std::vector<long long>(
                  {6, 20794 * 86'400'000LL + 36'000'000, 20801 * 86'400'000LL + 36'000'000, 0}));
}

} // namespace
} // namespace tamurik::testing
