#pragma once
// A Linux radio device (Video4Linux2) as the radio card uses it: what the
// device offers (bands, units, stereo, RDS, hardware seek, mute and volume
// controls), frequencies in MHz, the signal in the program's four states.
// Every call answers 0 or a negative errno from the device.

#include "V4l2Device.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

enum tSignal : int;

struct tV4l2Range {
    double low = 0, high = 0; // MHz; both 0 when the device lacks the range
    bool Valid() const { return high > low; }
};

struct tV4l2Control {
    bool present = false;
    int minimum = 0, maximum = 0;
};

// What the device said when probed.
struct tV4l2Info {
    QString cardName;
    bool lowUnits = false; // 62.5 Hz units instead of 62.5 kHz
    tV4l2Range fm, japaneseFM, am;
    bool stereo = false;  // can tell and switch stereo
    bool rds = false;     // delivers RDS blocks by read()
    bool seek = false;    // hardware seek
    bool seekLimits = false; // the seek takes its own range
    tV4l2Control mute, volume;
    double fmStep = 0, amStep = 0;
};

// A signal of at least this share of the full scale (0..65535) counts as a
// station. Drivers scale their RSSI differently; a quarter keeps noise out on
// the ones that report a meaningful range and still takes the ones that
// report only 0 or 65535.
constexpr int V4l2SignalThreshold = 0x4000;

// Devices gone from under the program (unplugged, failed).
bool IsDeviceGone(int result);

// The program's signal state from the tuner's signal, received subchannels
// and capability flags: no station below the threshold; otherwise stereo or
// mono when the tuner tells them apart, else just tuned.
tSignal MapV4l2Signal(int signal, std::uint32_t rxsubchans, std::uint32_t capability);

class TV4l2Radio {
public:
    explicit TV4l2Radio(std::unique_ptr<TV4l2Device> device) : device_(std::move(device)) {}

    // Reads the capabilities, tuner, bands and controls into Info().
    // -ENOTTY when the device is no radio tuner.
    int Probe();
    const tV4l2Info& Info() const { return info_; }

    int SetFrequency(double mhz);
    int Frequency(double* mhz);
    int Signal(tSignal* signal);
    int SetStereo(bool stereo);
    int SetMute(bool mute);
    // Volume 0..256 onto the control's range.
    int SetVolume(int volume);
    // What the device holds, read only; -ENOTTY without the control.
    int Muted(bool* muted);
    int Volume(int* volume);
    // One hardware seek from the current frequency within [low, high] MHz,
    // never wrapping. -ENODATA when no station was found.
    int Seek(bool upward, double spacing, double low, double high);
    // Appends the RDS bytes waiting (three per block) to `bytes`.
    int ReadRds(std::vector<std::uint8_t>& bytes);

    std::uint32_t ToUnits(double mhz) const;
    double FromUnits(std::uint32_t units) const;

private:
    int ProbeBands(std::uint32_t tunerCaps, tV4l2Range tunerRange);
    int ProbeControl(std::uint32_t id, tV4l2Control* control);

    std::unique_ptr<TV4l2Device> device_;
    tV4l2Info info_;
};

// The name the driver gives the device, or empty when it cannot be asked.
QString V4l2CardName(TV4l2Device& device);
