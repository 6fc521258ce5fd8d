#pragma once
// The software-defined radio as the card drives it: the I/Q source read and
// processed on a thread of its own, the audio played on the chosen ALSA
// device, RDS groups and the signal state handed back without making the
// caller wait for samples. Every call returns at once.

#include "AudioTap.h"
#include "FmReceiver.h"
#include "IqSource.h"
#include "RdsGroup.h"

#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

class TAudioStream;

// What the processing thread hands the FM multiplex to: the RDS demodulator.
// Made when the first multiplex arrives (its rate then known), reset for every
// new station; the groups it completes go to OnGroup (set by the receiver).
class TMultiplexSink {
public:
    virtual ~TMultiplexSink() = default;
    virtual void Process(const tMultiplex& multiplex) = 0;
    virtual void Reset() = 0;
    std::function<void(const tRdsGroup&)> OnGroup;
};
using tMultiplexSinkMaker = std::function<std::unique_ptr<TMultiplexSink>(double multiplexRate)>;

struct tSdrSetup {
    std::uint32_t sampleRate = 1024000;
    bool automaticGain = true;
    int gainTenthsDb = 0;
    int correctionPpm = 0;
    double deemphasisUs = 50;
    std::string audioDevice = "default"; // an ALSA PCM name; empty for no sound (vantoroctl)
};

// Why the radio stopped on its own (dongle unplugged, server gone, recording
// ended); empty while it plays.
struct tSdrStop {
    bool ended = false; // the recording's end, not a fault
    std::string reason;
};

class TSdrReceiver {
public:
    using tAudioOpener = std::function<std::unique_ptr<TAudioStream>(const std::string& device, std::string* error)>;

    TSdrReceiver(std::unique_ptr<TIqSource> source, const tSdrSetup& setup, tAudioOpener openAudio);
    ~TSdrReceiver(); // stops the thread, closes the source and the sound
    TSdrReceiver(const TSdrReceiver&) = delete;
    TSdrReceiver& operator=(const TSdrReceiver&) = delete;

    // Opens the source and starts the thread; false with the source's reason.
    bool Start(std::string* error);
    void Stop();

    // Tunes to `hz`: the dongle goes to hz plus the receiver's offset unless
    // the station already lies inside the band it receives.
    void Tune(std::uint32_t hz);
    void SetStereo(bool stereo);
    // 0..256; 0 is silent. Changes ramp over a few milliseconds (no click).
    void SetVolume(int volume);
    void SetMuted(bool muted);

    // The state the thread last published; the audio device's failure, said once.
    tFmReceiverState State() const;
    std::string AudioError() const;
    // Set once the radio stopped on its own.
    std::optional<tSdrStop> Stopped() const;
    // RDS groups received since the last call, oldest first.
    std::vector<tRdsGroup> TakeRdsGroups();
    // Samples skipped because the processing fell behind the source.
    std::uint64_t Dropped() const;
    // I/Q samples processed since Start: the source's time.
    std::uint64_t Samples() const;
    // I/Q samples processed for the station last tuned to; 0 until its first
    // samples went through (State then tells about that station).
    std::uint64_t SamplesSinceTune() const;

    // Where the multiplex goes (RDS); set before Start. None: no RDS.
    void SetMultiplexSink(tMultiplexSinkMaker maker);

    // Hears the audio as it is played (after volume and mute); null for none.
    // Once it returns, the tap replaced is not called again.
    void SetAudioTap(TAudioTap* tap);

private:
    struct tImpl;
    std::unique_ptr<tImpl> impl_;
};
