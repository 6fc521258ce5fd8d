#include "ScriptRunner.h"

namespace {

// The start of the minute `time` falls in.
QDateTime MinuteOf(const QDateTime& time)
{
    QDateTime minute = time;
    minute.setTime(QTime(time.time().hour(), time.time().minute()));
    return minute;
}

} // namespace

void TScriptRunner::Start(const QDateTime& now)
{
    // A key from another day or another minute would only keep an action of
    // the same minute from running.
    if (lastRun_ != MinuteOf(now)) lastScriptKey_.clear();
    day_ = now.date();
    progOn_ = true;
}

TScriptRunner::tTick TScriptRunner::Tick(const QDateTime& now)
{
    if (!progOn_) return tkNothing;
    const QTime time = now.time();
    const int found = FindScriptAction(Script, time.hour(), time.minute());
    // The script is one day's: over once the clock has passed its last
    // minute of the day the mode started, whatever the time of day says.
    bool over = false;
    if (!Script.Actions.empty()) {
        QDateTime last = now;
        last.setDate(day_);
        last.setTime(QTime(Script.Actions.back().Hour(), Script.Actions.back().Minute()));
        over = now >= last.addSecs(60);
    }
    if (over || found > Script.Count()) {
        progOn_ = false;
        return tkEnded;
    }
    if (found == 0) return tkNothing;
    RunScriptAction(found, now);
    return tkRan;
}

void TScriptRunner::RunScriptAction(int position, const QDateTime& now)
{
    // A copy: the off action may end the program, and with it this script.
    const zAction action = Script.At(position);
    const QString key = action.Key();
    if (key == lastScriptKey_) return;
    lastScriptKey_ = key;
    lastRun_ = MinuteOf(now);
    switch (action.Kind) {
    case zMuteOn: target_.ScriptMute(true); break;
    case zMuteOff: target_.ScriptMute(false); break;
    case zBeep:
        beep_ = action;
        beepCount_ = 1;
        beeperRunning_ = true;
        target_.ScriptStartBeeper();
        break;
    case zVolume: target_.ScriptVolume(action.Volume); break;
    case zJumpTo: target_.ScriptJumpTo(action.Band, action.Frequency, action.Stereo); break;
    case zPreset: target_.ScriptPreset(action.Preset, action.Stereo); break;
    case zOff: target_.ScriptOff(); break;
    case zRecord: target_.ScriptRecord(action.Preset, action.Minutes); break;
    default: break;
    }
}

std::optional<tBeep> TScriptRunner::BeeperTick()
{
    if (!progOn_ || beepCount_ > beep_.Times) {
        beeperRunning_ = false;
        return std::nullopt;
    }
    ++beepCount_;
    return tBeep{beep_.BeepFreq, beep_.MSecs};
}
