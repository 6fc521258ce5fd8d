#pragma once
// Simulated time for the emulated cards. Every wait of the card protocols
// advances it, so an emulator can tell how long a volume key was held without
// anyone sleeping. In the program the waits also pass for real, so the radio
// behaves as slowly as real hardware would.

#include "PortAccess.h"

#include <cstdint>

class TSimClock final : public TWaiter {
public:
    explicit TSimClock(bool realSleep = false) : realSleep_(realSleep) {}
    void Wait(int ms) override;
    std::int64_t Now() const { return now_; }

private:
    bool realSleep_;
    std::int64_t now_ = 0;
};
