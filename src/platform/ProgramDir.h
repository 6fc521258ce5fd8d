#pragma once
// The program directory: where the settings file and the station archive
// live. It is the executable's directory when that is writable (a copy
// unpacked into a folder of its own), else $XDG_CONFIG_HOME/vantoro (an
// installed copy whose directory belongs to the system).

#include <QString>

// The rule itself, for given facts; `configHome` empty means
// $XDG_CONFIG_HOME is unset, and then `home`/.config is used.
QString ChooseProgramDir(const QString& exeDir, bool exeDirWritable, const QString& configHome,
                         const QString& home);

// The rule applied to this process; the fallback directory is created when
// missing. Needs a QCoreApplication.
QString ProgramDir();

// A read-only file that comes with the program (help, tips), first found in:
// the program directory (a copy the user keeps), beside the executable, the
// installation's data directory (share/vantoro beside the executable's bin,
// so an installed copy finds it wherever the prefix is), then the sources of
// a build tree. Found nowhere: its name in the program directory.
QString FindDataFile(const QString& name, const QString& programDir, const QString& exeDir);
// The same for this process's executable. Needs a QCoreApplication.
QString FindDataFile(const QString& name, const QString& programDir);
