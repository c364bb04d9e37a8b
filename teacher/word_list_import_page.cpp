#include "teacher/word_list_import_page.h"

#include "teacher/controls.h"
#include "teacher/word_list_tab.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tamurik {

namespace {

enum Column { Take, Verb, Marked, Problems, ColumnCount };

QTableWidgetItem* Fixed(const Text& text) {
    auto* item = new QTableWidgetItem(ToDisplay(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ImportReviewPage::ImportReviewPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImportPruefen"));
    title_ = new QLabel(this);
    title_->setFont(UiFont(16, true));
    title_->setTextFormat(Qt::PlainText);
    auto* hint = new QLabel(
        QStringLiteral("Für jedes Verb steht ein Vorschlag mit den Zeichen der Wortteile da. "
                       "Ein Doppelklick auf den Vorschlag (oder F2) ändert ihn. Nur die Verben "
                       "mit Häkchen werden aufgenommen, oder alle."),
        this);
    hint->setWordWrap(true);
    messages_ = new QLabel(this);
    messages_->setObjectName(QStringLiteral("ImportMeldungen"));
    messages_->setTextFormat(Qt::PlainText);
    messages_->setWordWrap(true);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("ImportTabelle"));
    table_->setAccessibleName(QStringLiteral("Verben aus der Datei"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Aufnehmen"), QStringLiteral("Verb"),
                                       QStringLiteral("Vorschlag (änderbar)"),
                                       QStringLiteral("Hinweis")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(Problems, QHeaderView::Stretch);

    auto* tools = new QHBoxLayout;
    auto* all = AddControl<QPushButton>(this, tools, QStringLiteral("ImportAlle"),
                                        QStringLiteral("&Alle aufnehmen"));
    auto* chosen = AddControl<QPushButton>(this, tools, QStringLiteral("ImportAuswahl"),
                                           QStringLiteral("Mit &Häkchen aufnehmen"));
    tools->addStretch();
    auto* cancel = AddControl<QPushButton>(this, tools, QStringLiteral("ImportAbbrechen"),
                                           QStringLiteral("Abbre&chen"));
    connect(all, &QPushButton::clicked, this, &ImportReviewPage::AcceptAll);
    connect(chosen, &QPushButton::clicked, this, &ImportReviewPage::AcceptChosen);
    connect(cancel, &QPushButton::clicked, this, &ImportReviewPage::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(hint);
    layout->addWidget(messages_);
    layout->addWidget(table_, 1);
    layout->addLayout(tools);
}

void ImportReviewPage::Review(WordListTab* tab, const ImportReview& review) {
    tab_ = tab;
    title_->setText(QStringLiteral("%1 Verben für %2 prüfen")
                        .arg(review.rows.size())
                        .arg(QString::fromStdString(tab->fileName())));
    Text messages;
    for (const Text& message : review.messages)
        messages += message + CR;
    messages_->setText(ToDisplay(messages).trimmed());
    messages_->setVisible(!messages.empty());
    table_->clearContents();
    table_->setRowCount(static_cast<int>(review.rows.size()));
    for (int row = 0; row < static_cast<int>(review.rows.size()); ++row) {
        const ImportRow& verb = review.rows[static_cast<std::size_t>(row)];
        auto* take = new QTableWidgetItem;
        take->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        take->setCheckState(verb.proposed() ? Qt::Checked : Qt::Unchecked);
        take->setData(Qt::AccessibleTextRole, QStringLiteral("aufnehmen"));
        table_->setItem(row, Take, take);
        table_->setItem(row, Verb, Fixed(verb.source));
        table_->setItem(row, Marked, new QTableWidgetItem(ToQ(verb.line)));
        Text problems;
        if (verb.alreadyListed)
            problems = U"Steht schon in der Liste.";
        for (const Text& problem : verb.problems)
            problems += (problems.empty() ? U"" : U" ") + problem;
        if (problems.empty() && verb.suggestion.uncertain())
            problems = U"Bitte prüfen: " + verb.suggestion.reason;
        table_->setItem(row, Problems, Fixed(problems));
    }
    if (!review.rows.empty())
        table_->setCurrentCell(0, Marked);
    table_->setFocus();
}

void ImportReviewPage::Choose(std::initializer_list<int> rows) {
    for (int row = 0; row < table_->rowCount(); ++row)
        table_->item(row, Take)->setCheckState(Qt::Unchecked);
    for (int row : rows)
        table_->item(row, Take)->setCheckState(Qt::Checked);
}

std::vector<Text> ImportReviewPage::Lines(bool onlyTicked) const {
    std::vector<Text> lines;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (onlyTicked && table_->item(row, Take)->checkState() != Qt::Checked)
            continue;
        const Text line = TrimBlanks(FromQ(table_->item(row, Marked)->text()));
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

void ImportReviewPage::finish(const std::vector<Text>& lines) {
    WordListTab* tab = tab_;
    tab_ = nullptr;
    table_->setRowCount(0);
    emit done(tab, lines);
}

} // namespace tamurik
