// The speaker icons every exercise has, on Verbbedeutung: what they say, the syllables lit up
// one utterance after the other, a press while speaking, closing the screen, no voice, speech
// switched off, and text from a word file said as plain text.

#include "exercises/rhymes/verbbedeutung_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"

#include <QImage>
#include <QTest>

namespace tamurik::testing {
namespace {

class SpeakerIconsTest : public AppTest {
protected:
    void SetUp() override {
        WriteFile(folder_, "ZAHLVERB.TXT",
                  "1z2au-d3ern = warten, zögern\r\n1s2äu-m3en = <speak><break time='3s'/>"
                  "warten</speak>\r\n1sch2uf.t3en = schwer arbeiten\r\n1r2en.n3en\r\n");
        StartSpeaking();
        screen_ = OpenScreen<VerbbedeutungScreen>(ScreenId::Verbbedeutung);
        ASSERT_NE(screen_, nullptr);
        ASSERT_EQ(screen_->currentLine(), U"1z2au-d3ern = warten, zögern");
    }
    bool Lit(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(255, 244, 160))
                    return true;
        return false;
    }

    VerbbedeutungScreen* screen_ = nullptr;
};

TEST_F(SpeakerIconsTest, TheIconsSayTheVerbWithTheSettingsVoiceAndSpeed) {
    ClickLabel* hear = HearIcon(screen_);
    ClickLabel* syllables = SyllableIcon(screen_);
    ASSERT_NE(hear, nullptr);
    ASSERT_NE(syllables, nullptr);
    EXPECT_TRUE(hear->isVisible() && hear->isEnabled());
    EXPECT_EQ(speaker_.status(), Speaker::Status::NotStarted) << "nothing speaks before a press";

    navigator_->context().additions.speechStyle = {U"German+Anna", 0};
    Click(hear);
    ASSERT_EQ(speaker_.said().size(), 1u);
    EXPECT_EQ(speaker_.said()[0].text, U"zaudern");
    EXPECT_EQ(speaker_.said()[0].style, (SpeechStyle{U"German+Anna", 0}));
    PressKey(screen_, Qt::Key_F2);
    EXPECT_EQ(speaker_.texts(), (std::vector<Text>{U"zaudern", U"zaudern"}));
}

TEST_F(SpeakerIconsTest, EachSyllableLightsUpWhileItIsSaidThenTheWholeVerb) {
    SpeakerIcons& icons = screen_->speakerIcons();
    PressKey(screen_, Qt::Key_F3);
    ASSERT_TRUE(icons.reader().reading());
    EXPECT_TRUE(icons.strip()->isVisible());
    EXPECT_EQ(icons.strip()->word(), U"1z2au-d3ern");
    EXPECT_EQ(speaker_.texts().back(), U"zau");
    EXPECT_EQ(icons.strip()->highlight(), (LetterRange{0, 3}));
    EXPECT_TRUE(Lit(icons.strip()->grab().toImage())) << "the lit letters stand on their backdrop";

    // The next syllable waits for the end of this one and the pause after it.
    icons.reader().EndPause();
    EXPECT_EQ(speaker_.said().size(), 1u);
    speaker_.EndUtterance();
    EXPECT_TRUE(icons.reader().pausing());
    EXPECT_EQ(icons.strip()->highlight(), std::nullopt);
    EXPECT_FALSE(Lit(icons.strip()->grab().toImage()));
    EXPECT_EQ(speaker_.said().size(), 1u);
    icons.reader().EndPause();
    EXPECT_EQ(speaker_.texts().back(), U"dern");
    EXPECT_EQ(icons.strip()->highlight(), (LetterRange{3, 4}));

    speaker_.EndUtterance();
    icons.reader().EndPause();
    EXPECT_EQ(speaker_.texts().back(), U"zaudern");
    EXPECT_EQ(icons.strip()->highlight(), std::nullopt);
    speaker_.EndUtterance();
    EXPECT_FALSE(icons.reader().reading());
    EXPECT_FALSE(icons.strip()->isVisible());
    EXPECT_EQ(speaker_.texts(), (std::vector<Text>{U"zau", U"dern", U"zaudern"}));
}

TEST_F(SpeakerIconsTest, APressWhileSpeakingStopsAndStartsAfresh) {
    SpeakerIcons& icons = screen_->speakerIcons();
    Click(SyllableIcon(screen_));
    speaker_.EndUtterance();
    icons.reader().EndPause();
    ASSERT_EQ(speaker_.texts().back(), U"dern");

    // Syllables again: from the first one.
    Click(SyllableIcon(screen_));
    EXPECT_EQ(speaker_.texts().back(), U"zau");
    EXPECT_EQ(icons.strip()->highlight(), (LetterRange{0, 3}));
    EXPECT_EQ(icons.reader().step(), 0u);

    // The whole verb: the reading stops, and nothing of it comes back.
    Click(HearIcon(screen_));
    EXPECT_FALSE(icons.reader().reading());
    EXPECT_FALSE(icons.strip()->isVisible());
    EXPECT_EQ(speaker_.texts().back(), U"zaudern");
    speaker_.EndUtterance();
    icons.reader().EndPause();
    EXPECT_EQ(speaker_.texts().back(), U"zaudern");
    EXPECT_FALSE(icons.strip()->isVisible());
}

TEST_F(SpeakerIconsTest, ClosingTheScreenStopsSpeech) {
    SpeakerIcons& icons = screen_->speakerIcons();
    Click(SyllableIcon(screen_));
    ASSERT_TRUE(speaker_.speaking());
    Click(Find<ClickLabel>(screen_, "Bild3"));
    EXPECT_FALSE(screen_->isVisible());
    EXPECT_FALSE(speaker_.speaking());
    EXPECT_FALSE(icons.reader().reading());
    EXPECT_FALSE(icons.strip()->isVisible());
    const std::size_t said = speaker_.said().size();
    speaker_.EndUtterance();
    icons.reader().EndPause();
    EXPECT_EQ(speaker_.said().size(), said);
}

TEST_F(SpeakerIconsTest, WithoutAVoiceTheIconsSaySoAndAPressTriesAgain) {
    speaker_.LoseVoice(U"Keine Stimme gefunden");
    for (ClickLabel* icon : {HearIcon(screen_), SyllableIcon(screen_)}) {
        EXPECT_TRUE(icon->isVisible());
        EXPECT_EQ(icon->toolTip(), "Keine Stimme gefunden");
        EXPECT_EQ(icon->accessibleDescription(), "Keine Stimme gefunden");
    }
    const int starts = speaker_.starts();
    Click(HearIcon(screen_));
    EXPECT_TRUE(speaker_.said().empty());
    EXPECT_GT(speaker_.starts(), starts);

    // The child plays on.
    Click(Find<ClickLabel>(screen_, "Bezeichnung5"));
    EXPECT_EQ(state_.Points, 1);

    // A voice installed meanwhile is found by the next press, without restarting.
    speaker_.InstallVoice();
    Click(HearIcon(screen_));
    EXPECT_EQ(speaker_.texts(), std::vector<Text>{U"säumen"});
    EXPECT_EQ(HearIcon(screen_)->toolTip(), "Anhören (F2)");
}

TEST_F(SpeakerIconsTest, SpeechSwitchedOffHidesTheIcons) {
    navigator_->context().additions.speech = false;
    Click(Find<ClickLabel>(screen_, "Bild3"));
    navigator_->Open(ScreenId::Verbbedeutung);
    EXPECT_FALSE(HearIcon(screen_)->isVisible());
    EXPECT_FALSE(SyllableIcon(screen_)->isVisible());
    PressKey(screen_, Qt::Key_F2);
    PressKey(screen_, Qt::Key_F3);
    EXPECT_TRUE(speaker_.said().empty());
}

TEST_F(SpeakerIconsTest, AnExplanationWithMarkupIsSaidAsPlainText) {
    Click(Find<ClickLabel>(screen_, "Bezeichnung5")); // right: "säumen" is asked next
    ASSERT_EQ(screen_->currentLine(), U"1s2äu-m3en = <speak><break time='3s'/>warten</speak>");
    EXPECT_EQ(Hear(screen_).first, U"säumen") << "the verb, until the hint shows its meaning";
    Click(Find<ClickLabel>(screen_, "Bild2"));
    EXPECT_EQ(Hear(screen_).first, U"speak break time='3s'/ warten /speak");
    EXPECT_EQ(ReadSyllables(screen_).size(), 3u) << "the syllables are the verb's";
}

} // namespace
} // namespace tamurik::testing
