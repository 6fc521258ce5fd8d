#pragma once
// Runs the loaded script while programming mode is on: each clock tick asks
// for the action of the current minute and runs it once, in the first tick
// of its minute; the first tick after the last action's minute ends the mode.
// A beep action plays its beeps one a second on the beeper's ticks.

#include "Script.h"

#include <QString>
#include <QTime>
#include <optional>

// What the actions do to the radio; the main window carries them out.
class TScriptTarget {
public:
    virtual ~TScriptTarget() = default;
    virtual void ScriptMute(bool mute) = 0;
    virtual void ScriptVolume(int step) = 0; // 0..20, 5% each
    virtual void ScriptJumpTo(std::uint8_t band, double frequency, bool stereo) = 0;
    virtual void ScriptPreset(int preset, bool stereo) = 0; // a preset not in use does nothing
    virtual void ScriptOff() = 0;                           // mute first, then close
    virtual void ScriptStartBeeper() = 0;                   // (re)start the one-second beeper
};

struct tBeep {
    int Pitch = 0; // Hz
    int MSecs = 0;
};

class TScriptRunner {
public:
    enum tTick { tkNothing, tkRan, tkEnded };

    explicit TScriptRunner(TScriptTarget& target) : target_(target) {}

    tScript Script;
    QString ScriptFileName; // empty when the script came from the editor
    bool ProgOn = false;

    // The clock's step in programming mode; nothing when the mode is off.
    // tkEnded: the script is over and the mode went off.
    tTick Tick(QTime now);
    // Runs the action at a 1-based position, once in its minute.
    void RunScriptAction(int position);

    // The beeper's tick: the beep to play now, if any. Afterwards
    // BeeperRunning() says whether the beeper goes on ticking.
    std::optional<tBeep> BeeperTick();
    bool BeeperRunning() const { return beeperRunning_; }

    // The key of the last action run. Kept across the mode and across
    // scripts, so an action never runs twice in its minute.
    const QString& LastScriptKey() const { return lastScriptKey_; }

private:
    TScriptTarget& target_;
    QString lastScriptKey_;
    int beepCount_ = 0;
    zAction beep_;
    bool beeperRunning_ = false;
};
