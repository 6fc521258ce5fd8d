// The settings dialog from the main window: what it is offered, and OK
// taking its result over on the running card; Cancel changing nothing.

#include "GradientBar.h"
#include "MainWindowFixture.h"
#include "RadioTrackEmulator.h"
#include "TestHardware.h"

#include <QTest>
#include <QTimer>
#include <sys/stat.h>

namespace {

void OpenSettings(TMainWindow& w)
{
    const QList<QAction*> items = w.findChildren<QAction*>(QStringLiteral("Options_Settings"));
    ASSERT_EQ(items.size(), 2); // main menu and tray menu
    items.front()->trigger();
}

double RadioTrackAt(TSimulatedHardware& hw, std::uint16_t base)
{
    auto* card = dynamic_cast<TRadioTrackEmulator*>(hw.Bus().At(base));
    return card ? card->FrequencyMHz() : -1;
}

} // namespace

TEST_F(MainWindowTest, FirstRunOnASerialReceiverKeepsTheChosenComPort)
{
    dialogs.setups.push_back(std::pair{mRadioMan, 1});
    TMainWindow& w = Started();
    EXPECT_EQ(dialogs.setupFacts.InstalledModel, -1); // nothing installed yet
    EXPECT_EQ(dialogs.setupFacts.SerialPorts.size(), 8u);
    EXPECT_EQ(dialogs.setupFacts.SerialPorts[0].Device, hw.ComDevice(1));
    EXPECT_TRUE(w.Card().Active());
    EXPECT_EQ(w.Card().Model(), mRadioMan);
    EXPECT_EQ(w.Card().Port(), 1);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    const TProfile saved = SavedProfile();
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Hardware"), 0), 4);
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Port"), 0), 1);
}

TEST_F(MainWindowTest, OkMovesTheRunningCardToAnotherModelAndPortAndRetunes)
{
    WriteConfigured("ShutDown=1\n[Frequency]\nFrequency=M 095.000\nTuneStep=4\n");
    TMainWindow& w = Started();
    EXPECT_DOUBLE_EQ(w.FMTuneStep(), 0.1);
    dialogs.setups.push_back(std::pair{mRadioMan, 1});
    OpenSettings(w);
    EXPECT_EQ(dialogs.setupFacts.InstalledModel, int(mRadioTrack));
    EXPECT_EQ(w.Card().Model(), mRadioMan);
    EXPECT_EQ(w.Card().Port(), 1);
    ASSERT_TRUE(w.Card().Active());
    TSerialReceiverEmulator* receiver = hw.SerialReceiver(1);
    ASSERT_NE(receiver, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiver->FrequencyMHz() == 95.0; }, 2000));
    EXPECT_DOUBLE_EQ(w.FMTuneStep(), 0.05); // one unit of the new card
    EXPECT_FALSE(w.DialogOpen());
    EXPECT_FALSE(w.Minimized());
    EXPECT_TRUE(prompts.calls.empty());
    // The card in use holds COM1 now, yet it is still offered.
    dialogs.setups.push_back(std::nullopt);
    OpenSettings(w);
    ASSERT_FALSE(dialogs.setupFacts.SerialPorts.empty());
    EXPECT_EQ(dialogs.setupFacts.SerialPorts[0].Number, 1);

    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    const TProfile saved = SavedProfile();
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Hardware"), 0), 4);
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Port"), 0), 1);
}

TEST_F(MainWindowTest, APortChangedAloneIsKept)
{
    WriteConfigured("ShutDown=1\n[Frequency]\nFrequency=M 095.000\n");
    TMainWindow& w = Started();
    ASSERT_DOUBLE_EQ(RadioTrackAt(hw, 0x30C), 95.0);
    dialogs.setups.push_back(std::pair{mRadioTrack, 2});
    OpenSettings(w);
    EXPECT_EQ(w.Card().Port(), 2);
    EXPECT_TRUE(w.Card().Active());
    EXPECT_DOUBLE_EQ(RadioTrackAt(hw, 0x20C), 95.0);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Port"), 0), 2);
}

TEST_F(MainWindowTest, OkTakesKeysColoursAndJapaneseFM)
{
    WriteIni("[Configuration]\nHardware=4\nPort=2\nShutDown=1\n[Frequency]\nFrequency=M 095.000\n");
    TMainWindow& w = Started();
    dialogs.setups.push_back(std::pair{mRadioMan, 2});
    dialogs.editSetup = [](tSetupValues& v) {
        v.KeyboardCommands[4] = QLatin1Char('W'); // "Mute on/off"
        v.Style = 3;
        v.ColorText = 3;
        v.JapaneseFM = true;
    };
    w.KeyPress(QLatin1Char('i')); // the "Settings" key
    ASSERT_EQ(dialogs.setupCalls, 1);
    // Japanese FM: the card starts again at the new lower limit.
    EXPECT_TRUE(w.Card().JapaneseFM());
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 76.0);
    EXPECT_EQ(Child<TDisplay>(QStringLiteral("Dig1"))->DigitStyle(), ds7Seg);
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Station"))->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(Child<TGradientBar>(QStringLiteral("Sep"))->LeftColour(), QColor(255, 255, 0));
    w.KeyPress(QLatin1Char('w'));
    EXPECT_TRUE(w.Muted());
    w.KeyPress(QLatin1Char('m')); // no longer a key
    EXPECT_TRUE(w.Muted());
}

TEST_F(MainWindowTest, CancelInTheSettingsChangesNothing)
{
    WriteConfigured("ShutDown=1\n[Frequency]\nFrequency=M 095.000\nTuneStep=4\n");
    TMainWindow& w = Started();
    const auto before = SettingsSections(w.Settings());
    dialogs.setups.push_back(std::nullopt);
    dialogs.editSetup = [](tSetupValues& v) { v.Style = 3; };
    OpenSettings(w);
    EXPECT_EQ(dialogs.setupCalls, 1);
    const auto after = SettingsSections(w.Settings());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].Keys, before[i].Keys) << qPrintable(before[i].Name);
    EXPECT_DOUBLE_EQ(w.FMTuneStep(), 0.1);
    EXPECT_TRUE(w.Card().Active());
    EXPECT_FALSE(w.DialogOpen());
}

TEST_F(MainWindowTest, OkLeavesAMutedRadioMuted)
{
    WriteConfigured("ShutDown=1\nVolumeLine=1\n[Audio]\nVolume=128\n[Frequency]\nFrequency=M 095.000\n");
    TMainWindow& w = Started();
    ASSERT_FALSE(w.Muted());
    w.Volume_Mute();
    ASSERT_TRUE(w.Muted());
    for (int port : {1, 2}) { // the same card, then the card moved
        dialogs.setups.push_back(std::pair{mRadioTrack, port});
        OpenSettings(w);
        EXPECT_TRUE(w.Muted()) << port;
        auto* card = dynamic_cast<TRadioTrackEmulator*>(hw.Bus().At(port == 1 ? 0x30C : 0x20C));
        ASSERT_NE(card, nullptr);
        EXPECT_FALSE(card->AudioOn()) << port;
    }
    w.Volume_Mute();
    EXPECT_FALSE(w.Muted());
    EXPECT_TRUE(dynamic_cast<TRadioTrackEmulator*>(hw.Bus().At(0x20C))->AudioOn());
}

TEST_F(MainWindowTest, AUsbAdapterChosenInTheSettingsIsUsedAndKept)
{
    // No serial port of the machine can be opened; a receiver hangs on an adapter.
    TTestHardware machine;
    for (int n = 1; n <= 8; ++n)
        machine.MapComDevice(n, QStringLiteral("/nonexistent/ttyS%1").arg(n - 1));
    const TStationList stations = TStationList::BuiltIn();
    TSerialReceiverEmulator receiver(stations);
    ASSERT_TRUE(receiver.IsValid());
    machine.adapters = {receiver.SlavePath()};
    hardware = &machine;
    dialogs.setups.push_back(std::pair{mRadioMan, 1});
    TMainWindow& w = Started();
    ASSERT_EQ(dialogs.setupFacts.SerialPorts.size(), 1u);
    EXPECT_EQ(dialogs.setupFacts.SerialPorts[0].Number, 1);
    EXPECT_EQ(dialogs.setupFacts.SerialPorts[0].Device, receiver.SlavePath());
    EXPECT_EQ(machine.ComDevice(1), receiver.SlavePath());
    EXPECT_TRUE(w.Card().Active());
    EXPECT_TRUE(prompts.calls.empty());
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(
        SavedProfile().ReadString(QStringLiteral("Serial"), QStringLiteral("Com1"), QString()),
        receiver.SlavePath());
}

namespace {

// The settings file's identity: every safe save makes a new file.
ino_t FileId(const QString& path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

// A deliberate change reaches the file within a second, without a close: a
// crash then loses nothing. A burst is one write; nothing changed, none.
TEST_F(MainWindowTest, DeliberateChangesAreWrittenSoonOnceABurstAndNeverForNothing)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    auto* save = Child<QTimer>(QStringLiteral("SettingsSave"));
    ASSERT_NE(save, nullptr);
    const auto runSave = [save] {
        ASSERT_TRUE(save->isActive());
        EXPECT_LE(save->interval(), 1000);
        save->start(0);
        EXPECT_TRUE(QTest::qWaitFor([save] { return !save->isActive(); }, 5000));
    };
    // Tuning alone waits for the close.
    EXPECT_FALSE(save->isActive());
    w.TuneTo(bFM, false, 88.6);
    EXPECT_FALSE(save->isActive());

    const ino_t first = FileId(IniPath());
    StoreByMem(1, QStringLiteral("Harbour"));
    runSave();
    const ino_t stored = FileId(IniPath());
    EXPECT_NE(stored, first);
    const auto saved = [this] { return TSettingsFile(dir.path()).Read(); };
    EXPECT_EQ(saved().Presets[1].Name, QStringLiteral("Harbour"));
    EXPECT_DOUBLE_EQ(saved().Presets[1].Frequency, 88.6);

    // A rename and a layout in one burst: one write with both.
    dialogs.names.push_back(QStringLiteral("Port"));
    w.RenamePreset(1);
    w.Display_MinPresets();
    runSave();
    const ino_t burst = FileId(IniPath());
    EXPECT_NE(burst, stored);
    EXPECT_EQ(saved().Presets[1].Name, QStringLiteral("Port"));
    EXPECT_EQ(saved().DisplayType, 3);
    EXPECT_FALSE(save->isActive());

    // The same name again changes nothing: no write.
    dialogs.names.push_back(QStringLiteral("Port"));
    w.RenamePreset(1);
    runSave();
    EXPECT_EQ(FileId(IniPath()), burst);

    // A cleared preset.
    w.ClearPreset(1);
    runSave();
    EXPECT_FALSE(saved().Presets[1].Used);
}

// The first-run dialog's answer is kept at once: a crash right after it
// does not bring the dialog back at the next start.
TEST_F(MainWindowTest, TheFirstRunAnswerIsWrittenWithoutAClose)
{
    dialogs.setups.push_back(std::pair{mRadioTrack, 2});
    Started();
    auto* save = Child<QTimer>(QStringLiteral("SettingsSave"));
    ASSERT_TRUE(save && save->isActive());
    save->start(0);
    ASSERT_TRUE(QTest::qWaitFor([save] { return !save->isActive(); }, 5000));
    TSettingsFile file(dir.path());
    EXPECT_TRUE(file.Read().Configured());
    EXPECT_EQ(file.Read().Port, 2);
}
