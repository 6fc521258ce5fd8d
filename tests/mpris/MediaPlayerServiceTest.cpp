// The media player interfaces over a fake radio: which preset next and
// previous recall, what each call asks of the radio, what the metadata says
// and which changes are announced.

#include "MediaPlayerService.h"

#include <QDBusObjectPath>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace
{

class TFakeHost final : public TPlayerHost
{
public:
    tPlayerState PlayerState() const override { return state; }
    bool TakesCommands() const override { return takes; }
    void PlayerToggleMute() override
    {
        calls << QStringLiteral("mute");
        state.Muted = !state.Muted;
    }
    void PlayerRecallPreset(int n) override { calls << QStringLiteral("recall %1").arg(n); }
    void PlayerSetVolume(double fraction) override
    {
        calls << QStringLiteral("volume %1").arg(fraction);
    }
    void PlayerRaise() override { calls << QStringLiteral("raise"); }
    void PlayerQuit() override { calls << QStringLiteral("quit"); }

    tPlayerState state;
    bool takes = true;
    QStringList calls;
};

// An open card that can mute, its slider half way.
tPlayerState Playing(bool muted = false)
{
    tPlayerState state;
    state.Open = state.CanMute = state.VolumeUsable = true;
    state.Muted = muted;
    state.Volume = 0.5;
    return state;
}

} // namespace

TEST(MediaPlayerService, NextAndPreviousWalkTheUsedPresetsInNumberOrderAndWrap)
{
    struct tRow {
        QList<int> presets;
        int current;
        int next;
        int previous;
    };
    const tRow rows[] = {
        {{1, 3, 7}, 3, 7, 1}, {{1, 3, 7}, 7, 1, 3}, // the last wraps to the first
        {{1, 3, 7}, 1, 3, 7},                       // and the first back to the last
        {{7, 1, 3}, 3, 7, 1}, // in number order, whatever order the host gives
        {{1, 3, 7}, 0, 1, 7}, // on no preset: the lowest and the highest
        {{1, 3, 7}, 4, 7, 3}, // on a preset the card cannot receive
        {{5}, 5, 0, 0},       // only the current one: nowhere to go
        {{5}, 0, 5, 5},       {{}, 0, 0, 0},
    };
    for (const tRow& row : rows) {
        TFakeHost host;
        host.state.Presets = row.presets;
        host.state.CurrentPreset = row.current;
        TMediaPlayerService service(host);
        SCOPED_TRACE(testing::Message()
                     << "current " << row.current << " of " << row.presets.size());
        EXPECT_EQ(service.PresetAfter(true), row.next);
        EXPECT_EQ(service.PresetAfter(false), row.previous);
        EXPECT_EQ(service.CanGoNext(), row.next != 0);
        EXPECT_EQ(service.CanGoPrevious(), row.previous != 0);
        service.Next();
        QTest::qWait(0); // recalled once the calls waiting are answered
        host.state.CurrentPreset = row.current;
        service.Previous();
        QTest::qWait(0);
        QStringList expected;
        if (row.next) expected << QStringLiteral("recall %1").arg(row.next);
        if (row.previous) expected << QStringLiteral("recall %1").arg(row.previous);
        EXPECT_EQ(host.calls, expected);
    }
}

TEST(MediaPlayerService, CallsBecomeTheRadiosOwnCommandsUnlessADialogIsUp)
{
    struct tRow {
        const char* what;
        bool muted;
        bool takes;
        std::function<void(TMediaPlayerService&)> call;
        QStringList expected;
    };
    const auto mute = QStringList{QStringLiteral("mute")};
    const tRow rows[] = {
        {"PlayPause playing", false, true, &TMediaPlayerService::PlayPause, mute},
        {"PlayPause muted", true, true, &TMediaPlayerService::PlayPause, mute},
        {"Play muted", true, true, &TMediaPlayerService::Play, mute},
        {"Play playing", false, true, &TMediaPlayerService::Play, {}},
        {"Pause playing", false, true, &TMediaPlayerService::Pause, mute},
        {"Pause muted", true, true, &TMediaPlayerService::Pause, {}},
        {"Stop playing", false, true, &TMediaPlayerService::Stop, mute},
        {"Stop muted", true, true, &TMediaPlayerService::Stop, {}},
        {"Volume",
         false,
         true,
         [](TMediaPlayerService& s) { s.SetVolume(0.25); },
         {QStringLiteral("volume 0.25")}},
        {"Volume above 1",
         false,
         true,
         [](TMediaPlayerService& s) { s.SetVolume(7); },
         {QStringLiteral("volume 1")}},
        {"Volume below 0",
         false,
         true,
         [](TMediaPlayerService& s) { s.SetVolume(-1); },
         {QStringLiteral("volume 0")}},
        {"Volume NaN", false, true, [](TMediaPlayerService& s) { s.SetVolume(std::nan("")); }, {}},
        {"Raise", false, true, &TMediaPlayerService::Raise, {QStringLiteral("raise")}},
        {"Quit", false, true, &TMediaPlayerService::Quit, {QStringLiteral("quit")}},
        // While a dialog is up only raising acts.
        {"PlayPause, dialog", false, false, &TMediaPlayerService::PlayPause, {}},
        {"Play, dialog", true, false, &TMediaPlayerService::Play, {}},
        {"Stop, dialog", false, false, &TMediaPlayerService::Stop, {}},
        {"Next, dialog", false, false, &TMediaPlayerService::Next, {}},
        {"Volume, dialog", false, false, [](TMediaPlayerService& s) { s.SetVolume(0.5); }, {}},
        {"Quit, dialog", false, false, &TMediaPlayerService::Quit, {}},
        {"Raise, dialog", false, false, &TMediaPlayerService::Raise, {QStringLiteral("raise")}},
    };
    for (const tRow& row : rows) {
        TFakeHost host;
        host.state = Playing(row.muted);
        host.state.Presets = {2, 4};
        host.takes = row.takes;
        TMediaPlayerService service(host);
        row.call(service);
        QTest::qWait(1); // Quit answers first and acts after
        EXPECT_EQ(host.calls, row.expected) << row.what;
    }
    // The exit command may ask: the call is answered before the window acts.
    TFakeHost host;
    TMediaPlayerService service(host);
    service.Quit();
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST(MediaPlayerService, MetadataNamesTheStationAndOnlyChangesAreAnnounced)
{
    TFakeHost host;
    host.state = Playing();
    host.state.StationKey = QStringLiteral("FM101500");
    host.state.FrequencyText = QStringLiteral("101.5 MHz");
    TMediaPlayerService service(host);
    const auto title = [&] {
        return service.Metadata().value(QStringLiteral("xesam:title")).toString();
    };
    EXPECT_EQ(title(), QStringLiteral("101.5 MHz"));
    host.state.PresetName = QStringLiteral("City Talk");
    EXPECT_EQ(title(), QStringLiteral("City Talk"));
    host.state.RdsName = QStringLiteral("CITYTALK ");
    EXPECT_EQ(title(), QStringLiteral("CITYTALK"));
    EXPECT_FALSE(service.Metadata().contains(QStringLiteral("xesam:artist")));
    // The song the station tags goes before the station's name.
    service.TakeChanges();
    host.state.RdsTitle = QStringLiteral("Blue Monday");
    host.state.RdsArtist = QStringLiteral("New Order");
    EXPECT_EQ(title(), QStringLiteral("Blue Monday"));
    EXPECT_EQ(service.Metadata().value(QStringLiteral("xesam:artist")).toStringList(), QStringList{QStringLiteral("New Order")});
    EXPECT_FALSE(service.TakeChanges().isEmpty()) << "the song was not announced";
    // Only an artist tagged: the station's name stays the title.
    host.state.RdsTitle.clear();
    EXPECT_EQ(title(), QStringLiteral("CITYTALK"));
    EXPECT_EQ(service.Metadata().value(QStringLiteral("xesam:artist")).toStringList(), QStringList{QStringLiteral("New Order")});
    host.state.RdsArtist.clear();
    EXPECT_FALSE(service.Metadata().contains(QStringLiteral("xesam:artist")));
    const QVariantMap metadata = service.Metadata();
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:album")).toString(),
              QStringLiteral("101.5 MHz"));
    EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/vantoro/Vantoro/station/FM101500"));
    EXPECT_FALSE(metadata.contains(QStringLiteral("xesam:url")));
    host.state.StationKey = QStringLiteral("FM 101.5/");
    EXPECT_EQ(
        service.Metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
        QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));

    EXPECT_EQ(service.PlaybackStatus(), QStringLiteral("Playing"));
    host.state.Muted = true;
    EXPECT_EQ(service.PlaybackStatus(), QStringLiteral("Paused"));
    host.state.Open = false;
    EXPECT_EQ(service.PlaybackStatus(), QStringLiteral("Stopped"));

    service.TakeChanges();
    EXPECT_TRUE(service.TakeChanges().isEmpty()) << "nothing changed";
    host.state.Open = true;
    host.state.RdsName.clear();
    host.state.Presets = {9};
    const QVariantMap changed = service.TakeChanges();
    EXPECT_EQ(changed.keys(),
              (QStringList{QStringLiteral("CanGoNext"), QStringLiteral("CanGoPrevious"),
                           QStringLiteral("Metadata"), QStringLiteral("PlaybackStatus")}));
    EXPECT_EQ(changed.value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
    host.state.Volume = 0.75;
    EXPECT_EQ(service.TakeChanges(), (QVariantMap{{QStringLiteral("Volume"), 0.75}}));
}

// A flood of Next and Previous calls (a held media key) moves the target
// only: the one preset they arrive at is recalled once, and the state is
// read meanwhile without waiting for any tuning.
TEST(MediaPlayerService, AFloodOfNextCallsRecallsOnlyWhereItEnds)
{
    TFakeHost host;
    host.state = Playing();
    host.state.Presets = {1, 3, 7, 9};
    host.state.CurrentPreset = 3;
    TMediaPlayerService service(host);
    for (int i = 0; i < 301; ++i) service.Next(); // 301 steps of four: one on from 3
    EXPECT_TRUE(host.calls.isEmpty()) << "nothing tuned while calls wait";
    EXPECT_EQ(service.PlaybackStatus(), QStringLiteral("Playing"));
    EXPECT_TRUE(service.CanGoNext());
    QTest::qWait(0);
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("recall 7")});

    // Back and forth to where it stands: nothing to recall.
    host.calls.clear();
    host.state.CurrentPreset = 7;
    service.Next();
    service.Previous();
    QTest::qWait(0);
    EXPECT_TRUE(host.calls.isEmpty());

    // Previous twice from 7: 3, then 1.
    service.Previous();
    service.Previous();
    QTest::qWait(0);
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("recall 1")});

    // A dialog up by the time the target is reached: nothing is recalled.
    host.calls.clear();
    host.state.CurrentPreset = 1;
    service.Next();
    host.takes = false;
    QTest::qWait(0);
    EXPECT_TRUE(host.calls.isEmpty());
}

// Changes go out when the host says its state changed, not on a timer: no
// signal while nothing is said, one for a burst.
TEST(MediaPlayerService, ChangesAreAnnouncedWhenTheHostSaysSo)
{
    TFakeHost host;
    host.state = Playing();
    {
        TMediaPlayerService service(host);
        ASSERT_TRUE(host.OnPlayerChange) << "the service listens to the host";
        service.TakeChanges();
        host.state.Volume = 0.25;
        // Not published: the change waits for TakeChanges.
        host.OnPlayerChange();
        QTest::qWait(3 * TMediaPlayerService::AnnounceDelayMs);
        EXPECT_EQ(service.TakeChanges(), (QVariantMap{{QStringLiteral("Volume"), 0.25}}));
    }
    EXPECT_FALSE(host.OnPlayerChange) << "a service gone leaves no hook behind";
}
