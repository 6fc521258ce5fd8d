#pragma once
// The keyboard commands: one key string of 37 characters, a character per
// command in a fixed order, as the settings file keeps it and the settings
// dialog edits it. Position 33 is reserved: its key runs nothing.

#include <QString>
#include <array>

constexpr int KeyCommandCount = 37;
constexpr int ReservedKeyPosition = 33;

// One keyboard command as the settings dialog shows it.
struct tKeyCommand {
    const char* Name; // the dialog's list object name
    const char* Label;
    int Position; // 1-based position in the key string
};
// The 36 named commands, in key string order.
extern const std::array<tKeyCommand, 36> KeyCommands;

// "U" (volume up) to "5": the keys at first start and after "Reset to default".
QString DefaultKeyboardCommands();
// True for a key string of 37 characters with no character twice.
bool IsValidKeyboardCommands(const QString& keys);
// The command position (1..37, never the reserved one) a typed character
// runs, 0 for none. Letters a..z count as A..Z, so lower-case letters in
// the string never match.
int KeyCommandPosition(const QString& keys, QChar typed);
