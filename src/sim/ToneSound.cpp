#include "ToneSound.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

using tClock = std::chrono::steady_clock;

// Frames due since the stream opened, at the loop's rate.
std::uint64_t Due(tClock::time_point start)
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(tClock::now() - start).count();
    return std::uint64_t(elapsed) * AudioRate / 1000000;
}

class TToneCapture final : public TAudioStream {
public:
    explicit TToneCapture(std::function<double()> pitch) : pitch_(std::move(pitch)) {}
    long Transfer(std::int16_t* samples, long frames) override
    {
        const std::uint64_t due = Due(start_);
        const long ready = long(std::min<std::uint64_t>(due - given_, std::uint64_t(frames)));
        const double pitch = pitch_ ? pitch_() : 0;
        for (long i = 0; i < ready; ++i) {
            const double v = pitch > 0 ? 0.25 * std::sin(phase_) : 0;
            phase_ = std::fmod(phase_ + 2 * std::numbers::pi * pitch / AudioRate, 2 * std::numbers::pi);
            samples[2 * i] = samples[2 * i + 1] = std::int16_t(std::lround(v * 32767));
        }
        given_ += std::uint64_t(ready);
        return ready;
    }
    int Wait(int ms) override
    {
        if (Due(start_) > given_) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 10)));
        return 0;
    }
    int Recover(int) override { return 0; }

private:
    std::function<double()> pitch_;
    tClock::time_point start_ = tClock::now();
    std::uint64_t given_ = 0;
    double phase_ = 0;
};

class TSink final : public TAudioStream {
public:
    long Transfer(std::int16_t*, long frames) override { return frames; }
    int Wait(int) override { return 0; }
    int Recover(int) override { return 0; }
};

} // namespace

tAudioOpener ToneSoundOpener(std::function<double()> pitch)
{
    return [pitch](const std::string&, bool capture, std::string*) -> std::unique_ptr<TAudioStream> {
        if (capture) return std::make_unique<TToneCapture>(pitch);
        return std::make_unique<TSink>();
    };
}
