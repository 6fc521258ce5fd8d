#pragma once
// An emulated RadioTrack / RA300 card. It reacts only to what the card's
// register sees: tuning bits clocked in on bit 1 with the data on bit 2 (least
// significant first, 24 of them), audio on and off, the volume keys held for
// a measured time, and the status read (0xFD stereo, 0xFF nothing, 0xFB mono).

#include "PortBus.h"
#include "SimClock.h"
#include "StationList.h"

class TRadioTrackEmulator final : public TPortDevice {
public:
    TRadioTrackEmulator(const TSimClock& clock, const TStationList& stations)
        : clock_(clock), stations_(stations) {}

    void Write(int offset, std::uint8_t value) override;
    std::uint8_t Read(int offset) override;

    // What the card is doing, for the simulator's users and tests.
    bool Tuned() const { return tuned_; }
    double FrequencyMHz() const;
    std::uint32_t TuningWord() const { return word_; }
    bool AudioOn() const { return audioOn_; }
    int Level() const { return level_; } // 0..16
    void SetLevel(int level) { level_ = level; }

private:
    const TSimClock& clock_;
    const TStationList& stations_;
    std::uint32_t shift_ = 0;
    int bits_ = 0;
    bool clockHigh_ = false;
    std::uint32_t word_ = 0;
    bool tuned_ = false;
    bool audioOn_ = false;
    int level_ = 8;
    int held_ = 0; // +1 volume up held, -1 down held
    std::int64_t heldSince_ = 0;
};
