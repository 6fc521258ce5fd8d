// The settings dialog's rules without its widgets: what each model remembers
// while the dialog is open, the volume paths, the port groups, the button
// colours the preset rows may not share, and the keys.

#include "SetupModel.h"

#include <gtest/gtest.h>

namespace {

const QString Defaults = QStringLiteral("UD0XM-+,.SA<>!EIOPQJT123ZCRLYKH678945");

tSetupFacts Facts(bool soundCard = true)
{
    tSetupFacts f;
    f.SoundCard = f.LineIn = f.Microphone = f.Cd = soundCard;
    for (int n = 1; n <= 8; ++n) f.SerialPorts.push_back({n, QStringLiteral("/dev/ttyS%1").arg(n - 1)});
    f.DefaultKeys = Defaults;
    return f;
}

tSetupValues Values(tModel model, int port, tVolumeLine line = vlNative)
{
    tSetupValues v;
    v.Model = model;
    v.Port = port;
    v.VolumeLine = line;
    v.KeyboardCommands = Defaults;
    return v;
}

QStringList SourceTexts(const TSetupModel& m)
{
    QStringList texts;
    for (const tVolumeSource& s : m.VolumeSources()) texts << s.Text;
    return texts;
}

} // namespace

TEST(SetupModel, EachModelKeepsWhatWasChosenForItWhileTheDialogIsOpen)
{
    TSetupModel m(Values(mRadioTrack, 1), Facts());
    m.SetPort(2);
    m.SelectModel(mRadioMan);
    EXPECT_EQ(m.Values().Port, 2); // the serial models start on their default, COM2
    m.SetPort(5);
    m.SetJapaneseFM(true);
    m.ChooseVolumeSource(QStringLiteral("Compact disk"));
    m.SelectModel(mRadioTrack);
    EXPECT_EQ(m.Values().Port, 2);
    EXPECT_EQ(m.Values().VolumeLine, vlNative);
    EXPECT_FALSE(m.Values().JapaneseFM);
    m.SetJapaneseFM(true); // the Radiotrack has no Japanese band
    EXPECT_FALSE(m.Values().JapaneseFM);
    m.SelectModel(mRadioMan);
    EXPECT_EQ(m.Values().Port, 5);
    EXPECT_EQ(m.Values().VolumeLine, vlCd);
    EXPECT_TRUE(m.Values().JapaneseFM);
}

TEST(SetupModel, VolumePathsFollowTheCardAndTheSoundCard)
{
    struct Case {
        bool soundCard, mic;
        tVolumeLine stored;
        QStringList sources;
        tVolumeLine settled;
    };
    const QStringList all = {QStringLiteral("Radio card"), QStringLiteral("Line In"), QStringLiteral("Microphone"),
                             QStringLiteral("Compact disk")};
    const QStringList noMic = {all[0], all[1], all[3]};
    const Case cases[] = {
        {false, false, vlLineIn, {all[0]}, vlNative}, // a stored line without a sound card: the card itself
        {false, false, vlCd, {all[0]}, vlNative},
        {false, false, vlNone, {all[0]}, vlNone},
        {true, true, vlMicIn, all, vlMicIn},
        {true, false, vlMicIn, noMic, vlNative}, // a line the mixer lacks: the first entry
        {true, true, vlNone, all, vlNative},
    };
    for (const Case& c : cases) {
        tSetupFacts facts = Facts(c.soundCard);
        facts.Microphone = c.mic;
        const TSetupModel m(Values(mZoltrix, 1, c.stored), facts);
        EXPECT_EQ(SourceTexts(m), c.sources) << int(c.stored);
        EXPECT_EQ(m.Values().VolumeLine, c.settled) << int(c.stored);
        EXPECT_EQ(m.VolumeSourceIndex(), c.settled == vlNone ? -1 : int(c.sources.indexOf(all[c.settled - 1])));
    }
    // A serial model starts on line in, which needs a sound card.
    TSetupModel m(Values(mRadioTrack, 1), Facts(false));
    m.SelectModel(mWizard);
    EXPECT_EQ(m.Values().VolumeLine, vlNative);
}

TEST(SetupModel, PortGroupsAndWhetherOkMayBePressed)
{
    tSetupFacts blocked = Facts();
    blocked.PortAccess = false;
    TSetupModel m(Values(mRA300, 2), blocked);
    EXPECT_EQ(m.PortGroup(), tPortGroup::NoPortAccess);
    EXPECT_FALSE(m.OkEnabled());
    m.SelectModel(mRajikoma);
    EXPECT_EQ(m.PortGroup(), tPortGroup::Serial);
    EXPECT_TRUE(m.OkEnabled());

    // No free serial port: OK stays possible with the remembered port.
    tSetupFacts none = Facts();
    none.SerialPorts.clear();
    TSetupModel serial(Values(mWizard, 6), none);
    EXPECT_EQ(serial.PortGroup(), tPortGroup::NoSerials);
    EXPECT_TRUE(serial.OkEnabled());
    EXPECT_EQ(serial.Values().Port, 6);

    // The port shown is the port taken: an unlisted COM port gives way to the
    // first listed one, an I/O port out of range to the default.
    tSetupFacts some = Facts();
    some.SerialPorts = {{3, QStringLiteral("/dev/ttyS2")}, {7, QStringLiteral("/dev/ttyUSB0")}};
    TSetupModel listed(Values(mRadioMan, 2), some);
    EXPECT_EQ(listed.Values().Port, 3);
    EXPECT_EQ(listed.SerialIndex(), 0);
    EXPECT_EQ(listed.Values().PortDevice, QStringLiteral("/dev/ttyS2"));
    listed.SetPort(7);
    EXPECT_EQ(listed.SerialIndex(), 1);
    EXPECT_EQ(listed.Values().PortDevice, QStringLiteral("/dev/ttyUSB0"));
    listed.SelectModel(mZoltrix); // a card on I/O ports has no serial device
    EXPECT_TRUE(listed.Values().PortDevice.isEmpty());
    EXPECT_EQ(TSetupModel(Values(mZoltrix, 9), Facts()).Values().Port, 1);
}

TEST(SetupModel, UsbAdaptersAreOfferedOnTheLowestNumbersNotInUse)
{
    const std::vector<tSerialPortChoice> ports = {{1, QStringLiteral("/dev/ttyS0")},
                                                  {3, QStringLiteral("/dev/ttyUSB0")}};
    const std::vector<tSerialPortChoice> adapters = {
        {0, QStringLiteral("/dev/ttyUSB0")}, // already behind COM3
        {0, QStringLiteral("/dev/ttyUSB1"), false},
        {0, QStringLiteral("/dev/ttyACM0")},
    };
    const std::vector<tSerialPortChoice> offered = SerialPortChoices(ports, adapters, 4);
    QStringList shown;
    for (const tSerialPortChoice& p : offered)
        shown << QStringLiteral("%1 %2 %3").arg(p.Number).arg(p.Device).arg(p.Accessible);
    EXPECT_EQ(shown, (QStringList{
                         QStringLiteral("1 /dev/ttyS0 1"), QStringLiteral("2 /dev/ttyUSB1 0"),
                         QStringLiteral("3 /dev/ttyUSB0 1"), QStringLiteral("4 /dev/ttyACM0 1")}));
    // With every number taken an adapter is not offered.
    EXPECT_EQ(SerialPortChoices(ports, adapters, 3).size(), 3u);
}

TEST(SetupModel, PresetRowsCannotShareAColour)
{
    TSetupModel m(Values(mRadioTrack, 1), Facts()); // generic 4, FM 2, AM 0, not assigned 4
    m.SetButtonColour(brFavAM, 3);
    EXPECT_FALSE(m.ButtonColourEnabled(brFavFM, 3));
    EXPECT_FALSE(m.ButtonColourEnabled(brNotAssigned, 3));
    EXPECT_TRUE(m.ButtonColourEnabled(brFavAM, 3));
    EXPECT_FALSE(m.ButtonColourEnabled(brFavAM, 2)); // FM's
    EXPECT_FALSE(m.ButtonColourEnabled(brFavAM, 4)); // not assigned's
    EXPECT_TRUE(m.ButtonColourEnabled(brFavFM, 0)); // AM left it
    for (int n = 0; n < 8; ++n) EXPECT_TRUE(m.ButtonColourEnabled(brGeneric, n));
}

TEST(SetupModel, AKeyInUseIsRefusedAndResetBringsTheDefaultsBack)
{
    TSetupModel m(Values(mRadioTrack, 1), Facts());
    EXPECT_FALSE(m.SetKey(5, QLatin1Char('U'))); // "Mute on/off" may not take "Volume up"'s key
    EXPECT_EQ(m.Key(5), QLatin1Char('M'));
    EXPECT_FALSE(m.SetKey(1, QLatin1Char('7'))); // held by the reserved position
    EXPECT_FALSE(m.SetKey(1, QLatin1Char('u'))); // lower case never matches a key press
    EXPECT_TRUE(m.SetKey(1, QLatin1Char('W')));
    EXPECT_TRUE(m.SetKey(1, QLatin1Char('W'))); // its own key again
    EXPECT_TRUE(m.SetKey(5, QLatin1Char('U'))); // free now
    EXPECT_EQ(m.Values().KeyboardCommands.left(5), QStringLiteral("WD0XU"));
    m.ResetKeys();
    EXPECT_EQ(m.Key(1), QLatin1Char('U'));
    EXPECT_EQ(m.Key(37), QLatin1Char('5'));
    EXPECT_EQ(TSetupModel::KeyChoices().size(), 95 - 26);
}
