// The main of the record's tests. Started as "--child MODE ..." it is the helper program that
// the fault tests run as a process of its own:
//   write FOLDER NAME FIRST COUNT  reports answers FIRST, FIRST + 1, ... and prints "ok N" after
//                                  each (killed while it writes, or two of them side by side)
//   play FOLDER LIMIT              a child plays 20 answers; with a LIMIT (bytes per file) or on
//                                  a small disk it plays 2000 long ones until the disk is full,
//                                  then prints what the file holds
//   teacher FOLDER                 what the teacher area reads and changes: prints the problem
//                                  told, the children, and whether the PIN and a name were set
// Every message of the record is printed as "message TEXT", its line breaks as " | ".

#include "learning/record.h"
#include "record/sqlite_record.h"
#include "tests/record/record_support.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

using namespace tamurik;

void Print(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int ChildMain(const QStringList& args) {
    const QString mode = args.value(0);
    SystemClock clock;
    SqliteRecord record(args.value(1).toStdString(), clock, [](const Text& text) {
        Print(QStringLiteral("message ") +
              QString::fromStdU32String(text).replace(QChar(CR), QStringLiteral(" | ")));
    });
    if (mode == QLatin1String("write")) {
        record.SetChild(args.value(2).toStdU32String());
        const long long first = args.value(3).toLongLong();
        for (long long n = first; n < first + args.value(4).toLongLong(); ++n) {
            record.Report(Answer{"test", U"1l2e-b3en", asked::kSpelling,
                                 QString::number(n).toStdU32String(), n % 3 != 0, n, true});
            Print(QStringLiteral("ok %1").arg(n));
        }
        return 0;
    }
    if (mode == QLatin1String("teacher")) {
        Print(QStringLiteral("problem ") + QString::fromStdU32String(record.Problem()));
        Print(QStringLiteral("children %1").arg(record.Children().size()));
        Print(QStringLiteral("lock %1").arg(record.SetLock(TeacherLock{"x", 0, 0})));
        Print(QStringLiteral("rename %1").arg(static_cast<int>(record.RenameChild(1, U"Max"))));
        return 0;
    }
    const rlim_t limit = args.value(2).toULongLong();
    if (limit > 0) {
        // Files may not grow past the limit: every write beyond it fails, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
    }
    const bool fill = args.value(3) == QLatin1String("fill");
    Print(QStringLiteral("started"));
    record.SetChild(U"Lena");
    const int count = fill ? 2000 : 20;
    for (int n = 0; n < count; ++n)
        record.Report(Answer{"test", U"1l2e-b3en", asked::kSpelling, Text(fill ? 2000 : 5, U'x'),
                             false, n, true});
    record.DueVerbs();
    record.Children();
    Print(QStringLiteral("reported %1").arg(count));
    if (fill) {
        tamurik::testing::Peek peek(record.FilePath());
        Print(QStringLiteral("integrity ") +
              peek.Value(QStringLiteral("PRAGMA integrity_check")).toString());
        Print(QStringLiteral("answers ") +
              peek.Value(QStringLiteral("SELECT COUNT(*) FROM answers")).toString());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && std::string_view(argv[1]) == "--child")
        return ChildMain(QCoreApplication::arguments().mid(2));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
