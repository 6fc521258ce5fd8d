#pragma once
// An emulated Video4Linux2 radio, answering the ioctls the kernel's radio
// drivers answer: capabilities, tuner with signal and stereo, frequency
// bands, frequency, hardware seek, mute and volume controls, and an RDS block
// stream (the groups of StationRds.h) at the rate a real station sends it. Tests set it up with or without each feature and
// script faults: a failing call, or the device unplugged.

#include "StationList.h"
#include "V4l2Device.h"

#include <QByteArray>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

struct tV4l2EmulatorSetup {
    QString cardName = QStringLiteral("Vantoro emulated radio");
    bool lowUnits = true; // 62.5 Hz units; else 62.5 kHz and no AM
    bool bands = true;    // FM, Japanese FM and AM as frequency bands; else one FM range 76..108
    bool stereo = true;
    bool rds = true;
    bool seek = true;
    bool mute = true;
    bool volume = true;
};

class TV4l2RadioEmulator : public std::enable_shared_from_this<TV4l2RadioEmulator> {
public:
    // `now`: the time in milliseconds the RDS stream runs on.
    TV4l2RadioEmulator(TStationList stations, std::function<std::int64_t()> now,
                       tV4l2EmulatorSetup setup = {});

    // A handle as opening the device file gives; null (ENOENT) while unplugged.
    std::unique_ptr<TV4l2Device> Open(int* error);
    int Ioctl(unsigned long request, void* arg);
    int Read(void* buffer, int size);

    // Pulls the tuner out: open handles answer ENODEV, new opens fail.
    void SetPlugged(bool plugged);
    bool Plugged() const;
    // The next call of this request fails with this errno.
    void FailNext(unsigned long request, int error);

    double FrequencyMHz() const;
    bool Muted() const;
    int VolumeValue() const;
    bool StereoMode() const;
    int SeekCalls() const;

    static constexpr int VolumeMax = 15;

private:
    const TSimStation* StationHere() const;
    int Seek(const void* arg);
    void AppendGroup(QByteArray& out, std::int64_t k, const TSimStation& station) const;

    mutable std::mutex mutex_;
    TStationList stations_;
    std::function<std::int64_t()> now_;
    tV4l2EmulatorSetup setup_;
    bool plugged_ = true;
    std::map<unsigned long, int> faults_;
    std::uint32_t frequency_ = 0; // in the tuner's units
    bool muted_ = true;
    int volume_ = 8;
    bool stereoMode_ = true;
    int seekCalls_ = 0;
    std::int64_t tunedAt_ = 0;
    std::int64_t groupsSent_ = 0;
};
