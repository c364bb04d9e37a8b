#pragma once
// What the record's tests share: a record in a fresh folder with a clock the test sets, a
// connection of the test's own for reading what the file holds, and this test program run
// again as a helper process ("--child MODE ...", see record_test_main.cpp).

#include "core/clock.h"
#include "record/sqlite_record.h"
#include "tests/core/temp_dir.h"
#include "tests/support/helper_process.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tamurik::testing {

class RecordTest : public ::testing::Test {
protected:
    RecordTest();
    // A new record on the test's folder (or another), as a new run of the program makes it.
    std::unique_ptr<SqliteRecord> MakeRecord(const std::filesystem::path& folder = {});
    // Puts the clock on a day (learning/days.h), at ten in the morning.
    void SetDay(long long day);
    static Answer AnswerAbout(const Text& item, bool right, const char* asked = "schreibweise",
                              bool fromVerbList = true);

    test::TempDir dir_;
    FixedClock clock_{Date{}};
    std::vector<Text> messages_;
};

// A connection of the test's own to a record file.
class Peek {
public:
    explicit Peek(const std::filesystem::path& file);
    ~Peek();
    Peek(const Peek&) = delete;
    Peek& operator=(const Peek&) = delete;
    // The first value of the first row; an invalid value when the statement fails.
    QVariant Value(const QString& statement);
    std::vector<QVariantList> Rows(const QString& statement);

private:
    QString name_;
};

} // namespace tamurik::testing
