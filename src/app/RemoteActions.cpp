#include "RemoteActions.h"

#include "MainWindow.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <array>

namespace {

struct TActionName {
    TRemoteAction action;
    const char* word;
    const char* option;
};
constexpr std::array<TActionName, 2> ActionNames{{
    {TRemoteAction::Mute, "mute", "--mute"},
    {TRemoteAction::Scan, "scan", "--scan"},
}};

// A request is one short word and a line end; anything longer is not ours.
constexpr qint64 MaxRequest = 16;
constexpr int SendTimeoutMs = 2000;

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
        if (arg == QLatin1String(name.option)) return name.action;
    return std::nullopt;
}

TRemoteActionServer::TRemoteActionServer(const QString& socketName, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this))
{
    // Only this user may connect, also when the socket has to live in /tmp.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketName);
    connect(server_, &QLocalServer::newConnection, this, &TRemoteActionServer::Accept);
    server_->listen(socketName);
}

bool TRemoteActionServer::Listening() const { return server_->isListening(); }

QString TRemoteActionServer::ErrorText() const { return server_->errorString(); }

void TRemoteActionServer::Accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxRequest) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(MaxRequest + 1).trimmed();
            socket->disconnectFromServer();
            if (const auto action = ActionFromWord(line)) emit Requested(*action);
        });
    }
}

bool SendRemoteAction(const QString& socketName, TRemoteAction action)
{
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(SendTimeoutMs)) return false;
    socket.write(WordOf(action) + '\n');
    if (!socket.waitForBytesWritten(SendTimeoutMs)) return false;
    socket.disconnectFromServer();
    return true;
}

void RunRemoteAction(TMainWindow& window, TRemoteAction action)
{
    if (window.DialogOpen()) return;
    switch (action) {
    case TRemoteAction::Mute: window.Volume_Mute(); break;
    case TRemoteAction::Scan: window.Actions_ScanNext(); break;
    }
}
