#pragma once
// Byte-wide I/O port access and the waits of the card protocols.
// Every call reaches the backend at once and in program order: the card
// protocols count on each write, repeated values included, arriving as written.

#include <cstdint>

class TPortAccess {
public:
    virtual ~TPortAccess() = default;
    virtual void PortOut(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t PortIn(std::uint16_t port) = 0;
};

// Blocking waits in milliseconds. Tests inject a recorder instead of sleeping.
class TWaiter {
public:
    virtual ~TWaiter() = default;
    virtual void Wait(int ms) = 0;
};

class TSleepWaiter final : public TWaiter {
public:
    void Wait(int ms) override;
};
