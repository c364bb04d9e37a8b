// The rhyme memory as the child plays it: memorising, turning cards, penalties and points, the
// hint, the meaning line and a fresh game on every visit.

#include "exercises/rhymes/reimverben_memory_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"

namespace tamurik::testing {
namespace {

const Text kMemorise = Text(U"Merke dir die Lage der Wörter gut.\r") +
                       U"Klicke danach auf die Startflagge!\rFür falsches Klicken gibt es Abzug!\r";

class MemoryScreenTest : public AppTest {
protected:
    void SetUp() override { StartSpeaking(); }

    MemoryScreen* Open() {
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        auto* screen = OpenScreen<MemoryScreen>(ScreenId::Memory);
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
};

TEST_F(MemoryScreenTest, LastPairFinishesAndEveryVisitStartsAFreshGame) {
    MemoryScreen* screen = Open();
    const Text why = U"Finde zuerst ein Reimpaar.";
    ExpectSilent(screen, why);
    // The words show until the start flag covers them.
    EXPECT_FALSE(Cover(screen, 1)->isVisible());
    Click(Find<QWidget>(screen, "Bild5"));
    EXPECT_TRUE(Cover(screen, 1)->isVisible());
    const auto word = [&](int field) { return CleanWord(screen->game().card(field).word); };
    for (int pair = 1; pair <= 8; ++pair) {
        const auto [a, b] = FieldsOf(screen, pair);
        Click(Cover(screen, a));
        if (pair == 1)
            ExpectSilent(screen, why);
        Click(Cover(screen, b));
        // The pair found last is heard.
        EXPECT_EQ(Hear(screen).first, word(a) + U", " + word(b));
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

} // namespace
} // namespace tamurik::testing
