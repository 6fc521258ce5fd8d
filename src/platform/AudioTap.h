#pragma once
// Hears what the card plays: 48 kHz interleaved signed 16-bit frames, handed
// over on the thread that plays them (the radio's or the sound loop's).
// Write must never block that thread; a recorder queues and drops instead.

#include <cstddef>
#include <cstdint>

class TAudioTap {
public:
    virtual ~TAudioTap() = default;
    virtual void Write(const std::int16_t* samples, std::size_t frames, int channels) = 0;
};
