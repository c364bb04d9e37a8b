#pragma once
// Every SQL statement of the learning record, in one place. The statements that keep and read
// the data are plain SQL that SQLite and PostgreSQL both run (bound parameters "?", ON CONFLICT
// ... DO UPDATE, RETURNING, integer 0/1 for yes and no, integer division for weeks); what only
// SQLite knows (its PRAGMAs, its row-id key) stands apart and says so.

#include <span>

namespace tamurik::sql {

// The schema this program writes. A file with a higher version comes from a newer program and
// is never changed.
inline constexpr int kSchemaVersion = 2;

// Read first: the one row of the one-row version table.
inline constexpr const char* kReadVersion = "SELECT version FROM schema_version";
inline constexpr const char* kVersionTable = "schema_version";

// The statements that bring a record from `version` to `version + 1`; the last of them writes
// the new version: from an empty file to version 1, from version 1 to version 2 (the
// teacher's lock).
std::span<const char* const> MigrationFrom(int version);

inline constexpr const char* kBegin = "BEGIN";
inline constexpr const char* kCommit = "COMMIT";
inline constexpr const char* kRollback = "ROLLBACK";

// A child: found again by the key of its name, shown by the name as typed last.
inline constexpr const char* kUpsertChild =
    "INSERT INTO children (name_key, display_name, first_ms, last_ms) VALUES (?, ?, ?, ?) "
    "ON CONFLICT (name_key) DO UPDATE SET display_name = excluded.display_name, "
    "last_ms = excluded.last_ms";
inline constexpr const char* kChildId = "SELECT id FROM children WHERE name_key = ?";

// One answer, then the phenomena it counts for, then its verb's card.
inline constexpr const char* kInsertAnswer =
    "INSERT INTO answers (child_id, at_ms, day, week, exercise, item, asked, given, correct, "
    "millis, from_verb_list) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id";
inline constexpr const char* kInsertPhenomenon =
    "INSERT INTO answer_phenomena (answer_id, child_id, phenomenon, day, correct) "
    "VALUES (?, ?, ?, ?, ?)";
inline constexpr const char* kReadCard =
    "SELECT compartment, due_day FROM card_box WHERE child_id = ? AND verb = ?";
inline constexpr const char* kWriteCard =
    "INSERT INTO card_box (child_id, verb, compartment, due_day) VALUES (?, ?, ?, ?) "
    "ON CONFLICT (child_id, verb) DO UPDATE SET compartment = excluded.compartment, "
    "due_day = excluded.due_day";
inline constexpr const char* kCardBox =
    "SELECT verb, compartment, due_day FROM card_box WHERE child_id = ?";

// The teacher's questions.
// Bound: the first week and the first day of the last seven days (the week lets the index
// find them), twice, then today for the due cards.
inline constexpr const char* kChildren =
    "SELECT c.id, c.display_name, c.first_ms, c.last_ms, "
    "(SELECT COUNT(*) FROM answers a WHERE a.child_id = c.id), "
    "(SELECT MIN(a.at_ms) FROM answers a WHERE a.child_id = c.id), "
    "(SELECT MAX(a.at_ms) FROM answers a WHERE a.child_id = c.id), "
    "(SELECT COUNT(*) FROM answers a WHERE a.child_id = c.id AND a.week >= ? AND a.day >= ?), "
    "(SELECT SUM(a.correct) FROM answers a WHERE a.child_id = c.id AND a.week >= ? "
    "AND a.day >= ?), "
    "(SELECT COUNT(*) FROM card_box b WHERE b.child_id = c.id AND b.due_day <= ?) "
    "FROM children c ORDER BY c.display_name, c.id";
inline constexpr const char* kWeeksByExercise =
    "SELECT week, exercise, COUNT(*), SUM(correct) FROM answers WHERE child_id = ? "
    "GROUP BY week, exercise ORDER BY week, exercise";
inline constexpr const char* kByPhenomenon =
    "SELECT phenomenon, COUNT(*), SUM(correct) FROM answer_phenomena "
    "WHERE child_id = ? AND day BETWEEN ? AND ? GROUP BY phenomenon";
inline constexpr const char* kCardCounts =
    "SELECT compartment, COUNT(*) FROM card_box WHERE child_id = ? GROUP BY compartment";
// Bound: the child, the weeks and the days of the span, the limit.
inline constexpr const char* kMostMissed =
    "SELECT item, SUM(1 - correct), COUNT(*) FROM answers WHERE child_id = ? "
    "AND week BETWEEN ? AND ? AND day BETWEEN ? AND ? AND from_verb_list = 1 GROUP BY item "
    "HAVING SUM(1 - correct) > 0 ORDER BY 2 DESC, item LIMIT ?";
inline constexpr const char* kAnswersOfChild =
    "SELECT c.display_name, a.at_ms, a.exercise, a.item, a.asked, a.given, a.correct, a.millis, "
    "a.from_verb_list FROM answers a JOIN children c ON c.id = a.child_id WHERE a.child_id = ? "
    "ORDER BY a.at_ms, a.id";
inline constexpr const char* kAllAnswers =
    "SELECT c.display_name, a.at_ms, a.exercise, a.item, a.asked, a.given, a.correct, a.millis, "
    "a.from_verb_list FROM answers a JOIN children c ON c.id = a.child_id ORDER BY c.display_name, "
    "c.id, a.at_ms, "
    "a.id";

// What the teacher changes.
inline constexpr const char* kChildExists = "SELECT COUNT(*) FROM children WHERE id = ?";
inline constexpr const char* kRenameChild =
    "UPDATE children SET name_key = ?, display_name = ? WHERE id = ?";
// Merging: bound the kept child, then the one merged into it. A verb both have in the card
// box keeps the lower compartment and the earlier day.
inline constexpr const char* kMoveAnswers = "UPDATE answers SET child_id = ? WHERE child_id = ?";
inline constexpr const char* kMovePhenomena =
    "UPDATE answer_phenomena SET child_id = ? WHERE child_id = ?";
inline constexpr const char* kMoveCards =
    "INSERT INTO card_box (child_id, verb, compartment, due_day) "
    "SELECT ?, verb, compartment, due_day FROM card_box WHERE child_id = ? "
    "ON CONFLICT (child_id, verb) DO UPDATE SET "
    "compartment = CASE WHEN excluded.compartment < card_box.compartment "
    "THEN excluded.compartment ELSE card_box.compartment END, "
    "due_day = CASE WHEN excluded.due_day < card_box.due_day "
    "THEN excluded.due_day ELSE card_box.due_day END";
// Bound: both children twice, then the kept one.
inline constexpr const char* kMergeSeen =
    "UPDATE children SET first_ms = (SELECT MIN(first_ms) FROM children WHERE id IN (?, ?)), "
    "last_ms = (SELECT MAX(last_ms) FROM children WHERE id IN (?, ?)) WHERE id = ?";
// The answers, their phenomena and the cards go with the child (ON DELETE CASCADE).
inline constexpr const char* kDeleteChild = "DELETE FROM children WHERE id = ?";

// The teacher's lock: one row, or none before a PIN is set.
inline constexpr const char* kReadLock =
    "SELECT pin_hash, failures, last_failure_ms FROM teacher_lock WHERE id = 1";
inline constexpr const char* kWriteLock =
    "INSERT INTO teacher_lock (id, pin_hash, failures, last_failure_ms) VALUES (1, ?, ?, ?) "
    "ON CONFLICT (id) DO UPDATE SET pin_hash = excluded.pin_hash, "
    "failures = excluded.failures, last_failure_ms = excluded.last_failure_ms";

// SQLite only: the settings of a connection, and what it tells of its file.
// WAL: readers and one writer side by side, and a commit that survives a killed program.
// synchronous NORMAL: in WAL mode a commit then waits for no disk flush; a killed program keeps
// every committed answer, a power cut may lose the last ones but never damages the file.
inline constexpr const char* kSqliteForeignKeys = "PRAGMA foreign_keys = ON";
inline constexpr const char* kSqliteWal = "PRAGMA journal_mode = WAL";
inline constexpr const char* kSqliteSynchronous = "PRAGMA synchronous = NORMAL";
// The journal is copied into the file in a pause between answers (kSqliteCheckpoint); SQLite
// does it itself only when the journal has grown this far (pages of 4 KiB), so that an answer
// seldom waits for it.
inline constexpr const char* kSqliteAutoCheckpoint = "PRAGMA wal_autocheckpoint = 10000";
inline constexpr const char* kSqliteCheckpoint = "PRAGMA wal_checkpoint(PASSIVE)";
inline constexpr const char* kSqlitePageCount = "PRAGMA page_count";
inline constexpr const char* kSqlitePageSize = "PRAGMA page_size";

} // namespace tamurik::sql
