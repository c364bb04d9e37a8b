#include "tests/record/record_support.h"

#include "core/word_lists.h"
#include "learning/days.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace tamurik::testing {

namespace fs = std::filesystem;

RecordTest::RecordTest() {
    // The helpers that run as another user must reach the folders inside.
    fs::permissions(dir_.path(), fs::perms(0755));
    SetDay(20794); // Monday, 7 December 2026
}

std::unique_ptr<SqliteRecord> RecordTest::MakeRecord(const fs::path& folder) {
    return std::make_unique<SqliteRecord>(folder.empty() ? dir_.path() : folder, clock_,
                                          [this](const Text& text) { messages_.push_back(text); });
}

void RecordTest::SetDay(long long day) {
    clock_.Set(DateOfDay(day));
    clock_.SetMs(day * 86'400'000 + 36'000'000);
}

Answer RecordTest::AnswerAbout(const Text& item, bool right, const char* asked, bool fromVerbList) {
    return Answer{"verben_schreiben", item, asked, right ? CleanWord(item) : U"falsch", right, 1234,
                  fromVerbList};
}

Peek::Peek(const fs::path& file)
    : name_(QStringLiteral("peek-%1").arg(reinterpret_cast<quintptr>(this))) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(QString::fromStdString(file.string()));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    EXPECT_TRUE(db.open());
}

Peek::~Peek() {
    QSqlDatabase::database(name_).close();
    QSqlDatabase::removeDatabase(name_);
}

QVariant Peek::Value(const QString& statement) {
    const std::vector<QVariantList> rows = Rows(statement);
    return rows.empty() || rows.front().empty() ? QVariant() : rows.front().front();
}

std::vector<QVariantList> Peek::Rows(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(name_));
    std::vector<QVariantList> rows;
    if (!query.exec(statement))
        return rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.push_back(query.value(i));
        rows.push_back(row);
    }
    return rows;
}

} // namespace tamurik::testing
