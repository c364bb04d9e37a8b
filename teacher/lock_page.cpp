#include "teacher/lock_page.h"

#include "learning/pin_lock.h"
#include "teacher/pin_hash.h"
#include "teacher/teacher_area.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace tamurik {

namespace {

QLineEdit* PinField(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(static_cast<int>(kLongestPin));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setFont(UiFont(16));
    return field;
}

} // namespace

LockPage::LockPage(QWidget* parent, TeacherArea& area) : QWidget(parent), area_(area) {
    setObjectName(QStringLiteral("Sperre"));
    auto* title = new QLabel(QStringLiteral("Lehrerbereich"), this);
    title->setFont(UiFont(20, true));
    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("PinErklaerung"));
    explanation_->setWordWrap(true);
    explanation_->setTextFormat(Qt::PlainText);

    pin_ = PinField(this, QStringLiteral("PinEingabe"), QStringLiteral("PIN"));
    repeat_ = PinField(this, QStringLiteral("PinWiederholung"), QStringLiteral("PIN wiederholen"));
    auto* form = new QFormLayout;
    auto* pinLabel = new QLabel(QStringLiteral("&PIN:"), this);
    pinLabel->setBuddy(pin_);
    repeatLabel_ = new QLabel(QStringLiteral("PIN &wiederholen:"), this);
    repeatLabel_->setBuddy(repeat_);
    form->addRow(pinLabel, pin_);
    form->addRow(repeatLabel_, repeat_);

    confirm_ = new QPushButton(this);
    confirm_->setObjectName(QStringLiteral("PinBestaetigen"));
    confirm_->setDefault(true);
    confirm_->setAutoDefault(true);
    back_ = new QPushButton(QStringLiteral("Zurück"), this);
    back_->setObjectName(QStringLiteral("PinZurueck"));
    back_->setAccessibleName(QStringLiteral("Zurück"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PinHinweis"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setFont(UiFont(12, true));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(confirm_);
    buttons->addWidget(back_);
    buttons->addStretch();
    auto* column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(explanation_);
    column->addLayout(form);
    column->addLayout(buttons);
    column->addWidget(status_);
    column->addStretch();
    // A narrow column in the middle: a PIN is short.
    auto* centre = new QHBoxLayout(this);
    centre->addStretch(1);
    centre->addLayout(column, 2);
    centre->addStretch(1);

    tick_ = new QTimer(this);
    tick_->setInterval(1000);
    connect(tick_, &QTimer::timeout, this, &LockPage::Tick);
    connect(confirm_, &QPushButton::clicked, this, &LockPage::Confirm);
    connect(pin_, &QLineEdit::returnPressed, this, &LockPage::Confirm);
    connect(repeat_, &QLineEdit::returnPressed, this, &LockPage::Confirm);
    connect(back_, &QPushButton::clicked, this, [this] {
        pending_ = false;
        emit cancelled();
    });
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] {
        if (!pending_)
            return;
        pending_ = false;
        if (mode_ == Mode::Enter)
            finishCheck();
        else
            finishSet();
    });
}

void LockPage::Start() {
    lock_ = area_.queries().Lock();
    showMode(lock_ ? Mode::Enter : Mode::Set);
}

void LockPage::StartChange() {
    showMode(Mode::Change);
}

void LockPage::showMode(Mode mode) {
    mode_ = mode;
    pending_ = false;
    pin_->clear();
    repeat_->clear();
    setStatus(QString());
    const bool setting = mode != Mode::Enter;
    repeat_->setVisible(setting);
    repeatLabel_->setVisible(setting);
    confirm_->setText(setting ? QStringLiteral("PIN festlegen") : QStringLiteral("Öffnen"));
    confirm_->setAccessibleName(confirm_->text());
    explanation_->setText(
        mode == Mode::Enter ? QStringLiteral("Bitte die PIN eingeben.")
        : mode == Mode::Set
            ? QStringLiteral("Hier sehen Lehrkräfte und Eltern, was jedes Kind geübt hat. Damit "
                             "nur Erwachsene hineinkommen, legen Sie bitte zuerst eine PIN fest: "
                             "%1 bis %2 Ziffern, zweimal eingeben. Die PIN wird danach jedes Mal "
                             "gefragt.")
                  .arg(kShortestPin)
                  .arg(kLongestPin)
            : QStringLiteral("Bitte die neue PIN zweimal eingeben (%1 bis %2 Ziffern).")
                  .arg(kShortestPin)
                  .arg(kLongestPin));
    Tick();
    if (remainingWait() == 0)
        tick_->stop();
    pin_->setFocus();
}

std::int64_t LockPage::remainingWait() const {
    return mode_ == Mode::Enter && lock_ ? RemainingWaitMs(*lock_, area_.app.clock.NowMs()) : 0;
}

void LockPage::setStatus(const QString& text) {
    status_->setText(text);
    status_->setAccessibleName(text);
}

void LockPage::Tick() {
    const std::int64_t wait = remainingWait();
    const bool open = wait == 0 && !busy();
    pin_->setEnabled(open);
    repeat_->setEnabled(open);
    confirm_->setEnabled(open);
    if (wait > 0) {
        setStatus(ToQ(Text(U"Die PIN war mehrmals falsch. ") + WaitingText(wait)));
        if (!tick_->isActive())
            tick_->start();
        return;
    }
    if (tick_->isActive()) {
        tick_->stop();
        setStatus(QStringLiteral("Sie können die PIN jetzt wieder eingeben."));
        pin_->setFocus();
    }
}

void LockPage::Confirm() {
    if (busy() || remainingWait() > 0)
        return;
    const Text pin = FromQ(pin_->text());
    if (mode_ == Mode::Enter) {
        if (!lock_)
            return;
        setStatus(QStringLiteral("Die PIN wird geprüft …"));
        const std::string hash = lock_->pinHash;
        pending_ = true;
        watcher_.setFuture(QtConcurrent::run([hash, pin]() -> std::optional<std::string> {
            return PinMatches(hash, pin) ? std::optional<std::string>(hash) : std::nullopt;
        }));
    } else {
        if (!IsValidPin(pin)) {
            setStatus(QStringLiteral("Die PIN muss aus %1 bis %2 Ziffern bestehen.")
                          .arg(kShortestPin)
                          .arg(kLongestPin));
            pin_->setFocus();
            return;
        }
        if (pin != FromQ(repeat_->text())) {
            setStatus(QStringLiteral("Die beiden Eingaben sind verschieden. Bitte noch einmal."));
            repeat_->clear();
            repeat_->setFocus();
            return;
        }
        setStatus(QStringLiteral("Die PIN wird gespeichert …"));
        pending_ = true;
        watcher_.setFuture(QtConcurrent::run([pin] { return HashPin(pin); }));
    }
    Tick();
}

void LockPage::finishCheck() {
    const bool right = watcher_.result().has_value();
    pin_->clear();
    if (right) {
        if (lock_->failures != 0)
            area_.queries().SetLock(AfterRightPin(*lock_));
        setStatus(QString());
        emit unlocked();
        return;
    }
    // Counted in the record, so that a restart of the program does not end the wait; when the
    // record cannot be written, it is counted for this run.
    lock_ = AfterWrongPin(*lock_, area_.app.clock.NowMs());
    area_.queries().SetLock(*lock_);
    setStatus(QStringLiteral("Die PIN stimmt nicht."));
    Tick();
    pin_->setFocus();
}

void LockPage::finishSet() {
    const std::optional<std::string> hash = watcher_.result();
    if (!hash || !area_.queries().SetLock(TeacherLock{*hash, 0, 0})) {
        setStatus(QStringLiteral("Die PIN konnte nicht gespeichert werden. Der Lernstand lässt "
                                 "sich nicht schreiben."));
        Tick();
        return;
    }
    lock_ = TeacherLock{*hash, 0, 0};
    setStatus(QString());
    Tick();
    emit unlocked();
}

} // namespace tamurik
