// RDS from generated multiplex signals: the subcarrier taken to baseband,
// the whole demodulator at several carrier-to-noise ratios, with and
// without a pilot and in quadrature, and the modulator's own promises.

#include "FmSynth.h"
#include "RdsDemodulator.h"
#include "RdsModulator.h"
#include "RdsSignal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace {
constexpr double Pi = std::numbers::pi;

// Group n of the test station; every block differs from group to group.
tRdsGroup Numbered(long n, std::uint16_t pi)
{
    tRdsGroup g;
    const bool versionB = n % 4 == 3;
    const std::uint16_t values[4] = {pi, std::uint16_t(0x2000 | (versionB ? 0x0800 : 0) | (n & 0x1F)),
                                     versionB ? pi : std::uint16_t(n * 7919), std::uint16_t(n * 40503)};
    for (std::size_t i = 0; i < 4; ++i) g.blocks[i] = {values[i], true, false};
    return g;
}

struct tStation {
    double rate = 256000;
    double cnrDb = 40;        // carrier to noise in 200 kHz
    bool pilot = true;        // the multiplex carries a pilot and the receiver locked it
    bool quadrature = false;
    double offsetHz = 0;      // of a subcarrier of its own (no pilot)
    double rdsHz = 2000;      // the RDS deviation
    std::uint16_t pi = 0xD3C2;
};

// A multiplex as the FM receiver hands it on: mono and stereo programme,
// the pilot, RDS at 2 kHz deviation, and the discriminator's noise near
// 57 kHz for the carrier-to-noise ratio (its density grows with the square
// of the frequency, nearly flat across the RDS band).
class TMultiplexSource {
public:
    explicit TMultiplexSource(const tStation& station)
        : station_(station), modulator_(Setup(station), [this] { return Numbered(sent_++, station_.pi); })
    {
        const double cnr = std::pow(10, station.cnrDb / 10);
        const double density = 57000.0 * 57000.0 / (cnr * 200000); // Hz^2 per Hz
        noise_ = float(std::sqrt(density * station.rate / 2) / 75000);
    }
    // The next `count` samples; `process` gets them in blocks.
    void Run(double seconds, const std::function<void(const tMultiplex&)>& process)
    {
        const auto total = long(seconds * station_.rate);
        for (long done = 0; done < total; done += long(Block)) {
            for (std::size_t i = 0; i < Block; ++i) {
                pilotPhase_ = std::remainder(pilotPhase_ + 2 * Pi * 19000 / station_.rate, 2 * Pi);
                const double t = double(n_++) / station_.rate;
                const double left = std::sin(2 * Pi * 440 * t), right = std::sin(2 * Pi * 15000 * t);
                phase_[i] = float(pilotPhase_);
                samples_[i] = float(0.45 * (left + right) / 2 + 0.45 * (left - right) / 2 * std::sin(2 * pilotPhase_) +
                                    (station_.pilot ? 0.1 * std::sin(pilotPhase_) : 0) +
                                    station_.rdsHz / 75000 * modulator_.Next(pilotPhase_)) +
                              noise_ * gauss_(random_);
            }
            tMultiplex m{samples_.data(), station_.pilot ? phase_.data() : nullptr, Block, station_.rate};
            process(m);
        }
    }
    double Seconds() const { return double(n_) / station_.rate; }

private:
    static constexpr std::size_t Block = 2048;
    static tRdsModulatorSetup Setup(const tStation& s)
    {
        tRdsModulatorSetup setup;
        setup.sampleRate = s.rate;
        setup.quadrature = s.quadrature;
        setup.freeRunning = !s.pilot;
        setup.offsetHz = s.offsetHz;
        return setup;
    }
    tStation station_;
    long sent_ = 0;
    TRdsModulator modulator_;
    float noise_;
    long n_ = 0;
    double pilotPhase_ = 0.4;
    std::array<float, Block> samples_{}, phase_{};
    std::mt19937 random_{42};
    std::normal_distribution<float> gauss_;
};

// What the demodulator gave, block by block, against what was sent. The
// rate counts from the first group sent after half a second, the time the
// sync may take, to the last group received.
struct tTally {
    long firstCounted = 6; // 6 * 104 bits = 0.53 s
    long correct = 0, wrong = 0, lastGroup = 0;
    double firstGroupAt = -1;
    double Rate() const { return double(correct) / double(4 * (lastGroup - firstCounted + 1)); }
};

// Counts what a demodulator hands on against what the station sent. A
// group's number is known from its blocks C and D as received, or else from
// the one before it (the demodulator hands on the groups in order while it
// keeps the sync).
void Count(TRdsDemodulator& demodulator, std::uint16_t pi, tTally& tally, const std::function<double()>& now)
{
    demodulator.OnGroup = [&tally, pi, now, number = -1L](const tRdsGroup& g) mutable {
        if (tally.firstGroupAt < 0) tally.firstGroupAt = now();
        ++number;
        for (long n = number - 8 < 0 ? 0 : number - 8; n < number + 400; ++n) {
            const tRdsGroup sent = Numbered(n, pi);
            int matches = 0, mismatches = 0;
            for (std::size_t b : {2, 3})
                if (g.blocks[b].valid && !g.blocks[b].corrected && sent.blocks[b].value != pi)
                    ++(g.blocks[b].value == sent.blocks[b].value ? matches : mismatches);
            if (matches > 0 && mismatches == 0) {
                number = n;
                break;
            }
        }
        const tRdsGroup sent = Numbered(number, pi);
        tally.lastGroup = number;
        for (std::size_t b = 0; b < 4; ++b) {
            if (!g.blocks[b].valid) continue;
            if (g.blocks[b].value != sent.blocks[b].value)
                ++tally.wrong;
            else if (number >= tally.firstCounted)
                ++tally.correct;
        }
    };
}

// Runs the demodulator on a station's multiplex.
tTally Receive(const tStation& station, double seconds)
{
    TMultiplexSource source(station);
    TRdsDemodulator demodulator(station.rate);
    tTally tally;
    Count(demodulator, station.pi, tally, [&source] { return source.Seconds(); });
    source.Run(seconds, [&](const tMultiplex& m) { demodulator.Process(m); });
    return tally;
}

// A station of the FM generator with RDS from a modulator of the same rate.
tSynthStation SynthStation(double offsetHz, std::uint16_t pi, bool pilot, bool quadrature)
{
    tSynthStation s;
    s.offsetHz = offsetHz;
    s.levelDb = -10;
    s.left = [](double t) { return 0.6 * std::sin(2 * Pi * 1000 * t); };
    s.right = [](double t) { return 0.2 * std::sin(2 * Pi * 10000 * t); };
    s.preemphasisUs = 50;
    s.pilot = s.stereo = pilot;
    tRdsModulatorSetup setup;
    setup.sampleRate = 1024000;
    setup.quadrature = quadrature;
    setup.freeRunning = !pilot;
    setup.offsetHz = pilot ? 0 : 3;
    auto modulator = std::make_shared<TRdsModulator>(setup, [pi, n = 0L]() mutable { return Numbered(n++, pi); });
    s.rds = [modulator](double pilotPhase) { return modulator->Next(pilotPhase); };
    return s;
}
} // namespace

TEST(RdsSignal, DownconverterPassesTheRdsBandAndStopsTheStereoSignal)
{
    struct Case {
        double rate, toneHz;
        double minGain, maxGain;
    };
    // Tones at baseband: in the RDS band, and where they would fold onto it
    // at the low rate.
    const Case cases[] = {
        {256000, 1000, 0.97, 1.03},   {256000, -2000, 0.97, 1.03}, {240000, 2000, 0.97, 1.03},
        {192000, -500, 0.97, 1.03},   {256000, -8000, 0, 0.002},   {240000, 7600, 0, 0.002},
        {192000, -7500, 0, 0.002},    {256000, -19000, 0, 0.002},  {256000, -38000, 0, 0.002},
    };
    for (const Case& c : cases) {
        TRdsDownconverter down(c.rate);
        // Enough samples a symbol for the symbol clock's interpolation.
        EXPECT_GE(down.OutputRate(), 8 * rds::BitRate) << c.rate;
        std::vector<float> x(std::size_t(c.rate / 2)), phase(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            phase[i] = float(std::remainder(2 * Pi * 19000 * double(i) / c.rate, 2 * Pi));
            x[i] = float(std::cos(2 * Pi * (rds::SubcarrierHz + c.toneHz) * double(i) / c.rate));
        }
        std::vector<std::complex<float>> out;
        down.Process({x.data(), phase.data(), x.size(), c.rate}, out);
        ASSERT_GT(out.size(), 1000u);
        // Past the filter's start: the tone's amplitude at baseband.
        double sum = 0;
        for (std::size_t i = out.size() / 2; i < out.size(); ++i) sum += std::norm(out[i]);
        const double gain = std::sqrt(sum / double(out.size() - out.size() / 2));
        EXPECT_GE(gain, c.minGain) << c.rate << " " << c.toneHz;
        EXPECT_LE(gain, c.maxGain) << c.rate << " " << c.toneHz;
    }
}

TEST(RdsSignal, SubcarrierFollowsThreeTimesThePilotPhase)
{
    // A 57 kHz tone locked to the pilot lands at one fixed phase; with the
    // pilot's phase shifted by 20 degrees the landing turns by 60.
    const double rate = 256000;
    for (double shift : {0.0, 20.0}) {
        TRdsDownconverter down(rate);
        std::vector<float> x(25600), phase(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double p = 2 * Pi * 19000 * double(i) / rate;
            phase[i] = float(std::remainder(p + shift * Pi / 180, 2 * Pi));
            x[i] = float(std::cos(3 * p + 0.5));
        }
        std::vector<std::complex<float>> out;
        down.Process({x.data(), phase.data(), x.size(), rate}, out);
        ASSERT_FALSE(out.empty());
        EXPECT_NEAR(std::arg(out.back()), 0.5 - 3 * shift * Pi / 180, 0.01) << shift;
    }
}

TEST(RdsSignal, DemodulatorReadsStationsAtSeveralCarrierToNoiseRatios)
{
    struct Case {
        const char* what;
        tStation station;
        double minRate; // of the blocks sent
    };
    tStation weak, fair, quadrature, noPilot, noPilotQuadrature, strong192;
    weak.cnrDb = 20;
    fair.cnrDb = 25;
    quadrature.cnrDb = 25;
    quadrature.quadrature = true;
    noPilot.cnrDb = 25;
    noPilot.pilot = false;
    noPilot.offsetHz = 4;
    noPilotQuadrature.cnrDb = 22;
    noPilotQuadrature.pilot = false;
    noPilotQuadrature.quadrature = true;
    noPilotQuadrature.offsetHz = -6;
    strong192.rate = 192000;
    const Case cases[] = {
        {"20 dB", weak, 0.95},
        {"25 dB", fair, 0.99},
        {"25 dB, in quadrature", quadrature, 0.99},
        {"25 dB, no pilot, 4 Hz off", noPilot, 0.99},
        {"22 dB, no pilot, in quadrature, 6 Hz off", noPilotQuadrature, 0.95},
        {"40 dB at 192 kHz", strong192, 0.99},
    };
    constexpr double Seconds = 6;
    for (const Case& c : cases) {
        const tTally tally = Receive(c.station, Seconds);
        ASSERT_GE(tally.firstGroupAt, 0) << c.what;
        EXPECT_LE(tally.firstGroupAt, 0.5) << c.what;
        EXPECT_GE(tally.Rate(), c.minRate) << c.what << ": " << tally.correct << " to group " << tally.lastGroup;
        EXPECT_EQ(tally.wrong, 0) << c.what;
    }
}

TEST(RdsSignal, NoiseAloneGivesNoGroups)
{
    // A station without RDS, and one too weak for it.
    for (const auto& [cnr, rdsHz] : {std::pair{30.0, 0.0}, std::pair{8.0, 2000.0}}) {
        tStation station;
        station.cnrDb = cnr;
        station.rdsHz = rdsHz;
        TMultiplexSource source(station);
        TRdsDemodulator demodulator(station.rate);
        int groups = 0;
        demodulator.OnGroup = [&](const tRdsGroup&) { ++groups; };
        source.Run(10, [&](const tMultiplex& m) { demodulator.Process(m); });
        EXPECT_EQ(groups, 0) << cnr;
        EXPECT_FALSE(demodulator.Synchronised()) << cnr;
    }
}

TEST(RdsSignal, ResetDropsWhatTheLastStationSent)
{
    tStation first, second;
    second.pi = 0x1234;
    TRdsDemodulator demodulator(first.rate);
    std::vector<std::uint16_t> pis;
    demodulator.OnGroup = [&](const tRdsGroup& g) {
        if (g.blocks[0].valid) pis.push_back(g.blocks[0].value);
    };
    TMultiplexSource one(first), two(second);
    one.Run(1, [&](const tMultiplex& m) { demodulator.Process(m); });
    ASSERT_TRUE(demodulator.Synchronised());
    ASSERT_FALSE(pis.empty());
    demodulator.Reset();
    EXPECT_FALSE(demodulator.Synchronised());
    pis.clear();
    two.Run(1, [&](const tMultiplex& m) { demodulator.Process(m); });
    ASSERT_FALSE(pis.empty());
    for (const std::uint16_t pi : pis) EXPECT_EQ(pi, 0x1234);
}

TEST(RdsSignal, ModulatorPeaksAtOne)
{
    for (const bool quadrature : {false, true}) {
        tRdsModulatorSetup setup;
        setup.quadrature = quadrature;
        long n = 0;
        TRdsModulator modulator(setup, [&n] { return Numbered(n++, 0xD3C2); });
        float peak = 0;
        double power = 0;
        double p = 0;
        constexpr int Samples = 256000;
        for (int i = 0; i < Samples; ++i) {
            p += 2 * Pi * 19000 / setup.sampleRate;
            const float y = modulator.Next(p);
            peak = std::max(peak, std::abs(y));
            power += double(y) * y;
        }
        EXPECT_LE(peak, 1.0f) << quadrature;
        EXPECT_GT(peak, 0.8f) << quadrature;
        EXPECT_GT(power / Samples, 0.05) << quadrature; // a signal, not a trickle
        // A second of 1187.5 bit/s, and the seven symbols the shaping spans.
        EXPECT_EQ(n, long((rds::BitRate + 7) / 104) + 1) << quadrature;
    }
}

TEST(RdsSignal, ReadsStationsThroughTheFmReceiverAndForgetsThemOnTuning)
{
    // Two stations 300 kHz apart at 25 dB: one in stereo with RDS locked to
    // its pilot, one in mono without a pilot, its RDS in quadrature.
    tFmSynthSetup synthSetup;
    synthSetup.noiseDb = -35;
    TFmSynth synth(synthSetup, {SynthStation(-150000, 0xD3C2, true, false), SynthStation(150000, 0x2204, false, true)});
    tFmReceiverSetup setup;
    TFmReceiver receiver(setup);
    std::unique_ptr<TRdsDemodulator> demodulator;
    std::function<void(TRdsDemodulator&)> count;
    bool pilotSeen = false;
    receiver.OnMultiplex = [&](const tMultiplex& m) {
        if (!demodulator) {
            demodulator = std::make_unique<TRdsDemodulator>(m.rate);
            count(*demodulator);
        }
        pilotSeen = pilotSeen || m.pilotPhase;
        demodulator->Process(m);
    };
    std::vector<std::uint8_t> iq(2 * 16384);
    std::vector<float> audio;
    const auto play = [&](double seconds) {
        for (double done = 0; done < seconds * synthSetup.sampleRate; done += 16384) {
            synth.Generate(iq.data(), 16384);
            receiver.Process(iq.data(), 16384, audio);
            audio.clear();
        }
    };
    const struct {
        double offsetHz;
        std::uint16_t pi;
        bool pilot;
    } tunings[] = {{-150000, 0xD3C2, true}, {150000, 0x2204, false}};
    for (const auto& tuning : tunings) {
        const double start = synth.Time();
        tTally tally;
        // Both senders started with the generator: count from the group
        // sent half a second after tuning.
        tally.firstCounted = long(std::ceil((start + 0.5) * rds::BitRate / 104));
        receiver.SetOffset(tuning.offsetHz);
        if (demodulator) demodulator->Reset();
        count = [&](TRdsDemodulator& d) { Count(d, tuning.pi, tally, [&] { return synth.Time() - start; }); };
        if (demodulator) count(*demodulator);
        pilotSeen = false;
        play(3);
        EXPECT_EQ(pilotSeen, tuning.pilot) << tuning.pi;
        ASSERT_GE(tally.firstGroupAt, 0) << tuning.pi;
        EXPECT_LE(tally.firstGroupAt, 0.5) << tuning.pi;
        EXPECT_EQ(tally.wrong, 0) << tuning.pi;
        EXPECT_GE(tally.Rate(), 0.99) << tuning.pi << ": " << tally.correct << " to group " << tally.lastGroup;
    }
}
