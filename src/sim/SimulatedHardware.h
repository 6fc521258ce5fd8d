#pragma once
// The whole emulated machine: a port bus with a card of the chosen family at
// 0x30C and 0x20C, serial receivers for the serial models, a radio device
// (/dev/radio0), a sound card and simulated time.

#include "EmulatedMixerDevice.h"
#include "HardwareEnv.h"
#include "PortBus.h"
#include "RadioCards.h"
#include "SerialReceiverEmulator.h"
#include "SimClock.h"
#include "StationList.h"
#include "V4l2RadioEmulator.h"

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
    // No adapter is plugged into the emulated machine.
    QStringList SerialAdapters() const override { return {}; }

    bool PortAccess(QString*) override { return true; }
    bool Simulated() const override { return true; }

    // The emulated sound card: every mixer opened here is a handle on it.
    std::unique_ptr<TMixerDevice> MixerDevice() override;
    TEmulatedSoundCard& SoundCard() { return *soundCard_; }

    // The beeps asked for, in order; none is played.
    const std::vector<std::pair<int, int>>& Beeps() const { return beeps_; }
    // The emulated radio device, the only one found: /dev/radio0.
    QStringList RadioDevices() const override;
    TV4l2RadioEmulator& Radio() { return *radio_; }
    // Puts in a radio device that offers what `setup` says.
    void InsertRadio(const tV4l2EmulatorSetup& setup);
    static constexpr const char* RadioPath = "/dev/radio0";
    // The emulated radio's USB sound: in real time a tone (ToneSound), else
    // none unless a test gives it one here.
    std::function<std::unique_ptr<TAudioLoop>(const QString& radioDevice)> UsbAudio;
    std::unique_ptr<TAudioLoop> UsbAudioLoop(const QString& radioDevice) override
    {
        return UsbAudio ? UsbAudio(radioDevice) : nullptr;
    }

    // The software-defined radio's dongle: the station list's I/Q, in real
    // time when the machine runs in real time. The sound goes to the real
    // ALSA device then; in tests it is taken and thrown away (SdrAudio may
    // put another sink in).
    TIqSource* NewEmulatedIqSource() override;
    // The dongle is plugged in unless a test pulls it out; the sources made
    // while it is out cannot be opened.
    void SetDonglePlugged(bool plugged) { donglePlugged_ = plugged; }
    unsigned Dongles() const { return donglePlugged_ ? 1 : 0; }
    std::unique_ptr<TAudioStream> OpenSdrAudio(const std::string& device, std::string* error) override;
    std::function<std::unique_ptr<TAudioStream>(const std::string& device, std::string* error)> SdrAudio;

    TPortBus& Bus() { return bus_; }
    TSimClock& Clock() { return clock_; }
    const TStationList& Stations() const { return stations_; }

protected:
    bool Tone(int pitch, int ms) override
    {
        beeps_.emplace_back(pitch, ms);
        return true;
    }

    std::unique_ptr<TV4l2Device> OpenRadioRaw(const QString& path, int* error) override;

private:
    std::vector<std::pair<int, int>> beeps_;
    TStationList stations_;
    std::shared_ptr<TEmulatedSoundCard> soundCard_ = TEmulatedSoundCard::Standard();
    TSimClock clock_;
    bool realTime_;
    bool donglePlugged_ = true;
    TPortBus bus_;
    std::function<std::int64_t()> radioTime_;
    std::shared_ptr<TV4l2RadioEmulator> radio_;
    mutable std::mutex serialMutex_;
    mutable std::array<std::unique_ptr<TSerialReceiverEmulator>, SerialPorts> receivers_;
};
