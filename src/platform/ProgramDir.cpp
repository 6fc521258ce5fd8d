#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ChooseProgramDir(const QString& exeDir, bool exeDirWritable, const QString& configHome,
                         const QString& home)
{
    if (exeDirWritable && !exeDir.isEmpty()) return exeDir;
    // The XDG rule: a relative $XDG_CONFIG_HOME is invalid and ignored.
    const QString base = !configHome.isEmpty() && QDir::isAbsolutePath(configHome)
                             ? configHome
                             : QDir(home).filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("vantoro"));
}

QString ProgramDir()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo info(exeDir);
    const QString dir = ChooseProgramDir(exeDir, info.isDir() && info.isWritable(),
                                         qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
    if (dir != exeDir) QDir().mkpath(dir);
    return dir;
}

QString FindDataFile(const QString& name, const QString& programDir, const QString& exeDir)
{
    const QStringList dirs = {programDir, exeDir, QDir(exeDir).filePath(QStringLiteral(VANTORO_DATA_FROM_BIN)),
#ifdef VANTORO_RESOURCES
                              QStringLiteral(VANTORO_RESOURCES)
#endif
    };
    for (const QString& dir : dirs) {
        const QString path = QDir::cleanPath(QDir(dir).filePath(name));
        if (QFileInfo::exists(path)) return path;
    }
    return QDir(programDir).filePath(name);
}

QString FindDataFile(const QString& name, const QString& programDir)
{
    return FindDataFile(name, programDir, QCoreApplication::applicationDirPath());
}
