#include "tests/record/record_support.h"

#include "core/word_lists.h"
#include "learning/days.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <unistd.h>

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

QString HelperProgram(bool unprivileged) {
    if (!unprivileged || geteuid() != 0)
        return QCoreApplication::applicationFilePath();
    // The checkout's folders may be closed to other users: the unprivileged helper runs from a
    // copy in a folder of its own that everyone may enter.
    static const test::TempDir folder;
    static const QString copy = [] {
        fs::permissions(folder.path(), fs::perms(0755));
        const QString path = QString::fromStdString((folder.path() / "helper").string());
        QFile::copy(QStringLiteral("/proc/self/exe"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther);
        return path;
    }();
    return copy;
}

ChildRun RunChild(const QStringList& arguments, bool unprivileged, const QStringList& wrapper) {
    QStringList command = wrapper;
    if (unprivileged && geteuid() == 0)
        command << QStringLiteral("setpriv") << QStringLiteral("--reuid=65534")
                << QStringLiteral("--regid=65534") << QStringLiteral("--clear-groups");
    command << HelperProgram(unprivileged) << QStringLiteral("--child") << arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.takeFirst(), command);
    process.waitForFinished(120'000);
    return ChildRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                    QString::fromUtf8(process.readAllStandardOutput())};
}

QStringList LinesAfter(const QString& out, const QString& prefix) {
    QStringList found;
    for (const QString& line : out.split(QLatin1Char('\n')))
        if (line.startsWith(prefix))
            found << line.mid(prefix.size());
    return found;
}

} // namespace tamurik::testing
