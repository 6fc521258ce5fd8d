#include "SimulatedHardware.h"

#include "RadioTrackEmulator.h"
#include "ZoltrixEmulator.h"

TSimulatedHardware::TSimulatedHardware(TStationList stations, bool realTime,
                                       const QString& traceFile)
    : THardwareEnv(traceFile), stations_(std::move(stations)), clock_(realTime)
{
    Attach(bus_, clock_);
    InsertCard(mRadioTrack);
}

// The receivers' threads stop before the station list they read goes.
TSimulatedHardware::~TSimulatedHardware()
{
    for (auto& receiver : receivers_) receiver.reset();
}

void TSimulatedHardware::InsertCard(tModel model)
{
    for (std::uint16_t base : {std::uint16_t(0x30C), std::uint16_t(0x20C)}) {
        switch (model) {
        case mRadioTrack:
        case mRA300:
            bus_.Insert(base, std::make_unique<TRadioTrackEmulator>(clock_, stations_));
            break;
        case mZoltrix:
            bus_.Insert(base, std::make_unique<TZoltrixEmulator>(stations_));
            break;
        default: bus_.Remove(base); break;
        }
    }
}

TSerialReceiverEmulator* TSimulatedHardware::SerialReceiver(int n) const
{
    if (n < 1 || n > SerialPorts) return nullptr;
    std::lock_guard lock(serialMutex_);
    auto& receiver = receivers_[n - 1];
    if (!receiver) {
        auto made = std::make_unique<TSerialReceiverEmulator>(stations_);
        if (!made->IsValid()) return nullptr;
        receiver = std::move(made);
    }
    return receiver.get();
}

QString TSimulatedHardware::ComDevice(int n) const
{
    if (const TSerialReceiverEmulator* receiver = SerialReceiver(n)) return receiver->SlavePath();
    return THardwareEnv::ComDevice(n);
}

std::unique_ptr<TMixerDevice> TSimulatedHardware::MixerDevice()
{
    return std::make_unique<TEmulatedMixerDevice>(soundCard_);
}
