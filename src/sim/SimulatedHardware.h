#pragma once
// The whole emulated machine: a port bus with a card of the chosen family at
// 0x30C and 0x20C, serial receivers for the serial models, a sound card and
// simulated time.

#include "EmulatedMixerDevice.h"
#include "HardwareEnv.h"
#include "PortBus.h"
#include "RadioCards.h"
#include "SerialReceiverEmulator.h"
#include "SimClock.h"
#include "StationList.h"

#include <array>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class TSimulatedHardware final : public THardwareEnv {
public:
    // `realTime`: waits also pass for real (the program); tests leave it off.
    TSimulatedHardware(TStationList stations, bool realTime, const QString& traceFile = QString());
    ~TSimulatedHardware() override;

    // Puts the emulated card of this model's family at both port positions.
    void InsertCard(tModel model);

    // COM1..COM8 are emulated receivers on pseudo-terminals, made when first
    // asked for; other numbers stay as THardwareEnv maps them.
    QString ComDevice(int n) const override;
    // The receiver behind COMn (1..8), made if need be; null outside that
    // range or when the system has no pseudo-terminals left.
    TSerialReceiverEmulator* SerialReceiver(int n) const;
    static constexpr int SerialPorts = 8;

    bool PortAccess(QString*) override { return true; }
    bool Simulated() const override { return true; }

    // The emulated sound card: every mixer opened here is a handle on it.
    std::unique_ptr<TMixerDevice> MixerDevice() override;
    TEmulatedSoundCard& SoundCard() { return *soundCard_; }

    // The beeps asked for, in order; none is played.
    const std::vector<std::pair<int, int>>& Beeps() const { return beeps_; }

    TPortBus& Bus() { return bus_; }
    TSimClock& Clock() { return clock_; }
    const TStationList& Stations() const { return stations_; }

protected:
    bool Tone(int pitch, int ms) override
    {
        beeps_.emplace_back(pitch, ms);
        return true;
    }

private:
    std::vector<std::pair<int, int>> beeps_;
    TStationList stations_;
    std::shared_ptr<TEmulatedSoundCard> soundCard_ = TEmulatedSoundCard::Standard();
    TSimClock clock_;
    TPortBus bus_;
    mutable std::mutex serialMutex_;
    mutable std::array<std::unique_ptr<TSerialReceiverEmulator>, SerialPorts> receivers_;
};
