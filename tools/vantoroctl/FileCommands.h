#pragma once
// vantoroctl's commands on the program's files.

#include <QStringList>
#include <QTextStream>

// "presets check FILE", "presets show FILE"; `args` starts after "presets".
int RunPresetsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// "settings show [DIR]"; `args` starts after "settings".
int RunSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// "script check FILE", "script show FILE"; `args` starts after "script".
int RunScriptCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// "archive show [FILE]": 0 read, 1 a row does not convert or rows are not in
// the tree, 2 missing or unreadable.
int RunArchiveCommand(const QStringList& args, QTextStream& out, QTextStream& err);
