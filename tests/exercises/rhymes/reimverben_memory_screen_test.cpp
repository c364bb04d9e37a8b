// The rhyme memory as the child plays it: memorising, turning cards, penalties and points, the
// hint, the meaning line and a fresh game on every visit.

#include "exercises/rhymes/reimverben_memory_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/option_group.h"
#include "ui/picture_surface.h"

namespace tamurik::testing {
namespace {

const Text kMemorise = Text(U"Merke dir die Lage der Wörter gut.\r") +
                       U"Klicke danach auf die Startflagge!\rFür falsches Klicken gibt es Abzug!\r";

class MemoryScreenTest : public AppTest {
protected:
    void SetUp() override { Start(); }

    MemoryScreen* Open() {
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        navigator_->Open(ScreenId::Memory);
        auto* screen = dynamic_cast<MemoryScreen*>(navigator_->existing(ScreenId::Memory));
        EXPECT_EQ(dialogs_.last().text, kMemorise);
        return screen;
    }
    // Opens the screen and covers the board with the start flag.
    MemoryScreen* OpenAndPlay() {
        MemoryScreen* screen = Open();
        Click(Find<QWidget>(screen, "Bild5"));
        return screen;
    }
    QWidget* Cover(MemoryScreen* screen, int field) {
        return Find<QWidget>(screen, QStringLiteral("Bezeichnung%1").arg(field));
    }
    std::pair<int, int> FieldsOf(MemoryScreen* screen, int pair) {
        std::vector<int> fields;
        for (int f = 1; f <= kMemoryFields; ++f) {
            if (screen->game().card(f).pair == pair)
                fields.push_back(f);
        }
        EXPECT_EQ(fields.size(), 2u);
        return {fields.at(0), fields.at(1)};
    }
    QString Points(MemoryScreen* screen) { return Find<QLabel>(screen, "Bezeichnung26")->text(); }
};

TEST_F(MemoryScreenTest, WordsShowUntilTheFlagCoversThem) {
    MemoryScreen* screen = Open();
    EXPECT_EQ(dialogs_.last().title, U"Reimverben-Memory");
    QWidget* flag = Find<QWidget>(screen, "Bild5");
    EXPECT_TRUE(flag->isVisible());
    for (int f = 1; f <= kMemoryFields; ++f)
        EXPECT_FALSE(Cover(screen, f)->isVisible());
    Click(flag);
    EXPECT_FALSE(flag->isVisible());
    for (int f = 1; f <= kMemoryFields; ++f)
        EXPECT_TRUE(Cover(screen, f)->isVisible());
}

TEST_F(MemoryScreenTest, WrongPairIsCoveredAgainAtTheNextClickForOnePoint) {
    state_.Points = 1;
    MemoryScreen* screen = OpenAndPlay();
    const auto [a, c] = FieldsOf(screen, 2);
    const int b = FieldsOf(screen, 3).first;
    Click(Cover(screen, a));
    Click(Cover(screen, b));
    EXPECT_FALSE(Cover(screen, a)->isVisible());
    EXPECT_FALSE(Cover(screen, b)->isVisible());
    EXPECT_EQ(Points(screen), "1");
    Click(Cover(screen, c));
    EXPECT_TRUE(Cover(screen, a)->isVisible());
    EXPECT_TRUE(Cover(screen, b)->isVisible());
    EXPECT_FALSE(Cover(screen, c)->isVisible());
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Points(screen), "0");
    // At 0 points a wrong pair costs nothing more.
    Click(Cover(screen, b));
    Click(Cover(screen, a));
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(Cover(screen, c)->isVisible());
}

TEST_F(MemoryScreenTest, FoundPairEarnsTwoStaysOpenAndIsFramed) {
    MemoryScreen* screen = OpenAndPlay();
    const auto [a, b] = FieldsOf(screen, 4);
    Click(Cover(screen, a));
    Click(Cover(screen, b));
    EXPECT_EQ(state_.Points, 2);
    EXPECT_EQ(Points(screen), "2");
    // The frame runs along the top edge of each field's place, in the field colour.
    const QImage& board = Find<PictureSurface>(screen, "Spielfeld")->image();
    for (int field : {a, b}) {
        const int left = field <= 9 ? 950 : 4900;
        const int top = 950 + 600 * ((field - 1) % 9);
        bool framed = false;
        for (int dy = -1; dy <= 1; ++dy)
            framed =
                framed || board.pixelColor(Px(left + 1000), Px(top) + dy) == QColor(128, 255, 255);
        EXPECT_TRUE(framed) << "field " << field;
    }
    // The next click starts a fresh turn without a penalty.
    Click(Cover(screen, FieldsOf(screen, 5).first));
    EXPECT_EQ(state_.Points, 2);
    EXPECT_FALSE(Cover(screen, a)->isVisible());
}

TEST_F(MemoryScreenTest, HintNeedsAnOpenFieldAndCostsAPoint) {
    state_.Points = 3;
    MemoryScreen* screen = OpenAndPlay();
    Click(Find<QWidget>(screen, "Bild4"));
    EXPECT_EQ(dialogs_.shown().size(), 1u) << "only the memorise message";
    EXPECT_EQ(state_.Points, 3);

    const auto [a, b] = FieldsOf(screen, 1);
    Click(Cover(screen, b));
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen, "Bild4"));
    // Pair 1 is "baden" and "laden"; the hint lists them in field order.
    const Text baden = U"b a - d e n ";
    const Text laden = U"l a - d e n ";
    const bool badenFirst = screen->game().card(a).word == U"1b2a-d3en";
    EXPECT_EQ(dialogs_.last().text,
              (badenFirst ? baden + U"+ " + laden : laden + U"+ " + baden) + U"\r");
    EXPECT_EQ(dialogs_.last().title, U"Reimverben-Memory");
    EXPECT_EQ(state_.Points, 2);
}

TEST_F(MemoryScreenTest, MeaningLineShowsTheVerbListLineWithoutMarks) {
    WriteFile(folder_, "ZAHLVERB.TXT",
              "1sp2ie-l3en\r\n1b2a-d3en = sich <b>waschen</b>, schwimmen\r\n1k2o.ch3en\r\n");
    MemoryScreen* screen = OpenAndPlay();
    auto* meaning = Find<QLabel>(screen, "Label1");
    EXPECT_TRUE(meaning->text().isEmpty());
    const auto [a, b] = FieldsOf(screen, 1);
    const int baden = screen->game().card(a).word == U"1b2a-d3en" ? a : b;
    Click(Cover(screen, baden));
    EXPECT_EQ(meaning->text(), "baden = sich <b>waschen</b>, schwimmen");
    EXPECT_EQ(meaning->textFormat(), Qt::PlainText);
    Click(Cover(screen, baden == a ? b : a));
    EXPECT_EQ(meaning->text(), "laden") << "a verb not in the list shows as it is";
}

TEST_F(MemoryScreenTest, LastPairFinishesAndEveryVisitStartsAFreshGame) {
    MemoryScreen* screen = OpenAndPlay();
    for (int pair = 1; pair <= 8; ++pair) {
        const auto [a, b] = FieldsOf(screen, pair);
        Click(Cover(screen, a));
        Click(Cover(screen, b));
    }
    // Leaving in the middle of a game and coming back gives nine unsolved pairs.
    screen->CloseExercise();
    screen = OpenAndPlay();
    for (int f = 1; f <= kMemoryFields; ++f)
        EXPECT_FALSE(screen->game().solved(f));

    state_.Points = 0;
    for (int pair = 1; pair <= 9; ++pair) {
        const auto [a, b] = FieldsOf(screen, pair);
        Click(Cover(screen, a));
        if (pair == 9) {
            dialogs_.QueueAnswer(DialogAnswer::Ok);
            dialogs_.QueueAnswer(DialogAnswer::Ok);
        }
        Click(Cover(screen, b));
    }
    EXPECT_EQ(state_.Points, 18);
    const auto& shown = dialogs_.shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2].text, U"Prima, du hast es geschafft!\r");
    EXPECT_EQ(shown[shown.size() - 2].title, U"Memory");
    EXPECT_EQ(shown.back().text, kMemorise);
    EXPECT_TRUE(Find<QWidget>(screen, "Bild5")->isVisible());
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(MemoryScreenTest, ShortVowelLooksAtTheFirstVerbOfEachPairOnly) {
    // Long first verbs come first in the list; the short first verbs have long partners.
    std::string rhymes = "1l2ie-b3en\r\n1s2ie-b3en\r\n1h2o-l3en\r\n1j2o-l3en\r\n";
    const char* starts[] = {"b", "k", "r", "m", "w", "s", "pl", "t", "z"};
    int n = 0;
    for (const char* s : starts) {
        const std::string rhyme = std::string(1, static_cast<char>('a' + n++));
        rhymes += std::string("1") + s + "2a.ck3" + rhyme + "\r\n1x2a-ck3" + rhyme + "\r\n";
    }
    WriteFile(folder_, "ZAHLREIM.TXT", rhymes);
    // The main menu's choice reaches the hidden screen without starting a game there.
    navigator_->screen(ScreenId::Memory);
    navigator_->ApplySelectionEverywhere(SelectionGroup::Stammvokal,
                                         static_cast<int>(Stammvokal::Kurz));
    EXPECT_TRUE(dialogs_.shown().empty());
    MemoryScreen* screen = Open();
    for (int pair = 1; pair <= 9; ++pair) {
        const auto [a, b] = FieldsOf(screen, pair);
        const int shortVowels = Contains(screen->game().card(a).word, U'.') +
                                Contains(screen->game().card(b).word, U'.');
        EXPECT_EQ(shortVowels, 1) << "pair " << pair;
    }
    // On the visible screen a choice closes the panel and starts a new game.
    Click(Find<QWidget>(screen, "bild6"));
    dialogs_.ClearShown();
    screen->group(SelectionGroup::Stammvokal)->choose(static_cast<int>(Stammvokal::Alle));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, kMemorise);
    EXPECT_FALSE(screen->isPanelOpen());
}

TEST_F(MemoryScreenTest, RhymeListThatCannotServeSendsTheChildBackToTheMenu) {
    // Eight different rhymes only: "fa2den" rhymes with "ba2den".
    WriteFile(
        folder_, "ZAHLREIM.TXT",
        "1b2a-d3en\r\n1l2a-d3en\r\n1f2a-d3en\r\n1schl2a-d3en\r\n1k2o.ch3en\r\n1p2o.ch3en\r\n"
        "1r2en.n3en\r\n1tr2en.n3en\r\n1m2a-l3en\r\n1z2ah-l3en\r\n1s2in.g3en\r\n1kl2in.g3en\r\n"
        "1h2o-l3en\r\n1j2o-l3en\r\n1t2an.z3en\r\n1gl2an.z3en\r\n1z2ie-h3en\r\n1fl2ie-h3en\r\n");
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    navigator_->Open(ScreenId::Memory);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLREIM.TXT"), Text::npos);
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_FALSE(navigator_->existing(ScreenId::Memory)->isVisible());

    // A file of binary rubbish is no rhyme list either.
    WriteFile(folder_, "ZAHLREIM.TXT",
              std::string("\x00\xff\x13\r\n\x9d"
                          "2\x81",
                          8) +
                  "\r\n");
    dialogs_.ClearShown();
    navigator_->Open(ScreenId::Memory);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_NE(dialogs_.last().text.find(U"ZAHLREIM.TXT"), Text::npos);
    EXPECT_TRUE(Menu()->isVisible());
}

} // namespace
} // namespace tamurik::testing
