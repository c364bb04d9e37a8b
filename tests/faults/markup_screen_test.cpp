// Markup in a user name, an explanation or a best list is shown as those characters on every
// screen: in labels, in list lines, in message boxes and in the best lists.

#include "core/settings_file.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "menu/main_menu.h"
#include "tests/faults/shown_text.h"
#include "tests/support/app_fixture.h"
#include "ui/exercise_frame.h"

#include <QListWidget>

#include <functional>
#include <vector>

namespace tamurik::testing {
namespace {

// Every verb is rare and explained with markup, so whichever is drawn brings some along.
const char* kMarkupVerbs = "1sch2uf.t3en = <img src=x>\r\n"
                           "1s2äu-m3en = <b>fett</b>\r\n"
                           "1z2au-d3ern = warten & <i>zögern</i>\r\n"
                           "1fl2u.nk3eln = <a href=\"x\">schwindeln</a>\r\n"
                           "1m2o-s3ern = n&ouml;rgeln<br>\r\n"
                           "1h2ad.d3ern = <u>hadern</u>\r\n"
                           "1w2i.ck3eln = <s>wickeln</s>\r\n"
                           "1f2ei-3ern = <p>feiern\r\n";

const Text kName = U"<b>fett</b>";
const QString kRecordName = QStringLiteral("<img src=x>");

class MarkupTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "ZAHLVERB.TXT", kMarkupVerbs);
        for (const char* list : {"BESTVERB.LST", "BESTHANG.LST", "BESTTEXT.LST", "BESTFANG.LST"})
            WriteFile(folder_, list, ">   6     12   <img src=x>\r\n>   3      4   <b>Tom</b>\r\n");
        for (double r : {0.05, 0.55, 0.25, 0.85, 0.15, 0.65, 0.35, 0.95, 0.45, 0.75})
            random_.Queue(r);
        Start();
        dialogs_.QueueInput(kName);
        Click(Find<QWidget>(Menu(), "Bild4"));
    }

    // No message box escaped the markup (a plain-text box would show "&lt;").
    void ExpectBoxesKeepTheCharacters() {
        for (const ShownDialog& shown : dialogs_.shown()) {
            EXPECT_EQ(shown.text.find(U"&lt;"), Text::npos) << Utf8(shown.text);
            EXPECT_EQ(shown.title.find(U"&lt;"), Text::npos) << Utf8(shown.title);
        }
    }
};

TEST_F(MarkupTest, NameAndExplanationsAreCharactersOnEveryExercise) {
    EXPECT_EQ(Menu()->windowTitle(), "Tamurik:  <b>fett</b>");
    ExpectPlainAndWhole(Menu());

    struct Exercise {
        ScreenId id;
        const char* userLabel;
        // Asks for the explanation of the current verb, where the exercise offers one.
        std::function<void(Screen&)> explain;
    };
    const std::vector<Exercise> exercises{
        {ScreenId::Quatschverben, "Bezeichnung10", nullptr},
        {ScreenId::VerbenTrennen, "Bezeichnung4",
         [](Screen& s) { dynamic_cast<VerbenTrennenScreen&>(s).ShowExplanation(); }},
        {ScreenId::SchnellLesen, "Bezeichnung1", nullptr},
        {ScreenId::AbcVerben, "Bezeichnung1", nullptr},
        {ScreenId::Memory, "Bezeichnung19", nullptr},
        {ScreenId::ReimverbenFinden, "Bezeichnung1", nullptr},
        {ScreenId::ReimverbenSchreiben, "Bezeichnung2", nullptr},
        {ScreenId::Verbbedeutung, "Bezeichnung2", nullptr},
        {ScreenId::Galgenspiel, "Bezeichnung4", nullptr},
        {ScreenId::Verbformen, "Bezeichnung1", nullptr},
        {ScreenId::Zusammenpuzzeln, "Bezeichnung16", nullptr},
        {ScreenId::Zusammensetzen, "Bezeichnung6",
         [](Screen& s) { dynamic_cast<ZusammensetzenScreen&>(s).ShowExplanation(); }},
        {ScreenId::VerbenSchreiben, "Bezeichnung5",
         [](Screen& s) {
             auto& screen = dynamic_cast<VerbenSchreibenScreen&>(s);
             screen.StartRun();
             screen.ShowExplanation();
         }},
    };
    for (const Exercise& exercise : exercises) {
        state_.Points = 5;
        navigator_->Open(exercise.id);
        Screen& screen = navigator_->screen(exercise.id);
        SCOPED_TRACE(screen.windowTitle().toStdString());
        ASSERT_TRUE(screen.isVisible());
        auto* user = Find<QLabel>(&screen, exercise.userLabel);
        ASSERT_NE(user, nullptr);
        EXPECT_EQ(user->text(), "<b>fett</b>");
        if (exercise.explain) {
            const std::size_t before = dialogs_.shown().size();
            exercise.explain(screen);
            // The explanation comes in a box or in a label of the screen, with its markup.
            bool shown = false;
            for (std::size_t i = before; i < dialogs_.shown().size(); ++i)
                shown = shown || dialogs_.shown()[i].text.find(U'<') != Text::npos;
            for (const QLabel* label : screen.findChildren<QLabel*>())
                shown = shown || (label->isVisible() && label != user &&
                                  label->text().contains(QLatin1Char('<')));
            EXPECT_TRUE(shown) << "the explanation was not shown";
        }
        ExpectPlainAndWhole(&screen);
        dynamic_cast<ExerciseFrame&>(screen).CloseExercise();
    }
    // The meanings game shows the explanations themselves.
    navigator_->Open(ScreenId::Verbbedeutung);
    int fieldsWithMarkup = 0;
    for (int field = 5; field <= 8; ++field) {
        auto* label = Find<QLabel>(&navigator_->screen(ScreenId::Verbbedeutung),
                                   QStringLiteral("Bezeichnung%1").arg(field));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        fieldsWithMarkup += label->text().contains(QLatin1Char('<')) ? 1 : 0;
    }
    EXPECT_GT(fieldsWithMarkup, 0);
    ExpectBoxesKeepTheCharacters();
}

TEST_F(MarkupTest, BestListsShowTheNamesAsCharacters) {
    navigator_->Open(ScreenId::Settings);
    Screen& settings = navigator_->screen(ScreenId::Settings);
    Click(Find<QWidget>(&settings, "Bild6"));
    auto* records = Find<QListWidget>(&settings, "Liste3");
    ASSERT_NE(records, nullptr);
    for (const char* list : {"Label2", "Label3", "Label4", "Label5"}) {
        SCOPED_TRACE(list);
        Click(Find<QWidget>(&settings, list));
        QStringList names;
        for (int row = 0; row < records->count(); ++row)
            names << records->item(row)->text();
        EXPECT_TRUE(names.join(QLatin1Char('|')).contains(kRecordName))
            << names.join('|').toStdString();
        EXPECT_TRUE(names.join(QLatin1Char('|')).contains("<b>Tom</b>"));
        ExpectPlainAndWhole(&settings);
    }

    // The exercises' own best lists.
    navigator_->Open(ScreenId::VerbenSchreiben);
    Screen& writing = navigator_->screen(ScreenId::VerbenSchreiben);
    auto* list = Find<QListWidget>(&writing, "Liste1");
    ASSERT_NE(list, nullptr);
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    EXPECT_TRUE(lines.join(QLatin1Char('|')).contains(kRecordName))
        << lines.join(QLatin1Char('|')).toStdString();
    ExpectPlainAndWhole(&writing);
    ExpectBoxesKeepTheCharacters();
}

// The settings file is data too: a font name with markup is a name like any other.
class MarkupSettingsTest : public AppTest {};

TEST_F(MarkupSettingsTest, FontNameFromTheSettingsFileIsShownAsCharacters) {
    Settings saved;
    saved.FontName = U"<b>Fett</b>";
    ASSERT_TRUE(dir_->WriteLines(kSettingsFile, FormatSettings(saved)));
    Start();
    EXPECT_EQ(state_.FontName, U"<b>Fett</b>");
    navigator_->Open(ScreenId::Settings);
    Screen& settings = navigator_->screen(ScreenId::Settings);
    auto* font = Find<QLabel>(&settings, "Bezeichnung5");
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->text().contains("<b>Fett</b>")) << font->text().toStdString();
    ExpectPlainAndWhole(&settings);
}

} // namespace
} // namespace tamurik::testing
