#pragma once
// One child at a glance: the last twelve weeks as a chart (all exercises or one), the
// phenomena worst first with their trend, the verbs missed most often in their part colours,
// and the card box; from here the report (PDF or printed), the child's answers as a
// spreadsheet and a worksheet from the child's own errors.

#include "learning/child_report.h"
#include "learning/worksheet.h"
#include "teacher/paper.h"
#include "ui/word_drawing.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace tamurik {

class PaintedView;
struct TeacherArea;

class ChildPage : public QWidget {
    Q_OBJECT
public:
    ChildPage(QWidget* parent, TeacherArea& area);

    // Reads the child's report from the record and shows it.
    void ShowChild(const ChildSummary& child);
    const ChildReport& report() const { return report_; }
    // The chart shows all exercises (0) or the exercise at this place in the choice.
    void ChooseExercise(int index);

    // The report and the worksheet, saved as a PDF the teacher names or printed.
    void OutputReport(bool print);
    void OutputWorksheet(bool print);
    void ExportChild();
    WorksheetBlocks blocks() const;
    Worksheet MakeWorksheet();

signals:
    void back();

private:
    QWidget* buildChart();
    QWidget* buildPhenomena();
    void showPhenomena();
    void Output(bool print, TextView what, const DrawPages& draw);
    WordColors colors() const;

    TeacherArea& area_;
    ChildReport report_;
    QLabel* title_ = nullptr;
    QLabel* summary_ = nullptr;
    QComboBox* exercise_ = nullptr;
    std::vector<std::string> exerciseKeys_;
    PaintedView* chart_ = nullptr;
    QTableWidget* phenomena_ = nullptr;
    PaintedView* missed_ = nullptr;
    PaintedView* cards_ = nullptr;
    QCheckBox* copy_ = nullptr;
    QCheckBox* forms_ = nullptr;
    QCheckBox* syllables_ = nullptr;
};

} // namespace tamurik
