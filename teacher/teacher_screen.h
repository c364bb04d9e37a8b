#pragma once
// The teacher area, opened from the settings screen: first the PIN, then every child, then one
// child with its reports and worksheets. When the record cannot be read it says why and shows
// nothing else.

#include "teacher/teacher_area.h"
#include "ui/screen.h"

class QLabel;
class QStackedWidget;

namespace tamurik {

class ChildPage;
class ChildrenPage;
class LockPage;
class WordListEditor;

class TeacherScreen : public Screen {
    Q_OBJECT
public:
    explicit TeacherScreen(AppContext& context);

    // Locked again each time it is opened.
    void Activate() override;
    void CloseFromWindowManager() override { CloseTeacherArea(); }
    // Back to the settings screen.
    void CloseTeacherArea();

    // Where files are saved and how the printer is chosen: the system's dialogs unless a test
    // gives its own.
    void setSaveLocation(SaveLocation location) { area_.saveLocation = std::move(location); }
    void setPrintSetup(PrintSetup setup) { area_.printSetup = std::move(setup); }
    void setOpenLocation(OpenLocation location) { area_.openLocation = std::move(location); }

    LockPage& lockPage() { return *lock_; }
    ChildrenPage& childrenPage() { return *children_; }
    ChildPage& childPage() { return *child_; }
    WordListEditor& wordListEditor() { return *lists_; }
    QWidget* currentPage() const;

private:
    void showChildren();

    TeacherArea area_;
    QStackedWidget* pages_ = nullptr;
    QWidget* problemPage_ = nullptr;
    QLabel* problem_ = nullptr;
    LockPage* lock_ = nullptr;
    ChildrenPage* children_ = nullptr;
    ChildPage* child_ = nullptr;
    WordListEditor* lists_ = nullptr;
};

} // namespace tamurik
