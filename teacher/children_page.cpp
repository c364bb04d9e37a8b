#include "teacher/children_page.h"

#include "learning/child_report.h"
#include "teacher/controls.h"
#include "teacher/csv_export.h"
#include "teacher/teacher_area.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tamurik {

namespace {

// „Lena“
Text Quoted(const ChildSummary& child) {
    return U"„" + ShownName(child) + U"“";
}

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString DayOrDash(std::int64_t ms) {
    return ms == 0 ? QStringLiteral("–") : ToQ(FormatLocalDate(ms));
}

} // namespace

ChildrenPage::ChildrenPage(QWidget* parent, TeacherArea& area) : QWidget(parent), area_(area) {
    setObjectName(QStringLiteral("Kinder"));
    auto* title = new QLabel(QStringLiteral("Lehrerbereich: alle Kinder"), this);
    title->setFont(UiFont(16, true));
    empty_ = new QLabel(QStringLiteral("Noch hat kein Kind mit einem Namen geübt. Sobald ein Kind "
                                       "im Hauptmenü seinen Namen eingibt, erscheint es hier."),
                        this);
    empty_->setWordWrap(true);

    table_ = new QTableWidget(0, 6, this);
    table_->setObjectName(QStringLiteral("KinderTabelle"));
    table_->setAccessibleName(QStringLiteral("Kinder"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Erster Übungstag"),
         QStringLiteral("Letzter Übungstag"), QStringLiteral("Antworten"),
         QStringLiteral("Richtig in den letzten 7 Tagen"), QStringLiteral("Heute fällige Verben")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ChildrenPage::updateButtons);
    connect(table_, &QTableWidget::activated, this, &ChildrenPage::OpenChild);

    auto* childTools = new QHBoxLayout;
    open_ = AddControl<QPushButton>(this, childTools, QStringLiteral("KindAnsehen"),
                                    QStringLiteral("&Ansehen"));
    rename_ = AddControl<QPushButton>(this, childTools, QStringLiteral("KindUmbenennen"),
                                      QStringLiteral("&Umbenennen …"));
    merge_ = AddControl<QPushButton>(this, childTools, QStringLiteral("KinderZusammenfuehren"),
                                     QStringLiteral("&Zusammenführen …"));
    delete_ = AddControl<QPushButton>(this, childTools, QStringLiteral("KindLoeschen"),
                                      QStringLiteral("&Löschen …"));
    childTools->addStretch();
    connect(open_, &QPushButton::clicked, this, &ChildrenPage::OpenChild);
    connect(rename_, &QPushButton::clicked, this, &ChildrenPage::RenameChild);
    connect(merge_, &QPushButton::clicked, this, &ChildrenPage::MergeChildren);
    connect(delete_, &QPushButton::clicked, this, &ChildrenPage::DeleteChild);

    tools_ = new QHBoxLayout;
    auto* exportAll =
        AddControl<QPushButton>(this, tools_, QStringLiteral("AlleAlsCsv"),
                                QStringLiteral("Alle Antworten als &Tabelle (CSV) …"));
    auto* lists = AddControl<QPushButton>(this, tools_, QStringLiteral("WortlistenBearbeiten"),
                                          QStringLiteral("&Wortlisten bearbeiten …"));
    auto* pin = AddControl<QPushButton>(this, tools_, QStringLiteral("PinAendern"),
                                        QStringLiteral("&PIN ändern …"));
    tools_->addStretch();
    auto* close = AddControl<QPushButton>(this, tools_, QStringLiteral("LehrerbereichSchliessen"),
                                          QStringLiteral("&Schließen"));
    connect(exportAll, &QPushButton::clicked, this, &ChildrenPage::ExportAll);
    connect(lists, &QPushButton::clicked, this, &ChildrenPage::editWordLists);
    connect(pin, &QPushButton::clicked, this, &ChildrenPage::changePin);
    connect(close, &QPushButton::clicked, this, &ChildrenPage::closeArea);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(empty_);
    layout->addWidget(table_, 1);
    layout->addLayout(childTools);
    layout->addLayout(tools_);
}

void ChildrenPage::Refresh() {
    children_ = area_.queries().Children();
    table_->clearContents();
    table_->setRowCount(static_cast<int>(children_.size()));
    for (int row = 0; row < static_cast<int>(children_.size()); ++row) {
        const ChildSummary& child = children_[static_cast<std::size_t>(row)];
        const AnswerCount week = child.lastSevenDays;
        table_->setItem(row, 0, Cell(ToQ(ShownName(child)), false));
        table_->setItem(row, 1, Cell(DayOrDash(child.firstAnswerMs), false));
        table_->setItem(row, 2, Cell(DayOrDash(child.lastAnswerMs), false));
        table_->setItem(row, 3, Cell(QString::number(child.answers), true));
        table_->setItem(row, 4,
                        Cell(week.answers == 0
                                 ? QStringLiteral("–")
                                 : ToQ(Percent(week) + U" von " + Decimal(week.answers)),
                             true));
        table_->setItem(row, 5, Cell(QString::number(child.dueCards), true));
    }
    empty_->setVisible(children_.empty());
    if (!children_.empty())
        table_->selectRow(0);
    table_->setFocus();
    updateButtons();
}

void ChildrenPage::Select(std::initializer_list<int> rows) {
    table_->clearSelection();
    for (int row : rows)
        table_->selectionModel()->select(table_->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<ChildSummary> ChildrenPage::selected() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<ChildSummary> chosen;
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(children_.size()))
            chosen.push_back(children_[static_cast<std::size_t>(row)]);
    return chosen;
}

void ChildrenPage::updateButtons() {
    const std::size_t count = selected().size();
    open_->setEnabled(count == 1);
    rename_->setEnabled(count == 1);
    merge_->setEnabled(count == 2);
    delete_->setEnabled(count == 1);
}

void ChildrenPage::OpenChild() {
    const std::vector<ChildSummary> chosen = selected();
    if (chosen.size() == 1)
        emit openChild(chosen.front());
}

void ChildrenPage::RenameChild() {
    const std::vector<ChildSummary> chosen = selected();
    if (chosen.size() != 1)
        return;
    const ChildSummary& child = chosen.front();
    const Text name = area_.app.dialogs.Input(U"Neuer Name für " + Quoted(child) + U":",
                                              U"Tamurik: Lehrerbereich", ShownName(child));
    if (name.empty())
        return;
    switch (area_.queries().RenameChild(child.id, name)) {
    case ChildChange::Done:
        break;
    case ChildChange::NameTaken:
        area_.Tell(U"Den Namen „" + name + U"“ hat schon ein anderes Kind." + CR +
                   U"Wenn beide dasselbe Kind sind: beide Namen auswählen und „Zusammenführen“ "
                   U"wählen.");
        break;
    case ChildChange::Invalid:
        area_.Tell(U"Ein Name nur aus Leerzeichen ist kein Name.");
        break;
    case ChildChange::Failed:
        area_.Tell(U"Der Lernstand konnte nicht geändert werden.");
        break;
    }
    Refresh();
}

void ChildrenPage::MergeChildren() {
    std::vector<ChildSummary> chosen = selected();
    if (chosen.size() != 2) {
        area_.Tell(U"Bitte genau zwei Namen auswählen (mit gedrückter Strg-Taste), die zu einem "
                   U"Kind gehören.");
        return;
    }
    // The name with more answers is the one the child uses; the other was a slip.
    std::sort(chosen.begin(), chosen.end(), [](const ChildSummary& a, const ChildSummary& b) {
        return a.answers != b.answers ? a.answers > b.answers : a.lastSeenMs > b.lastSeenMs;
    });
    const ChildSummary& kept = chosen[0];
    const ChildSummary& gone = chosen[1];
    if (!area_.Ask(Quoted(gone) + U" und " + Quoted(kept) + U" sind dasselbe Kind?" + CR +
                   U"Alle Antworten von " + Quoted(gone) + U" kommen zu " + Quoted(kept) +
                   U"; der Name " + Quoted(gone) + U" verschwindet."))
        return;
    if (area_.queries().MergeChildren(gone.id, kept.id) != ChildChange::Done)
        area_.Tell(U"Der Lernstand konnte nicht geändert werden.");
    Refresh();
}

void ChildrenPage::DeleteChild() {
    const std::vector<ChildSummary> chosen = selected();
    if (chosen.size() != 1)
        return;
    const ChildSummary& child = chosen.front();
    const Text question = U"Alle Daten von " + ShownName(child) + U" endgültig löschen?";
    if (!area_.Ask(question) ||
        !area_.Ask(question + CR + U"Das lässt sich nicht rückgängig machen."))
        return;
    if (area_.queries().DeleteChild(child.id) != ChildChange::Done)
        area_.Tell(U"Der Lernstand konnte nicht geändert werden.");
    Refresh();
}

void ChildrenPage::ExportAll() {
    const QString path =
        area_.saveLocation(QStringLiteral("Alle Antworten als Tabelle speichern"),
                           area_.SuggestedName(U"Antworten", U"alle Kinder", QStringLiteral("csv")),
                           QStringLiteral("Tabelle (*.csv)"));
    if (!path.isEmpty())
        area_.TellFailure(ExportAnswers(area_.queries(), std::nullopt, path));
}

} // namespace tamurik
