// Tuning, scanning and the presets bank of the main window on the emulated
// RadioTrack card (FM only, 25 kHz unit) with the built-in stations.

#include "MainWindowFixture.h"

#include "PresetsFile.h"
#include "Helpers.h"

#include <QSlider>
#include <QTimer>
#include <QToolTip>
#include <sys/stat.h>

namespace {

const char* const Configured = "ShutDown=1\n";

} // namespace

TEST_F(MainWindowTest, TuningAtBothBandEdgesByKeyAndButton)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    ASSERT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_FALSE(Button("btTunePrev")->isEnabled());
    EXPECT_FALSE(Button("btScanPrev")->isEnabled());
    EXPECT_TRUE(NoneEnabled("Actions_TunePrev"));
    w.KeyPress(QLatin1Char('-'));
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);

    Button("btTuneNext")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.025);
    EXPECT_TRUE(Button("btTunePrev")->isEnabled());
    EXPECT_EQ(Readout(), QStringLiteral(" 87025"));
    EXPECT_EQ(Child<QSlider>(QStringLiteral("sFrequency"))->value(), 87025);

    w.TuneTo(bFM, false, 107.975);
    Button("btTuneNext")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);
    EXPECT_EQ(Readout(), QStringLiteral("108000"));
    EXPECT_FALSE(Button("btTuneNext")->isEnabled());
    EXPECT_FALSE(Button("btScanNext")->isEnabled());
    EXPECT_TRUE(NoneEnabled("Actions_ScanNext"));
    w.KeyPress(QLatin1Char('+'));
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);
    // Beyond the band the frequency is clamped, never left.
    w.TuneTo(bFM, false, 200);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);
    // A key outside the command string does nothing.
    w.KeyPress(QLatin1Char('@'));
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);
}

TEST_F(MainWindowTest, StepChangesStayWithinOneUnitAndOneMegahertz)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    EXPECT_EQ(LabelText("Step"), QStringLiteral("25"));
    EXPECT_TRUE(NoneEnabled("Actions_StepInc")); // "Step -" at the smallest step
    w.Actions_StepInc();
    EXPECT_NEAR(w.FMTuneStep(), 0.025, 1e-12);

    // "Step +" (and the key ",") make it larger.
    Items("Actions_StepDec").front()->trigger();
    w.KeyPress(QLatin1Char(','));
    EXPECT_NEAR(w.FMTuneStep(), 0.075, 1e-12);
    EXPECT_EQ(LabelText("Step"), QStringLiteral("75"));
    EXPECT_EQ(Child<QSlider>(QStringLiteral("sStep"))->value(), 3);
    EXPECT_TRUE(AllEnabled("Actions_StepInc"));
    Button("btTuneNext")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.075);

    for (int i = 0; i < 50; ++i) w.Actions_StepDec();
    EXPECT_NEAR(w.FMTuneStep(), 1.0, 1e-12);
    EXPECT_EQ(LabelText("Step"), QStringLiteral("1000"));
    EXPECT_TRUE(NoneEnabled("Actions_StepDec"));

    // The slider moved by the user sets the step too.
    Child<QSlider>(QStringLiteral("sStep"))->setValue(2);
    EXPECT_NEAR(w.FMTuneStep(), 0.05, 1e-12);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Frequency"), QStringLiteral("TuneStep"), 0), 2);
}

TEST_F(MainWindowTest, BandButtonsFollowTheCard)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    // The RadioTrack has no AM: its button is off and an AM tuning changes nothing.
    EXPECT_FALSE(Button("btAM")->isEnabled());
    EXPECT_TRUE(Button("btFM")->isChecked());
    EXPECT_EQ(w.TuneTo(bAM, false, 0.999), 0);
    EXPECT_EQ(w.Card().Band(), bFM);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    // "fm" returns to the remembered FM frequency.
    w.TuneTo(bFM, false, 95.0);
    Button("btFM")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 95.0);
    EXPECT_TRUE(Button("btFM")->isChecked());
    EXPECT_FALSE(Button("btAM")->isChecked());
    EXPECT_EQ(w.Card().Band(), bFM);
    // Eight FM scale labels, the rest hidden.
    EXPECT_FALSE(Child<QLabel>(QStringLiteral("Freq08"))->isHidden());
    EXPECT_EQ(LabelText("Freq08"), QStringLiteral("108"));
    EXPECT_TRUE(Child<QLabel>(QStringLiteral("Freq09"))->isHidden());
}

TEST_F(MainWindowTest, StereoSwitchFollowsWhatTheCardCanDo)
{
    // The RadioTrack cannot switch stereo: its items are off and disabled.
    WriteConfigured(Configured);
    Started();
    QAction* stereo = Items("Actions_Stereo").front();
    ASSERT_FALSE(stereo->isChecked());
    stereo->trigger();
    EXPECT_FALSE(stereo->isChecked());
    EXPECT_FALSE(window->Card().Stereo());
    EXPECT_TRUE(NoneEnabled("Actions_Stereo"));
    EXPECT_FALSE(Button("btStr")->isEnabled());

    // The Zoltrix can: the item, the card and the key "Z" go together.
    WriteIni("[Configuration]\nHardware=7\nPort=1\nShutDown=1\n");
    Started();
    stereo = Items("Actions_Stereo").front();
    ASSERT_TRUE(stereo->isChecked());
    stereo->trigger();
    EXPECT_FALSE(stereo->isChecked());
    EXPECT_FALSE(window->Card().Stereo());
    window->KeyPress(QLatin1Char('z'));
    EXPECT_TRUE(stereo->isChecked());
    EXPECT_TRUE(window->Card().Stereo());
    EXPECT_TRUE(AllEnabled("Actions_Stereo"));
    EXPECT_TRUE(Button("btStr")->isEnabled());
}

TEST_F(MainWindowTest, ACommandThatCannotActIsDisabledAndItsKeySaysWhy)
{
    // The RadioMan receives AM and cannot switch stereo; no preset is stored.
    WriteIni("[Configuration]\nHardware=4\nPort=1\nShutDown=1\n");
    TMainWindow& w = Started();
    auto cannot = [&](const char* item, char key, const char* why) {
        EXPECT_TRUE(NoneEnabled(item)) << item;
        const int beeps = prompts.beeps;
        w.KeyPress(QLatin1Char(key));
        EXPECT_EQ(prompts.beeps, beeps + 1) << item;
        EXPECT_TRUE(QToolTip::text().contains(QLatin1String(why)))
            << item << " " << qPrintable(QToolTip::text());
    };
    cannot("Actions_Stereo", 'Z', "stereo");
    cannot("Stations_EditPresets", 'E', "No presets");
    cannot("Stations_Rename", 'K', "nothing to rename");
    w.TuneTo(bAM, false, 0.999);
    cannot("Actions_ScanPrev", '<', "FM only");
    cannot("Actions_ScanNext", '>', "FM only");

    w.TuneTo(bFM, false, 95.0);
    EXPECT_TRUE(AllEnabled("Actions_ScanNext"));
    StoreByMem(1, QStringLiteral("One"));
    EXPECT_TRUE(AllEnabled("Stations_EditPresets"));
    EXPECT_TRUE(AllEnabled("Stations_Rename"));
}

TEST_F(MainWindowTest, ScanStopsAtTheNextStationEitherWay)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    Button("btScanNext")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Stereo"));
    EXPECT_FALSE(w.Busy());
    EXPECT_FALSE(Button("btStopScan")->isVisible() && !Button("btStopScan")->isHidden());
    EXPECT_TRUE(NoneEnabled("Actions_StopScan"));
    EXPECT_TRUE(AllEnabled("Actions_ScanNext"));

    w.TuneTo(bFM, false, 95.0);
    w.KeyPress(QLatin1Char('<'));
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 91.35);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Mono"));

    // A larger step jumps over a station it does not land on.
    w.TuneTo(bFM, false, 88.0);
    for (int i = 0; i < 3; ++i) w.Actions_StepDec(); // 100 kHz
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
}

TEST_F(MainWindowTest, ScanEndsAtTheBandEdgeWithoutAStation)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    w.TuneTo(bFM, false, 107.95);
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("?????"));
    EXPECT_FALSE(Button("btScanNext")->isEnabled());
    EXPECT_TRUE(NoneEnabled("Actions_ScanNext"));
    EXPECT_TRUE(Button("btScanPrev")->isEnabled());
    // At the edge a scan does not even start.
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 108.0);

    w.TuneTo(bFM, false, 87.1);
    w.Actions_ScanPrev();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_FALSE(Button("btScanPrev")->isEnabled());
    EXPECT_TRUE(Button("btScanNext")->isEnabled());
}

TEST_F(MainWindowTest, HaltBetweenStepsKeepsTheFrequency)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    w.TuneTo(bFM, false, 96.0);
    ASSERT_EQ(LabelText("Tuned"), QStringLiteral("?????"));
    bool stopShown = false, scanPicture = false, busy = false, secondScanIgnored = false;
    QTimer::singleShot(0, &w, [&] {
        QToolButton* stop = Button("btStopScan");
        stopShown = !stop->isHidden();
        scanPicture = !Child<QLabel>(QStringLiteral("icScan"))->isHidden();
        busy = w.Busy();
        // A second scan and fine tuning are ignored while busy.
        const double f = w.Card().Frequency();
        w.Actions_ScanPrev();
        w.Actions_TuneNext();
        secondScanIgnored = w.Card().Frequency() == f;
        stop->click();
    });
    w.Actions_ScanNext();
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(scanPicture);
    EXPECT_TRUE(busy);
    EXPECT_TRUE(secondScanIgnored);
    EXPECT_TRUE(w.StopRequest());
    EXPECT_FALSE(w.Busy());
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 96.0);
    EXPECT_TRUE(Button("btStopScan")->isHidden());
    EXPECT_TRUE(Child<QLabel>(QStringLiteral("icScan"))->isHidden());
    EXPECT_FALSE(Child<QLabel>(QStringLiteral("Tuned"))->isHidden());
    // Halted before its first step, the scan read no signal to show.
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("?????"));
    // The next scan clears the stop request and runs.
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 98.125);
}

TEST_F(MainWindowTest, AScanStepOnAPresetShowsItWhileTheScanGoesOn)
{
    WriteConfigured("ShutDown=1\n[Presets]\nList=5,\nStation05=M 087.500 Quiet spot\n");
    TMainWindow& w = Started();
    QString shownAt875;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &w, [&] {
        if (SameFrequency(w.Card().Frequency(), 87.5)) shownAt875 = LabelText("StationNum") + LabelText("Station");
    });
    watcher.start(0);
    w.Actions_ScanNext();
    watcher.stop();
    EXPECT_EQ(shownAt875, QStringLiteral("5Quiet spot"));
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_EQ(w.CurrentPreset(), 0);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("??"));
}

TEST_F(MainWindowTest, StoringAppendsOrRebuildsTheSubmenusInOrder)
{
    WriteConfigured(Configured);
    TMainWindow& w = Started();
    w.TuneTo(bFM, false, 88.6);
    StoreByMem(3, QStringLiteral("  Harbour FM  "));
    EXPECT_FALSE(w.StorePending());
    EXPECT_EQ(w.Presets()[3].Name, QStringLiteral("Harbour FM"));
    EXPECT_EQ(w.CurrentPreset(), 3);
    EXPECT_EQ(MenuNames("RadioPresets"), QStringList{QStringLiteral("m03")});
    // Stored already: MEM does nothing and "Memory" is off.
    w.Stations_Memory();
    EXPECT_FALSE(w.StorePending());
    EXPECT_TRUE(NoneEnabled("Stations_Memory"));

    w.TuneTo(bFM, false, 95.0);
    EXPECT_TRUE(AllEnabled("Stations_Memory"));
    StoreByMem(5, QStringLiteral("Classic"));
    w.TuneTo(bFM, false, 101.7);
    StoreByMem(1, QStringLiteral("City Talk"));
    w.TuneTo(bFM, false, 104.25);
    StoreByMem(25, QString());
    const QStringList main{QStringLiteral("m01"), QStringLiteral("m03"), QStringLiteral("m05"), QStringLiteral("m25")};
    EXPECT_EQ(MenuNames("RadioPresets"), main);
    EXPECT_EQ(MenuNames("TrayPresets"),
              (QStringList{QStringLiteral("f01"), QStringLiteral("f03"), QStringLiteral("f05"), QStringLiteral("f25")}));
    EXPECT_EQ(Items("m01").front()->text(), QStringLiteral("City Talk"));
    EXPECT_EQ(Items("f25").front()->text(),
              QStringLiteral("25  104.25 MHz")); // no name: number and frequency
    EXPECT_EQ(w.PresetRow(), 3);
    EXPECT_EQ(Button("btRadio05")->text(), QStringLiteral("25"));

    // MEM armed, then tuned to a stored frequency: storing is refused.
    w.TuneTo(bFM, false, 99.0);
    w.Stations_Memory();
    w.TuneTo(bFM, false, 95.0);
    w.btRadioClick(9);
    EXPECT_FALSE(w.Presets()[29].Used);
    EXPECT_FALSE(w.StorePending());
    EXPECT_EQ(prompts.MessageTexts(), QStringList{QStringLiteral("Duplicated frequency")});

    // Cancel in the name prompt stores nothing.
    w.TuneTo(bFM, false, 107.9);
    dialogs.names.push_back(std::nullopt);
    w.Stations_Memory();
    w.btRadioClick(9);
    EXPECT_FALSE(w.Presets()[29].Used);
    EXPECT_FALSE(w.StorePending());

    // Recall from the submenu moves the row and tunes.
    Items("m03").front()->trigger();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_EQ(w.PresetRow(), 1);
    EXPECT_TRUE(Items("f03").front()->isChecked());
    EXPECT_FALSE(Items("f05").front()->isChecked());
}

TEST_F(MainWindowTest, MemoryMatchesAPresetReadFromTextByItsPrintedFrequency)
{
    // Read back from text, the stored value is not exactly the tuned one.
    WriteConfigured("ShutDown=1\n[Presets]\nList=2,\nStation02=M 88.6000001 Harbour FM\n");
    TMainWindow& w = Started();
    w.TuneTo(bFM, false, 88.6);
    EXPECT_EQ(w.CurrentPreset(), 2);
    EXPECT_TRUE(NoneEnabled("Stations_Memory"));
    w.Stations_Memory();
    EXPECT_FALSE(w.StorePending());
}

TEST_F(MainWindowTest, ClearingTheCurrentPresetRetunesAndShowsNoPreset)
{
    WriteConfigured("ShutDown=1\n[Presets]\nCurrent=25\nList=7,25,\nStation07=M 095.000 Classic\n"
                    "Station25=M 101.700 City Talk\n");
    TMainWindow& w = Started();
    ASSERT_EQ(w.CurrentPreset(), 25);
    ASSERT_EQ(w.PresetRow(), 3);
    EXPECT_TRUE(AllEnabled("Stations_Clear"));
    // CLR then button "05" of row 3 clears preset 25.
    Button("btClr")->click();
    EXPECT_TRUE(w.ClearPending());
    w.Stations_Memory(); // MEM is refused while CLR is armed
    EXPECT_FALSE(w.StorePending());
    Button("btRadio05")->click();
    EXPECT_FALSE(w.ClearPending());
    EXPECT_FALSE(w.Presets()[25].Used);
    EXPECT_EQ(w.CurrentPreset(), 0);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 101.7);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("??"));
    EXPECT_TRUE(Button("btRadio05")->toolTip().isEmpty());
    EXPECT_EQ(MenuNames("RadioPresets"), QStringList{QStringLiteral("m07")});
    EXPECT_TRUE(NoneEnabled("Stations_Clear"));

    // "Clear" from the menu clears the current preset.
    Items("m07").front()->trigger();
    w.KeyPress(QLatin1Char('r'));
    EXPECT_FALSE(w.Presets()[7].Used);
    EXPECT_TRUE(MenuNames("TrayPresets").isEmpty());
}

TEST_F(MainWindowTest, RenameChangesLabelHintMenusCaptionAndTrayTip)
{
    WriteConfigured("ShutDown=1\n[Presets]\nCurrent=4\nList=4,\nStation04=M 095.000 Classic\n");
    withTray = true;
    TMainWindow& w = Started();
    ASSERT_NE(tray, nullptr);
    dialogs.names.push_back(QStringLiteral(" Vantoro Classic "));
    w.Stations_Rename();
    EXPECT_EQ(dialogs.offeredNames, QStringList{QStringLiteral("Classic")});
    EXPECT_EQ(w.Presets()[4].Name, QStringLiteral("Vantoro Classic"));
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Vantoro Classic"));
    EXPECT_EQ(Button("btRadio04")->toolTip(), QStringLiteral("95 MHz (Vantoro Classic)"));
    EXPECT_EQ(Items("m04").front()->text(), QStringLiteral("Vantoro Classic"));
    EXPECT_EQ(Items("f04").front()->text(), QStringLiteral("Vantoro Classic"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro - 95 MHz (Vantoro Classic)"));
    EXPECT_EQ(tray->tip, QStringLiteral("95 MHz (Vantoro Classic)"));
    // With no current preset, rename does nothing.
    w.TuneTo(bFM, false, 99.0);
    w.Stations_Rename();
    EXPECT_EQ(dialogs.offeredNames.size(), 1);
}

TEST_F(MainWindowTest, ClearAllAsksFirst)
{
    WriteConfigured("ShutDown=1\n[Presets]\nCurrent=1\nList=1,2,\nStation01=M 088.600 A\nStation02=M 095.000 B\n");
    TMainWindow& w = Started();
    prompts.answers.push_back(false);
    w.Stations_ClearAll();
    ASSERT_EQ(prompts.calls.size(), 2u);
    EXPECT_EQ(prompts.calls[0].Kind, QStringLiteral("Beep"));
    EXPECT_EQ(prompts.calls[1].Title, QStringLiteral("Clear all favorites"));
    EXPECT_EQ(prompts.calls[1].Text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(prompts.calls[1].Icon, tPromptIcon::Question);
    EXPECT_EQ(w.Presets().UsedCount(), 2);

    prompts.answers.push_back(true);
    Items("Popup_ClearAll").front()->trigger();
    EXPECT_EQ(w.Presets().UsedCount(), 0);
    EXPECT_EQ(w.CurrentPreset(), 0);
    EXPECT_TRUE(MenuNames("RadioPresets").isEmpty());
    EXPECT_TRUE(MenuNames("TrayPresets").isEmpty());
    EXPECT_TRUE(Button("btRadio01")->toolTip().isEmpty());
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("??"));
}

TEST_F(MainWindowTest, LoadPresets)
{
    WriteConfigured("ShutDown=1\n[Presets]\nCurrent=1\nList=1,\nStation01=M 095.000 Old\n");
    TMainWindow& w = Started();
    tPresets table;
    table[2].Name = QStringLiteral("Jazz");
    table[2].Frequency = 107.9;
    table[2].Used = 1;
    table[12].Name = QStringLiteral("Talk");
    table[12].Frequency = 101.7;
    table[12].Used = 1;
    const QString good = dir.filePath(QStringLiteral("good.vxp"));
    ASSERT_TRUE(SavePresetsFile(good, table));
    const QString bad = dir.filePath(QStringLiteral("bad.vxp"));
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is no presets file\r\n");
    }

    // Answered No: nothing asked further.
    prompts.answers.push_back(false);
    w.File_LoadPresets();
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].Title, QStringLiteral("Warning"));
    EXPECT_EQ(prompts.calls[0].Text,
              QStringLiteral("If you load a new set of presets, the\ncurrent presets will be "
                             "erased.\nAre you sure?"));

    // Corrupt and unreadable files, and a FIFO that nothing writes to: a
    // message each at once, the bank as it was.
    const QString missing = dir.filePath(QStringLiteral("missing.vxp"));
    const QString fifo = dir.filePath(QStringLiteral("fifo.vxp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& file : {bad, missing, fifo}) {
        prompts.answers.push_back(true);
        prompts.fileNames.push_back(file);
        w.File_LoadPresets();
    }
    EXPECT_EQ(prompts.MessageTexts(),
              (QStringList{QStringLiteral("The presets file is corrupt\n") + bad +
                               QStringLiteral(", line 1: the line must begin with a preset number from 001 to 100 "
                                              "and \".\""),
                           QStringLiteral("Read error or disk not ready\n") + missing +
                               QStringLiteral(": No such file or directory"),
                           QStringLiteral("Read error or disk not ready\n") + fifo +
                               QStringLiteral(": not a regular file but a named pipe (FIFO)")}));
    EXPECT_TRUE(w.Presets()[1].Used);
    EXPECT_EQ(w.CurrentPreset(), 1);

    prompts.answers.push_back(true);
    prompts.fileNames.push_back(good);
    w.File_LoadPresets();
    EXPECT_EQ(prompts.calls.back().Request.DefaultSuffix, QStringLiteral("vxp"));
    EXPECT_FALSE(w.Presets()[1].Used);
    EXPECT_EQ(w.Presets()[12].Name, QStringLiteral("Talk"));
    EXPECT_EQ(w.CurrentPreset(), 0);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_EQ(MenuNames("RadioPresets"), (QStringList{QStringLiteral("m02"), QStringLiteral("m12")}));
    EXPECT_EQ(Child<QWidget>(QStringLiteral("gpPresets"))->toolTip(), QStringLiteral("Presets loaded from ") + good);
}

TEST_F(MainWindowTest, RowSwitchingAndRecallAcrossRows)
{
    WriteConfigured("ShutDown=1\n[Presets]\nList=1,100,\nStation01=M 088.600 First\nStation00=M 107.900 Last\n");
    TMainWindow& w = Started();
    EXPECT_EQ(w.PresetRow(), 1);
    w.btNextPrevTopClick();
    EXPECT_EQ(w.PresetRow(), 1);
    for (int i = 0; i < 12; ++i) w.btNextPrevBottomClick();
    EXPECT_EQ(w.PresetRow(), 10);
    EXPECT_EQ(Button("btRadio01")->text(), QStringLiteral("91"));
    EXPECT_EQ(Button("btRadio10")->text(), QStringLiteral("00"));
    EXPECT_EQ(Button("btRadio10")->toolTip(), QStringLiteral("107.9 MHz (Last)"));
    Button("btRadio10")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 107.9);
    EXPECT_EQ(w.CurrentPreset(), 100);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("100"));
    // An empty slot's button recalls nothing.
    Button("btRadio05")->click();
    EXPECT_EQ(w.CurrentPreset(), 100);
    // Recalling preset 1 from the menu brings row 1 back.
    Items("f01").front()->trigger();
    EXPECT_EQ(w.PresetRow(), 1);
    EXPECT_EQ(Button("btRadio01")->text(), QStringLiteral("01"));
    EXPECT_FALSE(w.Presets()[100].Current);
    EXPECT_TRUE(w.Presets()[1].Current);
}

TEST_F(MainWindowTest, PresetsOutsideTheFMBandInUse)
{
    // 80.0 MHz lies in the Japanese band only: its items are disabled and
    // its button tunes the FM lower limit instead.
    WriteConfigured("ShutDown=1\n[Presets]\nList=2,\nStation02=M 080.000 Tokai\n");
    TMainWindow& w = Started();
    EXPECT_TRUE(NoneEnabled("m02"));
    w.TuneTo(bFM, false, 95.0);
    Button("btRadio02")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_EQ(w.CurrentPreset(), 0);
}

// Nothing on AM is stereo: the Stereo items go dark there (STR takes the same
// state), and the wish comes back with FM.
TEST_F(MainWindowTest, StereoIsShownOnFMOnly)
{
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    TMainWindow& w = Started();
    ASSERT_TRUE(w.Card().Caps().CanSetStereo && w.Card().Caps().HasAM);
    const auto checked = [&] {
        bool all = true;
        for (QAction* item : Items("Actions_Stereo")) all = all && item->isChecked();
        return all;
    };
    const auto unchecked = [&] {
        for (QAction* item : Items("Actions_Stereo"))
            if (item->isChecked()) return false;
        return true;
    };
    ASSERT_TRUE(checked());
    w.btAMClick();
    ASSERT_EQ(w.Card().Band(), bAM);
    EXPECT_TRUE(unchecked());
    w.btFMClick();
    EXPECT_TRUE(checked());
    // Mono chosen on FM stays mono after a visit to AM.
    w.Actions_Stereo();
    w.btAMClick();
    w.btFMClick();
    EXPECT_TRUE(unchecked());
}
