#include "tests/support/helper_process.h"

#include "tests/core/temp_dir.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace tamurik::testing {

namespace fs = std::filesystem;

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

QStringList SmallDisk(const QString& folder, const QString& size) {
    return {QStringLiteral("unshare"),
            QStringLiteral("--user"),
            QStringLiteral("--map-root-user"),
            QStringLiteral("--mount"),
            QStringLiteral("sh"),
            QStringLiteral("-c"),
            QStringLiteral("mount -t tmpfs -o size=%1 tmpfs \"$0\" && exec \"$@\"").arg(size),
            folder};
}

int RunTestsOrHelper(int argc, char** argv, const std::map<std::string, HelperTest>& helpers) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 3 && std::string_view(argv[1]) == "--child") {
        const std::string mode = argv[2];
        const auto helper = helpers.find(mode);
        if (helper == helpers.end()) {
            std::fprintf(stderr, "no helper \"%s\"\n", mode.c_str());
            return 2;
        }
        QStringList arguments;
        for (int i = 3; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        ::testing::RegisterTest("Helper", mode.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [make = helper->second, arguments] { return make(arguments); });
        // Only the helper runs (a filter, not the mode's name: a "-" there would start the
        // patterns to leave out).
        ::testing::GTEST_FLAG(filter) = "Helper.*";
    }
    return RUN_ALL_TESTS();
}

} // namespace tamurik::testing
