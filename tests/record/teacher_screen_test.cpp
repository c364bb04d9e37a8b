// The teacher area on a real record: the PIN set, asked and waited for (on the test's clock),
// the children renamed, merged and deleted, and a child's report, worksheet and spreadsheet
// read back as a reader would (pdftotext, pdftoppm, a CSV parser).

#include "learning/days.h"
#include "teacher/child_page.h"
#include "teacher/controls.h"
#include "teacher/drawings.h"
#include "tests/record/record_app.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTextDocument>

namespace tamurik::testing {
namespace {

namespace fs = std::filesystem;

class TeacherTest : public RecordAppTest {
protected:
    TeacherTest() {
        SetDay(DayNumber(Date{7, 12, 2026}));
        StartWithRecord();
    }

    void SetDay(long long day) {
        clock_.Set(DateOfDay(day));
        clock_.SetMs(day * 86'400'000 + 36'000'000);
    }
    QString Status(TeacherScreen& area) {
        return Find<QLabel>(&area, QStringLiteral("PinHinweis"))->text();
    }
    void Play(const Text& child, const Text& item, std::initializer_list<bool> answers,
              const char* asked = "schreibweise") {
        record_.SetChild(child);
        for (bool right : answers)
            record_.Report(Answer{"verben_schreiben", item, asked, right ? U"richtig" : U"falsch",
                                  right, 1500, true});
    }
};

// Every control the teacher can reach has a name for assistive technology and takes the
// keyboard's focus.
void ExpectReachableAndNamed(QWidget* page) {
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QComboBox*>(widget) != nullptr ||
                             qobject_cast<QTableWidget*>(widget) != nullptr;
        // A table's own parts (its corner button) are reached through the table.
        if (!control || qobject_cast<QAbstractItemView*>(widget->parentWidget()) != nullptr ||
            widget->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus) << widget->objectName().toStdString();
    }
}

TEST_F(TeacherTest, APinIsSetOnceThenAskedAndWrongOnesWaitLonger) {
    TeacherScreen& area = Open();
    ASSERT_EQ(area.currentPage(), &area.lockPage());
    EXPECT_EQ(area.lockPage().mode(), LockPage::Mode::Set);
    ExpectReachableAndNamed(&area.lockPage());
    TypePin(area, QStringLiteral("123"), QStringLiteral("123"));
    EXPECT_TRUE(Status(area).contains(QStringLiteral("4 bis 12 Ziffern")));
    TypePin(area, QStringLiteral("1234"), QStringLiteral("1243"));
    EXPECT_TRUE(Status(area).contains(QStringLiteral("verschieden")));
    EXPECT_FALSE(record_.Lock().has_value());
    TypePin(area, QStringLiteral("1234"), QStringLiteral("1234"));
    ASSERT_EQ(area.currentPage(), &area.childrenPage());
    const std::optional<TeacherLock> lock = record_.Lock();
    ASSERT_TRUE(lock.has_value());
    EXPECT_TRUE(lock->pinHash.starts_with("$argon2id$")) << lock->pinHash;
    EXPECT_EQ(lock->pinHash.find("1234"), std::string::npos);

    area.CloseTeacherArea();
    Open();
    ASSERT_EQ(area.lockPage().mode(), LockPage::Mode::Enter);
    auto* pin = Find<QLineEdit>(&area, QStringLiteral("PinEingabe"));
    clock_.SetMs(1'000'000);
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(pin->isEnabled()) << n;
        TypePin(area, QStringLiteral("9999"));
    }
    // Three wrong: 5 s, counted down; then each further try waits twice as long.
    EXPECT_FALSE(pin->isEnabled());
    EXPECT_TRUE(Status(area).contains(QStringLiteral("Bitte noch 5 Sekunden warten.")));
    clock_.AdvanceMs(4'000);
    area.lockPage().Tick();
    EXPECT_TRUE(Status(area).contains(QStringLiteral("noch 1 Sekunde")));
    clock_.AdvanceMs(1'000);
    area.lockPage().Tick();
    EXPECT_TRUE(pin->isEnabled());
    TypePin(area, QStringLiteral("0000"));
    EXPECT_TRUE(Status(area).contains(QStringLiteral("noch 10 Sekunden")));
    // The wait outlasts closing the area (and the program: it is kept in the record).
    EXPECT_EQ(record_.Lock()->failures, 4);
    area.CloseTeacherArea();
    Open();
    EXPECT_FALSE(pin->isEnabled());
    TypePin(area, QStringLiteral("1234"));
    EXPECT_EQ(area.currentPage(), &area.lockPage());
    clock_.AdvanceMs(10'000);
    area.lockPage().Tick();
    TypePin(area, QStringLiteral("1234"));
    EXPECT_EQ(area.currentPage(), &area.childrenPage());
    EXPECT_EQ(record_.Lock()->failures, 0);
}

TEST_F(TeacherTest, ChildrenAreRenamedMergedAndDeletedAfterAsking) {
    Play(U"Lena", U"1l2e-b3en", {true, false, true});
    Play(U"Lnea", U"1k2om.m3en", {false});
    Play(U"<b>=Tom</b>", U"1l2e-b3en", {true});
    TeacherScreen& area = OpenUnlocked();
    ChildrenPage& page = area.childrenPage();
    ExpectReachableAndNamed(&page);
    QTableWidget* table = page.table();
    ASSERT_EQ(table->rowCount(), 3);
    // Names are plain text, in the order of their letters.
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("<b>=Tom</b>"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("3"));
    EXPECT_EQ(table->item(1, 4)->text(), QStringLiteral("67 % von 3"));

    page.Select({0});
    dialogs_.QueueInput(U"Tom");
    page.RenameChild();
    EXPECT_EQ(table->item(2, 0)->text(), QStringLiteral("Tom"));

    page.Select({0, 1});
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    page.MergeChildren();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Lena"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("4"));
    EXPECT_NE(ToUtf8(dialogs_.last().text).find("„Lnea“ und „Lena“"), std::string::npos);

    // Deleting asks twice; a no at either leaves everything.
    for (DialogAnswer second : {DialogAnswer::No, DialogAnswer::Yes}) {
        page.Select({0});
        dialogs_.QueueAnswer(DialogAnswer::Yes);
        dialogs_.QueueAnswer(second);
        page.DeleteChild();
    }
    EXPECT_EQ(dialogs_.last().text, Text(U"Alle Daten von Lena endgültig löschen?") + CR +
                                        U"Das lässt sich nicht rückgängig machen.");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Tom"));
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60'000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    // Lines as the page breaks them, read as one text.
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// The share of a page's pixels close to the colour.
double ShareOf(const QImage& page, const QColor& color) {
    long long near = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            near += std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                        std::abs(pixel.blue() - color.blue()) <
                    60;
        }
    return static_cast<double>(near) / (static_cast<double>(page.width()) * page.height());
}

TEST_F(TeacherTest, ReportWorksheetAndSpreadsheetAreReadBackAsWritten) {
    for (long long week = 5; week >= 0; --week) {
        SetDay(DayNumber(Date{7, 12, 2026}) - 7 * week);
        Play(U"=Lena", U"1k2om.m3en", {false, false, true, week < 2});
        Play(U"=Lena", U"1g2e-b3en", {true, false}, "du");
        Play(U"=Lena", U"1b2au-3en", {true, true, true});
    }
    TeacherScreen& area = OpenUnlocked();
    QString saveTo;
    area.setSaveLocation([&](const QString&, const QString& suggested, const QString&) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral(" 2026-12-07.pdf")) ||
                    suggested.endsWith(QStringLiteral(" 2026-12-07.csv")))
            << suggested.toStdString();
        return saveTo;
    });
    area.childrenPage().Select({0});
    area.childrenPage().OpenChild();
    ASSERT_EQ(area.currentPage(), &area.childPage());
    ChildPage& child = area.childPage();
    ExpectReachableAndNamed(&child);
    EXPECT_EQ(child.report().missed.front().verb, U"1k2om.m3en");
    EXPECT_EQ(Find<QLabel>(&area, QStringLiteral("KindName"))->textFormat(), Qt::PlainText);

    const QString folder = QString::fromStdString(folder_.string());
    saveTo = folder + QStringLiteral("/bericht.pdf");
    child.OutputReport(false);
    const QString report = RunTool(QStringLiteral("pdftotext"), {saveTo, QStringLiteral("-")});
    for (const char* part :
         {"Lernbericht: =Lena", "Zeitraum: die letzten 12 Wochen",
          "verwechselt noch oft kurze und lange Vokale bei kommen", "Verben schreiben", "Phänomen",
          "kurzer Vokal", "Seite 2 von 2", "Fach 1"})
        EXPECT_TRUE(report.contains(QString::fromUtf8(part))) << part << report.toStdString();

    saveTo = folder + QStringLiteral("/blatt.pdf");
    Find<QAbstractButton>(&child, QStringLiteral("BlockSilben"))->setChecked(false);
    child.OutputWorksheet(false);
    const QString sheet = RunTool(QStringLiteral("pdftotext"), {saveTo, QStringLiteral("-")});
    for (const char* part : {"Arbeitsblatt für =Lena", "1. Schreibe jedes Verb ab",
                             "2. Setze die Formen ein", "Lösungen zum Arbeitsblatt", "gibst"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(part))) << part << sheet.toStdString();
    EXPECT_FALSE(sheet.contains(QStringLiteral("Trenne")));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
             saveTo, folder + QStringLiteral("/blatt")});
    const QImage page(folder + QStringLiteral("/blatt-1.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width() * 297.0 / 210.0, page.height(), 2);
    // The word parts in their colours on the page.
    const WordColors colors = PartColors(state_, Qt::black);
    for (const QColor& color : {colors.anfang, colors.mitte, colors.schluss})
        EXPECT_GT(ShareOf(page, color), 0.0002) << color.name().toStdString();

    saveTo = folder + QStringLiteral("/antworten.csv");
    child.ExportChild();
    QFile csv(saveTo);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF\"Kind\";\"Zeitpunkt\""));
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    EXPECT_EQ(lines.size(), 1 + 6 * 9);
    EXPECT_TRUE(lines[1].startsWith("\"'=Lena\";\"")) << lines[1].toStdString();

    // A folder that is not there: a German message, and no file anywhere.
    const auto before = std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
    dialogs_.ClearShown();
    for (const QString& path :
         {folder + QStringLiteral("/fehlt/bericht.pdf"), folder + QStringLiteral("/fehlt/x.csv")}) {
        saveTo = path;
        if (path.endsWith(QStringLiteral(".pdf")))
            child.OutputReport(false);
        else
            child.ExportChild();
    }
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    for (const ShownDialog& shown : dialogs_.shown())
        EXPECT_NE(ToUtf8(shown.text).find("Den Ordner gibt es nicht"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), before);
}

// A tip shows a name or a word as it is, even one that looks like markup: Qt draws a tip as
// rich text whenever it looks like markup.
TEST(TeacherTipTest, ATipThatLooksLikeMarkupIsShownAsItIs) {
    const QString odd = QStringLiteral("<b>fett</b> & <i>schräg</i>, <br>kommen");
    PaintedView view(nullptr, QStringLiteral("Bild"), QStringLiteral("Bild"));
    view.setPaint({}, odd);
    for (const QString& tip : {view.toolTip(), PlainToolTip(odd)}) {
        QTextDocument shown;
        if (Qt::mightBeRichText(tip))
            shown.setHtml(tip);
        else
            shown.setPlainText(tip);
        EXPECT_EQ(shown.toPlainText().toStdString(), odd.toStdString()) << tip.toStdString();
    }
}

} // namespace
} // namespace tamurik::testing
