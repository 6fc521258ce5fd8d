// Floods the running program's media player with Next (or Previous) calls,
// as a held media key or a script does, then reads a property and says how
// long its answer took and how long until every call was answered.
//   bus-flood [COUNT=300] [Next|Previous]

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args[1].toInt() : 300;
    const QString method = args.size() > 2 ? args[2] : QStringLiteral("Next");
    const QString service = QStringLiteral("org.mpris.MediaPlayer2.vantoro");
    const QString path = QStringLiteral("/org/mpris/MediaPlayer2");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("bus-flood: no session bus\n", stderr);
        return 1;
    }
    int answered = 0;
    qint64 lastAnswerMs = -1, readMs = -1;
    QString status;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        const auto message = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.mpris.MediaPlayer2.Player"), method);
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 600000), &app);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &app, [&](QDBusPendingCallWatcher* w) {
            ++answered;
            lastAnswerMs = clock.elapsed();
            w->deleteLater();
        });
    }
    const qint64 sentMs = clock.elapsed();
    auto read = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                               QStringLiteral("Get"));
    read << QStringLiteral("org.mpris.MediaPlayer2.Player") << QStringLiteral("PlaybackStatus");
    auto* reader = new QDBusPendingCallWatcher(bus.asyncCall(read, 600000), &app);
    QObject::connect(reader, &QDBusPendingCallWatcher::finished, &app, [&](QDBusPendingCallWatcher* w) {
        readMs = clock.elapsed();
        status = w->reply().arguments().value(0).value<QDBusVariant>().variant().toString();
    });
    while (readMs < 0 || answered < count) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%d %s calls sent in %lld ms; PlaybackStatus (%s) answered after %lld ms; all calls answered after %lld ms\n",
                count, qUtf8Printable(method), sentMs, qUtf8Printable(status), readMs, lastAnswerMs);
    return 0;
}
