#include "InstanceLock.h"

#include <QDir>
#include <unistd.h>

namespace {
QString InstanceFileName(const QString& runtimeDir, const char* extension)
{
    const QString dir = !runtimeDir.isEmpty() && QDir(runtimeDir).exists() ? runtimeDir : QStringLiteral("/tmp");
    return QDir(dir).filePath(QStringLiteral("Vantoro-%1.%2").arg(getuid()).arg(QLatin1String(extension)));
}
} // namespace

QString InstanceLockName(const QString& runtimeDir) { return InstanceFileName(runtimeDir, "lock"); }

QString InstanceSocketName(const QString& runtimeDir) { return InstanceFileName(runtimeDir, "socket"); }

std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& fileName)
{
    auto lock = std::make_unique<QLockFile>(fileName);
    // Never stale by age: a copy may run for months. A lock left by a copy
    // that died is still taken over, as its process no longer exists.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}
