#pragma once
// One running copy per user: a lock file held with flock() for the life of
// the process. The system lets go of it however the process ends, so a lock
// file that a copy killed at any moment left behind (empty, half written,
// anything) is taken over by the next start: only a live holder counts.
//
// The lock and the desktop actions' socket lie in a folder of the user's own
// that nobody else can create or write: "vantoro" in $XDG_RUNTIME_DIR when
// that is the user's, else in the cache folder ($XDG_CACHE_HOME, or
// ~/.cache). It is made with mode 0700 and used only when it is a real
// folder (not a link) owned by the user; never a shared name in /tmp.

#include <QString>

// The instance folder for given facts: `runtimeDir` empty or not the user's
// means there is no runtime folder; `cacheHome` empty or relative means
// `home`/.cache.
QString ChooseInstanceDir(const QString& runtimeDir, bool runtimeDirOwned, const QString& cacheHome,
                          const QString& home);

// Makes `dir` when missing (mode 0700) and checks that it is a folder of
// this user's own that nobody else may write; an empty text when it is,
// else what is wrong with it.
QString PrepareInstanceDir(const QString& dir);

// The lock file and the running copy's socket in the instance folder.
QString InstanceLockName(const QString& instanceDir);
QString InstanceSocketName(const QString& instanceDir);

class TInstanceLock
{
public:
    enum class tState {
        Held,    // this process is the one copy
        Running, // another live copy holds it
        Failed,  // the lock could not be made: ErrorText() says which file and why
    };

    // Takes the lock at `fileName` at once, without waiting.
    explicit TInstanceLock(const QString& fileName);
    // The lock of this process's user, in the folder the rule gives.
    static TInstanceLock ForThisUser();
    TInstanceLock(TInstanceLock&& other) noexcept;
    TInstanceLock& operator=(TInstanceLock&&) = delete;
    ~TInstanceLock();

    tState State() const { return state_; }
    const QString& FileName() const { return fileName_; }
    QString ErrorText() const { return error_; }
    // The running copy's socket, beside the lock.
    QString SocketName() const;

private:
    TInstanceLock(QString fileName, QString error);

    QString fileName_;
    QString error_;
    tState state_ = tState::Failed;
    int fd_ = -1;
};
