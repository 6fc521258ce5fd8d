#pragma once
// One running copy per user: a lock file in $XDG_RUNTIME_DIR (else /tmp),
// held for the life of the process. A copy that finds it held ends at once.

#include <QLockFile>
#include <QString>
#include <memory>

// The lock file's name for this user in `runtimeDir` (empty: /tmp).
QString InstanceLockName(const QString& runtimeDir);
// The running copy's socket for desktop actions, beside the lock.
QString InstanceSocketName(const QString& runtimeDir);
// The held lock, or null when another live copy holds it.
std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& fileName);
