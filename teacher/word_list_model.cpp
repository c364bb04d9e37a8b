#include "teacher/word_list_model.h"

#include "teacher/controls.h"
#include "ui/text_qt.h"

#include <QBrush>
#include <QColor>

namespace tamurik {

namespace {

// A line with a problem stands on this colour, and its problem is written beside it.
const QColor kProblemColor(255, 226, 214);

void Join(Text& to, const Text& message) {
    if (!to.empty())
        to += CR;
    to += message;
}

} // namespace

WordListModel::WordListModel(QObject* parent) : QAbstractTableModel(parent) {}

void WordListModel::Reset(ListDocument document) {
    beginResetModel();
    document_ = std::move(document);
    texts_ = document_.Texts();
    recheck();
    endResetModel();
    emit changed();
}

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const Text& problem = problems_[row];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case Number:
            return index.row() + 1;
        case Line:
            return ToQ(texts_[row]);
        case Problems:
            return ToDisplay(problem);
        }
        return {};
    case Qt::ToolTipRole:
        return problem.empty() ? QVariant() : QVariant(PlainToolTip(ToDisplay(problem)));
    case Qt::BackgroundRole:
        return problem.empty() ? QVariant() : QVariant(QBrush(kProblemColor));
    case Qt::TextAlignmentRole:
        return index.column() == Number ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Number:
        return QStringLiteral("Nr.");
    case Line:
        return QStringLiteral("Zeile");
    case Problems:
        return QStringLiteral("Hinweis");
    }
    return {};
}

Text WordListModel::ProblemsAt(int row, Text text) {
    Text problems;
    if (const std::optional<Text> refusal = document_.Refusal(text))
        Join(problems, *refusal);
    if (row < 0 || row >= rowCount()) {
        for (const Text& message : CheckWordLine(text, document_.kind()))
            Join(problems, message);
        return problems;
    }
    // The line is checked in its place (a verb twice, its rhyme pair): the typed text stands
    // in for the line while it is checked.
    Text& line = texts_[static_cast<std::size_t>(row)];
    std::swap(line, text);
    const std::vector<Text> messages =
        CheckLineInList(texts_, static_cast<std::size_t>(row), document_.kind());
    std::swap(line, text);
    for (const Text& message : messages)
        Join(problems, message);
    return problems;
}

void WordListModel::recheck() {
    problems_.assign(texts_.size(), Text());
    listProblems_.clear();
    for (const WordListProblem& problem : CheckWordList(texts_, document_.kind())) {
        if (problem.line >= 1 && problem.line <= static_cast<int>(problems_.size()))
            Join(problems_[static_cast<std::size_t>(problem.line - 1)], problem.message);
        else
            Join(listProblems_, problem.message);
    }
}

void WordListModel::lineChanged(int row) {
    if (row >= 0 && row < rowCount())
        texts_[static_cast<std::size_t>(row)] = document_.line(static_cast<std::size_t>(row)).text;
    // A change can mend or break other lines too (a verb twice, a rhyme pair).
    recheck();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit changed();
}

std::optional<ListLine> WordListModel::SetText(int row, const Text& text) {
    std::optional<ListLine> old = document_.SetLine(static_cast<std::size_t>(row), text);
    lineChanged(row);
    return old;
}

void WordListModel::Restore(int row, const ListLine& line) {
    document_.RestoreLine(static_cast<std::size_t>(row), line);
    lineChanged(row);
}

void WordListModel::Insert(int row, const Text& text) {
    beginInsertRows({}, row, row);
    document_.InsertLine(static_cast<std::size_t>(row), text);
    texts_.insert(texts_.begin() + row, text);
    problems_.insert(problems_.begin() + row, Text());
    endInsertRows();
    lineChanged(row);
}

void WordListModel::Insert(int row, const ListLine& line) {
    beginInsertRows({}, row, row);
    document_.InsertLine(static_cast<std::size_t>(row), line);
    texts_.insert(texts_.begin() + row, line.text);
    problems_.insert(problems_.begin() + row, Text());
    endInsertRows();
    lineChanged(row);
}

ListLine WordListModel::Remove(int row) {
    beginRemoveRows({}, row, row);
    ListLine line = document_.RemoveLine(static_cast<std::size_t>(row));
    texts_.erase(texts_.begin() + row);
    problems_.erase(problems_.begin() + row);
    endRemoveRows();
    lineChanged(row);
    return line;
}

void WordListModel::Move(int from, int to) {
    // Qt counts the target row before the line is taken away.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    document_.MoveLine(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    texts_ = document_.Texts();
    endMoveRows();
    lineChanged(to);
}

LineFilter::LineFilter(QObject* parent, WordListModel* lines)
    : QSortFilterProxyModel(parent), lines_(lines) {
    setSourceModel(lines);
}

void LineFilter::SetPart(const Text& part) {
    part_ = part;
    invalidateFilter();
}

bool LineFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    if (part_.empty())
        return true;
    const std::vector<Text>& texts = lines_->texts();
    return row < static_cast<int>(texts.size()) &&
           !FilterLines({texts[static_cast<std::size_t>(row)]}, part_).empty();
}

LineCommand::LineCommand(WordListModel& model, Kind kind, int row, Text text, int to)
    : model_(model), kind_(kind), row_(row), to_(to), text_(std::move(text)) {
    switch (kind_) {
    case Kind::Replace:
        setText(QStringLiteral("Zeile %1 ändern").arg(row_ + 1));
        break;
    case Kind::Insert:
        setText(QStringLiteral("Zeile %1 einfügen").arg(row_ + 1));
        break;
    case Kind::Remove:
        setText(QStringLiteral("Zeile %1 löschen").arg(row_ + 1));
        break;
    case Kind::Move:
        setText(QStringLiteral("Zeile %1 verschieben").arg(row_ + 1));
        break;
    }
}

void LineCommand::redo() {
    switch (kind_) {
    case Kind::Replace:
        old_ = model_.SetText(row_, text_);
        break;
    case Kind::Insert:
        model_.Insert(row_, text_);
        break;
    case Kind::Remove:
        old_ = model_.Remove(row_);
        break;
    case Kind::Move:
        model_.Move(row_, to_);
        break;
    }
}

void LineCommand::undo() {
    switch (kind_) {
    case Kind::Replace:
        if (old_)
            model_.Restore(row_, *old_);
        break;
    case Kind::Insert:
        model_.Remove(row_);
        break;
    case Kind::Remove:
        if (old_)
            model_.Insert(row_, *old_);
        break;
    case Kind::Move:
        model_.Move(to_, row_);
        break;
    }
}

} // namespace tamurik
