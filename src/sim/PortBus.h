#pragma once
// An emulated ISA bus: cards sit on a base address and answer the four ports
// from there. Reads of a port where no card sits give 0xFF, like an empty slot.

#include "PortAccess.h"

#include <map>
#include <memory>

class TPortDevice {
public:
    virtual ~TPortDevice() = default;
    virtual void Write(int offset, std::uint8_t value) = 0;
    virtual std::uint8_t Read(int offset) = 0;
};

class TPortBus final : public TPortAccess {
public:
    static constexpr int Span = 4;
    // Puts a card at `base`, replacing whatever sat there.
    void Insert(std::uint16_t base, std::unique_ptr<TPortDevice> device);
    void Remove(std::uint16_t base) { devices_.erase(base); }
    TPortDevice* At(std::uint16_t base) const;

    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;

private:
    std::pair<TPortDevice*, int> Find(std::uint16_t port) const;
    std::map<std::uint16_t, std::unique_ptr<TPortDevice>> devices_;
};
