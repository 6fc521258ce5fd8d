// Start-up from no settings and from a full file, the first tuning cases,
// and the close with its three shutdown choices.

#include "MainWindowFixture.h"
#include "TestHardware.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

TEST_F(MainWindowTest, FirstRunAsksForTheCardAndStartsOnTheFMLowerLimit)
{
    dialogs.setups.push_back(std::pair{mRadioTrack, 2});
    TMainWindow& w = Started();
    EXPECT_EQ(dialogs.setupCalls, 1);
    // Nothing configured: the radio device the emulated machine has is offered.
    EXPECT_EQ(dialogs.setupOffered, (std::pair{mV4L2, 1}));
    EXPECT_TRUE(w.Card().Active());
    EXPECT_EQ(w.Card().Port(), 2);
    EXPECT_EQ(w.Card().Band(), bFM);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_EQ(Readout(), QStringLiteral(" 87000"));
    EXPECT_EQ(LabelText("AM_FM"), QStringLiteral("FM"));
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("??"));
    EXPECT_EQ(LabelText("HHMMSS"), QStringLiteral("07:05:09"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro - 87 MHz"));
    EXPECT_TRUE(prompts.calls.empty());

    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    const TProfile saved = SavedProfile();
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Hardware"), 0), 1);
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Port"), 0), 2);
    // The RadioTrack sets its own volume, so its volume line is the card's.
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("VolumeLine"), 0), 1);
    EXPECT_EQ(saved.ReadString(QStringLiteral("Frequency"), QStringLiteral("Frequency"), QString()),
              QStringLiteral("M 087.000"));
}

TEST_F(MainWindowTest, AnUnreadableSettingsFileIsSaidBeforeTheFirstRunDialog)
{
    WriteIni(("[Configuration]\nHardware=1\nNote=" + std::string(70 * 1024, 'x') + "\n").c_str());
    std::size_t messagesBeforeSetup = 0;
    dialogs.editSetup = [&](tSetupValues&) { messagesBeforeSetup = prompts.MessageTexts().size(); };
    dialogs.setups.push_back(std::pair{mRadioTrack, 1});
    Started();
    ASSERT_EQ(messagesBeforeSetup, 1u);
    const QString said = prompts.MessageTexts().front();
    EXPECT_TRUE(
        said.startsWith(QDir::toNativeSeparators(IniPath()) + QStringLiteral(" could not be read")))
        << qPrintable(said);
    EXPECT_TRUE(said.contains(QStringLiteral("leaves the file as it is"))) << qPrintable(said);
}

TEST_F(MainWindowTest, ClockShowsTheTimeInTheUsersLongFormat)
{
    // 07:05:09 as the user writes the time, without the time zone.
    WriteConfigured("ShutDown=1\n");
    const TScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    Started();
    EXPECT_EQ(LabelText("HHMMSS"), QStringLiteral("7:05:09 AM"));
}

TEST_F(MainWindowTest, CancelInTheFirstRunDialogEndsWithoutWriting)
{
    dialogs.setups.push_back(std::nullopt);
    TMainWindow& w = Make();
    EXPECT_FALSE(w.Start());
    EXPECT_FALSE(QFileInfo::exists(IniPath()));
    EXPECT_FALSE(w.Card().Active());
    w.close();
    EXPECT_FALSE(QFileInfo::exists(IniPath()));
    EXPECT_TRUE(dialogs.exitYesEnabled.empty());
}

TEST_F(MainWindowTest, ConfigureArgumentAsksEvenWhenConfiguredAndCancelLeavesTheFile)
{
    WriteConfigured("ShutDown=1\n");
    QFile before(IniPath());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    before.close();

    dialogs.setups.push_back(std::nullopt);
    EXPECT_FALSE(Make(true).Start());
    EXPECT_EQ(dialogs.setupCalls, 1);
    QFile after(IniPath());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
}

TEST_F(MainWindowTest, FullSettingsBringBackTheCurrentPresetAndTheStep)
{
    WriteConfigured("ShutDown=1\n[Frequency]\nFrequency=M 101.700\nTuneStep=4\n"
                    "[Presets]\nCurrent=13\nList=3,13,\nStation03=M 088.600 Harbour FM\n"
                    "Station13=M 095.000 Vantoro Classic\n");
    TMainWindow& w = Started();
    EXPECT_EQ(dialogs.setupCalls, 0);
    // The preset wins over the last frequency.
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 95.0);
    EXPECT_EQ(w.CurrentPreset(), 13);
    EXPECT_EQ(w.PresetRow(), 2);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("13"));
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Vantoro Classic"));
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Stereo"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro - 95 MHz (Vantoro Classic)"));
    EXPECT_EQ(Button("btRadio03")->text(), QStringLiteral("13"));
    EXPECT_EQ(Button("btRadio03")->toolTip(), QStringLiteral("95 MHz (Vantoro Classic)"));
    EXPECT_NEAR(w.FMTuneStep(), 0.1, 1e-12);
    EXPECT_EQ(LabelText("Step"), QStringLiteral("100"));
    EXPECT_EQ(MenuNames("RadioPresets"), (QStringList{QStringLiteral("m03"), QStringLiteral("m13")}));
    EXPECT_EQ(MenuNames("TrayPresets"), (QStringList{QStringLiteral("f03"), QStringLiteral("f13")}));
    EXPECT_TRUE(Items("m13").front()->isChecked());
    EXPECT_FALSE(Items("m03").front()->isChecked());
}

TEST_F(MainWindowTest, FirstTuningCases)
{
    // No current preset: the last frequency, snapped to the card's step.
    WriteConfigured("[Frequency]\nFrequency=M 101.71\n");
    EXPECT_DOUBLE_EQ(Started().Card().Frequency(), 101.7);

    // A current preset on a band the card lacks: the FM lower limit.
    WriteConfigured("[Presets]\nCurrent=2\nList=2,\nStation02=K 000.999 Coastal News\n");
    TMainWindow& w = Started();
    EXPECT_EQ(w.Card().Band(), bFM);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_EQ(w.CurrentPreset(), 0);

    // LastStation off: the FM lower limit, whatever was tuned last.
    WriteConfigured("LastStation=0\n[Frequency]\nFrequency=M 101.700\n");
    EXPECT_DOUBLE_EQ(Started().Card().Frequency(), 87.0);
}

TEST_F(MainWindowTest, AlarmAtStartNeedsAPresetWithinTheFMBand)
{
    WriteConfigured("LaunchAlarm=1\n[Alarm]\nStation=1\n[Presets]\nList=1,2,\n"
                    "Station01=M 080.000 Tokai\nStation02=M 095.000 Classic\n");
    EXPECT_FALSE(Started().AlarmOn());
    WriteConfigured("LaunchAlarm=1\n[Alarm]\nStation=2\n[Presets]\nList=1,2,\n"
                    "Station01=M 080.000 Tokai\nStation02=M 095.000 Classic\n");
    EXPECT_TRUE(Started().AlarmOn());
}

TEST_F(MainWindowTest, TipOfTheDayAnswerIsKept)
{
    WriteConfigured("TipOfTheDay=1\nShutDown=1\n");
    dialogs.tipAnswer = false;
    Started();
    EXPECT_TRUE(dialogs.tipsFile.endsWith(QStringLiteral("Vantoro.txt")));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_FALSE(SavedProfile().ReadBool(QStringLiteral("Configuration"), QStringLiteral("TipOfTheDay"), true));
}

TEST_F(MainWindowTest, AFailingSerialPortIsNamedAndStartUpGoesOn)
{
    // COM1 of a serial receiver mapped to a device that does not exist, on
    // a machine with no emulated receivers.
    TTestHardware machine;
    hardware = &machine;
    WriteIni("[Configuration]\nHardware=4\nPort=1\nShutDown=1\n[Serial]\nCom1=/nonexistent/ttyX\n");
    TMainWindow& w = Started();
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].Title, QStringLiteral("Warning"));
    EXPECT_EQ(prompts.calls[0].Icon, tPromptIcon::Warning);
    EXPECT_TRUE(prompts.calls[0].Text.contains(QStringLiteral("COM1")));
    EXPECT_TRUE(prompts.calls[0].Text.contains(QStringLiteral("/nonexistent/ttyX")));
    // The card stays closed so it can be set up again; the window is complete
    // and names no frequency the card is not on.
    EXPECT_FALSE(w.Card().Active());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro"));
    EXPECT_NE(w.findChild<QToolButton*>(QStringLiteral("btRadio10")), nullptr);
    // A scan on a closed card does not start (it would never reach an edge).
    w.Actions_ScanNext();
    EXPECT_FALSE(w.Busy());
    EXPECT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_TRUE(QFileInfo::exists(IniPath()));
    window.reset(); // before the machine it was given
}

TEST_F(MainWindowTest, ShutdownChoices)
{
    // "Don't &exit": the window goes on, nothing is written.
    WriteConfigured();
    TMainWindow& w = Started();
    EXPECT_FALSE(CloseWith(tExitChoice::Abort));
    EXPECT_EQ(dialogs.exitYesEnabled, std::vector<bool>{true});
    EXPECT_FALSE(QFileInfo::exists(IniPath()) && SavedProfile().SectionExists(QStringLiteral("WinPos")));
    EXPECT_TRUE(w.Card().Active());
    EXPECT_FALSE(w.DialogOpen());
    EXPECT_FALSE(w.Minimized());
    // "&Yes": the radio plays on.
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_TRUE(w.Card().Active());
    EXPECT_TRUE(SavedProfile().SectionExists(QStringLiteral("WinPos")));

    // "&No": switched off.
    Started();
    ASSERT_TRUE(CloseWith(tExitChoice::No));
    EXPECT_FALSE(window->Card().Active());

    // ShutDown 0 mutes without asking, 1 leaves it playing without asking.
    WriteConfigured("ShutDown=0\n");
    Started();
    window->close();
    EXPECT_TRUE(window->Closed());
    EXPECT_FALSE(window->Card().Active());
    WriteConfigured("ShutDown=1\n");
    Started();
    window->close();
    EXPECT_TRUE(window->Closed());
    EXPECT_TRUE(window->Card().Active());
    EXPECT_EQ(dialogs.exitYesEnabled.size(), 3u);
}

TEST_F(MainWindowTest, SessionEndClosesTheCardWithoutAsking)
{
    WriteConfigured();
    TMainWindow& w = Started();
    w.SetShutdownFlag();
    w.close();
    EXPECT_TRUE(w.Closed());
    EXPECT_TRUE(dialogs.exitYesEnabled.empty());
    EXPECT_FALSE(w.Card().Active());
    EXPECT_TRUE(SavedProfile().SectionExists(QStringLiteral("Presets")));

    // The session ends while the shutdown question is up: the question goes
    // and the program closes as above instead of running on.
    WriteConfigured();
    TMainWindow& asked = Started();
    dialogs.whileAskingExit = [&asked] { asked.SessionEnd(); };
    asked.close();
    dialogs.whileAskingExit = nullptr;
    EXPECT_TRUE(asked.Closed());
    EXPECT_FALSE(asked.Card().Active());
    EXPECT_FALSE(asked.isVisible());
    EXPECT_TRUE(asked.Minimized());
}

TEST_F(MainWindowTest, AFailedSettingsWriteIsReportedButNeverHoldsUpASessionEnd)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    // Nowhere left to write the settings: a file where the folder was.
    ASSERT_TRUE(dir.remove());
    QFile blocker(dir.path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.SetShutdownFlag();
    w.close();
    EXPECT_TRUE(w.Closed());
    EXPECT_EQ(errors.size(), 1) << "the failure is still logged";
    for (const auto& call : prompts.calls) EXPECT_NE(call.Kind, QStringLiteral("Message"));
    EXPECT_TRUE(blocker.remove());
}

TEST_F(MainWindowTest, AFailedSettingsWriteAtCloseOffersRetryQuitOrStay)
{
    // A full disk: no file may grow while the window closes, unless a row
    // makes room while the question is up.
    rlimit room{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &room), 0);
    rlimit full = room;
    full.rlim_cur = 10;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    const struct {
        const char* name;
        std::deque<int> choices; // Retry 0, Quit without saving 1, Cancel 2; none: the box closed
        bool makeRoom;
        bool closed, saved;
    } rows[] = {{"box closed", {}, false, false, false},
                {"cancel", {2}, false, false, false},
                {"quit without saving", {1}, false, true, false},
                {"retry on a full disk, then quit", {0, 1}, false, true, false},
                {"retry once there is room", {0}, true, true, true}};
    for (const auto& row : rows) {
        WriteConfigured("ShutDown=0\n");
        TMainWindow& w = Started();
        w.Actions_ScanNext(); // the session's change: 88.6 MHz
        prompts.calls.clear();
        prompts.choices = row.choices;
        prompts.whileChoosing = [&] {
            if (row.makeRoom) setrlimit(RLIMIT_FSIZE, &room);
        };
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        w.close();
        setrlimit(RLIMIT_FSIZE, &room);
        EXPECT_EQ(w.Closed(), row.closed) << row.name;
        // Staying keeps the radio playing; a close mutes it as ShutDown=0 asks.
        EXPECT_EQ(w.Card().Active(), !row.closed) << row.name;
        ASSERT_FALSE(prompts.calls.empty()) << row.name;
        EXPECT_EQ(prompts.calls.back().Kind, QStringLiteral("Choose")) << row.name;
        EXPECT_TRUE(prompts.calls.back().Text.startsWith(
            QStringLiteral("The settings could not be written")));
        EXPECT_EQ(prompts.offeredButtons,
                  (QStringList{QStringLiteral("&Retry"), QStringLiteral("&Quit without saving"),
                               QStringLiteral("Cancel")}));
        EXPECT_EQ(SavedProfile().ReadString(QStringLiteral("Frequency"),
                                            QStringLiteral("Frequency"), QString()),
                  row.saved ? QStringLiteral("M 088.600") : QString())
            << row.name;
        if (!row.closed) {
            // Once the disk has room again the same close goes through.
            w.close();
            EXPECT_TRUE(w.Closed()) << row.name;
            EXPECT_EQ(SavedProfile().ReadString(QStringLiteral("Frequency"),
                                                QStringLiteral("Frequency"), QString()),
                      QStringLiteral("M 088.600"))
                << row.name;
        }
    }
    prompts.whileChoosing = nullptr;
    signal(SIGXFSZ, oldHandler);
}

TEST_F(MainWindowTest, ClosingDuringAScanEndsTheScanFirst)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    bool busyAtClose = false;
    QTimer::singleShot(0, &w, [&] {
        busyAtClose = w.Busy();
        w.close();
    });
    w.Actions_ScanNext();
    EXPECT_TRUE(busyAtClose);
    EXPECT_FALSE(w.Busy());
    EXPECT_TRUE(w.Closed());
    // The scan took no step after the close.
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.0);
    EXPECT_EQ(SavedProfile().ReadString(QStringLiteral("Frequency"), QStringLiteral("Frequency"), QString()),
              QStringLiteral("M 087.000"));

    // "Exit" from the menu does the same through the stop request.
    WriteConfigured("ShutDown=1\n");
    TMainWindow& again = Started();
    QTimer::singleShot(0, &again, [&] { Items("File_Exit").front()->trigger(); });
    again.Actions_ScanNext();
    EXPECT_TRUE(again.Closed());
    EXPECT_FALSE(again.Busy());
}

TEST_F(MainWindowTest, ScanStoreQuitAndStartAgain)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    w.Actions_ScanNext();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Stereo"));
    StoreByMem(1, QStringLiteral("Harbour FM"));
    w.close();
    ASSERT_TRUE(w.Closed());

    TMainWindow& again = Started();
    EXPECT_DOUBLE_EQ(again.Card().Frequency(), 88.6);
    EXPECT_EQ(again.CurrentPreset(), 1);
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("1"));
    EXPECT_EQ(LabelText("Station"), QStringLiteral("Harbour FM"));
    EXPECT_EQ(LabelText("Tuned"), QStringLiteral("Stereo"));
}

TEST_F(MainWindowTest, HideAndShowAlternateAndTheWindowStaysReachable)
{
    // A card at volume 0 counts as muted whatever is sent to it.
    WriteConfigured("VolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    EXPECT_FALSE(AllEnabled("Do_Show"));
    w.TrayIconDblClick();
    EXPECT_TRUE(w.Minimized());
    EXPECT_TRUE(AllEnabled("Do_Show"));
    EXPECT_TRUE(NoneEnabled("Do_Hide"));
    // No notification area here: the window went to the taskbar, not away.
    EXPECT_TRUE(w.isMinimized());
    EXPECT_TRUE(w.isVisible());
    Items("Do_Show").front()->trigger();
    EXPECT_FALSE(w.Minimized());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(AllEnabled("Do_Hide"));

    // Brought back from the taskbar instead of by "Show": the window counts
    // as shown again, so the next double click hides it rather than showing it.
    w.Do_Hide();
    ASSERT_TRUE(w.isMinimized());
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    EXPECT_FALSE(w.Minimized());
    EXPECT_TRUE(AllEnabled("Do_Hide"));
    EXPECT_TRUE(NoneEnabled("Do_Show"));
    w.TrayIconDblClick();
    EXPECT_TRUE(w.Minimized());
    EXPECT_TRUE(w.isMinimized());
    w.Do_Show();

    // A click on the icon mutes and unmutes.
    EXPECT_FALSE(w.Muted());
    w.TrayIconClick();
    EXPECT_TRUE(w.Muted());
    EXPECT_TRUE(w.Card().Muted());
    w.TrayIconClick();
    EXPECT_FALSE(w.Card().Muted());
}

TEST(ProgramOptions, HelpVersionMistakesAndNoDisplayEndAtOnceWithTheirCodes)
{
    QTemporaryDir runtime;
    const struct {
        QStringList args;
        bool display;
        int code;
        const char* out;
        const char* err; // the first line
    } rows[] = {
        {{QStringLiteral("--help")}, false, 0, "usage: vantoro ", ""},
        {{QStringLiteral("-h")}, false, 0, "usage: vantoro ", ""},
        {{QStringLiteral("--version")}, false, 0, "vantoro ", ""},
        {{QStringLiteral("--simulate"), QStringLiteral("--bogus")},
         false,
         2,
         "",
         "vantoro: unknown option --bogus"},
        {{QStringLiteral("--trace")}, false, 2, "", "vantoro: the option --trace needs a value"},
        {{QStringLiteral("--simulate")}, false, 1, "", "vantoro: no display to open the window on"},
        {{QStringLiteral("-reverse"), QStringLiteral("stray")},
         true,
         2,
         "",
         "vantoro: unknown option stray"},
    };
    for (const auto& row : rows) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (row.display) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VANTORO_EXE), row.args);
        ASSERT_TRUE(p.waitForFinished(10000));
        const QString what = row.args.join(QLatin1Char(' '));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << qPrintable(what);
        EXPECT_EQ(p.exitCode(), row.code) << qPrintable(what);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QStringList err =
            QString::fromLocal8Bit(p.readAllStandardError()).split(QLatin1Char('\n'));
        EXPECT_TRUE(*row.out ? out.startsWith(QLatin1String(row.out)) : out.isEmpty())
            << qPrintable(what) << ": " << qPrintable(out);
        EXPECT_TRUE(err.front().startsWith(QLatin1String(row.err))) << qPrintable(err.front());
        if (row.code == 1) {
            EXPECT_EQ(err.size(), 2) << "one line without a display";
        }
    }
}

// A settings folder that cannot be written to is said at start, once, with
// the reason; the program runs all the same.
TEST_F(MainWindowTest, AnUnwritableSettingsFolderIsSaidOnceAtStart)
{
    // Below a regular file no folder can be made, whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TMainEnv env;
    env.ProgramDir = dir.filePath(QStringLiteral("file/settings"));
    env.Hardware = hardware;
    env.Prompts = &prompts;
    env.Dialogs = &dialogs;
    env.UseTray = false;
    env.BeforeOpen = [this](tModel model) { hw.InsertCard(model); };
    dialogs.setups.push_back(std::pair{mRadioTrack, 1});
    window = std::make_unique<TMainWindow>(std::move(env));
    ASSERT_TRUE(window->Start());
    const QStringList said = prompts.MessageTexts();
    ASSERT_EQ(said.size(), 1) << qPrintable(said.join(QLatin1Char('|')));
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("The settings cannot be saved in ") + dir.filePath(QStringLiteral("file/settings")) +
                                   QStringLiteral(": Not a directory.")))
        << qPrintable(said[0]);
    EXPECT_TRUE(window->Card().Active());

    // A writable folder says nothing.
    prompts.calls.clear();
    window.reset();
    WriteConfigured("ShutDown=1\n");
    Started();
    EXPECT_TRUE(prompts.MessageTexts().isEmpty());
}
