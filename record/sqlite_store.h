#pragma once
// What the two halves of the SQLite record share: its answers and its file
// (sqlite_record.cpp) and the teacher's questions (sqlite_record_queries.cpp). One open
// connection with the statements an answer needs prepared once.

#include "record/sql.h"
#include "record/sql_values.h"
#include "record/sqlite_record.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

namespace tamurik {

namespace record_store {

// How long a write waits while another copy of the program on the same folder writes.
inline constexpr const char* kBusyTimeout = "QSQLITE_BUSY_TIMEOUT=5000";

inline QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Each connection of the run has a name of its own.
inline int NextConnection() {
    static int connections = 0;
    return ++connections;
}

} // namespace record_store

// One open connection to a record file, with the statements an answer needs prepared once.
struct SqliteRecord::Store {
    explicit Store(const std::filesystem::path& file)
        : name(QStringLiteral("tamurik-lernstand-%1").arg(record_store::NextConnection())),
          db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name)) {
        db.setDatabaseName(record_store::QPath(file));
        db.setConnectOptions(QString::fromLatin1(record_store::kBusyTimeout));
        db.open();
    }
    ~Store() {
        statements.reset();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    struct Statements {
        explicit Statements(const QSqlDatabase& db)
            : insertAnswer(db), insertPhenomenon(db), readCard(db), writeCard(db) {}
        QSqlQuery insertAnswer, insertPhenomenon, readCard, writeCard;
    };

    // Prepares the statements; the error when one cannot be.
    std::optional<QSqlError> Prepare() {
        statements = std::make_unique<Statements>(db);
        const std::pair<QSqlQuery*, const char*> all[] = {
            {&statements->insertAnswer, sql::kInsertAnswer},
            {&statements->insertPhenomenon, sql::kInsertPhenomenon},
            {&statements->readCard, sql::kReadCard},
            {&statements->writeCard, sql::kWriteCard}};
        for (const auto& [query, text] : all)
            if (!query->prepare(QString::fromLatin1(text)))
                return query->lastError();
        return std::nullopt;
    }

    QString name;
    QSqlDatabase db;
    std::unique_ptr<Statements> statements;
};

} // namespace tamurik
