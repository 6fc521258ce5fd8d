#include "InstanceLock.h"

#include <QDir>
#include <unistd.h>

QString InstanceLockName(const QString& runtimeDir)
{
    const QString dir = !runtimeDir.isEmpty() && QDir(runtimeDir).exists() ? runtimeDir : QStringLiteral("/tmp");
    return QDir(dir).filePath(QStringLiteral("Vantoro-%1.lock").arg(getuid()));
}

std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& fileName)
{
    auto lock = std::make_unique<QLockFile>(fileName);
    // Never stale by age: a copy may run for months. A lock left by a copy
    // that died is still taken over, as its process no longer exists.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}
