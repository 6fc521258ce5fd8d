// Volume and mute of the main window: a sound-card line followed both ways,
// the card's own volume on a machine without a sound card, the group when
// nothing can be controlled, the mixer window, a new volume line, and a
// serial receiver driven from the window.

#include "Glyphs.h"
#include "MainWindowFixture.h"
#include "MediaPlayerService.h"
#include "ModalHelper.h"
#include "RadioTrackEmulator.h"
#include "TestHardware.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

// The music indicator as the window paints it with the default colours
// (ColorFlag 5, ColorPanel 0).
QImage MusicIndicator(bool on)
{
    const TGlyphs glyphs;
    return RecolourBlack(glyphs.Image(TGlyphs::IndicatorName(QStringLiteral("RADIO"), 5, on)), PaletteColour(0))
        .convertToFormat(QImage::Format_ARGB32);
}

bool Hidden(QWidget* widget) { return widget->isHidden(); }

} // namespace

class MainVolumeTest : public MainWindowTest {
protected:
    QSlider* Volume() const { return Child<QSlider>(QStringLiteral("sVolume")); }
    QImage Indicator() const
    {
        return Child<QLabel>(QStringLiteral("icMusicOnOff"))->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    bool MuteChecked() const
    {
        const QList<QAction*> items = Items("Volume_Mute");
        bool all = items.size() == 2;
        for (QAction* item : items) all = all && item->isChecked();
        return all;
    }
    long Line(int channel = 0) { return hw.SoundCard().Volume(QStringLiteral("Line"), channel); }
};

TEST_F(MainVolumeTest, TheSliderDrivesTheLineInAndOutsideChangesMoveIt)
{
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    QSlider* slider = Volume();
    EXPECT_EQ(slider->maximum(), 256);
    EXPECT_EQ(slider->value(), 128);
    EXPECT_EQ(slider->toolTip(), QStringLiteral("50%"));
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_TRUE(Button("btMixer")->isEnabled());
    EXPECT_TRUE(Hidden(Child<QLabel>(QStringLiteral("VcDisabled"))));
    EXPECT_TRUE(AllEnabled("Volume_Up") && AllEnabled("Volume_Mixer") && AllEnabled("Volume_Mute"));

    // The user moves the slider: the line, 0..65535, gets 255 units a step on both channels.
    slider->setValue(200);
    EXPECT_EQ(Line(0), 51000);
    EXPECT_EQ(Line(1), 51000);
    EXPECT_EQ(slider->toolTip(), QStringLiteral("78%"));
    EXPECT_FALSE(w.Muted());
    EXPECT_EQ(Indicator(), MusicIndicator(true));

    // Another program turns the line down, then switches it off and on.
    hw.SoundCard().SetVolume(QStringLiteral("Line"), 255 * 64, 255 * 60);
    ASSERT_TRUE(QTest::qWaitFor([&] { return slider->value() == 64; }, 2000));
    EXPECT_EQ(w.Card().Volume(), 64);
    EXPECT_EQ(slider->toolTip(), QStringLiteral("25%"));
    hw.SoundCard().SetSwitch(QStringLiteral("Line"), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Muted(); }, 2000));
    EXPECT_EQ(Indicator(), MusicIndicator(false));
    EXPECT_TRUE(MuteChecked());
    hw.SoundCard().SetSwitch(QStringLiteral("Line"), true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.Muted(); }, 2000));
    EXPECT_EQ(Indicator(), MusicIndicator(true));
    EXPECT_FALSE(MuteChecked());

    // Keys and menu items step the line one unit.
    w.KeyPress(QLatin1Char('u'));
    EXPECT_EQ(slider->value(), 65);
    EXPECT_EQ(Line(0), 255 * 65);
    Items("Volume_Down").back()->trigger();
    Items("Volume_Down").front()->trigger();
    EXPECT_EQ(Line(1), 255 * 63);
    // MTE switches the line itself off and on.
    Button("btMute")->click();
    EXPECT_FALSE(hw.SoundCard().SwitchOn(QStringLiteral("Line"), 0));
    EXPECT_TRUE(w.Muted());
    Button("btMute")->click();
    EXPECT_TRUE(hw.SoundCard().SwitchOn(QStringLiteral("Line"), 0));
    EXPECT_FALSE(w.Muted());

    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 0), 63);
}

TEST_F(MainVolumeTest, ResetSilencesTheLineAndMuteBringsTheSoundBack)
{
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    Volume()->setValue(100);
    w.KeyPress(QLatin1Char('0'));
    EXPECT_EQ(Volume()->value(), 0);
    EXPECT_EQ(Volume()->toolTip(), QStringLiteral("0%"));
    // The line is silent too, not just the slider.
    EXPECT_EQ(Line(0), 0);
    EXPECT_EQ(w.Card().Volume(), 0);
    EXPECT_TRUE(w.Muted());
    EXPECT_EQ(Indicator(), MusicIndicator(false));

    // At volume 0, MTE unmutes: the volume before the reset comes back.
    Button("btMute")->click();
    EXPECT_FALSE(w.Silent());
    EXPECT_EQ(Volume()->value(), 100);
    EXPECT_EQ(Line(0), 255 * 100);
    EXPECT_TRUE(hw.SoundCard().SwitchOn(QStringLiteral("Line"), 0));
    EXPECT_EQ(Indicator(), MusicIndicator(true));

    // Turning it up from 0 brings the sound back too.
    w.KeyPress(QLatin1Char('0'));
    w.Volume_Up();
    EXPECT_FALSE(w.Muted());
    EXPECT_EQ(Line(0), 255);
    EXPECT_EQ(Indicator(), MusicIndicator(true));
}

TEST_F(MainVolumeTest, WithoutASoundCardTheCardsOwnVolumeStillWorks)
{
    // The machine as this one is: no sound card, so no mixer at all.
    TTestHardware machine;
    hardware = &machine;
    auto emulator = std::make_unique<TRadioTrackEmulator>(machine.clock, hw.Stations());
    TRadioTrackEmulator* card = emulator.get();
    machine.bus.Insert(0x30C, std::move(emulator));
    WriteConfigured("VolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    EXPECT_FALSE(w.Card().SoundCardPresent());
    EXPECT_FALSE(Button("btMixer")->isEnabled());
    EXPECT_FALSE(Hidden(Button("btMixer")));
    EXPECT_TRUE(NoneEnabled("Volume_Mixer"));
    EXPECT_TRUE(Volume()->isEnabled());
    EXPECT_EQ(Volume()->singleStep(), 16);

    // The slider and the keys set the card's own sixteen levels.
    Volume()->setValue(160);
    EXPECT_EQ(card->Level(), 10);
    w.Volume_Up();
    EXPECT_EQ(card->Level(), 11);
    EXPECT_EQ(Volume()->value(), 176);
    EXPECT_EQ(Volume()->toolTip(), QStringLiteral("69%"));
    // Mute and unmute reach the card.
    w.KeyPress(QLatin1Char('M'));
    EXPECT_TRUE(w.Muted());
    EXPECT_FALSE(card->AudioOn());
    w.KeyPress(QLatin1Char('M'));
    EXPECT_FALSE(w.Muted());
    EXPECT_TRUE(card->AudioOn());
    // "Mixer" has nothing to open: no window comes up (one would be closed
    // here and counted).
    bool opened = false;
    WhenModal([&](QWidget* dialog) {
        opened = true;
        dialog->close();
    });
    w.KeyPress(QLatin1Char('X'));
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(w.DialogOpen());

    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    window.reset(); // before the machine it was given
}

TEST_F(MainVolumeTest, NothingToControlShowsTheNoteInsteadOfTheSlider)
{
    // Every model mutes itself, so the case arises with a card told to leave
    // volume and mute alone on a machine without a sound card.
    TTestHardware machine;
    hardware = &machine;
    WriteConfigured("VolumeLine=0\nShutDown=1\n");
    Started();
    QLabel* note = Child<QLabel>(QStringLiteral("VcDisabled"));
    EXPECT_FALSE(Hidden(note));
    EXPECT_EQ(note->text(), QStringLiteral("Vantoro can't control\nthe sound volume"));
    EXPECT_TRUE(Hidden(Volume()));
    EXPECT_TRUE(Hidden(Button("btMixer")));
    EXPECT_FALSE(Child<QGroupBox>(QStringLiteral("gpVolume"))->isEnabled());
    EXPECT_FALSE(Button("btMute")->isEnabled());
    for (const char* name : {"Volume_Up", "Volume_Down", "Volume_0", "Volume_Mute", "Volume_Mixer"})
        EXPECT_TRUE(NoneEnabled(name)) << name;

    // The same settings with a sound card: the slider is back and the mixer can open.
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    window.reset();
    hardware = &hw;
    Started();
    EXPECT_TRUE(Hidden(Child<QLabel>(QStringLiteral("VcDisabled"))));
    EXPECT_FALSE(Hidden(Volume()));
    EXPECT_TRUE(Button("btMixer")->isEnabled());
    EXPECT_TRUE(Button("btMute")->isEnabled());
}

TEST_F(MainVolumeTest, TheMixerWindowOpensUnderTheDialogRulesAndItsChangesComeBack)
{
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    bool seen = false;
    WhenModal([&](QWidget* dialog) {
        seen = true;
        EXPECT_EQ(dialog->objectName(), QStringLiteral("MixerDialog"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Mixer control"));
        EXPECT_TRUE(w.DialogOpen());
        EXPECT_TRUE(w.Minimized());
        // The radio card's row is the bold one.
        EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("LiLabel"))->font().bold());
        EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("CdLabel"))->font().bold());
        auto* lineIn = dialog->findChild<QSlider*>(QStringLiteral("LiVolume"));
        ASSERT_NE(lineIn, nullptr);
        lineIn->setValue(255 * 32);
        dialog->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    });
    Button("btMixer")->click();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(w.DialogOpen());
    EXPECT_FALSE(w.Minimized());
    EXPECT_EQ(Line(0), 255 * 32);
    // The card's own handle on the sound card hears of the change.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Volume()->value() == 32; }, 2000));
    EXPECT_EQ(w.Card().Volume(), 32);
}

TEST_F(MainVolumeTest, TheMixerWindowsHelpGoesToTheHelpSeam)
{
    WriteConfigured("VolumeLine=2\nShutDown=1\n");
    QStringList topics;
    TMainEnv env;
    env.ProgramDir = dir.path();
    env.Hardware = &hw;
    env.Prompts = &prompts;
    env.Dialogs = &dialogs;
    env.UseTray = false;
    env.Help = [&](const QString& topic) { topics << topic; };
    window = std::make_unique<TMainWindow>(std::move(env));
    ASSERT_TRUE(window->Start());
    WhenModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("btHelp"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    });
    Items("Volume_Mixer").front()->trigger();
    EXPECT_EQ(topics, QStringList{QStringLiteral("Volume_controls")});
}

TEST_F(MainVolumeTest, ANewVolumeLineIsTakenOverAndReadBack)
{
    WriteConfigured("VolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    // The line-in is switched off and at 192 of 256 before it is chosen.
    hw.SoundCard().SetSwitch(QStringLiteral("Line"), false);
    hw.SoundCard().SetVolume(QStringLiteral("Line"), 255 * 192, 255 * 192);
    QCoreApplication::processEvents();

    w.ApplyVolumeLine(vlLineIn);
    EXPECT_EQ(w.Card().VolumeLine(), vlLineIn);
    // Unmuted, and given the volume the card had before.
    EXPECT_TRUE(hw.SoundCard().SwitchOn(QStringLiteral("Line"), 0));
    EXPECT_EQ(Line(0), 255 * 128);
    EXPECT_EQ(Volume()->maximum(), 256);
    EXPECT_EQ(Volume()->singleStep(), 1);
    EXPECT_EQ(Volume()->value(), 128);
    EXPECT_FALSE(w.Muted());
    EXPECT_TRUE(Volume()->isEnabled());

    // Back to the card's own volume: sixteen levels again.
    Volume()->setValue(100);
    w.ApplyVolumeLine(vlNative);
    EXPECT_EQ(w.Card().VolumeLine(), vlNative);
    EXPECT_EQ(Volume()->singleStep(), 16);
    EXPECT_EQ(w.Card().Volume(), 96);
    // The line is left alone from now on.
    hw.SoundCard().SetVolume(QStringLiteral("Line"), 255 * 10, 255 * 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(Volume()->value(), 96);

    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Configuration"), QStringLiteral("VolumeLine"), 0), 1);
}

TEST_F(MainVolumeTest, ASerialReceiverTunesScansAndTakesAMFromTheWindow)
{
    // A Gemtek RadioMan on COM2, which the emulator serves on a pseudo-terminal.
    WriteIni("[Configuration]\nHardware=4\nPort=2\nVolumeLine=1\nShutDown=1\n[Frequency]\nFrequency=M 095.000\n");
    TMainWindow& w = Started();
    TSerialReceiverEmulator* receiver = hw.SerialReceiver(2);
    ASSERT_NE(receiver, nullptr);
    ASSERT_TRUE(w.Card().Active());
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_DOUBLE_EQ(receiver->FrequencyMHz(), 95.0);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Tuned"));

    // A scan from just below a station stops on it.
    w.TuneTo(bFM, false, 88.45);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("?????"));
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_DOUBLE_EQ(receiver->FrequencyMHz(), 88.6);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Tuned"));

    // AM: the 9 kHz raster from 0.531.
    ASSERT_TRUE(Button("btAM")->isEnabled());
    Button("btAM")->click();
    w.TuneTo(bAM, false, 0.600);
    EXPECT_EQ(w.Card().Band(), bAM);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 0.603);
    // The receiver takes the frame in its own time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver->FrequencyMHz() == 0.603; }, 2000));
    EXPECT_EQ(receiver->Band(), bAM);

    // No volume levels, so volume 0 is not silence; mute goes down the line.
    EXPECT_FALSE(w.Muted());
    EXPECT_EQ(Indicator(), MusicIndicator(true));
    EXPECT_FALSE(Volume()->isEnabled());
    EXPECT_EQ(Volume()->toolTip(), QStringLiteral("0%"));
    EXPECT_TRUE(NoneEnabled("Volume_Up"));
    // Only "Up", "Down" and the slider follow the volume levels; "Reset" stays offered.
    EXPECT_TRUE(AllEnabled("Volume_0"));
    ASSERT_TRUE(Button("btMute")->isEnabled());
    Button("btMute")->click();
    EXPECT_TRUE(w.Muted());
    EXPECT_EQ(Indicator(), MusicIndicator(false));
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver->Muted(); }, 2000));
    Button("btMute")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !receiver->Muted(); }, 2000));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainVolumeTest, UpAndDownAreOfferedOnlyWhereTheVolumeCanMove)
{
    for (const char* line : {"VolumeLine=1\n", "VolumeLine=2\n"}) {
        SCOPED_TRACE(line);
        WriteConfigured((QByteArray(line) + "ShutDown=1\n[Audio]\nVolume=128\n").constData());
        TMainWindow& w = Started();
        EXPECT_TRUE(AllEnabled("Volume_Up") && AllEnabled("Volume_Down"));
        Volume()->setValue(Volume()->maximum());
        EXPECT_TRUE(NoneEnabled("Volume_Up"));
        EXPECT_TRUE(AllEnabled("Volume_Down"));
        w.Volume_Down();
        EXPECT_TRUE(AllEnabled("Volume_Up"));
        w.Volume_0();
        EXPECT_TRUE(NoneEnabled("Volume_Down"));
        EXPECT_TRUE(AllEnabled("Volume_Up"));
        ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    }
}

// A first run starts where it can be heard: a radio device at its own volume,
// a card whose volume cannot be read at half the scale.
TEST_F(MainVolumeTest, AFirstRunStartsAudible)
{
    dialogs.setups.push_back(std::pair{mV4L2, 1});
    dialogs.editSetup = [](tSetupValues& values) { values.VolumeLine = vlNative; };
    TMainWindow& device = Started();
    ASSERT_TRUE(device.Card().Active());
    // The emulated device plays at 8 of its 15 levels: 137 of 256, in steps of 16.
    EXPECT_EQ(device.Card().Volume(), 144);
    EXPECT_EQ(Volume()->value(), 144);
    EXPECT_FALSE(device.Silent());
    window.reset();

    QFile::remove(IniPath());
    dialogs.setups.push_back(std::pair{mRadioTrack, 1});
    dialogs.editSetup = [](tSetupValues& values) { values.VolumeLine = vlNative; };
    TMainWindow& track = Started();
    ASSERT_TRUE(track.Card().Active());
    EXPECT_EQ(track.Card().Volume(), 128);
    EXPECT_FALSE(track.Silent());
    EXPECT_EQ(Indicator(), MusicIndicator(true));
    window.reset();

    // A later start keeps the volume the user left, 0 included.
    WriteConfigured("VolumeLine=1\n[Audio]\nVolume=0\n");
    EXPECT_EQ(Started().Card().Volume(), 0);
}

// MTE, the Volume menu's Mute, the tray icon and the media player's status
// tell one state at every step: mute, unmute, volume 0, and back by M.
TEST_F(MainVolumeTest, MteMenuTrayAndPlayerAgree)
{
    withTray = true;
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=96\n");
    TMainWindow& w = Started();
    ASSERT_NE(tray, nullptr);
    TMediaPlayerService player(w.PlayerHost());
    const TGlyphs glyphs;
    const auto trayIcon = [&](bool on) { return glyphs.MuteIcon(on).pixmap(16).toImage(); };
    struct tStep {
        const char* what;
        std::function<void()> act;
        bool silent;
    };
    const std::vector<tStep> steps{
        {"start", [] {}, false},
        {"M mutes", [&] { w.KeyPress(QLatin1Char('m')); }, true},
        {"MTE unmutes", [&] { Button("btMute")->click(); }, false},
        {"volume 0", [&] { w.KeyPress(QLatin1Char('0')); }, true},
        {"M at volume 0 brings the sound back", [&] { w.KeyPress(QLatin1Char('m')); }, false},
        {"slider to 0", [&] { Volume()->setValue(0); }, true},
        {"the player's Play", [&] { player.Play(); }, false},
        {"the player's Pause", [&] { player.Pause(); }, true},
        {"a tray click", [&] { w.TrayIconClick(); }, false},
    };
    for (const tStep& step : steps) {
        step.act();
        SCOPED_TRACE(step.what);
        EXPECT_EQ(w.Silent(), step.silent);
        EXPECT_EQ(Indicator(), MusicIndicator(!step.silent));
        EXPECT_EQ(MuteChecked(), step.silent);
        EXPECT_EQ(tray->icon.pixmap(16).toImage(), trayIcon(!step.silent));
        EXPECT_EQ(player.PlaybackStatus(), step.silent ? QStringLiteral("Paused") : QStringLiteral("Playing"));
    }
    // Back from 0, the volume is the last one heard, on the line as well.
    EXPECT_EQ(w.Card().Volume(), 96);
    EXPECT_EQ(Line(0), 255 * 96);
}
