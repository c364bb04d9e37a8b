#include "teacher/child_page.h"

#include "core/word_lists.h"
#include "teacher/controls.h"
#include "teacher/csv_export.h"
#include "teacher/drawings.h"
#include "teacher/report_pdf.h"
#include "teacher/teacher_area.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tamurik {

namespace {

QGroupBox* Group(QWidget* parent, const QString& title, QWidget* content) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QString ChartDescription(const std::vector<WeekPoint>& weeks) {
    QStringList parts;
    for (const WeekPoint& week : weeks)
        parts << QStringLiteral("Woche ab %1: %2 Antworten, %3 richtig")
                     .arg(ToQ(DayText(week.weekStart)))
                     .arg(week.count.answers)
                     .arg(ToQ(Percent(week.count)));
    return parts.join(QStringLiteral("; "));
}

} // namespace

ChildPage::ChildPage(QWidget* parent, TeacherArea& area) : QWidget(parent), area_(area) {
    setObjectName(QStringLiteral("EinKind"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("KindName"));
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(UiFont(16, true));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("KindUeberblick"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    auto* top = new QHBoxLayout;
    auto* heading = new QVBoxLayout;
    heading->addWidget(title_);
    heading->addWidget(summary_);
    top->addLayout(heading, 1);
    auto* back = AddControl<QPushButton>(this, top, QStringLiteral("KindZurueck"),
                                         QStringLiteral("&Zurück zu allen Kindern"),
                                         QStringLiteral("Zurück zu allen Kindern"));
    connect(back, &QPushButton::clicked, this, &ChildPage::back);

    missed_ = new PaintedView(this, QStringLiteral("FehlerVerben"),
                              QStringLiteral("Die Verben mit den meisten Fehlern"));
    cards_ = new PaintedView(this, QStringLiteral("Karteikasten"), QStringLiteral("Karteikasten"));
    // The chart beside the missed verbs and the card box; the phenomena below across the
    // whole width, so that their names and figures fit.
    auto* side = new QVBoxLayout;
    side->addWidget(Group(this,
                          QStringLiteral("Die %1 Verben mit den meisten Fehlern (12 Wochen)")
                              .arg(kMissedVerbsShown),
                          missed_),
                    3);
    side->addWidget(Group(this, QStringLiteral("Karteikasten: Verben in jedem Fach"), cards_), 2);
    auto* grid = new QGridLayout;
    grid->addWidget(
        Group(this, QStringLiteral("Antworten und Anteil richtig pro Woche"), buildChart()), 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addWidget(
        Group(this, QStringLiteral("Phänomene, die schwierigsten zuerst"), buildPhenomena()), 1, 0,
        1, 2);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* reports = new QHBoxLayout;
    auto* save = AddControl<QPushButton>(this, reports, QStringLiteral("BerichtPdf"),
                                         QStringLiteral("&Bericht als PDF …"),
                                         QStringLiteral("Bericht als PDF"));
    auto* print = AddControl<QPushButton>(this, reports, QStringLiteral("BerichtDrucken"),
                                          QStringLiteral("Bericht &drucken …"),
                                          QStringLiteral("Bericht drucken"));
    auto* csv = AddControl<QPushButton>(this, reports, QStringLiteral("KindAlsCsv"),
                                        QStringLiteral("Antworten als &Tabelle (CSV) …"),
                                        QStringLiteral("Antworten als Tabelle"));
    reports->addStretch();
    connect(save, &QPushButton::clicked, this, [this] { OutputReport(false); });
    connect(print, &QPushButton::clicked, this, [this] { OutputReport(true); });
    connect(csv, &QPushButton::clicked, this, &ChildPage::ExportChild);

    auto* sheet = new QHBoxLayout;
    auto* sheetLabel = new QLabel(QStringLiteral("Arbeitsblatt mit:"), this);
    sheet->addWidget(sheetLabel);
    copy_ = AddControl<QCheckBox>(this, sheet, QStringLiteral("BlockAbschreiben"),
                                  QStringLiteral("Abs&chreiben"),
                                  QStringLiteral("Arbeitsblatt mit Abschreiben"));
    forms_ = AddControl<QCheckBox>(this, sheet, QStringLiteral("BlockFormen"),
                                   QStringLiteral("&ich / du / er"),
                                   QStringLiteral("Arbeitsblatt mit ich, du, er"));
    syllables_ = AddControl<QCheckBox>(this, sheet, QStringLiteral("BlockSilben"),
                                       QStringLiteral("&Silben trennen"),
                                       QStringLiteral("Arbeitsblatt mit Silben trennen"));
    for (QCheckBox* block : {copy_, forms_, syllables_})
        block->setChecked(true);
    auto* sheetSave = AddControl<QPushButton>(this, sheet, QStringLiteral("ArbeitsblattPdf"),
                                              QStringLiteral("&Arbeitsblatt als PDF …"),
                                              QStringLiteral("Arbeitsblatt als PDF"));
    auto* sheetPrint = AddControl<QPushButton>(this, sheet, QStringLiteral("ArbeitsblattDrucken"),
                                               QStringLiteral("Arbeitsblatt dr&ucken …"),
                                               QStringLiteral("Arbeitsblatt drucken"));
    sheet->addStretch();
    connect(sheetSave, &QPushButton::clicked, this, [this] { OutputWorksheet(false); });
    connect(sheetPrint, &QPushButton::clicked, this, [this] { OutputWorksheet(true); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid, 1);
    layout->addLayout(reports);
    layout->addLayout(sheet);
}

QWidget* ChildPage::buildChart() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    exercise_ = new QComboBox(box);
    exercise_->setObjectName(QStringLiteral("UebungWahl"));
    exercise_->setAccessibleName(QStringLiteral("Übung im Diagramm"));
    chart_ = new PaintedView(box, QStringLiteral("Verlauf"),
                             QStringLiteral("Antworten und Anteil richtig pro Woche"));
    chart_->setMinimumHeight(Px(2400));
    layout->addWidget(exercise_);
    layout->addWidget(chart_, 1);
    connect(exercise_, &QComboBox::activated, this, &ChildPage::ChooseExercise);
    return box;
}

QWidget* ChildPage::buildPhenomena() {
    phenomena_ = new QTableWidget(0, 5, this);
    phenomena_->setObjectName(QStringLiteral("Phaenomene"));
    phenomena_->setAccessibleName(QStringLiteral("Phänomene, die schwierigsten zuerst"));
    phenomena_->setHorizontalHeaderLabels(
        {QStringLiteral("Phänomen"), QStringLiteral("richtig / gefragt"), QStringLiteral("Anteil"),
         QStringLiteral("letzte 4 Wochen\ngegen 4 davor"), QStringLiteral("Entwicklung")});
    phenomena_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    phenomena_->setSelectionBehavior(QAbstractItemView::SelectRows);
    phenomena_->setTabKeyNavigation(false);
    phenomena_->verticalHeader()->hide();
    phenomena_->setWordWrap(false);
    phenomena_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    phenomena_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return phenomena_;
}

WordColors ChildPage::colors() const {
    return PartColors(area_.app.state, Qt::black);
}

void ChildPage::ShowChild(const ChildSummary& child) {
    report_ = LoadChildReport(area_.queries(), child, area_.Today());
    const ReportPeriod& period = report_.period;
    title_->setText(ToQ(ShownName(child)));
    AnswerCount total;
    for (const WeekPoint& week : WeekSeries(report_.weeks, "", period)) {
        total.answers += week.count.answers;
        total.right += week.count.right;
    }
    summary_->setText(QStringLiteral("Die letzten %1 Wochen (%2 bis %3): %4 Antworten, %5 "
                                     "richtig. Heute fällig im Karteikasten: %6.")
                          .arg(kReportWeeks)
                          .arg(ToQ(DayText(period.shown.from)), ToQ(DayText(period.today)))
                          .arg(total.answers)
                          .arg(ToQ(Percent(total)))
                          .arg(child.dueCards == 1
                                   ? QStringLiteral("1 Verb")
                                   : QStringLiteral("%1 Verben").arg(child.dueCards)));

    exercise_->clear();
    exerciseKeys_ = {""};
    exercise_->addItem(QStringLiteral("Alle Übungen"));
    for (const ExerciseTotal& exercise : ExerciseTotals(report_.weeks, period)) {
        exerciseKeys_.push_back(exercise.exercise);
        exercise_->addItem(ToQ(ExerciseName(exercise.exercise)));
    }
    ChooseExercise(0);
    showPhenomena();

    const std::vector<MissedVerb> missed = report_.missed;
    QStringList missedText;
    for (const MissedVerb& verb : missed)
        missedText << ToQ(CleanWord(verb.verb)) +
                          QStringLiteral(" (%1 von %2 falsch)").arg(verb.wrong).arg(verb.asked);
    const WordColors wordColors = colors();
    missed_->setPaint(
        [missed, wordColors](QPainter& painter, const QRectF& area) {
            DrawMissedVerbs(painter, area, missed, wordColors, UiFont(12), 2);
        },
        missedText.isEmpty() ? QStringLiteral("keine") : missedText.join(QStringLiteral(", ")));
    missed_->setMinimumHeight(Px(240 * ((static_cast<int>(missed.size()) + 1) / 2) + 200));

    const std::array<long long, kCompartments> cards = report_.cards;
    QStringList cardText;
    for (int i = 0; i < kCompartments; ++i)
        cardText
            << QStringLiteral("Fach %1: %2").arg(i + 1).arg(cards[static_cast<std::size_t>(i)]);
    cards_->setPaint([cards](QPainter& painter,
                             const QRectF& area) { DrawCardBox(painter, area, cards, UiFont(9)); },
                     cardText.join(QStringLiteral(", ")));
    cards_->setMinimumHeight(Px(1200));
}

void ChildPage::ChooseExercise(int index) {
    if (index < 0 || index >= static_cast<int>(exerciseKeys_.size()))
        return;
    exercise_->setCurrentIndex(index);
    const std::vector<WeekPoint> weeks =
        WeekSeries(report_.weeks, exerciseKeys_[static_cast<std::size_t>(index)], report_.period);
    chart_->setPaint(
        [weeks](QPainter& painter, const QRectF& area) {
            DrawProgressChart(painter, area, weeks, UiFont(8));
        },
        ChartDescription(weeks));
}

void ChildPage::showPhenomena() {
    phenomena_->clearContents();
    phenomena_->setRowCount(static_cast<int>(report_.phenomena.size()));
    int row = 0;
    for (const PhenomenonRow& line : report_.phenomena) {
        const QString cells[] = {ToQ(Text(InfoOf(line.phenomenon).name)),
                                 ToQ(RightOfAsked(line.shown)), ToQ(Percent(line.shown)),
                                 ToQ(Percent(line.recent) + U" gegen " + Percent(line.before)),
                                 ToQ(TrendText(line.trend))};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == 4 && line.trend == Trend::Better)
                item->setForeground(QColor(20, 120, 40));
            if (column == 4 && line.trend == Trend::Worse)
                item->setForeground(QColor(180, 30, 30));
            phenomena_->setItem(row, column, item);
        }
        ++row;
    }
}

WorksheetBlocks ChildPage::blocks() const {
    return WorksheetBlocks{copy_->isChecked(), forms_->isChecked(), syllables_->isChecked()};
}

Worksheet ChildPage::MakeWorksheet() {
    std::vector<Phenomenon> weak;
    for (const PhenomenonRow& row : report_.phenomena)
        if (row.shown.right < row.shown.answers)
            weak.push_back(row.phenomenon);
    return ChooseWorksheet(
        area_.queries().DueVerbsOf(report_.child.id), report_.missed,
        ReadWordLines(area_.app.dir, "ZAHLVERB.TXT").value_or(std::vector<Text>{}), weak);
}

void ChildPage::Output(bool print, TextView what, const DrawPages& draw) {
    const Text name = ShownName(report_.child);
    const Text title = Text(what) + U" " + name;
    if (print) {
        area_.TellFailure(Print(area_.printSetup, title, draw));
        return;
    }
    const QString path = area_.saveLocation(ToQ(Text(what) + U" als PDF speichern"),
                                            area_.SuggestedName(what, name, QStringLiteral("pdf")),
                                            QStringLiteral("PDF-Dokument (*.pdf)"));
    if (!path.isEmpty())
        area_.TellFailure(SavePdf(path, title, draw));
}

void ChildPage::OutputReport(bool print) {
    const WordColors wordColors = colors();
    Output(print, U"Lernbericht", [&](Sheet& sheet) { DrawReport(sheet, report_, wordColors); });
}

void ChildPage::OutputWorksheet(bool print) {
    const WorksheetBlocks chosen = blocks();
    if (!chosen.copy && !chosen.forms && !chosen.syllables) {
        area_.Tell(U"Bitte mindestens einen Teil für das Arbeitsblatt ankreuzen.");
        return;
    }
    const Text name = ShownName(report_.child);
    const Worksheet worksheet = MakeWorksheet();
    const WordColors wordColors = colors();
    const Date today = area_.app.clock.Today();
    Output(print, U"Arbeitsblatt",
           [&](Sheet& sheet) { DrawWorksheet(sheet, name, today, worksheet, chosen, wordColors); });
}

void ChildPage::ExportChild() {
    const QString path = area_.saveLocation(
        QStringLiteral("Antworten als Tabelle speichern"),
        area_.SuggestedName(U"Antworten", ShownName(report_.child), QStringLiteral("csv")),
        QStringLiteral("Tabelle (*.csv)"));
    if (!path.isEmpty())
        area_.TellFailure(ExportAnswers(area_.queries(), report_.child.id, path));
}

} // namespace tamurik
