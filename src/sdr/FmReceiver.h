#pragma once
// The FM broadcast receiver in software, without threads or devices: I/Q in,
// 48 kHz stereo audio and the FM multiplex out. The dongle is tuned off the
// station (its DC spike stays out of the channel); the receiver mixes the
// station down by that offset, filters the channel, demodulates, decodes
// stereo from the 19 kHz pilot and 38 kHz L-R, applies the de-emphasis and
// resamples to 48 kHz. One call processes one block; no allocation per call.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct tFmReceiverSetup {
    std::uint32_t sampleRate = 1024000; // I/Q samples per second
    double deemphasisUs = 50;           // 50 or 75
};

// What the receiver hears now, updated by every Process call.
struct tFmReceiverState {
    double levelDb = -120;  // the channel's power, dB relative to full scale
    double noiseDb = -120;  // the power beside the channel
    bool station = false;   // a station is there (channel above noise, quiet discriminator)
    bool pilot = false;     // the 19 kHz pilot is locked: the programme is stereo
};

// The FM multiplex as the discriminator gives it, for the RDS decoder.
struct tMultiplex {
    const float* samples = nullptr; // 1.0 is 75 kHz deviation
    // Radians of the locked pilot per sample, in -pi..pi: the pilot is
    // sin(phase), the stereo subcarrier sin(2 phase), RDS on 57 kHz is locked
    // to 3 phase. Null while the pilot is not locked.
    const float* pilotPhase = nullptr;
    std::size_t count = 0;
    double rate = 0; // samples per second
};

class TFmReceiver {
public:
    static constexpr std::uint32_t AudioRate = 48000;

    explicit TFmReceiver(const tFmReceiverSetup& setup);
    ~TFmReceiver();
    TFmReceiver(const TFmReceiver&) = delete;
    TFmReceiver& operator=(const TFmReceiver&) = delete;

    // The station's offset from the dongle's centre frequency, Hz. Forgets
    // the pilot lock and the level, as a new station needs.
    void SetOffset(double hz);
    // Mono when false (the Mono/Stereo switch, "Force stereo off").
    void SetStereo(bool stereo);

    // Processes `samples` I/Q samples (2 bytes each) and appends the audio,
    // interleaved left and right at AudioRate, to `audio` (which it may grow;
    // keep it between calls). Hands the multiplex to OnMultiplex as it goes.
    void Process(const std::uint8_t* iq, std::size_t samples, std::vector<float>& audio);
    const tFmReceiverState& State() const;

    std::function<void(const tMultiplex&)> OnMultiplex;

private:
    struct tChain;
    std::unique_ptr<tChain> chain_;
};
