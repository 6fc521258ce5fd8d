#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of vantoroctl.
enum { ExitOk = 0, ExitNotFound = 1, ExitUsage = 2, ExitNoCard = 3 };

// Every command and option, for --help and usage mistakes.
extern const char* const CtlUsage;

// Parses the options, configures and opens the card and runs the commands.
int RunCardCommands(const QStringList& args, QTextStream& out, QTextStream& err);
