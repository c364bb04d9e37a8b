// Verben zusammenpuzzeln on screen: tiles, drops onto the colour fields, points, messages.

#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/option_group.h"
#include "ui/text_qt.h"

#include <QLabel>

namespace tamurik::testing {
namespace {

// Read in file order (the scripted random draws 0): baden, wickeln, feiern make the set;
// zahlen ends like baden and is skipped.
const char* const kPuzzleVerbs = "1b2a-d3en\r\n1z2ah-l3en\r\n1w2i.ck3eln\r\n1f2ei-3ern\r\n"
                                 "1h2a.nd3eln\r\n1kl2e.tt3ern\r\n1sp2ie-l3en\r\n";

class ZusammenpuzzelnTest : public AppTest {
protected:
    void SetUp() override {
        StartSpeaking();
        WriteFile(folder_, "ZAHLVERB.TXT", kPuzzleVerbs);
        screen_ = OpenScreen<ZusammenpuzzelnScreen>(ScreenId::Zusammenpuzzeln);
        ASSERT_NE(screen_, nullptr);
    }
    QLabel* TileLabel(int i) {
        return Find<QLabel>(screen_, QStringLiteral("Bezeichnung%1").arg(4 + i));
    }
    QLabel* Field(int f) {
        return Find<QLabel>(screen_, QStringLiteral("Bezeichnung%1").arg(1 + f));
    }
    int Tile(const QString& caption) {
        for (int i = 0; i < 9; ++i)
            if (TileLabel(i)->text() == caption)
                return i;
        ADD_FAILURE() << "no tile " << caption.toStdString();
        return 0;
    }
    void Drop(int field, const QString& caption) { screen_->DropPart(field, Tile(caption)); }
    // Lays the parts still missing (an empty caption skips its field); the last one completes
    // the verb.
    void BuildVerb(const QString& first, const QString& middle, const QString& last) {
        const QString parts[] = {first, middle, last};
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        for (int f = 0; f < 3; ++f)
            if (!parts[f].isEmpty())
                Drop(f, parts[f]);
    }
    QStringList Tiles() {
        QStringList captions;
        for (int i = 0; i < 9; ++i)
            captions << TileLabel(i)->text();
        return captions;
    }
    QString PointsShown() { return Find<QLabel>(screen_, "Bezeichnung15")->text(); }

    ZusammenpuzzelnScreen* screen_ = nullptr;
};

TEST_F(ZusammenpuzzelnTest, AMiddlePartOfAnotherVerbIsRefusedForAPoint) {
    state_.Points = 1;
    Drop(0, "b");
    EXPECT_EQ(Field(0)->text(), "b");
    EXPECT_EQ(TileLabel(1)->text(), "");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Drop(1, "ick");
    EXPECT_EQ(dialogs_.last().text, U"Nicht gesucht, versuch ein anderes!\r");
    EXPECT_EQ(dialogs_.last().title, U"Verbteil");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(PointsShown(), "0");
    EXPECT_EQ(Field(1)->text(), "");
    // Never below zero.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Drop(1, "ei");
    EXPECT_EQ(state_.Points, 0);
    // A taken field costs nothing.
    state_.Points = 5;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Drop(0, "w");
    EXPECT_EQ(dialogs_.last().text, U"Dieses Feld ist schon belegt.\r");
    EXPECT_EQ(dialogs_.last().title, U"Fehler");
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::Stop);
    EXPECT_EQ(state_.Points, 5);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(ZusammenpuzzelnTest, ThreeFoundVerbsBringANewSet) {
    EXPECT_EQ(Tiles(), (QStringList{"ad", "b", "ei", "eln", "en", "ern", "f", "ick", "w"}));
    EXPECT_EQ(TileLabel(0)->textFormat(), Qt::PlainText);
    ExpectSilent(screen_, U"Baue zuerst ein Verb zusammen.");
    BuildVerb("w", "ick", "eln");
    // The verb built is heard, its syllables as the word list has them.
    EXPECT_EQ(Hear(screen_).first, U"wickeln");
    EXPECT_EQ(ReadSyllables(screen_).size(), 3u);
    EXPECT_EQ(dialogs_.last().text, U"wickeln\r\r");
    EXPECT_EQ(dialogs_.last().title, U"1. Verb gefunden");
    EXPECT_EQ(state_.Points, 3);
    EXPECT_EQ(PointsShown(), "3");
    for (int f = 0; f < 3; ++f)
        EXPECT_EQ(Field(f)->text(), "");
    BuildVerb("b", "ad", "en");
    EXPECT_EQ(dialogs_.last().title, U"2. Verb gefunden");
    // The solution lists the verbs left, for three points but never below zero.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_EQ(dialogs_.last().text, U"\rfeiern      \r\r");
    EXPECT_EQ(dialogs_.last().title, U"Verben zusammenbauen");
    EXPECT_EQ(state_.Points, 3);
    state_.Points = 2;
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, "Bild3"));
    EXPECT_EQ(state_.Points, 0);

    // The next set comes from a shuffled file: the draws now give hand, klettern, spielen.
    random_.QueueDraw(4, 7);
    random_.QueueDraw(4, 6);
    random_.QueueDraw(4, 5);
    BuildVerb("f", "ei", "ern");
    EXPECT_EQ(dialogs_.last().title, U"3. Verb gefunden");
    EXPECT_EQ(state_.Points, 3);
    EXPECT_EQ(Tiles(), (QStringList{"and", "eln", "en", "ern", "ett", "h", "iel", "kl", "sp"}));
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

} // namespace
} // namespace tamurik::testing
