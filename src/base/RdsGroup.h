#pragma once
// One RDS group as a receiver hands it on: blocks A, B, C (or C') and D,
// each with whether it arrived and whether it had to be corrected.

#include <array>
#include <cstdint>

struct tRdsBlock {
    std::uint16_t value = 0;
    bool valid = false;     // received, or corrected by the receiver
    bool corrected = false; // the receiver had to correct it
};

struct tRdsGroup {
    std::array<tRdsBlock, 4> blocks{};
};
