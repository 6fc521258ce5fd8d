#pragma once
// Where the program keeps its files. A portable copy (an executable whose
// own folder already holds a "Vantoro.ini", as a copy unpacked into a folder
// of its own is set up) keeps everything there. Otherwise the settings go to
// $XDG_CONFIG_HOME/vantoro and the station archive, the user's data, to
// $XDG_DATA_HOME/vantoro. The program never writes into a system folder.

#include <QString>

struct tProgramDirs {
    QString Settings;      // the settings file "Vantoro.ini"
    QString Data;          // the station archive "Vantoro.db"
    bool Portable = false; // both are the executable's folder
};

// A folder that belongs to the system (the installation's bin, /etc, ...):
// never written to, whatever it holds.
bool IsSystemDir(const QString& dir);

// The rule itself, for given facts. `exeDirHasSettings`: the executable's
// folder holds a settings file. An empty or relative `configHome` or
// `dataHome` (the XDG rule calls them invalid) gives `home`/.config and
// `home`/.local/share.
tProgramDirs ChooseProgramDirs(const QString& exeDir, bool exeDirHasSettings,
                               const QString& configHome, const QString& dataHome,
                               const QString& home);

// Makes `dir` and every missing folder above it, each new one with mode 0700
// (the user's settings and stations are nobody else's business); folders
// already there keep their mode. False with the reason in *error when `dir`
// is not a folder afterwards. Every write into a folder the program chose
// comes after this, as the folder may have gone since the start.
bool MakePrivateFolder(const QString& dir, QString* error = nullptr);

// The rule applied to this process; with `create` the settings folder is
// made when missing (the data folder when the archive is first written).
// Needs a QCoreApplication.
tProgramDirs ProgramDirs(bool create = true);
// The settings folder of this process.
QString ProgramDir(bool create = true);

// The station archive to read: the one in the data folder, else one an
// earlier version left in the settings folder, else (none yet) the data
// folder's. It is always written to the data folder's.
QString ArchiveToRead(const QString& settingsDir, const QString& dataDir);
QString ArchiveToWrite(const QString& dataDir);

// A read-only file that comes with the program (help, tips), first found in:
// the program directory (a copy the user keeps), beside the executable, the
// installation's data directory (share/vantoro beside the executable's bin,
// so an installed copy finds it wherever the prefix is), then the sources of
// a build tree. Found nowhere: its name in the program directory.
QString FindDataFile(const QString& name, const QString& programDir, const QString& exeDir);
// The same for this process's executable. Needs a QCoreApplication.
QString FindDataFile(const QString& name, const QString& programDir);
