#include "KeyCommands.h"

#include <QCoreApplication>
#include <QSet>
#include <QtGlobal>

const std::array<tKeyCommand, 36> KeyCommands = {{
    {"cmVolumeUp", QT_TRANSLATE_NOOP("TSettingsDialog", "Volume up"), 1},
    {"cmVolumeDown", QT_TRANSLATE_NOOP("TSettingsDialog", "Volume down"), 2},
    {"cmVolumeTo0", QT_TRANSLATE_NOOP("TSettingsDialog", "Volume reset"), 3},
    {"cmMixer", QT_TRANSLATE_NOOP("TSettingsDialog", "Mixer"), 4},
    {"cmMuteOnOff", QT_TRANSLATE_NOOP("TSettingsDialog", "Mute on/off"), 5},
    {"cmDecFreq", QT_TRANSLATE_NOOP("TSettingsDialog", "Tune left"), 6},
    {"cmIncFreq", QT_TRANSLATE_NOOP("TSettingsDialog", "Tune right"), 7},
    {"cmDecStep", QT_TRANSLATE_NOOP("TSettingsDialog", "Step +"), 8},
    {"cmIncStep", QT_TRANSLATE_NOOP("TSettingsDialog", "Step -"), 9},
    {"cmSleepOnOff", QT_TRANSLATE_NOOP("TSettingsDialog", "Sleep"), 10},
    {"cmAlarmOnOff", QT_TRANSLATE_NOOP("TSettingsDialog", "Alarm"), 11},
    {"cmScanLeft", QT_TRANSLATE_NOOP("TSettingsDialog", "Scan left"), 12},
    {"cmScanRight", QT_TRANSLATE_NOOP("TSettingsDialog", "Scan right"), 13},
    {"cmStopScan", QT_TRANSLATE_NOOP("TSettingsDialog", "Stop scan"), 14},
    {"cmEditFavs", QT_TRANSLATE_NOOP("TSettingsDialog", "Edit presets"), 15},
    {"cmSetup", QT_TRANSLATE_NOOP("TSettingsDialog", "Settings"), 16},
    {"cmOrganize", QT_TRANSLATE_NOOP("TSettingsDialog", "Organize"), 17},
    {"cmProgr", QT_TRANSLATE_NOOP("TSettingsDialog", "Scripting"), 18},
    {"cmExit", QT_TRANSLATE_NOOP("TSettingsDialog", "Exit"), 19},
    {"cmJump", QT_TRANSLATE_NOOP("TSettingsDialog", "Quick jump"), 20},
    {"cmOnTop", QT_TRANSLATE_NOOP("TSettingsDialog", "Always on top"), 21},
    {"cmMinimal", QT_TRANSLATE_NOOP("TSettingsDialog", "Minimal"), 22},
    {"cmMinimalTuner", QT_TRANSLATE_NOOP("TSettingsDialog", "Min+tuner"), 23},
    {"cmMinimalFavs", QT_TRANSLATE_NOOP("TSettingsDialog", "Min+presets"), 24},
    {"cmStereo", QT_TRANSLATE_NOOP("TSettingsDialog", "Stereo"), 25},
    {"cmComplete", QT_TRANSLATE_NOOP("TSettingsDialog", "Complete disp."), 26},
    {"cmClear", QT_TRANSLATE_NOOP("TSettingsDialog", "Clear"), 27},
    {"cmClearAll", QT_TRANSLATE_NOOP("TSettingsDialog", "Clear all"), 28},
    {"cmMemory", QT_TRANSLATE_NOOP("TSettingsDialog", "Memory"), 29},
    {"cmRename", QT_TRANSLATE_NOOP("TSettingsDialog", "Rename"), 30},
    {"cmHelp", QT_TRANSLATE_NOOP("TSettingsDialog", "Help topics"), 31},
    {"cmAbout", QT_TRANSLATE_NOOP("TSettingsDialog", "About"), 32},
    {"cmLoadScript", QT_TRANSLATE_NOOP("TSettingsDialog", "Load script"), 34},
    {"cmLoadPresets", QT_TRANSLATE_NOOP("TSettingsDialog", "Load presets"), 35},
    {"cmMinimalVolBtn", QT_TRANSLATE_NOOP("TSettingsDialog", "Min+vol+btn"), 36},
    {"cmMinimalVolBtnPre", QT_TRANSLATE_NOOP("TSettingsDialog", "Min+vol+btn+pre"), 37},
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
