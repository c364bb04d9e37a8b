#include "record/sqlite_record.h"

#include "learning/card_box.h"
#include "learning/days.h"
#include "learning/phenomena.h"
#include "record/name_key.h"
#include "record/sql.h"
#include "record/sqlite_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>

#include <algorithm>

namespace tamurik {

namespace fs = std::filesystem;

using namespace record_store;

namespace {

// SQLite's primary result codes, as Qt's driver reports them.
constexpr int kSqliteError = 1;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteNotADatabase = 26;

// The pause after an answer in which the journal is copied into the file.
constexpr int kPauseMs = 2000;
// Below this much free space a failed write counts as a full disk.
constexpr qint64 kNearlyFull = 1 << 20;

int CodeOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : 0;
}

bool IsDamage(const QSqlError& error) {
    const int code = CodeOf(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QSqlError Failure(const QString& text) {
    return QSqlError(QString(), text, QSqlError::UnknownError);
}

// Runs the body in one transaction: committed when it returns no error, else rolled back.
// The statements are run as they are, not through the driver's transaction calls, which lose
// SQLite's result code (a full disk, a damaged file) on the way.
template <typename Body> std::optional<QSqlError> InTransaction(QSqlDatabase& db, Body&& body) {
    QSqlQuery control(db);
    if (!control.exec(QString::fromLatin1(sql::kBegin)))
        return control.lastError();
    std::optional<QSqlError> error = body();
    if (!error && !control.exec(QString::fromLatin1(sql::kCommit)))
        error = control.lastError();
    if (error)
        control.exec(QString::fromLatin1(sql::kRollback));
    return error;
}

std::optional<QSqlError> Migrate(QSqlDatabase& db, int from) {
    for (int version = from; version < sql::kSchemaVersion; ++version) {
        std::optional<QSqlError> error = InTransaction(db, [&]() -> std::optional<QSqlError> {
            QSqlQuery step(db);
            for (const char* statement : sql::MigrationFrom(version))
                if (!step.exec(QString::fromLatin1(statement)))
                    return step.lastError();
            return std::nullopt;
        });
        if (error)
            return error;
    }
    return std::nullopt;
}

// Where the damaged file is now; `fresh` when a new record was begun.
Text DamagedText(const fs::path& aside, bool fresh) {
    return Text(U"Die Datei mit dem Lernstand war beschädigt. Sie wurde nicht gelöscht, sondern "
                U"umbenannt und liegt jetzt hier:") +
           CR + TextOf(QPath(aside)) +
           (fresh ? CR + Text(U"Ein neuer Lernstand wurde begonnen.") : Text());
}

Text NewerText(const fs::path& file) {
    return Text(U"Die Datei mit dem Lernstand stammt von einer neueren Version von Tamurik:") + CR +
           TextOf(QPath(file)) + CR +
           U"Sie bleibt unverändert. In diesem Programmlauf wird kein Lernstand gespeichert.";
}

} // namespace

struct SqliteRecord::Opening {
    enum class State { Ready, Damaged, Newer, Failed };
    State state = State::Failed;
    QSqlError error;
    std::unique_ptr<Store> store;
};

SqliteRecord::SqliteRecord(fs::path folder, const Clock& clock, Tell tell)
    : folder_(std::move(folder)), clock_(clock), tell_(std::move(tell)),
      cardBoxOn_([] { return true; }) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    QObject::connect(&pause_, &QTimer::timeout, [this] { Checkpoint(); });
}

void SqliteRecord::Checkpoint() {
    // A checkpoint that fails (a full disk) leaves the answers in the journal, where SQLite
    // finds them; the next answer tells of the fault.
    if (store_)
        QSqlQuery(store_->db).exec(QString::fromLatin1(sql::kSqliteCheckpoint));
}

SqliteRecord::~SqliteRecord() = default;

long long SqliteRecord::Today() const {
    return DayNumber(clock_.Today());
}

SqliteRecord::Opening SqliteRecord::Connect(const fs::path& file) const {
    using State = Opening::State;
    auto store = std::make_unique<Store>(file);
    if (!store->db.isOpen())
        return {State::Failed, store->db.lastError(), nullptr};
    QSqlQuery query(store->db);
    // A damaged file is set aside; any other failure is the folder's or the disk's, and the
    // file is left alone.
    const auto failed = [](const QSqlError& error) {
        return Opening{IsDamage(error) ? State::Damaged : State::Failed, error, nullptr};
    };
    if (!query.exec(QString::fromLatin1(sql::kSqliteForeignKeys)))
        return failed(query.lastError());
    // Our own fixed query failing as wrong SQL means the file holds something else: another
    // program's database, an empty file.
    if (!query.exec(QString::fromLatin1(sql::kReadVersion)))
        return CodeOf(query.lastError()) == kSqliteError
                   ? Opening{State::Damaged, query.lastError(), nullptr}
                   : failed(query.lastError());
    if (!query.next())
        return {State::Damaged, Failure(QStringLiteral("no schema version")), nullptr};
    bool isNumber = false;
    const int version = query.value(0).toInt(&isNumber);
    if (!isNumber || version < 1 || query.next())
        return {State::Damaged, Failure(QStringLiteral("bad schema version")), nullptr};
    query.finish();
    if (version > sql::kSchemaVersion)
        return {State::Newer, QSqlError(), nullptr};
    // A file cut short (half copied, a failing disk): SQLite reads the missing pages as zeros
    // and finds the damage only when it gets there. Its header says how long the file is;
    // without a journal beside it (after a clean end) no page lies beyond that.
    if (QFileInfo(QPath(file) + QStringLiteral("-wal")).size() == 0) {
        if (!query.exec(QString::fromLatin1(sql::kSqlitePageCount)) || !query.next())
            return failed(query.lastError());
        const qint64 pages = query.value(0).toLongLong();
        if (!query.exec(QString::fromLatin1(sql::kSqlitePageSize)) || !query.next())
            return failed(query.lastError());
        if (pages * query.value(0).toLongLong() > QFileInfo(QPath(file)).size())
            return {State::Damaged, Failure(QStringLiteral("file cut short")), nullptr};
        query.finish();
    }
    if (std::optional<QSqlError> error = Migrate(store->db, version))
        return failed(*error);
    if (!query.exec(QString::fromLatin1(sql::kSqliteWal)))
        return failed(query.lastError());
    if (!query.next() || query.value(0).toString() != QLatin1String("wal"))
        return {State::Failed, Failure(QStringLiteral("no WAL journal")), nullptr};
    query.finish();
    if (!query.exec(QString::fromLatin1(sql::kSqliteSynchronous)) ||
        !query.exec(QString::fromLatin1(sql::kSqliteAutoCheckpoint)))
        return failed(query.lastError());
    if (std::optional<QSqlError> error = store->Prepare())
        return {State::Failed, *error, nullptr};
    return {State::Ready, QSqlError(), std::move(store)};
}

std::optional<QSqlError> SqliteRecord::CreateFresh() const {
    // Built under a name of its own and then given the record's name, which never replaces a
    // file: so the record's name holds either nothing or a whole empty record, even when the
    // program is killed half-way, and of two copies starting together the second one uses
    // the first one's file.
    const fs::path fresh =
        folder_ / (".lernstand-neu-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                   std::to_string(NextConnection()) + ".sqlite");
    std::optional<QSqlError> error;
    {
        Store store(fresh);
        if (!store.db.isOpen())
            error = store.db.lastError();
        else
            error = Migrate(store.db, 0);
    }
    if (!error && !QFile::rename(QPath(fresh), QPath(FilePath())) &&
        !QFileInfo::exists(QPath(FilePath())))
        error = Failure(QStringLiteral("rename failed"));
    QFile::remove(QPath(fresh));
    QFile::remove(QPath(fresh) + QStringLiteral("-journal"));
    return error;
}

std::optional<fs::path> SqliteRecord::SetAside() const {
    const Date today = clock_.Today();
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(today.year, 4, 10, QLatin1Char('0'))
                             .arg(today.month, 2, 10, QLatin1Char('0'))
                             .arg(today.day, 2, 10, QLatin1Char('0'));
    const QString file = QPath(FilePath());
    static constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};
    for (int n = 1; n < 1000; ++n) {
        const QString aside = QPath(folder_) + QStringLiteral("/lernstand-beschaedigt-") + date +
                              (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
                              QStringLiteral(".sqlite");
        const bool taken =
            QFileInfo::exists(aside) ||
            std::any_of(std::begin(kCompanions), std::end(kCompanions),
                        [&](const char* c) { return QFileInfo::exists(aside + QLatin1String(c)); });
        if (taken)
            continue;
        // The journal files go first: left beside a fresh file, SQLite would play the old
        // file's changes into it.
        for (const char* companion : kCompanions) {
            const QString from = file + QLatin1String(companion);
            if (QFileInfo::exists(from) && !QFile::rename(from, aside + QLatin1String(companion)))
                return std::nullopt;
        }
        if (!QFile::rename(file, aside))
            return std::nullopt;
        return fs::path(aside.toStdString());
    }
    return std::nullopt;
}

bool SqliteRecord::StartAfresh() {
    store_.reset();
    childId_ = 0;
    const std::optional<fs::path> aside = SetAside();
    if (!aside) {
        GiveUp(Failure(QStringLiteral("damaged file could not be renamed")));
        return false;
    }
    std::optional<QSqlError> error = CreateFresh();
    if (!error) {
        Opening opening = Connect(FilePath());
        if (opening.state == Opening::State::Ready) {
            store_ = std::move(opening.store);
            if (!childKey_.isEmpty())
                error = RegisterChild();
        } else {
            error = opening.error;
        }
    }
    if (error)
        TurnOff(DamagedText(*aside, false));
    tell_(DamagedText(*aside, !error));
    if (error)
        TellCannotSave(*error);
    return !error;
}

bool SqliteRecord::EnsureOpen(bool create) {
    if (store_)
        return true;
    if (off_)
        return false;
    std::error_code ignored;
    if (!fs::exists(FilePath(), ignored)) {
        if (!create)
            return false;
        if (std::optional<QSqlError> error = CreateFresh()) {
            GiveUp(*error);
            return false;
        }
    }
    Opening opening = Connect(FilePath());
    switch (opening.state) {
    case Opening::State::Ready:
        store_ = std::move(opening.store);
        return true;
    case Opening::State::Damaged:
        return StartAfresh();
    case Opening::State::Newer:
        TurnOff(NewerText(FilePath()));
        tell_(problem_);
        return false;
    case Opening::State::Failed:
        break;
    }
    GiveUp(opening.error);
    return false;
}

void SqliteRecord::TurnOff(Text why) {
    off_ = true;
    problem_ = std::move(why);
    store_.reset();
    childId_ = 0;
}

void SqliteRecord::GiveUp(const QSqlError& error) {
    // Off before the message: while its box is open, nothing more is tried.
    TurnOff(Text(U"Der Lernstand lässt sich in diesem Programmlauf nicht öffnen.") + CR +
            CannotSaveReason(error));
    TellCannotSave(error);
}

void SqliteRecord::TellCannotSave(const QSqlError& error) {
    if (toldCannotSave_)
        return;
    toldCannotSave_ = true;
    tell_(Text(U"Der Lernstand kann in diesem Programmlauf nicht gespeichert werden.") + CR +
          CannotSaveReason(error) + CR + U"Das Üben geht wie gewohnt weiter.");
}

Text SqliteRecord::CannotSaveReason(const QSqlError& error) const {
    const QString folder = QPath(folder_);
    const QString file = QPath(FilePath());
    const int code = CodeOf(error);
    Text reason;
    if (!QFileInfo(folder).isWritable())
        reason = U"Der Ordner ist schreibgeschützt: " + TextOf(folder);
    else if (QFileInfo::exists(file) && !QFileInfo(file).isWritable())
        reason = U"Die Datei ist schreibgeschützt: " + TextOf(file);
    else if (code == kSqliteFull || QStorageInfo(folder).bytesAvailable() < kNearlyFull)
        reason = U"Auf dem Datenträger ist kein Platz mehr frei.";
    else if (code == kSqliteBusy || code == kSqliteLocked)
        reason = U"Die Datei wird gerade von einem anderen Programm benutzt: " + TextOf(file);
    else
        reason = U"Die Datei lässt sich nicht öffnen oder schreiben: " + TextOf(file) +
                 (code != 0 ? U" (Fehlercode " + Decimal(code) + U")" : Text());
    return reason;
}

bool SqliteRecord::Write(const std::function<std::optional<QSqlError>()>& write) {
    for (int attempt = 0; attempt < 2 && store_; ++attempt) {
        const std::optional<QSqlError> error = write();
        if (!error)
            return true;
        if (!IsDamage(*error)) {
            TellCannotSave(*error);
            return false;
        }
        if (!StartAfresh())
            return false;
    }
    return false;
}

void SqliteRecord::AfterReadFailure(const QSqlError& error) {
    if (IsDamage(error))
        StartAfresh();
}

std::optional<QSqlError> SqliteRecord::RegisterChild() {
    const qint64 now = clock_.NowMs();
    qint64 id = 0;
    std::optional<QSqlError> error = InTransaction(store_->db, [&]() -> std::optional<QSqlError> {
        QSqlQuery upsert(store_->db);
        upsert.prepare(QString::fromLatin1(sql::kUpsertChild));
        upsert.addBindValue(childKey_);
        upsert.addBindValue(QText(childName_));
        upsert.addBindValue(now);
        upsert.addBindValue(now);
        if (!upsert.exec())
            return upsert.lastError();
        QSqlQuery select(store_->db);
        select.prepare(QString::fromLatin1(sql::kChildId));
        select.addBindValue(childKey_);
        if (!select.exec())
            return select.lastError();
        if (!select.next())
            return Failure(QStringLiteral("child not found"));
        id = select.value(0).toLongLong();
        return std::nullopt;
    });
    if (!error)
        childId_ = id;
    return error;
}

void SqliteRecord::SetChild(const Text& name) {
    childId_ = 0;
    childKey_ = ChildNameKey(name);
    childName_ = childKey_.isEmpty() ? Text() : name;
    if (childKey_.isEmpty() || !EnsureOpen(true))
        return;
    // After a fresh start the child is registered already.
    if (childId_ == 0)
        Write([this] { return RegisterChild(); });
}

std::optional<QSqlError> SqliteRecord::WriteAnswer(const Answer& answer) {
    Store::Statements& s = *store_->statements;
    const qint64 now = clock_.NowMs();
    const long long today = Today();
    const int right = answer.right ? 1 : 0;
    return InTransaction(store_->db, [&]() -> std::optional<QSqlError> {
        QSqlQuery& insert = s.insertAnswer;
        const QVariant values[] = {Int(childId_),
                                   Int(now),
                                   Int(today),
                                   Int(WeekStart(today)),
                                   QString::fromStdString(answer.exercise),
                                   QText(answer.item),
                                   QString::fromStdString(answer.asked),
                                   QText(answer.given),
                                   right,
                                   Int(answer.millis),
                                   answer.fromVerbList ? 1 : 0};
        for (int i = 0; i < static_cast<int>(std::size(values)); ++i)
            insert.bindValue(i, values[i]);
        if (!insert.exec())
            return insert.lastError();
        if (!insert.next())
            return Failure(QStringLiteral("no answer id"));
        const qint64 answerId = insert.value(0).toLongLong();
        insert.finish();

        for (Phenomenon phenomenon : AnswerPhenomena(answer.asked, answer.item)) {
            QSqlQuery& tag = s.insertPhenomenon;
            tag.bindValue(0, answerId);
            tag.bindValue(1, Int(childId_));
            tag.bindValue(2, QKey(InfoOf(phenomenon).key));
            tag.bindValue(3, Int(today));
            tag.bindValue(4, right);
            if (!tag.exec())
                return tag.lastError();
        }

        if (!answer.fromVerbList)
            return std::nullopt;
        QSqlQuery& read = s.readCard;
        read.bindValue(0, Int(childId_));
        read.bindValue(1, QText(answer.item));
        if (!read.exec())
            return read.lastError();
        std::optional<Card> before;
        if (read.next())
            before = Card{read.value(0).toInt(), read.value(1).toLongLong()};
        read.finish();
        const std::optional<Card> after = AfterAnswer(before, answer.right, today);
        if (!after || after == before)
            return std::nullopt;
        QSqlQuery& write = s.writeCard;
        write.bindValue(0, Int(childId_));
        write.bindValue(1, QText(answer.item));
        write.bindValue(2, after->compartment);
        write.bindValue(3, Int(after->dueDay));
        if (!write.exec())
            return write.lastError();
        return std::nullopt;
    });
}

void SqliteRecord::Report(const Answer& answer) {
    if (childId_ == 0 || !store_)
        return;
    if (Write([&] { return WriteAnswer(answer); }))
        pause_.start();
}

bool SqliteRecord::Change(bool create, std::initializer_list<Statement> statements) {
    if (!EnsureOpen(create))
        return false;
    const std::optional<QSqlError> error =
        InTransaction(store_->db, [&]() -> std::optional<QSqlError> {
            for (const Statement& statement : statements) {
                QSqlQuery query(store_->db);
                if (!query.prepare(QString::fromLatin1(statement.text)))
                    return query.lastError();
                int i = 0;
                for (const QVariant& value : statement.values)
                    query.bindValue(i++, value);
                if (!query.exec())
                    return query.lastError();
            }
            return std::nullopt;
        });
    if (error)
        AfterReadFailure(*error);
    return !error;
}

} // namespace tamurik
