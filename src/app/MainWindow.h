#pragma once
// The main window: the radio's front panel. It owns the radio card, the
// presets bank and the settings for the life of the program, and every
// change of frequency goes through TuneTo. The card works on a thread of its
// own (TCardThread): the window sends it requests and shows the state it
// reports. The window is split by concern:
//   MainWindowCreate.cpp   start-up, close and the settings written back
//   MainWindowLayout.cpp   the panel's controls, their places and colours
//   MainWindowTuning.cpp   TuneTo, the band display, sliders and step
//   MainWindowScan.cpp     scanning
//   MainWindowPresets.cpp  the presets bank, its buttons and submenus
//   MainWindowVolume.cpp   volume and mute, the mixer window
//   MainWindowMenus.cpp    main menu, tray menu, dialog rules
//   MainWindowKeys.cpp     the single-key commands
//   MainWindowClock.cpp    the clock tick, alarm, sleep, the script run and its beeper
//   MainWindowSettings.cpp the settings dialog and taking over its result
//   MainWindowArchive.cpp the archive dialog over the station archive
//   MainWindowStations.cpp the presets editor and the jump-to dialog
//   MainWindowHelp.cpp     the help window and the about box
//   MainWindowPlayer.cpp   the radio as a media player on the session bus
//   MainWindowDevices.cpp  no radio, and radio devices plugged in later
//   MainWindowRecord.cpp   recording what the card plays, by hand or by script

#include "CardThread.h"
#include "PresetsFile.h"
#include "PlayerHost.h"
#include "RadioCards.h"
#include "Recorder.h"
#include "RecordingFiles.h"
#include "ScriptEdit.h"
#include "ScriptRunner.h"
#include "Settings.h"
#include "SetupModel.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QSlider;
class QTimer;
class QToolButton;
class TDisplay;
class TScrollingText;
class TGlyphs;
class TGradientBar;
class THelpWindow;
class THardwareEnv;
class TPrompts;
class TSettingsFile;
class TSpinButton;
class TTrayHost;
class TTrayIcon;

// The width of a frequency scale label: the space up to the next mark.
int ScaleLabelWidth(tBand band, bool japaneseFM);

// The answer of the power-off question.
enum class tExitChoice { Yes, No, Abort };

// The modal dialogs the window opens, so tests can answer them.
class TMainDialogs {
public:
    virtual ~TMainDialogs() = default;
    // The settings dialog over `values`, which it changes only on OK; false on Cancel.
    virtual bool Setup(QWidget* parent, const tSetupFacts& facts, tSetupValues& values) = 0;
    // "Do you want the music to play in the background?"
    virtual tExitChoice AskExit(QWidget* parent, bool yesEnabled) = 0;
    // "Asking for station name"; `name` comes filled in; false on Cancel.
    virtual bool AskName(QWidget* parent, QString& name) = 0;
    // Runs the tip of the day over `tipsFile`; gives back the show-at-start box.
    virtual bool TipOfTheDay(QWidget* parent, const QString& tipsFile, bool showAtStart) = 0;
    // "Alarm setting": comes with the alarm time and preset, gives back
    // the chosen ones; false on Cancel. The card's bands are those of the
    // state it last reported.
    virtual bool Alarm(QWidget* parent, const tCardState& card, const tPresets& presets, int currentPreset,
                       int& hour, int& minute, int& preset) = 0;
    // "Sleep": the minutes 1..120; false on Cancel.
    virtual bool Sleep(QWidget* parent, int& minutes) = 0;
    // The script editor over a copy of the loaded script; on OK the edited
    // script and the file it was last loaded from or saved to (empty if none).
    virtual bool EditScript(QWidget* parent, const tScriptEditorEnv& env, tScript& script, QString& fileName) = 0;
    // The about box.
    virtual void About(QWidget* parent) = 0;
};

// What the window is given from outside.
struct TMainEnv {
    QString ProgramDir;   // the settings folder
    QString DataDir;      // the station archive's folder; empty: ProgramDir
    QString DocumentsDir; // the file dialogs' first folder; empty: the user's documents
    THardwareEnv* Hardware = nullptr;
    TPrompts* Prompts = nullptr;
    TMainDialogs* Dialogs = nullptr;
    std::function<QDateTime()> Now;             // null: the system clock
    std::function<void(tModel)> BeforeOpen;     // called before the card is opened
    std::function<unsigned()> Dongles;          // the RTL-SDR dongles plugged in; null: none
    std::function<void(const QString&)> OnError; // the application's error handler
    std::function<void(const QString&)> Help;    // opens the help at a topic; null: the help window
    bool Configure = false;                     // "\CONFIGURE" / --configure
    bool UseTray = true;                        // false: no icon at all
    // The card's requests on a thread of their own, so its waits never hold
    // the window; off, each runs at once (tests on simulated time).
    bool CardThread = true;
    std::function<std::unique_ptr<TTrayHost>()> TrayHost; // null: the desktop's notification area
};

class TMainWindow : public QMainWindow, private TScriptTarget, private TPlayerHost {
    Q_OBJECT
public:
    explicit TMainWindow(TMainEnv env, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The application's name and quit rule, set once before the window is made.
    static void SetUpApplication();

    // Reads the settings, opens the card and tunes. False when the program must end at once
    // (Cancel in the first-run dialog): nothing is written then.
    bool Start();
    // What waits until the window has been painted once: the tray icon and
    // the tip of the day.
    void AfterFirstPaint();

    // A change the user made on purpose (a preset stored, renamed or
    // cleared, the settings, the alarm, a layout): the settings file is
    // written within a second, so a crash or a power cut loses none of it.
    // A burst of changes makes one write, and a file that would come out the
    // same is not written. Tuning and volume go with it, else at the close.
    void SettingsChanged();

    // Session end, SIGTERM and SIGHUP: close without asking, card closed.
    void SetShutdownFlag() { shutdownFlag_ = true; }
    // Sets the flag and closes, also while a dialog or the shutdown question is up.
    void SessionEnd();
    bool ShutdownFlag() const { return shutdownFlag_; }
    // Set once the settings were written and the window may go.
    bool Closed() const { return closed_; }
    // Shows the window, from the tray too, raised and active, as a second start
    // or a desktop's "raise" asks; an open dialog of the program comes up over it.
    void BringToFront(const QByteArray& token = {});
    // The window as the media player the desktop's media keys and controls
    // drive through the session bus.
    TPlayerHost& PlayerHost() { return *this; }

    // Tuning.
    // Tunes the card (on its thread) and shows the result once the card has
    // reported it; `then` hears the signal status (0 when `quiet`). A newer
    // tuning takes the place of one still waiting. The status when the card
    // answered before this returns (no card thread), else 0.
    int TuneTo(tBand band, bool quiet, double frequency, std::function<void(int status)> then = {});
    // The displays after the card has moved to `frequency`: presets, sliders,
    // signal, read-out. `readings` are the signal readings the card took
    // there, one per preset of that frequency and the last for the panel
    // (none when `quiet`). The signal status, or 0 when `quiet`.
    int ShowTuning(double frequency, bool quiet, const std::vector<int>& readings);
    // Reads the card's RDS (on a timer): the station's name goes in the
    // station label while no preset names the frequency.
    void PollRds();
    // What PollRds brought, once the card has reported it.
    void ShowRds();
    // Says once (on the same timer) why a radio device's USB sound stopped
    // playing on its own; said again only after it has played once more.
    void CheckUsbAudio();
    void Actions_TunePrev();
    void Actions_TuneNext();
    void Actions_StepDec();
    void Actions_StepInc();
    void btFMClick();
    void btAMClick();
    void Actions_Jump();
    void Actions_Stereo();
    // Reads the signal on the card's thread and shows it (the clock's check).
    void ShowSignal();
    // Scanning.
    void Actions_ScanPrev() { Scan(false); }
    void Actions_ScanNext() { Scan(true); }
    void Actions_StopScan();
    // Presets.
    void btRadioClick(int button); // 1..10
    void btNextPrevTopClick();
    void btNextPrevBottomClick();
    void Stations_Memory();
    void btClrClick();
    void Stations_Clear();
    void Stations_Rename();
    void Stations_ClearAll();
    void File_LoadPresets();
    void Stations_Organize();
    void Stations_EditPresets();
    void RecallPreset(int n, bool tune);
    void StorePreset(int n);
    void ClearPreset(int n);
    void RenamePreset(int n);
    // Window.
    void File_Exit();
    void Do_Show();
    void Do_Hide();
    void TrayIconClick();
    void TrayIconDblClick();
    void KeyPress(QChar key);
    // Layouts.
    void Display_Complete() { SetDisplayType(0); }
    void Display_Minimal() { SetDisplayType(1); }
    void Display_MinTuner() { SetDisplayType(2); }
    void Display_MinPresets() { SetDisplayType(3); }
    void Display_MinVolBtn() { SetDisplayType(4); }
    void Display_MinVolBtnPre() { SetDisplayType(5); }
    void Display_AlwaysOnTop();
    // Volume and mute.
    void Volume_Up();
    void Volume_Down();
    void Volume_0();
    void Volume_Mute();
    void Volume_Mixer();
    void sVolumeChange(int position);
    void RadioCardMixerChange(int volume, bool mute);
    // A volume line chosen in the settings dialog, taken over by the card.
    void ApplyVolumeLine(tVolumeLine line);
    // Clock, alarm, sleep and scripts; the three timers' handlers.
    void ClockTimer();
    void BeeperTimer();
    void TSleepTimer();
    void Actions_Alarm();
    void Actions_Sleep();
    void Actions_Prog();
    void File_LoadScript();
    // Recording: starts or stops it.
    void Actions_Record();
    // The recording under way, or null.
    const TRecorder* Recording() const { return recorder_.get(); }
    // Settings: the dialog, and on OK its result applied to the running card.
    void Options_Settings();
    // The machine's radio devices or dongles may have changed (a device node
    // came or went): one plugged in while no card is open is offered.
    void DevicesChanged();
    // What the panel says while no card is open.
    static QString NoRadioText();
    // Help: the manual at a topic (also for the dialogs' "Help" buttons), the about box.
    void ShowHelp(const QString& topic);
    void Help_Topics();
    void Help_About();

    // State, for the dialogs and the tests. The card itself only while its
    // thread is idle (tests without one); the window reads CardState().
    TRadioCard& Card() { return *radio_; }
    const tCardState& CardState() const { return *card_; }
    TCardThread& CardThread() { return *cardThread_; }
    const TSettings& Settings() const { return settings_; }
    const tPresets& Presets() const { return settings_.Presets; }
    bool Busy() const { return busy_; }
    bool StopRequest() const { return stopRequest_; }
    bool StorePending() const { return storePending_; }
    bool ClearPending() const { return clearPending_; }
    bool Muted() const { return muted_; }
    // Silent by mute, by a volume of 0 or for want of an open card: what
    // MTE, the menus' Mute, the tray icon and the media player's status all show.
    bool Silent() const { return !card_->Active() || muted_ || SilentByVolume(); }
    bool AlarmOn() const { return alarmOn_; }
    bool SleepOn() const { return sleepOn_; }
    bool ProgOn() const { return runner_.ProgOn(); }
    const TScriptRunner& Runner() const { return runner_; }
    bool Minimized() const { return minimized_; }
    bool DialogOpen() const { return dialogOpen_; }
    int PresetRow() const { return presetRow_; }
    int CurrentPreset() const { return currentPreset_; }
    double FMTuneStep() const { return fmTuneStep_; }
    QString FrequencyHint(tBand band, double frequency) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // MainWindowCreate.cpp
    bool FormCloseQuery();
    void ReportUnreadableSettings();
    void ReportUnwritableSettingsFolder();
    // Writes the settings file. When that fails, the user may try again,
    // quit without saving (true) or stay (false, Cancel); at a session end
    // the failure is only logged.
    bool SaveSettings();
    // The card's state (volume, band, frequency, step, preset) into settings_.
    void TakeCardState();
    // The write SettingsChanged asked for; a failure is only reported.
    void SaveChangedSettings();
    void OpenCard();
    void SetCardPort(int port);
    void OpenCardDevice();
    void FirstTuning();
    void FirstTuningFallback();
    void PlaceWindow();
    void ArmAlarmAtStart();
    QString DataFile(const QString& name) const;
    // Where a file dialog starts: the folder last used for its kind of
    // file, else the user's documents, else (none made) the home folder.
    QString StartFolder(const QString& remembered) const;
    static QString FolderOf(const QString& fileName);
    QDateTime Now() const;
    void ReportError(const QString& what);

    // MainWindowDevices.cpp
    // The panel for an open card, or "no radio" with the tuning at rest.
    void ShowRadioState();
    // A device that came while no card is open, offered and opened on "Yes".
    void OfferRadioDevice(const QString& device);
    void OfferDongle();
    // The RTL-SDR dongles plugged in now.
    unsigned Dongles() const;

    // MainWindowSettings.cpp
    tSetupValues SetupValues() const;
    tSetupFacts SetupFacts() const;
    void TakeSetupValues(const tSetupValues& values);
    void TakeSerialDevice(const tSetupValues& values);
    void ApplySetup(const tSetupValues& values);

    // MainWindowLayout.cpp
    void BuildForm();
    void BuildPanel();
    void BuildTuner();
    void BuildPresetsGroup();
    void BuildButtons();
    void BuildRdsLine();
    // The RDS line's programme type, text and signal level from the card.
    void ShowRdsLine();
    QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                            const QRect& geometry);
    void ApplyLayout();
    void SetDisplayType(int type);
    void ApplyColours();
    QColor TextColour(bool bright) const;
    void SetStationName(const QString& name);
    // What the station sends besides its name (programme type, radio text,
    // the song tagged in it), a line each, for the hints of the station
    // name and of the tray icon; empty without RDS.
    QString RdsHintLines() const;
    // Shows the RDS lines in those hints when they changed, and the RDS line.
    void RefreshRdsHints();
    QPixmap Picture(const QString& name) const;
    void RefreshMuteIndicator();
    // Flips Muted and mutes or unmutes the card to match.
    void ToggleMute();
    // Mutes or unmutes the card on its thread; `after` runs once it has
    // reported, with the card's state then.
    void SetCardMuted(bool mute, std::function<void()> after = {});
    void RefreshAlarmIndicator();
    void RefreshSleepIndicator();
    void RefreshProgIndicator();
    void RefreshMemButton();
    void RefreshClrButton();
    void RefreshStrButton();
    bool StereoShown() const;
    void RefreshGlyphs(bool presets);

    // MainWindowTuning.cpp
    void SetBandDisplay(tBand band);
    void SetSliderRange(tBand band);
    void SetFrequencySlider(double frequency);
    void UpdateReadout();
    void UpdateEdgeControls();
    void UpdateStepControls();
    void SetStepFromSlider(int position);
    void EnableBandButtons();
    void SetBandButtons(tBand band);
    void SetTunedLabel(int status);
    void sFrequencyChange(int position);
    double SnapToBand(tBand band, double frequency) const;
    // The frequencies of the used presets, for the signal readings a tuning takes.
    std::vector<double> PresetFrequencies() const;
    // On the card's thread: the signal readings ShowTuning shows at `frequency`.
    static std::vector<int> SignalReadings(TRadioCard& card, double frequency, const std::vector<double>& presets);
    // Where the last tuning asked for goes, else where the card is.
    std::pair<tBand, double> TuningAskedFor() const;
    double FMUnit() const;
    int StepUnits() const;
    bool FrequencyStored() const;
    void EnableMemoryItems();

    // MainWindowScan.cpp
    void Scan(bool upward);
    bool AtEdge(bool upward) const;
    // Asks for the next step of the scan under way, or ends it.
    void ScanOn();
    void EndScan();
    // One step of a scan: the device's hardware seek where it has one, else
    // one tuning step. `then` hears the signal status, 0 for none, and
    // `moved`, false when the scan can go no further.
    void ScanStep(bool upward, const std::function<void(int status, bool moved)>& then);
    void EnterScanMode(bool upward);
    void LeaveScanMode(bool upward);

    // MainWindowPresets.cpp
    static int RowOf(int n) { return (n + 9) / 10; }
    static int PosOf(int n) { return (n - 1) % 10 + 1; }
    int PresetOfButton(int button) const { return button + (presetRow_ - 1) * 10; }
    void MatchPreset();
    void ShowPresetRow();
    void SetCurrentPreset(int n);
    void ShowSlot(int n);
    // The window caption and the tray tip for the station tuned.
    void ShowCaption(const QString& station);
    void SetButtonGlyph(int n, bool on);
    QString SlotHint(int n) const;
    QString PresetItemCaption(int n) const;
    bool SlotReceivable(int n) const;
    void RebuildPresetMenus();
    void AddPresetItems(int n);
    void UncheckPresetItems();
    void CheckPresetItems(int n);
    void SetPresetItemCaptions(int n);
    void PresetMenu(int n);
    void btMenuPopup(int button, const QPoint& where);

    // MainWindowArchive.cpp
    // A dialog that edits the bank: alarm and sleep wait while it is up, and
    // the bank is shown and tuned afresh after it.
    void RunPresetsDialog(const std::function<void()>& show);

    // MainWindowVolume.cpp
    static std::unique_ptr<TMixerControls> SoundCardMixer(THardwareEnv& env);
    void BuildVolumeGroup();
    void AddVolumeItems(QMenu* menu);
    bool CanSetVolume() const;
    bool SilentByVolume() const;
    // The volume a first run starts at: the card's own where it can be read,
    // else half the scale.
    void TakeFirstRunVolume();
    void ShowVolumeHint();
    void ShowVolume();
    void SetUpVolumeSlider();
    void EnableVolumeControls();
    bool NothingToControl() const;
    bool VolumeLevelsUsable() const;
    void EnableVolumeSteps();
    void AfterVolumeChange();

    // MainWindowClock.cpp
    void BuildClock();
    void ShowClock();
    void CheckAlarm(const QTime& now);
    // Runs a modal dialog under the window's rules: tray menu detached and
    // the window hidden while it is up.
    void WithDialogRules(const std::function<void()>& show);
    // As above, with the alarm and the sleep countdown held while it is up.
    void WithAlarmAndSleepHeld(const std::function<void()>& show);
    void ScriptMute(bool mute) override;
    void ScriptVolume(int step) override;
    void ScriptJumpTo(std::uint8_t band, double frequency, bool stereo) override;
    void ScriptPreset(int preset, bool stereo) override;
    void ScriptOff() override;
    void ScriptStartBeeper() override;
    void ScriptStereo(bool stereo);

    // MainWindowRecord.cpp
    // Starts recording the station tuned, for `minutes` (0: until stopped);
    // false with the reason said when it cannot.
    bool StartRecording(int minutes);
    // Ends the recording; tells the user of a failure or dropped sound.
    void StopRecording();
    // On the clock: the elapsed time shown, the end of a timed recording,
    // a failure noticed, a new RDS title marked.
    void RecordTick();
    void RefreshRecordIndicator();
    QString RecordingStation() const;
    // A user's tuning away from the station being recorded: asks whether
    // to stop the recording or go on recording the new station.
    void AskTuningAway(tBand band, double frequency);
    void ScriptRecord(int preset, int minutes) override;

    // MainWindowPlayer.cpp
    tPlayerState PlayerState() const override;
    bool TakesCommands() const override { return !dialogOpen_; }
    void PlayerToggleMute() override;
    void PlayerRecallPreset(int n) override;
    void PlayerSetVolume(double fraction) override;
    void PlayerRaise() override { BringToFront(); }
    void PlayerQuit() override { File_Exit(); }

    // MainWindowMenus.cpp
    void BuildMenus();
    void BuildTray();
    QAction* AddItem(QMenu* menu, const QString& caption, const char* name, void (TMainWindow::*handler)());
    void SetItemsEnabled(const char* name, bool enabled);
    void SetItemsChecked(const char* name, bool checked);
    // Every check mark of the menus from the state it stands for, and the
    // commands that cannot act disabled.
    void ShowCommandState();
    // Hands the keys back to the window when no menu of the bar is open.
    void LeaveMenuBar();
    // Why a command given by key does nothing.
    void SayWhy(const QString& why);
    // The items of a command, main menu and tray menu (see AddItem).
    QList<QAction*> Items(const char* name) const;
    // Makes `item` one of the items of the command `name`.
    void NameItem(QAction* item, const char* name);
    void SetTrayTip(const QString& text);
    void MinimizeApp();
    void RestoreApp();
    void SetTrayMenuAttached(bool attached);

    TMainEnv env_;
    // Before the card: the card, which may be handing it sound, goes first.
    std::unique_ptr<TRecorder> recorder_;
    std::unique_ptr<TCueSheet> cue_;
    QDateTime recordStart_;
    QDateTime recordUntil_; // invalid: until stopped
    QString recordStation_;
    bool tuningAwayAgreed_ = false; // "go on recording" was answered
    bool scriptTuning_ = false;     // a script tunes: nobody to ask
    QString trayTip_;
    QString recordElapsed_; // "01:02:03"
    bool indicatorShown_ = false;
    std::unique_ptr<TGlyphs> glyphs_;
    std::unique_ptr<TRadioCard> radio_;
    // After the card, so its thread ends first.
    std::unique_ptr<TCardThread> cardThread_;
    // What the window knows of the card: the state its thread last reported.
    const tCardState* card_ = nullptr;
    // The frequency of the last tuning asked for and not yet reported, so a
    // held key goes on from where it asked to be rather than from where the
    // card still is.
    std::optional<std::pair<tBand, double>> tuneTarget_;
    std::uint64_t tuneSerial_ = 0; // tunings asked for
    std::unique_ptr<TSettingsFile> settingsFile_;
    std::unique_ptr<THelpWindow> help_; // made when first asked for
    TSettings settings_;

    // Run-time flags.
    bool busy_ = false;
    bool sdrAudioTold_ = false; // the SDR's failed sound output was told
    bool alarmOn_ = false;
    bool sleepOn_ = false;
    bool muted_ = false;
    bool storePending_ = false;
    bool clearPending_ = false;
    bool stereoWanted_ = false;
    bool tunedCheck_ = false;
    bool minimized_ = false;
    bool dialogOpen_ = false;
    bool stopRequest_ = false;
    bool shutdownFlag_ = false;
    bool closePending_ = false; // a close asked for while a scan ran
    bool scanUpward_ = true;
    int scanRun_ = 0;           // scans started, so a halted one's last step does not go on
    bool scanLooping_ = false;  // ScanOn is asking for steps
    bool scanAgain_ = false;    // a step reported while it was
    bool usbAudioReported_ = false;
    bool closed_ = false;
    bool started_ = false;
    bool firstRun_ = false;     // no settings file was there at start
    int audibleVolume_ = 0;     // the last volume above 0, for unmuting at 0
    int sleepMinutes_ = 20;
    int presetRow_ = 1;
    int currentPreset_ = 0;
    double fmTuneStep_ = 0.025;
    QString lastPresetsFile_;
    QHash<QByteArray, QList<QAction*>> items_; // each command's menu items, by name
    QStringList knownDevices_; // the radio devices there when last looked
    int knownDongles_ = -1;    // the dongles there when last looked; -1: not yet counted

    // Read-out panel.
    QWidget* Panel = nullptr;
    std::array<TDisplay*, 6> Dig{};
    QWidget* Point = nullptr;
    QLabel* AM_FM = nullptr;
    QLabel* HZ = nullptr;
    QLabel* Tuned = nullptr;
    QLabel* StationNum = nullptr;
    QLabel* Station = nullptr;
    QLabel* HHMMSS = nullptr;
    QLabel* icMusicOnOff = nullptr;
    QLabel* icAlarmOnOff = nullptr;
    QLabel* icSleepOnOff = nullptr;
    QLabel* icProgOnOff = nullptr;
    QLabel* icScan = nullptr;
    QLabel* icRecord = nullptr;
    TGradientBar* Sep = nullptr;
    // The RDS line under the wide layouts: programme type, radio text, signal level.
    QWidget* RdsLine = nullptr;
    QLabel* Pty = nullptr;
    TScrollingText* RdsText = nullptr;
    QLabel* Meter = nullptr;
    // Tuner.
    QGroupBox* gpTuner = nullptr;
    QSlider* sFrequency = nullptr;
    std::array<QLabel*, 12> Freq{};
    QToolButton* btAM = nullptr;
    QToolButton* btFM = nullptr;
    QToolButton* btTunePrev = nullptr;
    QToolButton* btTuneNext = nullptr;
    QLabel* LScan = nullptr;
    QToolButton* btScanPrev = nullptr;
    QToolButton* btScanNext = nullptr;
    QToolButton* btStopScan = nullptr;
    QToolButton* btJump = nullptr;
    QLabel* Step = nullptr;
    QLabel* LStep = nullptr;
    TSpinButton* btSpinStep = nullptr;
    QSlider* sStep = nullptr;
    QSlider* Temp = nullptr;
    // Presets.
    QGroupBox* gpPresets = nullptr;
    std::array<QToolButton*, 10> btRadio{};
    TSpinButton* btNextPrev = nullptr;
    // Volume group and panel buttons.
    QGroupBox* gpVolume = nullptr;
    QSlider* sVolume = nullptr;
    QToolButton* btMixer = nullptr;
    QLabel* VcDisabled = nullptr;
    QToolButton* btMute = nullptr;
    QToolButton* btAlarm = nullptr;
    QToolButton* btSleep = nullptr;
    QToolButton* btProg = nullptr;
    QToolButton* btClr = nullptr;
    QToolButton* btMem = nullptr;
    QToolButton* btStr = nullptr;
    QToolButton* OnOff = nullptr;
    // Menus.
    QMenu* RadioPresets = nullptr; // main menu "Presets"
    QMenu* TrayMenu = nullptr;
    QMenu* TrayPresets = nullptr;
    QMenu* btMenu = nullptr;
    int btMenuButton_ = 0; // the button the popup was opened on
    TTrayIcon* trayIcon_ = nullptr;
    QTimer* Clock = nullptr;
    QTimer* TSleep = nullptr;
    QTimer* Beeper = nullptr;
    TScriptRunner runner_{*this};
    QTimer* rdsTimer_ = nullptr;
    QTimer* settingsSave_ = nullptr; // "SettingsSave": one write a second at most
    QString stationHint_ = tr("Name of the radio station");             // without RDS lines
    QString captionTip_ = QStringLiteral("Vantoro");                    // the tray tip without RDS lines
    QString rdsHintLines_;  // the RDS lines the hints show
};
