#include "EmulatedDongle.h"

#include "FmSynth.h"
#include "RdsModulator.h"
#include "StationRds.h"
#include "TunerGains.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <thread>

namespace {

// Noise in 200 kHz relative to full scale: stations 40 dB and more above it.
constexpr double NoiseDb = -60;
// Stations further off the centre than this lie outside what the dongle passes.
constexpr double PassFraction = 0.45;

} // namespace

TEmulatedDongle::TEmulatedDongle(const TStationList& stations, bool realTime, bool plugged)
    : stations_(stations), realTime_(realTime), plugged_(plugged)
{
}

TEmulatedDongle::~TEmulatedDongle() = default;

bool TEmulatedDongle::Refuse()
{
    error_ = "The emulated dongle is not open.";
    return false;
}

bool TEmulatedDongle::Open()
{
    if (!plugged_) {
        // The real dongle's words, in the user's language.
        error_ = QCoreApplication::translate("TRtlSdrSource", "No RTL-SDR dongle is plugged in.").toStdString();
        return false;
    }
    open_ = true;
    started_ = false;
    delivered_ = 0;
    Rebuild();
    return true;
}

void TEmulatedDongle::Close()
{
    open_ = false;
    synth_.reset();
}

std::vector<int> TEmulatedDongle::Gains() const
{
    return TunerGains(5); // an R820T, the common tuner
}

bool TEmulatedDongle::SetCenter(std::uint32_t hz)
{
    if (!open_) return Refuse();
    center_ = hz;
    Rebuild();
    return true;
}

bool TEmulatedDongle::SetSampleRate(std::uint32_t rate)
{
    if (!open_) return Refuse();
    if (rate < 225001 || rate > 3200000) {
        error_ = "The emulated dongle takes no sample rate of " + std::to_string(rate) + ".";
        return false;
    }
    rate_ = rate;
    started_ = false;
    delivered_ = 0;
    Rebuild();
    return true;
}

// Only the stations inside the band received are synthesised: the others
// would be filtered out by a real tuner before they reach the samples.
void TEmulatedDongle::Rebuild()
{
    std::vector<tSynthStation> band;
    const auto& all = stations_.Stations();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const TSimStation& s = all[i];
        const double offset = s.mhz * 1e6 - double(center_);
        if (s.band != bFM || center_ == 0 || std::abs(offset) > PassFraction * rate_) continue;
        tSynthStation synth;
        synth.offsetHz = offset;
        synth.levelDb = -12 - double(i % 3) * 4;
        const double left = LeftTone(i), right = RightTone(i);
        synth.left = [left](double t) { return 0.4 * std::sin(2 * std::numbers::pi * left * t); };
        synth.right = [right](double t) { return 0.4 * std::sin(2 * std::numbers::pi * right * t); };
        synth.stereo = synth.pilot = s.stereo;
        synth.preemphasisUs = 50;
        // Every station sends the same RDS as on the emulated radio device,
        // counted from the moment the dongle was tuned.
        tRdsModulatorSetup rds;
        rds.sampleRate = rate_;
        auto next = [this, &s, k = std::int64_t(0)]() mutable {
            return StationRdsGroup(stations_, s, k++, QDateTime::currentDateTime());
        };
        auto modulator = std::make_shared<TRdsModulator>(rds, std::move(next));
        synth.rds = [modulator](double pilotPhase) { return modulator->Next(pilotPhase); };
        band.push_back(std::move(synth));
    }
    inBand_ = band.size();
    tFmSynthSetup setup;
    setup.sampleRate = rate_;
    setup.noiseDb = NoiseDb;
    setup.seed = center_ + 1;
    synth_ = std::make_unique<TFmSynth>(setup, std::move(band));
}

std::size_t TEmulatedDongle::StationsInBand() const
{
    return inBand_;
}

long TEmulatedDongle::Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs)
{
    if (!open_) {
        Refuse();
        return iqFailed;
    }
    std::uint64_t wanted = bytes / 2;
    if (realTime_) {
        auto now = std::chrono::steady_clock::now();
        if (!started_) {
            started_ = true;
            start_ = now;
        }
        auto due = [&](std::chrono::steady_clock::time_point t) {
            auto us = std::chrono::duration_cast<std::chrono::microseconds>(t - start_).count();
            return std::uint64_t(us) * rate_ / 1000000;
        };
        std::uint64_t ready = due(now) - std::min(due(now), delivered_);
        if (ready < wanted) {
            // Wait for the whole request, or as long as the caller allows.
            auto at = start_ + std::chrono::microseconds((delivered_ + wanted) * 1000000 / rate_);
            std::this_thread::sleep_until(std::min(at, now + std::chrono::milliseconds(timeoutMs)));
            now = std::chrono::steady_clock::now();
            ready = due(now) - std::min(due(now), delivered_);
        }
        wanted = std::min(wanted, ready);
    }
    if (wanted == 0) return iqTimedOut;
    synth_->Generate(buffer, std::size_t(wanted));
    delivered_ += wanted;
    return long(wanted * 2);
}
