#pragma once
// The program's command line: its options, the usage text and the words for
// a mistake. Qt's own options (one dash: -platform, -style, ...) are left to
// Qt, which takes them out of the arguments before the window is made.

#include <QString>
#include <QStringList>

struct tCommandLine {
    bool Help = false;    // --help, -h: print the usage, exit 0
    bool Version = false; // --version: print the version, exit 0
    bool Configure = false;
    bool Simulate = false;
    QString Stations;
    QString Trace;
    QString Action; // "--mute" or "--scan", the desktop entry's actions
    QString Error;  // a usage mistake: print it with the usage, exit 2
};

enum { ExitCommandLine = 2, ExitNoDisplay = 1 };

// `args` without the program's name. `qtOptions`: arguments with one dash
// are Qt's and skipped (before Qt has seen them); false once Qt took its own
// out, when any left is unknown.
tCommandLine ParseCommandLine(const QStringList& args, bool qtOptions);

QString ProgramUsage();
