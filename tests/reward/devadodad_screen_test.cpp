// Devadodad: preparing a word, catching its letters with the arrow keys, the jumps, ending the
// game and the best list.

#include "reward/devadodad_screen.h"
#include "tests/support/app_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <utility>
#include <vector>

namespace tamurik::testing {
namespace {

using Cells = std::vector<std::pair<int, int>>;

class DevadodadTest : public AppTest {
protected:
    void SetUp() override { Start(); }

    // Opens the game with a verb list of this one line.
    void Open(const std::string& verbLine) {
        WriteFile(folder_, "ZAHLVERB.TXT", verbLine);
        random_.Clear();
        game_ = OpenScreen<DevadodadScreen>(ScreenId::Devadodad);
        ASSERT_NE(game_, nullptr);
        field_ = Find<QWidget>(game_, "Bild5");
    }
    // The next scatter puts the letters in these cells.
    void QueueCells(const Cells& cells) {
        random_.Clear();
        for (const auto& [x, y] : cells) {
            random_.QueueDraw(x, 17);
            random_.QueueDraw(y, 11);
        }
    }
    // Starts with a click on the field; the test then runs the clock itself.
    void StartWith(const Cells& cells) {
        QueueCells(cells);
        Click(field_);
        auto* timer = game_->findChild<QTimer*>("Zeit1");
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 1000);
        timer->stop();
    }
    Cells Letters() const {
        Cells cells;
        const CatchGame& game = game_->game();
        for (std::size_t i = 1; i <= game.CurrentWord.size(); ++i)
            cells.emplace_back(game.LetterX[i], game.LetterY[i]);
        return cells;
    }
    void Press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(field_, key);
    }
    QString Caption(const char* name) { return Find<QLabel>(game_, name)->text(); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i)
            game_->Tick();
    }

    DevadodadScreen* game_ = nullptr;
    QWidget* field_ = nullptr;
    // "nennen" in a row beside the catcher at (9, 6); the third letter is an "n" just left of it.
    const Cells kRow{{10, 6}, {11, 6}, {8, 6}, {12, 6}, {13, 6}, {14, 6}};
};

TEST_F(DevadodadTest, CatchingTheWordInOrderRecordsLettersAndSeconds) {
    Open("1n2en.n3en\r\n");
    EXPECT_EQ(Caption("Bezeichnung3"), "n");
    EXPECT_EQ(Caption("Bezeichnung5"), "ennen");
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Prepared);
    // Before the start the keys and the clock do nothing.
    Press(Qt::Key_Left);
    game_->Tick();
    EXPECT_EQ(game_->game().PosX, 9);
    EXPECT_EQ(game_->seconds(), 0);

    Find<QScrollBar>(game_, "HBildlauf1")->setValue(15);
    StartWith(kRow);
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Running);
    EXPECT_EQ(Letters(), kRow);
    Ticks(12);
    EXPECT_EQ(Caption("Bezeichnung6"), "12");
    EXPECT_EQ(Letters(), kRow) << "no jump before second 15";

    Press(Qt::Key_Left); // onto the second "n": not the next letter yet
    EXPECT_EQ(Caption("Bezeichnung4"), "");
    Press(Qt::Key_Right, 2);
    EXPECT_EQ(Caption("Bezeichnung4"), "n");
    EXPECT_EQ(Caption("Bezeichnung3"), "e");
    EXPECT_EQ(Caption("Bezeichnung5"), "nnen");
    Press(Qt::Key_Right);
    Press(Qt::Key_Left, 3);
    Press(Qt::Key_Right, 4);
    Press(Qt::Key_Right);
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Press(Qt::Key_Right);

    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Finished);
    EXPECT_EQ(Caption("Bezeichnung4"), "nennen");
    EXPECT_EQ(dialogs_.last().text, U"Du hast die 6 Buchstaben\rin 12 Sekunden geschafft.\r");
    EXPECT_EQ(FileBytes("BESTFANG.LST"), ">   6     12   Freund und Gast\r\n");
    EXPECT_EQ(Items(game_, "Liste1"), QStringList{"   6     12   Freund und Gast"});

    // A finished game adds nothing more, whatever the child presses or clicks.
    Press(Qt::Key_Left);
    Click(field_);
    game_->Tick();
    EXPECT_EQ(dir_->ReadLines("BESTFANG.LST")->size(), 1u);
    EXPECT_EQ(game_->seconds(), 12);

    Click(Find<QWidget>(game_, "Bezeichnung11"));
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_EQ(Find<QListWidget>(game_, "Liste1")->count(), 0);
    EXPECT_TRUE(dialogs_.allAnswersUsed());

    // A word from the file is shown as its letters.
    Open("<i>en\r\n");
    EXPECT_EQ(Caption("Bezeichnung5"), "i>en");
    EXPECT_EQ(Find<QLabel>(game_, "Bezeichnung5")->textFormat(), Qt::PlainText);
}

TEST_F(DevadodadTest, EndAndEscapeAskAndOnlyYesCloses) {
    Open("1n2en.n3en\r\n");
    StartWith(kRow);
    dialogs_.QueueAnswer(DialogAnswer::No);
    Click(Find<QWidget>(game_, "Befehl1"));
    EXPECT_EQ(dialogs_.last().text, U"Dieses Spiel jetzt beenden?\r");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_TRUE(game_->isVisible());
    game_->Tick();
    EXPECT_EQ(game_->seconds(), 1) << "the game runs on";

    dialogs_.QueueAnswer(DialogAnswer::No);
    Press(Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_TRUE(game_->isVisible());

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(game_->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_FALSE(game_->findChild<QTimer*>("Zeit1")->isActive());
    EXPECT_FALSE(dir_->Exists("BESTFANG.LST"));
}

} // namespace
} // namespace tamurik::testing
