#pragma once
// Everything the radio card reaches outside the program: I/O ports, waits,
// serial devices, radio devices, the sound card's mixer and the trace. The real machine and
// the simulator both provide one; the card code cannot tell them apart.

#include "AudioLoop.h"
#include "DirectPortAccess.h"
#include "MixerDevice.h"
#include "PortAccess.h"
#include "Trace.h"
#include "V4l2Device.h"

#include <QMap>
#include <QString>
#include <memory>

class TIqSource;

// The USB serial adapters in `dir`, ttyUSB before ttyACM, each by number.
QStringList ListSerialAdapters(const QString& dir = QStringLiteral("/dev"));

class THardwareEnv {
public:
    explicit THardwareEnv(const QString& traceFile = QString());
    virtual ~THardwareEnv();
    THardwareEnv(const THardwareEnv&) = delete;
    THardwareEnv& operator=(const THardwareEnv&) = delete;

    // Port and wait access, traced when a trace file was given.
    TPortAccess& Ports() { return *ports_; }
    TWaiter& Waiter() { return *waiter_; }
    // The trace, or null when none is kept.
    TTraceLog* Trace() { return trace_ && trace_->IsOpen() ? trace_.get() : nullptr; }

    // The device of serial port COMn: /dev/ttyS{n-1} unless mapped otherwise.
    virtual QString ComDevice(int n) const;
    void MapComDevice(int n, const QString& path) { comMap_[n] = path; }
    // The USB serial adapters plugged in (/dev/ttyUSB0, /dev/ttyACM0, ...),
    // whether or not this user may open them.
    virtual QStringList SerialAdapters() const { return ListSerialAdapters(); }

    // Whether the I/O-port cards can be reached; the reason when not.
    virtual bool PortAccess(QString* reason) = 0;
    virtual bool Simulated() const = 0;

    // A fresh, unopened handle on the sound card's mixer; null when the
    // machine has no sound card. Each caller gets its own, as each program
    // opens its own mixer on the same card.
    virtual std::unique_ptr<TMixerDevice> MixerDevice() { return nullptr; }

    // A script's beep, traced; false when it could not be played, so the
    // caller rings the desktop bell instead.
    bool Beep(int pitch, int ms);
    // The radio devices found (/dev/radio0, /dev/radio1, ...), by number.
    virtual QStringList RadioDevices() const { return ListRadioDevices(); }
    // The device of radio port n: the n-th device found unless mapped
    // otherwise; empty when there is none.
    QString RadioDevice(int n) const;
    void MapRadioDevice(int n, const QString& path) { radioMap_[n] = path; }
    // Opens a radio device, traced when a trace is kept; null with the errno
    // in `error` when it cannot be opened.
    std::unique_ptr<TV4l2Device> OpenRadioDevice(const QString& path, int* error);
    // The loop that plays a radio device's USB sound on the sound card, not
    // yet started; null when the device has no sound of its own on USB.
    virtual std::unique_ptr<TAudioLoop> UsbAudioLoop(const QString& /*radioDevice*/) { return nullptr; }

    // The software-defined radio's samples on the emulated machine (its
    // emulated dongle, whatever source was chosen), a new one the caller
    // owns; null on the real one, where the card opens the source the
    // settings name. (A plain pointer: the source's class lies above this layer.)
    virtual TIqSource* NewEmulatedIqSource() { return nullptr; }
    // The software-defined radio's sound output: an ALSA playback device by
    // name; null with `*error` saying why.
    virtual std::unique_ptr<TAudioStream> OpenSdrAudio(const std::string& device, std::string* error)
    {
        return OpenAlsaStream(device, false, error);
    }

protected:
    // Plays the tone; a machine without a way to play one says false.
    virtual bool Tone(int /*pitch*/, int /*ms*/) { return false; }

    // Subclasses hand over their raw backends from their constructor.
    void Attach(TPortAccess& ports, TWaiter& waiter);
    virtual std::unique_ptr<TV4l2Device> OpenRadioRaw(const QString& path, int* error)
    {
        return OpenKernelV4l2Device(path, error);
    }

private:
    std::unique_ptr<TTraceLog> trace_;
    std::unique_ptr<TTracingPortAccess> tracedPorts_;
    std::unique_ptr<TTracingWaiter> tracedWaiter_;
    TPortAccess* ports_ = nullptr;
    TWaiter* waiter_ = nullptr;
    QMap<int, QString> comMap_;
    QMap<int, QString> radioMap_;
};

// The machine itself: ioperm() ports, real sleeps, real serial devices.
class TRealHardware final : public THardwareEnv {
public:
    explicit TRealHardware(const QString& traceFile = QString());
    bool PortAccess(QString* reason) override;
    bool Simulated() const override { return false; }
    std::unique_ptr<TMixerDevice> MixerDevice() override;
    // The tuner's capture device (sysfs) looped to ALSA's "default" device.
    std::unique_ptr<TAudioLoop> UsbAudioLoop(const QString& radioDevice) override;

protected:
    bool Tone(int pitch, int ms) override;

private:
    TDirectPortAccess direct_;
    TSleepWaiter sleeper_;
};
