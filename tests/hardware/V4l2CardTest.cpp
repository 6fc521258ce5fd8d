// The radio card on a Linux radio device, against the emulated device: units,
// bands, hardware seek, signal, controls and a device that goes away.

#include "QuietAudio.h"
#include "RadioCards.h"
#include "SimulatedHardware.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <linux/videodev2.h>

namespace {
class V4l2Card : public ::testing::Test {
protected:
    void Open(const tV4l2EmulatorSetup& setup = {}, tVolumeLine line = vlNative)
    {
        sim.InsertRadio(setup);
        card.SetModel(mV4L2);
        card.SetPort(1);
        card.SetVolumeLine(line);
        card.OnDeviceError = [this](const QString& what) { errors << what; };
        card.Open();
    }
    // Closes the card and opens it on a device that `change` takes from the default one.
    void Reopen(const std::function<void(tV4l2EmulatorSetup&)>& change)
    {
        card.Close();
        tV4l2EmulatorSetup setup;
        change(setup);
        Open(setup);
    }
    TSimulatedHardware sim{TStationList::BuiltIn(), false};
    TRadioCard card{sim};
    QStringList errors;
};
} // namespace

TEST(V4l2Signal, MapsTheTunerOntoTheFourStates)
{
    const std::uint32_t stereoCap = V4L2_TUNER_CAP_STEREO;
    EXPECT_EQ(MapV4l2Signal(V4l2SignalThreshold - 1, V4L2_TUNER_SUB_STEREO, stereoCap), sgNone);
    EXPECT_EQ(MapV4l2Signal(V4l2SignalThreshold, V4L2_TUNER_SUB_STEREO, stereoCap), sgStereo);
    EXPECT_EQ(MapV4l2Signal(0xFFFF, V4L2_TUNER_SUB_MONO, stereoCap), sgMono);
    EXPECT_EQ(MapV4l2Signal(0xFFFF, V4L2_TUNER_SUB_STEREO, 0), sgTuned);
}

TEST_F(V4l2Card, TunesInBothTunerUnitsAndTakesItsStepFromThem)
{
    struct Case {
        bool lowUnits;
        double asked, tuned, step;
        bool am;
    };
    for (const Case& c : {Case{true, 95.04, 95.05, 0.05, true}, Case{false, 95.04, 95.0625, 0.0625, false}}) {
        SCOPED_TRACE(c.lowUnits);
        Reopen([&](tV4l2EmulatorSetup& s) { s.lowUnits = c.lowUnits; });
        ASSERT_TRUE(card.Active());
        card.Tune(true, bFM, c.asked);
        EXPECT_DOUBLE_EQ(card.Frequency(), c.tuned);
        EXPECT_DOUBLE_EQ(sim.Radio().FrequencyMHz(), c.tuned);
        EXPECT_DOUBLE_EQ(card.FrequencyStep(), c.step);
        EXPECT_EQ(card.Caps().HasAM, c.am);
    }
}

TEST_F(V4l2Card, TakesItsBandsFromTheDevice)
{
    Open();
    EXPECT_TRUE(card.Caps().HasAM);
    card.SetBand(bAM);
    EXPECT_DOUBLE_EQ(sim.Radio().FrequencyMHz(), 0.531);
    card.Tune(false, bAM, 0.999);
    EXPECT_DOUBLE_EQ(sim.Radio().FrequencyMHz(), 0.999);
    card.SetJapaneseFM(true);
    card.Tune(true, bFM, 200);
    EXPECT_DOUBLE_EQ(card.Frequency(), 91.0);

    // One tuner range without bands: FM from 87 MHz, the rest is Japanese FM, no AM.
    Reopen([](tV4l2EmulatorSetup& s) { s.bands = false; });
    EXPECT_FALSE(card.Caps().HasAM);
    EXPECT_TRUE(card.Caps().HasJapaneseFM);
    card.SetJapaneseFM(false);
    EXPECT_DOUBLE_EQ(card.FMMin(), 87.0);
    EXPECT_DOUBLE_EQ(card.FMMax(), 108.0);
    card.SetJapaneseFM(true);
    EXPECT_DOUBLE_EQ(card.FMMin(), 76.0);
    EXPECT_DOUBLE_EQ(card.FMMax(), 91.0);
}

TEST_F(V4l2Card, SeeksOneCallPerStationAndStopsAtTheEdges)
{
    Open();
    card.Tune(true, bFM, 87.0);
    ASSERT_TRUE(card.Seek(true));
    EXPECT_DOUBLE_EQ(card.Frequency(), 88.6);
    EXPECT_EQ(card.CheckSignal(), sgStereo);
    EXPECT_EQ(sim.Radio().SeekCalls(), 1);
    EXPECT_TRUE(card.Seek(true));
    EXPECT_DOUBLE_EQ(card.Frequency(), 91.35);
    EXPECT_EQ(card.CheckSignal(), sgMono);

    // Nothing below the lowest station of the band, nothing above the highest:
    // the card stays where it was.
    card.Tune(true, bFM, 88.6);
    EXPECT_FALSE(card.Seek(false));
    EXPECT_DOUBLE_EQ(card.Frequency(), 88.6);
    card.Tune(true, bFM, 107.9);
    EXPECT_FALSE(card.Seek(true));
    EXPECT_DOUBLE_EQ(card.Frequency(), 107.9);
    EXPECT_TRUE(card.Seek(false));
    EXPECT_DOUBLE_EQ(card.Frequency(), 104.25);
    EXPECT_TRUE(card.Active());

    Reopen([](tV4l2EmulatorSetup& s) { s.seek = false; });
    EXPECT_FALSE(card.Caps().HasHardwareSeek);
    EXPECT_FALSE(card.Seek(true));
    EXPECT_EQ(sim.Radio().SeekCalls(), 0);
}

TEST_F(V4l2Card, UsesMuteVolumeAndStereoControlsOnlyWhereTheDeviceHasThem)
{
    Open();
    EXPECT_TRUE(card.Caps().CanMute);
    EXPECT_EQ(card.VolumeMax(), 256);
    card.Unmute();
    EXPECT_FALSE(sim.Radio().Muted());
    card.SetVolume(120);
    EXPECT_EQ(card.Volume(), 128);
    EXPECT_EQ(sim.Radio().VolumeValue(), 8); // half of 0..15, rounded
    card.VolumeUp();
    EXPECT_EQ(card.Volume(), 144);
    card.Mute();
    EXPECT_TRUE(sim.Radio().Muted());
    card.SetStereo(false);
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(card.CheckSignal(), sgStereo); // the station sends stereo; audmode is ours
    card.Close();
    EXPECT_TRUE(sim.Radio().Muted());

    tV4l2EmulatorSetup bare;
    bare.mute = bare.volume = bare.stereo = false;
    card.SetStereo(true);
    Open(bare);
    EXPECT_FALSE(card.Caps().CanMute);
    EXPECT_FALSE(card.Caps().CanVolume);
    EXPECT_FALSE(card.Stereo());
    EXPECT_EQ(card.VolumeMax(), 0);
    card.Tune(true, bFM, 95.0);
    EXPECT_EQ(card.CheckSignal(), sgTuned);
}

TEST_F(V4l2Card, ClosesWhenTheDeviceGoesAndOpensAgainWhenItIsBack)
{
    Open();
    card.Tune(true, bFM, 87.0);
    ASSERT_TRUE(card.Seek(true));
    sim.Radio().SetPlugged(false);
    EXPECT_FALSE(card.Seek(true));
    EXPECT_FALSE(card.Active());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("/dev/radio0"))) << errors[0].toStdString();
    card.Tune(true, bFM, 95.0); // a closed card does nothing
    EXPECT_EQ(card.CheckSignal(), sgNone);

    // Unplugged, it cannot open; the caller closes, as for a serial line.
    EXPECT_THROW(card.Open(), ePortAlreadyOpen);
    card.Close();
    sim.Radio().SetPlugged(true);
    card.Open();
    ASSERT_TRUE(card.Active());
    card.Tune(true, bFM, 95.0);
    EXPECT_EQ(card.CheckSignal(), sgStereo);

    // An input/output error closes it too; a busy device does not.
    sim.Radio().FailNext(VIDIOC_S_FREQUENCY, EBUSY);
    card.Tune(true, bFM, 98.125);
    EXPECT_TRUE(card.Active());
    sim.Radio().FailNext(VIDIOC_G_TUNER, EIO);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_FALSE(card.Active());
    EXPECT_EQ(errors.size(), 2);
}

TEST_F(V4l2Card, DecodesTheStationsRdsAndForgetsItOnRetuning)
{
    Open();
    card.Tune(true, bFM, 95.0);
    // Each of PI, name and text is told once.
    int pi = 0, ps = 0, rt = 0;
    for (int i = 0; i < 30; ++i) {
        sim.Clock().Wait(100);
        card.PollRds([&](unsigned what) {
            pi += bool(what & TRdsDecoder::NewPi);
            ps += bool(what & TRdsDecoder::NewPs);
            rt += bool(what & TRdsDecoder::NewRt);
        });
    }
    EXPECT_EQ(card.Rds().Ps(), QStringLiteral("Vantoro "));
    EXPECT_EQ(card.Rds().Rt(), QStringLiteral("Vantoro Classic on 95.0 MHz"));
    EXPECT_EQ(pi, 1);
    EXPECT_EQ(ps, 1);
    EXPECT_EQ(rt, 1);
    card.Tune(true, bFM, 96.0);
    sim.Clock().Wait(2000);
    card.PollRds();
    EXPECT_TRUE(card.Rds().Ps().isEmpty());
    EXPECT_FALSE(card.Rds().Pi().has_value());
}

namespace {
class V4l2CardUsbAudio : public V4l2Card {
protected:
    void SetUp() override
    {
        sim.UsbAudio = [this](const QString& device) -> std::unique_ptr<TAudioLoop> {
            asked << device;
            if (!hasUsbSound) return nullptr;
            return QuietUsbAudioLoop();
        };
        card.SetUsbAudio(true);
    }
    bool Playing() const { return card.UsbAudioLoop() && card.UsbAudioLoop()->Running(); }
    bool hasUsbSound = true;
    QStringList asked;
};
} // namespace

TEST_F(V4l2CardUsbAudio, PlaysItsUsbSoundWhileOpenAndNotMuted)
{
    card.SetMutedStartup(true);
    Open();
    EXPECT_EQ(asked, QStringList{QStringLiteral("/dev/radio0")});
    EXPECT_FALSE(Playing());
    const struct {
        const char* step;
        std::function<void()> act;
        bool playing;
    } steps[] = {
        {"unmuted", [&] { card.Unmute(); }, true},
        {"muted", [&] { card.Mute(); }, false},
        {"unmuted again", [&] { card.Unmute(); }, true},
        {"option off", [&] { card.SetUsbAudio(false); }, false},
        {"option on", [&] { card.SetUsbAudio(true); }, true},
        {"closed", [&] { card.Close(); }, false},
        {"opened", [&] { card.Open(); }, true},
        {"unplugged", [&] { sim.Radio().SetPlugged(false), card.Tune(true, bFM, 95.0); }, false},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(Playing(), s.playing) << s.step;
    }
    EXPECT_FALSE(card.UsbAudioLoop()) << "an unplugged tuner's loop is let go";
}

TEST_F(V4l2CardUsbAudio, WithoutAVolumeControlTheSliderSetsTheLoopsVolume)
{
    tV4l2EmulatorSetup noVolume;
    noVolume.volume = false;
    Open(noVolume);
    ASSERT_TRUE(card.UsbAudioLoop());
    EXPECT_EQ(card.VolumeMax(), 256);
    card.SetVolume(100);
    EXPECT_EQ(card.Volume(), 96);
    EXPECT_EQ(card.UsbAudioLoop()->Volume(), 96);
    card.VolumeUp();
    EXPECT_EQ(card.UsbAudioLoop()->Volume(), 112);
    card.SetUsbAudio(false);
    EXPECT_EQ(card.VolumeMax(), 0) << "nothing left for the slider to set";

    // A device with a volume of its own keeps the loop as recorded.
    card.Close();
    card.SetUsbAudio(true);
    Open();
    card.SetVolume(100);
    EXPECT_EQ(card.UsbAudioLoop()->Volume(), 256);
    EXPECT_EQ(sim.Radio().VolumeValue(), 6);
}

TEST_F(V4l2CardUsbAudio, NoLoopWhenTheSoundGoesByCableOrTheOptionIsOff)
{
    hasUsbSound = false;
    Open();
    EXPECT_FALSE(card.UsbAudioLoop());
    card.Close();
    hasUsbSound = true;
    card.SetUsbAudio(false);
    card.Open();
    EXPECT_FALSE(card.UsbAudioLoop());
    EXPECT_EQ(asked.size(), 1) << "the option off asks for no loop";
}
