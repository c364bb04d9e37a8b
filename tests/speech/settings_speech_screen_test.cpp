// The settings screen's group on reading aloud: the engine's voices, a sample in the chosen
// voice and speed, saving into ZUSAETZE.INI (never TAMURIK.INI), undoing, and no voice.

#include "settings/settings_screen.h"
#include "tests/support/app_fixture.h"
#include "ui/additions_settings.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tamurik::testing {
namespace {

class SettingsSpeechTest : public AppTest {
protected:
    void Open() {
        navigator_->Open(ScreenId::Settings);
        screen_ = navigator_->existing(ScreenId::Settings);
        ASSERT_NE(screen_, nullptr);
        voices_ = Find<QComboBox>(screen_, QStringLiteral("Stimme"));
    }
    QStringList Voices() const {
        QStringList names;
        for (int i = 0; i < voices_->count(); ++i)
            names << voices_->itemText(i);
        return names;
    }
    QString Hint() { return Find<QLabel>(screen_, QStringLiteral("VorlesenHinweis"))->text(); }

    QWidget* screen_ = nullptr;
    QComboBox* voices_ = nullptr;
};

TEST_F(SettingsSpeechTest, ChosenVoiceAndSpeedAreHeardAndKeptInTheAdditionsFile) {
    StartSpeaking();
    Open();
    EXPECT_EQ(speaker_.status(), Speaker::Status::Ready) << "the settings ask for the voices";
    EXPECT_EQ(Voices(), (QStringList{"Deutsche Stimme des Systems", "German", "German+Anna"}));

    voices_->setFocus();
    QTest::keyClick(voices_, Qt::Key_End);
    Click(Find<QWidget>(screen_, QStringLiteral("Tempo0")));
    Click(Find<QPushButton>(screen_, QStringLiteral("Probehoeren")));
    ASSERT_EQ(speaker_.said().size(), 1u);
    EXPECT_EQ(speaker_.said()[0].style, (SpeechStyle{U"German+Anna", 0}));

    dialogs_.QueueAnswer(DialogAnswer::Ok);
    Click(Find<QWidget>(screen_, QStringLiteral("Bild2")));
    EXPECT_EQ(dialogs_.last().text, U"Programmdaten wurden gesichert.\r");
    EXPECT_EQ(LoadAdditions(*dir_).speechStyle, (SpeechStyle{U"German+Anna", 0}));
    EXPECT_EQ(FileBytes("TAMURIK.INI").find("German"), std::string::npos)
        << "TAMURIK.INI keeps its keys";

    // Switched off, the exercises show no speaker; the waste bin brings the saved state back.
    auto* on = Find<QCheckBox>(screen_, QStringLiteral("VorlesenAn"));
    on->setFocus();
    QTest::keyClick(on, Qt::Key_Space);
    EXPECT_FALSE(navigator_->context().additions.speech);
    EXPECT_FALSE(voices_->isEnabled());
    EXPECT_EQ(Hint(), "Die Übungen zeigen keine Lautsprecher.");
    Click(Find<QWidget>(screen_, QStringLiteral("Bild5")));
    EXPECT_TRUE(on->isChecked());
    EXPECT_EQ(navigator_->context().additions, LoadAdditions(*dir_));
}

TEST_F(SettingsSpeechTest, WithoutAVoiceTheChoiceStaysAndAnInstalledVoiceIsFoundOnReopening) {
    WriteFile(folder_, kAdditionsFile, "[Sprache]\nStimme=German+Otto\n");
    StartSpeaking();
    speaker_.LoseVoice(U"Keine Stimme gefunden");
    Open();
    EXPECT_EQ(Hint(), "Keine Stimme gefunden");
    EXPECT_FALSE(voices_->isEnabled());
    EXPECT_EQ(voices_->currentText(), "German+Otto") << "the saved voice is kept, not lost";

    speaker_.InstallVoice();
    Click(Find<QWidget>(screen_, QStringLiteral("Bild1")));
    Open();
    EXPECT_TRUE(voices_->isEnabled());
    EXPECT_EQ(Hint(), "");
    EXPECT_EQ(Voices().size(), 4) << "the engine's voices besides the saved one";
    EXPECT_EQ(voices_->currentText(), "German+Otto");
}

} // namespace
} // namespace tamurik::testing
