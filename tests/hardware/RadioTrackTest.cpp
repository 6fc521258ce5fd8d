// The RadioTrack / RA300 sequences byte for byte, and the emulated card
// understanding them.

#include "RadioCards.h"
#include "RadioTrackEmulator.h"
#include "StationList.h"
#include "TestHardware.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
QStringList TuningWrites(std::uint32_t n, const QString& port = QStringLiteral("030C"))
{
    QStringList writes;
    for (int bit = 0; bit < 24; ++bit) {
        const bool one = (n >> bit) & 1;
        for (const char* v : one ? std::array{"05", "05", "07", "07"} : std::array{"01", "01", "03", "03"})
            writes << QStringLiteral("out %1 %2").arg(port, QLatin1String(v));
    }
    return writes;
}
QString Out(const char* value) { return QStringLiteral("out 030C ") + QLatin1String(value); }
} // namespace

class RadioTrack : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto emulator = std::make_unique<TRadioTrackEmulator>(hw.clock, stations);
        card_ = emulator.get();
        hw.bus.Insert(0x30C, std::move(emulator));
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
    }
    void Open(int volume = 128)
    {
        card.Open();
        card.InitVolume(volume);
        hw.log.clear();
    }
    TStationList stations = TStationList::BuiltIn();
    TTestHardware hw;
    TRadioCard card{hw};
    TRadioTrackEmulator* card_ = nullptr;
};

TEST_F(RadioTrack, OpenWritesTheAudioStateOfTheStart)
{
    card.Open();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D8")}));
    EXPECT_FALSE(card.Muted());
    card.Close();
    card.SetMutedStartup(true);
    hw.log.clear();
    card.Open();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D0")}));
    EXPECT_TRUE(card.Muted());
}

TEST_F(RadioTrack, TuningClocksOutTheWordThenTheAudioState)
{
    Open();
    card.Tune(false, bFM, 95.01);
    EXPECT_DOUBLE_EQ(card.Frequency(), 95.0);
    QStringList expected = TuningWrites(10486188 + 3800);
    expected << Out("00") << Out("D8");
    EXPECT_EQ(hw.Take(), expected);
    EXPECT_NEAR(card_->FrequencyMHz(), 95.0, 1e-9);

    card.Tune(false, bFM, 87.0);
    EXPECT_EQ(card_->TuningWord(), 10489668u);
    card.Tune(false, bFM, 95.02);
    EXPECT_NEAR(card.Frequency(), 95.025, 1e-9);
    EXPECT_NEAR(card_->FrequencyMHz(), 95.025, 1e-9);

    // A frequency that is not a number tunes the band's lower edge.
    card.Tune(false, bFM, std::nan(""));
    EXPECT_DOUBLE_EQ(card.Frequency(), 87.0);
    EXPECT_EQ(card_->TuningWord(), 10489668u);
}

TEST_F(RadioTrack, MuteAndUnmute)
{
    Open(0);
    card.Mute();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D0")}));
    EXPECT_TRUE(card.Muted());
    EXPECT_FALSE(card_->AudioOn());
    card.Unmute();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D8")}));
    EXPECT_TRUE(card.Muted()) << "at volume 0 the card stays silent";
    EXPECT_TRUE(card_->AudioOn());
}

TEST_F(RadioTrack, VolumeStepsHoldTheKeyFor125ms)
{
    Open(128);
    card.VolumeUp();
    EXPECT_EQ(hw.Take(), (QStringList{Out("88"), QStringLiteral("wait 125"), Out("C8")}));
    EXPECT_EQ(card.Volume(), 144);
    EXPECT_EQ(card_->Level(), 9);
    card.VolumeDown();
    card.VolumeDown();
    EXPECT_EQ(card.Volume(), 112);
    EXPECT_EQ(card_->Level(), 7);
    EXPECT_FALSE(card.Muted());
}

TEST_F(RadioTrack, VolumeAtTheEndsWritesNothing)
{
    Open(256);
    card.Mute();
    hw.log.clear();
    card.VolumeUp();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D8")})) << "no level move, but the sound is back on";
    EXPECT_FALSE(card.Muted()) << "volume up at the top still clears Muted";
    EXPECT_EQ(card.Volume(), 256);

    card.InitVolume(0);
    card.VolumeDown();
    EXPECT_TRUE(hw.Take().isEmpty());
    EXPECT_TRUE(card.Muted());
}

TEST_F(RadioTrack, SetVolumeHoldsTheKeyForTheDistance)
{
    Open(48);
    card.SetVolume(16);
    EXPECT_EQ(hw.Take(), (QStringList{Out("48"), QStringLiteral("wait 250"), Out("C8")}));
    EXPECT_EQ(card.Volume(), 16);
    card.SetVolume(16);
    EXPECT_TRUE(hw.Take().isEmpty());
    card.SetVolume(300);
    EXPECT_EQ(card.Volume(), 256);
    EXPECT_EQ(hw.Take(), (QStringList{Out("88"), QStringLiteral("wait 1875"), Out("C8")}));
    card.SetVolume(23);
    EXPECT_EQ(card.Volume(), 16);
    card.SetVolume(0);
    EXPECT_TRUE(card.Muted());
}

TEST_F(RadioTrack, VolumeToZeroHoldsDownForTwoSeconds)
{
    Open(200);
    card.VolumeToZero();
    EXPECT_EQ(hw.Take(), (QStringList{Out("48"), QStringLiteral("wait 2000"), Out("C8")}));
    EXPECT_EQ(card.Volume(), 0);
    EXPECT_TRUE(card.Muted());
    EXPECT_EQ(card_->Level(), 0);
}

TEST_F(RadioTrack, SignalCheckKeepsAMutedCardMuted)
{
    Open();
    card.Tune(false, bFM, 95.0);
    card.Mute();
    hw.log.clear();
    EXPECT_EQ(card.CheckSignal(), sgStereo);
    EXPECT_EQ(hw.Take(), (QStringList{Out("F8"), Out("00"), Out("D0"), QStringLiteral("wait 150"),
                                      QStringLiteral("in 030C FD"), QStringLiteral("wait 10"),
                                      Out("E8"), Out("00"), Out("D0")}));
    EXPECT_FALSE(card_->AudioOn());
}

TEST_F(RadioTrack, SignalFollowsTheEmulatedStations)
{
    Open();
    card.Tune(false, bFM, 101.7);
    EXPECT_EQ(card.CheckSignal(), sgMono);
    card.Tune(false, bFM, 87.0);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    hw.bus.Remove(0x30C); // no card in the slot reads 0xFF
    EXPECT_EQ(card.CheckSignal(), sgNone);
}

TEST_F(RadioTrack, CloseSilencesTheCard)
{
    Open();
    card.Close();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("D0")}));
    EXPECT_TRUE(card.Muted());
    EXPECT_FALSE(card.Active());
}

TEST_F(RadioTrack, SecondPortAddressesTheOtherCard)
{
    card.SetPort(2);
    card.Open();
    card.Tune(false, bFM, 87.0);
    const QStringList log = hw.Take();
    ASSERT_EQ(log.size(), 2 + 96 + 2);
    EXPECT_EQ(log.mid(2, 96), TuningWrites(10489668, QStringLiteral("020C")));
}

TEST_F(RadioTrack, VolumeChangeThatEndsMutedSoundsAgain)
{
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"up", [&] { card.VolumeUp(); }},
        {"up at the top", [&] { card.InitVolume(256); card.VolumeUp(); }},
        {"down", [&] { card.VolumeDown(); }},
        {"set", [&] { card.SetVolume(64); }}};
    for (const auto& [name, change] : changes) {
        Open();
        card.Mute();
        change();
        EXPECT_FALSE(card.Muted()) << name;
        EXPECT_TRUE(card_->AudioOn()) << name;
    }
}
