#pragma once
// A test program run again as a helper process of its own ("--child MODE ..."): as an
// unprivileged user where file modes must count (root may write anywhere), or inside a wrapper
// such as a mount namespace with a small disk of its own.

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <string>

namespace testing {
class Test;
}

namespace tamurik::testing {

// This program again, as a helper process; `unprivileged` runs it as user 65534 when the
// tests run as root. `wrapper` is put in front of the program (for example an unshare call).
struct ChildRun {
    int exitCode = -1;
    QString out;
};
QString HelperProgram(bool unprivileged);
ChildRun RunChild(const QStringList& arguments, bool unprivileged = false,
                  const QStringList& wrapper = {});
// The lines of the helper's output that begin with the prefix, without it.
QStringList LinesAfter(const QString& out, const QString& prefix);

// A wrapper for RunChild: the helper runs on a disk of its own of `size` ("400k", a tmpfs)
// mounted on `folder`, in a user and mount namespace of its own. Where the system allows no
// such namespace the helper does not start at all.
QStringList SmallDisk(const QString& folder, const QString& size);

// The main of a test program whose helpers are tests themselves: started as
// "--child MODE ARGUMENTS..." it runs only the test that `helpers` makes for MODE from the
// arguments (its failures are the helper's exit code and output); otherwise every test.
using HelperTest = std::function<::testing::Test*(const QStringList& arguments)>;
int RunTestsOrHelper(int argc, char** argv, const std::map<std::string, HelperTest>& helpers);

} // namespace tamurik::testing
