#pragma once
// Every child of the record in a table: name, first and last day of practice, answers, the
// share right in the last seven days and the verbs due today. A child is opened, renamed,
// merged with a second name that is the same child, or deleted with everything recorded.

#include "learning/record_queries.h"

#include <QWidget>

#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tamurik {

struct TeacherArea;

class ChildrenPage : public QWidget {
    Q_OBJECT
public:
    ChildrenPage(QWidget* parent, TeacherArea& area);

    // Reads the children again.
    void Refresh();
    const std::vector<ChildSummary>& children() const { return children_; }
    QTableWidget* table() const { return table_; }
    // Selects the rows of these children (by their place in children()).
    void Select(std::initializer_list<int> rows);

    void OpenChild();
    void RenameChild();
    // Two selected names that are one child: the one with fewer answers goes into the other.
    void MergeChildren();
    void DeleteChild();
    // Every answer of every child as a spreadsheet.
    void ExportAll();

signals:
    void openChild(const ChildSummary& child);
    void changePin();
    void editWordLists();
    void closeArea();

private:
    std::vector<ChildSummary> selected() const;
    void updateButtons();

    TeacherArea& area_;
    std::vector<ChildSummary> children_;
    QLabel* empty_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* merge_ = nullptr;
    QPushButton* delete_ = nullptr;
    // The teacher area's own tools: spreadsheet, word lists, PIN.
    QHBoxLayout* tools_ = nullptr;
};

} // namespace tamurik
