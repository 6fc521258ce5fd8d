#pragma once
// Desktop actions ("Mute", "Scan" in the application menu) reach the copy
// that runs: the launcher starts `vantoro --mute`, which finds the instance
// lock held and hands the word to the running copy over a local socket
// beside the lock, then ends. The running copy acts on it as on its own
// menu command. A copy started with an action and none running does the
// action itself once its window is up.

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;
class TMainWindow;

enum class TRemoteAction { Mute, Scan };

// The action a command-line argument names ("--mute", "--scan"), if any.
std::optional<TRemoteAction> RemoteActionOption(const QString& arg);

// Listens on `socketName` (a path) for one action word per connection.
class TRemoteActionServer final : public QObject {
    Q_OBJECT
public:
    // A socket file left by a copy that died is replaced: the caller holds
    // the instance lock, so no live copy can be listening there.
    TRemoteActionServer(const QString& socketName, QObject* parent);
    bool Listening() const;
    QString ErrorText() const;

signals:
    void Requested(TRemoteAction action);

private:
    void Accept();

    QLocalServer* server_;
};

// Hands `action` to the copy listening on `socketName`; false when none took it.
bool SendRemoteAction(const QString& socketName, TRemoteAction action);

// The main window's own command for the action; ignored while one of its
// dialogs is up, as the tray icon's clicks are.
void RunRemoteAction(TMainWindow& window, TRemoteAction action);
