#include "ZoltrixEmulator.h"

namespace {
constexpr int WordBits = 45;
// The fixed part of the word: the first 45 bits of C480402C10080000 with the
// frequency bytes (positions 10-17, 19-26) and the stereo bit (33) left out.
constexpr std::uint64_t Template = 0xC480402C10080000ULL >> (64 - WordBits);
constexpr std::uint64_t Bit(int position) { return std::uint64_t(1) << (WordBits - position); }
constexpr std::uint64_t Field(int first, int last)
{
    std::uint64_t mask = 0;
    for (int p = first; p <= last; ++p) mask |= Bit(p);
    return mask;
}
constexpr std::uint64_t Variable = Field(10, 17) | Field(19, 26) | Bit(33);
} // namespace

void TZoltrixEmulator::Write(int offset, std::uint8_t value)
{
    if (offset != 0) return;
    const bool clock = value & 0x80;
    switch (phase_) {
    case Phase::Idle:
    case Phase::Start:
        if (value == 0x40) {
            phase_ = Phase::Start;
        } else if (phase_ == Phase::Start && value == 0xC0) {
            phase_ = Phase::Bits;
            bits_ = 0;
            shift_ = 0;
        } else {
            phase_ = Phase::Idle;
        }
        break;
    case Phase::Bits:
        // Data is sampled on the clock's falling edge; the data line is
        // inverted (bit 6 low carries a one).
        if (clockHigh_ && !clock) {
            shift_ = (shift_ << 1) | ((value & 0x40) ? 0u : 1u);
            if (++bits_ == WordBits) {
                phase_ = Phase::Tail;
                tail_ = 0;
            }
        }
        break;
    case Phase::Tail:
        // 0x80, 0xC0, 0x40 close the word.
        if (++tail_ == 3) {
            Latch();
            phase_ = Phase::Idle;
        }
        break;
    }
    clockHigh_ = clock;
    beforeLast_ = last_;
    last_ = value;
}

void TZoltrixEmulator::Latch()
{
    if ((shift_ & ~Variable) != Template) {
        ++rejected_;
        return;
    }
    word_ = shift_;
    const int low = int((shift_ >> (WordBits - 17)) & 0xFF);
    const int high = int((shift_ >> (WordBits - 26)) & 0xFF);
    w_ = (high << 8) | low;
    stereo_ = shift_ & Bit(33);
    tuned_ = true;
}

std::uint8_t TZoltrixEmulator::Read(int offset)
{
    const bool idle = phase_ == Phase::Idle || phase_ == Phase::Start;
    switch (offset) {
    case 0:
    case 2:
        // The register latches the last value written as the level; a read
        // of either port turns the audio on (the program silences it again
        // where it means to).
        if (idle) {
            level_ = last_ & 0x0F;
            audioOn_ = true;
        }
        if (offset == 2) return 0xFF;
        break;
    case 3:
        if (last_ == 0x00 && beforeLast_ == 0x00) audioOn_ = false;
        return 0xFF;
    default: return 0xFF;
    }
    if (!tuned_) return 0xFF;
    const TSimStation* station = stations_.Find(bFM, FrequencyMHz());
    if (!station) return 0xFF;
    return stereo_ && station->stereo ? 0xEF : 0xDF;
}
