#include "tests/support/app_fixture.h"

#include "app/run.h"
#include "menu/main_menu.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/speaker_icons.h"
#include "ui/syllable_reader.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <fstream>
#include <iterator>

namespace tamurik::testing {

void WriteFile(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void WriteWordFiles(const std::filesystem::path& folder) {
    WriteFile(folder, "ZAHLVERB.TXT",
              "1sp2ie-l3en\r\n1r2en.n3en\r\n1b2a-d3en\r\n1k2om.m3en\r\n1m2a-l3en\r\n"
              "1f2ah-r3en\r\n1w2is.s3en\r\n1k2o.ch3en\r\n1l2ie-b3en\r\n1f2in.d3en\r\n"
              "1sch2uf.t3en = schwer arbeiten, sich plagen\r\n1s2äu-m3en = warten, zögern\r\n");
    std::string rhymes;
    const char* pairs[][2] = {
        {"1b2a-d3en", "1l2a-d3en"},  {"1k2o.ch3en", "1p2o.ch3en"},   {"1r2en.n3en", "1tr2en.n3en"},
        {"1m2a-l3en", "1z2ah-l3en"}, {"1w2i.ck3eln", "1k2i.ck3eln"}, {"1s2in.g3en", "1kl2in.g3en"},
        {"1h2o-l3en", "1j2o-l3en"},  {"1t2an.z3en", "1gl2an.z3en"},  {"1z2ie-h3en", "1fl2ie-h3en"}};
    for (const auto& pair : pairs)
        rhymes += std::string(pair[0]) + "\r\n" + pair[1] + "\r\n";
    WriteFile(folder, "ZAHLREIM.TXT", rhymes);
}

AppTest::AppTest() {
    WriteWordFiles(folder_);
    dir_ = std::make_unique<FullDiskWorkDir>(folder_);
}

AppTest::~AppTest() {
    navigator_.reset();
}

void AppTest::Start(Record* record, RecordQueries* queries, Speaker* speaker) {
    ASSERT_TRUE(RunStartUp(*dir_, state_, dialogs_));
    navigator_ = std::make_unique<AppNavigator>(state_, *dir_, random_, clock_, dialogs_,
                                                record ? record : &record_, queries, speaker);
    navigator_->setQuitHandler([this] { ++quitCalls_; });
    navigator_->ShowMenu();
}

void AppTest::ClickItem(QListWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    QListWidget* list = item->listWidget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
}

QWidget* AppTest::Menu() {
    return &navigator_->menu();
}

void AppTest::Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " is hidden";
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QString AppTest::TextOf(QWidget* window, const QString& label) {
    auto* found = Find<QLabel>(window, label);
    return found ? found->text() : QString();
}

QStringList AppTest::Items(QWidget* window, const QString& list) {
    QStringList items;
    if (auto* found = Find<QListWidget>(window, list))
        for (int row = 0; row < found->count(); ++row)
            items << found->item(row)->text();
    return items;
}

std::vector<std::string> AppTest::Told(const std::string& exercise, bool fromVerbList) {
    std::vector<std::string> lines;
    for (const Answer& a : record_.answers) {
        EXPECT_EQ(a.exercise, exercise);
        EXPECT_EQ(a.fromVerbList, fromVerbList) << ToUtf8(a.item);
        lines.push_back(ToUtf8(a.item) + " " + a.asked + " " + ToUtf8(a.given) +
                        (a.right ? " + " : " - ") + std::to_string(a.millis));
    }
    record_.answers.clear();
    return lines;
}

std::string AppTest::FileBytes(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ClickLabel* AppTest::HearIcon(ExerciseFrame* screen) {
    return screen->findChild<ClickLabel*>(QStringLiteral("Anhoeren"));
}

ClickLabel* AppTest::SyllableIcon(ExerciseFrame* screen) {
    return screen->findChild<ClickLabel*>(QStringLiteral("SilbenAnhoeren"));
}

void AppTest::PressKey(ExerciseFrame* screen, Qt::Key key) {
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == screen ? focus : screen, key);
}

std::pair<Text, Text> AppTest::Hear(ExerciseFrame* screen) {
    ClickLabel* icon = HearIcon(screen);
    const std::size_t before = speaker_.said().size();
    if (icon->isEnabled())
        Click(icon);
    if (speaker_.said().size() == before)
        return {Text(), FromQ(icon->toolTip())};
    return {speaker_.said().back().text, Text()};
}

std::vector<std::pair<Text, std::optional<LetterRange>>>
AppTest::ReadSyllables(ExerciseFrame* screen) {
    std::vector<std::pair<Text, std::optional<LetterRange>>> read;
    SpeakerIcons& icons = screen->speakerIcons();
    Click(SyllableIcon(screen));
    for (int guard = 0; icons.reader().reading() && guard < 50; ++guard) {
        read.emplace_back(speaker_.said().back().text, icons.strip()->highlight());
        speaker_.EndUtterance();
        icons.reader().EndPause();
    }
    return read;
}

void AppTest::ExpectSilent(ExerciseFrame* screen, const Text& why) {
    EXPECT_FALSE(HearIcon(screen)->isEnabled());
    EXPECT_FALSE(SyllableIcon(screen)->isEnabled());
    const std::size_t said = speaker_.said().size();
    PressKey(screen, Qt::Key_F2);
    PressKey(screen, Qt::Key_F3);
    EXPECT_EQ(speaker_.said().size(), said) << "a disabled icon says nothing, F2 neither";
    EXPECT_EQ(Hear(screen), (std::pair<Text, Text>{Text(), why}));
}

} // namespace tamurik::testing
