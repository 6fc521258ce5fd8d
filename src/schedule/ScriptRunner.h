#pragma once
// Runs the loaded script while programming mode is on: each clock tick asks
// for the action of the current minute and runs it once, in the first tick
// of its minute; the first tick after the last action's minute ends the mode.
// A beep action plays its beeps one a second on the beeper's ticks.

#include "Script.h"

#include <QDateTime>
#include <QString>
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
    // Tune to the preset and record it for that many minutes; a preset not
    // in use does nothing.
    virtual void ScriptRecord(int preset, int minutes) = 0;
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

    bool ProgOn() const { return progOn_; }
    // Programming mode on, for the day of `now`: the script's actions run
    // in their minutes of that day. The last-run key is forgotten, unless
    // the action of this very minute has already run.
    void Start(const QDateTime& now);
    void Stop() { progOn_ = false; }

    // The clock's step in programming mode; nothing when the mode is off.
    // tkEnded: the first tick after the last action's minute of the day the
    // mode started (past midnight too); the mode is off.
    tTick Tick(const QDateTime& now);

    // The beeper's tick: the beep to play now, if any. Afterwards
    // BeeperRunning() says whether the beeper goes on ticking.
    std::optional<tBeep> BeeperTick();
    bool BeeperRunning() const { return beeperRunning_; }

    // The key of the last action run, so an action never runs twice in its
    // minute, even when the mode is switched off and on again within it.
    const QString& LastScriptKey() const { return lastScriptKey_; }

private:
    // Runs the action at a 1-based position, once in its minute.
    void RunScriptAction(int position, const QDateTime& now);

    TScriptTarget& target_;
    bool progOn_ = false;
    QDate day_;            // the day the mode started on
    QString lastScriptKey_;
    QDateTime lastRun_;    // the minute the last action ran in
    int beepCount_ = 0;
    zAction beep_;
    bool beeperRunning_ = false;
};
