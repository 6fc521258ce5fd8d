// The software-defined radio as a card: the emulated dongle's stations told
// apart (stereo, mono, none), scanning through the same decision, volume and
// mute on the sound, and sources that fail or end closing the card.

#include "FmSynth.h"
#include "RadioCards.h"
#include "SimulatedHardware.h"
#include "StationRds.h"
#include "TestHardware.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>

namespace {

class SdrCard : public ::testing::Test {
protected:
    void Open()
    {
        card.SetModel(mSdr);
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
        card.OnDeviceError = [this](const QString& what) { errors << what; };
        card.Open();
        card.InitBand(bFM);
    }
    TSimulatedHardware sim{TStationList::BuiltIn(), false};
    TRadioCard card{sim};
    QStringList errors;
};

// A sound output that keeps the loudest sample played and the largest step
// between neighbouring samples.
class TLevelMeter {
public:
    void Write(const std::int16_t* samples, std::size_t frames, int channels)
    {
        std::lock_guard lock(mutex);
        for (std::size_t i = 0; i < frames * std::size_t(channels); ++i) {
            peak = std::max(peak, std::abs(int(samples[i])));
            if (i >= std::size_t(channels))
                jump = std::max(jump, std::abs(int(samples[i]) - int(samples[i - std::size_t(channels)])));
        }
        written += frames;
    }
    void Reset()
    {
        std::lock_guard lock(mutex);
        peak = jump = 0;
        written = 0;
    }
    std::mutex mutex;
    int peak = 0, jump = 0;
    std::size_t written = 0;
};

class TMeterStream final : public TAudioStream {
public:
    explicit TMeterStream(TLevelMeter& meter) : meter_(meter) {}
    long Transfer(std::int16_t* samples, long frames) override
    {
        meter_.Write(samples, std::size_t(frames), 2);
        return frames;
    }
    int Wait(int) override { return 0; }
    int Recover(int) override { return 0; }

private:
    TLevelMeter& meter_;
};

} // namespace

TEST_F(SdrCard, ModelNinthFmOnlyWithItsBands)
{
    const tDevCap c = card.GetDevCap(mSdr);
    EXPECT_EQ(ModelToIndex(mSdr), 9);
    EXPECT_EQ(IndexToModel(9), mSdr);
    EXPECT_EQ(c.Name, QStringLiteral("SDR receiver (RTL2832U dongle)"));
    EXPECT_TRUE(c.HasFM && c.HasJapaneseFM && c.HasRds && c.CanVolume && c.CanMute);
    EXPECT_FALSE(c.HasAM);
    EXPECT_DOUBLE_EQ(c.FMStep, 0.05);
    card.SetModel(mSdr);
    EXPECT_DOUBLE_EQ(card.FMMin(), 87.5);
    EXPECT_DOUBLE_EQ(card.FMMax(), 108.0);
    card.SetJapaneseFM(true);
    EXPECT_DOUBLE_EQ(card.FMMin(), 76.0);
    EXPECT_DOUBLE_EQ(card.FMMax(), 95.0);
}

TEST_F(SdrCard, TellsStereoMonoAndNoStationApart)
{
    Open();
    ASSERT_TRUE(card.Active()) << card.OpenError().toStdString();
    struct tCase {
        double mhz;
        tSignal signal;
    };
    // 88.6 and 91.35 lie in one band of the dongle, 95.0 needs a retune, 97.0 is empty.
    for (const tCase& c : {tCase{88.6, sgStereo}, tCase{91.35, sgMono}, tCase{90.0, sgNone}, tCase{95.0, sgStereo},
                           tCase{97.0, sgNone}, tCase{101.7, sgMono}, tCase{88.6, sgStereo}}) {
        SCOPED_TRACE(c.mhz);
        card.Tune(true, bFM, c.mhz);
        EXPECT_DOUBLE_EQ(card.Frequency(), c.mhz);
        EXPECT_EQ(card.CheckSignal(), c.signal);
    }
    EXPECT_TRUE(card.Active());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

// RDS decoded from the emulated signal: the station's name, its level, and
// nothing of the last station once another is tuned.
TEST_F(SdrCard, NamesTheStationFromItsRdsAndForgetsItOnTuning)
{
    Open();
    ASSERT_TRUE(card.Active());
    for (const double mhz : {88.6, 91.35}) {
        SCOPED_TRACE(mhz);
        const TSimStation* station = sim.Stations().Find(bFM, mhz);
        ASSERT_NE(station, nullptr);
        const QString name = QString::fromLatin1(StationProgrammeName(station->name));
        card.Tune(true, bFM, mhz);
        ASSERT_NE(card.CheckSignal(), sgNone);
        ASSERT_TRUE(card.SignalLevelDb().has_value());
        EXPECT_GT(*card.SignalLevelDb(), -40.0);
        QStringList names;
        QElapsedTimer waited;
        waited.start();
        while (card.Rds().Ps() != name && waited.elapsed() < 20000) {
            card.PollRds();
            if (!card.Rds().Ps().isEmpty() && names.value(names.size() - 1) != card.Rds().Ps()) names << card.Rds().Ps();
            QThread::msleep(20);
        }
        // A build too slow to keep up with the emulated dongle (the sanitizers)
        // skips samples, and RDS cannot be judged on a broken signal.
        ASSERT_NE(card.SdrReceiver(), nullptr);
        if (card.Rds().Ps() != name && card.SdrReceiver()->Dropped() > 0)
            GTEST_SKIP() << card.SdrReceiver()->Dropped() << " samples skipped: the processing fell behind";
        EXPECT_EQ(card.Rds().Ps(), name);
        EXPECT_LE(names.size(), 1) << names.join(QLatin1Char('|')).toStdString();
    }
    card.Close();
    EXPECT_FALSE(card.SignalLevelDb().has_value());
}

TEST_F(SdrCard, StepScanStopsOnStationsOnly)
{
    Open();
    ASSERT_TRUE(card.Active());
    // The program's scan: one step at a time and the signal decision.
    QStringList heard;
    for (double f = 87.5; f <= 92.0 + 1e-9; f += card.FrequencyStep()) {
        card.Tune(true, bFM, f);
        if (card.CheckSignal() != sgNone) heard << QString::number(card.Frequency(), 'f', 2);
    }
    EXPECT_EQ(heard, (QStringList{QStringLiteral("88.60"), QStringLiteral("91.35")}));
}

TEST_F(SdrCard, VolumeAndMuteActOnTheSoundWithoutClicks)
{
    TLevelMeter tap;
    sim.SdrAudio = [&tap](const std::string&, std::string*) { return std::make_unique<TMeterStream>(tap); };
    Open();
    ASSERT_TRUE(card.Active());
    card.SetVolume(256);
    card.Unmute();
    card.Tune(true, bFM, 95.0);
    ASSERT_EQ(card.CheckSignal(), sgStereo);
    auto settle = [&] {
        tap.Reset();
        const std::uint64_t until = card.SdrReceiver()->Samples() + 512000;
        ASSERT_TRUE(WaitFor([&] { return card.SdrReceiver()->Samples() > until; }));
    };
    settle();
    const int loud = tap.peak;
    EXPECT_GT(loud, 8000);
    card.SetVolume(64);
    settle();
    settle();
    EXPECT_NEAR(tap.peak, loud / 4, loud / 10);
    card.Mute();
    EXPECT_TRUE(card.Muted());
    settle(); // the ramp down
    settle();
    EXPECT_EQ(tap.peak, 0);
    tap.Reset();
    card.Unmute();
    settle();
    EXPECT_GT(tap.peak, loud / 8);
    // The ramp keeps each step between samples well below the jump to full volume.
    EXPECT_LT(tap.jump, loud / 3);
    card.Close();
}

TEST(SdrCardSources, TheEndOfARecordingAndABadSourceCloseTheCard)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("band.cu8"));
    {
        tSynthStation station;
        station.offsetHz = 300000;
        station.left = [](double t) { return 0.5 * std::sin(2 * M_PI * 1000 * t); };
        tFmSynthSetup setup;
        setup.noiseDb = -60;
        TFmSynth synth(setup, {station});
        std::vector<std::uint8_t> iq(2 * 1024000); // 1 s
        synth.Generate(iq.data(), iq.size() / 2);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(iq.data()), std::streamsize(iq.size()));
    }
    TTestHardware hw;
    TRadioCard card(hw);
    QStringList errors;
    card.OnDeviceError = [&](const QString& what) { errors << what; };
    card.SetModel(mSdr);
    card.SetPort(1);
    card.SetVolumeLine(vlNative);
    tSdrSettings settings;
    settings.source = QStringLiteral("rtl_tcp:nohost");
    card.SetSdr(settings);
    EXPECT_THROW(card.Open(), ePortAlreadyOpen);
    EXPECT_TRUE(card.OpenError().contains(QLatin1String("rtl_tcp:HOST:PORT"))) << card.OpenError().toStdString();
    card.Close();

    settings.source = path;
    settings.audioDevice.clear();
    settings.centerMhz = 96.0;
    card.SetSdr(settings);
    card.Open();
    ASSERT_TRUE(card.Active()) << card.OpenError().toStdString();
    // The recording stays where it was made: the receiver moves within it.
    card.Tune(true, bFM, 96.1);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    card.Tune(true, bFM, 96.3);
    EXPECT_EQ(card.CheckSignal(), sgStereo);
    ASSERT_TRUE(WaitFor([&] {
        card.PollRds();
        return !card.Active();
    }));
    ASSERT_TRUE(card.SdrStop());
    EXPECT_TRUE(card.SdrStop()->ended);
    EXPECT_EQ(errors, QStringList{QStringLiteral("The I/Q recording ended.")});
    EXPECT_EQ(card.CheckSignal(), sgNone);
}
