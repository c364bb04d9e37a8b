// The meanings of rare verbs: right answers by the text of the line, a new set at every fourth
// point, the message field for mistakes and hints, and short lists.

#include "exercises/rhymes/verbbedeutung_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/option_group.h"

namespace tamurik::testing {
namespace {

// Six rare verbs between common ones. "warten" is part of the explanation of "zaudern".
const char* kVerbs = "1sp2ie-l3en\r\n"
                     "1z2au-d3ern = warten, zögern\r\n"
                     "1s2äu-m3en = warten\r\n"
                     "1r2en.n3en\r\n"
                     "1sch2uf.t3en = schwer arbeiten\r\n"
                     "1m2o-s3ern = <i>nörgeln</i>\r\n"
                     "1h2ad.d3ern = mit dem Schicksal hadern\r\n"
                     "1fl2u.nk3ern = schwindeln\r\n";

class VerbbedeutungScreenTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "ZAHLVERB.TXT", kVerbs);
        Start();
    }
    VerbbedeutungScreen* Open() {
        screen_ = OpenScreen<VerbbedeutungScreen>(ScreenId::Verbbedeutung);
        return screen_;
    }
    ClickLabel* Field(int n) {
        return Find<ClickLabel>(screen_, QStringLiteral("Bezeichnung%1").arg(4 + n));
    }
    QLabel* Message() { return Find<QLabel>(screen_, "Bezeichnung4"); }

    VerbbedeutungScreen* screen_ = nullptr;
};

TEST_F(VerbbedeutungScreenTest, FieldsHoldTheExplanationsInFileOrderAsPlainText) {
    Open();
    ASSERT_EQ(screen_->questions().size(), 4u);
    EXPECT_EQ(Field(1)->text(), " warten, zögern");
    EXPECT_EQ(Field(2)->text(), " warten");
    EXPECT_EQ(Field(3)->text(), " schwer arbeiten");
    EXPECT_EQ(Field(4)->text(), " <i>nörgeln</i>");
    EXPECT_EQ(Field(4)->textFormat(), Qt::PlainText);
    EXPECT_EQ(screen_->currentLine(), U"1z2au-d3ern = warten, zögern");
    // " warten" belongs to "säumen" but stands in the line of "zaudern" too: it counts as right.
    Click(Field(2));
    EXPECT_EQ(state_.Points, 1);
    EXPECT_EQ(screen_->currentLine(), U"1s2äu-m3en = warten");
    EXPECT_FALSE(Message()->isVisible());
}

TEST_F(VerbbedeutungScreenTest, SevenPointsAndARightAnswerDrawANewSet) {
    state_.Points = 7;
    Open();
    Click(Field(1));
    EXPECT_EQ(state_.Points, 8);
    EXPECT_EQ(screen_->questions().size(), 4u) << "a new set, not the three left of the old one";
    Click(Field(1));
    EXPECT_EQ(state_.Points, 9);
    EXPECT_EQ(screen_->questions().size(), 3u);
}

TEST_F(VerbbedeutungScreenTest, WrongAnswerAndHintShowTheMessageField) {
    Open();
    Click(Field(3));
    EXPECT_EQ(state_.Points, 0);
    EXPECT_TRUE(Message()->isVisible());
    EXPECT_EQ(Message()->text(), "\nLeider falsch, überlege nochmal.");
    EXPECT_EQ(screen_->currentLine(), U"1z2au-d3ern = warten, zögern") << "the question stays";
    Click(Message());
    EXPECT_FALSE(Message()->isVisible());

    state_.Points = 2;
    Click(Find<QWidget>(screen_, "Bild2"));
    EXPECT_EQ(Message()->text(), "\n warten, zögern");
    EXPECT_EQ(state_.Points, 1);
    Click(Field(1));
    EXPECT_FALSE(Message()->isVisible()) << "the next question hides it";
    EXPECT_EQ(Told("verbbedeutung"),
              (std::vector<std::string>{"1z2au-d3ern bedeutung schwer arbeiten - 0",
                                        "1z2au-d3ern bedeutung Tipp - 0",
                                        "1z2au-d3ern bedeutung warten, zögern + 0"}));
}

} // namespace
} // namespace tamurik::testing
