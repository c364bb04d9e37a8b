#pragma once
// The learning record kept in an SQLite file in the working folder, through Qt SQL. Nothing is
// opened before the first name: start-up stays as it was. Every answer is its own short
// transaction. A fault never stops the child: a folder or disk that cannot be written is told
// once per run and the child plays on; a damaged file is set aside under a new name (never
// deleted or overwritten) and a fresh one begun; a file from a newer program is left as it is
// and the record stays off for the run.

#include "core/clock.h"
#include "learning/record.h"
#include "learning/record_queries.h"

#include <QString>
#include <QTimer>
#include <QVariant>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QSqlError;
class QSqlQuery;

namespace tamurik {

inline constexpr const char* kRecordFile = "lernstand.sqlite";

class SqliteRecord final : public Record, public RecordQueries {
public:
    // Tells the adult, in German, what went wrong; called once for each fault, never for each
    // answer.
    using Tell = std::function<void(const Text& message)>;

    SqliteRecord(std::filesystem::path folder, const Clock& clock, Tell tell);
    ~SqliteRecord() override;
    SqliteRecord(const SqliteRecord&) = delete;
    SqliteRecord& operator=(const SqliteRecord&) = delete;

    // Whether the card box is on (the additions' setting); on until this is set. With the card
    // box off no verb is due, but the box is still kept, so turning it on again finds it full.
    void SetCardBoxSwitch(std::function<bool()> on) { cardBoxOn_ = std::move(on); }

    // The first name that is not all blank opens the file.
    void SetChild(const Text& name) override;
    void Report(const Answer& answer) override;
    std::vector<Text> DueVerbs() override;

    // The teacher's questions open the file when no name has yet, but make none.
    Text Problem() override;
    std::vector<ChildSummary> Children() override;
    std::vector<WeekExerciseCount> WeeksByExercise(std::int64_t child) override;
    std::vector<PhenomenonCount> ByPhenomenon(std::int64_t child, DayRange days) override;
    std::array<long long, kCompartments> CardBoxCounts(std::int64_t child) override;
    std::vector<Text> DueVerbsOf(std::int64_t child) override;
    std::vector<MissedVerb> MostMissed(std::int64_t child, DayRange days, int limit) override;
    bool ForEachAnswer(std::optional<std::int64_t> child,
                       const std::function<void(const AnswerRow&)>& row) override;
    // The teacher's changes (sqlite_teacher.cpp). A change to the child now playing follows
    // it: its answers go on to the renamed or merged child; after it was deleted nothing more
    // is kept until a name is typed again.
    ChildChange RenameChild(std::int64_t child, const Text& name) override;
    ChildChange MergeChildren(std::int64_t from, std::int64_t into) override;
    ChildChange DeleteChild(std::int64_t child) override;
    std::optional<TeacherLock> Lock() override;
    bool SetLock(const TeacherLock& lock) override;

    std::filesystem::path FilePath() const { return folder_ / kRecordFile; }
    // The file is open: a name was typed and no fault turned the record off.
    bool IsOpen() const { return store_ != nullptr; }
    // The child now playing; 0 for none.
    std::int64_t ChildId() const { return childId_; }
    // Copies the answers of the journal into the file itself. Done in the first pause of two
    // seconds after an answer, so that no answer waits for it.
    void Checkpoint();

private:
    struct Store;
    struct Opening;

    // Opens the file; makes a fresh one where there is none when `create` is set.
    bool EnsureOpen(bool create);
    Opening Connect(const std::filesystem::path& file) const;
    std::optional<QSqlError> CreateFresh() const;
    std::optional<std::filesystem::path> SetAside() const;
    bool StartAfresh();
    std::optional<QSqlError> RegisterChild();
    std::optional<QSqlError> WriteAnswer(const Answer& answer);
    // Runs a write; on a damaged file starts afresh and tries once more.
    bool Write(const std::function<std::optional<QSqlError>()>& write);
    // After a failed read: a damaged file is set aside.
    void AfterReadFailure(const QSqlError& error);
    // Runs one of the teacher's questions, each row to `row`; false when it failed.
    bool Ask(const char* statement, std::initializer_list<QVariant> values,
             const std::function<void(const QSqlQuery&)>& row);
    struct Statement {
        const char* text;
        std::vector<QVariant> values;
    };
    // Runs the teacher's change in one transaction; false when it failed (a damaged file is
    // then set aside). With `create`, a record is made where there is none.
    bool Change(bool create, std::initializer_list<Statement> statements);
    std::optional<std::int64_t> ChildWithKey(const QString& key);
    bool ChildExists(std::int64_t child);
    void TellCannotSave(const QSqlError& error);
    Text CannotSaveReason(const QSqlError& error) const;
    // Turns the record off for the run; `why` is what the teacher area says.
    void TurnOff(Text why);
    // Turns the record off for the run and tells why nothing can be saved.
    void GiveUp(const QSqlError& error);
    long long Today() const;

    std::filesystem::path folder_;
    const Clock& clock_;
    Tell tell_;
    std::function<bool()> cardBoxOn_;
    std::unique_ptr<Store> store_;
    // A fault turned the record off for this run.
    bool off_ = false;
    bool toldCannotSave_ = false;
    Text problem_;
    Text childName_;
    QString childKey_;
    std::int64_t childId_ = 0;
    QTimer pause_;
};

} // namespace tamurik
