#pragma once
// The radio card on a thread of its own. The historic cards wait between
// their port writes and before a signal reading (up to about 200 ms a
// request); those waits must not keep the window from its events. The
// window queues jobs (a tuning with its signal checks, a mute, a scan
// step), each run on the card thread in the order given; what the card then
// is comes back as a tCardState, with the job's result, on the thread that
// owns this object. The window reads only that state: the last one the card
// thread reported, never a request half done.
//
// A newer tuning takes the place of the tunings still queued, so a held key
// or a scan never builds a backlog; signal checks do the same among
// themselves. What needs the card itself for a while (opening, closing, the
// settings, a dialog that tunes) uses it through Direct, on the owner's
// thread, once the job under way has ended.

#include "RadioCards.h"

#include <QObject>
#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The card as the card thread last saw it, with the readers of TRadioCard.
struct tCardState {
    std::uint64_t Serial = 0; // later states have larger numbers

    tModel model = mRadioTrack;
    int port = 0;
    tDevCaps caps{};
    bool active = false;
    bool muted = true;
    bool startMutedPending = false;
    bool mutedStartup = false;
    bool muteOnExit = false;
    double frequency = 0;
    tBand band = bAM;
    int volume = 0;
    tVolumeLine volumeLine = vlNone;
    int volumeStep = 0;
    int volumeMax = 0;
    bool japaneseFM = false;
    bool stereo = false;
    double lastFM = 87.0;
    double lastAM = 0.531;
    bool soundCardPresent = false;
    std::array<bool, 5> lineAvailable{}; // by tVolumeLine
    double fmMin = 0, fmMax = 0, amMin = 0, amMax = 0;
    double minFrequency = 0, maxFrequency = 0, frequencyStep = 0;
    TRdsDecoder rds;
    std::optional<double> signalLevelDb;
    QString devicePath;
    QString noRecordingReason;
    QString openError;
    tSdrSettings sdr;
    bool usbAudio = false;
    bool usbAudioLoop = false;    // the open radio device has a USB sound loop
    bool usbAudioRunning = false; // ... and it plays
    QString usbAudioError;        // why it stopped on its own
    QString sdrAudioError;        // the software-defined radio's sound output failed

    tModel Model() const { return model; }
    int Port() const { return port; }
    const tDevCap& Caps() const { return caps[model]; }
    tDevCap GetDevCap(tModel m) const { return caps[m]; }
    bool Active() const { return active; }
    bool Muted() const { return muted; }
    bool StartMutedPending() const { return startMutedPending; }
    bool MutedStartup() const { return mutedStartup; }
    bool MuteOnExit() const { return muteOnExit; }
    double Frequency() const { return frequency; }
    tBand Band() const { return band; }
    int Volume() const { return volume; }
    tVolumeLine VolumeLine() const { return volumeLine; }
    int VolumeStep() const { return volumeStep; }
    int VolumeMax() const { return volumeMax; }
    bool JapaneseFM() const { return japaneseFM; }
    bool Stereo() const { return stereo; }
    double LastFM() const { return lastFM; }
    double LastAM() const { return lastAM; }
    bool SoundCardPresent() const { return soundCardPresent; }
    bool LineAvailable(tVolumeLine line) const { return lineAvailable[std::size_t(line)]; }
    double FMMin() const { return fmMin; }
    double FMMax() const { return fmMax; }
    double AMMin() const { return amMin; }
    double AMMax() const { return amMax; }
    double MinFrequency() const { return minFrequency; }
    double MaxFrequency() const { return maxFrequency; }
    double FrequencyStep() const { return frequencyStep; }
    const TRdsDecoder& Rds() const { return rds; }
    std::optional<double> SignalLevelDb() const { return signalLevelDb; }
    const QString& DevicePath() const { return devicePath; }
    const QString& NoRecordingReason() const { return noRecordingReason; }
    const QString& OpenError() const { return openError; }
    const tSdrSettings& Sdr() const { return sdr; }
    bool UsbAudio() const { return usbAudio; }
};

// Everything a tCardState holds, read from the card (on the thread using it).
tCardState CaptureCardState(TRadioCard& card);

// How a queued job stands to the ones queued before it.
enum class tCardJobKind {
    Plain,  // runs in its turn
    Tune,   // takes the place of every tuning still queued
    Signal, // takes the place of every signal check still queued
    Poll,   // reads RDS: takes the place of every poll still queued
    Look,   // only takes the state (the USB sound's): in place of every one still queued
    Volume, // a volume to set: takes the place of every one still queued
};

class TCardThread : public QObject {
    Q_OBJECT
public:
    // Threaded: a thread of its own runs the jobs. Inline: each job runs at
    // once on the caller's thread and reports before Post returns (the
    // tests on simulated time, whose waits take no time).
    enum class tMode { Threaded, Inline };
    using tJob = std::function<int(TRadioCard& card)>;
    using tDone = std::function<void(int result)>;

    TCardThread(TRadioCard& card, tMode mode, QObject* parent = nullptr);
    ~TCardThread() override;
    TCardThread(const TCardThread&) = delete;
    TCardThread& operator=(const TCardThread&) = delete;

    tMode Mode() const { return mode_; }
    // The last state the card thread reported.
    const tCardState& State() const { return state_; }

    // Queues `job`; once it has run, State() is what the card was after it
    // and `done` hears its result, on this object's thread. A job dropped
    // for a newer one, or after Stop, never reports.
    void Post(tCardJobKind kind, tJob job, tDone done = {});
    // Runs `use` on the card on the caller's thread once every job queued
    // before has run and reported; State() follows at once.
    void Direct(const std::function<void(TRadioCard& card)>& use);
    // The same for a scope: the card is the holder's until it goes, and
    // State() is taken from the card then.
    class tHold {
    public:
        explicit tHold(TCardThread& owner);
        ~tHold();
        tHold(const tHold&) = delete;
        tHold& operator=(const tHold&) = delete;
        TRadioCard* operator->() const { return &owner_.card_; }
        TRadioCard& operator*() const { return owner_.card_; }

    private:
        TCardThread& owner_;
    };
    [[nodiscard]] tHold Hold() { return tHold(*this); }
    // Waits until every queued job has run and reported; inside Direct (the
    // card held), only reports what has run.
    void WaitIdle();
    // Nothing is queued or running, and every result has been reported.
    bool Idle() const;
    // Jobs waiting for their turn (not the one under way).
    int Queued() const;
    // Drops the queued jobs (not the one under way); how many.
    int DropQueued();
    // Ends the thread: the queued jobs are dropped, the one under way ends,
    // and what it did is taken into State() without reporting. Jobs posted
    // later are dropped; Direct runs on the caller's thread. Idempotent.
    void Stop();
    bool Stopped() const;

    // The card closed itself under a job (a radio device or serial line
    // failed): called on this object's thread, after the state that says
    // so, with the card's message.
    std::function<void(const QString& what)> OnDeviceError;

private:
    struct tQueued {
        tCardJobKind kind;
        tJob job;
        tDone done;
    };
    struct tReply {
        int result = 0;
        tDone done;
        tCardState state;
        QString deviceError;
        std::exception_ptr failure; // the job threw: raised again on delivery
    };
    void Run();
    // Runs one job on the card (the card lock held by the caller).
    tReply Execute(tQueued& queued);
    tCardState Capture();
    void Deliver();
    void Apply(tReply& reply, bool report);
    void TellDeviceError(const QString& what);
    void Acquire();
    void Release();

    TRadioCard& card_;
    const tMode mode_;
    tCardState state_;
    // Held while a job or a Direct use has the card; recursive, as a dialog
    // that has the card may report a result whose handler uses it too.
    std::recursive_mutex cardLock_;
    mutable std::mutex lock_; // everything below
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<tQueued> queue_;
    std::deque<tReply> replies_;
    bool running_ = false;
    bool stopping_ = false;
    int directDepth_ = 0; // Direct uses under way on the owner's thread
    std::uint64_t serial_ = 0;
    QString deviceError_; // told by the card under the job under way
    std::thread thread_;
};
