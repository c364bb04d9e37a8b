#pragma once
// A whole program with a scripted speaker, for the screens' speaker icons.

#include "app/run.h"
#include "tests/speech/scripted_speaker.h"
#include "tests/support/app_fixture.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QTest>

namespace tamurik::testing {

class SpeechTest : public AppTest {
protected:
    ~SpeechTest() override { navigator_.reset(); }

    // Starts the program with the scripted speaker.
    void StartSpeaking() {
        ASSERT_TRUE(RunStartUp(*dir_, state_, dialogs_));
        navigator_ = std::make_unique<AppNavigator>(state_, *dir_, random_, clock_, dialogs_,
                                                    nullptr, nullptr, &speaker_);
        navigator_->setQuitHandler([] {});
        navigator_->ShowMenu();
    }
    template <typename T> T* OpenScreen(ScreenId id) {
        navigator_->Open(id);
        return dynamic_cast<T*>(navigator_->existing(id));
    }
    static ClickLabel* HearIcon(ExerciseFrame* screen) {
        return screen->findChild<ClickLabel*>(QStringLiteral("Anhoeren"));
    }
    static ClickLabel* SyllableIcon(ExerciseFrame* screen) {
        return screen->findChild<ClickLabel*>(QStringLiteral("SilbenAnhoeren"));
    }
    // F2 or F3 as the child presses it, wherever the keyboard focus is in the window.
    static void PressKey(ExerciseFrame* screen, Qt::Key key) {
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == screen ? focus : screen, key);
    }
    // What "Anhören" says now; empty, with the tooltip as the reason, when it is disabled.
    std::pair<Text, Text> Hear(ExerciseFrame* screen) {
        ClickLabel* icon = HearIcon(screen);
        const std::size_t before = speaker_.said().size();
        if (icon->isEnabled())
            Click(icon);
        if (speaker_.said().size() == before)
            return {Text(), FromQ(icon->toolTip())};
        return {speaker_.said().back().text, Text()};
    }
    // The syllable reading of the screen, utterance by utterance, with the letters lit up
    // while each is said; the speaker ends each utterance and the pause after it.
    std::vector<std::pair<Text, std::optional<LetterRange>>> ReadSyllables(ExerciseFrame* screen) {
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

    ScriptedSpeaker speaker_;
};

} // namespace tamurik::testing
