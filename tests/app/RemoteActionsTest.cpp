// Desktop actions: the words on the running copy's socket, and what the
// window does with them.

#include "MainWindowFixture.h"
#include "RemoteActions.h"
#include "WindowActivation.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// Writes raw bytes to the server as a stranger might, and says whether the
// server dropped the connection.
bool SendRaw(const QString& name, const QByteArray& bytes)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    EXPECT_TRUE(socket.waitForConnected(2000));
    socket.write(bytes);
    socket.waitForBytesWritten(2000);
    return QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 2000);
}

} // namespace

TEST(RemoteActions, OnlyTheKnownWordsAreActedOn)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Vantoro.socket"));
    EXPECT_FALSE(SendRemoteAction(name, TRemoteAction::Mute)) << "no copy runs";

    // A socket file left behind by a copy that died does not stop the next one.
    QFile stale(name);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    TRemoteActionServer server(name, nullptr);
    ASSERT_TRUE(server.Listening()) << qPrintable(server.ErrorText());
    QSignalSpy spy(&server, &TRemoteActionServer::Requested);

    ASSERT_TRUE(SendRemoteAction(name, TRemoteAction::Mute));
    ASSERT_TRUE(SendRemoteAction(name, TRemoteAction::Scan));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.size() == 2; }, 2000));
    EXPECT_EQ(spy[0][0].value<TRemoteAction>(), TRemoteAction::Mute);
    EXPECT_EQ(spy[1][0].value<TRemoteAction>(), TRemoteAction::Scan);

    EXPECT_TRUE(SendRaw(name, "louder\n"));
    EXPECT_TRUE(SendRaw(name, QByteArray(64, 'm'))) << "a line that never ends is cut off";
    EXPECT_TRUE(SendRaw(name, "mute and more\n"));
    QTest::qWait(50);
    EXPECT_EQ(spy.size(), 2);

    EXPECT_EQ(RemoteActionOption(QStringLiteral("--scan")), TRemoteAction::Scan);
    EXPECT_EQ(RemoteActionOption(QStringLiteral("mute")), std::nullopt);
    EXPECT_EQ(RemoteActionOption(QStringLiteral("--raise")), std::nullopt)
        << "a start without an action raises";
}

TEST(RemoteActions, IdleClientsAreDroppedAndAnActionStillGetsThrough)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Vantoro.socket"));
    TRemoteActionServer server(name, nullptr);
    ASSERT_TRUE(server.Listening());
    QSignalSpy spy(&server, &TRemoteActionServer::Requested);
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 2 * TRemoteActionServer::MaxClients; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        QLocalSocket& client = *idle.back();
        client.connectToServer(name);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return client.state() == QLocalSocket::ConnectedState; }, 2000));
    }
    QString why;
    ASSERT_TRUE(SendRemoteAction(name, TRemoteAction::Raise, &why))
        << qPrintable(why) << server.Clients();
    int most = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            most = std::max(most, server.Clients());
            return spy.size() == 1;
        },
        5000));
    EXPECT_EQ(spy[0][0].value<TRemoteAction>(), TRemoteAction::Raise);
    EXPECT_LE(most, TRemoteActionServer::MaxClients);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return idle.front()->state() == QLocalSocket::UnconnectedState; }, 100))
        << "the first idle client was dropped after its second";
    EXPECT_TRUE(server.Listening());
}

TEST_F(MainWindowTest, DesktopActionsRunTheWindowsCommandsUnlessADialogIsUp)
{
    WriteConfigured("VolumeLine=1\nShutDown=2\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    RunRemoteAction(w, TRemoteAction::Mute);
    EXPECT_TRUE(w.Muted());
    EXPECT_TRUE(w.Card().Muted());
    RunRemoteAction(w, TRemoteAction::Mute);
    EXPECT_FALSE(w.Muted());

    RunRemoteAction(w, TRemoteAction::Scan);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);

    // While the shutdown question is up the window takes no commands but
    // "raise", which brings it forward, also from the tray.
    w.Do_Hide();
    dialogs.whileAskingExit = [&w] {
        RunRemoteAction(w, TRemoteAction::Mute);
        RunRemoteAction(w, TRemoteAction::Raise);
    };
    w.close(); // answered "Don't exit"
    EXPECT_FALSE(w.Minimized());
    EXPECT_FALSE(w.Muted());
    EXPECT_FALSE(w.Closed());
    dialogs.whileAskingExit = nullptr;
}

// A second start's activation token rides along with "raise" only, and only
// as a token: printable, without blanks or quotes.
TEST(RemoteActions, ARaiseCarriesTheLaunchersToken)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Vantoro.socket"));
    TRemoteActionServer server(name, nullptr);
    ASSERT_TRUE(server.Listening());
    QSignalSpy spy(&server, &TRemoteActionServer::Requested);
    const QByteArray token = "host-4711-host-vantoro-0_TIME123456";
    ASSERT_TRUE(SendRemoteAction(name, TRemoteAction::Raise, nullptr, token));
    ASSERT_TRUE(SendRemoteAction(name, TRemoteAction::Mute, nullptr, token)) << "a mute sends no token";
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.size() == 2; }, 2000));
    EXPECT_EQ(spy[0][0].value<TRemoteAction>(), TRemoteAction::Raise);
    EXPECT_EQ(spy[0][1].toByteArray(), token);
    EXPECT_EQ(spy[1][0].value<TRemoteAction>(), TRemoteAction::Mute);
    EXPECT_TRUE(spy[1][1].toByteArray().isEmpty());

    for (const char* refused : {"raise a\"b\n", "raise two words\n", "mute token\n"})
        EXPECT_TRUE(SendRaw(name, refused));
    EXPECT_TRUE(SendRaw(name, "raise " + QByteArray(300, 't') + "\n")) << "longer than any token";
    QTest::qWait(50);
    EXPECT_EQ(spy.size(), 2);
}

TEST(RemoteActions, TokensAndTheTimeTheyCarry)
{
    const struct {
        const char* token;
        bool valid;
        std::optional<quint32> time;
    } cases[] = {
        {"host-4711-host-vantoro-0_TIME123456", true, 123456u},
        {"_TIME4294967295", true, 4294967295u},
        {"_TIME4294967296", true, std::nullopt}, // beyond the X server's clock
        {"a_TIME12x", true, std::nullopt},
        {"0a1b2c3d-wayland-token", true, std::nullopt},
        {"_TIME", true, std::nullopt},
        {"", false, std::nullopt},
        {"with blank", false, std::nullopt},
        {"quote\"d", false, std::nullopt},
        {"back\\slash", false, std::nullopt},
        {"tab\there", false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidLaunchToken(c.token), c.valid) << c.token;
        EXPECT_EQ(StartupIdTime(c.token), c.time) << c.token;
    }
    EXPECT_FALSE(IsValidLaunchToken(QByteArray(256, 'x')));
    EXPECT_TRUE(IsValidLaunchToken(QByteArray(255, 'x')));

    qputenv("XDG_ACTIVATION_TOKEN", "wayland-token");
    qputenv("DESKTOP_STARTUP_ID", "x11_TIME1");
    EXPECT_EQ(LaunchToken(), QByteArray("wayland-token"));
    qputenv("XDG_ACTIVATION_TOKEN", "not valid");
    EXPECT_EQ(LaunchToken(), QByteArray("x11_TIME1"));
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    EXPECT_TRUE(LaunchToken().isEmpty());
}
