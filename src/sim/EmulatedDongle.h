#pragma once
// The dongle of the emulated machine: the I/Q an RTL2832U would deliver at
// the antenna of the simulated station list, every FM station that falls
// inside the band received sent as a stereo (or mono) broadcast with its
// pilot, a tone programme of its own and a little noise. Paced in real time
// for the program, or as fast as asked for the tests.

#include "IqSource.h"
#include "StationList.h"

#include <chrono>
#include <functional>
#include <memory>

class TFmSynth;
struct tSynthStation;

class TEmulatedDongle final : public TIqSource {
public:
    // `realTime`: Read hands out only the samples whose time has come.
    // Not `plugged`: Open fails as librtlsdr's source does with no dongle.
    TEmulatedDongle(const TStationList& stations, bool realTime, bool plugged = true);
    ~TEmulatedDongle() override;

    bool Open() override;
    void Close() override;
    bool SetCenter(std::uint32_t hz) override;
    bool SetSampleRate(std::uint32_t rate) override;
    bool SetGain(bool, int) override { return open_ || Refuse(); }
    bool SetCorrection(int) override { return open_ || Refuse(); }
    std::vector<int> Gains() const override;
    long Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs) override;
    std::string Error() const override { return error_; }

    // The stations the band received holds now.
    std::size_t StationsInBand() const;

    // A station's programme as the dongle sends it: left and right tones
    // that tell the stations and the channels apart.
    static double LeftTone(std::size_t station) { return 400.0 + 100.0 * double(station); }
    static double RightTone(std::size_t station) { return 1.5 * LeftTone(station); }

private:
    bool Refuse();
    void Rebuild();

    const TStationList& stations_;
    const bool realTime_;
    const bool plugged_;
    bool open_ = false;
    std::uint32_t rate_ = 1024000;
    std::uint32_t center_ = 0;
    std::unique_ptr<TFmSynth> synth_;
    std::size_t inBand_ = 0;
    bool started_ = false;
    std::chrono::steady_clock::time_point start_{};
    std::uint64_t delivered_ = 0;
    std::string error_;
};
