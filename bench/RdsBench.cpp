// Measures RDS reception through the whole software receiver: generated
// I/Q of a stereo station with RDS at 2 kHz deviation, the FM receiver, the
// RDS demodulator. For each carrier-to-noise ratio (in 200 kHz) it gives the
// share of blocks received correct, the wrong blocks passed on, the time to
// the first group, and the processor time of the receiver and of RDS.
// Run by hand: build/bench/rds-bench [SECONDS per row]

#include "FmReceiver.h"
#include "FmSynth.h"
#include "RdsDemodulator.h"
#include "RdsModulator.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numbers>
#include <vector>

namespace {
constexpr std::uint16_t Pi = 0xD3C2;

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Group n of the station: blocks C and D tell the groups apart; every
// fourth group is version B (C' carrying the PI).
tRdsGroup Numbered(long n)
{
    const bool versionB = n % 4 == 3;
    const std::uint16_t values[4] = {Pi, std::uint16_t(0x2000 | (versionB ? 0x0800 : 0) | (n & 0x1F)),
                                     versionB ? Pi : std::uint16_t(n * 7919), std::uint16_t(n * 40503)};
    tRdsGroup g;
    for (std::size_t i = 0; i < 4; ++i) g.blocks[i] = {values[i], true, false};
    return g;
}

struct tRow {
    const char* what;
    double cnrDb;
    bool pilot = true, quadrature = false;
    double offsetHz = 0;
};

struct tResult {
    long correct = 0, corrected = 0, wrong = 0, lastGroup = -1;
    double firstGroupAt = -1, receiverCpu = 0, rdsCpu = 0;
};

// Groups sent before half a second are not counted: the sync may take that.
constexpr long FirstCounted = 6;

tResult Run(const tRow& row, double seconds)
{
    constexpr std::uint32_t Rate = 1024000;
    constexpr double OffsetHz = 250000;
    tFmSynthSetup setup;
    setup.sampleRate = Rate;
    setup.noiseDb = -10 - row.cnrDb;
    setup.seed = 7;
    tSynthStation station;
    station.offsetHz = OffsetHz;
    station.levelDb = -10;
    // Tones at the levels a broadcast limiter leaves after the pre-emphasis
    // (which lifts 10 kHz more than threefold): full deviation, no more.
    station.left = [](double t) { return 0.6 * std::sin(2 * std::numbers::pi * 1000 * t); };
    station.right = [](double t) { return 0.2 * std::sin(2 * std::numbers::pi * 10000 * t); };
    station.preemphasisUs = 50;
    station.pilot = row.pilot;
    station.stereo = row.pilot;
    tRdsModulatorSetup rds;
    rds.sampleRate = Rate;
    rds.quadrature = row.quadrature;
    rds.freeRunning = !row.pilot;
    rds.offsetHz = row.offsetHz;
    long sent = 0;
    auto modulator = std::make_shared<TRdsModulator>(rds, [&sent] { return Numbered(sent++); });
    station.rds = [modulator](double pilotPhase) { return modulator->Next(pilotPhase); };
    TFmSynth synth(setup, {station});

    tFmReceiverSetup receiverSetup;
    receiverSetup.sampleRate = Rate;
    TFmReceiver receiver(receiverSetup);
    receiver.SetOffset(OffsetHz);
    std::unique_ptr<TRdsDemodulator> demodulator;
    tResult result;
    long number = -1;
    receiver.OnMultiplex = [&](const tMultiplex& m) {
        if (!demodulator) {
            demodulator = std::make_unique<TRdsDemodulator>(m.rate);
            demodulator->OnGroup = [&](const tRdsGroup& g) {
                if (result.firstGroupAt < 0) result.firstGroupAt = synth.Time();
                ++number;
                // The group's number from blocks C and D as received, else the next one.
                for (long n = number - 8 < 0 ? 0 : number - 8; n < number + 400; ++n) {
                    const tRdsGroup s = Numbered(n);
                    int matches = 0, mismatches = 0;
                    for (std::size_t b : {2, 3})
                        if (g.blocks[b].valid && !g.blocks[b].corrected && s.blocks[b].value != Pi)
                            ++(g.blocks[b].value == s.blocks[b].value ? matches : mismatches);
                    if (matches > 0 && mismatches == 0) {
                        number = n;
                        break;
                    }
                }
                const tRdsGroup s = Numbered(number);
                result.lastGroup = number;
                for (std::size_t b = 0; b < 4; ++b) {
                    if (!g.blocks[b].valid) continue;
                    if (g.blocks[b].value != s.blocks[b].value) {
                        ++result.wrong;
                    } else if (number >= FirstCounted) {
                        ++result.correct;
                        result.corrected += g.blocks[b].corrected;
                    }
                }
            };
        }
        const double start = CpuSeconds();
        demodulator->Process(m);
        result.rdsCpu += CpuSeconds() - start;
    };
    constexpr std::size_t Read = 16384;
    std::vector<std::uint8_t> iq(2 * Read);
    std::vector<float> audio;
    for (double done = 0; done < seconds * Rate; done += Read) {
        synth.Generate(iq.data(), Read);
        const double start = CpuSeconds();
        receiver.Process(iq.data(), Read, audio);
        result.receiverCpu += CpuSeconds() - start;
        audio.clear();
    }
    result.receiverCpu /= seconds;
    result.rdsCpu /= seconds;
    return result;
}
} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30;
    const tRow rows[] = {
        {"", 30},
        {"", 25},
        {"", 22},
        {"", 20},
        {"", 18},
        {"", 16},
        {"", 14},
        {"in quadrature", 20, true, true},
        {"no pilot, 5 Hz off", 20, false, false, 5},
        {"no pilot, in quadrature, -6 Hz off", 25, false, true, -6},
    };
    std::printf("%.0f s of signal per row at 1.024 MS/s; RDS at 2 kHz deviation, stereo programme\n\n", seconds);
    std::printf("| CNR (200 kHz) | station | blocks correct | of them corrected | wrong blocks | first group | "
                "CPU receiver + RDS | CPU of RDS |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const tRow& row : rows) {
        const tResult r = Run(row, seconds);
        const long counted = 4 * (r.lastGroup - FirstCounted + 1);
        std::printf("| %.0f dB | %s | %.2f %% | %ld | %ld | %s | %.4f s/s | %.4f s/s |\n", row.cnrDb,
                    *row.what ? row.what : "stereo, RDS in phase", counted > 0 ? 100.0 * double(r.correct) / double(counted) : 0.0,
                    r.corrected, r.wrong,
                    r.firstGroupAt < 0 ? "none" : (std::to_string(r.firstGroupAt).substr(0, 5) + " s").c_str(),
                    r.receiverCpu, r.rdsCpu);
        std::fflush(stdout);
    }
    return 0;
}
