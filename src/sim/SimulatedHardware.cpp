#include "SimulatedHardware.h"

#include "EmulatedDongle.h"
#include "RadioTrackEmulator.h"
#include "ToneSound.h"
#include "ZoltrixEmulator.h"

#include <cerrno>
#include <chrono>

TSimulatedHardware::TSimulatedHardware(TStationList stations, bool realTime,
                                       const QString& traceFile)
    : THardwareEnv(traceFile), stations_(std::move(stations)), clock_(realTime), realTime_(realTime)
{
    Attach(bus_, clock_);
    InsertCard(mRadioTrack);
    // The radio's RDS runs on simulated time in tests; in the program nothing
    // waits between clock ticks, so there it runs on the real clock.
    radioTime_ = [this] { return clock_.Now(); };
    if (realTime) {
        const auto start = std::chrono::steady_clock::now();
        radioTime_ = [start] {
            return std::int64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start)
                                    .count());
        };
        // In the program the radio device has USB sound: a quiet 440 Hz
        // tone, so its sound loop and a recording of it can be tried.
        UsbAudio = [](const QString&) {
            return std::make_unique<TAudioLoop>("tone", "sink", ToneSoundOpener([] { return 440.0; }));
        };
    }
    InsertRadio({});
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

void TSimulatedHardware::InsertRadio(const tV4l2EmulatorSetup& setup)
{
    radio_ = std::make_shared<TV4l2RadioEmulator>(stations_, radioTime_, setup);
}

QStringList TSimulatedHardware::RadioDevices() const
{
    return radio_->Plugged() ? QStringList{QString::fromLatin1(RadioPath)} : QStringList{};
}

std::unique_ptr<TV4l2Device> TSimulatedHardware::OpenRadioRaw(const QString& path, int* error)
{
    if (path == QLatin1String(RadioPath)) return radio_->Open(error);
    if (error) *error = ENOENT;
    return nullptr;
}

std::unique_ptr<TMixerDevice> TSimulatedHardware::MixerDevice()
{
    return std::make_unique<TEmulatedMixerDevice>(soundCard_);
}

namespace {

// Takes the sound at once and keeps none of it.
class TDiscardingStream final : public TAudioStream {
public:
    long Transfer(std::int16_t*, long frames) override { return frames; }
    int Wait(int) override { return 0; }
    int Recover(int) override { return 0; }
};

} // namespace

TIqSource* TSimulatedHardware::NewEmulatedIqSource()
{
    return new TEmulatedDongle(stations_, realTime_, donglePlugged_);
}

std::unique_ptr<TAudioStream> TSimulatedHardware::OpenSdrAudio(const std::string& device, std::string* error)
{
    if (SdrAudio) return SdrAudio(device, error);
    if (realTime_) return OpenAlsaStream(device, false, error);
    return std::make_unique<TDiscardingStream>();
}
