#pragma once
// Plays what one ALSA capture device records on a playback device, on a
// thread of its own: the sound of a tuner that delivers it as a USB sound
// device, looped to the sound card. Under-runs (and over-runs, and a suspend)
// are recovered from; any other failure ends the loop and is kept for the
// caller to read. Nothing is thrown across the thread.

#include "AudioTap.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

typedef struct _snd_config snd_config_t;

// The loop's sample format: signed 16-bit, two channels, 48 kHz; ALSA's plug
// layer converts to what the devices take.
constexpr unsigned AudioRate = 48000;
constexpr int AudioChannels = 2;

// One end of the loop, opened non-blocking.
class TAudioStream {
public:
    virtual ~TAudioStream() = default;
    // Reads or writes up to `frames` frames: the count moved (0 when the
    // device is not ready) or -errno (-EPIPE after an under- or over-run).
    virtual long Transfer(std::int16_t* samples, long frames) = 0;
    // Waits at most `ms` for the device to be ready: 0 or -errno.
    virtual int Wait(int ms) = 0;
    // Brings the device back after -EPIPE or -ESTRPIPE: 0 or -errno.
    virtual int Recover(int error) = 0;
};

// Opens an ALSA PCM by name for capture or playback in the loop's format;
// null with `*error` saying why. `config`: a configuration to look the
// name up in instead of the system's.
std::unique_ptr<TAudioStream> OpenAlsaStream(const std::string& name, bool capture, std::string* error,
                                             snd_config_t* config = nullptr);

using tAudioOpener =
    std::function<std::unique_ptr<TAudioStream>(const std::string& name, bool capture, std::string* error)>;
// OpenAlsaStream with that configuration (null: the system's).
tAudioOpener AlsaOpener(snd_config_t* config = nullptr);

class TAudioLoop {
public:
    TAudioLoop(std::string capture, std::string playback, tAudioOpener open = AlsaOpener());
    // Stops the loop.
    ~TAudioLoop();
    TAudioLoop(const TAudioLoop&) = delete;
    TAudioLoop& operator=(const TAudioLoop&) = delete;

    const std::string& Capture() const { return capture_; }
    // Opens both devices and loops on the thread; nothing when already running.
    void Start();
    // Ends the loop and waits for the thread; the devices are closed.
    void Stop();
    // Between Start and Stop, unless the loop ended on a failure.
    bool Running() const { return running_; }
    // Why the loop last ended on its own; kept until the next Start.
    std::string Error() const;
    // The playback volume, 0 (silent) ..256 (as recorded); kept across
    // Stop and Start, taken by the running loop at its next chunk.
    void SetVolume(int volume);
    int Volume() const { return volume_; }
    // Plays silence while set, the tap still hearing the tuner: a muted
    // radio goes on recording.
    void SetSilent(bool silent) { silent_ = silent; }
    // Hears every frame captured, at the tuner's level (before the loop's
    // volume), on the loop's thread; null for none. Once SetTap returns,
    // the tap it replaced is no longer called.
    void SetTap(TAudioTap* tap);
    // Frames played and recoveries since the last Start.
    std::uint64_t Frames() const { return frames_; }
    unsigned Recoveries() const { return recoveries_; }

private:
    void Run();
    // Looks at a stream's result: true to go on (recovering when needed),
    // false when the loop must end (the error is kept).
    bool Check(TAudioStream& stream, long result, const char* what);
    void Fail(const std::string& why);

    const std::string capture_;
    const std::string playback_;
    const tAudioOpener open_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<int> volume_{256};
    std::atomic<bool> silent_{false};
    std::atomic<std::uint64_t> frames_{0};
    std::atomic<unsigned> recoveries_{0};
    mutable std::mutex mutex_;
    std::string error_;
    std::mutex tapMutex_; // held only while the tap is called or replaced
    TAudioTap* tap_ = nullptr;
};
