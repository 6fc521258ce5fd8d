#include "PortBus.h"

void TPortBus::Insert(std::uint16_t base, std::unique_ptr<TPortDevice> device)
{
    devices_[base] = std::move(device);
}

TPortDevice* TPortBus::At(std::uint16_t base) const
{
    const auto it = devices_.find(base);
    return it == devices_.end() ? nullptr : it->second.get();
}

std::pair<TPortDevice*, int> TPortBus::Find(std::uint16_t port) const
{
    auto it = devices_.upper_bound(port);
    if (it == devices_.begin()) return {nullptr, 0};
    --it;
    const int offset = port - it->first;
    if (offset >= Span) return {nullptr, 0};
    return {it->second.get(), offset};
}

void TPortBus::PortOut(std::uint16_t port, std::uint8_t value)
{
    if (auto [device, offset] = Find(port); device) device->Write(offset, value);
}

std::uint8_t TPortBus::PortIn(std::uint16_t port)
{
    if (auto [device, offset] = Find(port); device) return device->Read(offset);
    return 0xFF;
}
