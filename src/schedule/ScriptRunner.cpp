#include "ScriptRunner.h"

TScriptRunner::tTick TScriptRunner::Tick(QTime now)
{
    if (!ProgOn) return tkNothing;
    const int found = FindScriptAction(Script, now.hour(), now.minute());
    if (found == 0) return tkNothing;
    if (found > Script.Count()) {
        ProgOn = false;
        return tkEnded;
    }
    RunScriptAction(found);
    return tkRan;
}

void TScriptRunner::RunScriptAction(int position)
{
    // A copy: the off action may end the program, and with it this script.
    const zAction action = Script.At(position);
    const QString key = action.Key();
    if (key == lastScriptKey_) return;
    lastScriptKey_ = key;
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
    default: break;
    }
}

std::optional<tBeep> TScriptRunner::BeeperTick()
{
    if (!ProgOn || beepCount_ > beep_.Times) {
        beeperRunning_ = false;
        return std::nullopt;
    }
    ++beepCount_;
    return tBeep{beep_.BeepFreq, beep_.MSecs};
}
