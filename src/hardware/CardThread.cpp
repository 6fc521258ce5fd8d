#include "CardThread.h"

#include "Mixer.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <algorithm>

tCardState CaptureCardState(TRadioCard& card)
{
    tCardState s;
    s.model = card.Model();
    s.port = card.Port();
    for (int m = 0; m < ModelCount; ++m) s.caps[std::size_t(m)] = card.GetDevCap(tModel(m));
    s.active = card.Active();
    s.muted = card.Muted();
    s.startMutedPending = card.StartMutedPending();
    s.mutedStartup = card.MutedStartup();
    s.muteOnExit = card.MuteOnExit();
    s.frequency = card.Frequency();
    s.band = card.Band();
    s.volume = card.Volume();
    s.volumeLine = card.VolumeLine();
    s.volumeStep = card.VolumeStep();
    s.volumeMax = card.VolumeMax();
    s.japaneseFM = card.JapaneseFM();
    s.stereo = card.Stereo();
    s.lastFM = card.LastFM();
    s.lastAM = card.LastAM();
    s.soundCardPresent = card.SoundCardPresent();
    for (tVolumeLine line : {vlLineIn, vlMicIn, vlCd}) s.lineAvailable[std::size_t(line)] = card.LineAvailable(line);
    s.fmMin = card.FMMin();
    s.fmMax = card.FMMax();
    s.amMin = card.AMMin();
    s.amMax = card.AMMax();
    s.minFrequency = card.MinFrequency();
    s.maxFrequency = card.MaxFrequency();
    s.frequencyStep = card.FrequencyStep();
    s.rds = card.Rds();
    s.signalLevelDb = card.SignalLevelDb();
    s.devicePath = card.DevicePath();
    s.noRecordingReason = card.NoRecordingReason();
    s.openError = card.OpenError();
    s.sdr = card.Sdr();
    s.usbAudio = card.UsbAudio();
    if (const TAudioLoop* loop = card.UsbAudioLoop()) {
        s.usbAudioLoop = true;
        s.usbAudioRunning = loop->Running();
        s.usbAudioError = QString::fromStdString(loop->Error());
    }
    if (TSdrReceiver* sdr = card.SdrReceiver()) s.sdrAudioError = QString::fromStdString(sdr->AudioError());
    return s;
}

TCardThread::TCardThread(TRadioCard& card, tMode mode, QObject* parent) : QObject(parent), card_(card), mode_(mode)
{
    // What the card says of a failure comes under the job that met it, or
    // from the serial line's polling on this thread between jobs.
    card_.OnDeviceError = [this](const QString& what) {
        {
            const std::lock_guard guard(lock_);
            deviceError_ = what;
        }
        if (QThread::currentThread() == thread() && directDepth_ == 0)
            QMetaObject::invokeMethod(this, [this] { Direct([](TRadioCard&) {}); }, Qt::QueuedConnection);
    };
    card_.SerialPort().SetPollLock(&cardLock_);
    // The sound card's news of its lines changes the card's volume and mute.
    if (auto* mixer = dynamic_cast<TMixer*>(card_.Mixer()))
        mixer->NotifyGuard = [this](const std::function<void()>& read) { Direct([&read](TRadioCard&) { read(); }); };
    state_ = Capture();
    if (mode_ == tMode::Threaded) thread_ = std::thread([this] { Run(); });
}

TCardThread::~TCardThread()
{
    Stop();
    card_.OnDeviceError = nullptr;
    card_.SerialPort().SetPollLock(nullptr);
    if (auto* mixer = dynamic_cast<TMixer*>(card_.Mixer())) mixer->NotifyGuard = nullptr;
}

tCardState TCardThread::Capture()
{
    tCardState state = CaptureCardState(card_);
    const std::lock_guard guard(lock_);
    state.Serial = ++serial_;
    return state;
}

void TCardThread::Post(tCardJobKind kind, tJob job, tDone done)
{
    if (mode_ == tMode::Inline) {
        if (Stopped()) return;
        tQueued queued{kind, std::move(job), std::move(done)};
        tReply reply;
        {
            const std::lock_guard card(cardLock_);
            reply = Execute(queued);
        }
        Apply(reply, true);
        return;
    }
    {
        const std::lock_guard guard(lock_);
        if (stopping_) return;
        if (kind != tCardJobKind::Plain)
            queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                        [kind](const tQueued& q) { return q.kind == kind; }),
                         queue_.end());
        queue_.push_back({kind, std::move(job), std::move(done)});
    }
    wake_.notify_one();
}

TCardThread::tReply TCardThread::Execute(tQueued& queued)
{
    tReply reply;
    try {
        reply.result = queued.job(card_);
    } catch (...) {
        reply.failure = std::current_exception();
    }
    reply.done = std::move(queued.done);
    reply.state = Capture();
    const std::lock_guard guard(lock_);
    reply.deviceError = std::exchange(deviceError_, QString());
    return reply;
}

void TCardThread::Run()
{
    for (;;) {
        tQueued queued;
        {
            std::unique_lock guard(lock_);
            wake_.wait(guard, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            queued = std::move(queue_.front());
            queue_.pop_front();
            running_ = true;
        }
        tReply reply;
        {
            const std::lock_guard card(cardLock_);
            reply = Execute(queued);
        }
        {
            const std::lock_guard guard(lock_);
            running_ = false;
            replies_.push_back(std::move(reply));
        }
        idle_.notify_all();
        QMetaObject::invokeMethod(this, [this] { Deliver(); }, Qt::QueuedConnection);
    }
}

void TCardThread::Deliver()
{
    for (;;) {
        tReply reply;
        {
            const std::lock_guard guard(lock_);
            if (replies_.empty()) return;
            reply = std::move(replies_.front());
            replies_.pop_front();
        }
        Apply(reply, true);
    }
}

void TCardThread::Apply(tReply& reply, bool report)
{
    // A state taken by Direct since may be newer than this job's.
    if (reply.state.Serial > state_.Serial) state_ = std::move(reply.state);
    if (!reply.deviceError.isEmpty()) TellDeviceError(reply.deviceError);
    if (!report) return;
    // A request that failed fails where it is heard, as it did when called directly.
    if (reply.failure) std::rethrow_exception(reply.failure);
    if (reply.done) reply.done(reply.result);
}

void TCardThread::TellDeviceError(const QString& what)
{
    // Told once the request under way has returned, as a failure is never
    // the business of the code that met it.
    QTimer::singleShot(0, this, [this, what] {
        if (OnDeviceError) OnDeviceError(what);
    });
}

void TCardThread::Acquire()
{
    cardLock_.lock();
    ++directDepth_;
}

void TCardThread::Release()
{
    --directDepth_;
    state_ = Capture();
    QString error;
    {
        const std::lock_guard guard(lock_);
        error = std::exchange(deviceError_, QString());
    }
    cardLock_.unlock();
    if (!error.isEmpty()) TellDeviceError(error);
}

TCardThread::tHold::tHold(TCardThread& owner) : owner_(owner)
{
    // After everything asked before, so requests keep their order.
    owner_.WaitIdle();
    owner_.Acquire();
}

TCardThread::tHold::~tHold() { owner_.Release(); }

void TCardThread::Direct(const std::function<void(TRadioCard& card)>& use)
{
    const tHold hold(*this);
    use(card_);
}

void TCardThread::WaitIdle()
{
    if (mode_ == tMode::Inline) return;
    if (directDepth_ > 0) {
        Deliver();
        return;
    }
    for (;;) {
        {
            std::unique_lock guard(lock_);
            idle_.wait(guard, [this] { return stopping_ || (queue_.empty() && !running_); });
        }
        Deliver(); // may queue more
        if (Idle() || Stopped()) return;
    }
}

bool TCardThread::Idle() const
{
    const std::lock_guard guard(lock_);
    return queue_.empty() && !running_ && replies_.empty();
}

int TCardThread::Queued() const
{
    const std::lock_guard guard(lock_);
    return int(queue_.size());
}

int TCardThread::DropQueued()
{
    const std::lock_guard guard(lock_);
    const int dropped = int(queue_.size());
    queue_.clear();
    return dropped;
}

bool TCardThread::Stopped() const
{
    const std::lock_guard guard(lock_);
    return stopping_;
}

void TCardThread::Stop()
{
    {
        const std::lock_guard guard(lock_);
        if (stopping_ && !thread_.joinable()) return;
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    idle_.notify_all();
    if (thread_.joinable()) thread_.join();
    // What the last job did is the card's state; nobody is left to hear of it.
    std::deque<tReply> left;
    {
        const std::lock_guard guard(lock_);
        left.swap(replies_);
    }
    for (tReply& reply : left) Apply(reply, false);
}
