// Times the FM receiver: processor seconds per second of signal at the
// dongle's usual sample rates, for stereo audio with the multiplex handed on.
// Run by hand: build/bench/sdr-bench [SECONDS]
//
// The signal (three stations, the one received in stereo with a tone in
// each channel, noise at 40 dB below it) is generated before the clock runs.

#include "FmReceiver.h"
#include "FmSynth.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numbers>
#include <vector>

namespace {

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::function<double(double)> Tone(double hz)
{
    return [hz](double t) { return 0.8 * std::sin(2 * std::numbers::pi * hz * t); };
}

std::vector<std::uint8_t> Signal(std::uint32_t rate, double seconds, double offsetHz)
{
    tFmSynthSetup setup;
    setup.sampleRate = rate;
    setup.noiseDb = -50;
    tSynthStation wanted;
    wanted.offsetHz = offsetHz;
    wanted.levelDb = -10;
    wanted.left = Tone(1000);
    wanted.right = Tone(2500);
    wanted.preemphasisUs = 50;
    tSynthStation neighbour = wanted;
    neighbour.offsetHz = offsetHz - 400000;
    neighbour.levelDb = -20;
    tSynthStation mono = wanted;
    mono.offsetHz = offsetHz + 200000;
    mono.stereo = mono.pilot = false;
    TFmSynth synth(setup, {wanted, neighbour, mono});
    std::vector<std::uint8_t> iq(2 * std::size_t(seconds * rate));
    synth.Generate(iq.data(), iq.size() / 2);
    return iq;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10;
    constexpr double OffsetHz = 250000;
    constexpr std::size_t Read = 16384; // samples per Process call, as a source delivers them
    for (std::uint32_t rate : {1024000u, 2048000u}) {
        const std::vector<std::uint8_t> iq = Signal(rate, 2, OffsetHz);
        tFmReceiverSetup setup;
        setup.sampleRate = rate;
        TFmReceiver receiver(setup);
        receiver.SetOffset(OffsetHz);
        double multiplexSum = 0;
        receiver.OnMultiplex = [&](const tMultiplex& m) {
            // Where the RDS demodulator takes the multiplex.
            multiplexSum += m.count ? m.samples[m.count - 1] : 0;
        };
        std::vector<float> audio;
        audio.reserve(2 * 48000);
        const std::size_t total = std::size_t(seconds * rate);
        const double start = CpuSeconds();
        for (std::size_t done = 0; done < total; done += Read) {
            std::size_t at = done % (iq.size() / 2 / Read * Read);
            receiver.Process(iq.data() + 2 * at, Read, audio);
            audio.clear();
        }
        const double cpu = CpuSeconds() - start;
        std::printf("%u samples/s: %.4f CPU s per s of signal (%s, %s)\n", rate, cpu / (double(total) / rate),
                    receiver.State().pilot ? "stereo" : "NOT STEREO",
                    receiver.State().station ? "station" : "NO STATION");
    }
    return 0;
}
