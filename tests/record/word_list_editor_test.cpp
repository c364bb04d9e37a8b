// The word-list editor of the teacher area, on the test's word files: opened behind the PIN,
// lines edited and taken back, a save refused or questioned, verbs taken in from a text file
// after review, and the preview in the colours of the settings.

#include "teacher/word_list_editor.h"
#include "teacher/word_list_import_page.h"
#include "teacher/word_list_tab.h"
#include "tests/record/record_app.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace tamurik::testing {
namespace {

const std::string kRhymes = "ZAHLREIM.TXT";

class WordListEditorTest : public RecordAppTest {
protected:
    WordListEditorTest() { StartWithRecord(); }

    // From the settings screen through the PIN (set on the way) to the editor.
    WordListEditor& Open() {
        area_ = &OpenUnlocked();
        Press(area_, QStringLiteral("WortlistenBearbeiten"));
        EXPECT_EQ(area_->currentPage(), &area_->wordListEditor());
        return area_->wordListEditor();
    }
    std::vector<Text> Lines(WordListTab& tab) { return tab.model().document().Texts(); }
    // Puts the line into the tab's field (QTest types ASCII letters only).
    void Type(WordListTab& tab, const QString& text) { tab.lineEdit()->setText(text); }
    Text Said() { return dialogs_.shown().empty() ? Text() : dialogs_.last().text; }

    TeacherScreen* area_ = nullptr;
};

TEST_F(WordListEditorTest, OpensBehindThePinWithItsThreeListsAndGoesBack) {
    WriteFile(folder_, "VERBEN.TXT", std::string("\0\1\2binär\0", 11));
    WordListEditor& editor = Open();
    EXPECT_EQ(editor.tabs()->count(), 3);
    EXPECT_EQ(editor.tab(0).model().rowCount(), 12);
    EXPECT_EQ(editor.tab(1).model().rowCount(), 18);
    // A list that is not text is shown with the reason, and never saved over.
    const QString status = TextOf(&editor.tab(2), QStringLiteral("EchteVerbenStatus"));
    EXPECT_TRUE(status.contains(QStringLiteral("nicht gespeichert"))) << status.toStdString();
    EXPECT_FALSE(
        Find<QAbstractButton>(&editor, QStringLiteral("EchteVerbenSpeichern"))->isEnabled());
    Press(&editor, QStringLiteral("WortlistenZurueck"));
    EXPECT_EQ(area_->currentPage(), &area_->childrenPage());
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(WordListEditorTest, EveryEditIsUndoneAndRedoneUntilSaved) {
    WordListTab& verbs = Open().tab(0);
    const std::vector<Text> before = Lines(verbs);
    verbs.SelectRow(1);
    verbs.lineEdit()->clear();
    QTest::keyClicks(verbs.lineEdit(), QStringLiteral("1schw2im.m3en"));
    QTest::keyClick(verbs.lineEdit(), Qt::Key_Return);
    verbs.AddLine();
    Type(verbs, QStringLiteral("1h2ü.pf3en"));
    verbs.ChangeLine();
    // The keys: Delete in the table, Ctrl+Up to move a line.
    verbs.SelectRow(0);
    verbs.table()->setFocus();
    QTest::keyClick(verbs.table(), Qt::Key_Delete);
    verbs.SelectRow(3);
    QTest::keyClick(verbs.table(), Qt::Key_Up, Qt::ControlModifier);
    std::vector<Text> after = before;
    after[1] = U"1schw2im.m3en";
    after.insert(after.begin() + 2, U"1h2ü.pf3en");
    after.erase(after.begin());
    std::swap(after[2], after[3]);
    EXPECT_EQ(Lines(verbs), after);
    EXPECT_TRUE(verbs.modified());

    while (verbs.undoStack().canUndo())
        verbs.undoStack().undo();
    EXPECT_EQ(Lines(verbs), before);
    EXPECT_FALSE(verbs.modified());
    while (verbs.undoStack().canRedo())
        verbs.undoStack().redo();
    EXPECT_EQ(Lines(verbs), after);

    // Going back with edits not saved asks first; "no" stays in the editor.
    dialogs_.QueueAnswer(DialogAnswer::No);
    Press(area_, QStringLiteral("WortlistenZurueck"));
    EXPECT_EQ(area_->currentPage(), &area_->wordListEditor());
}

TEST_F(WordListEditorTest, ASaveThatWouldBreakTheProgramIsRefusedAndTheFileKept) {
    WordListTab& rhymes = Open().tab(1);
    const std::string bytes = FileBytes(kRhymes);
    rhymes.SelectRow(17);
    rhymes.DeleteLine();
    rhymes.DeleteLine();
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    EXPECT_FALSE(rhymes.Save());
    EXPECT_NE(Said().find(U"18"), Text::npos) << Utf8(Said());
    EXPECT_EQ(FileBytes(kRhymes), bytes);
    EXPECT_TRUE(rhymes.modified());
    // A full disk: the message, the file as it was, the edits still there.
    rhymes.undoStack().undo();
    rhymes.undoStack().undo();
    rhymes.SelectRow(0);
    Type(rhymes, QStringLiteral("1gr2a-b3en"));
    rhymes.ChangeLine();
    dir_->SetFull(true);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    EXPECT_FALSE(rhymes.Save());
    EXPECT_EQ(FileBytes(kRhymes), bytes);
    EXPECT_EQ(Lines(rhymes)[0], U"1gr2a-b3en");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(WordListEditorTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheTeacherSaysSo) {
    WordListTab& verbs = Open().tab(0);
    verbs.SelectRow(0);
    Type(verbs, QStringLiteral("1schw2im.m3en"));
    verbs.ChangeLine();
    const std::string elsewhere = FileBytes("ZAHLVERB.TXT") + "1h2ü.pf3en\r\n";
    WriteFile(folder_, "ZAHLVERB.TXT", elsewhere);
    dialogs_.QueueAnswer(DialogAnswer::No);
    EXPECT_FALSE(verbs.Save());
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(FileBytes("ZAHLVERB.TXT"), elsewhere);
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    EXPECT_TRUE(verbs.Save());
    EXPECT_EQ(FileBytes("ZAHLVERB.TXT").substr(0, 15), "1schw2im.m3en\r\n");
    EXPECT_FALSE(verbs.modified());
    EXPECT_FALSE(verbs.undoStack().canUndo());
}

TEST_F(WordListEditorTest, ImportedVerbsJoinOnlyAsReviewedAndCorrected) {
    WordListEditor& editor = Open();
    WordListTab& verbs = editor.tab(0);
    WriteFile(folder_, "neu.txt", "schwimmen\nbacken\r\nrufen\n");
    area_->setOpenLocation([this](const QString&, const QString&) {
        return QString::fromStdString((folder_ / "neu.txt").string());
    });
    verbs.SelectRow(11);
    Press(&verbs, QStringLiteral("VerbenImportieren"));
    ASSERT_TRUE(editor.reviewing());
    QTableWidget* review = editor.importPage().table();
    ASSERT_EQ(review->rowCount(), 3);
    EXPECT_EQ(review->item(0, 2)->text(), QStringLiteral("1schw2im.m3en"));
    EXPECT_EQ(verbs.model().rowCount(), 12); // nothing added yet
    editor.importPage().Choose({0, 2});
    review->item(2, 2)->setText(QStringLiteral("1r2u-f3en"));
    Press(&editor, QStringLiteral("ImportAuswahl"));
    EXPECT_FALSE(editor.reviewing());
    const std::vector<Text> lines = Lines(verbs);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[12], U"1schw2im.m3en");
    EXPECT_EQ(lines[13], U"1r2u-f3en");
    // One step takes the whole import back.
    verbs.undoStack().undo();
    EXPECT_EQ(verbs.model().rowCount(), 12);
}

TEST_F(WordListEditorTest, ThePreviewDrawsInTheSettingsColoursAndTheLineIsChecked) {
    state_.ColorAnfang = 14; // yellow
    state_.ColorBlatt = 0;   // black
    WordListTab& verbs = Open().tab(0);
    verbs.SelectRow(0);
    // A plain verb: its marks are suggested, and accepted with a button.
    Type(verbs, QStringLiteral("schwimmen"));
    auto* accept = Find<QAbstractButton>(&verbs, QStringLiteral("VerbenVorschlagUebernehmen"));
    ASSERT_TRUE(accept->isVisible());
    Click(accept);
    EXPECT_EQ(verbs.lineEdit()->text(), QStringLiteral("1schw2im.m3en"));
    EXPECT_TRUE(TextOf(&verbs, QStringLiteral("VerbenAngaben")).contains(QStringLiteral("kurz")));
    const QImage picture = verbs.preview()->image();
    int anfang = 0;
    int background = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            anfang += pixel == PaletteColor(14).rgb() ? 1 : 0;
            background += pixel == PaletteColor(0).rgb() ? 1 : 0;
        }
    EXPECT_GT(anfang, 10);
    EXPECT_GT(background, picture.width() * picture.height() / 2);

    // A faulty line: its problem beside the field, and in the table once it is taken.
    Type(verbs, QStringLiteral("1schw2imm3en"));
    auto* problem = Find<QLabel>(&verbs, QStringLiteral("VerbenZeileHinweis"));
    EXPECT_TRUE(problem->isVisible());
    EXPECT_FALSE(problem->text().isEmpty());
    verbs.ChangeLine();
    EXPECT_FALSE(verbs.model().problems()[0].empty());
    EXPECT_TRUE(verbs.model()
                    .data(verbs.model().index(0, WordListModel::Problems), Qt::DisplayRole)
                    .toString() == problem->text());
}

} // namespace
} // namespace tamurik::testing
