// The program's speaker with engines that misbehave on purpose: it opens them on a thread of
// its own, so the window goes on while an engine takes its time or hangs; an engine without a
// German voice, with an error or without an answer makes it unavailable with a German reason;
// the next try opens a fresh engine; a stopped utterance never reports an end.

#include "speech/engine_speaker.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace tamurik {
namespace {

// How every engine the factory makes behaves; shared with the speaker's thread.
struct Script {
    std::mutex lock;
    std::optional<TtsEngine::Failure> failure;
    QStringList voices{QStringLiteral("German"), QStringLiteral("German+Anna")};
    bool endsUtterances = true;
    // open() waits for a release when this is set.
    bool blocksOpen = false;
    QSemaphore openGate;
    std::atomic<int> opening{0};
    std::atomic<int> opened{0};
    std::atomic<Qt::HANDLE> openThread{nullptr};
    QStringList said;
    std::vector<double> rates;
};

class FakeEngine : public TtsEngine {
public:
    explicit FakeEngine(Script& script) : script_(script) {}

    std::optional<Failure> open() override {
        script_.openThread = QThread::currentThreadId();
        ++script_.opening;
        bool blocks = false;
        {
            const std::lock_guard<std::mutex> guard(script_.lock);
            blocks = script_.blocksOpen;
        }
        if (blocks)
            script_.openGate.acquire();
        const std::lock_guard<std::mutex> guard(script_.lock);
        ++script_.opened;
        if (script_.failure)
            return script_.failure;
        voices_ = script_.voices;
        if (voices_.isEmpty())
            return Failure{QStringLiteral("Keine Stimme gefunden"), QStringLiteral("no voice")};
        return std::nullopt;
    }
    QStringList voices() const override { return voices_; }
    void say(const QString& text, const QString&, double rate) override {
        bool ends = false;
        {
            const std::lock_guard<std::mutex> guard(script_.lock);
            script_.said << text;
            script_.rates.push_back(rate);
            ends = script_.endsUtterances;
        }
        ++pending_;
        if (ends)
            QTimer::singleShot(20, this, [this] {
                if (pending_ > 0 && --pending_ == 0)
                    emit finished();
            });
    }
    void stop() override { pending_ = 0; }

private:
    Script& script_;
    QStringList voices_;
    int pending_ = 0;
};

class EngineSpeakerTest : public ::testing::Test {
protected:
    ~EngineSpeakerTest() override {
        // An engine still waiting is let go, so that its thread ends with the speaker.
        script_.openGate.release(100);
        speaker_.reset();
    }

    EngineSpeaker& MakeSpeaker(EngineSpeaker::Limits limits = {}) {
        speaker_ = std::make_unique<EngineSpeaker>(
            [this] { return std::make_unique<FakeEngine>(script_); }, limits);
        return *speaker_;
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 10000);
    }

    Script script_;
    std::unique_ptr<EngineSpeaker> speaker_;
};

TEST_F(EngineSpeakerTest, OpensOnItsOwnThreadWhileTheWindowGoesOn) {
    script_.blocksOpen = true;
    EngineSpeaker* speaker = &MakeSpeaker();
    EXPECT_EQ(speaker->status(), Speaker::Status::NotStarted);
    EXPECT_EQ(script_.opening, 0) << "nothing is opened before it is needed";

    int ends = 0;
    speaker->Say(U"schwimmen", {}, [&] { ++ends; });
    // Say() came back although the engine is still opening, and not on this thread.
    ASSERT_TRUE(WaitFor([&] { return script_.opening == 1; }));
    EXPECT_EQ(speaker->status(), Speaker::Status::Starting);
    EXPECT_NE(script_.openThread.load(), QThread::currentThreadId());

    script_.openGate.release();
    ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
    EXPECT_EQ(speaker->status(), Speaker::Status::Ready);
    EXPECT_EQ(script_.said, QStringList{QStringLiteral("schwimmen")});
    EXPECT_EQ(speaker->voices(), (std::vector<Text>{U"German", U"German+Anna"}));
}

TEST_F(EngineSpeakerTest, FaultsMakeItUnavailableWithAGermanReason) {
    const struct {
        const char* what;
        std::optional<TtsEngine::Failure> failure;
        QStringList voices;
        Text reason;
    } cases[] = {
        {"no speech-dispatcher",
         TtsEngine::Failure{QStringLiteral("Die Sprachausgabe lässt sich nicht starten."),
                            QStringLiteral("Connection to speech-dispatcher failed")},
         {QStringLiteral("German")},
         U"Die Sprachausgabe lässt sich nicht starten."},
        {"no German voice", std::nullopt, {}, U"Keine Stimme gefunden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        script_.failure = c.failure;
        script_.voices = c.voices;
        EngineSpeaker* speaker = &MakeSpeaker();
        QSignalSpy changes(speaker, &Speaker::statusChanged);
        bool ended = false;
        speaker->Say(U"backen", {}, [&] { ended = true; });
        ASSERT_TRUE(WaitFor([&] { return speaker->status() == Speaker::Status::Unavailable; }));
        EXPECT_EQ(speaker->reason(), c.reason);
        EXPECT_TRUE(speaker->voices().empty());
        EXPECT_GE(changes.count(), 2); // starting, then unavailable
        QTest::qWait(50);
        EXPECT_FALSE(ended);
    }
}

TEST_F(EngineSpeakerTest, AnEngineThatHangsIsGivenUpAndAFreshOneServesTheNextTry) {
    script_.blocksOpen = true;
    EngineSpeaker* speaker = &MakeSpeaker({.openMs = 200, .utteranceMs = 200, .perCharacterMs = 0});
    speaker->Say(U"backen", {}, nullptr);
    ASSERT_TRUE(WaitFor([&] { return speaker->status() == Speaker::Status::Unavailable; }));
    EXPECT_EQ(speaker->reason(), U"Die Sprachausgabe antwortet nicht.");

    // The voice has been installed meanwhile: the next press opens a new engine.
    {
        const std::lock_guard<std::mutex> guard(script_.lock);
        script_.blocksOpen = false;
    }
    int ends = 0;
    speaker->Say(U"packen", {}, [&] { ++ends; });
    ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
    EXPECT_EQ(speaker->status(), Speaker::Status::Ready);
    EXPECT_EQ(script_.opening, 2);
    EXPECT_EQ(script_.said, QStringList{QStringLiteral("packen")});

    // An utterance that never ends (a sound device that swallows it) is a hang too.
    script_.endsUtterances = false;
    bool ended = false;
    speaker->Say(U"schwimmen", {}, [&] { ended = true; });
    ASSERT_TRUE(WaitFor([&] { return speaker->status() == Speaker::Status::Unavailable; }));
    EXPECT_EQ(speaker->reason(), U"Die Sprachausgabe antwortet nicht.");
    EXPECT_FALSE(ended);
}

TEST_F(EngineSpeakerTest, OnlyTheLastUtteranceReportsItsEnd) {
    EngineSpeaker* speaker = &MakeSpeaker();
    std::vector<Text> ended;
    speaker->Start();
    ASSERT_TRUE(WaitFor([&] { return speaker->status() == Speaker::Status::Ready; }));
    // The second is handed over while the engine says the first.
    speaker->Say(U"backen", {}, [&] { ended.push_back(U"backen"); });
    speaker->Say(U"packen", {.voice = U"German+Anna", .speed = 0},
                 [&] { ended.push_back(U"packen"); });
    ASSERT_TRUE(WaitFor([&] { return !ended.empty(); }));
    QTest::qWait(100);
    EXPECT_EQ(ended, std::vector<Text>{U"packen"});

    speaker->Say(U"lachen", {}, [&] { ended.push_back(U"lachen"); });
    speaker->Stop();
    QTest::qWait(100);
    EXPECT_EQ(ended, std::vector<Text>{U"packen"}) << "a stopped utterance has no end";
    ASSERT_EQ(script_.said.size(), 3);
    EXPECT_EQ(script_.said[1], QStringLiteral("packen"));
    EXPECT_EQ(script_.rates[1], RateForSpeed(0));
    EXPECT_EQ(script_.rates[2], RateForSpeed(1));
}

TEST_F(EngineSpeakerTest, TheEngineGetsPlainTextOnly) {
    EngineSpeaker* speaker = &MakeSpeaker();
    bool ended = false;
    speaker->Say(U"<b>fett</b>\r\n<speak>", {}, [&] { ended = true; });
    ASSERT_TRUE(WaitFor([&] { return ended; }));
    EXPECT_EQ(script_.said, QStringList{QStringLiteral("b fett /b speak")});

    // Nothing left to say ends at once, without the engine.
    bool emptyEnded = false;
    speaker->Say(U"<>", {}, [&] { emptyEnded = true; });
    ASSERT_TRUE(WaitFor([&] { return emptyEnded; }));
    EXPECT_EQ(script_.said.size(), 1);
}

} // namespace
} // namespace tamurik
