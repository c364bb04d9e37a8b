// Devadodad: preparing a word, catching its letters with the arrow keys, the jumps, ending the
// game and the best list.

#include "reward/devadodad_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/geometry.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cstdio>
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
        navigator_->Open(ScreenId::Devadodad);
        game_ = dynamic_cast<DevadodadScreen*>(navigator_->existing(ScreenId::Devadodad));
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
    // Catches the letters of kRow in their order; the last one finishes the game.
    void CatchRow() {
        Press(Qt::Key_Right, 2);
        Press(Qt::Key_Left, 3);
        Press(Qt::Key_Right, 4);
        Press(Qt::Key_Right);
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        Press(Qt::Key_Right);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i)
            game_->Tick();
    }

    DevadodadScreen* game_ = nullptr;
    QWidget* field_ = nullptr;
    // "nennen" in a row beside the catcher at (9, 6); the third letter is an "n" just left of it.
    const Cells kRow{{10, 6}, {11, 6}, {8, 6}, {12, 6}, {13, 6}, {14, 6}};
};

TEST_F(DevadodadTest, PreparedWordWaitsForTheClick) {
    Open("1n2en.n3en\r\n");
    EXPECT_EQ(Caption("Bezeichnung3"), "n");
    EXPECT_EQ(Caption("Bezeichnung4"), "");
    EXPECT_EQ(Caption("Bezeichnung5"), "ennen");
    EXPECT_EQ(Caption("Bezeichnung6"), "0");
    EXPECT_EQ(Caption("Bezeichnung9"), "10");
    EXPECT_FALSE(Find<QWidget>(game_, "Bezeichnung8")->isVisible());
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Prepared);
    // Before the start the keys and the clock do nothing.
    Press(Qt::Key_Left);
    game_->Tick();
    EXPECT_EQ(game_->game().PosX, 9);
    EXPECT_EQ(game_->seconds(), 0);

    StartWith(kRow);
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Running);
    EXPECT_TRUE(Find<QWidget>(game_, "Bezeichnung8")->isVisible());
    EXPECT_EQ(Letters(), kRow);
}

TEST_F(DevadodadTest, EmptyOrOverlongWordBecomesQuatschverben) {
    Open(std::string(31, 'a') + "\r\n");
    EXPECT_EQ(Caption("Bezeichnung3"), "Q");
    EXPECT_EQ(Caption("Bezeichnung5"), "uatschverben");
    Open("");
    EXPECT_EQ(game_->game().CurrentWord, U"Quatschverben");
    Open("<i>en\r\n");
    EXPECT_EQ(Caption("Bezeichnung5"), "i>en");
    EXPECT_EQ(Find<QLabel>(game_, "Bezeichnung5")->textFormat(), Qt::PlainText);
}

TEST_F(DevadodadTest, CatchingTheWordInOrderRecordsLettersAndSeconds) {
    Open("1n2en.n3en\r\n");
    Find<QScrollBar>(game_, "HBildlauf1")->setValue(15);
    StartWith(kRow);
    Ticks(12);
    EXPECT_EQ(Caption("Bezeichnung6"), "12");
    EXPECT_EQ(Letters(), kRow) << "no jump before second 15";

    Press(Qt::Key_Left); // onto the second "n": not the next letter yet
    EXPECT_EQ(Caption("Bezeichnung4"), "");
    EXPECT_EQ(game_->game().CurrentWord, U"nennen");
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
    EXPECT_EQ(dialogs_.last().title, U"Devadodad");
    const auto lines = dir_->ReadLines("BESTFANG.LST");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<::tamurik::Text>{U">   6     12   Freund und Gast"}));
    auto* list = Find<QListWidget>(game_, "Liste1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "   6     12   Freund und Gast");
    EXPECT_EQ(Find<QWidget>(game_, "Bild1")->x(), Px(120));
    EXPECT_FALSE(Find<QWidget>(game_, "Bezeichnung8")->isVisible());

    // A finished game adds nothing more, whatever the child presses or clicks.
    Press(Qt::Key_Left);
    Click(field_);
    game_->Tick();
    EXPECT_EQ(dir_->ReadLines("BESTFANG.LST")->size(), 1u);
    EXPECT_EQ(game_->seconds(), 12);

    Click(Find<QWidget>(game_, "Bezeichnung11"));
    EXPECT_FALSE(game_->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_EQ(Find<QListWidget>(game_, "Liste1")->count(), 0);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(DevadodadTest, LettersJumpAtMultiplesOfTheSliderValue) {
    Open("1n2en.n3en\r\n");
    Find<QScrollBar>(game_, "HBildlauf1")->setValue(3);
    EXPECT_EQ(Caption("Bezeichnung9"), "3");
    const Cells start{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}};
    const Cells a{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    const Cells b{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}};
    const Cells c{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}};
    StartWith(start);
    QueueCells(a);
    Ticks(2);
    EXPECT_EQ(Letters(), start);
    game_->Tick();
    EXPECT_EQ(Letters(), a) << "second 3";
    QueueCells(b);
    Ticks(2);
    EXPECT_EQ(Letters(), a);
    game_->Tick();
    EXPECT_EQ(Letters(), b) << "second 6";

    // A slider moved during the game counts from the next tick on.
    Find<QScrollBar>(game_, "HBildlauf1")->setValue(15);
    QueueCells(c);
    Ticks(8);
    EXPECT_EQ(Letters(), b) << "seconds 7 to 14";
    game_->Tick();
    EXPECT_EQ(Letters(), c) << "second 15";
}

TEST_F(DevadodadTest, AJumpNeverLandsOnTheCatcher) {
    Open("1n2en.n3en\r\n");
    Find<QScrollBar>(game_, "HBildlauf1")->setValue(3);
    StartWith({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
    // The first letter's first draw is the catcher's cell (9, 6).
    QueueCells({{9, 6}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}});
    Ticks(3);
    EXPECT_EQ(Letters(), (Cells{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}));
    EXPECT_EQ(Caption("Bezeichnung4"), "") << "a jump catches nothing";
}

TEST_F(DevadodadTest, CatcherStopsAtTheGridEdges) {
    Open("1n2en.n3en\r\n");
    StartWith({{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}});
    QWidget* catcher = Find<QWidget>(game_, "Bezeichnung8");
    EXPECT_EQ(catcher->pos(), QPoint(Px(9 * 400), Px(6 * 400)));
    Press(Qt::Key_Up, 8);
    Press(Qt::Key_Left, 12);
    EXPECT_EQ(catcher->pos(), QPoint(0, 0));
    Press(Qt::Key_Down, 15);
    EXPECT_EQ(game_->game().PosY, 10);
    Press(Qt::Key_Right, 20);
    EXPECT_EQ(game_->game().PosX, 17);
    EXPECT_EQ(catcher->pos(), QPoint(Px(17 * 400), Px(10 * 400)));
    EXPECT_EQ(Caption("Bezeichnung4"), "");
}

TEST_F(DevadodadTest, EndAndEscapeAskAndOnlyYesCloses) {
    Open("1n2en.n3en\r\n");
    StartWith(kRow);
    dialogs_.QueueAnswer(DialogAnswer::No);
    Click(Find<QWidget>(game_, "Befehl1"));
    EXPECT_EQ(dialogs_.last().text, U"Dieses Spiel jetzt beenden?\r");
    EXPECT_EQ(dialogs_.last().title, U"Devadodad");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::Question);
    EXPECT_TRUE(game_->isVisible());
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Running);
    game_->Tick();
    EXPECT_EQ(game_->seconds(), 1) << "the game runs on";

    dialogs_.QueueAnswer(DialogAnswer::No);
    Press(Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(dialogs_.last().text, U"Dieses Spiel jetzt beenden?\r");
    EXPECT_TRUE(game_->isVisible());

    dialogs_.QueueAnswer(DialogAnswer::Yes);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(game_->isVisible());
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_FALSE(game_->findChild<QTimer*>("Zeit1")->isActive());
    EXPECT_FALSE(dir_->Exists("BESTFANG.LST"));
}

TEST_F(DevadodadTest, HelpExplainsTheGame) {
    Open("1n2en.n3en\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(game_, "Befehl2"));
    EXPECT_EQ(dialogs_.last().title, U"Devadodad: Hilfe");
    EXPECT_EQ(dialogs_.last().text,
              U"Du musst die Buchstaben eines Wortes der\rReihe nach fangen. Bei mehreren "
              U"gleichen\rBuchstaben weißt du aber nicht, welcher\rder Buchstaben zuerst "
              U"gefangen werden\rmuss. Da hilft nur eine schnelle Reaktion!\rSteuern musst du "
              U"mit den vier Pfeiltasten.\r");
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Prepared);
    // Without a mouse the game starts with the Enter key.
    QueueCells(kRow);
    Press(Qt::Key_Return);
    EXPECT_EQ(game_->phase(), DevadodadScreen::Phase::Running);
    EXPECT_EQ(Letters(), kRow);
    game_->findChild<QTimer*>("Zeit1")->stop();
}

TEST_F(DevadodadTest, HundredBestRecordsStayWhenTheNewOneSortsLast) {
    std::string earlier;
    for (int i = 0; i < 101; ++i) {
        char line[40];
        std::snprintf(line, sizeof line, ">   %d   %4d   Kind%03d\r\n", 1 + i % 5, i, i);
        earlier += line;
    }
    WriteFile(folder_, "BESTFANG.LST", earlier);
    Open("1n2en.n3en\r\n");
    Find<QScrollBar>(game_, "HBildlauf1")->setValue(15);
    StartWith(kRow);
    Ticks(12);
    CatchRow();
    ASSERT_EQ(game_->phase(), DevadodadScreen::Phase::Finished);

    EXPECT_EQ(Find<QListWidget>(game_, "Liste1")->count(), 102) << "shown before it is cut";
    const auto lines = dir_->ReadLines("BESTFANG.LST");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 100u);
    for (const auto& line : *lines) {
        EXPECT_EQ(line.find(U"Freund und Gast"), ::tamurik::Text::npos);
        EXPECT_EQ(line.front(), U'>');
    }
}

} // namespace
} // namespace tamurik::testing
