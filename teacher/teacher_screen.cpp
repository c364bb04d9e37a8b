#include "teacher/teacher_screen.h"

#include "teacher/child_page.h"
#include "teacher/children_page.h"
#include "teacher/lock_page.h"
#include "teacher/word_list_editor.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tamurik {

namespace {

// The window: larger than the child's screens, for tables and a chart side by side.
constexpr int kWidthTwips = 15600;
constexpr int kHeightTwips = 11400;

SaveLocation FileDialog(QWidget* parent) {
    return [parent](const QString& title, const QString& suggested, const QString& filter) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggested),
                                            filter);
    };
}

OpenLocation OpenDialog(QWidget* parent) {
    return [parent](const QString& title, const QString& filter) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    };
}

} // namespace

TeacherScreen::TeacherScreen(AppContext& context)
    : Screen(context, QStringLiteral("Lehrerbereich"), QStringLiteral("Tamurik: Lehrerbereich")),
      area_{context, FileDialog(this), SystemPrintDialog(this), OpenDialog(this)} {
    resize(PxSize(kWidthTwips, kHeightTwips));
    setMinimumSize(PxSize(kWidthTwips * 3 / 4, kHeightTwips * 3 / 4));
    setBackgroundColor(QColor(246, 246, 242));

    pages_ = new QStackedWidget(this);
    problemPage_ = new QWidget(pages_);
    auto* title = new QLabel(QStringLiteral("Lehrerbereich"), problemPage_);
    title->setFont(UiFont(20, true));
    problem_ = new QLabel(problemPage_);
    problem_->setObjectName(QStringLiteral("LernstandProblem"));
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* close = new QPushButton(QStringLiteral("&Schließen"), problemPage_);
    close->setObjectName(QStringLiteral("ProblemSchliessen"));
    close->setAccessibleName(QStringLiteral("Schließen"));
    connect(close, &QPushButton::clicked, this, &TeacherScreen::CloseTeacherArea);
    auto* problemLayout = new QVBoxLayout(problemPage_);
    problemLayout->addWidget(title);
    problemLayout->addWidget(problem_);
    problemLayout->addWidget(close, 0, Qt::AlignLeft);
    problemLayout->addStretch();

    lock_ = new LockPage(pages_, area_);
    children_ = new ChildrenPage(pages_, area_);
    child_ = new ChildPage(pages_, area_);
    lists_ = new WordListEditor(pages_, area_);
    for (QWidget* page :
         {problemPage_, static_cast<QWidget*>(lock_), static_cast<QWidget*>(children_),
          static_cast<QWidget*>(child_), static_cast<QWidget*>(lists_)})
        pages_->addWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);

    connect(lock_, &LockPage::unlocked, this, &TeacherScreen::showChildren);
    connect(lock_, &LockPage::cancelled, this, [this] {
        if (lock_->mode() == LockPage::Mode::Change)
            showChildren();
        else
            CloseTeacherArea();
    });
    connect(children_, &ChildrenPage::openChild, this, [this](const ChildSummary& child) {
        child_->ShowChild(child);
        pages_->setCurrentWidget(child_);
        child_->setFocus();
    });
    connect(children_, &ChildrenPage::changePin, this, [this] {
        lock_->StartChange();
        pages_->setCurrentWidget(lock_);
    });
    connect(children_, &ChildrenPage::editWordLists, this, [this] {
        lists_->Open();
        pages_->setCurrentWidget(lists_);
    });
    connect(lists_, &WordListEditor::back, this, &TeacherScreen::showChildren);
    connect(children_, &ChildrenPage::closeArea, this, &TeacherScreen::CloseTeacherArea);
    connect(child_, &ChildPage::back, this, &TeacherScreen::showChildren);
}

void TeacherScreen::Activate() {
    const Text problem = area_.queries().Problem();
    if (!problem.empty()) {
        problem_->setText(ToDisplay(problem) +
                          QStringLiteral("\n\nDer Lehrerbereich kann deshalb nichts zeigen."));
        pages_->setCurrentWidget(problemPage_);
        return;
    }
    lock_->Start();
    pages_->setCurrentWidget(lock_);
}

void TeacherScreen::showChildren() {
    children_->Refresh();
    pages_->setCurrentWidget(children_);
}

QWidget* TeacherScreen::currentPage() const {
    return pages_->currentWidget();
}

void TeacherScreen::CloseTeacherArea() {
    if (pages_->currentWidget() == lists_ && !lists_->MayLeave())
        return;
    // Nothing of a child stays on show behind the lock.
    lock_->Start();
    pages_->setCurrentWidget(lock_);
    hide();
    navigator().Open(ScreenId::Settings);
}

} // namespace tamurik
