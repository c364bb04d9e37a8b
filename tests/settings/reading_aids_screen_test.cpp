// The reading aids on the settings screen and in the exercises: the readability line follows
// the colours without a box, and a faint sample part is outlined; the two settings take effect on
// the screens at once and are kept in ZUSAETZE.INI, while TAMURIK.INI keeps its bytes.

#include "exercises/wordbuilding/verbformen_screen.h"
#include "settings/settings_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QCheckBox>
#include <QLineEdit>

#include <fstream>

namespace tamurik::testing {
namespace {

using Part = SettingsScreen::SamplePart;

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ReadingAidsScreenTest : public AppTest {
protected:
    void SetUp() override {
        Start();
        navigator_->Open(ScreenId::Settings);
        settings_ = dynamic_cast<SettingsScreen*>(navigator_->existing(ScreenId::Settings));
        ASSERT_NE(settings_, nullptr);
    }
    QString Line(const char* name) { return Find<QLabel>(settings_, name)->text(); }
    QCheckBox* Box(const char* name) { return Find<QCheckBox>(settings_, name); }
    // Pure white pixels on the Memory board: the outline around the faint light-blue endings.
    int WhiteOnTheMemoryBoard() {
        settings_->CloseSettings();
        navigator_->Open(ScreenId::Memory);
        const QImage& board =
            Find<PictureSurface>(&navigator_->screen(ScreenId::Memory), "Spielfeld")->image();
        int white = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                white += board.pixelColor(x, y) == Qt::white;
        navigator_->screen(ScreenId::Memory).hide();
        navigator_->Open(ScreenId::Settings);
        return white;
    }

    SettingsScreen* settings_ = nullptr;
};

TEST_F(ReadingAidsScreenTest, TheLineSaysHowReadableEachPartIsWithoutABox) {
    EXPECT_EQ(Line("Lesbarkeit"),
              "Anfang: gut lesbar   Mitte: gut lesbar   Schluss: schwer lesbar");
    EXPECT_EQ(Line("LesbarkeitHinweis"), "Schwer lesbare Wortteile bekommen einen Umriss.");
    auto* ende = Find<ClickLabel>(settings_, "Bezeichnung4");
    EXPECT_TRUE(ende->hasTextOutline());
    settings_->DropColour(Part::Schluss, 11);
    EXPECT_FALSE(ende->hasTextOutline());
    EXPECT_EQ(Line("Lesbarkeit"), "Anfang: gut lesbar   Mitte: gut lesbar   Schluss: gut lesbar");
    EXPECT_EQ(Line("LesbarkeitHinweis"), "");
    // A click on the sheet steps it to dark green, on which light red is hard to read.
    Click(Find<QWidget>(settings_, "Bezeichnung1"));
    EXPECT_EQ(state_.ColorBlatt, 2);
    EXPECT_EQ(Line("Lesbarkeit"),
              "Anfang: gut lesbar   Mitte: schwer lesbar   Schluss: gut lesbar");
    Box("UmrissFarben")->click();
    EXPECT_EQ(Line("LesbarkeitHinweis"),
              "Bitte eine andere Farbe wählen oder den Umriss einschalten.");
    EXPECT_FALSE(Find<ClickLabel>(settings_, "Bezeichnung3")->hasTextOutline());
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(ReadingAidsScreenTest, SettingsWorkOnTheExercisesAtOnceAndAreKeptApart) {
    const std::string ini = Bytes(folder_ / "TAMURIK.INI");
    EXPECT_TRUE(Box("UmrissFarben")->isChecked());
    EXPECT_FALSE(Box("WortteileOhneFarbe")->isChecked());
    EXPECT_GT(WhiteOnTheMemoryBoard(), 100);

    auto* board = Find<PictureSurface>(&navigator_->screen(ScreenId::Memory), "Spielfeld");
    const double plainWidth = board->MarkedWidth(U"1sp2ie-l3en");
    Box("WortteileOhneFarbe")->click();
    Box("UmrissFarben")->click();
    EXPECT_TRUE(navigator_->context().additions.partCues);
    EXPECT_FALSE(navigator_->context().additions.outlineFaintColours);
    EXPECT_GT(board->MarkedWidth(U"1sp2ie-l3en"), plainWidth) << "gaps between the parts";
    EXPECT_EQ(WhiteOnTheMemoryBoard(), 0);

    const AdditionsSettings kept = LoadAdditions(*dir_);
    EXPECT_TRUE(kept.partCues);
    EXPECT_FALSE(kept.outlineFaintColours);
    EXPECT_EQ(Bytes(folder_ / "TAMURIK.INI"), ini);

    // The next start shows them as they were left.
    navigator_.reset();
    Start();
    navigator_->Open(ScreenId::Settings);
    settings_ = dynamic_cast<SettingsScreen*>(navigator_->existing(ScreenId::Settings));
    EXPECT_FALSE(Box("UmrissFarben")->isChecked());
    EXPECT_TRUE(Box("WortteileOhneFarbe")->isChecked());
}

TEST_F(ReadingAidsScreenTest, AnUnwritableFileIsToldOnTheScreenAndTheSettingStillWorks) {
    // A folder where the file should be: no settings file can be written there.
    std::filesystem::create_directory(folder_ / "ZUSAETZE.INI");
    Box("WortteileOhneFarbe")->click();
    EXPECT_TRUE(navigator_->context().additions.partCues);
    EXPECT_EQ(Line("LesbarkeitHinweis"), "Die Lesehilfen konnten nicht gespeichert werden.");
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(ReadingAidsScreenTest, AnAcceptedFormOnTheDarkSheetIsOutlined) {
    settings_->CloseSettings();
    navigator_->Open(ScreenId::Verbformen);
    auto* screen = dynamic_cast<VerbformenScreen*>(navigator_->existing(ScreenId::Verbformen));
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->currentRow(), 1);
    screen->textBox()->setText(ToQ(screen->forms()[1]));
    EXPECT_EQ(screen->currentRow(), 2);
    // Black letters on the dark blue sheet (1.3 : 1) get a white outline.
    EXPECT_TRUE(Find<ClickLabel>(screen, "Bezeichnung4")->hasTextOutline());
    EXPECT_FALSE(Find<ClickLabel>(screen, "Bezeichnung5")->hasTextOutline());
}

} // namespace
} // namespace tamurik::testing
