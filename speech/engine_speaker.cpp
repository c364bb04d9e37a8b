#include "speech/engine_speaker.h"

#include "core/spoken_words.h"
#include "speech/qt_tts_engine.h"
#include "ui/text_qt.h"

#include <QThread>

namespace tamurik {

// Lives on a session's thread and drives the engine there.
class EngineWorker : public QObject {
    Q_OBJECT
public:
    explicit EngineWorker(TtsEngineFactory factory) : factory_(std::move(factory)) {}

    void open() {
        engine_ = factory_();
        std::optional<TtsEngine::Failure> failure = engine_->open();
        if (failure) {
            emit failed(*failure);
            return;
        }
        connect(engine_.get(), &TtsEngine::finished, this, [this] { emit ended(current_); });
        connect(engine_.get(), &TtsEngine::failed, this, &EngineWorker::failed);
        emit opened(engine_->voices());
    }
    void say(quint64 id, const QString& text, const QString& voice, double rate) {
        current_ = id;
        engine_->say(text, voice, rate);
    }
    void stop() {
        current_ = 0;
        engine_->stop();
    }

signals:
    void opened(const QStringList& voices);
    void failed(const tamurik::TtsEngine::Failure& failure);
    void ended(quint64 id);

private:
    TtsEngineFactory factory_;
    std::unique_ptr<TtsEngine> engine_;
    quint64 current_ = 0;
};

struct EngineSpeaker::Session {
    QThread thread;
    EngineWorker* worker = nullptr;
};

namespace {
const QString kNoAnswer = QStringLiteral("Die Sprachausgabe antwortet nicht.");
// How long the end of the program waits for a session's thread to finish.
constexpr int kShutdownWaitMs = 1000;
} // namespace

EngineSpeaker::EngineSpeaker(TtsEngineFactory factory, Limits limits)
    : factory_(std::move(factory)), limits_(limits) {
    qRegisterMetaType<TtsEngine::Failure>();
    openWatch_.setSingleShot(true);
    connect(&openWatch_, &QTimer::timeout, this,
            [this] { giveUp(kNoAnswer, QStringLiteral("the engine did not open in time")); });
    utteranceWatch_.setSingleShot(true);
    connect(&utteranceWatch_, &QTimer::timeout, this,
            [this] { giveUp(kNoAnswer, QStringLiteral("an utterance did not end in time")); });
}

EngineSpeaker::EngineSpeaker() : EngineSpeaker(MakeQtTtsEngine, Limits{}) {}

EngineSpeaker::~EngineSpeaker() {
    if (session_)
        abandoned_.push_back(std::move(session_));
    for (std::unique_ptr<Session>& session : abandoned_) {
        session->thread.quit();
        // A thread stuck in the engine cannot be ended from here; it goes with the process.
        if (!session->thread.wait(kShutdownWaitMs))
            (void)session.release();
    }
}

void EngineSpeaker::setStatus(Status status) {
    status_ = status;
    emit statusChanged();
}

void EngineSpeaker::Start() {
    if (status_ == Status::Starting || status_ == Status::Ready)
        return;
    reason_.clear();
    detail_.clear();
    voices_.clear();
    session_ = std::make_unique<Session>();
    Session* session = session_.get();
    session->worker = new EngineWorker(factory_);
    session->worker->moveToThread(&session->thread);
    connect(&session->thread, &QThread::finished, session->worker, &QObject::deleteLater);
    connect(session->worker, &EngineWorker::opened, this,
            [this, session](const QStringList& voices) { opened(session, voices); });
    connect(session->worker, &EngineWorker::failed, this,
            [this, session](const TtsEngine::Failure& failure) { failed(session, failure); });
    connect(session->worker, &EngineWorker::ended, this,
            [this, session](quint64 id) { ended(session, id); });
    session->thread.start();
    QMetaObject::invokeMethod(session->worker, &EngineWorker::open, Qt::QueuedConnection);
    openWatch_.start(limits_.openMs);
    setStatus(Status::Starting);
}

void EngineSpeaker::opened(Session* session, const QStringList& voices) {
    if (session != session_.get())
        return;
    openWatch_.stop();
    for (const QString& voice : voices)
        voices_.push_back(FromQ(voice));
    status_ = Status::Ready;
    if (current_)
        hand(*current_);
    emit statusChanged();
}

void EngineSpeaker::failed(Session* session, const TtsEngine::Failure& failure) {
    if (session == session_.get())
        giveUp(failure.reason, failure.detail);
}

void EngineSpeaker::giveUp(const QString& reason, const QString& detail) {
    openWatch_.stop();
    utteranceWatch_.stop();
    current_.reset();
    if (session_) {
        // Its thread ends once the engine lets go of it; a fresh session serves the next try.
        session_->thread.quit();
        abandoned_.push_back(std::move(session_));
    }
    reason_ = FromQ(reason);
    detail_ = detail;
    voices_.clear();
    setStatus(Status::Unavailable);
}

void EngineSpeaker::Say(TextView text, const SpeechStyle& style, std::function<void()> ended) {
    Stop();
    const Text spoken = SpokenText(text);
    if (spoken.empty()) {
        // Nothing to say is said at once.
        if (ended)
            QTimer::singleShot(0, this, std::move(ended));
        return;
    }
    current_ = Utterance{++lastId_, spoken, style, std::move(ended)};
    if (status_ == Status::Ready)
        hand(*current_);
    else
        Start();
}

void EngineSpeaker::hand(const Utterance& utterance) {
    QMetaObject::invokeMethod(
        session_->worker,
        [worker = session_->worker, id = utterance.id, text = ToQ(utterance.text),
         voice = ToQ(utterance.style.voice),
         rate = RateForSpeed(utterance.style.speed)] { worker->say(id, text, voice, rate); },
        Qt::QueuedConnection);
    utteranceWatch_.start(limits_.utteranceMs +
                          limits_.perCharacterMs * static_cast<int>(utterance.text.size()));
}

void EngineSpeaker::Stop() {
    utteranceWatch_.stop();
    if (!current_)
        return;
    current_.reset();
    if (status_ == Status::Ready)
        QMetaObject::invokeMethod(session_->worker, &EngineWorker::stop, Qt::QueuedConnection);
}

void EngineSpeaker::ended(Session* session, quint64 id) {
    if (session != session_.get() || !current_ || current_->id != id)
        return;
    utteranceWatch_.stop();
    std::function<void()> done = std::move(current_->ended);
    current_.reset();
    if (done)
        done();
}

} // namespace tamurik

#include "engine_speaker.moc"
