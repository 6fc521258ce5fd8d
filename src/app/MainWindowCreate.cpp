// The main window's life: built from its controls, the settings read and the
// card brought up, the clock, and the close with the shutdown choice and the
// settings written back.

#include "MainWindow.h"

#include "DialogPlacer.h"
#include "Glyphs.h"
#include "HardwareEnv.h"
#include "HelpWindow.h"
#include "Helpers.h"
#include "Profile.h"
#include "ProgramDir.h"
#include "Prompts.h"
#include "Translations.h"
#include "RtlSdrSource.h"
#include "TrayIcon.h"
#include "WindowPlace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

TMainWindow::TMainWindow(TMainEnv env, QWidget* parent)
    : QMainWindow(parent), env_(std::move(env)), glyphs_(std::make_unique<TGlyphs>()),
      radio_(std::make_unique<TRadioCard>(*env_.Hardware, SoundCardMixer(*env_.Hardware))),
      cardThread_(std::make_unique<TCardThread>(*radio_, env_.CardThread ? TCardThread::tMode::Threaded
                                                                         : TCardThread::tMode::Inline)),
      card_(&cardThread_->State())
{
    // The form and its menus, active from the start; the tray icon comes
    // once the window is up (AfterFirstPaint), as the desktop's tray is
    // reached over the session bus.
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vantoro"));
    BuildForm();
    BuildMenus();
    installEventFilter(this);
    // Dialogs and boxes come up where the window was while it is hidden.
    new TDialogPlacer(this, [this] { return started_ && (isHidden() || isMinimized()); });
    BuildClock();
    // A radio device that fails (unplugged) has closed the card by itself;
    // say so once the request under way has returned, and keep running.
    cardThread_->OnDeviceError = [this](const QString& what) {
        ShowRadioState();
        env_.Prompts->Message(WarningTitle(),
                              what + tr("\nThe radio is closed. Plug it in again and choose it in "
                                        "the settings to open it again."),
                              tPromptIcon::Warning);
    };
    rdsTimer_ = new QTimer(this);
    rdsTimer_->setInterval(500);
    connect(rdsTimer_, &QTimer::timeout, this, &TMainWindow::PollRds);
    connect(rdsTimer_, &QTimer::timeout, this, &TMainWindow::CheckUsbAudio);
    settingsSave_ = new QTimer(this);
    settingsSave_->setObjectName(QStringLiteral("SettingsSave"));
    settingsSave_->setSingleShot(true);
    settingsSave_->setInterval(1000);
    connect(settingsSave_, &QTimer::timeout, this, &TMainWindow::SaveChangedSettings);
}

TMainWindow::~TMainWindow()
{
    // The tray icon must not open its menu once the window is going.
    if (trayIcon_) trayIcon_->DetachMenu();
}

QDateTime TMainWindow::Now() const { return env_.Now ? env_.Now() : QDateTime::currentDateTime(); }

void TMainWindow::ReportError(const QString& what)
{
    if (env_.OnError) {
        env_.OnError(what);
        return;
    }
    env_.Prompts->Beep();
    std::fprintf(stderr, "vantoro: %s\n", qUtf8Printable(what));
}

QString TMainWindow::DataFile(const QString& name) const
{
    // A translated copy ("Vantoro.de.hlp") comes before the English one.
    for (const QString& candidate : LocalizedFileNames(name, CurrentLanguage())) {
        const QString path = FindDataFile(candidate, env_.ProgramDir);
        if (QFileInfo::exists(path)) return path;
    }
    return FindDataFile(name, env_.ProgramDir);
}

void TMainWindow::ReportUnreadableSettings()
{
    // The reader kept why; its text starts with the file's name, said here once.
    QString why = settingsFile_->Profile().ReadError();
    const QString named = settingsFile_->Path() + QStringLiteral(": ");
    if (why.startsWith(named)) why.remove(0, named.size());
    env_.Prompts->Message(
        WarningTitle(),
        tr("%1 could not be read: %2.\nThe program starts with the default settings "
                       "and leaves the file as it is.")
            .arg(QDir::toNativeSeparators(settingsFile_->Path()), why),
        tPromptIcon::Warning);
}

void TMainWindow::ReportUnwritableSettingsFolder()
{
    if (::access(QFile::encodeName(env_.ProgramDir).constData(), W_OK) == 0) return;
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    env_.Prompts->Message(WarningTitle(),
                          tr("The settings cannot be saved in %1: %2.\nThe program runs, but the "
                             "changes you make will be lost when it ends.")
                              .arg(QDir::toNativeSeparators(env_.ProgramDir), why),
                          tPromptIcon::Warning);
}

QString TMainWindow::StartFolder(const QString& remembered) const
{
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    const QString documents = !env_.DocumentsDir.isEmpty()
                                  ? env_.DocumentsDir
                                  : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A documents folder that was never made: a file dialog would take its
    // name for the file's and start in the folder above.
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString TMainWindow::FolderOf(const QString& fileName)
{
    return fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
}

bool TMainWindow::Start()
{
    // First values; the settings file overrides them.
    busy_ = alarmOn_ = sleepOn_ = muted_ = false;
    runner_.Stop();
    storePending_ = clearPending_ = stereoWanted_ = tunedCheck_ = minimized_ = dialogOpen_ = false;
    presetRow_ = 1;
    currentPreset_ = 0;
    lastPresetsFile_.clear();

    // The settings file and the presets bank it holds.
    firstRun_ = !QFileInfo::exists(QDir(env_.ProgramDir).filePath(TSettingsFile::FileName()));
    settingsFile_ = std::make_unique<TSettingsFile>(env_.ProgramDir);
    settings_ = settingsFile_->Read();
    // A settings file that is there but cannot be read is said now, before a
    // first-run dialog would suggest that nothing was ever set.
    if (settingsFile_->Profile().ReadFailed()) ReportUnreadableSettings();
    // A folder the settings cannot be written to is said now, once, rather
    // than after a whole session of changes.
    ReportUnwritableSettingsFolder();

    // The serial ports the settings name, before the dialog shows them.
    for (auto it = settings_.SerialDevices.cbegin(); it != settings_.SerialDevices.cend(); ++it)
        env_.Hardware->MapComDevice(it.key(), it.value());

    // A first run (or --configure) asks for the card before anything opens it.
    if (!settings_.Configured() || env_.Configure) {
        if (settings_.Port == 0) settings_.Port = card_->GetDevCap(settings_.Model()).DefaultPort;
        dialogOpen_ = true;
        SetTrayMenuAttached(false);
        tSetupValues values = SetupValues();
        // Never set up: today's tuners first, a radio device (/dev/radioN)
        // on its own volume and mute. Without one the dialog says what it
        // looked for; an I/O-port card would only show the kernel's refusal.
        if (settings_.Hardware == 0) {
            // A dongle plugged in comes first of all.
            values.Model = !env_.Hardware->Simulated() && RtlSdrDeviceCount() > 0 ? mSdr : mV4L2;
            values.Port = 1;
            values.VolumeLine = vlNative;
        }
        if (!env_.Dialogs->Setup(nullptr, SetupFacts(), values)) {
            // Cancel ends the program: nothing asked, nothing written.
            closed_ = true;
            return false;
        }
        TakeSerialDevice(values);
        TakeSetupValues(values);
        SetTrayMenuAttached(true);
        dialogOpen_ = false;
        SettingsChanged();
    }

    OpenCard();

    // The step as a count of the card's FM unit, at most 1 MHz.
    const int units = StepUnits();
    fmTuneStep_ = (settings_.TuneStep <= units ? settings_.TuneStep : 1) * FMUnit();
    // The last frequency of the band in use, for the first tuning.
    cardThread_->Direct([this](TRadioCard& card) {
        if (settings_.Band == bFM)
            card.SetLastFM(settings_.Frequency);
        else
            card.SetLastAM(settings_.Frequency);
    });
    // The settings model marked the current slot and read the bank.
    currentPreset_ = settings_.CurrentPreset;

    // Layout and place (always-on-top is applied before the window first
    // shows, as changing it later would hide the window again).
    setWindowFlag(Qt::WindowStaysOnTopHint, settings_.AlwaysOnTop);
    ApplyLayout();
    PlaceWindow();
    started_ = true;
    if (settings_.StartMinimized) {
        // Hidden to the tray: the icon must be there to bring the window back.
        BuildTray();
        MinimizeApp();
    }
    else
        RestoreApp();

    // The front panel from the state.
    RebuildPresetMenus();
    SetUpVolumeSlider();
    ApplyColours();
    RefreshGlyphs(false);
    SetSliderRange(card_->Band());
    {
        const QSignalBlocker blocker(sStep);
        sStep->setRange(1, units);
        sStep->setPageStep(1);
        sStep->setValue(int(std::lround(fmTuneStep_ / FMUnit())));
    }
    EnableBandButtons();

    FirstTuning();

    // Sound on unless the user wants a muted start.
    if (!settings_.StartMuted && card_->Active())
        cardThread_->Post(tCardJobKind::Plain, [](TRadioCard& card) { card.UnmuteCard(); return 0; },
                          [this](int) { RefreshMuteIndicator(); });
    RefreshMuteIndicator();
    ShowPresetRow();
    UpdateStepControls();
    gpPresets->setToolTip(tr("Internal"));
    btProg->setToolTip(tr("Programming mode on/off (empty)"));
    EnableVolumeControls();
    ShowRadioState();
    knownDevices_ = env_.Hardware->RadioDevices();

    ArmAlarmAtStart();

    ShowClock();
    Clock->start();
    return true;
}

void TMainWindow::AfterFirstPaint()
{
    if (!trayIcon_ && !closed_) BuildTray();
    // The dongles there from the start, so that only one plugged in later is
    // offered (counting them asks the USB devices, so not before the paint).
    if (knownDongles_ < 0) knownDongles_ = int(Dongles());
    // The tip of the day, when the user has not switched it off.
    if (settings_.TipOfTheDay && !closed_)
        settings_.TipOfTheDay = env_.Dialogs->TipOfTheDay(this, DataFile(QStringLiteral("Vantoro.txt")), true);
}

void TMainWindow::PlaceWindow()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    setGeometry(QRect(PlaceOnScreens(QRect(QPoint(settings_.X, settings_.Y), size()), screens), size()));
}

void TMainWindow::SetUpApplication()
{
    // The name is the window's class (WM_CLASS "vantoro", "Vantoro", the
    // desktop entry's StartupWMClass); the desktop file name ties the window
    // to its launcher on Wayland and in docks.
    QApplication::setApplicationName(QStringLiteral("Vantoro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantoro.Vantoro"));
    // No display name: the desktop would add it to every caption, and the
    // captions are the program's own texts.
    // The window hides to the tray and dialogs come and go; the program ends
    // only through the main window's close.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TMainWindow::OpenCard()
{
    // The card as the settings describe it: model, port, volume path.
    // Opening waits for the card, as any change of card in the settings does.
    {
        const auto radio = cardThread_->Hold();
        radio->SetMutedStartup(settings_.StartMuted);
        radio->SetModel(settings_.Model());
        SetCardPort(settings_.Port);
        radio->SetVolumeLine(settings_.VolumeLine);
        radio->SetJapaneseFM(settings_.JapaneseFM);
        muted_ = settings_.StartMuted;
        radio->SetMuteOnExit(false);
        radio->SetStereo(!settings_.ForceStereoOff);
        radio->SetUsbAudio(settings_.UsbAudio);
        radio->SetSdr(settings_.Sdr);
        const tVolumeLine line = settings_.VolumeLine;
        if (settings_.StartMuted && (line == vlLineIn || line == vlMicIn || line == vlCd)) radio->MuteLine();
    }

    OpenCardDevice();
    SetUpVolumeSlider();
    cardThread_->Direct([this](TRadioCard& card) { card.InitVolume(settings_.Volume); });
    // A first run has no volume of its own yet: 0 would be a silent start.
    if (firstRun_) TakeFirstRunVolume();
    audibleVolume_ = card_->Volume();
    stereoWanted_ = card_->Stereo();
    RefreshStrButton();
}

void TMainWindow::SetCardPort(int port)
{
    const auto radio = cardThread_->Hold();
    try {
        radio->SetPort(port);
    } catch (const ePortNotFound&) {
        // A hand-edited port beyond the model's list: its default port instead.
        radio->SetPort(radio->Caps().DefaultPort);
    }
    settings_.Port = radio->Port();
}

void TMainWindow::OpenCardDevice()
{
    if (env_.BeforeOpen) env_.BeforeOpen(card_->Model());
    try {
        cardThread_->Direct([](TRadioCard& card) { card.Open(); });
    } catch (const std::exception&) {
        // The card stays closed, so it can be set up again; start-up goes on.
        cardThread_->Direct([](TRadioCard& card) { card.Close(); });
        const tDevCap& caps = card_->Caps();
        QString device;
        if (caps.Connection == cnSerial) {
            const int com = caps.Ports[std::size_t(card_->Port())];
            device = QStringLiteral("COM%1 (%2)").arg(com).arg(env_.Hardware->ComDevice(com));
        } else if (caps.Connection == cnSdr) {
            env_.Prompts->Message(WarningTitle(),
                                  tr("The %1 cannot be opened.\n%2").arg(CardName(caps), card_->OpenError()),
                                  tPromptIcon::Warning);
            return;
        } else if (caps.Connection == cnDevice) {
            const QString path = env_.Hardware->RadioDevice(card_->Port());
            device = path.isEmpty() ? tr("radio device %1 (none found)").arg(card_->Port()) : path;
        } else {
            device = tr("the I/O port 0x%1").arg(caps.Ports[std::size_t(card_->Port())], 3, 16, QLatin1Char('0'));
        }
        env_.Prompts->Message(WarningTitle(),
                              tr("The %1 %2 cannot be opened on %3.\nThe device does not exist, is in "
                                             "use, or you may not use it.")
                                  .arg(caps.Maker, CardName(caps), device),
                              tPromptIcon::Warning);
    }
}

void TMainWindow::FirstTuningFallback()
{
    // No last station to go back to: the bottom of the first band the card has.
    const tDevCap& caps = card_->Caps();
    if (caps.HasFM) {
        SetBandDisplay(bFM);
        TuneTo(bFM, false, card_->FMMin());
    } else if (caps.HasAM) {
        SetBandDisplay(bAM);
        TuneTo(bAM, false, card_->AMMin());
    }
}

void TMainWindow::FirstTuning()
{
    if (!settings_.LastStation) {
        FirstTuningFallback();
        return;
    }
    // The last station: the current preset when the card has its band, else
    // the last frequency.
    const tDevCap& caps = card_->Caps();
    if (currentPreset_ != 0) {
        const bool fm = settings_.Presets[currentPreset_].Band != 0;
        if ((fm && caps.HasFM) || (!fm && caps.HasAM)) {
            SetBandDisplay(fm ? bFM : bAM);
            RecallPreset(currentPreset_, true);
        } else {
            FirstTuningFallback();
        }
        return;
    }
    const tBand band = settings_.Band;
    if ((band == bFM && caps.HasFM) || (band == bAM && caps.HasAM)) {
        SetBandDisplay(band);
        TuneTo(band, false, settings_.Frequency);
    }
}

void TMainWindow::ArmAlarmAtStart()
{
    // An FM alarm preset must lie within the FM band now in use.
    alarmOn_ = false;
    const int n = settings_.AlarmStation;
    if (settings_.LaunchAlarm && n >= 1 && n <= tPresets::Count) {
        const tPreset& slot = settings_.Presets[n];
        if (slot.Band == 0) {
            alarmOn_ = card_->Caps().HasAM;
        } else {
            const QString f = FrequencyText(slot.Frequency);
            alarmOn_ = card_->Caps().HasFM && f >= FrequencyText(card_->FMMin()) && f <= FrequencyText(card_->FMMax());
        }
    }
    RefreshAlarmIndicator();
}


void TMainWindow::SessionEnd()
{
    shutdownFlag_ = true;
    // A dialog still up is dismissed, as nobody is there to answer it; the
    // shutdown question, if that is the one, then lets the close go on.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) modal->close();
    close();
}

void TMainWindow::File_Exit()
{
    stopRequest_ = true;
    close();
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    if (closed_ || !started_) {
        event->accept();
        return;
    }
    if (busy_ && !scanLooping_ && cardThread_->Mode() == TCardThread::tMode::Threaded) {
        // A scan waiting for its step on the card's thread just ends.
        stopRequest_ = true;
        EndScan();
    }
    if (busy_) {
        // The scan loop is still running on this stack: end it first and close
        // once it has let go of the card and the controls.
        stopRequest_ = true;
        closePending_ = true;
        event->ignore();
        return;
    }
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TMainWindow::FormCloseQuery()
{
    // The client area's place, as PlaceWindow restores it: the
    // frame's place is known only once a window manager has framed the
    // window, so storing it would move the window by the frame every run.
    settings_.X = geometry().x();
    settings_.Y = geometry().y();
    // The shutdown choice: close the card, leave it playing, or ask. The card
    // is closed only once the settings are written, so a user who stays
    // after a failed write keeps the radio as it was.
    bool closeCard = false;
    bool asked = false, wasMinimized = minimized_;
    if (!shutdownFlag_) {
        switch (settings_.ShutDown) {
        case 0:
            closeCard = true;
            break;
        case 1: break;
        default: {
            dialogOpen_ = true;
            SetTrayMenuAttached(false);
            asked = true;
            if (!wasMinimized) MinimizeApp();
            const tExitChoice choice = env_.Dialogs->AskExit(nullptr, !card_->Caps().ForcedMuteOnExit);
            // A session end or a signal while the question was up cannot
            // start a second close; it ends this one whatever was answered.
            if (choice == tExitChoice::Abort && !shutdownFlag_) {
                if (!wasMinimized) RestoreApp();
                SetTrayMenuAttached(true);
                dialogOpen_ = false;
                return false; // the user chose to stay
            }
            closeCard = choice == tExitChoice::No;
            break;
        }
        }
    }
    // What was asked of the card is done before its state is written.
    cardThread_->WaitIdle();
    if (!SaveSettings()) {
        if (asked) {
            if (!wasMinimized) RestoreApp();
            SetTrayMenuAttached(true);
            dialogOpen_ = false;
        }
        return false; // stays open with the session's changes
    }
    // The card's thread ends: what it was doing ends first, what waited is
    // dropped. A session end always closes the card.
    cardThread_->Stop();
    if (closeCard || shutdownFlag_) cardThread_->Direct([](TRadioCard& card) { card.Close(); });
    closed_ = true;
    Clock->stop();
    settingsSave_->stop();
    if (trayIcon_) trayIcon_->Hide();
    QCoreApplication::quit();
    return true;
}

void TMainWindow::SettingsChanged()
{
    // Started once and not pushed back, so a stream of changes still
    // writes once a second.
    if (!closed_ && !settingsSave_->isActive()) settingsSave_->start();
}

void TMainWindow::SaveChangedSettings()
{
    // A file that could not be read is never written over; the user was
    // told at the start, and the close asks again.
    if (closed_ || !settingsFile_ || settingsFile_->Profile().ReadFailed()) return;
    TakeCardState();
    if (!settingsFile_->Differs(settings_)) return;
    QString why;
    if (!MakePrivateFolder(env_.ProgramDir, &why) || !settingsFile_->Save(settings_, &why))
        ReportError(tr("The settings could not be written: %1").arg(why));
}

void TMainWindow::TakeCardState()
{
    settings_.Volume = card_->Volume();
    settings_.Band = card_->Band();
    settings_.Frequency = card_->Frequency();
    settings_.TuneStep = int(std::lround(fmTuneStep_ / FMUnit()));
    settings_.CurrentPreset = currentPreset_;
    if (help_) {
        settings_.HelpWidth = help_->width();
        settings_.HelpHeight = help_->height();
    }
}

bool TMainWindow::SaveSettings()
{
    settingsSave_->stop();
    TakeCardState();
    for (;;) {
        QString why;
        if (MakePrivateFolder(env_.ProgramDir, &why) && settingsFile_->Save(settings_, &why)) return true;
        ReportError(why);
        // At a session end or a signal nobody is there to answer a box, and
        // waiting for one would keep the program from ending.
        if (shutdownFlag_) return true;
        const int choice = env_.Prompts->Choose(
            WarningTitle(), tr("The settings could not be written:\n") + why,
            tPromptIcon::Warning,
            {tr("&Retry"), tr("&Quit without saving"),
             tr("Cancel")},
            2);
        // A session end while the box was up ends the program all the same.
        if (shutdownFlag_) return true;
        if (choice != 0) return choice == 1;
    }
}
