#pragma once
// The word lists, edited inside the program: the verb list, the rhyme list and the list of
// real verbs, each in its own tab; verbs from a text file are reviewed on a page of their own
// before they join a list.

#include "core/mark_suggestion.h"

#include <QWidget>

#include <array>

class QStackedWidget;
class QTabWidget;

namespace tamurik {

class ImportReviewPage;
class WordListTab;
struct TeacherArea;

class WordListEditor : public QWidget {
    Q_OBJECT
public:
    WordListEditor(QWidget* parent, TeacherArea& area);

    // Reads the three lists afresh and shows the verb list.
    void Open();
    // Back to the teacher area; edits not saved are dropped only when the teacher agrees.
    void Close();
    // True when nothing unsaved is left, or the teacher agrees to drop it.
    bool MayLeave();

    QTabWidget* tabs() const { return tabs_; }
    WordListTab& tab(int index) { return *lists_[static_cast<std::size_t>(index)]; }
    ImportReviewPage& importPage() { return *import_; }
    bool reviewing() const;

signals:
    void back();

private:
    TeacherArea& area_;
    QStackedWidget* pages_ = nullptr;
    QWidget* listsPage_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<WordListTab*, 3> lists_{};
    ImportReviewPage* import_ = nullptr;
    MarkSuggester suggester_;
};

} // namespace tamurik
