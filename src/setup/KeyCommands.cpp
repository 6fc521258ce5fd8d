#include "KeyCommands.h"

#include <QSet>

const std::array<tKeyCommand, 36> KeyCommands = {{
    {"cmVolumeUp", "Volume up", 1},
    {"cmVolumeDown", "Volume down", 2},
    {"cmVolumeTo0", "Volume reset", 3},
    {"cmMixer", "Mixer", 4},
    {"cmMuteOnOff", "Mute on/off", 5},
    {"cmDecFreq", "Tune left", 6},
    {"cmIncFreq", "Tune right", 7},
    {"cmDecStep", "Step +", 8},
    {"cmIncStep", "Step -", 9},
    {"cmSleepOnOff", "Sleep", 10},
    {"cmAlarmOnOff", "Alarm", 11},
    {"cmScanLeft", "Scan left", 12},
    {"cmScanRight", "Scan right", 13},
    {"cmStopScan", "Stop scan", 14},
    {"cmEditFavs", "Edit presets", 15},
    {"cmSetup", "Settings", 16},
    {"cmOrganize", "Organize", 17},
    {"cmProgr", "Scripting", 18},
    {"cmExit", "Exit", 19},
    {"cmJump", "Quick jump", 20},
    {"cmOnTop", "Always on top", 21},
    {"cmMinimal", "Minimal", 22},
    {"cmMinimalTuner", "Min+tuner", 23},
    {"cmMinimalFavs", "Min+presets", 24},
    {"cmStereo", "Stereo", 25},
    {"cmComplete", "Complete disp.", 26},
    {"cmClear", "Clear", 27},
    {"cmClearAll", "Clear all", 28},
    {"cmMemory", "Memory", 29},
    {"cmRename", "Rename", 30},
    {"cmHelp", "Help topics", 31},
    {"cmAbout", "About", 32},
    {"cmLoadScript", "Load script", 34},
    {"cmLoadPresets", "Load presets", 35},
    {"cmMinimalVolBtn", "Min+vol+btn", 36},
    {"cmMinimalVolBtnPre", "Min+vol+btn+pre", 37},
}};

QString DefaultKeyboardCommands()
{
    return QStringLiteral("UD0XM-+,.SA<>!EIOPQJT123ZCRLYKH678945");
}

bool IsValidKeyboardCommands(const QString& keys)
{
    if (keys.size() != KeyCommandCount) return false;
    QSet<QChar> seen;
    for (const QChar ch : keys) {
        if (seen.contains(ch)) return false;
        seen.insert(ch);
    }
    return true;
}

int KeyCommandPosition(const QString& keys, QChar typed)
{
    if (typed >= QLatin1Char('a') && typed <= QLatin1Char('z'))
        typed = QChar(typed.unicode() - 'a' + 'A');
    const int position = int(keys.indexOf(typed)) + 1;
    return position >= 1 && position <= KeyCommandCount && position != ReservedKeyPosition
               ? position
               : 0;
}
