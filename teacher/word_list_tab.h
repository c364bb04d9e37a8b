#pragma once
// One word list of the editor: a table with a filter, the line being typed with its coloured
// preview and its problems, and the tools that add, change, delete and move lines, undo and
// redo them, save the list, take in verbs from a text file and write the list as a
// spreadsheet.

#include "core/word_list_exchange.h"
#include "teacher/word_list_model.h"

#include <QWidget>

#include <string>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QUndoStack;

namespace tamurik {

class PictureSurface;
struct TeacherArea;

class WordListTab : public QWidget {
    Q_OBJECT
public:
    // `fileName` is the list's file in the working folder; `prefix` starts the objectNames of
    // its widgets ("Verben", "Reime", "EchteVerben").
    WordListTab(QWidget* parent, TeacherArea& area, std::string fileName, const QString& prefix);
    ~WordListTab() override;

    // Reads the list from its file; edits not saved are dropped. The suggester proposes the
    // marks of plain verbs.
    void Open(const MarkSuggester& suggester);
    // True when there are edits not saved.
    bool modified() const;
    const std::string& fileName() const { return fileName_; }

    WordListModel& model() { return *model_; }
    QUndoStack& undoStack() { return *undo_; }
    QTableView* table() const { return table_; }
    QLineEdit* lineEdit() const { return line_; }
    PictureSurface* preview() const { return preview_; }
    // The row of the list (not of the filtered table) that is current; -1 for none.
    int currentRow() const;
    void SelectRow(int row);

    // The tools, as their buttons and keys run them.
    void AddLine();
    void ChangeLine();
    void DeleteLine();
    void MoveLine(int step);
    void AcceptSuggestion();
    // False when nothing was saved (refused, failed, or the teacher said no).
    bool Save();
    void Import();
    void ExportCsv();
    // Adds these lines after the current one, as one step to undo.
    void AddLines(const std::vector<Text>& lines);

signals:
    // The teacher chose a text file: its verbs with suggested marks are to be reviewed.
    void importChosen(WordListTab* tab, const ImportReview& review);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* tool(QBoxLayout* row, const QString& name, const QString& text,
                      const QKeySequence& key = {});
    // Not the list of real verbs: its lines carry marks, shown in the preview.
    bool marked() const;
    // The file, then what is wrong with it or with the list as a whole.
    void showStatus(const Text& what);
    void typed();
    void drawPreview();
    void currentChanged();
    void updateTools();
    void push(LineCommand* command);

    TeacherArea& area_;
    std::string fileName_;
    // The list could not be read completely: it is shown, but never saved.
    bool readOnly_ = true;
    const MarkSuggester* suggester_ = nullptr;
    // What reading the file found wrong, CR after each.
    Text fileFaults_;
    Text statusWhat_;
    Text suggestion_;
    // The line the preview shows: the typed one, or the suggestion for it.
    Text shown_;

    WordListModel* model_ = nullptr;
    LineFilter* filtered_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QLabel* status_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* line_ = nullptr;
    QWidget* previewBox_ = nullptr;
    PictureSurface* preview_ = nullptr;
    QLabel* facts_ = nullptr;
    QLabel* lineProblems_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* import_ = nullptr;
};

} // namespace tamurik
