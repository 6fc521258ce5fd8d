#include "Helpers.h"
#include "Profile.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QLocale Italian(QLocale::Italian, QLocale::Italy);

// Settings read from an ini text.
TSettings ReadIni(const QByteArray& content)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(TSettingsFile::FileName()));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    return TSettingsFile(dir.path()).Read();
}

QStringList Lines(const TSettings& settings)
{
    QStringList lines;
    for (const auto& section : SettingsSections(settings))
        for (const auto& [key, value] : section.Keys) lines << section.Name + QLatin1Char('/') + key + QLatin1Char('=') + value;
    return lines;
}

} // namespace

TEST(Settings, MissingFileGivesEveryDefault)
{
    QTemporaryDir dir;
    const TSettings s = TSettingsFile(dir.path()).Read();
    EXPECT_FALSE(s.Configured());
    EXPECT_EQ(s.Model(), mRadioTrack);
    EXPECT_EQ(s.DisplayType, 0);
    EXPECT_EQ(s.Presets.UsedCount(), 0);
    EXPECT_EQ(s.Band, bFM);
    EXPECT_EQ(s.Frequency, 0.0); // the default text "87" has no frequency after its blank
    EXPECT_TRUE(s.SerialDevices.isEmpty());
    const char* const expected[] = {
                  "WinPos/X=0", "WinPos/Y=0", "Audio/Volume=0", "Audio/UsbAudio=1", "Recording/Folder=", "Recording/Format=flac", "Recording/StopsAtSleep=0", "Alarm/Station=0", "Alarm/Time=06:30",
                  "Frequency/Frequency=M 000.000", "Frequency/TuneStep=1", "Configuration/Hardware=1",
                  "Configuration/Port=0", "Configuration/VolumeLine=0", "Configuration/CheckIfTuned=0",
                  "Configuration/JapaneseFM=0", "Configuration/KeyboardCommands=UD0XM-+,.SA<>!EIOPQJT123ZCRLYKH678945",
                  "Configuration/LastStation=1", "Configuration/StartMinimized=0", "Configuration/TipOfTheDay=0",
                  "Configuration/ShutDown=2", "Configuration/Background=2", "Configuration/Foreground=10",
                  "Configuration/Style=2", "Configuration/ColorGenericButton=4", "Configuration/ColorFavAssButtonFM=2",
                  "Configuration/ColorFavAssButtonAM=0", "Configuration/ColorFavNotAssButton=4",
                  "Configuration/ColorPanel=0", "Configuration/ColorText=7", "Configuration/ColorFlag=5",
                  "Configuration/LaunchAlarm=0", "Configuration/StartMuted=0", "Configuration/ForceStereoOff=0",
                  "DisplayMode/DisplayType=0", "DisplayMode/AlwaysOnTop=0", "Presets/Current=0", "Presets/List="};
    QStringList expectedLines;
    for (const char* line : expected) expectedLines << QString::fromLatin1(line);
    EXPECT_EQ(Lines(s), expectedLines);
}

TEST(Settings, KeyboardCommandsMustBe37DistinctCharacters)
{
    const QString def = DefaultKeyboardCommands();
    ASSERT_EQ(def.size(), 37);
    const QString custom = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!");
    const struct {
        QString stored;
        QString read;
    } cases[] = {
        {custom, custom},
        {custom.left(36), def},
        {custom + QLatin1Char('@'), def},
        {custom.left(36) + QLatin1Char('A'), def},
        {QString(), def},
    };
    for (const auto& c : cases) {
        const TSettings s = ReadIni("[Configuration]\nKeyboardCommands=" + c.stored.toUtf8() + "\n");
        EXPECT_EQ(s.KeyboardCommands, c.read) << c.stored.toStdString();
    }
}

TEST(Settings, RangesOfCodesAndLayouts)
{
    EXPECT_EQ(ReadIni("[DisplayMode]\nDisplayType=9\n").DisplayType, 0);
    EXPECT_EQ(ReadIni("[DisplayMode]\nDisplayType=-1\n").DisplayType, 0);
    EXPECT_EQ(ReadIni("[DisplayMode]\nDisplayType=5\n").DisplayType, 5);
    EXPECT_EQ(ReadIni("[Configuration]\nVolumeLine=5\n").VolumeLine, vlNone);
    EXPECT_EQ(ReadIni("[Configuration]\nVolumeLine=4\n").VolumeLine, vlCd);

    const TSettings zoltrix = ReadIni("[Configuration]\nHardware=7\nPort=2\n");
    EXPECT_EQ(zoltrix.Model(), mZoltrix);
    EXPECT_TRUE(zoltrix.Configured());
    const TSettings odd = ReadIni("[Configuration]\nHardware=12\nPort=1\n");
    EXPECT_EQ(odd.Model(), mRadioTrack);
    EXPECT_TRUE(odd.Configured());
    EXPECT_TRUE(Lines(odd).contains(QStringLiteral("Configuration/Hardware=1")));
    EXPECT_FALSE(ReadIni("[Configuration]\nHardware=3\n").Configured()); // port 0

    // Values that would index past a table later read as their defaults.
    const TSettings wild = ReadIni("[Configuration]\nBackground=16\nColorFlag=8\nStyle=4\nShutDown=3\n"
                                   "[Presets]\nCurrent=101\n[Alarm]\nStation=-1\n[Audio]\nVolume=999\n");
    EXPECT_EQ(wild.Background, 2);
    EXPECT_EQ(wild.ColorFlag, 5);
    EXPECT_EQ(wild.Style, 2);
    EXPECT_EQ(wild.ShutDown, 2);
    EXPECT_EQ(wild.CurrentPreset, 0);
    EXPECT_EQ(wild.AlarmStation, 0);
    EXPECT_EQ(wild.Volume, 0);
}

TEST(Settings, AlarmTimeIsReadInItsWrittenFormWhateverTheLocale)
{
    for (const QLocale& locale : {QLocale::c(), Italian, QLocale(QLocale::Finnish, QLocale::Finland)}) {
        TScopedLocale scoped(locale);
        const TSettings s = ReadIni("[Alarm]\nTime=07:05\n");
        EXPECT_EQ(s.AlarmHour, 7);
        EXPECT_EQ(s.AlarmMinute, 5);
        EXPECT_TRUE(Lines(s).contains(QStringLiteral("Alarm/Time=07:05")));
    }
    for (const char* bad : {"25:10", "", "07:5", "0705", "07:60", "ab:cd"}) {
        const TSettings s = ReadIni(QByteArray("[Alarm]\nTime=") + bad + "\n");
        EXPECT_EQ(s.AlarmHour, 6) << bad;
        EXPECT_EQ(s.AlarmMinute, 30) << bad;
    }
}

TEST(Settings, LastFrequency)
{
    TSettings s = ReadIni("[Frequency]\nFrequency=k 000.531\n");
    EXPECT_EQ(s.Band, bAM);
    EXPECT_DOUBLE_EQ(s.Frequency, 0.531);
    s = ReadIni("[Frequency]\nFrequency=M 101,500\n");
    EXPECT_EQ(s.Band, bFM);
    EXPECT_DOUBLE_EQ(s.Frequency, 101.5);
    s = ReadIni("[Frequency]\nFrequency=KK 000.531\n"); // the letter must stand alone
    EXPECT_EQ(s.Band, bFM);
    EXPECT_DOUBLE_EQ(s.Frequency, 0.531);
    s = ReadIni("[Frequency]\nFrequency=K abc\n");
    EXPECT_EQ(s.Band, bAM);
    EXPECT_EQ(s.Frequency, 0.0);
    for (const char* outside : {"M 1e300", "M 108,001", "K 000,530", "M 050,000", "M -98,1", "M inf"})
        EXPECT_EQ(ReadIni(QByteArray("[Frequency]\nFrequency=") + outside + "\n").Frequency, 0.0) << outside;
    EXPECT_DOUBLE_EQ(ReadIni("[Frequency]\nFrequency=M 076,000\n").Frequency, 76.0); // Japanese FM
    EXPECT_EQ(ReadIni("[Frequency]\nTuneStep=0\n").TuneStep, 1);
}

TEST(Settings, PresetsList)
{
    const QByteArray stations = "Station03=M 088.500 Three\nStation05=K 000.531 Five\n";
    TSettings s = ReadIni("[Presets]\nList=3,5\n" + stations);
    EXPECT_TRUE(s.Presets[3].Used);
    EXPECT_FALSE(s.Presets[5].Used); // the trailing 5 has no ","
    s = ReadIni("[Presets]\nList= 3,5, \n" + stations);
    EXPECT_TRUE(s.Presets[3].Used);
    ASSERT_TRUE(s.Presets[5].Used);
    EXPECT_EQ(s.Presets[5].Band, 0);
    EXPECT_EQ(s.Presets[5].Name, QStringLiteral("Five"));

    s = ReadIni("[Presets]\nList=4,6,7,8,9,0,101,x,100,\nCurrent=100\n"
                "Station04=M 089.000\n"     // no name
                "Station06=M 000.000 Zero\n" // zero frequency
                "Station07=M abc Word\n"     // not a number
                "Station08=M\n"              // no blank
                "Station09=M 1e300 Huge\n"   // outside every band
                "Station00=k 1,620  Top   of  band \n");
    EXPECT_EQ(s.Presets.UsedCount(), 2);
    ASSERT_TRUE(s.Presets[4].Used);
    EXPECT_TRUE(s.Presets[4].Name.isEmpty());
    EXPECT_DOUBLE_EQ(s.Presets[4].Frequency, 89.0);
    ASSERT_TRUE(s.Presets[100].Used);
    EXPECT_EQ(s.Presets[100].Name, QStringLiteral("Top   of  band"));
    EXPECT_EQ(s.Presets[100].Current, 1);
    EXPECT_EQ(s.CurrentPreset, 100);
}

TEST(Settings, EveryKeyRoundTripsUnderBothSeparators)
{
    for (const QLocale& locale : {QLocale::c(), Italian}) {
        TScopedLocale scoped(locale);
        QTemporaryDir dir;
        TSettings s;
        s.X = -20;
        s.Y = 300;
        s.Volume = 160;
        s.AlarmStation = 12;
        s.AlarmHour = 7;
        s.AlarmMinute = 5;
        s.Band = bAM;
        s.Frequency = 1.017;
        s.TuneStep = 4;
        s.SetModel(mRadionMaru);
        s.Port = 3;
        s.VolumeLine = vlMicIn;
        s.CheckIfTuned = s.JapaneseFM = true;
        s.KeyboardCommands = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!");
        s.LastStation = false;
        s.StartMinimized = s.TipOfTheDay = s.LaunchAlarm = s.StartMuted = s.ForceStereoOff = true;
        s.UsbAudio = false;
        s.ShutDown = 1;
        s.Background = 15;
        s.Foreground = 1;
        s.Style = 3;
        s.ColorGenericButton = 7;
        s.ColorFavAssButtonFM = 6;
        s.ColorFavAssButtonAM = 5;
        s.ColorFavNotAssButton = 3;
        s.ColorPanel = 9;
        s.ColorText = 1;
        s.ColorFlag = 0;
        s.DisplayType = 4;
        s.AlwaysOnTop = true;
        s.CurrentPreset = 2;
        s.Presets[2] = {QStringLiteral("  Radio Uno "), 89.3, 1, 1, 1};
        s.Presets[100] = {QString(), 0.999, 0, 0, 1};
        s.SerialDevices = {{5, QStringLiteral("/dev/ttyUSB0")}, {2, QStringLiteral("/dev/pts/7")}};
        ASSERT_TRUE(TSettingsFile(dir.path()).Save(s));

        const TSettings r = TSettingsFile(dir.path()).Read();
        EXPECT_EQ(Lines(r), Lines(s)) << locale.name().toStdString();
        EXPECT_EQ(r.Model(), mRadionMaru);
        EXPECT_DOUBLE_EQ(r.Frequency, 1.017);
        EXPECT_EQ(r.Presets[2].Name, QStringLiteral("Radio Uno"));
        EXPECT_EQ(r.Presets[2].Current, 1);
        EXPECT_DOUBLE_EQ(r.Presets[100].Frequency, 0.999);
        EXPECT_EQ(r.SerialDevices, s.SerialDevices);
        EXPECT_TRUE(Lines(r).contains(QStringLiteral("Presets/List=2,100,")));
        EXPECT_TRUE(Lines(r).contains(QStringLiteral("Presets/Station00=K ") + FrequencyText(0.999) +
                                      QStringLiteral(" ")));
    }
}

TEST(Settings, BankWrittenUnderOneLocaleSurvivesAnother)
{
    QTemporaryDir dir;
    {
        TScopedLocale scoped(Italian);
        TSettings s;
        s.Presets[1] = {QStringLiteral("Uno"), 101.5, 1, 0, 1};
        s.Frequency = 101.5;
        ASSERT_TRUE(TSettingsFile(dir.path()).Save(s));
    }
    const TSettings r = TSettingsFile(dir.path()).Read();
    ASSERT_TRUE(r.Presets[1].Used);
    EXPECT_DOUBLE_EQ(r.Presets[1].Frequency, 101.5);
    EXPECT_DOUBLE_EQ(r.Frequency, 101.5);
}

TEST(Settings, WritingErasesOurSectionsAndKeepsOthers)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(TSettingsFile::FileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Archive]\nLast=Folder\n[presets]\nList=1,\nStation01=M 088.000 Old\nStation09=M 099.000 Gone\n"
               "[Serial]\nCom3=/dev/ttyACM0\n");
    file.close();

    TSettingsFile settingsFile(dir.path());
    TSettings s = settingsFile.Read();
    EXPECT_EQ(s.SerialDevices.value(3), QStringLiteral("/dev/ttyACM0"));
    s.Presets[1].Clear();
    ASSERT_TRUE(settingsFile.Save(s));

    TProfile profile(dir.filePath(TSettingsFile::FileName()));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Archive"), QStringLiteral("Last"), QString()), QStringLiteral("Folder"));
    EXPECT_FALSE(profile.ValueExists(QStringLiteral("Presets"), QStringLiteral("Station09")));
    EXPECT_FALSE(profile.ValueExists(QStringLiteral("Presets"), QStringLiteral("Station01")));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Serial"), QStringLiteral("Com3"), QString()), QStringLiteral("/dev/ttyACM0"));

    s.SerialDevices.clear();
    ASSERT_TRUE(settingsFile.Save(s));
    EXPECT_FALSE(TProfile(dir.filePath(TSettingsFile::FileName())).SectionExists(QStringLiteral("Serial")));
}
