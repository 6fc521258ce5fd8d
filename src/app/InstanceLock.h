#pragma once
// One running copy per user: a lock file held with flock() for the life of
// the process. The system lets go of it however the process ends, so a lock
// file that a copy killed at any moment left behind (empty, half written,
// anything) is taken over by the next start: only a live holder counts.
//
// The lock and the desktop actions' socket lie in a folder of the user's own
// that nobody else can create or write: "vantoro" in $XDG_RUNTIME_DIR when
// that is the user's, else in the state folder ($XDG_STATE_HOME, or
// ~/.local/state), which cleaners leave alone (the cache folder they may
// empty at any time). It is made with mode 0700 and used only when it is a
// real folder (not a link) owned by the user; never a shared name in /tmp.
// A copy that finds its lock gone (the folder deleted while it runs) takes
// it again, see Keep() and TLockKeeper.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// The instance folder for given facts: `runtimeDir` empty or not the user's
// means there is no runtime folder; `stateHome` empty or relative means
// `home`/.local/state.
QString ChooseInstanceDir(const QString& runtimeDir, bool runtimeDirOwned, const QString& stateHome,
                          const QString& home);

// Makes `dir` when missing (mode 0700) and checks that it is a folder of
// this user's own that nobody else may write; an empty text when it is,
// else what is wrong with it. With `dirFd`, the checked folder stays open
// there (the caller closes it), so what is made in it next is made in the
// folder that was checked, not in whatever the name points to by then.
QString PrepareInstanceDir(const QString& dir, int* dirFd = nullptr);

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

    // While held: when the lock file is gone or another file has taken its
    // name (its folder was deleted or emptied), makes the folder again and
    // locks a new file there. False when the lock is no longer this copy's
    // (ErrorText() says why); true while it is.
    bool Keep();

    tState State() const { return state_; }
    const QString& FileName() const { return fileName_; }
    QString ErrorText() const { return error_; }
    // The running copy's socket, beside the lock.
    QString SocketName() const;

private:
    TInstanceLock(QString fileName, QString error);
    // Opens and locks the file's name in the open folder `dirFd`.
    void Take(int dirFd);

    QString fileName_;
    QString error_;
    tState state_ = tState::Failed;
    int fd_ = -1;
};

// Keeps a held lock for the life of the program without waking it: the
// lock's folder (and the lock file) are watched, and whatever changes there
// (the file deleted or replaced, the folder emptied or deleted) has Keep()
// take the lock again once the folder has been still for `settleMs` (so a
// deletion under way, rm -rf, is not stopped by a new lock file); Kept then
// says the folder is whole again, for what lies beside the lock.
class TLockKeeper final : public QObject
{
    Q_OBJECT
public:
    TLockKeeper(TInstanceLock& lock, int settleMs = 200, QObject* parent = nullptr);

signals:
    void Kept();
    // The lock is no longer this copy's (ErrorText() of the lock); the
    // watch ends.
    void Lost(const QString& why);

private:
    void Check();
    // Watches the folder and the file as they are now; false when one is missing.
    bool Watch();

    TInstanceLock& lock_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
