#include "RdsSignal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;

// The cosine shaping filter's impulse response, `t` in symbol periods,
// 1.0 at its centre.
double Shaping(double t)
{
    const double x = 8 * t;
    if (std::abs(std::abs(x) - 1) < 1e-9) return Pi / 4;
    return std::cos(4 * Pi * t) / (1 - x * x);
}

double BesselI0(double x)
{
    double sum = 1, term = 1;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

// A low-pass filter by the window method (Kaiser, about 60 dB stopband),
// cut at `cutoff` (a fraction of the rate), `width` wide, unity gain.
std::vector<float> LowPass(double cutoff, double width)
{
    constexpr double Attenuation = 60, Beta = 0.1102 * (Attenuation - 8.7);
    const auto n = std::size_t(std::ceil((Attenuation - 8) / (2.285 * 2 * Pi * width))) | 1;
    std::vector<float> taps(n);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double m = double(i) - double(n - 1) / 2;
        const double sinc = m == 0 ? 2 * cutoff : std::sin(2 * Pi * cutoff * m) / (Pi * m);
        const double r = 2 * m / double(n - 1);
        const double w = BesselI0(Beta * std::sqrt(std::max(0.0, 1 - r * r))) / BesselI0(Beta);
        taps[i] = float(sinc * w);
        sum += sinc * w;
    }
    for (float& t : taps) t = float(t / sum);
    return taps;
}

// The subcarrier's conjugate from a table indexed by the phase's top bits:
// a tenth of a degree is far below what the noise leaves.
constexpr int TableBits = 12;
constexpr std::size_t TableSize = std::size_t(1) << TableBits;
const std::array<std::complex<float>, TableSize>& Oscillator()
{
    static const auto table = [] {
        std::array<std::complex<float>, TableSize> t;
        for (std::size_t i = 0; i < TableSize; ++i)
            t[i] = std::polar(1.0f, float(-2 * Pi * double(i) / TableSize));
        return t;
    }();
    return table;
}

float Dot(const float* x, const float* taps, std::size_t n)
{
    float sum = 0;
#pragma omp simd reduction(+ : sum)
    for (std::size_t i = 0; i < n; ++i) sum += x[i] * taps[i];
    return sum;
}

std::complex<float> Dot(const std::complex<float>* x, const float* taps, std::size_t n)
{
    float re = 0, im = 0;
#pragma omp simd reduction(+ : re, im)
    for (std::size_t i = 0; i < n; ++i) {
        re += x[i].real() * taps[i];
        im += x[i].imag() * taps[i];
    }
    return {re, im};
}
} // namespace

double rds::BiphasePulse(double t) { return Shaping(t + 0.25) - Shaping(t - 0.25); }

TRdsDownconverter::TRdsDownconverter(double inputRate)
    : inputRate_(inputRate), factor_(std::max<std::size_t>(1, std::size_t(inputRate / rds::TargetRate))),
      step_(std::uint32_t(std::llround(rds::SubcarrierHz / inputRate * 4294967296.0)))
{
    // Passes the 2.4 kHz of the biphase spectrum and stops what would fold
    // onto it at the low rate; the matched filter takes out the rest.
    const double outRate = OutputRate();
    const double pass = 2400, stop = outRate - 2400;
    taps_ = LowPass((pass + stop) / 2 / inputRate, (stop - pass) / inputRate);
    for (float& t : taps_) t *= 2; // the mixing halved the signal
    Reset();
}

void TRdsDownconverter::Reset()
{
    re_.assign(2 * taps_.size(), 0);
    im_.assign(2 * taps_.size(), 0);
    at_ = 0;
    phaseOfOutput_ = 0;
    phase_ = 0;
}

void TRdsDownconverter::Process(const tMultiplex& multiplex, std::vector<std::complex<float>>& out)
{
    const std::size_t n = taps_.size();
    const auto& oscillator = Oscillator();
    constexpr double TurnsToPhase = 3 * 4294967296.0 / (2 * Pi); // three times the pilot
    for (std::size_t i = 0; i < multiplex.count; ++i) {
        if (multiplex.pilotPhase)
            phase_ = std::uint32_t(std::int64_t(double(multiplex.pilotPhase[i]) * TurnsToPhase));
        else
            phase_ += step_; // after the pilot went, the free oscillator goes on from its last phase
        const std::complex<float> c = oscillator[phase_ >> (32 - TableBits)];
        const float x = multiplex.samples[i];
        re_[at_] = re_[at_ + n] = x * c.real();
        im_[at_] = im_[at_ + n] = x * c.imag();
        at_ = at_ + 1 == n ? 0 : at_ + 1;
        if (++phaseOfOutput_ == factor_) {
            phaseOfOutput_ = 0;
            // [at_, at_ + n) holds the last n samples, oldest first.
            out.emplace_back(Dot(&re_[at_], taps_.data(), n), Dot(&im_[at_], taps_.data(), n));
        }
    }
}

TRdsSymbolRecovery::TRdsSymbolRecovery(double rate, bool pilotLocked)
    : rate_(rate), samplesPerSymbol_(rate / rds::BitRate), pilotLocked_(pilotLocked)
{
    // The matched filter: the symbol's own shape over four symbol periods.
    const auto half = std::size_t(std::ceil(2 * samplesPerSymbol_));
    double energy = 0;
    for (std::size_t i = 0; i <= 2 * half; ++i) {
        const double t = (double(i) - double(half)) / samplesPerSymbol_;
        taps_.push_back(float(rds::BiphasePulse(t)));
        energy += double(taps_.back()) * taps_.back();
    }
    for (float& t : taps_) t = float(t / std::sqrt(energy));
    ring_.assign(64, 0);
    Reset();
}

void TRdsSymbolRecovery::SetLoop(double bandwidthHz)
{
    // A second-order loop, damping 0.707, of this noise bandwidth.
    constexpr double Damping = 0.7071;
    const double theta = bandwidthHz / rate_ / (Damping + 1 / (4 * Damping));
    const double d = 1 + 2 * Damping * theta + theta * theta;
    alpha_ = 4 * Damping * theta / d;
    beta_ = 4 * theta * theta / d;
}

void TRdsSymbolRecovery::SetPilotLocked(bool locked)
{
    if (locked == pilotLocked_) return;
    pilotLocked_ = locked;
    SetLoop(locked ? 4 : 12);
}

void TRdsSymbolRecovery::Reset()
{
    history_.assign(2 * taps_.size(), {});
    at_ = 0;
    phase_ = frequency_ = 0;
    squares_ = 0;
    startSamples_ = long(0.03 * rate_);
    power_ = 0;
    std::fill(ring_.begin(), ring_.end(), 0.0f);
    count_ = 0;
    next_ = samplesPerSymbol_;
    last_ = 0;
    level_ = 0;
    SetLoop(pilotLocked_ ? 4 : 12);
}

void TRdsSymbolRecovery::Process(const std::complex<float>* baseband, std::size_t count, std::vector<float>& symbols)
{
    const std::size_t n = taps_.size();
    for (std::size_t i = 0; i < count; ++i) {
        history_[at_] = history_[at_ + n] = baseband[i];
        at_ = at_ + 1 == n ? 0 : at_ + 1;
        const std::complex<float> filtered = Dot(&history_[at_], taps_.data(), n);
        if (count_ < long(n) + startSamples_) {
            // The filter's start, then the squares for the first phase.
            if (count_ >= long(n)) squares_ += std::complex<double>(filtered) * std::complex<double>(filtered);
            if (count_ + 1 == long(n) + startSamples_) phase_ = std::arg(squares_) / 2;
        }
        // Costas loop: the biphase signal is real once the carrier's phase
        // is right, so I times Q measures the error, either sign of I alike.
        const std::complex<float> w = filtered * std::polar(1.0f, float(-phase_));
        const float p = std::norm(w);
        power_ += 0.002f * (p - power_);
        if (power_ > 0) {
            const double error = std::clamp(double(w.real() * w.imag() / power_), -1.0, 1.0);
            frequency_ += beta_ * error;
            phase_ += frequency_ + alpha_ * error;
            if (phase_ > Pi) phase_ -= 2 * Pi;
            if (phase_ < -Pi) phase_ += 2 * Pi;
        }
        ring_[std::size_t(count_) % ring_.size()] = w.real();
        ++count_;
        while (count_ >= long(std::floor(next_)) + 2) {
            const auto at = [this](double t) {
                const auto k = long(std::floor(t));
                const float f = float(t - double(k));
                const float a = ring_[std::size_t(k) % ring_.size()];
                const float b = ring_[std::size_t(k + 1) % ring_.size()];
                return a + f * (b - a);
            };
            const float y = at(next_);
            const float mid = at(next_ - samplesPerSymbol_ / 2);
            level_ += 0.02f * (y * y - level_);
            // Gardner: the sample between two opposite symbols is zero when
            // the clock is right; its sign says early or late.
            double step = samplesPerSymbol_;
            if (level_ > 0) step += std::clamp(0.15 * double(mid * (last_ - y) / level_), -0.5, 0.5);
            last_ = y;
            next_ += step;
            symbols.push_back(y);
        }
    }
}
