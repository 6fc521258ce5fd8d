#include "FmSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double PilotHz = 19000;

// Phases as fractions of a turn in 32 bits wrap by themselves.
constexpr double RadiansPerTurn = TwoPi / 4294967296.0;

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

// Close enough to a normal distribution for noise, and cheap: the sum of
// four uniform numbers from one 64-bit draw, scaled to unit variance.
double TFmSynth::Gaussian()
{
    random_ ^= random_ >> 12;
    random_ ^= random_ << 25;
    random_ ^= random_ >> 27;
    std::uint64_t bits = random_ * 0x2545F4914F6CDD1Dull;
    double sum = double(bits & 0xFFFF) + double((bits >> 16) & 0xFFFF) + double((bits >> 32) & 0xFFFF)
                 + double(bits >> 48);
    return (sum / 65536.0 - 2.0 + 2.0 / 65536.0) * std::sqrt(3.0);
}

void TFmSynth::GenerateFloat(float* iq, std::size_t samples)
{
    const double rate = setup_.sampleRate;
    const double hzToTurns = 4294967296.0 / rate;
    const std::uint32_t pilotStep = std::uint32_t(std::llround(PilotHz * hzToTurns));
    const double perStep = 1.0 / audioStep_;
    for (std::size_t k = 0; k < stations_.size(); ++k)
        runs_[k].amplitude = std::pow(10.0, stations_[k].levelDb / 20);
    unsigned within = unsigned(produced_ % audioStep_);
    for (std::size_t n = 0; n < samples; ++n) {
        const std::uint64_t index = produced_ + n;
        const double fraction = within * perStep;
        double i = 0, q = 0;
        for (std::size_t k = 0; k < stations_.size(); ++k) {
            tSynthStation& s = stations_[k];
            tRun& r = runs_[k];
            if (within == 0 && index > 0)
                StepAudio(s, r, double(index + audioStep_) / rate);
            double left = r.lastL + (r.nextL - r.lastL) * fraction;
            double right = r.lastR + (r.nextR - r.lastR) * fraction;
            const double pilotPhase = double(std::int32_t(r.pilotPhase)) * RadiansPerTurn;
            float sinP, cosP;
            sincosf(float(pilotPhase), &sinP, &cosP);
            double audio = s.stereo ? (left + right) / 2 + (left - right) / 2 * (2 * sinP * cosP)
                                    : (left + right) / 2;
            double hz = s.offsetHz + s.audioDeviationHz * audio;
            if (s.pilot)
                hz += s.pilotDeviationHz * sinP;
            if (s.rds)
                hz += s.rdsDeviationHz * s.rds(pilotPhase);
            float sinC, cosC;
            sincosf(float(double(std::int32_t(r.carrierPhase)) * RadiansPerTurn), &sinC, &cosC);
            i += r.amplitude * cosC;
            q += r.amplitude * sinC;
            r.carrierPhase += std::uint32_t(std::int64_t(hz * hzToTurns));
            r.pilotPhase += pilotStep;
        }
        if (noiseSigma_ > 0) {
            i += noiseSigma_ * Gaussian();
            q += noiseSigma_ * Gaussian();
        }
        iq[2 * n] = float(i);
        iq[2 * n + 1] = float(q);
        if (++within == audioStep_)
            within = 0;
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
            float v = std::clamp(127.5f + 127.5f * buffer[k], 0.0f, 255.0f);
            iq[k] = std::uint8_t(v + 0.5f);
        }
        iq += 2 * n;
        samples -= n;
    }
}
