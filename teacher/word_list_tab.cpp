#include "teacher/word_list_tab.h"

#include "core/list_saving.h"
#include "core/mark_suggestion.h"
#include "core/word_list_exchange.h"
#include "core/word_lists.h"
#include "teacher/controls.h"
#include "teacher/saving.h"
#include "teacher/teacher_area.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tamurik {

namespace {

// The preview's height, in twips: one word in the settings' font size.
constexpr int kPreviewTwips = 900;

Text Quoted(TextView text) {
    return U"„" + Text(text) + U"“";
}

// "kurz" or "lang", and the verb split at its syllable boundary: "schwim | men".
Text Facts(TextView marked) {
    const bool shortVowel = Contains(marked, U'.');
    const bool longVowel = Contains(marked, U'-');
    Text facts = U"Stammvokal: ";
    facts += shortVowel == longVowel ? U"nicht angegeben" : shortVowel ? U"kurz" : U"lang";
    if (shortVowel || longVowel) {
        Text split;
        for (char32_t c : MarkedWord(marked)) {
            if (c == U'.' || c == U'-')
                split += U" | ";
            else if (c != U'1' && c != U'2' && c != U'3')
                split += c;
        }
        facts += U"    Silbengrenze: " + split;
    }
    return facts;
}

} // namespace

WordListTab::WordListTab(QWidget* parent, TeacherArea& area, std::string fileName,
                         const QString& prefix)
    : QWidget(parent), area_(area), fileName_(std::move(fileName)) {
    setObjectName(prefix);
    model_ = new WordListModel(this);
    filtered_ = new LineFilter(this, model_);
    undo_ = new QUndoStack(this);

    status_ = new QLabel(this);
    status_->setObjectName(prefix + QStringLiteral("Status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(prefix + QStringLiteral("Filter"));
    filter_->setAccessibleName(QStringLiteral("Filter"));
    filter_->setPlaceholderText(QStringLiteral("Filter: ein Teil der Zeile, z. B. „schw“"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this,
            [this](const QString& part) { filtered_->SetPart(FromQ(part)); });

    table_ = new QTableView(this);
    table_->setObjectName(prefix + QStringLiteral("Tabelle"));
    table_->setAccessibleName(QStringLiteral("Zeilen der Liste"));
    table_->setModel(filtered_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(WordListModel::Number,
                                                     QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(WordListModel::Line, QHeaderView::Interactive);
    table_->horizontalHeader()->setSectionResizeMode(WordListModel::Problems, QHeaderView::Stretch);
    table_->setColumnWidth(WordListModel::Line, PxSize(4200, 0).width());
    table_->setWordWrap(false);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &WordListTab::currentChanged);

    line_ = new QLineEdit(this);
    line_->setObjectName(prefix + QStringLiteral("Zeile"));
    line_->setAccessibleName(QStringLiteral("Zeile bearbeiten"));
    line_->setPlaceholderText(QStringLiteral("Verb eintippen, z. B. „schwimmen“ oder "
                                             "„1schw2im.m3en“, dann Eingabetaste"));
    line_->setFont(UiFont(13));
    connect(line_, &QLineEdit::textChanged, this, &WordListTab::typed);
    connect(line_, &QLineEdit::returnPressed, this, &WordListTab::ChangeLine);

    previewBox_ = new QWidget(this);
    preview_ = new PictureSurface(previewBox_, prefix + QStringLiteral("Vorschau"));
    preview_->setAccessibleName(QStringLiteral("Vorschau in den Farben der Wortteile"));
    preview_->setMinimumHeight(PxSize(0, kPreviewTwips).height());
    preview_->installEventFilter(this);
    facts_ = new QLabel(previewBox_);
    facts_->setObjectName(prefix + QStringLiteral("Angaben"));
    facts_->setTextFormat(Qt::PlainText);
    accept_ = new QPushButton(previewBox_);
    accept_->setObjectName(prefix + QStringLiteral("VorschlagUebernehmen"));
    accept_->setAccessibleName(QStringLiteral("Vorschlag übernehmen"));
    connect(accept_, &QPushButton::clicked, this, &WordListTab::AcceptSuggestion);
    auto* previewLayout = new QVBoxLayout(previewBox_);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(preview_);
    auto* factsRow = new QHBoxLayout;
    factsRow->addWidget(facts_, 1);
    factsRow->addWidget(accept_);
    previewLayout->addLayout(factsRow);

    lineProblems_ = new QLabel(this);
    lineProblems_->setObjectName(prefix + QStringLiteral("ZeileHinweis"));
    lineProblems_->setTextFormat(Qt::PlainText);
    lineProblems_->setWordWrap(true);
    lineProblems_->setStyleSheet(QStringLiteral("color: #a01818;"));

    auto* lineTools = new QHBoxLayout;
    add_ = tool(lineTools, prefix + QStringLiteral("Neu"), QStringLiteral("&Neue Zeile"),
                QKeySequence(Qt::Key_Insert));
    change_ = tool(lineTools, prefix + QStringLiteral("Aendern"), QStringLiteral("Ü&bernehmen"));
    delete_ = tool(lineTools, prefix + QStringLiteral("Loeschen"), QStringLiteral("&Löschen"),
                   QKeySequence(Qt::CTRL | Qt::Key_Delete));
    up_ = tool(lineTools, prefix + QStringLiteral("Hoch"), QStringLiteral("Nach &oben"),
               QKeySequence(Qt::CTRL | Qt::Key_Up));
    down_ = tool(lineTools, prefix + QStringLiteral("Runter"), QStringLiteral("Nach &unten"),
                 QKeySequence(Qt::CTRL | Qt::Key_Down));
    lineTools->addStretch();
    undoButton_ = tool(lineTools, prefix + QStringLiteral("Rueckgaengig"),
                       QStringLiteral("&Rückgängig"), QKeySequence::Undo);
    redoButton_ = tool(lineTools, prefix + QStringLiteral("Wiederholen"),
                       QStringLiteral("&Wiederholen"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(add_, &QPushButton::clicked, this, &WordListTab::AddLine);
    connect(change_, &QPushButton::clicked, this, &WordListTab::ChangeLine);
    connect(delete_, &QPushButton::clicked, this, &WordListTab::DeleteLine);
    connect(up_, &QPushButton::clicked, this, [this] { MoveLine(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveLine(1); });
    connect(undoButton_, &QPushButton::clicked, undo_, &QUndoStack::undo);
    connect(redoButton_, &QPushButton::clicked, undo_, &QUndoStack::redo);
    // Delete in the table deletes the line, as in every list.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, table_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &WordListTab::DeleteLine);

    auto* fileTools = new QHBoxLayout;
    save_ = tool(fileTools, prefix + QStringLiteral("Speichern"), QStringLiteral("&Speichern"),
                 QKeySequence::Save);
    import_ = tool(fileTools, prefix + QStringLiteral("Importieren"),
                   QStringLiteral("Aus Textdatei &holen …"));
    auto* exportCsv =
        tool(fileTools, prefix + QStringLiteral("AlsCsv"), QStringLiteral("Als &Tabelle (CSV) …"));
    fileTools->addStretch();
    connect(save_, &QPushButton::clicked, this, &WordListTab::Save);
    connect(import_, &QPushButton::clicked, this, &WordListTab::Import);
    connect(exportCsv, &QPushButton::clicked, this, &WordListTab::ExportCsv);

    connect(undo_, &QUndoStack::indexChanged, this, &WordListTab::updateTools);
    connect(model_, &WordListModel::changed, this, [this] {
        updateTools();
        showStatus(statusWhat_);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(filter_);
    layout->addWidget(table_, 1);
    layout->addWidget(line_);
    layout->addWidget(lineProblems_);
    layout->addWidget(previewBox_);
    layout->addLayout(lineTools);
    layout->addLayout(fileTools);
}

WordListTab::~WordListTab() {
    // The stack goes first: clearing it tells the table, which must still be there.
    delete undo_;
}

QPushButton* WordListTab::tool(QBoxLayout* row, const QString& name, const QString& text,
                               const QKeySequence& key) {
    auto* button = AddControl<QPushButton>(this, row, name, text);
    if (!key.isEmpty()) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        button->setToolTip(key.toString(QKeySequence::NativeText));
    }
    return button;
}

void WordListTab::Open(const MarkSuggester& suggester) {
    suggester_ = &suggester;
    ListDocument document = OpenList(area_.app.dir, fileName_);
    readOnly_ = !document.complete();
    fileFaults_.clear();
    for (const Text& fault : document.faultMessages())
        fileFaults_ += fault + CR;
    model_->Reset(std::move(document));
    undo_->clear();
    line_->setReadOnly(readOnly_);
    showStatus(U"Datei: ");
    previewBox_->setVisible(marked());
    if (model_->rowCount() > 0)
        SelectRow(0);
    else
        currentChanged();
    updateTools();
}

bool WordListTab::marked() const {
    return model_->document().kind() != WordListKind::RealVerbs;
}

void WordListTab::showStatus(const Text& what) {
    statusWhat_ = what;
    Text status = what + area_.app.dir.DisplayPath(fileName_);
    if (!fileFaults_.empty())
        status += CR + fileFaults_;
    if (!model_->listProblems().empty())
        status += CR + model_->listProblems();
    status_->setText(ToDisplay(status));
}

bool WordListTab::modified() const {
    return !undo_->isClean();
}

int WordListTab::currentRow() const {
    const QModelIndex current = filtered_->mapToSource(table_->currentIndex());
    return current.isValid() ? current.row() : -1;
}

void WordListTab::SelectRow(int row) {
    QModelIndex index = filtered_->mapFromSource(model_->index(row, WordListModel::Line));
    if (!index.isValid() && row >= 0 && row < model_->rowCount()) {
        // A line the filter hides: the filter goes, so the line can be seen.
        filter_->clear();
        index = filtered_->mapFromSource(model_->index(row, WordListModel::Line));
    }
    table_->setCurrentIndex(index);
    table_->scrollTo(index);
    currentChanged();
}

void WordListTab::currentChanged() {
    const int row = currentRow();
    const QString text = row >= 0 ? ToQ(model_->texts()[static_cast<std::size_t>(row)]) : QString();
    if (text == line_->text())
        typed();
    else
        line_->setText(text);
}

void WordListTab::typed() {
    const Text line = FromQ(line_->text());
    const int row = currentRow();
    Text problems;
    Text facts;
    suggestion_.clear();
    const Text word = MarkedWord(line);
    if (marked() && suggester_ != nullptr && !word.empty() &&
        word.find_first_of(U"123.-") == Text::npos) {
        // A plain verb: its marks are proposed, with the rest of the line (" = " and the
        // explanation of a rare verb) as typed.
        const MarkSuggestion suggestion = suggester_->Suggest(word);
        if (!suggestion.marked.empty())
            suggestion_ = suggestion.marked + line.substr(word.size());
        facts = U"Vorschlag: " + suggestion.reason;
    }
    if (suggestion_.empty())
        problems = model_->ProblemsAt(row, line);
    lineProblems_->setText(ToDisplay(problems));
    lineProblems_->setVisible(!problems.empty());
    shown_ = suggestion_.empty() ? line : suggestion_;
    drawPreview();
    if (!facts.empty())
        facts += U"    ";
    facts_->setText(ToQ(facts + Facts(shown_)));
    accept_->setVisible(!suggestion_.empty());
    accept_->setText(QStringLiteral("&Vorschlag übernehmen: ") + ToQ(suggestion_));
    updateTools();
}

void WordListTab::drawPreview() {
    const MODUL1& state = area_.app.state;
    preview_->setBackground(PaletteColor(state.ColorBlatt));
    // A little smaller than in the exercises, so that long verbs fit beside the table.
    preview_->setDrawFont(ScaledFont(ToQ(state.FontName), state.FontSize * 0.7));
    preview_->Clear();
    preview_->SetDrawPos(120, 60);
    preview_->PrintMarked(MarkedWord(shown_), PartColors(state, Qt::white),
                          {.showSeparators = true});
}

bool WordListTab::eventFilter(QObject* watched, QEvent* event) {
    // The surface keeps what was drawn at its old size only: drawn again at the new one.
    if (watched == preview_ && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &WordListTab::drawPreview, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void WordListTab::AcceptSuggestion() {
    if (suggestion_.empty())
        return;
    line_->setText(ToQ(suggestion_));
    line_->setFocus();
}

void WordListTab::updateTools() {
    const int row = currentRow();
    const bool editable = !readOnly_;
    add_->setEnabled(editable);
    change_->setEnabled(editable && row >= 0);
    delete_->setEnabled(editable && row >= 0);
    up_->setEnabled(editable && row > 0);
    down_->setEnabled(editable && row >= 0 && row + 1 < model_->rowCount());
    undoButton_->setEnabled(undo_->canUndo());
    redoButton_->setEnabled(undo_->canRedo());
    save_->setEnabled(editable);
    import_->setEnabled(editable);
}

void WordListTab::push(LineCommand* command) {
    undo_->push(command);
    SelectRow(command->rowAfterRedo());
}

void WordListTab::AddLine() {
    if (readOnly_)
        return;
    const int row = currentRow() + 1;
    push(new LineCommand(*model_, LineCommand::Kind::Insert, row));
    line_->setFocus();
}

void WordListTab::ChangeLine() {
    const int row = currentRow();
    if (readOnly_ || row < 0)
        return;
    const Text line = FromQ(line_->text());
    if (const std::optional<Text> refusal = model_->document().Refusal(line)) {
        area_.Tell(*refusal);
        return;
    }
    if (line != model_->texts()[static_cast<std::size_t>(row)])
        push(new LineCommand(*model_, LineCommand::Kind::Replace, row, line));
}

void WordListTab::DeleteLine() {
    const int row = currentRow();
    if (readOnly_ || row < 0)
        return;
    push(new LineCommand(*model_, LineCommand::Kind::Remove, row));
    if (model_->rowCount() > 0)
        SelectRow(std::min(row, model_->rowCount() - 1));
}

void WordListTab::MoveLine(int step) {
    const int row = currentRow();
    const int to = row + step;
    if (readOnly_ || row < 0 || to < 0 || to >= model_->rowCount())
        return;
    push(new LineCommand(*model_, LineCommand::Kind::Move, row, {}, to));
}

void WordListTab::AddLines(const std::vector<Text>& lines) {
    if (readOnly_ || lines.empty())
        return;
    // A line the file cannot hold is not added; the teacher hears which and why.
    Text refused;
    std::vector<Text> added;
    for (const Text& line : lines) {
        if (const std::optional<Text> refusal = model_->document().Refusal(line))
            refused += CR + Quoted(line) + U": " + *refusal;
        else
            added.push_back(line);
    }
    int row = currentRow() + 1;
    if (!added.empty()) {
        undo_->beginMacro(QStringLiteral("%1 Verben aufnehmen").arg(added.size()));
        for (const Text& line : added)
            undo_->push(new LineCommand(*model_, LineCommand::Kind::Insert, row++, line));
        undo_->endMacro();
        SelectRow(row - 1);
    }
    if (!refused.empty())
        area_.Tell(U"Diese Zeilen wurden nicht aufgenommen:" + refused);
}

bool WordListTab::Save() {
    if (readOnly_)
        return false;
    SaveOutcome result = SaveList(area_.app.dir, model_->document(), area_.app.clock);
    if (result.status == SaveStatus::ChangedOutside) {
        if (!area_.Ask(U"Die Datei " + FromUtf8(fileName_) +
                       U" wurde von einem anderen Programm geändert, seit sie hier geöffnet "
                       U"wurde." +
                       CR + U"Trotzdem mit dieser Liste überschreiben?"))
            return false;
        result = SaveList(area_.app.dir, model_->document(), area_.app.clock, true);
    }
    if (result.status != SaveStatus::Saved) {
        area_.Tell(result.message);
        return false;
    }
    // Saved is final: what is undone from now on is what comes after.
    undo_->clear();
    showStatus(U"Gespeichert: ");
    return true;
}

void WordListTab::Import() {
    if (readOnly_)
        return;
    const QString path = area_.openLocation(QStringLiteral("Verben aus einer Textdatei holen"),
                                            QStringLiteral("Textdatei (*.txt);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        area_.Tell(Text(U"Die Datei konnte nicht geöffnet werden:") + CR +
                   FromQ(QDir::toNativeSeparators(path)));
        return;
    }
    if (file.size() > static_cast<qint64>(WorkDir::kMaxFileBytes)) {
        area_.Tell(U"Die Datei ist größer als 16 MB; so viele Verben nimmt Tamurik nicht auf.");
        return;
    }
    const QByteArray bytes = file.readAll();
    const ImportReview review =
        ReviewImport(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     model_->document().kind(), *suggester_, model_->texts());
    if (review.rows.empty()) {
        Text told = U"In der Datei steht kein Verb, das aufgenommen werden könnte.";
        for (const Text& message : review.messages)
            told += CR + message;
        area_.Tell(told);
        return;
    }
    emit importChosen(this, review);
}

void WordListTab::ExportCsv() {
    const QString path = area_.saveLocation(
        QStringLiteral("Liste als Tabelle speichern"),
        area_.SuggestedName(U"Wortliste", FromUtf8(fileName_), QStringLiteral("csv")),
        QStringLiteral("Tabelle (*.csv)"));
    if (path.isEmpty())
        return;
    const std::string csv = WordListCsv(model_->texts(), model_->document().kind());
    area_.TellFailure(SaveFile(path, [&csv](QIODevice& file) {
        return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
               static_cast<qint64>(csv.size());
    }));
}

} // namespace tamurik
