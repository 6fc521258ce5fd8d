#include "FmSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double PilotHz = 19000;

double Wrap(double phase)
{
    if (phase >= std::numbers::pi || phase < -std::numbers::pi)
        phase = std::remainder(phase, TwoPi);
    return phase;
}

} // namespace

TFmSynth::TFmSynth(const tFmSynthSetup& setup, std::vector<tSynthStation> stations)
    : setup_(setup), stations_(std::move(stations)), runs_(stations_.size()),
      random_(setup.seed * 0x9E3779B97F4A7C15ull + 1)
{
    // Programme audio changes slowly against the sample rate: evaluating it
    // at about 256 kHz and interpolating keeps the callbacks cheap.
    audioStep_ = std::max(1u, setup_.sampleRate / 256000);
    SetNoise(setup_.noiseDb);
    for (std::size_t i = 0; i < stations_.size(); ++i) {
        tRun& r = runs_[i];
        StepAudio(stations_[i], r, 0);
        StepAudio(stations_[i], r, double(audioStep_) / setup_.sampleRate);
    }
}

void TFmSynth::SetOffset(std::size_t station, double hz)
{
    if (station < stations_.size())
        stations_[station].offsetHz = hz;
}

void TFmSynth::SetNoise(double noiseDb)
{
    setup_.noiseDb = noiseDb;
    // The power in 200 kHz, spread over the whole sampled band, half of it
    // in each of I and Q.
    double power = std::pow(10.0, noiseDb / 10) * setup_.sampleRate / 200000.0;
    noiseSigma_ = std::isfinite(noiseDb) ? std::sqrt(power / 2) : 0;
}

double TFmSynth::Time() const
{
    return double(produced_) / setup_.sampleRate;
}

// Moves the interpolation one audio step on: `t` is the time of the new
// "next" point.
void TFmSynth::StepAudio(tSynthStation& s, tRun& r, double t)
{
    double left = s.left ? s.left(t) : 0.0;
    double right = s.right ? s.right(t) : 0.0;
    double l = left, rr = right;
    if (s.preemphasisUs > 0) {
        // 1 + s*tau, the broadcast pre-emphasis, as a difference at the audio rate.
        double k = s.preemphasisUs * 1e-6 * setup_.sampleRate / audioStep_;
        l = left + k * (left - r.rawL);
        rr = right + k * (right - r.rawR);
    }
    r.rawL = left;
    r.rawR = right;
    r.lastL = r.nextL;
    r.lastR = r.nextR;
    r.nextL = l;
    r.nextR = rr;
}

double TFmSynth::Gaussian()
{
    if (haveSpare_) {
        haveSpare_ = false;
        return spareGaussian_;
    }
    auto uniform = [this] {
        random_ ^= random_ >> 12;
        random_ ^= random_ << 25;
        random_ ^= random_ >> 27;
        return double((random_ * 0x2545F4914F6CDD1Dull) >> 11) * 0x1.0p-53;
    };
    double u1 = uniform();
    double u2 = uniform();
    double radius = std::sqrt(-2 * std::log(1 - u1));
    spareGaussian_ = radius * std::sin(TwoPi * u2);
    haveSpare_ = true;
    return radius * std::cos(TwoPi * u2);
}

void TFmSynth::GenerateFloat(float* iq, std::size_t samples)
{
    const double rate = setup_.sampleRate;
    const double pilotStep = TwoPi * PilotHz / rate;
    for (std::size_t k = 0; k < stations_.size(); ++k)
        runs_[k].amplitude = std::pow(10.0, stations_[k].levelDb / 20);
    for (std::size_t n = 0; n < samples; ++n) {
        std::uint64_t index = produced_ + n;
        unsigned within = unsigned(index % audioStep_);
        double fraction = double(within) / audioStep_;
        double i = 0, q = 0;
        for (std::size_t k = 0; k < stations_.size(); ++k) {
            tSynthStation& s = stations_[k];
            tRun& r = runs_[k];
            if (within == 0 && index > 0)
                StepAudio(s, r, double(index + audioStep_) / rate);
            double left = r.lastL + (r.nextL - r.lastL) * fraction;
            double right = r.lastR + (r.nextR - r.lastR) * fraction;
            double sinP = std::sin(r.pilotPhase), cosP = std::cos(r.pilotPhase);
            double audio = s.stereo ? (left + right) / 2 + (left - right) / 2 * (2 * sinP * cosP)
                                    : (left + right) / 2;
            double hz = s.offsetHz + s.audioDeviationHz * audio;
            if (s.pilot)
                hz += s.pilotDeviationHz * sinP;
            if (s.rds)
                hz += s.rdsDeviationHz * s.rds(r.pilotPhase);
            i += r.amplitude * std::cos(r.carrierPhase);
            q += r.amplitude * std::sin(r.carrierPhase);
            r.carrierPhase = Wrap(r.carrierPhase + TwoPi * hz / rate);
            r.pilotPhase = Wrap(r.pilotPhase + pilotStep);
        }
        if (noiseSigma_ > 0) {
            i += noiseSigma_ * Gaussian();
            q += noiseSigma_ * Gaussian();
        }
        iq[2 * n] = float(i);
        iq[2 * n + 1] = float(q);
    }
    produced_ += samples;
}

void TFmSynth::Generate(std::uint8_t* iq, std::size_t samples)
{
    constexpr std::size_t Chunk = 4096;
    float buffer[2 * Chunk];
    while (samples > 0) {
        std::size_t n = std::min(samples, Chunk);
        GenerateFloat(buffer, n);
        for (std::size_t k = 0; k < 2 * n; ++k) {
            double v = double(std::lround(127.5 + 127.5 * buffer[k]));
            iq[k] = std::uint8_t(std::clamp(v, 0.0, 255.0));
        }
        iq += 2 * n;
        samples -= n;
    }
}
