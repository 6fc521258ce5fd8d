// The radio on a private session bus, driven as the desktop's media keys and
// playerctl drive it: one table of calls and what each does to the window.

#include "MainWindowFixture.h"
#include "MediaPlayerService.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <vector>

namespace
{

const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Keeps the player's PropertiesChanged signals.
class TChangeLog final : public QObject
{
    Q_OBJECT
public:
    QList<QVariantMap> changes;
public slots:
    void Changed(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == Player) changes << changed;
    }
};

} // namespace

class MainPlayerBusTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is missing (scripts/install-deps installs it): the "
                            "session bus is not tested";
        daemon_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon_.waitForReadyRead(5000)) << "dbus-daemon did not start";
        const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
        // The window's side and the caller's side, each a connection of its own.
        for (const QString& name : {ServerName, ClientName})
            ASSERT_TRUE(QDBusConnection::connectToBus(address, name).isConnected())
                << qPrintable(address);
    }

    void TearDown() override
    {
        player.reset();
        QDBusConnection::disconnectFromBus(ServerName);
        QDBusConnection::disconnectFromBus(ClientName);
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }

    TMainWindow& Published()
    {
        TMainWindow& w = Started();
        player = std::make_unique<TMediaPlayerService>(w.PlayerHost());
        EXPECT_TRUE(player->Publish(QDBusConnection(ServerName)));
        EXPECT_EQ(player->PublishedName(), QLatin1String(TMediaPlayerService::ServiceName));
        QDBusConnection(ClientName)
            .connect(QLatin1String(TMediaPlayerService::ServiceName),
                     QLatin1String(TMediaPlayerService::ObjectPath), Properties,
                     QStringLiteral("PropertiesChanged"), &log,
                     SLOT(Changed(QString, QVariantMap, QStringList)));
        return w;
    }

    // A call through the bus, answered while the window's events run.
    QDBusMessage Call(const QString& interface, const char* method,
                      const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QLatin1String(TMediaPlayerService::ServiceName),
            QLatin1String(TMediaPlayerService::ObjectPath), interface, QLatin1String(method));
        message.setArguments(arguments);
        const QDBusPendingCall pending = QDBusConnection(ClientName).asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000)) << method;
        EXPECT_EQ(pending.reply().type(), QDBusMessage::ReplyMessage)
            << method << ": " << qPrintable(pending.reply().errorMessage());
        return pending.reply();
    }
    QVariant Get(const char* property, const QString& interface = Player)
    {
        const QDBusMessage reply = Call(Properties, "Get", {interface, QLatin1String(property)});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    // Next or Previous, answered, then recalled once the calls are answered.
    void Step(const char* method, TMainWindow& w, int preset)
    {
        Call(Player, method);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.CurrentPreset() == preset; }, 2000)) << method;
    }
    QString Title()
    {
        return qdbus_cast<QVariantMap>(Get("Metadata"))
            .value(QStringLiteral("xesam:title"))
            .toString();
    }

    const QString ServerName = QStringLiteral("vantoro-test-window");
    const QString ClientName = QStringLiteral("vantoro-test-caller");
    QProcess daemon_;
    TChangeLog log;
    std::unique_ptr<TMediaPlayerService> player;
};

TEST_F(MainPlayerBusTest, CallsThroughTheBusRunTheWindowsOwnCommands)
{
    WriteConfigured(
        "VolumeLine=1\nShutDown=2\n[Audio]\nVolume=128\n[Presets]\nCurrent=3\nList=1,3,7,\n"
        "Station01=M 088.600 Harbour FM\nStation03=M 095.000 Classic\nStation07=M 101.700 City "
        "Talk\n");
    TMainWindow& w = Published();
    auto* slider = Child<QSlider>(QStringLiteral("sVolume"));
    ASSERT_NE(slider, nullptr);
    const QString root = QStringLiteral("org.mpris.MediaPlayer2");
    EXPECT_EQ(Get("Identity", root).toString(), QStringLiteral("Vantoro"));
    const QString xml = Call(QStringLiteral("org.freedesktop.DBus.Introspectable"), "Introspect")
                            .arguments()
                            .value(0)
                            .toString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<interface name=\"org.mpris.MediaPlayer2\">")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<interface name=\"org.mpris.MediaPlayer2.Player\">")));

    QDBusMessage answered;
    struct tRow {
        const char* what;
        std::function<void()> act;
        bool muted;
        int preset;
        const char* status;
        const char* title;
    };
    const tRow rows[] = {
        {"PlayPause mutes", [&] { Call(Player, "PlayPause"); }, true, 3, "Paused", "Classic"},
        {"Play unmutes", [&] { Call(Player, "Play"); }, false, 3, "Playing", "Classic"},
        {"Stop mutes", [&] { Call(Player, "Stop"); }, true, 3, "Paused", "Classic"},
        {"Pause keeps it muted", [&] { Call(Player, "Pause"); }, true, 3, "Paused", "Classic"},
        {"the key M", [&] { w.KeyPress(QLatin1Char('M')); }, false, 3, "Playing", "Classic"},
        {"Next", [&] { Step("Next", w, 7); }, false, 7, "Playing", "City Talk"},
        {"Next wraps", [&] { Step("Next", w, 1); }, false, 1, "Playing", "Harbour FM"},
        {"Previous wraps", [&] { Step("Previous", w, 7); }, false, 7, "Playing", "City Talk"},
        {"a dialog up: answered, not acted on",
         [&] {
             dialogs.whileAbout = [&] { answered = Call(Player, "PlayPause"); };
             w.Help_About();
         },
         false, 7, "Playing", "City Talk"},
    };
    for (const tRow& row : rows) {
        SCOPED_TRACE(row.what);
        log.changes.clear();
        row.act();
        EXPECT_EQ(w.Muted(), row.muted);
        EXPECT_EQ(w.Card().Muted(), row.muted);
        EXPECT_EQ(w.CurrentPreset(), row.preset);
        EXPECT_EQ(Get("PlaybackStatus").toString(), QLatin1String(row.status));
        EXPECT_EQ(Title(), QString::fromUtf8(row.title));
    }
    EXPECT_EQ(answered.type(), QDBusMessage::ReplyMessage);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 101.7);
    EXPECT_EQ(
        qdbus_cast<QVariantMap>(Get("Metadata")).value(QStringLiteral("xesam:album")).toString(),
        QStringLiteral("101.7 MHz"));

    // A change is announced: the mute made with the key reaches the desktop.
    QTest::qWait(3 * TMediaPlayerService::AnnounceDelayMs);
    log.changes.clear();
    w.KeyPress(QLatin1Char('M'));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(log.changes.cbegin(), log.changes.cend(), [](const QVariantMap& c) {
                return c.value(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Paused");
            });
        },
        2000));

    // The tuning is announced too, without any call asking for it.
    log.changes.clear();
    w.RecallPreset(3, true);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(log.changes.cbegin(), log.changes.cend(), [](const QVariantMap& c) {
                return qdbus_cast<QVariantMap>(c.value(QStringLiteral("Metadata")))
                           .value(QStringLiteral("xesam:title"))
                           .toString() == QLatin1String("Classic");
            });
        },
        2000));

    // A flood of Next calls: every one answered, a property read among them
    // too, and the radio ends on the preset they lead to (3 -> 7 -> 1 -> 3 ...).
    {
        std::vector<QDBusPendingCall> calls;
        const auto next = QDBusMessage::createMethodCall(QLatin1String(TMediaPlayerService::ServiceName),
                                                         QLatin1String(TMediaPlayerService::ObjectPath), Player,
                                                         QStringLiteral("Next"));
        for (int i = 0; i < 301; ++i) calls.push_back(QDBusConnection(ClientName).asyncCall(next));
        EXPECT_EQ(Get("PlaybackStatus").toString(), QStringLiteral("Paused"));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return std::all_of(calls.cbegin(), calls.cend(), [](const QDBusPendingCall& c) { return c.isFinished(); }); },
            10000));
        for (const QDBusPendingCall& c : calls) ASSERT_EQ(c.reply().type(), QDBusMessage::ReplyMessage);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.CurrentPreset() == 7; }, 2000)) << w.CurrentPreset();
    }

    // The volume both ways.
    Call(Properties, "Set",
         {Player, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(0.5))});
    EXPECT_EQ(slider->value(), (slider->maximum() + 1) / 2);
    slider->setValue(slider->maximum());
    EXPECT_DOUBLE_EQ(Get("Volume").toDouble(), 1.0);

    // Raise brings the window back from the tray; Quit closes as the exit
    // command does, its question asked once the call has its answer.
    w.Do_Hide();
    Call(root, "Raise");
    EXPECT_FALSE(w.Minimized());
    dialogs.exits.push_back(tExitChoice::Yes);
    Call(root, "Quit");
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.Closed(); }, 2000));
    EXPECT_EQ(dialogs.exitYesEnabled.size(), 1u);
}

#include "MainPlayerBusTest.moc"
