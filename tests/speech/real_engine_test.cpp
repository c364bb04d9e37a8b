// The real engine once: Qt TextToSpeech through speech-dispatcher with espeak-ng's German
// voice, headless. HOME is a temporary folder whose speech-dispatcher sends its sound to
// libao's null driver, so an utterance ends without a sound card and the user's own
// configuration stays untouched. The daemon the test starts is ended by its process id.
// When the engine cannot start here, the test fails with the engine's reason.

#include "speech/engine_speaker.h"
#include "speech/qt_tts_engine.h"
#include "ui/text_qt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

namespace tamurik {
namespace {

namespace fs = std::filesystem;

// The longest the engine may take here: it lists every voice it has when it opens, which
// took 10 s on a busy machine and more than 60 s there under the address sanitizer.
constexpr int kOpenWaitMs = 150000;

class RealEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device entropy;
        home_ = fs::temp_directory_path() / ("tamurik-speech-" + std::to_string(entropy()));
        fs::create_directories(home_ / ".config/speech-dispatcher");
        // The system's configuration, with the sound sent to libao, whose driver is "null".
        std::ifstream system("/etc/speech-dispatcher/speechd.conf", std::ios::binary);
        ASSERT_TRUE(system) << "speech-dispatcher is not installed";
        std::ofstream conf(home_ / ".config/speech-dispatcher/speechd.conf", std::ios::binary);
        conf << system.rdbuf() << "\nAudioOutputMethod \"libao\"\n";
        std::ofstream(home_ / ".libao") << "default_driver=null\n";
        // Everything speech-dispatcher finds its way by goes to the temporary home.
        setenv("HOME", home_.c_str(), 1);
        for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                 "SPEECHD_ADDRESS", "SPEECHD_HOST", "SPEECHD_PORT"})
            unsetenv(name);
    }

    void TearDown() override {
        speaker_.reset();
        EndDaemon();
        std::error_code ignored;
        fs::remove_all(home_, ignored);
    }

    // The daemon that opening the engine started writes its process id here.
    void EndDaemon() const {
        std::ifstream file(home_ / ".cache/speech-dispatcher/pid/speech-dispatcher.pid");
        long pid = 0;
        if (!(file >> pid) || pid <= 1)
            return;
        kill(static_cast<pid_t>(pid), SIGTERM);
        const bool ended =
            QTest::qWaitFor([pid] { return !fs::exists("/proc/" + std::to_string(pid)); }, 5000);
        EXPECT_TRUE(ended) << "speech-dispatcher " << pid << " is still running";
    }

    EngineSpeaker& Open() {
        speaker_ = std::make_unique<EngineSpeaker>(MakeQtTtsEngine,
                                                   EngineSpeaker::Limits{.openMs = kOpenWaitMs});
        QElapsedTimer clock;
        clock.start();
        speaker_->Start();
        const bool answered = QTest::qWaitFor(
            [this] { return speaker_->status() != Speaker::Status::Starting; }, kOpenWaitMs + 5000);
        EXPECT_TRUE(answered) << "the speaker's own watch did not end the wait";
        std::cout << "The engine answered after " << clock.elapsed() << " ms\n";
        return *speaker_;
    }

    fs::path home_;
    std::unique_ptr<EngineSpeaker> speaker_;
};

TEST_F(RealEngineTest, GermanVoicesAndOneWordSpokenToItsEnd) {
    EngineSpeaker& speaker = Open();
    ASSERT_EQ(speaker.status(), Speaker::Status::Ready)
        << "the engine did not start: " << ToUtf8(speaker.reason()) << " ("
        << speaker.detail().toStdString() << ")";
    ASSERT_FALSE(speaker.voices().empty());
    std::cout << "German voices: " << speaker.voices().size() << ", the first "
              << ToUtf8(speaker.voices().front()) << '\n';

    bool ended = false;
    QElapsedTimer clock;
    clock.start();
    speaker.Say(U"schwimmen", SpeechStyle{}, [&] { ended = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 20000))
        << "no end of the utterance: " << ToUtf8(speaker.reason()) << " ("
        << speaker.detail().toStdString() << ")";
    EXPECT_EQ(speaker.status(), Speaker::Status::Ready);
    std::cout << "\"schwimmen\" was said to its end after " << clock.elapsed() << " ms\n";
}

// Without a speech-dispatcher to reach, the engine says so (after trying for a while) and the
// speaker gives the German reason.
TEST_F(RealEngineTest, NoSpeechDispatcherGivesAReason) {
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + (home_ / "nobody-listens.sock").string()).c_str(),
           1);
    EngineSpeaker& speaker = Open();
    EXPECT_EQ(speaker.status(), Speaker::Status::Unavailable);
    EXPECT_EQ(speaker.reason(), U"Die Sprachausgabe lässt sich nicht starten.");
    std::cout << "The engine said: " << speaker.detail().toStdString() << '\n';
}

} // namespace
} // namespace tamurik

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
