#pragma once
// The script file: line 1 is ";" and the title, then one action a line,
//   Mute on.HHMM   Mute off.HHMM   Off.HHMM
//   Beep.HHMM.times.pitch.ms   Volume.HHMM.step
//   Jump to.HHMM.098,500.FM.ST   Preset.HHMM.7.MN
// lines ended by CR LF, fields found by the next ".". The frequency carries
// the user's decimal separator, or "," where that is "." (a "." would end the
// field); "," and the user's separator are read, and so is a "." where the
// frequency's two parts are digits and the line has one field too many.

#include "Script.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class QIODevice;
class TPrompts;
struct tPresets;

// Results of LoadScriptFile.
enum : std::uint8_t { slLoaded = 0, slCorrupt = 1, slReadError = 2 };

// Where and why a file is not a valid script.
struct tScriptFault {
    int Line = 0; // 1-based; 0 when the file could not be read
    QString Why;
};

// Whether the whole device, read from its start, is a valid script.
bool CheckScriptFile(QIODevice& device, tScriptFault* fault = nullptr);

// Reads a script. `script` is replaced only on slLoaded, never partly.
std::uint8_t LoadScriptFile(QIODevice& device, tScript& script, tScriptFault* fault = nullptr);
std::uint8_t LoadScriptFile(const QString& fileName, tScript& script, tScriptFault* fault = nullptr);

// The file's bytes. A preset action is written mono when its preset is on AM.
QByteArray ScriptFileText(const tScript& script, const tPresets& presets);
// Writes the file through a temporary file, so a failure leaves the previous
// file as it was. False on failure, with the reason in *error. A script the
// reader would refuse (an action outside the file's rules, no action at
// all) is not written: the reason names its line.
bool SaveScriptFile(const QString& fileName, const tScript& script, const tPresets& presets,
                    QString* error = nullptr);

// What the callers show: "The script file is corrupt", "Read error or disk
// not ready", "Script write error".
QString ScriptLoadErrorText(std::uint8_t result);
QString ScriptWriteErrorText();

// The open and save dialogs of script files.
QString ScriptFileFilter();
QString ScriptFileSuffix();

// Asks which script file to load, starting in `directory`; when `replacing`,
// first whether the script there may be erased. Empty when the user says no
// or cancels.
QString AskScriptFileToLoad(TPrompts& prompts, bool replacing, const QString& directory);
