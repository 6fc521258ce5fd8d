#pragma once
// Runs the FM receiver over generated stations and measures its audio.

#include "FmReceiver.h"
#include "FmSynth.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace sdrtest {

// A sine of `hz` and `amplitude` as a programme function.
inline std::function<double(double)> Tone(double hz, double amplitude = 1.0)
{
    return [hz, amplitude](double t) { return amplitude * std::sin(2 * std::numbers::pi * hz * t); };
}

struct tRun {
    std::vector<float> left, right; // 48 kHz
    tFmReceiverState state;
};

// `seconds` of the stations through a receiver tuned to `offsetHz`.
inline tRun Receive(const tFmSynthSetup& synthSetup, std::vector<tSynthStation> stations, double offsetHz,
                    double seconds, tFmReceiverSetup setup = {}, bool stereo = true)
{
    setup.sampleRate = synthSetup.sampleRate;
    TFmSynth synth(synthSetup, std::move(stations));
    TFmReceiver receiver(setup);
    receiver.SetOffset(offsetHz);
    receiver.SetStereo(stereo);
    std::vector<std::uint8_t> iq(2 * 16384);
    std::vector<float> audio;
    std::size_t total = std::size_t(seconds * synthSetup.sampleRate);
    for (std::size_t done = 0; done < total; done += iq.size() / 2) {
        synth.Generate(iq.data(), iq.size() / 2);
        receiver.Process(iq.data(), iq.size() / 2, audio);
    }
    tRun run;
    for (std::size_t k = 0; k + 1 < audio.size(); k += 2) {
        run.left.push_back(audio[k]);
        run.right.push_back(audio[k + 1]);
    }
    run.state = receiver.State();
    return run;
}

struct tTone {
    double amplitude = 0;
    double residualPower = 0; // everything else: noise and distortion
};

// Fits a sine of `hz` to `count` samples from `start` (a whole number of
// periods keeps the fit exact).
inline tTone MeasureTone(const std::vector<float>& x, double hz, std::size_t start, std::size_t count,
                         double rate = TFmReceiver::AudioRate)
{
    tTone tone;
    if (start + count > x.size())
        return tone;
    double s = 0, c = 0;
    for (std::size_t k = 0; k < count; ++k) {
        double w = 2 * std::numbers::pi * hz * double(k) / rate;
        s += x[start + k] * std::sin(w);
        c += x[start + k] * std::cos(w);
    }
    s *= 2.0 / double(count);
    c *= 2.0 / double(count);
    tone.amplitude = std::hypot(s, c);
    double mean = 0;
    for (std::size_t k = 0; k < count; ++k)
        mean += x[start + k];
    mean /= double(count);
    for (std::size_t k = 0; k < count; ++k) {
        double w = 2 * std::numbers::pi * hz * double(k) / rate;
        double e = x[start + k] - mean - s * std::sin(w) - c * std::cos(w);
        tone.residualPower += e * e;
    }
    tone.residualPower /= double(count);
    return tone;
}

inline double Db(double ratio)
{
    return 20 * std::log10(std::max(ratio, 1e-12));
}

} // namespace sdrtest
