#pragma once
// The RDS signal of a simulated station: groups become blocks with their
// checkwords and offset words, the bits are differentially encoded and
// sent as shaped biphase symbols at 1187.5 bit/s on the 57 kHz subcarrier,
// which is three times the pilot's phase, as a station locks it. One sample
// per call, peak 1.0; the station scales it to its RDS deviation.

#include "RdsGroup.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

struct tRdsModulatorSetup {
    double sampleRate = 256000;
    // The subcarrier 90 degrees from the pilot's third harmonic, as some
    // stations send it.
    bool quadrature = false;
    // A subcarrier of its own, not locked to the pilot (a station without
    // one), this far from 57 kHz.
    bool freeRunning = false;
    double offsetHz = 0;
};

class TRdsModulator {
public:
    // `nextGroup` gives the groups to send, one per call, as long as the
    // modulator runs. Version B groups (bit 11 of block B) get C'.
    TRdsModulator(const tRdsModulatorSetup& setup, std::function<tRdsGroup()> nextGroup);

    // The next sample, for the pilot's phase (radians) at this sample.
    float Next(double pilotPhase);

private:
    bool NextBit();
    float Baseband() const;

    tRdsModulatorSetup setup_;
    std::function<tRdsGroup()> nextGroup_;
    std::vector<float> pulse_; // the biphase symbol, tabulated over the window
    float scale_ = 1;
    std::array<float, 7> window_{}; // symbols, the current one in the middle
    double position_ = 0;           // in the current symbol, 0..1
    double step_;                   // symbol periods per sample
    int every_;                     // samples between sums of the symbols
    int sub_ = 0;                   // samples since the last sum
    float previous_ = 0, current_ = 0; // the last two sums
    std::uint32_t ownStep_;         // the free subcarrier's phase step, 2^32 to the turn
    std::uint32_t ownPhase_ = 0;
    std::array<std::uint32_t, 4> blocks_{};
    int bitsLeft_ = 0;
    bool encoded_ = false;          // the last differentially encoded bit
};
