#pragma once
// Real I/O ports through ioperm() and inb/outb (x86 only).
// The process needs CAP_SYS_RAWIO; without it, or on a kernel without port
// I/O, Acquire() answers no and keeps the system's reason for messages.
// Ports that were not granted are never touched: writes are dropped and reads
// give 0xFF, which the card protocols take for "no card".

#include "PortAccess.h"

#include <QString>
#include <set>

class TDirectPortAccess final : public TPortAccess {
public:
    // Asks for `count` ports from `first`; true when granted.
    bool Acquire(std::uint16_t first, int count);
    bool Granted(std::uint16_t port) const { return granted_.count(port) != 0; }
    // Why the last refused Acquire() was refused, in the system's words.
    QString Reason() const { return reason_; }

    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;

private:
    std::set<std::uint16_t> granted_;
    QString reason_;
};

// The start-up access test: can this process reach the ports of every
// I/O-port card position (0x20C and 0x30C, four ports each)?
bool PortAccessAvailable(TDirectPortAccess& ports, QString* reason);

// False when the kernel offers no I/O port access at all (built without it,
// or not an x86 machine), so no capability can help.
bool KernelHasPortIo();
