#include "RemoteActions.h"

#include "MainWindow.h"
#include "WindowActivation.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <array>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

namespace {

struct TActionName {
    TRemoteAction action;
    const char* word;
    const char* option;
};
// "raise" has no option: it is what a start without an action asks for.
constexpr std::array<TActionName, 3> ActionNames{{
    {TRemoteAction::Mute, "mute", "--mute"},
    {TRemoteAction::Scan, "scan", "--scan"},
    {TRemoteAction::Raise, "raise", nullptr},
}};

// A request is one short word, for "raise" an activation token after a
// blank, and a line end; anything longer is not ours.
constexpr qint64 MaxRequest = 8 + 255;
// Long enough for a queue of silent clients to be dropped before us.
constexpr int SendTimeoutMs = 5000;

std::optional<TRemoteAction> ActionFromWord(const QByteArray& word)
{
    for (const TActionName& name : ActionNames)
        if (word == name.word) return name.action;
    return std::nullopt;
}

QByteArray WordOf(TRemoteAction action)
{
    for (const TActionName& name : ActionNames)
        if (name.action == action) return name.word;
    return {};
}

} // namespace

std::optional<TRemoteAction> RemoteActionOption(const QString& arg)
{
    for (const TActionName& name : ActionNames)
        if (name.option && arg == QLatin1String(name.option)) return name.action;
    return std::nullopt;
}

TRemoteActionServer::TRemoteActionServer(const QString& socketName, QObject* parent)
    : QObject(parent), socketName_(socketName), server_(new QLocalServer(this))
{
    // Taken one at a time as places free up; the rest wait in the system's
    // short queue rather than in this process, and beyond it are refused
    // (the sender waits for room until its time is up).
    server_->setMaxPendingConnections(1);
    server_->setListenBacklogSize(2 * MaxClients);
    connect(server_, &QLocalServer::newConnection, this, &TRemoteActionServer::Accept);
    Listen();
    // The server closes itself when an accept fails (no descriptor left);
    // listening again once a second keeps the desktop actions working.
    // A socket file deleted (its folder emptied by a cleaner) or taken by
    // another start is made again the same way.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &TRemoteActionServer::ListenAgainIfLost);
    watch->start(1000);
}

void TRemoteActionServer::ListenAgainIfLost()
{
    if (!server_->isListening() || !OwnsSocketFile()) Listen();
}

void TRemoteActionServer::Listen()
{
    // The socket lies in a folder only this user can enter, so it needs no
    // access options of its own (which would set it up through a temporary
    // folder a kill could leave behind).
    server_->close();
    QLocalServer::removeServer(socketName_);
    server_->listen(socketName_);
    struct stat st = {};
    const bool made = server_->isListening() && ::lstat(QFile::encodeName(socketName_).constData(), &st) == 0;
    socketDevice_ = made ? quint64(st.st_dev) : 0;
    socketInode_ = made ? quint64(st.st_ino) : 0;
}

bool TRemoteActionServer::OwnsSocketFile() const
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(socketName_).constData(), &st) == 0 && S_ISSOCK(st.st_mode) &&
           quint64(st.st_dev) == socketDevice_ && quint64(st.st_ino) == socketInode_;
}

bool TRemoteActionServer::Listening() const { return server_->isListening(); }

QString TRemoteActionServer::ErrorText() const { return server_->errorString(); }

void TRemoteActionServer::Accept()
{
    while (clients_ < MaxClients) {
        QLocalSocket* socket = server_->nextPendingConnection();
        if (!socket) return;
        Serve(socket);
    }
}

void TRemoteActionServer::Serve(QLocalSocket* socket)
{
    ++clients_;
    connect(socket, &QObject::destroyed, this, [this] {
        --clients_;
        Accept();
    });
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(IdleLimitMs, socket, drop);
    const auto read = [this, socket, drop] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > MaxRequest) drop();
            return;
        }
        const QByteArray line = socket->readLine(MaxRequest + 1).trimmed();
        drop();
        const qsizetype blank = line.indexOf(' ');
        const QByteArray word = blank < 0 ? line : line.left(blank);
        const QByteArray token = blank < 0 ? QByteArray() : line.mid(blank + 1);
        const auto action = ActionFromWord(word);
        if (!action || (!token.isEmpty() && (*action != TRemoteAction::Raise || !IsValidLaunchToken(token))))
            return;
        emit Requested(*action, token);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    // A word that came with the connection is read at once.
    if (socket->bytesAvailable() > 0) read();
}

bool SendRemoteAction(const QString& socketName, TRemoteAction action, QString* error, const QByteArray& token,
                      int startWaitMs)
{
    const QDeadlineTimer startWait(startWaitMs);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketName);
        bool ok = socket.waitForConnected(SendTimeoutMs);
        if (ok) {
            QByteArray request = WordOf(action);
            if (action == TRemoteAction::Raise && IsValidLaunchToken(token)) request += ' ' + token;
            socket.write(request + '\n');
            ok = socket.waitForBytesWritten(SendTimeoutMs);
        }
        if (ok) {
            socket.disconnectFromServer();
            return true;
        }
        // No socket yet, or nobody behind it: the copy holding the lock has
        // not begun to listen.
        const bool starting = socket.error() == QLocalSocket::ServerNotFoundError ||
                              socket.error() == QLocalSocket::ConnectionRefusedError;
        if (starting && !startWait.hasExpired()) {
            QThread::msleep(100);
            continue;
        }
        if (error)
            *error = starting && startWaitMs > 0 ? QCoreApplication::translate("RemoteActions", "the running copy is still starting")
                                                 : QStringLiteral("%1: %2").arg(socketName, socket.errorString());
        return false;
    }
}

int ForwardToRunningCopy(const QString& socketName, const QStringList& args, const QByteArray& token, int startWaitMs)
{
    std::vector<TRemoteAction> actions;
    for (qsizetype i = 1; i < args.size(); ++i)
        if (const auto action = RemoteActionOption(args[i])) actions.push_back(*action);
    if (actions.empty()) actions.push_back(TRemoteAction::Raise);
    for (const TRemoteAction action : actions) {
        QString error;
        if (!SendRemoteAction(socketName, action, &error, token, startWaitMs)) {
            std::fprintf(stderr,
                         "vantoro: another copy runs, but it could not be asked to %s (%s)\n",
                         WordOf(action).constData(), qUtf8Printable(error));
            return 1;
        }
    }
    return 0;
}

void RunRemoteAction(TMainWindow& window, TRemoteAction action, const QByteArray& token)
{
    if (action != TRemoteAction::Raise && window.DialogOpen()) return;
    switch (action) {
    case TRemoteAction::Mute: window.Volume_Mute(); break;
    case TRemoteAction::Scan: window.Actions_ScanNext(); break;
    case TRemoteAction::Raise: window.BringToFront(token); break;
    }
}
