// Volume and mute routed through a sound-card line, against a fake mixer.

#include "RadioCards.h"
#include "RadioTrackEmulator.h"
#include "TestHardware.h"

#include <gtest/gtest.h>

namespace {
class TFakeMixer final : public TMixerControls {
public:
    struct Control {
        bool exists = true;
        int min = 0, max = 65535;
        int v[2] = {0, 0};
    };
    bool Exists(int c) const override { return c_[c].exists; }
    int Minimum(int c) const override { return c_[c].min; }
    int Maximum(int c) const override { return c_[c].max; }
    int Value(int c, int ch) const override { return c_[c].v[ch]; }
    void SetValue(int c, int ch, int value) override
    {
        if (c_[c].v[ch] == value) return;
        c_[c].v[ch] = value;
        ++writes;
    }
    void SetValues(int c, int a, int b) override
    {
        c_[c].v[0] = a;
        c_[c].v[1] = b;
        ++writes;
    }
    // A change made by another program.
    void Outside(int c, int a, int b)
    {
        c_[c].v[0] = a;
        c_[c].v[1] = b;
        if (OnControlChange) OnControlChange(this, c);
    }
    Control c_[MixerControlCount];
    int writes = 0;
};

struct TMixerEvent {
    int volume = -1;
    bool mute = false;
    int count = 0;
};
} // namespace

class CardLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto m = std::make_unique<TFakeMixer>();
        m->c_[mcLineInMute].max = 1;
        mixer = m.get();
        card = std::make_unique<TRadioCard>(hw, std::move(m));
        hw.bus.Insert(0x30C, std::make_unique<TRadioTrackEmulator>(hw.clock, stations));
        card->OnMixerChange = [this](TRadioCard*, int volume, bool mute) {
            event.volume = volume;
            event.mute = mute;
            ++event.count;
        };
        card->SetModel(mRadioTrack);
        card->SetPort(1);
        card->SetVolumeLine(vlLineIn);
        card->Open();
    }
    // Opens a fresh card whose volume goes through a CD line of 0..`maximum`.
    TFakeMixer* UseCdLineOf(int maximum)
    {
        auto own = std::make_unique<TFakeMixer>();
        own->c_[mcCdVolume].max = maximum;
        own->c_[mcCdMute].max = 1;
        mixer = own.get();
        card = std::make_unique<TRadioCard>(hw, std::move(own));
        card->SetModel(mRadioTrack);
        card->SetPort(1);
        card->SetVolumeLine(vlCd);
        card->Open();
        return mixer;
    }

    TStationList stations = TStationList::BuiltIn();
    TTestHardware hw;
    TFakeMixer* mixer = nullptr;
    std::unique_ptr<TRadioCard> card;
    TMixerEvent event;
};

TEST_F(CardLine, OpeningUnmutesCardAndLine)
{
    EXPECT_TRUE(card->SoundCardPresent());
    EXPECT_TRUE(card->LineAvailable(vlLineIn));
    EXPECT_FALSE(card->Muted());
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 0);
}

TEST_F(CardLine, SetWritesBothChannelsScaledToTheLine)
{
    card->SetVolume(256);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 0), 65280);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 1), 65280);
    EXPECT_EQ(card->Volume(), 256);
    card->VolumeDown();
    EXPECT_EQ(mixer->Value(mcLineInVolume, 0), 255 * 255);
    EXPECT_EQ(card->Volume(), 255);
}

TEST_F(CardLine, AShortLineIsScaledBothWays)
{
    // A CD line of 0..31, as many sound cards have: whole steps per volume
    // unit would write every volume as 0.
    TFakeMixer* m = UseCdLineOf(31);
    card->SetVolume(128);
    EXPECT_EQ(m->Value(mcCdVolume, 0), 16);
    card->SetVolume(256);
    EXPECT_EQ(m->Value(mcCdVolume, 1), 31);
    card->SetVolume(1);
    EXPECT_EQ(m->Value(mcCdVolume, 0), 0);
    int volume = -1;
    card->OnMixerChange = [&](TRadioCard*, int v, bool) { volume = v; };
    m->Outside(mcCdVolume, 8, 4);
    EXPECT_EQ(volume, 66);
    m->Outside(mcCdVolume, 31, 31);
    EXPECT_EQ(volume, 256);
}

TEST_F(CardLine, ALongLineIsReadBackOnTheScaleItIsWrittenWith)
{
    TFakeMixer* m = UseCdLineOf(512);
    card->SetVolume(100);
    EXPECT_EQ(m->Value(mcCdVolume, 0), 200);
    m->Outside(mcCdVolume, 200, 200);
    EXPECT_EQ(card->Volume(), 100);
}

TEST_F(CardLine, MuteAndUnmuteDriveTheLinesMuteControl)
{
    card->Mute();
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 1);
    EXPECT_TRUE(card->Muted());
    card->Unmute();
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 0);
    EXPECT_FALSE(card->Muted());
    EXPECT_FALSE(card->StartMutedPending());
}

TEST_F(CardLine, OutsideChangesAreReportedAndClampedToTheMaximum)
{
    mixer->Outside(mcLineInVolume, 65280, 65280);
    EXPECT_EQ(event.count, 1);
    EXPECT_EQ(event.volume, 256);
    // 65535 / 255 would read back as 257: the volume must stay within 0..256,
    // and a step up from there must not write past the line's range.
    mixer->Outside(mcLineInVolume, 100, 65535);
    EXPECT_EQ(card->Volume(), 256);
    const int writes = mixer->writes;
    card->VolumeUp();
    EXPECT_EQ(mixer->writes, writes);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 1), 65535);

    mixer->Outside(mcLineInMute, 1, 1);
    EXPECT_EQ(event.count, 3);
    EXPECT_TRUE(event.mute);
    EXPECT_EQ(event.volume, 256) << "a mute change leaves the volume alone";
}

TEST_F(CardLine, ChangesOfOtherControlsAreIgnored)
{
    mixer->Outside(mcCdVolume, 30000, 30000);
    mixer->Outside(mcMasterVolume, 30000, 30000);
    EXPECT_EQ(event.count, 0);
    card->Close();
    card->SetVolumeLine(vlNative);
    mixer->Outside(mcLineInVolume, 30000, 30000);
    EXPECT_EQ(event.count, 0);
}

TEST_F(CardLine, CloseMutesTheLineOnlyWhenAsked)
{
    card->Close();
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 0);
    card->SetMuteOnExit(true);
    card->Open();
    card->Close();
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 1);
}

TEST_F(CardLine, MissingControlsMakeTheLineUnavailable)
{
    auto m = std::make_unique<TFakeMixer>();
    m->c_[mcCdMute].exists = false;
    TTestHardware other;
    TRadioCard c(other, std::move(m));
    EXPECT_FALSE(c.LineAvailable(vlCd));
    EXPECT_TRUE(c.LineAvailable(vlMicIn));
}
