#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace
{
const QString SettingsName = QStringLiteral("Vantoro.ini");
const QString ArchiveName = QStringLiteral("Vantoro.db");

// The XDG rule: an empty or relative base directory is invalid and ignored.
QString XdgBase(const QString& value, const QString& home, const QString& fallback)
{
    const QString base =
        !value.isEmpty() && QDir::isAbsolutePath(value) ? value : QDir(home).filePath(fallback);
    return QDir(base).filePath(QStringLiteral("vantoro"));
}
} // namespace

bool IsSystemDir(const QString& dir)
{
    const QString path = QDir::cleanPath(dir);
    for (const char* root :
         {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32", "/etc"}) {
        const QString r = QLatin1String(root);
        if (path == r || path.startsWith(r + QLatin1Char('/'))) return true;
    }
    return false;
}

tProgramDirs ChooseProgramDirs(const QString& exeDir, bool exeDirHasSettings,
                               const QString& configHome, const QString& dataHome,
                               const QString& home)
{
    if (exeDirHasSettings && !exeDir.isEmpty() && !IsSystemDir(exeDir))
        return {exeDir, exeDir, true};
    return {XdgBase(configHome, home, QStringLiteral(".config")),
            XdgBase(dataHome, home, QStringLiteral(".local/share")), false};
}

bool MakePrivateFolder(const QString& dir, QString* error)
{
    const QString path = QDir::cleanPath(QDir(dir).absolutePath());
    // The missing tail, made from the top down.
    QStringList missing;
    for (QString at = path; !QFileInfo(at).exists() && QFileInfo(at).path() != at; at = QFileInfo(at).path())
        missing.prepend(at);
    for (const QString& folder : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
            if (error)
                *error = QCoreApplication::translate("ProgramDir", "the folder %1 cannot be made: %2")
                             .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    if (!QFileInfo(path).isDir()) {
        if (error) *error = QCoreApplication::translate("ProgramDir", "%1 is not a folder").arg(path);
        return false;
    }
    return true;
}

tProgramDirs ProgramDirs(bool create)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo settings(QDir(exeDir).filePath(SettingsName));
    // A settings file the program could not write back is no portable copy.
    const tProgramDirs dirs = ChooseProgramDirs(
        exeDir, settings.isFile() && settings.isWritable() && QFileInfo(exeDir).isWritable(),
        qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
        QDir::homePath());
    if (create && !dirs.Portable) MakePrivateFolder(dirs.Settings);
    return dirs;
}

QString ProgramDir(bool create)
{
    return ProgramDirs(create).Settings;
}

QString ArchiveToRead(const QString& settingsDir, const QString& dataDir)
{
    const QString data = ArchiveToWrite(dataDir);
    const QString old = QDir(settingsDir).filePath(ArchiveName);
    return !QFileInfo::exists(data) && QFileInfo::exists(old) ? old : data;
}

QString ArchiveToWrite(const QString& dataDir)
{
    return QDir(dataDir).filePath(ArchiveName);
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
