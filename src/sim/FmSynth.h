#pragma once
// I/Q of FM broadcast stations as an RTL2832U dongle would deliver it, for
// the emulated dongle and the receiver's tests. Each station sits at an
// offset from the dongle's centre frequency with its own programme (left and
// right audio as functions of time), 19 kHz pilot, stereo subcarrier and RDS;
// complex white noise sets the carrier-to-noise ratio. Output is 8-bit
// unsigned interleaved I/Q, 127.5 being zero and 1.0 full scale.
//
// The multiplex of a station, in units of its deviation:
//   audio * ((L+R)/2 + (L-R)/2 * sin(2p)) + pilot * sin(p) + rds(p)
// where p is the pilot's phase; the rds hook returns the RDS subcarrier's
// sample (peak 1.0) for that phase, so a modulator can lock its 57 kHz to 3p.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

struct tSynthStation {
    double offsetHz = 0;     // from the dongle's centre frequency
    double levelDb = -10;    // carrier power relative to full scale
    // Audio in -1..1 at time t in seconds; empty for silence.
    std::function<double(double t)> left;
    std::function<double(double t)> right;
    bool stereo = true;      // sends L-R on 38 kHz; false sends (L+R)/2 only
    bool pilot = true;       // sends the 19 kHz pilot
    double preemphasisUs = 0; // 50 or 75 as broadcast; 0 sends the audio flat
    double audioDeviationHz = 66250; // peak deviation of full-scale audio
    double pilotDeviationHz = 6750;
    double rdsDeviationHz = 2000;
    std::function<float(double pilotPhase)> rds; // empty: no RDS
};

struct tFmSynthSetup {
    std::uint32_t sampleRate = 1024000;
    // Noise power in 200 kHz relative to full scale, dB: a station's
    // carrier-to-noise ratio is its levelDb minus this. -infinity: no noise.
    double noiseDb = -std::numeric_limits<double>::infinity();
    std::uint64_t seed = 1;
};

class TFmSynth {
public:
    TFmSynth(const tFmSynthSetup& setup, std::vector<tSynthStation> stations);

    // Writes `samples` I/Q samples (2 bytes each) to `iq`, continuing the
    // signal where the last call ended.
    void Generate(std::uint8_t* iq, std::size_t samples);
    // Same, as complex floats (I, Q interleaved) before the 8-bit rounding.
    void GenerateFloat(float* iq, std::size_t samples);

    // Moves a station (the dongle tuned elsewhere); its programme goes on.
    void SetOffset(std::size_t station, double hz);
    void SetNoise(double noiseDb);
    std::size_t StationCount() const { return stations_.size(); }
    // Seconds of signal generated so far.
    double Time() const;

private:
    struct tRun {
        double amplitude = 0;
        double carrierPhase = 0;
        double pilotPhase = 0;
        double lastL = 0, lastR = 0;   // audio at the previous audio step
        double nextL = 0, nextR = 0;   // audio at the next audio step
        double rawL = 0, rawR = 0;     // before pre-emphasis
    };
    void StepAudio(tSynthStation& s, tRun& r, double t);
    double Gaussian();

    tFmSynthSetup setup_;
    std::vector<tSynthStation> stations_;
    std::vector<tRun> runs_;
    std::uint64_t produced_ = 0;
    unsigned audioStep_ = 1;   // I/Q samples per audio sample
    double noiseSigma_ = 0;    // per component
    std::uint64_t random_;
    double spareGaussian_ = 0;
    bool haveSpare_ = false;
};
