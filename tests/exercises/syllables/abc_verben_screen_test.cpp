// ABC-Verben: the spaced verbs, the question, right and wrong picks, the bonus of a complete
// set, the set size and the alphabet help.

#include "exercises/syllables/abc_verben_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/option_group.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <algorithm>

namespace tamurik::testing {
namespace {

// The order of the five verbs of the file, spaced as the list shows them.
const std::vector<QString> kOrder{"a h n e n ", "b a c k e n ", "b a d e n ", "f a h r e n ",
                                  "g e h e n "};

class AbcVerbenTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "ZAHLVERB.TXT",
                  "1g2e-h3en\r\n1b2a.ck3en\r\n1b2a-d3en\r\n1ah-n3en\r\n1f2ah-r3en\r\n");
        StartSpeaking();
    }
    // Queues the ten pool draws among the five lines and the first place to ask.
    void QueuePool(const std::vector<int>& lines, int firstPlace) {
        random_.Clear();
        for (int k : lines)
            random_.QueueDraw(k, 5);
        random_.QueueDraw(firstPlace, 5);
    }
    AbcVerbenScreen* Open() { return OpenScreen<AbcVerbenScreen>(ScreenId::AbcVerben); }
    void Pick(AbcVerbenScreen* screen, const QString& text) {
        ClickItem(screen->list()->findItems(text, Qt::MatchExactly).value(0));
    }
    QString Question(AbcVerbenScreen* screen) {
        return Find<QLabel>(screen, "Bezeichnung4")->text();
    }
    // The place the question asks for, read from its text.
    int AskedPlace(AbcVerbenScreen* screen) {
        const QString q = Question(screen);
        return q.mid(QStringLiteral("Klicke das ").size()).section('.', 0, 0).toInt();
    }
};

TEST_F(AbcVerbenTest, OnlyTheVerbAtTheAskedPlaceIsRight) {
    QueuePool({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, 1);
    AbcVerbenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    QListWidget* list = screen->list();
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(), "g e h e n ");
    EXPECT_EQ(list->item(3)->text(), "a h n e n ");
    EXPECT_EQ(Find<QLabel>(screen, "Bezeichnung3")->text(), "5");
    EXPECT_EQ(Question(screen), "Klicke das 2. Wort nach dem ABC an.");
    ExpectSilent(screen, U"Klicke zuerst ein Verb an.");

    // Wrong with no points: the points stay at 0 and the question stays.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Pick(screen, "b a d e n ");
    EXPECT_EQ(dialogs_.last().text, U"Leider falsch, überlege nochmal.\r");
    EXPECT_EQ(dialogs_.last().title, U"ABC-Verben");
    EXPECT_EQ(state_.Points, 0);
    EXPECT_EQ(Question(screen), "Klicke das 2. Wort nach dem ABC an.");
    // The verb clicked last is heard.
    EXPECT_EQ(Hear(screen).first, U"baden");
    EXPECT_EQ(ReadSyllables(screen).size(), 3u);

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Pick(screen, "b a c k e n ");
    EXPECT_EQ(dialogs_.last().text, U"Richtig, weiter zum nächsten Verb.\r");
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(Find<QLabel>(screen, "Bezeichnung2")->text(), "1");
    EXPECT_NE(AskedPlace(screen), 2) << "a place is asked only once a set";
    EXPECT_EQ(Told("abc_verben"),
              (std::vector<std::string>{"1b2a.ck3en abc baden - 0", "1b2a.ck3en abc backen + 0"}));

    // A wrong pick with points costs one.
    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Pick(screen, AskedPlace(screen) == 1 ? kOrder[4] : kOrder[0]);
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(dialogs_.allAnswersUsed());
}

TEST_F(AbcVerbenTest, FourQuestionsThenABonusOfFive) {
    QueuePool({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, 0);
    AbcVerbenScreen* screen = Open();
    ASSERT_NE(screen, nullptr);
    std::vector<int> asked;
    for (int question = 0; question < 4; ++question) {
        const int place = AskedPlace(screen);
        ASSERT_GE(place, 1);
        ASSERT_LE(place, 5);
        asked.push_back(place);
        dialogs_.QueueAnswer(DialogAnswer::Ok);
        Pick(screen, kOrder[static_cast<std::size_t>(place - 1)]);
    }
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(std::adjacent_find(asked.begin(), asked.end()), asked.end()) << "four places";
    // Four right answers and the bonus for the five verbs of the set.
    EXPECT_EQ(state_.Points, 4 + 5);
    EXPECT_EQ(Find<QLabel>(screen, "Bezeichnung2")->text(), "9");
    const Text& marker = screen->set().marker();
    EXPECT_EQ(std::count(marker.begin(), marker.end(), U'1'), 1)
        << "a new set has asked its first question";
    EXPECT_EQ(dialogs_.shown().size(), 4u);
}

} // namespace
} // namespace tamurik::testing
