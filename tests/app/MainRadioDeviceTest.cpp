// The main window on a Linux radio device (the emulated one): hardware seek,
// the station's RDS name, and a tuner pulled out while the program runs and
// plugged back in.

#include "MainWindowFixture.h"
#include "QuietAudio.h"
#include "ScrollingText.h"

#include <QCoreApplication>
#include <QGroupBox>

TEST_F(MainWindowTest, RadioDeviceSeeksShowsTheRdsNameAndSurvivesUnplugging)
{
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    TMainWindow& w = Started();
    ASSERT_TRUE(w.Card().Active());
    EXPECT_EQ(w.Card().Caps().Name, QStringLiteral("V4L2 radio device"));

    w.TuneTo(bFM, false, 96.0);
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 98.125); // where the device found it, off the step grid
    EXPECT_EQ(hw.Radio().SeekCalls(), 1);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Stereo"));

    hw.Clock().Wait(3000);
    w.PollRds();
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Northern"));
    // A preset without a name leaves the panel to the station's own; a
    // preset's name goes before it.
    w.TuneTo(bFM, false, 88.6);
    StoreByMem(1, QString());
    ASSERT_EQ(w.CurrentPreset(), 1);
    hw.Clock().Wait(3000); // the station's name again after the retuning
    w.PollRds();
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Harbour"));
    dialogs.names.push_back(QStringLiteral("My station"));
    w.RenamePreset(1);
    w.PollRds();
    EXPECT_EQ(LabelText("Station"), QStringLiteral("My station"));

    hw.Radio().SetPlugged(false);
    w.Actions_ScanNext();
    EXPECT_FALSE(w.Card().Active());
    EXPECT_FALSE(w.Busy());
    QCoreApplication::processEvents();
    ASSERT_FALSE(prompts.calls.empty());
    EXPECT_TRUE(prompts.calls.back().Text.contains(QStringLiteral("/dev/radio0"))) << prompts.calls.back().Text.toStdString();
    EXPECT_FALSE(w.Closed());

    // Plugged back in, OK in the settings opens it again, on the same port.
    hw.Radio().SetPlugged(true);
    dialogs.setups.push_back(std::pair{mV4L2, 1});
    w.Options_Settings();
    EXPECT_TRUE(w.Card().Active());
}

TEST_F(MainWindowTest, TheStationsTypeTextAndSongReachTheHintsThePlayerAndTheNamePrompt)
{
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    withTray = true;
    TMainWindow& w = Started();
    ASSERT_TRUE(w.Card().Active());
    ASSERT_NE(tray, nullptr);
    w.TuneTo(bFM, false, 96.0);
    w.Actions_ScanNext();
    ASSERT_DOUBLE_EQ(w.Card().Frequency(), 98.125);
    const QString stationHint = Child<QLabel>(QStringLiteral("Station"))->toolTip();
    const QString trayTip = tray->tip;
    EXPECT_FALSE(stationHint.contains(QLatin1Char('\n')));
    // Where everything on the panel and the RDS line stands before any text.
    auto places = [this] {
        QList<QRect> all;
        for (const char* name : {"Panel", "Station", "HHMMSS", "Tuned", "RdsLine", "Pty", "RdsText", "Meter"})
            all << Child<QWidget>(QLatin1String(name))->geometry();
        return all;
    };
    const QList<QRect> before = places();

    hw.Clock().Wait(3000);
    w.PollRds();
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Northern"));
    const QString lines = QStringLiteral("\nPop music\nNorthern Lights on 98.1 MHz");
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Station"))->toolTip(), stationHint + lines);
    EXPECT_EQ(tray->tip, trayTip + lines);
    EXPECT_TRUE(w.PlayerHost().PlayerState().RdsTitle.isEmpty());
    // The complete layout shows type and text on its RDS line; a radio
    // device measures no level in dB.
    EXPECT_EQ(LabelText("Pty"), QStringLiteral("Pop music"));
    EXPECT_EQ(Child<TScrollingText>(QStringLiteral("RdsText"))->Text(), QStringLiteral("Northern Lights on 98.1 MHz"));
    EXPECT_TRUE(LabelText("Meter").isEmpty());
    EXPECT_EQ(places(), before) << "something moved when the text came";

    // Ten seconds in, the station plays a song and tags it.
    hw.Clock().Wait(20000);
    w.PollRds();
    EXPECT_TRUE(tray->tip.endsWith(QStringLiteral("\nNorthern Lights: Neon Avenue by The Harbour Lights\n"
                                                  "The Harbour Lights \u2013 Neon Avenue")))
        << tray->tip.toStdString();
    EXPECT_EQ(w.PlayerHost().PlayerState().RdsName, QStringLiteral("Northern"));
    EXPECT_EQ(w.PlayerHost().PlayerState().RdsTitle, QStringLiteral("Neon Avenue"));
    EXPECT_EQ(w.PlayerHost().PlayerState().RdsArtist, QStringLiteral("The Harbour Lights"));

    // MEM offers the station's own name, for Enter to take.
    StoreByMem(1, QStringLiteral("Lights"));
    ASSERT_FALSE(dialogs.offeredNames.isEmpty());
    EXPECT_EQ(dialogs.offeredNames.back(), QStringLiteral("Northern"));

    // Tuning away drops it all at once.
    w.TuneTo(bFM, false, 101.7);
    EXPECT_FALSE(Child<QLabel>(QStringLiteral("Station"))->toolTip().contains(QStringLiteral("Pop music")));
    EXPECT_FALSE(tray->tip.contains(QStringLiteral("Northern")));
    EXPECT_TRUE(w.PlayerHost().PlayerState().RdsTitle.isEmpty());
    EXPECT_TRUE(LabelText("Pty").isEmpty());
    EXPECT_TRUE(Child<TScrollingText>(QStringLiteral("RdsText"))->Text().isEmpty());
}

TEST_F(MainWindowTest, UsbSoundFollowsMuteAndTheSettingsOption)
{
    hw.UsbAudio = [](const QString&) { return QuietUsbAudioLoop(); };
    WriteIni("[Configuration]\nHardware=8\nPort=1\nVolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n"); // no UsbAudio key: on
    TMainWindow& w = Started();
    const auto playing = [&w] { return w.Card().UsbAudioLoop() && w.Card().UsbAudioLoop()->Running(); };
    EXPECT_TRUE(playing());
    w.KeyPress(QLatin1Char('m'));
    EXPECT_FALSE(playing());
    w.KeyPress(QLatin1Char('m'));
    EXPECT_TRUE(playing());

    dialogs.setups.push_back(std::pair{mV4L2, 1});
    dialogs.editSetup = [](tSetupValues& v) { v.UsbAudio = false; };
    w.Options_Settings();
    EXPECT_FALSE(w.Card().UsbAudioLoop());
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_FALSE(SavedProfile().ReadBool(QStringLiteral("Audio"), QStringLiteral("UsbAudio"), true));
}

TEST_F(MainWindowTest, UsbSoundThatCannotPlayIsSaidOnce)
{
    hw.UsbAudio = [](const QString&) {
        return std::make_unique<TAudioLoop>("plughw:1,0", "default", [](const std::string& name, bool, std::string* why) {
            *why = name + ": Device or resource busy";
            return std::unique_ptr<TAudioStream>();
        });
    };
    WriteIni("[Configuration]\nHardware=8\nPort=1\nVolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    ASSERT_TRUE(w.Card().UsbAudioLoop());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (w.Card().UsbAudioLoop()->Running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const std::size_t before = prompts.calls.size();
    w.CheckUsbAudio();
    w.CheckUsbAudio();
    ASSERT_EQ(prompts.calls.size(), before + 1);
    EXPECT_TRUE(prompts.calls.back().Text.contains(QStringLiteral("plughw:1,0: Device or resource busy")))
        << prompts.calls.back().Text.toStdString();
}

// Without a radio the panel says so and nothing offers to tune; a radio
// device plugged in later is offered once and, taken, opened and tuned.
TEST_F(MainWindowTest, NoRadioIsShownAndADevicePluggedInLaterIsOffered)
{
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    hw.Radio().SetPlugged(false);
    TMainWindow& w = Started();
    ASSERT_FALSE(w.Card().Active());
    EXPECT_EQ(Readout(), QStringLiteral("------"));
    EXPECT_EQ(LabelText("Station"), TMainWindow::NoRadioText());
    EXPECT_EQ(LabelText("AM_FM"), QString());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro"));
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpPresets"))->isEnabled());
    for (const char* item : {"Actions_TunePrev", "Actions_TuneNext", "Actions_ScanNext", "Actions_Jump"})
        EXPECT_TRUE(NoneEnabled(item)) << item;
    // The settings stay at hand, to choose another card.
    EXPECT_TRUE(AllEnabled("Options_Settings"));
    // Another layout does not bring the tuning back.
    w.Display_Minimal();
    w.Display_Complete();
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpPresets"))->isEnabled());

    // Another device node (a serial adapter, say) asks nothing.
    const std::size_t asked = prompts.calls.size();
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked);

    // The tuner comes: offered, declined, not offered again while it stays.
    hw.Radio().SetPlugged(true);
    prompts.answers.push_back(false);
    w.DevicesChanged();
    ASSERT_EQ(prompts.calls.size(), asked + 1);
    EXPECT_EQ(prompts.calls.back().Kind, QStringLiteral("AskYesNo"));
    EXPECT_EQ(prompts.calls.back().Icon, tPromptIcon::Question);
    EXPECT_TRUE(prompts.calls.back().Text.contains(QStringLiteral("/dev/radio0")));
    EXPECT_FALSE(w.Card().Active());
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked + 1);

    // Pulled out and put back: offered again, taken this time.
    hw.Radio().SetPlugged(false);
    w.DevicesChanged();
    hw.Radio().SetPlugged(true);
    prompts.answers.push_back(true);
    w.DevicesChanged();
    ASSERT_TRUE(w.Card().Active());
    EXPECT_EQ(w.Card().Model(), mV4L2);
    EXPECT_TRUE(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled());
    EXPECT_TRUE(AllEnabled("Actions_TuneNext"));
    EXPECT_NE(Readout(), QStringLiteral("------"));
    EXPECT_EQ(LabelText("AM_FM"), QStringLiteral("FM"));
    EXPECT_NE(LabelText("Station"), TMainWindow::NoRadioText());
    EXPECT_FALSE(w.isHidden()); // the question's dialog rules gave the window back
}

// A dongle plugged in while no card is open is offered as a radio device
// is: once while it stays, again once pulled out and put back, and taken,
// the receiver opens on it. The dongle the settings name is kept when it is
// there, else the first is taken.
TEST_F(MainWindowTest, ADonglePluggedInLaterIsOfferedAndOpened)
{
    const QByteArray ini = "[Configuration]\nHardware=" + QByteArray::number(ModelToIndex(mSdr)) +
                           "\nPort=1\nShutDown=1\n[SDR]\nSource=rtlsdr:3\n";
    WriteIni(ini.constData());
    hw.SetDonglePlugged(false);
    TMainWindow& w = Started();
    ASSERT_FALSE(w.Card().Active());
    EXPECT_EQ(LabelText("Station"), TMainWindow::NoRadioText());
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled());

    // Another device node asks nothing.
    const std::size_t asked = prompts.calls.size();
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked);

    hw.SetDonglePlugged(true);
    prompts.answers.push_back(false);
    w.DevicesChanged();
    ASSERT_EQ(prompts.calls.size(), asked + 1);
    EXPECT_EQ(prompts.calls.back().Kind, QStringLiteral("AskYesNo"));
    EXPECT_EQ(prompts.calls.back().Icon, tPromptIcon::Question);
    EXPECT_EQ(prompts.calls.back().Title, QStringLiteral("Radio found"));
    EXPECT_EQ(prompts.calls.back().Text,
              QStringLiteral("An RTL-SDR dongle has been plugged in.\nDo you want to listen to it now?"));
    EXPECT_FALSE(w.Card().Active());
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked + 1);

    hw.SetDonglePlugged(false);
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked + 1);
    hw.SetDonglePlugged(true);
    prompts.answers.push_back(true);
    w.DevicesChanged();
    ASSERT_EQ(prompts.calls.size(), asked + 2);
    ASSERT_TRUE(w.Card().Active());
    EXPECT_EQ(w.Card().Model(), mSdr);
    // Only one dongle is there: rtlsdr:3 names none, so the first is taken.
    EXPECT_EQ(w.Settings().Sdr.source, QStringLiteral("rtlsdr:0"));
    EXPECT_TRUE(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled());
    EXPECT_NE(Readout(), QStringLiteral("------"));
    EXPECT_NE(LabelText("Station"), TMainWindow::NoRadioText());
    EXPECT_FALSE(w.isHidden());

    // With the receiver playing, a dongle coming again asks nothing.
    hw.SetDonglePlugged(false);
    w.DevicesChanged();
    hw.SetDonglePlugged(true);
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked + 2);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

// A dongle there from the start is no news: with the radio device gone and
// no card open, nothing is offered until something is plugged in.
TEST_F(MainWindowTest, ADongleThereFromTheStartIsNotOffered)
{
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    hw.Radio().SetPlugged(false);
    TMainWindow& w = Started();
    ASSERT_FALSE(w.Card().Active());
    const std::size_t asked = prompts.calls.size();
    w.DevicesChanged();
    EXPECT_EQ(prompts.calls.size(), asked);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}
