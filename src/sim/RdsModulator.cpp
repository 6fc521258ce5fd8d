#include "RdsModulator.h"

#include "RdsBlockSync.h"
#include "RdsSignal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int PulseSteps = 256; // table entries per symbol period
constexpr int Half = 3;         // symbols on each side of the current one
constexpr double TurnsPerRadian = 4294967296.0 / (2 * std::numbers::pi);
constexpr int SineBits = 12;

const std::array<float, 1u << SineBits>& Sine()
{
    static const auto table = [] {
        std::array<float, 1u << SineBits> t;
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = float(std::sin(2 * std::numbers::pi * double(i) / double(t.size())));
        return t;
    }();
    return table;
}
} // namespace

TRdsModulator::TRdsModulator(const tRdsModulatorSetup& setup, std::function<tRdsGroup()> nextGroup)
    : setup_(setup), nextGroup_(std::move(nextGroup)), step_(rds::BitRate / setup.sampleRate),
      every_(std::max(1, int(setup.sampleRate / 128000))),
      ownStep_(std::uint32_t(std::llround((rds::SubcarrierHz + setup.offsetHz) / setup.sampleRate * 4294967296.0)))
{
    // The pulse over -3.5 .. 3.5 symbol periods; it is small beyond.
    const int span = (2 * Half + 1) * PulseSteps;
    pulse_.resize(std::size_t(span + 1));
    for (int i = 0; i <= span; ++i)
        pulse_[std::size_t(i)] = float(rds::BiphasePulse(double(i) / PulseSteps - (Half + 0.5)));
    // The largest the sum of the symbols can get: all of them adding up.
    double peak = 0;
    for (int i = 0; i < PulseSteps; ++i) {
        double sum = 0;
        for (int j = 0; j < 2 * Half + 1; ++j) sum += std::abs(pulse_[std::size_t(i + j * PulseSteps)]);
        peak = std::max(peak, sum);
    }
    scale_ = float(1 / peak);
    for (float& symbol : window_) symbol = NextBit() ? 1.0f : -1.0f;
}

bool TRdsModulator::NextBit()
{
    if (bitsLeft_ == 0) {
        const tRdsGroup group = nextGroup_ ? nextGroup_() : tRdsGroup();
        const bool versionB = (group.blocks[1].value >> 11) & 1;
        const eRdsOffset offsets[4] = {eRdsOffset::A, eRdsOffset::B, versionB ? eRdsOffset::CPrime : eRdsOffset::C,
                                       eRdsOffset::D};
        for (std::size_t i = 0; i < 4; ++i) blocks_[i] = RdsEncodeBlock(group.blocks[i].value, offsets[i]);
        bitsLeft_ = 4 * 26;
    }
    --bitsLeft_;
    const int block = 3 - bitsLeft_ / 26;
    const bool bit = (blocks_[std::size_t(block)] >> (bitsLeft_ % 26)) & 1;
    encoded_ = encoded_ != bit;
    return encoded_;
}

// The shaped symbols at the current position, before the carrier.
float TRdsModulator::Baseband() const
{
    // Symbol i's centre is i - Half periods after the current one's.
    double sum = 0;
    for (int i = 0; i < 2 * Half + 1; ++i) {
        const double x = (position_ + 2 * Half - i) * PulseSteps;
        const auto k = std::size_t(x);
        const double f = x - double(k);
        sum += window_[std::size_t(i)] * (pulse_[k] + f * (pulse_[k + 1] - pulse_[k]));
    }
    return float(sum) * scale_;
}

float TRdsModulator::Next(double pilotPhase)
{
    // The symbols change slowly (nothing above 2.4 kHz): they are summed
    // every few samples and interpolated between, a few microseconds late.
    if (sub_ == 0) {
        previous_ = current_;
        current_ = Baseband();
        position_ += step_ * double(every_);
        if (position_ >= 1) {
            position_ -= 1;
            for (std::size_t i = 0; i + 1 < window_.size(); ++i) window_[i] = window_[i + 1];
            window_.back() = NextBit() ? 1.0f : -1.0f;
        }
    }
    const float envelope = previous_ + (current_ - previous_) * float(sub_) / float(every_);
    sub_ = sub_ + 1 == every_ ? 0 : sub_ + 1;
    // The subcarrier's phase in turns of 2^32; a table of the sine.
    std::uint32_t phase;
    if (setup_.freeRunning) {
        phase = ownPhase_;
        ownPhase_ += ownStep_;
    } else {
        phase = std::uint32_t(std::int64_t(3 * pilotPhase * TurnsPerRadian));
    }
    if (setup_.quadrature) phase += 1u << 30;
    // In phase with the pilot's third harmonic: the pilot is sin(p).
    return envelope * Sine()[phase >> (32 - SineBits)];
}
