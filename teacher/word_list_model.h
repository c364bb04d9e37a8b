#pragma once
// One word list in a table: its lines with their numbers and, beside each line, what is wrong
// with it in German. The lines live in the list's document; the table shows them, and every
// change goes through the undo stack's commands, which call the document's edits.

#include "core/list_document.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QUndoCommand>

#include <vector>

namespace tamurik {

class WordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Line, Problems, ColumnCount };

    explicit WordListModel(QObject* parent);

    // Shows this document (after it was opened); every line is checked afresh.
    void Reset(ListDocument document);
    ListDocument& document() { return document_; }
    const ListDocument& document() const { return document_; }
    // The texts of the lines, as the checks take them.
    const std::vector<Text>& texts() const { return texts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The problems of a text if it stood on this row (the typed line before it is taken),
    // CR between them; empty when it is fine.
    Text ProblemsAt(int row, Text text);
    // The problems of every line (by row), as shown.
    const std::vector<Text>& problems() const { return problems_; }
    // The problems of the list as a whole (too few rhyme pairs, ...), CR between them.
    const Text& listProblems() const { return listProblems_; }

    // The edits of the undo commands; each keeps the table and the problems up to date.
    std::optional<ListLine> SetText(int row, const Text& text);
    void Restore(int row, const ListLine& line);
    void Insert(int row, const Text& text);
    void Insert(int row, const ListLine& line);
    ListLine Remove(int row);
    void Move(int from, int to);

signals:
    // After every change of the lines.
    void changed();

private:
    void recheck();
    void lineChanged(int row);

    ListDocument document_;
    std::vector<Text> texts_;
    std::vector<Text> problems_;
    Text listProblems_;
};

// The lines whose text or plain verb holds the filter's text.
class LineFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    LineFilter(QObject* parent, WordListModel* lines);
    void SetPart(const Text& part);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    WordListModel* lines_;
    Text part_;
};

// One change of the list for the undo stack.
class LineCommand : public QUndoCommand {
public:
    enum class Kind { Replace, Insert, Remove, Move };
    // Replace: row, new text; Insert: row, text; Remove: row; Move: row to `to`.
    LineCommand(WordListModel& model, Kind kind, int row, Text text = {}, int to = 0);

    void redo() override;
    void undo() override;
    // The row to show after the change.
    int rowAfterRedo() const { return kind_ == Kind::Move ? to_ : row_; }

private:
    WordListModel& model_;
    Kind kind_;
    int row_;
    int to_;
    Text text_;
    // What undo puts back: the line as it was, with its bytes from the file.
    std::optional<ListLine> old_;
};

} // namespace tamurik
