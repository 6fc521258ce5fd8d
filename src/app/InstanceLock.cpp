#include "InstanceLock.h"

#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString InstanceFileName(const QString& instanceDir, const char* extension)
{
    return QDir(instanceDir)
        .filePath(QStringLiteral("Vantoro-%1.%2").arg(geteuid()).arg(QLatin1String(extension)));
}

// A folder of this user's own: a directory, not a link, owned by the user.
bool OwnedDirectory(const QString& path)
{
    struct stat st = {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == geteuid();
}

} // namespace

QString ChooseInstanceDir(const QString& runtimeDir, bool runtimeDirOwned, const QString& stateHome,
                          const QString& home)
{
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) && runtimeDirOwned)
        return QDir(runtimeDir).filePath(QStringLiteral("vantoro"));
    // The XDG rule: a relative $XDG_STATE_HOME is invalid and ignored.
    const QString base = !stateHome.isEmpty() && QDir::isAbsolutePath(stateHome)
                             ? stateHome
                             : QDir(home).filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("vantoro"));
}

QString PrepareInstanceDir(const QString& dir, int* dirFd)
{
    if (dirFd) *dirFd = -1;
    const QByteArray path = QFile::encodeName(dir);
    const QString parent = QFileInfo(dir).path();
    if (QString why; !MakePrivateFolder(parent, &why)) return why;
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QCoreApplication::translate("InstanceLock", "cannot make the folder %1: %2").arg(dir, SystemError(errno));
    // Checked and tightened through one handle, so what is checked is what
    // is changed; O_NOFOLLOW refuses a link put in its place.
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return error == ELOOP || error == ENOTDIR
                   ? QCoreApplication::translate("InstanceLock", "%1 is not a folder but a link or a file").arg(dir)
                   : QCoreApplication::translate("InstanceLock", "cannot open the folder %1: %2").arg(dir, SystemError(error));
    }
    QString problem;
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        problem = QCoreApplication::translate("InstanceLock", "cannot read the folder %1: %2").arg(dir, SystemError(errno));
    else if (st.st_uid != geteuid())
        problem =
            QCoreApplication::translate("InstanceLock", "the folder %1 belongs to another user (%2)").arg(dir).arg(st.st_uid);
    else if ((st.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        problem = QCoreApplication::translate("InstanceLock", "cannot close the folder %1 to other users: %2")
                      .arg(dir, SystemError(errno));
    if (problem.isEmpty() && dirFd)
        *dirFd = fd;
    else
        ::close(fd);
    return problem;
}

QString InstanceLockName(const QString& instanceDir)
{
    return InstanceFileName(instanceDir, "lock");
}

QString InstanceSocketName(const QString& instanceDir)
{
    return InstanceFileName(instanceDir, "socket");
}

TInstanceLock::TInstanceLock(const QString& fileName) : fileName_(fileName)
{
    const QString dir = QFileInfo(fileName).path();
    const int dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        error_ = QCoreApplication::translate("InstanceLock", "cannot create the lock file %1: %2").arg(fileName, SystemError(errno));
        return;
    }
    Take(dirFd);
    ::close(dirFd);
}

void TInstanceLock::Take(int dirFd)
{
    // Relative to the folder checked before: a folder others may write
    // (a runtime folder set up wrongly) cannot swap the name for a link
    // between the check and the open. Not blocking: a FIFO put in its
    // place must not hold up the start.
    const QByteArray name = QFile::encodeName(QFileInfo(fileName_).fileName());
    fd_ = ::openat(dirFd, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error_ =
            QCoreApplication::translate("InstanceLock", "cannot create the lock file %1: %2").arg(fileName_, SystemError(errno));
        return;
    }
    struct stat st = {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ =
            QCoreApplication::translate("InstanceLock", "cannot use the lock file %1: it is not a regular file").arg(fileName_);
    } else if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = tState::Held;
        error_.clear();
        // Who holds it, for a person looking; the lock is the flock alone.
        const QByteArray pid = QByteArray::number(static_cast<qint64>(getpid())) + '\n';
        [[maybe_unused]] const bool noted =
            ::ftruncate(fd_, 0) == 0 && ::write(fd_, pid.constData(), pid.size()) == pid.size();
        return;
    } else if (errno == EWOULDBLOCK) {
        state_ = tState::Running;
    } else {
        error_ =
            QCoreApplication::translate("InstanceLock", "cannot lock the lock file %1: %2").arg(fileName_, SystemError(errno));
    }
    ::close(fd_);
    fd_ = -1;
}

bool TInstanceLock::Keep()
{
    if (state_ != tState::Held) return false;
    struct stat held = {}, named = {};
    if (::fstat(fd_, &held) == 0 &&
        ::lstat(QFile::encodeName(fileName_).constData(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        return true;
    // The old file stays locked until the new one is: no moment without.
    const int old = fd_;
    int dirFd = -1;
    const QString problem = PrepareInstanceDir(QFileInfo(fileName_).path(), &dirFd);
    if (!problem.isEmpty()) {
        error_ = problem;
        return false;
    }
    fd_ = -1;
    state_ = tState::Failed;
    Take(dirFd);
    ::close(dirFd);
    if (state_ == tState::Held) {
        ::close(old);
        return true;
    }
    // Another copy took the name meanwhile: this one keeps what it had.
    if (state_ == tState::Running)
        error_ = QCoreApplication::translate("InstanceLock", "another copy took the lock file %1").arg(fileName_);
    fd_ = old;
    state_ = tState::Held;
    return false;
}

TInstanceLock::TInstanceLock(QString fileName, QString error)
    : fileName_(std::move(fileName)), error_(std::move(error))
{
}

TInstanceLock::TInstanceLock(TInstanceLock&& other) noexcept
    : fileName_(std::move(other.fileName_)), error_(std::move(other.error_)), state_(other.state_),
      fd_(std::exchange(other.fd_, -1))
{
}

TInstanceLock::~TInstanceLock()
{
    if (fd_ >= 0) ::close(fd_);
}

TInstanceLock TInstanceLock::ForThisUser()
{
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString dir = ChooseInstanceDir(runtimeDir, OwnedDirectory(runtimeDir),
                                          qEnvironmentVariable("XDG_STATE_HOME"), QDir::homePath());
    int dirFd = -1;
    const QString problem = PrepareInstanceDir(dir, &dirFd);
    TInstanceLock lock(InstanceLockName(dir), problem);
    if (problem.isEmpty()) {
        lock.Take(dirFd);
        ::close(dirFd);
    }
    return lock;
}

QString TInstanceLock::SocketName() const
{
    return InstanceSocketName(QFileInfo(fileName_).path());
}

TLockKeeper::TLockKeeper(TInstanceLock& lock, int settleMs, QObject* parent) : QObject(parent), lock_(lock)
{
    settle_.setSingleShot(true);
    settle_.setInterval(settleMs);
    connect(&settle_, &QTimer::timeout, this, &TLockKeeper::Check);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    Watch();
}

bool TLockKeeper::Watch()
{
    // A path that went away has left the watch by itself; one made again
    // is added again.
    bool whole = true;
    for (const QString& path : {QFileInfo(lock_.FileName()).path(), lock_.FileName()}) {
        if (watcher_.directories().contains(path) || watcher_.files().contains(path)) continue;
        whole = watcher_.addPath(path) && whole;
    }
    return whole;
}

void TLockKeeper::Check()
{
    // A folder deleted again between taking the lock and watching it would
    // go unnoticed: taken and watched until both hold (a few turns at most,
    // while something deletes as fast as the lock is made).
    for (int turn = 0; turn < 10; ++turn) {
        if (!lock_.Keep()) {
            watcher_.removePaths(watcher_.files() + watcher_.directories());
            emit Lost(lock_.ErrorText());
            return;
        }
        if (Watch()) break;
    }
    emit Kept();
}
