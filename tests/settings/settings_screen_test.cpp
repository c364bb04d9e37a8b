// The settings screen: colours of the sample, fonts and size, the price, saving and undoing,
// and the best-list viewer.

#include "core/settings_file.h"
#include "settings/settings_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/palette.h"

#include <QApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>

namespace tamurik::testing {
namespace {

const QString kColour = QStringLiteral("application/x-tamurik-farbe");

class SettingsScreenTest : public AppTest {
protected:
    // Starts the program and opens the screen as the gate does, with these installed fonts.
    void Open(QStringList fonts = {QStringLiteral("Zeta"), QStringLiteral("Arial"),
                                   QStringLiteral("tmkSchule"), QStringLiteral("DejaVu Sans"),
                                   QStringLiteral("Verdana")}) {
        if (!navigator_)
            Start();
        screen_ = dynamic_cast<SettingsScreen*>(&navigator_->screen(ScreenId::Settings));
        ASSERT_NE(screen_, nullptr);
        screen_->setFontSource([fonts] { return fonts; });
        navigator_->Open(ScreenId::Settings);
        EXPECT_TRUE(screen_->fontScanPending());
        screen_->ScanFonts();
    }
    QString Caption(const char* name) { return TextOf(screen_, name); }
    QColor Colour(const char* name, QPalette::ColorRole role = QPalette::Window) {
        return Find<QWidget>(screen_, name)->palette().color(role);
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

TEST_F(SettingsScreenTest, ClicksAndDroppedColourFieldsColourTheSample) {
    Start();
    state_.ColorBlatt = 14;
    state_.ColorSchluss = 15;
    Open();
    Press(screen_, "Bezeichnung1");
    Press(screen_, "Bezeichnung1");
    EXPECT_EQ(state_.ColorBlatt, 1);
    EXPECT_EQ(Colour("Bezeichnung3"), PaletteColor(1)) << "the word lies on the sheet";
    Press(screen_, "Bezeichnung4");
    EXPECT_EQ(state_.ColorSchluss, 0);
    EXPECT_EQ(Colour("Bezeichnung4", QPalette::WindowText), PaletteColor(0));
    EXPECT_EQ(state_.ColorBlatt, 1) << "a click on a part does not reach the sheet";

    EXPECT_EQ(Colour("Bezeichnung22"), PaletteColor(7));
    Drop("Bezeichnung3", kColour, "7");
    EXPECT_EQ(state_.ColorMitte, 7);
    EXPECT_EQ(Colour("Bezeichnung3", QPalette::WindowText), PaletteColor(7));
    Drop("Bezeichnung1", kColour, "0");
    EXPECT_EQ(state_.ColorBlatt, 0);
    // Text dragged in from elsewhere, or a number that is no colour field, changes nothing.
    Drop("Bezeichnung3", QStringLiteral("text/plain"), "3");
    Drop("Bezeichnung3", kColour, "15");
    Drop("Bezeichnung3", kColour, "<b>");
    EXPECT_EQ(state_.ColorMitte, 7);
}

TEST_F(SettingsScreenTest, SavedFileReadsBackAndUndoReturnsToTheSavedValues) {
    Open();
    Drop("Bezeichnung2", kColour, "4");
    Slider("HBildlauf1")->setValue(4); // Zeta
    Slider("HScroll1")->setValue(24);
    Slider("HBildlauf2")->setValue(25);
    EXPECT_EQ(Caption("Label1"), "Schrift 24");

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press(screen_, "Bild2");
    EXPECT_EQ(dialogs_.last().text, U"Programmdaten wurden gesichert.\r");
    EXPECT_EQ(state_.RewardCost, 250);
    MODUL1 reread;
    ASSERT_TRUE(ReadSettings(*dir_, reread));
    EXPECT_EQ(reread.settings(), (Settings{4, 12, 9, 1, U"Zeta", 24, 250}));

    // Changes after saving are undone back to what was saved, not to the values of before.
    Press(screen_, "Bezeichnung2");
    Slider("HBildlauf1")->setValue(0);
    Slider("HScroll1")->setValue(36);
    Slider("HBildlauf2")->setValue(1);
    Press(screen_, "Bild5");
    EXPECT_EQ(state_.ColorAnfang, 4);
    EXPECT_EQ(Caption("Bezeichnung5"), "Zeta");
    EXPECT_EQ(Slider("HBildlauf1")->value(), 4);
    EXPECT_EQ(state_.FontSize, 24);
    EXPECT_EQ(Caption("Bezeichnung14"), "250");
    EXPECT_EQ(Slider("HBildlauf2")->value(), 25);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(SettingsScreenTest, FontSliderShowsEachFontAndTheSavedOneOnReturn) {
    Open();
    EXPECT_TRUE(Find<QWidget>(screen_, "Bezeichnung7")->isHidden()) << "waiting text gone";
    EXPECT_EQ(Slider("HBildlauf1")->value(), 3) << "Arial, DejaVu Sans, tmkSchule, Verdana, Zeta";
    Slider("HBildlauf1")->setValue(0);
    EXPECT_EQ(Caption("Bezeichnung5"), "Arial");
    EXPECT_EQ(state_.FontName, U"Arial") << "Quatschverben takes it when next opened";
    EXPECT_NE(Find<QWidget>(screen_, "Bezeichnung2")->font().family(), "Arial");
    Press(screen_, "Bezeichnung5");
    EXPECT_EQ(Find<QWidget>(screen_, "Bezeichnung2")->font().family(), "Arial");

    // Unsaved, the font lasts until the screen is opened again.
    Press(screen_, "Bild1");
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_EQ(state_.FontName, U"Arial");
    Open();
    EXPECT_EQ(Caption("Bezeichnung5"), "Verdana");
}

class BestListViewerTest : public SettingsScreenTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "BESTFANG.LST",
                  ">   6     12   Mia\r\n>   3      4   Tom\r\n<   9      9   Alt\r\n");
        Open();
        Press(screen_, "Bild6");
        Press(screen_, "Label2");
        records_ = Find<QListWidget>(screen_, "Liste3");
    }

    QListWidget* records_ = nullptr;
};

TEST_F(BestListViewerTest, ChoosingAListShowsItAndRewritesItsMarkers) {
    EXPECT_EQ(Caption("Label7"), "Verb   Zeit   Benutzername");
    EXPECT_EQ(Colour("Label2"), PaletteColor(15));
    EXPECT_NE(Colour("Label5"), PaletteColor(15));
    EXPECT_EQ(Items(screen_, "Liste3"),
              (QStringList{"   9      9   Alt", "   3      4   Tom", "   6     12   Mia"}));
    EXPECT_EQ(FileBytes("BESTFANG.LST"),
              "<   9      9   Alt\r\n<   3      4   Tom\r\n<   6     12   Mia\r\n");
    Press(screen_, "Label5");
    EXPECT_EQ(Caption("Label7"), "Zeit  Punkte  Spieldatum   Benutzername");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "BESTVERB.LST")) << "a missing list stays so";
    Press(screen_, "Picture2");
    EXPECT_FALSE(Find<QWidget>(screen_, "Bestenlisten")->isVisible());
}

TEST_F(BestListViewerTest, CuttingNeedsAMarkedEntryAndEmptyingAsksFirst) {
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press(screen_, "Picture4");
    EXPECT_EQ(dialogs_.last().text, U"Es ist kein Eintrag markiert.\r");
    EXPECT_EQ(records_->count(), 3);
    records_->setCurrentRow(1);
    Press(screen_, "Picture4");
    EXPECT_EQ(Items(screen_, "Liste3"), (QStringList{"   9      9   Alt", "   6     12   Mia"}));
    EXPECT_EQ(FileBytes("BESTFANG.LST"), "<   9      9   Alt\r\n<   6     12   Mia\r\n");

    const auto path = dir_->DisplayPath("BESTFANG.LST");
    dialogs_.QueueAnswer(DialogAnswer::No);
    Press(screen_, "Picture3");
    EXPECT_EQ(dialogs_.last().text, U"Diese Bestenliste jetzt löschen?\r");
    EXPECT_EQ(dialogs_.last().title, path);
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(records_->count(), 2);
    dialogs_.QueueAnswer(DialogAnswer::Yes);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press(screen_, "Picture3");
    EXPECT_EQ(dialogs_.last().text, path + U" wurde gelöscht.\r");
    EXPECT_EQ(records_->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "BESTFANG.LST"));
    EXPECT_EQ(FileBytes("BESTFANG.LST"), "");
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

} // namespace
} // namespace tamurik::testing
