// The whole receiver on generated stations: stereo separation, noise,
// de-emphasis, mono, the station decision, the multiplex for RDS, and how
// soon a new station plays.

#include "SdrSignal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace sdrtest;

namespace {

constexpr double Deviation = 66250; // of full-scale audio, the generator's default
constexpr std::size_t SettleSamples = 14400; // 300 ms of audio skipped before measuring
constexpr std::size_t MeasureSamples = 9600; // 200 ms: whole periods of every tone used

double Deemphasis(double hz, double us)
{
    double x = 2 * std::numbers::pi * hz * us * 1e-6;
    return 1 / std::sqrt(1 + x * x);
}

struct tTonePlan {
    double hz;
    double sentLeft, sentRight; // amplitudes in the programme
    double wantLeft, wantRight; // expected share of the sent tone; 0: at least 30 dB down
};

struct tAudioCase {
    const char* name;
    std::uint32_t rate;
    std::vector<tTonePlan> tones;
    bool sendStereo = true, sendPilot = true, stereoSwitch = true;
    double deemphasisUs = 50;
    double cnrDb = 50;
    double minSnrDb = 0; // of the first tone in the left channel; 0: not checked
    bool wantPilot = true;
};

void PrintTo(const tAudioCase& c, std::ostream* out)
{
    *out << c.name;
}

class FmAudio : public testing::TestWithParam<tAudioCase> {};

} // namespace

TEST_P(FmAudio, TonesArriveWhereAndAsLoudAsSent)
{
    const tAudioCase& c = GetParam();
    tSynthStation station;
    station.offsetHz = -260000;
    station.levelDb = -10;
    station.stereo = c.sendStereo;
    station.pilot = c.sendPilot;
    const std::vector<tTonePlan> tones = c.tones;
    station.left = [tones](double t) {
        double x = 0;
        for (const tTonePlan& p : tones) x += p.sentLeft * std::sin(2 * std::numbers::pi * p.hz * t);
        return x;
    };
    station.right = [tones](double t) {
        double x = 0;
        for (const tTonePlan& p : tones) x += p.sentRight * std::sin(2 * std::numbers::pi * p.hz * t);
        return x;
    };
    tFmSynthSetup synth;
    synth.sampleRate = c.rate;
    synth.noiseDb = station.levelDb - c.cnrDb;
    tFmReceiverSetup setup;
    setup.deemphasisUs = c.deemphasisUs;
    const tRun run = Receive(synth, {station}, station.offsetHz, 0.55, setup, c.stereoSwitch);

    EXPECT_TRUE(run.state.station);
    EXPECT_EQ(run.state.pilot, c.wantPilot);
    ASSERT_GE(run.left.size(), SettleSamples + MeasureSamples);
    for (const tTonePlan& p : c.tones) {
        SCOPED_TRACE(p.hz);
        const double full = Deviation / 75000 * Deemphasis(p.hz, c.deemphasisUs);
        const double sent = std::max(p.sentLeft, p.sentRight);
        const tTone left = MeasureTone(run.left, p.hz, SettleSamples, MeasureSamples);
        const tTone right = MeasureTone(run.right, p.hz, SettleSamples, MeasureSamples);
        auto check = [&](const char* side, double got, double want, double other) {
            if (want > 0)
                EXPECT_NEAR(Db(got / (want * full)), 0, 0.5) << side << " level, dB from the curve";
            else
                EXPECT_GE(Db(other / got), 30) << side << " separation, dB";
        };
        check("left", left.amplitude, p.wantLeft * sent, right.amplitude);
        check("right", right.amplitude, p.wantRight * sent, left.amplitude);
        std::printf("[ figures  ] %s %.0f Hz: left %+.2f dB, right %+.2f dB against the full level\n", c.name, p.hz,
                    Db(left.amplitude / (sent * full)), Db(right.amplitude / (sent * full)));
    }
    if (c.minSnrDb > 0) {
        const tTone tone = MeasureTone(run.left, c.tones[0].hz, SettleSamples, MeasureSamples);
        const double snr = 10 * std::log10(tone.amplitude * tone.amplitude / 2 / tone.residualPower);
        EXPECT_GE(snr, c.minSnrDb) << "noise and distortion against the tone";
        std::printf("[ figures  ] %s: signal to noise and distortion %.1f dB\n", c.name, snr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FmAudio,
    testing::Values(
        // A tone in each channel: each stays in its own, 30 dB and more
        // above its trace in the other, at the usual rates and one that
        // needs the arbitrary resampling.
        tAudioCase{"StereoAt1024k", 1024000, {{1000, 0.9, 0, 1, 0}, {5000, 0, 0.9, 0, 1}}},
        tAudioCase{"StereoAt2048k", 2048000, {{1000, 0, 0.9, 0, 1}, {9000, 0.9, 0, 1, 0}}},
        tAudioCase{"StereoAt1800k", 1800000, {{400, 0.9, 0, 1, 0}, {3000, 0, 0.9, 0, 1}}},
        // The de-emphasis curves, 1 kHz in one channel and 3 kHz in the other.
        tAudioCase{"Deemphasis50us", 1024000, {{1000, 1, 0, 1, 0}, {3000, 0, 1, 0, 1}}, true, true, true, 50},
        tAudioCase{"Deemphasis75us", 1024000, {{1000, 1, 0, 1, 0}, {3000, 0, 1, 0, 1}}, true, true, true, 75},
        // Full deviation at a carrier-to-noise ratio of 30 dB, decoded in stereo.
        tAudioCase{"SnrAtCnr30", 1024000, {{1000, 1, 1, 1, 1}}, true, true, true, 50, 30, 38},
        // Without a pilot the receiver plays the sum in both channels and
        // says there is no pilot; so does the stereo switch set to mono.
        tAudioCase{"MonoWithoutPilot", 1024000, {{1000, 1, 0, 0.5, 0.5}}, false, false, true, 50, 50, 0, false},
        tAudioCase{"StereoSwitchedOff", 1024000, {{1000, 1, 0, 0.5, 0.5}, {3000, 0, 1, 0.5, 0.5}}, true, true, false, 50,
                   50, 0, true}),
    [](const testing::TestParamInfo<tAudioCase>& info) { return std::string(info.param.name); });

namespace {

struct tDecisionCase {
    const char* name;
    std::vector<tSynthStation> stations;
    double noiseDb;
    bool wantStation;
    double tuned = 300000;
};

tSynthStation At(double offsetHz, double levelDb)
{
    tSynthStation s;
    s.offsetHz = offsetHz;
    s.levelDb = levelDb;
    s.left = Tone(700, 0.8);
    s.right = Tone(2100, 0.8);
    s.preemphasisUs = 50;
    return s;
}

} // namespace

// "A station is there" for what scanning should stop at, and not for noise,
// the skirt of a strong neighbour or a station half a scan step away. The
// receiver is tuned to 300 kHz above the centre unless the case says.
TEST(FmReceiver, DecidesWhetherAStationIsThere)
{
    const double tuned = 300000;
    const std::vector<tDecisionCase> cases = {
        {"station at 30 dB CNR", {At(tuned, -20)}, -50, true},
        {"weak station at 15 dB CNR", {At(tuned, -35)}, -50, true},
        {"noise alone", {At(tuned - 600000, -20)}, -50, false},
        {"empty channel next to a strong one", {At(tuned + 200000, -3)}, -60, false},
        {"empty channel between two strong ones", {At(tuned + 200000, -6), At(tuned - 200000, -6)}, -60, false},
        // The constant of a dead stream, its image at the channel's middle.
        {"silence, as from a dead stream", {}, -std::numeric_limits<double>::infinity(), false, 256000},
        {"station 50 kHz away", {At(tuned + 50000, -20)}, -50, false},
        {"station 100 kHz away", {At(tuned - 100000, -20)}, -50, false},
    };
    for (const tDecisionCase& c : cases) {
        SCOPED_TRACE(c.name);
        tFmSynthSetup synth;
        synth.noiseDb = c.noiseDb;
        const tRun run = Receive(synth, c.stations, c.tuned, 0.25);
        EXPECT_EQ(run.state.station, c.wantStation)
            << "level " << run.state.levelDb << " dB, noise " << run.state.noiseDb << " dB";
        std::printf("[ figures  ] %s: level %.1f dB, noise beside %.1f dB\n", c.name, run.state.levelDb,
                    run.state.noiseDb);
        if (c.wantStation) {
            EXPECT_NEAR(run.state.levelDb, c.stations[0].levelDb, 1) << "the signal meter's level";
            EXPECT_NEAR(run.state.noiseDb, c.noiseDb, 2) << "the noise beside the channel";
        } else {
            EXPECT_FALSE(run.state.pilot) << "no stereo without a station";
        }
    }
}

// The multiplex goes on at its own rate with the pilot's phase: the pilot
// is sin(phase), and an RDS subcarrier the generator locked to three times
// the pilot's phase is found there at its deviation (less the few percent
// the discriminator's averaging takes from 57 kHz).
TEST(FmReceiver, HandsOnTheMultiplexWithThePilotsPhase)
{
    for (bool pilot : {true, false}) {
        SCOPED_TRACE(pilot ? "stereo" : "mono");
        tFmSynthSetup setup;
        setup.noiseDb = -50;
        tSynthStation station = At(-200000, -10);
        station.pilot = pilot;
        station.rds = [](double pilotPhase) { return float(std::cos(3 * pilotPhase)); };
        TFmSynth synth(setup, {station});
        TFmReceiver receiver({});
        receiver.SetOffset(-200000);
        std::size_t count = 0, withPhase = 0, calls = 0;
        double inPhase = 0, quadrature = 0, rds = 0, rate = 0;
        receiver.OnMultiplex = [&](const tMultiplex& m) {
            ++calls;
            rate = m.rate;
            count += m.count;
            if (!m.pilotPhase || count < 128000)
                return;
            ASSERT_NE(m.samples, nullptr);
            for (std::size_t k = 0; k < m.count; ++k) {
                inPhase += m.samples[k] * std::sin(m.pilotPhase[k]);
                quadrature += m.samples[k] * std::cos(m.pilotPhase[k]);
                rds += m.samples[k] * std::cos(3 * m.pilotPhase[k]);
            }
            withPhase += m.count;
        };
        std::vector<std::uint8_t> iq(2 * 10000);
        std::vector<float> audio;
        for (int block = 0; block < 60; ++block) {
            synth.Generate(iq.data(), 10000);
            receiver.Process(iq.data(), 10000, audio);
        }
        EXPECT_DOUBLE_EQ(rate, 256000);
        EXPECT_NEAR(double(count), 600000.0 / 4, 2);
        EXPECT_GE(calls, 60u);
        EXPECT_NEAR(double(audio.size()), 2 * 600000.0 * 48000 / 1024000, 2 * 48);
        if (pilot) {
            ASSERT_GT(withPhase, 0u);
            EXPECT_NEAR(2 * inPhase / double(withPhase), station.pilotDeviationHz / 75000, 0.005);
            EXPECT_NEAR(2 * quadrature / double(withPhase), 0, 0.005);
            EXPECT_NEAR(2 * rds / double(withPhase) / (station.rdsDeviationHz / 75000), 0.92, 0.04);
        } else {
            EXPECT_EQ(withPhase, 0u) << "no phase without a pilot";
        }
    }
}

// From the moment the receiver moves to another station until its audio
// plays in stereo at its level: well under the 300 ms a listener notices.
TEST(FmReceiver, ANewStationPlaysWithinAFewHundredMilliseconds)
{
    tFmSynthSetup setup;
    setup.noiseDb = -45;
    tSynthStation first = At(-300000, -10);
    tSynthStation second = At(250000, -15);
    second.left = Tone(1000, 0.9);
    second.right = nullptr;
    TFmSynth synth(setup, {first, second});
    TFmReceiver receiver({});
    receiver.SetOffset(first.offsetHz);
    std::vector<std::uint8_t> iq(2 * 1024);
    std::vector<float> audio;
    for (int block = 0; block < 300; ++block) {
        synth.Generate(iq.data(), 1024);
        receiver.Process(iq.data(), 1024, audio);
    }
    ASSERT_TRUE(receiver.State().pilot);
    receiver.SetOffset(second.offsetHz);
    EXPECT_FALSE(receiver.State().station) << "a new station forgets the old one's state";
    audio.clear();
    // 1 ms blocks; the first block with the station and the pilot decided.
    int decided = -1;
    for (int ms = 0; ms < 600; ++ms) {
        synth.Generate(iq.data(), 1024);
        receiver.Process(iq.data(), 1024, audio);
        if (decided < 0 && receiver.State().station && receiver.State().pilot)
            decided = ms;
    }
    EXPECT_GE(decided, 0);
    EXPECT_LT(decided, 150);
    std::vector<float> left, right;
    for (std::size_t k = 0; k + 1 < audio.size(); k += 2) {
        left.push_back(audio[k]);
        right.push_back(audio[k + 1]);
    }
    // The tone's level and separation in 10 ms windows, against the end's.
    const double final = MeasureTone(left, 1000, left.size() - 4800, 4800).amplitude;
    ASSERT_GT(final, 0.5);
    std::size_t settled = left.size();
    for (std::size_t at = left.size() - 480; at >= 480; at -= 480) {
        double l = MeasureTone(left, 1000, at, 480).amplitude, r = MeasureTone(right, 1000, at, 480).amplitude;
        if (std::abs(Db(l / final)) > 0.5 || Db(l / r) < 25)
            break;
        settled = at;
    }
    EXPECT_LT(settled, 300u * 48) << "settled after " << settled / 48 << " ms";
    std::printf("[ figures  ] station and pilot after %d ms, audio settled after %zu ms\n", decided, settled / 48);
}

// The generator's noise is what its carrier-to-noise ratio promises: the
// power in 200 kHz, spread over the whole sampled band.
TEST(FmSynth, NoiseHasThePowerAskedFor)
{
    for (std::uint32_t rate : {1024000u, 2048000u}) {
        tFmSynthSetup setup;
        setup.sampleRate = rate;
        setup.noiseDb = -30;
        TFmSynth synth(setup, {});
        std::vector<float> iq(2 * 200000);
        synth.GenerateFloat(iq.data(), 200000);
        double power = 0;
        for (float x : iq)
            power += double(x) * x;
        power /= 200000;
        EXPECT_NEAR(10 * std::log10(power * 200000 / rate), -30, 0.1) << rate;
    }
}

// Sources hand over whatever they read: a few samples or many at a time.
// Once the station is decided, the audio must not depend on it (the
// oscillator's phase, the filters' histories and the resampler's time carry
// over from one call to the next).
TEST(FmReceiver, SoundDoesNotDependOnHowTheSamplesAreCut)
{
    tFmSynthSetup setup;
    setup.noiseDb = -45;
    tSynthStation station = At(-330000, -10);
    station.left = Tone(1000, 0.9);
    station.right = Tone(6000, 0.9);
    TFmSynth synth(setup, {station});
    std::vector<std::uint8_t> iq(2 * 300000);
    synth.Generate(iq.data(), 300000);

    auto receive = [&](const std::vector<std::size_t>& cuts) {
        TFmReceiver receiver({});
        receiver.SetOffset(station.offsetHz);
        std::vector<float> audio;
        std::size_t at = 0, cut = 0;
        while (at < 300000) {
            std::size_t n = std::min(cuts[cut++ % cuts.size()], 300000 - at);
            receiver.Process(iq.data() + 2 * at, n, audio);
            at += n;
        }
        EXPECT_TRUE(receiver.State().pilot);
        return audio;
    };
    const std::vector<float> whole = receive({300000});
    const std::vector<float> pieces = receive({1, 3, 1000, 8191, 8193, 777, 20000});
    ASSERT_EQ(pieces.size(), whole.size());
    double worst = 0;
    for (std::size_t k = 2 * 4800; k < whole.size(); ++k) // after 100 ms
        worst = std::max(worst, double(std::abs(pieces[k] - whole[k])));
    EXPECT_LT(worst, 1e-3);
}
