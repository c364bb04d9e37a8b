#include "teacher/report_pdf.h"

#include "core/word_lists.h"
#include "teacher/drawings.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QFontMetricsF>
#include <QPainter>

#include <functional>

namespace tamurik {

namespace {

const QColor kQuiet(90, 90, 90);
const QColor kRule(170, 170, 170);

// Paper fonts are in points whatever the program's scale on screen.
QFont PaperFont(double points, bool bold = false) {
    QFont font = UiFont(10);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes down the page from a top edge that moves on.
class Writer {
public:
    explicit Writer(Sheet& sheet) : sheet_(sheet), p_(sheet.painter()), y_(sheet.page().top()) {}

    QPainter& painter() { return p_; }
    qreal y() const { return y_; }
    void skip(qreal mm) { y_ += sheet_.mm(mm); }
    qreal left() const { return sheet_.page().left(); }
    qreal width() const { return sheet_.page().width(); }
    qreal mm(qreal v) const { return sheet_.mm(v); }

    // A paragraph of plain text, wrapped at the page's width.
    void paragraph(const QString& text, const QFont& font, const QColor& color = Qt::black) {
        p_.setFont(font);
        p_.setPen(color);
        QRectF used;
        p_.drawText(QRectF(left(), y_, width(), sheet_.page().bottom() - y_),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        y_ += used.height();
    }
    void heading(const QString& text) {
        skip(5);
        paragraph(text, PaperFont(13, true));
        p_.setPen(QPen(kRule, mm(0.3)));
        p_.drawLine(QPointF(left(), y_ + mm(0.8)), QPointF(left() + width(), y_ + mm(0.8)));
        skip(2.5);
    }
    // Takes a block of this height and answers its rectangle.
    QRectF take(qreal heightMm) {
        const QRectF block(left(), y_, width(), mm(heightMm));
        y_ += block.height();
        return block;
    }
    void footer(int page, int pages) {
        p_.setFont(PaperFont(8));
        p_.setPen(kQuiet);
        p_.drawText(QRectF(left(), sheet_.page().bottom() + mm(4), width(), mm(6)),
                    Qt::AlignRight | Qt::AlignTop,
                    QStringLiteral("Tamurik · Seite %1 von %2").arg(page).arg(pages));
    }
    void newPage() {
        sheet_.newPage();
        y_ = sheet_.page().top();
    }

private:
    Sheet& sheet_;
    QPainter& p_;
    qreal y_;
};

// A table row: each cell's text from its left edge (in parts of the width).
void Row(Writer& w, const std::vector<std::pair<qreal, QString>>& cells, const QFont& font,
         qreal heightMm, const std::vector<QColor>& colors = {}) {
    QPainter& p = w.painter();
    p.setFont(font);
    const QRectF row = w.take(heightMm);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const qreal from = row.left() + row.width() * cells[i].first;
        const qreal to =
            i + 1 < cells.size() ? row.left() + row.width() * cells[i + 1].first : row.right();
        p.setPen(i < colors.size() ? colors[i] : QColor(Qt::black));
        p.drawText(QRectF(from, row.top(), to - from - w.mm(1), row.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, cells[i].second);
    }
    p.setPen(QPen(QColor(225, 225, 225), w.mm(0.2)));
    p.drawLine(row.bottomLeft(), row.bottomRight());
}

QColor TrendColor(Trend trend) {
    return trend == Trend::Better  ? QColor(20, 120, 40)
           : trend == Trend::Worse ? QColor(180, 30, 30)
                                   : kQuiet;
}

} // namespace

Text TrendText(Trend trend) {
    switch (trend) {
    case Trend::Better:
        return U"↑ " + Text(TrendName(trend));
    case Trend::Worse:
        return U"↓ " + Text(TrendName(trend));
    case Trend::Same:
        return U"→ " + Text(TrendName(trend));
    case Trend::TooFew:
        break;
    }
    return U"– " + Text(TrendName(trend));
}

void DrawReport(Sheet& sheet, const ChildReport& report, const WordColors& colors) {
    Writer w(sheet);
    const QString name = ToQ(ShownName(report.child));
    const ReportPeriod& period = report.period;
    const QFont body = PaperFont(10.5);

    w.paragraph(QStringLiteral("Lernbericht: ") + name, PaperFont(20, true));
    w.skip(1);
    w.paragraph(QStringLiteral("Zeitraum: die letzten %1 Wochen, %2 bis %3")
                    .arg(kReportWeeks)
                    .arg(ToQ(DayText(period.shown.from)), ToQ(DayText(period.today))),
                body, kQuiet);

    w.heading(QStringLiteral("Für die Eltern"));
    w.paragraph(ToQ(ParentText(report)), PaperFont(11.5));

    w.heading(QStringLiteral("Geübte Übungen"));
    const std::vector<ExerciseTotal> totals = ExerciseTotals(report.weeks, period);
    if (totals.empty())
        w.paragraph(QStringLiteral("In diesem Zeitraum wurde nicht geübt."), body);
    for (const ExerciseTotal& total : totals)
        Row(w,
            {{0, ToQ(ExerciseName(total.exercise))},
             {0.45, QStringLiteral("%1 Antworten").arg(total.count.answers)},
             {0.7, ToQ(Percent(total.count)) + QStringLiteral(" richtig")}},
            body, 5.5);

    w.heading(QStringLiteral("Antworten und Anteil richtig pro Woche"));
    DrawProgressChart(w.painter(), w.take(62), WeekSeries(report.weeks, "", period),
                      PaperFont(8.5));
    w.footer(1, 2);

    w.newPage();
    w.heading(QStringLiteral("Rechtschreibung nach Phänomenen, die schwierigsten zuerst"));
    const QFont small = PaperFont(8.5);
    const std::vector<std::pair<qreal, QString>> header{
        {0, QStringLiteral("Phänomen")},  {0.4, QStringLiteral("richtig / gefragt")},
        {0.57, QStringLiteral("Anteil")}, {0.65, QStringLiteral("zuletzt")},
        {0.73, QStringLiteral("davor")},  {0.81, QStringLiteral("Entwicklung")}};
    Row(w, header, PaperFont(9, true), 6);
    if (report.phenomena.empty())
        w.paragraph(QStringLiteral("In diesem Zeitraum gibt es dazu noch keine Antworten."), body);
    for (const PhenomenonRow& row : report.phenomena)
        Row(w,
            {{0, ToQ(Text(InfoOf(row.phenomenon).name))},
             {0.4, ToQ(RightOfAsked(row.shown))},
             {0.57, ToQ(Percent(row.shown))},
             {0.65, ToQ(Percent(row.recent))},
             {0.73, ToQ(Percent(row.before))},
             {0.81, ToQ(TrendText(row.trend))}},
            small, 5.2, {Qt::black, Qt::black, Qt::black, kQuiet, kQuiet, TrendColor(row.trend)});
    w.skip(1);
    w.paragraph(
        QStringLiteral("Anteil: die letzten %1 Wochen; zuletzt: die letzten 4 Wochen; davor: "
                       "die 4 Wochen davor. Eine Entwicklung zeigt sich ab 10 Antworten in "
                       "beiden Zeiträumen und 10 Prozentpunkten Unterschied.")
            .arg(kReportWeeks),
        small, kQuiet);

    w.heading(QStringLiteral("Die Verben mit den meisten Fehlern"));
    const int rows = std::max<int>(1, (static_cast<int>(report.missed.size()) + 1) / 2);
    DrawMissedVerbs(w.painter(), w.take(6.5 * rows + 2), report.missed, colors, PaperFont(12), 2);

    w.heading(QStringLiteral("Karteikasten: so viele Verben liegen in jedem Fach"));
    DrawCardBox(w.painter(), w.take(24), report.cards, PaperFont(9));
    w.skip(2);
    w.paragraph(QStringLiteral("Ein falsch beantwortetes Verb kommt in Fach 1 und wird bald "
                               "wieder geübt; jede richtige Antwort bringt es ein Fach weiter."),
                small, kQuiet);
    w.footer(2, 2);
}

namespace {

// A writing line: the base line solid, the middle line dashed, as in a school exercise book.
void WritingLine(QPainter& p, qreal left, qreal right, qreal base, qreal xHeight, qreal pen) {
    p.setPen(QPen(QColor(110, 110, 110), pen));
    p.drawLine(QPointF(left, base), QPointF(right, base));
    p.setPen(QPen(QColor(170, 170, 170), pen, Qt::DashLine));
    p.drawLine(QPointF(left, base - xHeight), QPointF(right, base - xHeight));
}

// A blank for a form: a short line to write on.
void Gap(QPainter& p, qreal left, qreal width, qreal base, qreal pen) {
    p.setPen(QPen(QColor(110, 110, 110), pen));
    p.drawLine(QPointF(left, base), QPointF(left + width, base));
}

} // namespace

void DrawWorksheet(Sheet& sheet, const Text& childName, const Date& today,
                   const Worksheet& worksheet, const WorksheetBlocks& blocks,
                   const WordColors& colors) {
    Writer w(sheet);
    QPainter& p = w.painter();
    const QFont task = PaperFont(12, true);
    const QFont word = PaperFont(18);
    const QFont label = PaperFont(14);
    const qreal pen = w.mm(0.3);
    const WordColors black{Qt::black, Qt::black, Qt::black, Qt::black};
    // The solution of a form: black, the changed vowel in the stem's colour.
    const WordColors change{Qt::black, Qt::black, colors.mitte, Qt::black};
    const QFontMetricsF wordMetrics(word, p.device());
    const QFontMetricsF labelMetrics(label, p.device());

    const auto header = [&](const QString& title) {
        w.paragraph(title + QStringLiteral(" für ") + ToQ(childName), PaperFont(18, true));
        w.paragraph(QStringLiteral("Datum: ") + ToQ(FormatDate(today)), PaperFont(10), kQuiet);
        w.skip(4);
    };
    // The verbs in three columns, each written as `shown` makes it.
    const auto verbGrid = [&](const std::function<Text(const Text&)>& shown,
                              const WordColors& inColors, WordDrawOptions options) {
        const std::size_t rows = (worksheet.verbs.size() + 2) / 3;
        const QRectF block = w.take(12.0 * static_cast<qreal>(rows));
        const qreal column = block.width() / 3;
        p.setFont(word);
        for (std::size_t i = 0; i < worksheet.verbs.size(); ++i)
            DrawMarkedWord(p, block.left() + column * static_cast<qreal>(i % 3),
                           block.top() + w.mm(12) * static_cast<qreal>(i / 3),
                           shown(worksheet.verbs[i]), inColors, options);
    };
    header(QStringLiteral("Arbeitsblatt"));
    int number = 0;

    if (blocks.copy) {
        w.paragraph(
            QStringLiteral("%1. Schreibe jedes Verb ab. Sprich es dabei leise mit.").arg(++number),
            task);
        w.skip(3);
        const std::size_t rows = (worksheet.verbs.size() + 1) / 2;
        const QRectF block = w.take(13.0 * static_cast<qreal>(rows));
        const qreal column = block.width() / 2;
        for (std::size_t i = 0; i < worksheet.verbs.size(); ++i) {
            const qreal left = block.left() + column * static_cast<qreal>(i % 2);
            const qreal top = block.top() + w.mm(13) * static_cast<qreal>(i / 2);
            p.setFont(word);
            const qreal end = DrawMarkedWord(p, left, top, worksheet.verbs[i], colors);
            const qreal base = top + wordMetrics.ascent();
            WritingLine(p, std::max(end, left + w.mm(38)) + w.mm(3), left + column - w.mm(6), base,
                        wordMetrics.xHeight(), pen);
        }
        w.skip(3);
    }

    if (blocks.forms && !worksheet.forms.empty()) {
        w.paragraph(QStringLiteral("%1. Setze die Formen ein: ich …, du …, er ….").arg(++number),
                    task);
        w.skip(3);
        for (const FormTask& form : worksheet.forms) {
            const QRectF row = w.take(13);
            p.setFont(word);
            DrawMarkedWord(p, row.left(), row.top(), form.marked, colors);
            p.setFont(label);
            p.setPen(Qt::black);
            const qreal base = row.top() + wordMetrics.ascent();
            qreal x = row.left() + row.width() * 0.3;
            for (const QString& person :
                 {QStringLiteral("ich"), QStringLiteral("du"), QStringLiteral("er")}) {
                p.drawText(QPointF(x, base), person);
                const qreal gapLeft = x + labelMetrics.horizontalAdvance(person) + w.mm(2);
                Gap(p, gapLeft, w.mm(30), base, pen);
                x = gapLeft + w.mm(34);
            }
        }
        w.skip(3);
    }

    if (blocks.syllables) {
        w.paragraph(QStringLiteral("%1. Trenne die Verben: Ziehe einen Strich zwischen die Silben.")
                        .arg(++number),
                    task);
        w.skip(3);
        verbGrid([](const Text& verb) { return CleanWord(verb); }, black,
                 WordDrawOptions{false, true});
    }

    const bool solutions = (blocks.forms && !worksheet.forms.empty()) || blocks.syllables;
    if (!solutions)
        return;
    w.newPage();
    header(QStringLiteral("Lösungen zum Arbeitsblatt"));
    number = blocks.copy ? 1 : 0;
    if (blocks.forms && !worksheet.forms.empty()) {
        w.paragraph(
            QStringLiteral("%1. Die Formen (der veränderte Vokal ist farbig)").arg(++number), task);
        w.skip(3);
        for (const FormTask& form : worksheet.forms) {
            const QRectF row = w.take(12);
            p.setFont(word);
            DrawMarkedWord(p, row.left(), row.top(), form.marked, colors);
            p.setFont(label);
            const qreal top = row.top() + wordMetrics.ascent() - labelMetrics.ascent();
            qreal x = row.left() + row.width() * 0.3;
            const std::pair<TextView, Text> persons[] = {
                {U"ich ", U"1" + form.forms.ich},
                {U"du ", MarkVowelChange(form.forms.infinitive, form.forms.du)},
                {U"er ", MarkVowelChange(form.forms.infinitive, form.forms.er)}};
            for (const auto& [person, marked] : persons) {
                x = DrawMarkedWord(p, x, top, person, black);
                x = DrawMarkedWord(p, x, top, marked, change) + w.mm(8);
            }
        }
        w.skip(3);
    }
    if (blocks.syllables) {
        w.paragraph(QStringLiteral("%1. Die Verben in Silben getrennt").arg(++number), task);
        w.skip(3);
        verbGrid([](const Text& verb) { return SyllableSolution(verb); }, colors, {});
    }
}

} // namespace tamurik
