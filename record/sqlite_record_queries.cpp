// The teacher's questions to the SQLite record: the children, the weeks by exercise, the
// phenomena and the card box, and the verbs due again. A question opens the file when no name
// has yet, but makes none.

#include "learning/days.h"
#include "learning/phenomena.h"
#include "record/sqlite_record.h"
#include "record/sqlite_store.h"

#include <algorithm>

namespace tamurik {

using namespace record_store;

bool SqliteRecord::Ask(const char* statement, std::initializer_list<QVariant> values,
                       const std::function<void(const QSqlQuery&)>& row) {
    if (!EnsureOpen(false))
        return false;
    QSqlQuery query(store_->db);
    query.setForwardOnly(true);
    int i = 0;
    if (query.prepare(QString::fromLatin1(statement))) {
        for (const QVariant& value : values)
            query.bindValue(i++, value);
        if (query.exec()) {
            while (query.next())
                row(query);
            return true;
        }
    }
    AfterReadFailure(query.lastError());
    return false;
}

Text SqliteRecord::Problem() {
    EnsureOpen(false);
    return problem_;
}

std::vector<Text> SqliteRecord::DueVerbs() {
    if (childId_ == 0 || !store_ || !cardBoxOn_())
        return {};
    return DueVerbsOf(childId_);
}

std::vector<Text> SqliteRecord::DueVerbsOf(std::int64_t child) {
    std::vector<BoxEntry> box;
    const bool ok = Ask(sql::kCardBox, {Int(child)}, [&](const QSqlQuery& q) {
        box.push_back(BoxEntry{TextOf(q.value(0).toString()),
                               Card{q.value(1).toInt(), q.value(2).toLongLong()}});
    });
    return ok ? tamurik::DueVerbs(std::move(box), Today()) : std::vector<Text>{};
}

std::vector<ChildSummary> SqliteRecord::Children() {
    std::vector<ChildSummary> children;
    const long long today = Today();
    const long long first = today - 6;
    const QVariant week = Int(WeekStart(first));
    const QVariant day = Int(first);
    const bool ok =
        Ask(sql::kChildren, {week, day, week, day, Int(today)}, [&](const QSqlQuery& q) {
            children.push_back(ChildSummary{
                q.value(0).toLongLong(), TextOf(q.value(1).toString()), q.value(2).toLongLong(),
                q.value(3).toLongLong(), q.value(4).toLongLong(), q.value(5).toLongLong(),
                q.value(6).toLongLong(),
                AnswerCount{q.value(7).toLongLong(), q.value(8).toLongLong()},
                q.value(9).toLongLong()});
        });
    return ok ? children : std::vector<ChildSummary>{};
}

std::vector<WeekExerciseCount> SqliteRecord::WeeksByExercise(std::int64_t child) {
    std::vector<WeekExerciseCount> weeks;
    const bool ok = Ask(sql::kWeeksByExercise, {Int(child)}, [&](const QSqlQuery& q) {
        weeks.push_back(
            WeekExerciseCount{q.value(0).toLongLong(), q.value(1).toString().toStdString(),
                              AnswerCount{q.value(2).toLongLong(), q.value(3).toLongLong()}});
    });
    return ok ? weeks : std::vector<WeekExerciseCount>{};
}

std::vector<PhenomenonCount> SqliteRecord::ByPhenomenon(std::int64_t child, DayRange days) {
    std::vector<PhenomenonCount> counts;
    const bool ok = Ask(
        sql::kByPhenomenon, {Int(child), Int(days.from), Int(days.to)}, [&](const QSqlQuery& q) {
            // A key this program does not know (a newer one's) is left out.
            if (const std::optional<Phenomenon> phenomenon =
                    PhenomenonOfKey(q.value(0).toString().toStdString()))
                counts.push_back(PhenomenonCount{
                    *phenomenon, AnswerCount{q.value(1).toLongLong(), q.value(2).toLongLong()}});
        });
    if (!ok)
        return {};
    std::sort(counts.begin(), counts.end(), [](const PhenomenonCount& a, const PhenomenonCount& b) {
        return a.phenomenon < b.phenomenon;
    });
    return counts;
}

std::array<long long, kCompartments> SqliteRecord::CardBoxCounts(std::int64_t child) {
    std::array<long long, kCompartments> counts{};
    const bool ok = Ask(sql::kCardCounts, {Int(child)}, [&](const QSqlQuery& q) {
        const int compartment = q.value(0).toInt();
        if (compartment >= 1 && compartment <= kCompartments)
            counts[static_cast<std::size_t>(compartment - 1)] = q.value(1).toLongLong();
    });
    return ok ? counts : std::array<long long, kCompartments>{};
}

} // namespace tamurik
