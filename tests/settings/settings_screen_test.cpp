// The settings screen: colours of the sample, fonts and size, the price, saving and undoing,
// and the best-list viewer.

#include "core/best_lists.h"
#include "core/settings_file.h"
#include "settings/settings_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"

#include <QApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>

#include <fstream>
#include <iterator>

namespace tamurik::testing {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Makes a file of the folder impossible to rewrite: the folder becomes read-only and the
// temporary file every rewrite goes through is taken by a folder (which also stops root).
void MakeUnwritable(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directory(folder / ("." + name + ".tmp"));
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

void MakeWritable(const std::filesystem::path& folder) {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
}

class SettingsScreenTest : public AppTest {
protected:
    // Opens the screen as the gate does, with these installed fonts.
    SettingsScreen* Open(QStringList fonts = {QStringLiteral("Zeta"), QStringLiteral("Arial"),
                                              QStringLiteral("tmkSchule"),
                                              QStringLiteral("DejaVu Sans"),
                                              QStringLiteral("Verdana")}) {
        auto* screen = dynamic_cast<SettingsScreen*>(&navigator_->screen(ScreenId::Settings));
        EXPECT_NE(screen, nullptr);
        screen->setFontSource([fonts] { return fonts; });
        navigator_->Open(ScreenId::Settings);
        EXPECT_TRUE(screen->fontScanPending());
        screen->ScanFonts();
        return screen;
    }
    QString Caption(const char* name) { return Find<QLabel>(screen_, name)->text(); }
    QColor Back(const char* name) {
        return Find<QWidget>(screen_, name)->palette().color(QPalette::Window);
    }
    QColor Fore(const char* name) {
        return Find<QWidget>(screen_, name)->palette().color(QPalette::WindowText);
    }
    QScrollBar* Slider(const char* name) { return Find<QScrollBar>(screen_, name); }
    void Drop(const char* target, const QString& format, const QByteArray& data) {
        QMimeData mime;
        mime.setData(format, data);
        QWidget* widget = Find<QWidget>(screen_, target);
        const QPoint centre = widget->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
    }

    SettingsScreen* screen_ = nullptr;
};

TEST_F(SettingsScreenTest, ClicksStepTheSampleColours) {
    Start();
    state_.ColorBlatt = 14;
    state_.ColorSchluss = 15;
    screen_ = Open();
    std::vector<int> seen;
    for (int click = 0; click < 15; ++click) {
        Click(Find<QWidget>(screen_, "Bezeichnung1"));
        seen.push_back(state_.ColorBlatt);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(Back("Bezeichnung1"), PaletteColor(14));
    EXPECT_EQ(Back("Bezeichnung3"), PaletteColor(14)) << "the word lies on the sheet";

    Click(Find<QWidget>(screen_, "Bezeichnung4"));
    EXPECT_EQ(state_.ColorSchluss, 0);
    EXPECT_EQ(Fore("Bezeichnung4"), PaletteColor(0));
    EXPECT_EQ(state_.ColorBlatt, 14) << "a click on a part does not reach the sheet";
    Click(Find<QWidget>(screen_, "Bezeichnung2"));
    EXPECT_EQ(state_.ColorAnfang, 11);
}

TEST_F(SettingsScreenTest, DroppedColourFieldColoursThePart) {
    Start();
    screen_ = Open();
    const auto* field = Find<QLabel>(screen_, "Bezeichnung22");
    EXPECT_EQ(field->text(), "7");
    EXPECT_EQ(field->palette().color(QPalette::Window), PaletteColor(7));
    EXPECT_EQ(Caption("Bezeichnung29"), "14");

    Drop("Bezeichnung3", QStringLiteral("application/x-tamurik-farbe"), "7");
    EXPECT_EQ(state_.ColorMitte, 7);
    EXPECT_EQ(Fore("Bezeichnung3"), PaletteColor(7));
    Drop("Bezeichnung1", QStringLiteral("application/x-tamurik-farbe"), "0");
    EXPECT_EQ(state_.ColorBlatt, 0);

    // Text dragged in from elsewhere, or a number that is no colour field, changes nothing.
    Drop("Bezeichnung3", QStringLiteral("text/plain"), "3");
    Drop("Bezeichnung3", QStringLiteral("application/x-tamurik-farbe"), "15");
    Drop("Bezeichnung3", QStringLiteral("application/x-tamurik-farbe"), "<b>");
    EXPECT_EQ(state_.ColorMitte, 7);
}

TEST_F(SettingsScreenTest, PriceFromTheFileIsShownUntilTheSliderMoves) {
    WriteFile(folder_, "TAMURIK.INI",
              "[Anfang]\r\n 10\r\n[Mitte]\r\n 12\r\n[Schluss]\r\n 9\r\n[Blatt]\r\n 1\r\n"
              "[Schrift]\r\nVerdana\r\n[Größe]\r\n 32\r\n[Spiel]\r\n 55\r\n");
    Start();
    ASSERT_EQ(state_.RewardCost, 55);
    screen_ = Open();
    EXPECT_EQ(Caption("Bezeichnung14"), "55");
    EXPECT_EQ(Slider("HBildlauf2")->value(), 6);
    Slider("HBildlauf2")->setValue(7);
    EXPECT_EQ(Caption("Bezeichnung14"), "70");
    EXPECT_EQ(state_.RewardCost, 55) << "the price counts from saving on";
    Slider("HBildlauf2")->setValue(50);
    EXPECT_EQ(Caption("Bezeichnung14"), "500");
}

TEST_F(SettingsScreenTest, SavedFileReadsBackAndUndoReturnsToTheSavedValues) {
    Start();
    screen_ = Open();
    Drop("Bezeichnung2", QStringLiteral("application/x-tamurik-farbe"), "4");
    Drop("Bezeichnung1", QStringLiteral("application/x-tamurik-farbe"), "11");
    Slider("HBildlauf1")->setValue(4); // Zeta
    Slider("HScroll1")->setValue(24);
    Slider("HBildlauf2")->setValue(25);
    EXPECT_EQ(Caption("Label1"), "Schrift 24");

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild2"));
    EXPECT_EQ(dialogs_.last().text, U"Programmdaten wurden gesichert.\r");
    EXPECT_EQ(dialogs_.last().title, U"Tamurik");
    EXPECT_EQ(state_.RewardCost, 250);

    MODUL1 reread;
    ASSERT_TRUE(ReadSettings(*dir_, reread));
    EXPECT_EQ(reread.ColorAnfang, 4);
    EXPECT_EQ(reread.ColorBlatt, 11);
    EXPECT_EQ(reread.FontName, U"Zeta");
    EXPECT_EQ(reread.FontSize, 24);
    EXPECT_EQ(reread.RewardCost, 250);

    // Changes after saving are undone back to what was saved, not to the values of before.
    Click(Find<QWidget>(screen_, "Bezeichnung2"));
    Slider("HBildlauf1")->setValue(0);
    Slider("HScroll1")->setValue(36);
    Slider("HBildlauf2")->setValue(1);
    Click(Find<QWidget>(screen_, "Bild5"));
    EXPECT_EQ(state_.ColorAnfang, 4);
    EXPECT_EQ(Fore("Bezeichnung2"), PaletteColor(4));
    EXPECT_EQ(Caption("Bezeichnung5"), "Zeta");
    EXPECT_EQ(Slider("HBildlauf1")->value(), 4);
    EXPECT_EQ(Slider("HScroll1")->value(), 24);
    EXPECT_EQ(state_.FontSize, 24);
    EXPECT_EQ(Caption("Bezeichnung14"), "250");
    EXPECT_EQ(Slider("HBildlauf2")->value(), 25);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(SettingsScreenTest, FailedSaveIsReportedAndTheValuesStayForThisRun) {
    Start();
    screen_ = Open();
    Slider("HBildlauf2")->setValue(30);
    MakeUnwritable(folder_, "TAMURIK.INI");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild2"));
    MakeWritable(folder_);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, U"Die Einstellungen konnten nicht gespeichert werden.\r");
    EXPECT_EQ(dialogs_.last().title, U"Tamurik");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "TAMURIK.INI"));
    EXPECT_EQ(state_.RewardCost, 300);
}

TEST_F(SettingsScreenTest, FontSliderShowsEachFontAndTheSavedOneOnReturn) {
    Start();
    screen_ = Open();
    EXPECT_TRUE(Find<QWidget>(screen_, "Bezeichnung7")->isHidden()) << "waiting text gone";
    EXPECT_EQ(Slider("HBildlauf1")->maximum(), 4);
    EXPECT_EQ(Slider("HBildlauf1")->value(), 3) << "Arial, DejaVu Sans, tmkSchule, Verdana, Zeta";
    Slider("HBildlauf1")->setValue(0);
    EXPECT_EQ(Caption("Bezeichnung5"), "Arial");
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung5")->font().family(), "Arial");
    EXPECT_EQ(state_.FontName, U"Arial") << "Quatschverben takes it when next opened";
    EXPECT_NE(Find<QWidget>(screen_, "Bezeichnung2")->font().family(), "Arial");
    Click(Find<QWidget>(screen_, "Bezeichnung5"));
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung2")->font().family(), "Arial");

    // Unsaved, the font lasts until the screen is opened again.
    Click(Find<QWidget>(screen_, "Bild1"));
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_EQ(state_.FontName, U"Arial");
    Open();
    EXPECT_EQ(Caption("Bezeichnung5"), "Verdana");
    EXPECT_EQ(state_.FontName, U"Verdana");
}

TEST_F(SettingsScreenTest, SavedFontThatIsNotInstalledKeepsItsName) {
    Start();
    state_.FontName = U"Nirgendwo <b>";
    screen_ = Open();
    EXPECT_EQ(Slider("HBildlauf1")->value(), 0);
    EXPECT_EQ(Caption("Bezeichnung5"), "Nirgendwo <b>");
    EXPECT_EQ(Find<QLabel>(screen_, "Bezeichnung5")->textFormat(), Qt::PlainText);
    EXPECT_EQ(state_.FontName, U"Nirgendwo <b>");
}

TEST_F(SettingsScreenTest, RecommendedFontsSlideInOrAreMissing) {
    Start();
    screen_ = Open();
    auto* list = Find<QListWidget>(screen_, "Liste4");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Arial");
    EXPECT_EQ(list->item(2)->text(), "Verdana");
    EXPECT_FALSE(list->isVisible());
    Click(Find<QWidget>(screen_, "Bild4"));
    EXPECT_EQ(list->x(), Px(2280));
    EXPECT_TRUE(list->isVisible());
    screen_->TakeRecommendedFont(1);
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung3")->font().family(), "tmkSchule");
    EXPECT_EQ(Caption("Bezeichnung5"), "Verdana") << "the stored font stays";
    Click(Find<QWidget>(screen_, "Bild4"));
    EXPECT_EQ(list->x(), Px(7800));
    EXPECT_FALSE(list->isVisible());

    Click(Find<QWidget>(screen_, "Bild1"));
    Open({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana Bold")});
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild4"));
    EXPECT_EQ(dialogs_.last().text, U"Es sind keine TMK-Schriften vorhanden!\r");
    EXPECT_EQ(dialogs_.last().title, U"Schriften");
    EXPECT_EQ(list->x(), Px(7800));
}

TEST_F(SettingsScreenTest, SizeSliderSetsTheSampleSize) {
    Start();
    screen_ = Open();
    EXPECT_EQ(Caption("Label1"), "Schrift 32");
    Slider("HScroll1")->setValue(20);
    EXPECT_EQ(Caption("Label1"), "Schrift 20");
    EXPECT_EQ(state_.FontSize, 20);
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung2")->font().pixelSize(),
              ScaledFont(QString(), 20).pixelSize());
}

TEST_F(SettingsScreenTest, HelpTextShowsAndHides) {
    Start();
    screen_ = Open();
    auto* panel = Find<QLabel>(screen_, "Bezeichnung7");
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->text().startsWith("Um die Farben zu ändern, klickt man"));
    EXPECT_TRUE(panel->text().endsWith(
        "Bestenlisten.\n\n>>>>>>>>>>>>>>>>       BITTE HIER KLICKEN       <<<<<<<<<<<<<<<<"));
    Click(panel);
    EXPECT_FALSE(panel->isVisible());
    Click(Find<QWidget>(screen_, "Bild3"));
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_FALSE(panel->isVisible());
}

class BestListViewerTest : public SettingsScreenTest {
protected:
    void SetUp() override {
        Start();
        WriteFile(folder_, "BESTFANG.LST",
                  ">   6     12   Mia\r\n>   3      4   Tom\r\n<   9      9   Alt\r\n");
        screen_ = Open();
        Click(Find<QWidget>(screen_, "Bild6"));
        records_ = Find<QListWidget>(screen_, "Liste3");
    }
    QStringList Shown() const {
        QStringList shown;
        for (int i = 0; i < records_->count(); ++i)
            shown << records_->item(i)->text();
        return shown;
    }
    std::string File() const { return ReadBytes(folder_ / "BESTFANG.LST"); }

    QListWidget* records_ = nullptr;
};

TEST_F(BestListViewerTest, ChoosingAListShowsItAndRewritesItsMarkers) {
    EXPECT_EQ(Caption("Label7"), "Zeit  Punkte  Spieldatum   Benutzername");
    EXPECT_EQ(Back("Label5"), PaletteColor(15));
    Click(Find<QWidget>(screen_, "Label2"));
    EXPECT_EQ(Caption("Label2"), " Bestenliste Devadodad");
    EXPECT_EQ(Caption("Label7"), "Verb   Zeit   Benutzername");
    EXPECT_EQ(Back("Label2"), PaletteColor(15));
    EXPECT_NE(Back("Label5"), PaletteColor(15));
    EXPECT_EQ(Shown(),
              (QStringList{"   9      9   Alt", "   3      4   Tom", "   6     12   Mia"}));
    EXPECT_EQ(File(), "<   9      9   Alt\r\n<   3      4   Tom\r\n<   6     12   Mia\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "BESTVERB.LST")) << "a missing list stays so";
    Click(Find<QWidget>(screen_, "Picture2"));
    EXPECT_FALSE(Find<QWidget>(screen_, "Bestenlisten")->isVisible());
}

TEST_F(BestListViewerTest, CuttingNeedsAMarkedEntry) {
    Click(Find<QWidget>(screen_, "Label2"));
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Picture4"));
    EXPECT_EQ(dialogs_.last().text, U"Es ist kein Eintrag markiert.\r");
    EXPECT_EQ(dialogs_.last().title, U"Ausschneiden");
    EXPECT_EQ(records_->count(), 3);

    records_->setCurrentRow(1);
    Click(Find<QWidget>(screen_, "Picture4"));
    EXPECT_EQ(Shown(), (QStringList{"   9      9   Alt", "   6     12   Mia"}));
    EXPECT_EQ(File(), "<   9      9   Alt\r\n<   6     12   Mia\r\n");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(BestListViewerTest, EmptyingAsksFirstAndLeavesAnEmptyFile) {
    Click(Find<QWidget>(screen_, "Label2"));
    const auto path = dir_->DisplayPath("BESTFANG.LST");
    dialogs_.QueueAnswer(DialogAnswer::No);
    Click(Find<QWidget>(screen_, "Picture3"));
    EXPECT_EQ(dialogs_.last().text, U"Diese Bestenliste jetzt löschen?\r");
    EXPECT_EQ(dialogs_.last().title, path);
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(records_->count(), 3);

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Picture3"));
    EXPECT_EQ(dialogs_.last().text, path + U" wurde gelöscht.\r");
    EXPECT_EQ(dialogs_.last().title, U"Bestenliste");
    EXPECT_EQ(records_->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "BESTFANG.LST"));
    EXPECT_EQ(File(), "");
}

TEST_F(BestListViewerTest, AListThatCannotBeRewrittenLosesNothing) {
    MakeUnwritable(folder_, "BESTFANG.LST");
    Click(Find<QWidget>(screen_, "Label2"));
    const std::string before = ">   6     12   Mia\r\n>   3      4   Tom\r\n<   9      9   Alt\r\n";
    EXPECT_EQ(File(), before);
    EXPECT_EQ(Shown(),
              (QStringList{"   9      9   Alt", "   3      4   Tom", "   6     12   Mia"}));

    records_->setCurrentRow(0);
    Click(Find<QWidget>(screen_, "Picture4"));
    EXPECT_EQ(records_->count(), 3);

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Click(Find<QWidget>(screen_, "Picture3"));
    MakeWritable(folder_);
    EXPECT_EQ(dialogs_.shown().size(), 1u) << "no word of success";
    EXPECT_EQ(records_->count(), 3);
    EXPECT_EQ(File(), before);
}

} // namespace
} // namespace tamurik::testing
