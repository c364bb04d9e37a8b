#pragma once
// The teacher area's lock: the first time a PIN is set (typed twice), afterwards it is asked
// each time. After three wrong PINs each further try waits longer, shown as a countdown. The
// PIN is checked against its hash off the GUI thread: the hash takes a few tenths of a second.

#include "learning/record_queries.h"

#include <QFutureWatcher>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tamurik {

struct TeacherArea;

class LockPage : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        Enter,  // the PIN is asked
        Set,    // the first PIN is set
        Change, // a new PIN replaces the old one
    };
    LockPage(QWidget* parent, TeacherArea& area);

    // Asks for the PIN, or for a first one when none is set.
    void Start();
    // Asks for a new PIN; cancelling goes back.
    void StartChange();
    Mode mode() const { return mode_; }
    // The PIN typed is checked, or set.
    void Confirm();
    // The countdown's second: the entry opens when the wait is over.
    void Tick();
    // A PIN is being hashed or checked.
    bool busy() const { return watcher_.isRunning(); }

signals:
    void unlocked();
    void cancelled();

private:
    void showMode(Mode mode);
    void finishCheck();
    void finishSet();
    void setStatus(const QString& text);
    std::int64_t remainingWait() const;

    TeacherArea& area_;
    Mode mode_ = Mode::Enter;
    std::optional<TeacherLock> lock_;
    QLabel* explanation_ = nullptr;
    QLabel* repeatLabel_ = nullptr;
    QLineEdit* pin_ = nullptr;
    QLineEdit* repeat_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* back_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* tick_ = nullptr;
    // A check or hash was started and its answer is still wanted (not after going back).
    bool pending_ = false;
    // The hash made or the check's answer; the hash to store once made.
    QFutureWatcher<std::optional<std::string>> watcher_;
};

} // namespace tamurik
