// The sound-card mixer against the emulated card, the radio card on top of
// it, and the ALSA side on this machine, which has no sound card.

#include "AlsaMixerDevice.h"
#include "EmulatedMixerDevice.h"
#include "Mixer.h"
#include "MixerSupport.h"
#include "RadioCards.h"
#include "SimulatedHardware.h"

#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Records OnControlChange; waits for the card's notifications to arrive.
struct TChanges {
    explicit TChanges(TMixer& mixer)
    {
        mixer.OnControlChange = [this](TMixerControls*, int control) { seen.push_back(control); };
    }
    bool WaitFor(int control)
    {
        return QTest::qWaitFor(
            [&] { return std::find(seen.begin(), seen.end(), control) != seen.end(); }, 2000);
    }
    std::vector<int> seen;
};

} // namespace

class Mixer : public ::testing::Test {
protected:
    std::shared_ptr<TEmulatedSoundCard> card = TEmulatedSoundCard::Standard();
};

TEST_F(Mixer, OpensTheSixteenControlsWithTheCardsRangesAndMutesTheRightWayRound)
{
    auto mixer = OpenOn(card);
    EXPECT_TRUE(mixer->Active());
    EXPECT_EQ(mixer->DeviceName(), QStringLiteral("Emulated Sound Card"));
    EXPECT_TRUE(mixer->MissingLines().isEmpty());
    for (int c = 0; c < MixerControlCount; ++c) EXPECT_TRUE(mixer->Exists(c)) << c;
    EXPECT_EQ(mixer->Maximum(mcMasterVolume), 31);
    EXPECT_EQ(mixer->Maximum(mcLineInVolume), 65535);
    EXPECT_EQ(mixer->Maximum(mcWaveVolume), 255);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 0), 49152);
    // A switch that is on means sound; the mute control then reads its minimum.
    EXPECT_EQ(mixer->Minimum(mcLineInMute), 0);
    EXPECT_EQ(mixer->Maximum(mcLineInMute), 1);
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 0);
    EXPECT_EQ(mixer->Value(mcMicMute, 0), 1) << "the microphone starts switched off";
    EXPECT_FALSE(mixer->Exists(-1));
    EXPECT_FALSE(mixer->Exists(MixerControlCount));
}

TEST_F(Mixer, UniformControlIsCachedTwiceAndStereoControlKeepsBothChannels)
{
    card->SetVolume(QStringLiteral("Mic"), 13, 0);
    card->SetVolume(QStringLiteral("Master"), 10, 20);
    auto mixer = OpenOn(card);
    EXPECT_EQ(mixer->Value(mcMicVolume, 0), 13);
    EXPECT_EQ(mixer->Value(mcMicVolume, 1), 13);
    EXPECT_EQ(mixer->Value(mcMasterVolume, 0), 10);
    EXPECT_EQ(mixer->Value(mcMasterVolume, 1), 20);
}

TEST_F(Mixer, SetValueWritesOnlyAChangeAndSetValuesAlwaysWrites)
{
    auto mixer = OpenOn(card);
    const int writes = card->Writes();
    mixer->SetValue(mcLineInVolume, 0, 49152);
    EXPECT_EQ(card->Writes(), writes) << "a value equal to the cached one is not written";
    mixer->SetValue(mcLineInVolume, 1, 1000);
    EXPECT_EQ(card->Writes(), writes + 2) << "both channels are written";
    EXPECT_EQ(card->Volume(QStringLiteral("Line"), 0), 49152);
    EXPECT_EQ(card->Volume(QStringLiteral("Line"), 1), 1000);
    mixer->SetValues(mcLineInVolume, 49152, 1000);
    EXPECT_EQ(card->Writes(), writes + 4);
}

TEST_F(Mixer, MuteSilencesEveryChannelOfTheLine)
{
    // The CD switch has a switch per channel; muting only the left would leave it half playing.
    auto mixer = OpenOn(card);
    mixer->SetValue(mcCdMute, 0, 1);
    EXPECT_FALSE(card->SwitchOn(QStringLiteral("CD"), 0));
    EXPECT_FALSE(card->SwitchOn(QStringLiteral("CD"), 1));
    mixer->SetValue(mcCdMute, 0, 0);
    EXPECT_TRUE(card->SwitchOn(QStringLiteral("CD"), 0));
    EXPECT_TRUE(card->SwitchOn(QStringLiteral("CD"), 1));
}

TEST_F(Mixer, ValueOutsideTheRangeIsRefusedAndNotCached)
{
    auto mixer = OpenOn(card);
    try {
        mixer->SetValues(mcMasterVolume, 5, 32);
        FAIL() << "no error";
    } catch (const eMMError& e) {
        EXPECT_EQ(e.Code(), 1026);
    }
    EXPECT_EQ(mixer->Value(mcMasterVolume, 0), 24);
    EXPECT_EQ(card->Volume(QStringLiteral("Master"), 0), 24);
}

TEST_F(Mixer, OutsideChangesAreReportedOwnWritesAndUnknownLinesAreNot)
{
    auto mixer = OpenOn(card);
    auto other = OpenOn(card);
    TChanges changes(*mixer);
    mixer->SetValues(mcWaveVolume, 10, 11);            // our own write
    card->SetVolume(QStringLiteral("Headphone"), 3, 3); // a line the mixer does not use
    other->SetValue(mcLineInMute, 0, 1);               // another program's mixer
    ASSERT_TRUE(changes.WaitFor(mcLineInMute));
    card->SetVolume(QStringLiteral("Line"), 100, 200);
    ASSERT_TRUE(changes.WaitFor(mcLineInVolume));
    EXPECT_EQ(changes.seen, (std::vector<int>{mcLineInMute, mcLineInVolume}));
    EXPECT_EQ(mixer->Value(mcLineInMute, 0), 1);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 0), 100);
    EXPECT_EQ(mixer->Value(mcLineInVolume, 1), 200);
}

TEST_F(Mixer, MissingSourceLinesLeaveOnlyTheirControlsAbsent)
{
    card->Remove(QStringLiteral("Synth"));
    card->Remove(QStringLiteral("PC Speaker"));
    card->Remove(QStringLiteral("Tone Control - Bass"));
    auto mixer = OpenOn(card);
    EXPECT_EQ(mixer->MissingLines(),
              (QStringList{QStringLiteral("Can't find MIDI output source line for Emulated Sound Card"),
                           QStringLiteral("Can't find SPEAKER output source line for Emulated Sound Card")}));
    for (int c : {mcSynthVolume, mcSynthMute, mcSpeakerVolume, mcSpeakerMute, mcBass}) {
        EXPECT_FALSE(mixer->Exists(c)) << c;
        EXPECT_EQ(mixer->Value(c, 0), 0);
        EXPECT_EQ(mixer->Value(c, 1), 0);
    }
    EXPECT_TRUE(mixer->Exists(mcTreble));
    const int writes = card->Writes();
    mixer->SetValues(mcSynthVolume, 5, 5);
    EXPECT_EQ(card->Writes(), writes);
    EXPECT_EQ(mixer->Value(mcSynthVolume, 0), 0);
}

TEST_F(Mixer, CardWithoutMasterOutputDoesNotOpen)
{
    card->Remove(QStringLiteral("Master"));
    TMixer mixer(std::make_unique<TEmulatedMixerDevice>(card));
    mixer.SetMidiDeviceID(TMixer::FirstCard);
    try {
        mixer.SetActive(true);
        FAIL() << "opened";
    } catch (const eMMError&) {
        FAIL() << "a missing line is not a library error";
    } catch (const eMixerError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Can't find audio output mixer line for Emulated Sound Card"));
    }
    EXPECT_FALSE(mixer.Active());
    EXPECT_FALSE(mixer.Exists(mcLineInVolume));
}

TEST_F(Mixer, MidiDeviceIdReopensAndOnlyTheFirstCardIsKnown)
{
    TMixer mixer(std::make_unique<TEmulatedMixerDevice>(card));
    EXPECT_EQ(mixer.MidiDeviceID(), -1);
    EXPECT_FALSE(mixer.Active());
    EXPECT_THROW(mixer.SetActive(true), eMMError);
    mixer.SetMidiDeviceID(TMixer::FirstCard);
    EXPECT_FALSE(mixer.Active()) << "a closed mixer stays closed";
    mixer.SetActive(true);
    card->SetVolume(QStringLiteral("PCM"), 7, 7);
    EXPECT_THROW(mixer.SetMidiDeviceID(3), eMMError) << "reopening follows the new value";
    mixer.SetMidiDeviceID(TMixer::FirstCard);
    EXPECT_FALSE(mixer.Active()) << "the failed reopen left it closed";
    mixer.SetActive(true);
    EXPECT_EQ(mixer.Value(mcWaveVolume, 0), 7);
    mixer.SetActive(false);
    EXPECT_FALSE(mixer.Exists(mcWaveVolume));
}

TEST(MixerError, MessagesNameCategoryCodeTextAndCall)
{
    EXPECT_STREQ(eMMError(6, QStringLiteral("snd_mixer_attach")).what(),
                 "Multimedia System Error 6 - No device driver present in snd_mixer_attach");
    EXPECT_STREQ(eMMError(12, QStringLiteral("x")).what(),
                 "Multimedia System Error 12 - Handle being used simultaneously on another "
                 "thread (eg callback) in x");
    EXPECT_STREQ(eMMError(1025, QStringLiteral("y")).what(),
                 "Multimedia Mixer Error 1025 - Invalid Mixer Control in y");
    EXPECT_STREQ(eMMError(21, QStringLiteral("z")).what(),
                 "Multimedia Unknown Error 21 - Unknown error in z");
    EXPECT_EQ(eMMError::FromErrno(-ENOENT), 6);
    EXPECT_EQ(eMMError::FromErrno(-EBUSY), 4);
    EXPECT_EQ(eMMError::FromErrno(-ENOMEM), 7);
    EXPECT_EQ(eMMError::FromErrno(-EINVAL), 11);
    EXPECT_EQ(eMMError::FromErrno(-EIO), 1);
}

TEST(MixerAlsa, MachineWithoutSoundCardRunsWithoutMixer)
{
    if (SoundCardPresent()) GTEST_SKIP() << "this machine has a sound card";
    TRealHardware real;
    EXPECT_EQ(real.MixerDevice(), nullptr);
    QString why = QStringLiteral("stale");
    EXPECT_EQ(OpenSoundCardMixer(real, &why), nullptr);
    EXPECT_TRUE(why.isEmpty()) << "no sound card is not an error";

    // Asked anyway, the library fails cleanly and names the call.
    TMixer mixer(std::make_unique<TAlsaMixerDevice>());
    mixer.SetMidiDeviceID(TMixer::FirstCard);
    try {
        mixer.SetActive(true);
        FAIL() << "opened a mixer on a machine without sound card";
    } catch (const eMMError& e) {
        EXPECT_EQ(e.Code(), 6) << e.what();
        EXPECT_EQ(e.Call(), QStringLiteral("snd_mixer_attach"));
    }
    EXPECT_FALSE(mixer.Active());
}

TEST(MixerSimulated, TheSimulatorHasASoundCardAndReportsOneThatCannotOpen)
{
    TSimulatedHardware sim(TStationList::BuiltIn(), false);
    QString why;
    auto mixer = OpenSoundCardMixer(sim, &why);
    ASSERT_NE(mixer, nullptr) << why.toStdString();
    EXPECT_TRUE(mixer->Active());
    mixer.reset();
    sim.SoundCard().Remove(QStringLiteral("Master"));
    EXPECT_EQ(OpenSoundCardMixer(sim, &why), nullptr);
    EXPECT_EQ(why, QStringLiteral("Can't find audio output mixer line for Emulated Sound Card"));
}

TEST(MixerSimulated, RadioCardDrivesAndFollowsTheLineIn)
{
    TSimulatedHardware sim(TStationList::BuiltIn(), false);
    TEmulatedSoundCard& soundCard = sim.SoundCard();
    QString why;
    TRadioCard card(sim, OpenSoundCardMixer(sim, &why));
    ASSERT_TRUE(card.SoundCardPresent()) << why.toStdString();
    int events = 0;
    card.OnMixerChange = [&](TRadioCard*, int, bool) { ++events; };
    card.SetModel(mRadioTrack);
    card.SetPort(1);
    card.SetVolumeLine(vlLineIn);
    card.Open();

    card.SetVolume(256);
    EXPECT_EQ(soundCard.Volume(QStringLiteral("Line"), 0), 65280);
    EXPECT_EQ(soundCard.Volume(QStringLiteral("Line"), 1), 65280);

    // The full line reads back as 257 units: held at 256, and a step up writes nothing.
    soundCard.SetVolume(QStringLiteral("Line"), 65535, 65535);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events == 1; }, 2000));
    EXPECT_EQ(card.Volume(), 256);
    const int writes = soundCard.Writes();
    card.VolumeUp();
    EXPECT_EQ(soundCard.Writes(), writes);

    soundCard.SetSwitch(QStringLiteral("Line"), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events == 2; }, 2000));
    EXPECT_TRUE(card.Muted());
}
