// The component's model table, setter rules, volume line and utilities.

#include "Helpers.h"
#include "RadioCards.h"
#include "TestHardware.h"
#include "TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Snap, RoundsHalvesToEvenAndClampsToTheBand)
{
    EXPECT_DOUBLE_EQ(SnapFrequency(1.25, 0.5, 0, 10), 1.0);  // 2.5 steps -> 2
    EXPECT_DOUBLE_EQ(SnapFrequency(1.75, 0.5, 0, 10), 2.0);  // 3.5 steps -> 4
    EXPECT_DOUBLE_EQ(SnapFrequency(1.3, 0.5, 0, 10), 1.5);
    EXPECT_DOUBLE_EQ(SnapFrequency(-3, 0.5, 0, 10), 0.0);
    EXPECT_DOUBLE_EQ(SnapFrequency(200, 0.025, FMLow, FMHigh), 108.0);
    EXPECT_NEAR(SnapFrequency(95.01, 0.025, FMLow, FMHigh), 95.0, 1e-9);
    EXPECT_NEAR(SnapFrequency(95.02, 0.025, FMLow, FMHigh), 95.025, 1e-9);
    EXPECT_NEAR(SnapFrequency(0.600, 0.009, AMLow, AMHigh), 0.603, 1e-9);
    // Not a number lands on the band's lower edge, never outside the band.
    EXPECT_DOUBLE_EQ(SnapFrequency(std::nan(""), 0.025, FMLow, FMHigh), 87.0);
    EXPECT_EQ(FrequencyToStr(std::nan(""), AMLow, AMHigh), QStringLiteral("000.531"));
}

TEST(Utilities, ConvertCodesLettersAndTexts)
{
    EXPECT_EQ(ModelToIndex(mRadioTrack), 1);
    EXPECT_EQ(ModelToIndex(mZoltrix), 7);
    EXPECT_EQ(IndexToModel(0), mRadioTrack);
    EXPECT_EQ(IndexToModel(1), mRadioTrack);
    EXPECT_EQ(IndexToModel(4), mRadioMan);
    EXPECT_EQ(IndexToModel(7), mZoltrix);
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(IsPortCardIndex(i), i == 1 || i == 2 || i == 7) << i;
    EXPECT_EQ(BandToLetter(bAM), QStringLiteral("K"));
    EXPECT_EQ(BandToLetter(bFM), QStringLiteral("M"));
    EXPECT_EQ(LetterToBand(QStringLiteral("kHz")), bAM);
    EXPECT_EQ(LetterToBand(QStringLiteral("M")), bFM);
    EXPECT_EQ(LetterToBand(QString()), bFM);
    EXPECT_EQ(IndexToVolumeLine(VolumeLineToIndex(vlCd)), vlCd);
    EXPECT_EQ(ComPortFromNumber(1), pnCOM1);
    EXPECT_EQ(ComPortFromNumber(16), pnCOM16);
    EXPECT_EQ(SignalText(sgNone), QStringLiteral("?????"));
    EXPECT_EQ(SignalText(sgStereo), QStringLiteral("Stereo"));
}

TEST(Utilities, FrequencyTextUsesThreeIntegerDigitsAndTheUsersDecimalMark)
{
    EXPECT_EQ(FrequencyToStr(95.0, FMLow, FMHigh), QStringLiteral("095.000"));
    EXPECT_EQ(FrequencyToStr(0.603, AMLow, AMHigh), QStringLiteral("000.603"));
    EXPECT_EQ(FrequencyToStr(120, FMLow, FMHigh), QStringLiteral("108.000"));
    EXPECT_EQ(FrequencyToStr(0.1, AMLow, AMHigh), QStringLiteral("000.531"));
    TScopedLocale italian(QLocale(QLocale::Italian, QLocale::Italy));
    EXPECT_EQ(FrequencyToStr(101.7, FMLow, FMHigh), QStringLiteral("101,700"));
}

TEST(ModelTable, HoldsTheSevenModels)
{
    const tDevCaps t = BuildModelTable();
    EXPECT_EQ(t[mRadioTrack].Name, QStringLiteral("Radiotrack"));
    EXPECT_EQ(t[mRA300].Maker, QStringLiteral("Reveal"));
    EXPECT_EQ(t[mZoltrix].Name, QStringLiteral("Radio Plus 108"));
    EXPECT_EQ(t[mRajikoma].Maker, QStringLiteral("Unit"));
    EXPECT_TRUE(t[mRadioTrack].Spare1 && t[mRA300].Spare2 && !t[mZoltrix].Spare1);
    EXPECT_EQ(t[mZoltrix].FMStep, 0.005);
    EXPECT_EQ(t[mRadionMaru].AMStep, 0.009);
    EXPECT_FALSE(t[mRadionMaru].HasAM);
    EXPECT_TRUE(t[mRadioMan].HasAM && t[mRajikoma].HasAM);
    EXPECT_EQ(t[mWizard].Connection, cnSerial);
    EXPECT_EQ(t[mWizard].Ports[8], 8);
    EXPECT_EQ(t[mZoltrix].Ports[2], 0x20C);
    for (const tDevCap& c : t) EXPECT_TRUE(c.CanMute);
}

class Card : public ::testing::Test {
protected:
    TTestHardware hw;
    TRadioCard card{hw};
};

TEST_F(Card, StartsInTheDocumentedState)
{
    EXPECT_EQ(card.Model(), mRadioTrack);
    EXPECT_EQ(card.Port(), 0);
    EXPECT_EQ(card.Band(), bAM);
    EXPECT_EQ(card.VolumeLine(), vlNone);
    EXPECT_TRUE(card.Muted());
    EXPECT_FALSE(card.Active());
    EXPECT_DOUBLE_EQ(card.LastFM(), 87.0);
    EXPECT_DOUBLE_EQ(card.LastAM(), 0.531);
    EXPECT_FALSE(card.SoundCardPresent());
}

TEST_F(Card, ModelRemembersThePortChosenForIt)
{
    card.SetModel(mRA300);
    EXPECT_EQ(card.Port(), 0) << "the first CurrentPort (1) matches no I/O address";
    card.SetPort(2);
    card.SetModel(mWizard);
    EXPECT_EQ(card.Port(), 2) << "Wizard's CurrentPort 2 is COM2, index 2";
    card.SetPort(5);
    card.SetModel(mRA300);
    EXPECT_EQ(card.Port(), 2) << "RA300 remembered 0x20C";
    card.SetModel(mWizard);
    EXPECT_EQ(card.Port(), 5);
}

TEST_F(Card, PortAndModelRefuseMisuse)
{
    EXPECT_THROW(card.SetPort(3), ePortNotFound);
    EXPECT_THROW(card.SetPort(-1), ePortNotFound);
    EXPECT_EQ(card.Port(), 0);
    card.SetPort(0); // no port is allowed
    card.SetPort(1);
    card.Open();
    EXPECT_THROW(card.SetModel(mZoltrix), eCantSetup);
    EXPECT_THROW(card.SetPort(2), eCantSetup);
    EXPECT_EQ(card.Model(), mRadioTrack);
    EXPECT_EQ(card.Port(), 1);
}

TEST_F(Card, FlagsFollowTheModelsCapabilities)
{
    card.SetJapaneseFM(true);
    EXPECT_FALSE(card.JapaneseFM());
    card.SetModel(mZoltrix);
    EXPECT_TRUE(card.Stereo());
    card.SetModel(mWizard);
    EXPECT_FALSE(card.Stereo());
    card.SetStereo(true);
    EXPECT_FALSE(card.Stereo());
    card.SetJapaneseFM(true);
    EXPECT_TRUE(card.JapaneseFM());
    card.SetMuteOnExit(false);
    EXPECT_TRUE(card.MuteOnExit());
    card.SetModel(mRadioTrack);
    EXPECT_FALSE(card.JapaneseFM()) << "a model without the Japanese range clears it";
    card.SetMuteOnExit(false);
    EXPECT_FALSE(card.MuteOnExit());
    card.SetMutedStartup(true);
    EXPECT_TRUE(card.Muted());
    EXPECT_TRUE(card.StartMutedPending());
}

TEST_F(Card, VolumeLineSetsStepAndMaximum)
{
    card.InitVolume(23);
    card.SetVolumeLine(vlNative);
    EXPECT_EQ(card.VolumeStep(), 16);
    EXPECT_EQ(card.VolumeMax(), 256);
    EXPECT_EQ(card.Volume(), 16) << "snapped to the card's 16 levels";
    card.InitVolume(24);
    card.SetVolumeLine(vlNative);
    EXPECT_EQ(card.Volume(), 32) << "1.5 levels round to even";
    card.InitVolume(23);
    card.SetVolumeLine(vlLineIn);
    EXPECT_EQ(card.VolumeStep(), 1);
    EXPECT_EQ(card.VolumeMax(), 256);
    EXPECT_EQ(card.Volume(), 23);
    card.SetVolumeLine(vlNone);
    EXPECT_EQ(card.VolumeMax(), 0);

    card.SetModel(mWizard);
    card.SetVolumeLine(vlNative);
    EXPECT_EQ(card.VolumeMax(), 0) << "no volume levels on the serial receivers";
    EXPECT_EQ(card.VolumeLine(), vlNative) << "every model can mute, so the line stays";
}

TEST_F(Card, ClosedCardIgnoresEveryRequest)
{
    card.SetPort(1);
    card.SetVolumeLine(vlNative);
    card.SetVolume(128);
    card.VolumeUp();
    card.Tune(false, bFM, 95.0);
    card.Mute();
    EXPECT_EQ(card.Volume(), 0);
    EXPECT_EQ(card.Frequency(), 0);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_TRUE(hw.log.isEmpty());
}

TEST_F(Card, BandChangesOnlyToBandsTheModelHas)
{
    card.SetModel(mRadioTrack);
    card.SetPort(1);
    card.Open();
    card.SetBand(bAM);
    EXPECT_EQ(card.Band(), bAM) << "the initial band stays; AM was refused";
    EXPECT_EQ(card.Frequency(), 0);
    card.SetBand(bFM);
    EXPECT_EQ(card.Band(), bFM);
    EXPECT_DOUBLE_EQ(card.Frequency(), 87.0);
    card.Tune(false, bFM, 200.0);
    EXPECT_DOUBLE_EQ(card.Frequency(), 108.0);
    EXPECT_DOUBLE_EQ(card.LastFM(), 108.0);
    EXPECT_DOUBLE_EQ(card.MaxFrequency(), 108.0);
    EXPECT_DOUBLE_EQ(card.FrequencyStep(), 0.025);
}

TEST_F(Card, PortZeroSilencesTheSequencesButStillRecordsTheFrequency)
{
    card.SetVolumeLine(vlNative);
    card.Open();
    card.Tune(false, bFM, 95.01);
    EXPECT_DOUBLE_EQ(card.Frequency(), 95.01) << "not snapped: no sequence ran";
    card.SetVolume(128);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_TRUE(hw.log.isEmpty());
}
