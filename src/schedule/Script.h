#pragma once
// A script: a titled list of timed actions for one day. At most one action a
// minute, in strictly rising order of their minutes; the clock finds the one
// due by a binary search, so the order is what makes an action run at all.

#include <QString>
#include <QTime>
#include <cstdint>
#include <vector>

// The kinds share their codes with the action words of the script file.
enum tActionKind : std::uint8_t {
    zNone = 0,
    zMuteOn = 1,
    zMuteOff = 2,
    zBeep = 3,
    zVolume = 4,
    zJumpTo = 5,
    zPreset = 6,
    zOff = 7,
    // Newer than the rest: a file holding it is refused by copies that
    // predate it, as any line with an unknown word is.
    zRecord = 8,
};

// One action. A plain value holding the fields of every kind; only those of
// its own kind mean anything.
struct zAction {
    tActionKind Kind = zNone;
    QTime Time{0, 0}; // only the hour and the minute count
    // zVolume: volume step 0..20 (5% each).
    std::uint8_t Volume = 0;
    // zPreset, zRecord: preset number 1..100.
    std::uint8_t Preset = 0;
    // zPreset, zJumpTo.
    bool Stereo = false;
    // zJumpTo: MHz on both bands; band 0 AM, 1 FM.
    double Frequency = 0;
    std::uint8_t Band = 0;
    // zBeep: number of beeps 1..50, pitch 1..20000 Hz, length 1..1000 ms.
    std::uint8_t Times = 1;
    std::int32_t BeepFreq = 5000;
    std::int32_t MSecs = 300;
    // zRecord: how long to record, 1..MaxRecordMinutes minutes.
    std::int32_t Minutes = 60;

    int Hour() const { return Time.hour(); }
    int Minute() const { return Time.minute(); }
    // "HHMM"; keys compare as text in the order of the times of day.
    QString Key() const;
    // Same minute, same kind and the same values of that kind's fields.
    bool SameAs(const zAction& other) const;
};

// An action of a kind with the defaults it is created with. A jump takes the
// card's band and stereo setting and starts at the band's lowest frequency
// (76.0 MHz on FM, 0.531 on AM); a preset takes the card's stereo setting.
// The longest recording a script asks for: a day.
constexpr int MaxRecordMinutes = 1440;

zAction MakeAction(tActionKind kind, QTime time, std::uint8_t cardBand = 1, bool cardStereo = false);

// "0730" for 07:30.
QString ActionKey(int hour, int minute);
// "Mute on", "Jump to", ...; empty for zNone.
QString ActionWord(tActionKind kind);

struct tScript {
    QString Title;
    std::vector<zAction> Actions;

    int Count() const { return int(Actions.size()); }
    // Action n, 1-based.
    const zAction& At(int n) const { return Actions.at(std::size_t(n - 1)); }
    // Titles compared trimmed, then the actions one by one.
    bool SameAs(const tScript& other) const;
};

// 0 when no action is due in that minute, the 1-based position of the action
// of that minute, or Count+1 when the minute is later than the last action's.
int FindScriptAction(const tScript& script, int hour, int minute);
