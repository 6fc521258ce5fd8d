#pragma once
// The script editor's rules without widgets: the time range an action may
// take, and adding, inserting, moving and deleting so that the script keeps
// one action a minute in strictly rising order. Every refused change leaves
// the script as it was and answers -1.

#include "Script.h"

#include <functional>

struct tTimeRange {
    int BeginHour = 0, BeginMinute = 0;
    int EndHour = 23, EndMinute = 59;
};

// The range of the action at a 0-based index (-1: none): from a minute after
// the previous action to a minute before the next one, 00:00 and 23:59 at
// the ends.
tTimeRange ActionRange(const tScript& script, int index);
// An hour put within the range; a minute put within it at that hour.
int HourInRange(const tTimeRange& range, int hour);
int MinuteInRange(const tTimeRange& range, int hour, int minute);

// A jump's frequency fitted to its band: limited to it (AM 0.531..1.62,
// FM 76.0..108.0) and rounded to the band's step above the lower limit
// (AM 0.009, FM `fmStep`), ties to even.
double FitFrequency(double frequency, std::uint8_t band, double fmStep);

// Why a preset action cannot be stored while no preset is.
QString PresetActionNeedsPresetText();

// `Perc` of a volume step: 7 gives "35%".
QString VolumePercent(int step);

// A new action at the end: at `now` in an empty script, else a minute after
// the last. Answers the new action's index.
int AddAction(tScript& script, zAction action, QTime now);
// A new action dropped on row `row` (0-based), which it goes before: a
// minute before the first row, or a minute after the row before; refused
// when no free minute lies between. Row -1 (below the last row) adds at the end.
int DropAction(tScript& script, zAction action, int row, QTime now);
// Moves the action at `from` to before `row`, or to the end for -1, with the
// time a drop there would get. Ignored with a single action.
int MoveAction(tScript& script, int from, int row);
// Deletes the action at `index`; answers the index to select next, -1 when
// the script is empty.
int DeleteAction(tScript& script, int index);

class TPrompts;
class TRadioCard;
struct tPresets;

// What the script editor works with besides the script.
struct tScriptEditorEnv {
    TRadioCard* Card = nullptr;          // tested on, re-tuned after every test
    const tPresets* Presets = nullptr; // the presets in use are offered
    TPrompts* Prompts = nullptr;
    std::function<bool()> Muted;         // the main window's mute now, put back on closing; null: not muted
    std::function<void(int pitch, int ms)> Beep;
    std::function<void(const QString&)> Help;
    std::function<QTime()> Now;          // the time a first action is added at; null: the system clock
    QString DocumentsDir;                // where an unnamed script is first proposed
};
