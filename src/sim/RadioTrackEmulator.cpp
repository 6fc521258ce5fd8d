#include "RadioTrackEmulator.h"

#include <algorithm>

namespace {
constexpr std::uint32_t TuneBase = 10486188;
constexpr int LevelMs = 125;
constexpr int Levels = 16;

bool IsTuningByte(std::uint8_t v) { return v == 0x01 || v == 0x03 || v == 0x05 || v == 0x07; }
} // namespace

void TRadioTrackEmulator::Write(int offset, std::uint8_t value)
{
    if (offset != 0) return;
    if (IsTuningByte(value)) {
        const bool clockHigh = value & 0x02;
        if (clockHigh && !clockHigh_) {
            if (value & 0x04) shift_ |= std::uint32_t(1) << bits_;
            if (++bits_ == 24) {
                word_ = shift_;
                tuned_ = true;
                shift_ = 0;
                bits_ = 0;
            }
        }
        clockHigh_ = clockHigh;
        return;
    }
    // Any other byte ends a half-sent tuning word.
    shift_ = 0;
    bits_ = 0;
    clockHigh_ = false;
    switch (value) {
    case 0xD0: audioOn_ = false; break;
    case 0xD8: audioOn_ = true; break;
    case 0x88:
    case 0x48:
        held_ = value == 0x88 ? 1 : -1;
        heldSince_ = clock_.Now();
        break;
    case 0xC8:
        if (held_ != 0) {
            const int levels = static_cast<int>((clock_.Now() - heldSince_) / LevelMs);
            level_ = std::clamp(level_ + held_ * levels, 0, Levels);
            held_ = 0;
        }
        break;
    default: break;
    }
}

double TRadioTrackEmulator::FrequencyMHz() const
{
    return tuned_ ? (double(word_) - TuneBase) / 40.0 : 0.0;
}

std::uint8_t TRadioTrackEmulator::Read(int offset)
{
    if (offset != 0 || !tuned_) return 0xFF;
    const TSimStation* s = stations_.Find(bFM, FrequencyMHz());
    if (!s) return 0xFF;
    return s->stereo ? 0xFD : 0xFB;
}
