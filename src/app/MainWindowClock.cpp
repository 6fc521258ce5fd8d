// The time of day on the main window: the one-second clock with the signal
// check, the alarm and the run of the loaded script; the sleep timer; the
// beeper of a script's beep action; the commands that switch them.

#include "MainWindow.h"

#include "HardwareEnv.h"
#include "Prompts.h"
#include "ScriptFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

// The user's long time format without its time zone, which the panel clock
// has no room for.
QString ClockFormat()
{
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString clock;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        clock += c;
    }
    return clock.simplified();
}

QString ProgHint(const QString& source) { return QCoreApplication::translate("TMainWindow", "Programming mode on/off (%1)").arg(source); }

} // namespace

void TMainWindow::BuildClock()
{
    auto timer = [this](const char* name, void (TMainWindow::*handler)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(1000);
        connect(t, &QTimer::timeout, this, handler);
        return t;
    };
    Clock = timer("Clock", &TMainWindow::ClockTimer);
    Beeper = timer("Beeper", &TMainWindow::BeeperTimer);
    TSleep = timer("TSleep", &TMainWindow::TSleepTimer);
    // A held countdown resumes with exactly what was left of it.
    TSleep->setTimerType(Qt::PreciseTimer);
}

void TMainWindow::ShowClock() { HHMMSS->setText(QLocale().toString(Now().time(), ClockFormat())); }

void TMainWindow::ClockTimer()
{
    // The signal is read on every second tick.
    if (settings_.CheckIfTuned) {
        if (tunedCheck_) ShowSignal();
        tunedCheck_ = !tunedCheck_;
    }
    ShowClock();
    const QDateTime now = Now();
    RecordTick();
    if (runner_.ProgOn()) {
        if (runner_.Tick(now) == TScriptRunner::tkEnded) RefreshProgIndicator();
        return;
    }
    CheckAlarm(now.time());
}

void TMainWindow::CheckAlarm(const QTime& now)
{
    // An armed alarm waits for its minute, however far off, recalls its
    // preset in the first tick of it and is off from then on.
    if (!alarmOn_ || now.hour() != settings_.AlarmHour || now.minute() != settings_.AlarmMinute) return;
    alarmOn_ = false;
    RefreshAlarmIndicator();
    if (settings_.AlarmStation == 0) return;
    RecallPreset(settings_.AlarmStation, true);
    // The alarm is there to be heard: a radio muted for the night plays.
    if (muted_) {
        SetCardMuted(false, [this] {
            muted_ = card_->Muted() || SilentByVolume();
            RefreshMuteIndicator();
        });
    }
}

void TMainWindow::WithDialogRules(const std::function<void()>& show)
{
    dialogOpen_ = true;
    SetTrayMenuAttached(false);
    const bool wasMinimized = minimized_;
    if (!wasMinimized) MinimizeApp();
    show();
    if (!wasMinimized) RestoreApp();
    SetTrayMenuAttached(true);
    dialogOpen_ = false;
}

void TMainWindow::WithAlarmAndSleepHeld(const std::function<void()>& show)
{
    // Nothing goes off behind a dialog that tunes and mutes the card itself:
    // the alarm waits, and the sleep countdown goes on afterwards from where
    // it stood.
    const bool alarm = alarmOn_;
    const bool sleep = sleepOn_;
    const int sleepLeft = TSleep->isActive() ? TSleep->remainingTime() : -1;
    alarmOn_ = sleepOn_ = false;
    TSleep->stop();
    WithDialogRules(show);
    alarmOn_ = alarm;
    sleepOn_ = sleep;
    if (sleepLeft >= 0) TSleep->start(sleepLeft);
}

void TMainWindow::Actions_Alarm()
{
    if (busy_) return;
    if (settings_.Presets.UsedCount() == 0) {
        env_.Prompts->Message(WarningTitle(), tr("Favorites aren't defined"), tPromptIcon::Warning);
        return;
    }
    if (alarmOn_) {
        alarmOn_ = false;
    } else {
        int hour = settings_.AlarmHour, minute = settings_.AlarmMinute, preset = settings_.AlarmStation;
        WithDialogRules([&] {
            // The dialog only reads the card's bands: the card's thread goes on meanwhile.
            if (!env_.Dialogs->Alarm(nullptr, cardThread_->State(), settings_.Presets, currentPreset_, hour, minute,
                                     preset))
                return;
            settings_.AlarmHour = hour;
            settings_.AlarmMinute = minute;
            settings_.AlarmStation = preset;
            alarmOn_ = true;
        });
    }
    RefreshAlarmIndicator();
    SettingsChanged();
}

void TMainWindow::Actions_Sleep()
{
    if (busy_) return;
    if (sleepOn_) {
        sleepOn_ = false;
        TSleep->stop();
    } else {
        int minutes = sleepMinutes_;
        WithDialogRules([&] {
            if (!env_.Dialogs->Sleep(nullptr, minutes)) return;
            sleepMinutes_ = minutes;
            TSleep->start(minutes * 60000);
            sleepOn_ = true;
        });
    }
    RefreshSleepIndicator();
}

void TMainWindow::TSleepTimer()
{
    // A running script keeps the radio as it wants it; the countdown goes
    // round again, a whole round even when this one was resumed part-way.
    if (runner_.ProgOn()) {
        TSleep->start(sleepMinutes_ * 60000);
        return;
    }
    muted_ = true;
    SetCardMuted(true);
    RefreshMuteIndicator();
    if (recorder_ && settings_.RecordStopsAtSleep) StopRecording();
    sleepOn_ = false;
    RefreshSleepIndicator();
    TSleep->stop();
}

void TMainWindow::Actions_Prog()
{
    if (busy_) return;
    if (runner_.ProgOn()) {
        runner_.Stop();
    } else {
        // The editor works on a copy: only OK hands a script back.
        tScript script = runner_.Script;
        QString fileName = runner_.ScriptFileName;
        tScriptEditorEnv editor;
        editor.Card = radio_.get();
        editor.Presets = &settings_.Presets;
        editor.Prompts = env_.Prompts;
        // Asked on closing: the window's mute then, not a copy from now.
        editor.Muted = [this] { return muted_; };
        editor.Beep = [this](int pitch, int ms) {
            if (!env_.Hardware->Beep(pitch, ms)) env_.Prompts->Beep();
        };
        editor.Help = [this](const QString& topic) { ShowHelp(topic); };
        editor.Now = [this] { return Now().time(); };
        editor.DocumentsDir = StartFolder(settings_.ScriptsFolder);
        WithAlarmAndSleepHeld([&] {
            bool edited = false;
            {
                // The editor tests its steps on the card itself.
                const auto radio = cardThread_->Hold();
                edited = env_.Dialogs->EditScript(nullptr, editor, script, fileName);
            }
            if (!edited) return;
            runner_.Script = std::move(script);
            runner_.ScriptFileName = fileName;
            if (!fileName.isEmpty()) settings_.ScriptsFolder = FolderOf(fileName);
            btProg->setToolTip(ProgHint(tr("internal")));
            runner_.Start(Now());
        });
    }
    RefreshProgIndicator();
}

void TMainWindow::File_LoadScript()
{
    if (busy_) return;
    // The scripts' one remembered folder, shared with the script editor.
    const QString fileName = AskScriptFileToLoad(*env_.Prompts, runner_.Script.Count() > 0,
                                                 StartFolder(settings_.ScriptsFolder));
    if (fileName.isEmpty()) return;
    settings_.ScriptsFolder = FolderOf(fileName);

    runner_.Stop();
    tScript script;
    tScriptFault fault;
    const std::uint8_t result = LoadScriptFile(fileName, script, &fault);
    if (result != slLoaded) {
        // Why a file could not be read (not a regular file, say) goes on a line of its own.
        const QString why = result == slReadError && !fault.Why.isEmpty()
                                ? QStringLiteral("\n%1: %2").arg(fileName, fault.Why)
                                : QString();
        env_.Prompts->Message(WarningTitle(), ScriptLoadErrorText(result) + why,
                              tPromptIcon::Warning);
    } else {
        runner_.ScriptFileName = fileName;
        runner_.Script = std::move(script);
        btProg->setToolTip(ProgHint(fileName));
        runner_.Start(Now());
    }
    RefreshProgIndicator();
}

void TMainWindow::BeeperTimer()
{
    if (const auto beep = runner_.BeeperTick())
        if (!env_.Hardware->Beep(beep->Pitch, beep->MSecs)) env_.Prompts->Beep();
    if (!runner_.BeeperRunning()) Beeper->stop();
}

void TMainWindow::ScriptStartBeeper() { Beeper->start(); }

void TMainWindow::ScriptMute(bool mute)
{
    muted_ = mute;
    SetCardMuted(mute);
    RefreshMuteIndicator();
}

void TMainWindow::ScriptVolume(int step)
{
    // A step is 5% of the slider's whole range, whatever the line's scale;
    // the slider's own handler applies it.
    sVolume->setValue(int(std::lround(step * sVolume->maximum() / 20.0)));
}

void TMainWindow::ScriptStereo(bool stereo)
{
    // The stereo command flips the flag and re-tunes; a card that cannot
    // switch keeps its flag as it is.
    if (!card_->Caps().CanSetStereo) return;
    stereoWanted_ = !stereo;
    Actions_Stereo();
}

void TMainWindow::ScriptJumpTo(std::uint8_t band, double frequency, bool stereo)
{
    scriptTuning_ = true;
    TuneTo(band == 0 ? bAM : bFM, false, frequency);
    scriptTuning_ = false;
    ScriptStereo(stereo);
}

void TMainWindow::ScriptPreset(int preset, bool stereo)
{
    if (preset < 1 || preset > tPresets::Count || !settings_.Presets[preset].Used) return;
    scriptTuning_ = true;
    RecallPreset(preset, true);
    scriptTuning_ = false;
    ScriptStereo(stereo);
}

void TMainWindow::ScriptOff()
{
    // Silent before the close path, which may still ask the shutdown question.
    muted_ = true;
    SetCardMuted(true);
    RefreshMuteIndicator();
    close();
}
