#pragma once
// An emulated Zoltrix Radio Plus 108 on the port bus. It watches the writes to
// its base port: the 45-bit tuning word clocked in after the start pattern
// 0x40, 0xC0 (a one as 0x80, 0x00, 0x80, a zero as 0xC0, 0x40, 0xC0), the
// level register, silence (0x00, 0x00 and a read of B + 3) and audio enable
// (a read of B + 2). A read of B gives 0xDF on a station heard in mono, 0xEF
// on a station heard in stereo (stereo asked for and broadcast), 0xFF off one.

#include "PortBus.h"
#include "StationList.h"

#include <cstdint>

class TZoltrixEmulator final : public TPortDevice {
public:
    explicit TZoltrixEmulator(const TStationList& stations) : stations_(stations) {}

    void Write(int offset, std::uint8_t value) override;
    std::uint8_t Read(int offset) override;

    // What the card is doing, for the simulator's users and tests.
    bool Tuned() const { return tuned_; }
    std::uint64_t Word() const { return word_; } // the 45 bits, position 1 highest
    int W() const { return w_; }
    bool StereoWanted() const { return stereo_; }
    double FrequencyMHz() const { return tuned_ ? (w_ - 2130) / 200.0 : 0.0; }
    bool Muted() const { return !audioOn_; }
    int Level() const { return level_; } // 0..15
    int RejectedWords() const { return rejected_; } // words not matching the card's fixed bits

private:
    enum class Phase { Idle, Start, Bits, Tail };
    void Latch();

    const TStationList& stations_;
    Phase phase_ = Phase::Idle;
    std::uint8_t last_ = 0xFF;
    std::uint8_t beforeLast_ = 0xFF;
    bool clockHigh_ = false;
    int bits_ = 0;
    int tail_ = 0;
    std::uint64_t shift_ = 0;

    bool tuned_ = false;
    std::uint64_t word_ = 0;
    int w_ = 0;
    bool stereo_ = false;
    bool audioOn_ = false;
    int level_ = 0;
    int rejected_ = 0;
};
