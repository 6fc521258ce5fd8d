#include "SimulatedHardware.h"

#include "RadioTrackEmulator.h"

TSimulatedHardware::TSimulatedHardware(TStationList stations, bool realTime,
                                       const QString& traceFile)
    : THardwareEnv(traceFile), stations_(std::move(stations)), clock_(realTime)
{
    Attach(bus_, clock_);
    InsertCard(mRadioTrack);
}

TSimulatedHardware::~TSimulatedHardware() = default;

void TSimulatedHardware::InsertCard(tModel model)
{
    for (std::uint16_t base : {std::uint16_t(0x30C), std::uint16_t(0x20C)}) {
        switch (model) {
        case mRadioTrack:
        case mRA300:
            bus_.Insert(base, std::make_unique<TRadioTrackEmulator>(clock_, stations_));
            break;
        default: bus_.Remove(base); break;
        }
    }
}
