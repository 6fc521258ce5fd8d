#pragma once
// What the alarm and sleep dialogs decide without widgets: which presets
// the alarm may recall on this card, the minute's carry into the hour, and
// the preset an entry names.

#include <QString>
#include <vector>

struct tPresets;

struct tAlarmEntry {
    int Preset = 0; // 1..100
    QString Text;   // "07 - Name"
};

// The band limits of the card the alarm will tune.
struct tAlarmBands {
    bool HasFM = true;
    bool HasAM = false;
    double FMMin = 87.0;
    double FMMax = 108.0;
};

// The presets in use that the card can receive, in order: FM ones whose
// printed frequency lies within the card's FM band, AM ones when the card
// has AM.
std::vector<tAlarmEntry> AlarmPresets(const tPresets& presets, const tAlarmBands& bands);

// A minute of 60 becomes 0 of the next hour (23 goes round to 0).
void CarryMinute(int& hour, int& minute);

// The preset number in an entry's first two characters, "00" being 100; 0
// when they are not a number.
int EntryPreset(const QString& text);

// Sleep minutes as the dialog offers them.
constexpr int SleepMin = 1;
constexpr int SleepMax = 120;
