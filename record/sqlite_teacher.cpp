// What the teacher area reads from the record beyond the sums (the missed verbs, every answer
// for a spreadsheet) and what it changes there (a child's name, two names merged, a child
// deleted, the PIN's lock).
#include "learning/days.h"
#include "record/name_key.h"
#include "record/sql.h"
#include "record/sql_values.h"
#include "record/sqlite_record.h"

#include <QSqlQuery>

namespace tamurik {

std::vector<MissedVerb> SqliteRecord::MostMissed(std::int64_t child, DayRange days, int limit) {
    std::vector<MissedVerb> missed;
    const bool ok = Ask(
        sql::kMostMissed,
        {Int(child), Int(WeekStart(days.from)), Int(days.to), Int(days.from), Int(days.to), limit},
        [&](const QSqlQuery& q) {
            missed.push_back(MissedVerb{TextOf(q.value(0).toString()), q.value(1).toLongLong(),
                                        q.value(2).toLongLong()});
        });
    return ok ? missed : std::vector<MissedVerb>{};
}

bool SqliteRecord::ForEachAnswer(std::optional<std::int64_t> child,
                                 const std::function<void(const AnswerRow&)>& row) {
    const auto each = [&](const QSqlQuery& q) {
        row(AnswerRow{TextOf(q.value(0).toString()), q.value(1).toLongLong(),
                      Answer{q.value(2).toString().toStdString(), TextOf(q.value(3).toString()),
                             q.value(4).toString().toStdString(), TextOf(q.value(5).toString()),
                             q.value(6).toInt() != 0, q.value(7).toLongLong(),
                             q.value(8).toInt() != 0}});
    };
    return child ? Ask(sql::kAnswersOfChild, {Int(*child)}, each) : Ask(sql::kAllAnswers, {}, each);
}

std::optional<std::int64_t> SqliteRecord::ChildWithKey(const QString& key) {
    std::optional<std::int64_t> id;
    Ask(sql::kChildId, {key}, [&](const QSqlQuery& q) { id = q.value(0).toLongLong(); });
    return id;
}

bool SqliteRecord::ChildExists(std::int64_t child) {
    bool found = false;
    Ask(sql::kChildExists, {Int(child)},
        [&](const QSqlQuery& q) { found = q.value(0).toLongLong() > 0; });
    return found;
}

ChildChange SqliteRecord::RenameChild(std::int64_t child, const Text& name) {
    if (!EnsureOpen(false))
        return ChildChange::Failed;
    const QString key = ChildNameKey(name);
    if (key.isEmpty() || !ChildExists(child))
        return ChildChange::Invalid;
    const std::optional<std::int64_t> holder = ChildWithKey(key);
    if (holder && *holder != child)
        return ChildChange::NameTaken;
    if (!Change(false, {{sql::kRenameChild, {key, QText(name), Int(child)}}}))
        return ChildChange::Failed;
    if (child == childId_) {
        childKey_ = key;
        childName_ = name;
    }
    return ChildChange::Done;
}

ChildChange SqliteRecord::MergeChildren(std::int64_t from, std::int64_t into) {
    if (!EnsureOpen(false))
        return ChildChange::Failed;
    if (from == into || !ChildExists(from) || !ChildExists(into))
        return ChildChange::Invalid;
    const QVariant kept = Int(into);
    const QVariant gone = Int(from);
    if (!Change(false, {{sql::kMoveAnswers, {kept, gone}},
                        {sql::kMovePhenomena, {kept, gone}},
                        {sql::kMoveCards, {kept, gone}},
                        {sql::kMergeSeen, {kept, gone, kept, gone, kept}},
                        {sql::kDeleteChild, {gone}}}))
        return ChildChange::Failed;
    if (childId_ == from)
        childId_ = into;
    return ChildChange::Done;
}

ChildChange SqliteRecord::DeleteChild(std::int64_t child) {
    if (!EnsureOpen(false))
        return ChildChange::Failed;
    if (!ChildExists(child))
        return ChildChange::Invalid;
    if (!Change(false, {{sql::kDeleteChild, {Int(child)}}}))
        return ChildChange::Failed;
    if (childId_ == child) {
        childId_ = 0;
        childKey_.clear();
        childName_.clear();
    }
    return ChildChange::Done;
}

std::optional<TeacherLock> SqliteRecord::Lock() {
    std::optional<TeacherLock> lock;
    Ask(sql::kReadLock, {}, [&](const QSqlQuery& q) {
        lock = TeacherLock{q.value(0).toString().toStdString(), q.value(1).toInt(),
                           q.value(2).toLongLong()};
    });
    return lock;
}

bool SqliteRecord::SetLock(const TeacherLock& lock) {
    return Change(
        true, {{sql::kWriteLock,
                {QString::fromStdString(lock.pinHash), lock.failures, Int(lock.lastFailureMs)}}});
}

} // namespace tamurik
