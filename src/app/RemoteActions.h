#pragma once
// Desktop actions ("Mute", "Scan" in the application menu) reach the copy
// that runs: the launcher starts `vantoro --mute`, which finds the instance
// lock held and hands the word to the running copy over a local socket
// beside the lock, then ends. The running copy acts on it as on its own
// menu command. A second start without an action hands over "raise": the
// running window comes forward, also from the tray; the launcher's
// activation token, when the start was given one, follows the word
// ("raise TOKEN") so the window manager lets the window take the focus. A copy started with an
// action and none running does the action itself once its window is up.

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QLocalServer;
class QLocalSocket;
class TMainWindow;

enum class TRemoteAction { Mute, Scan, Raise };

// The action a command-line argument names ("--mute", "--scan"), if any.
std::optional<TRemoteAction> RemoteActionOption(const QString& arg);

// Listens on `socketName` (a path) for one action word per connection. A
// few connections are served at once, the rest wait in the system's queue;
// one that sends no whole word within a second is dropped. Whatever a client
// does, the server keeps listening: should the socket close (no descriptor
// left to accept with), or its file be deleted or replaced, it is opened
// again within a second or two.
class TRemoteActionServer final : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxClients = 4;
    static constexpr int IdleLimitMs = 1000;

    // A socket file left by a copy that died is replaced: the caller holds
    // the instance lock, so no live copy can be listening there.
    TRemoteActionServer(const QString& socketName, QObject* parent);
    bool Listening() const;
    QString ErrorText() const;
    // Listens again when the server closed or its socket file went or was
    // replaced (also checked once a second).
    void ListenAgainIfLost();
    int Clients() const { return clients_; }

signals:
    // `token`: the activation token that came with "raise", else empty.
    void Requested(TRemoteAction action, const QByteArray& token);

private:
    void Listen();
    // The socket file is still the one this server made.
    bool OwnsSocketFile() const;
    void Accept();
    void Serve(QLocalSocket* socket);

    QString socketName_;
    QLocalServer* server_;
    int clients_ = 0;
    quint64 socketDevice_ = 0, socketInode_ = 0;
};

// Hands `action` to the copy listening on `socketName`; false when none took
// it, with the reason in *error. A copy that holds the lock but does not
// listen yet is still starting: it is tried again for up to `startWaitMs`.
// A "raise" carries `token` when it is a valid activation token.
bool SendRemoteAction(const QString& socketName, TRemoteAction action, QString* error = nullptr,
                      const QByteArray& token = {}, int startWaitMs = 0);

// How long a second start waits for a running copy that is still starting.
constexpr int RunningCopyStartWaitMs = 5000;

// A second start: hands the actions of `args` (or "raise" when none) to the
// running copy, waiting up to `startWaitMs` for one still starting. 0 when
// each was delivered, else 1 after one line on stderr. `token` is this
// start's activation token (empty: none).
int ForwardToRunningCopy(const QString& socketName, const QStringList& args, const QByteArray& token = {},
                         int startWaitMs = RunningCopyStartWaitMs);

// The main window's own command for the action; ignored while one of its
// dialogs is up, as the tray icon's clicks are, except "raise", which brings
// the window (and the dialog) forward.
void RunRemoteAction(TMainWindow& window, TRemoteAction action, const QByteArray& token = {});
