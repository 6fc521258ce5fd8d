#include "MediaPlayerService.h"

#include "MediaPlayerControls.h"
#include "MediaPlayerRoot.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <cmath>
#include <unistd.h>

namespace
{

// The track id of a station: one path per band and frequency, the same in
// every run. Without a station, the id the interface reserves for "none".
QString TrackId(const QString& stationKey)
{
    static const QRegularExpression element(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!element.match(stationKey).hasMatch())
        return QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    return QStringLiteral("/org/vantoro/Vantoro/station/") + stationKey;
}

} // namespace

TMediaPlayerService::TMediaPlayerService(TPlayerHost& host, QObject* parent)
    : QObject(parent), host_(host), announceTimer_(new QTimer(this)), tuneTimer_(new QTimer(this))
{
    new TMediaPlayerRoot(this);
    new TMediaPlayerControls(this);
    // The host says when its state may have changed; what did change goes
    // out shortly after, one signal for a burst.
    announceTimer_->setSingleShot(true);
    announceTimer_->setInterval(AnnounceDelayMs);
    connect(announceTimer_, &QTimer::timeout, this, &TMediaPlayerService::Announce);
    host_.OnPlayerChange = [this] {
        if (bus_ && !announceTimer_->isActive()) announceTimer_->start();
    };
    // The preset Next and Previous arrived at, recalled once the calls
    // waiting have been answered.
    tuneTimer_->setSingleShot(true);
    tuneTimer_->setInterval(0);
    connect(tuneTimer_, &QTimer::timeout, this, &TMediaPlayerService::RecallPending);
}

TMediaPlayerService::~TMediaPlayerService()
{
    host_.OnPlayerChange = nullptr;
    Unpublish();
}

bool TMediaPlayerService::Publish(const QDBusConnection& bus)
{
    Unpublish();
    if (!bus.isConnected()) return false;
    QDBusConnection connection = bus;
    const QString path = QLatin1String(ObjectPath);
    if (!connection.registerObject(path, this, QDBusConnection::ExportAdaptors)) return false;
    QString name = QLatin1String(ServiceName);
    if (!connection.registerService(name)) {
        name += QStringLiteral(".instance%1").arg(::getpid());
        if (!connection.registerService(name)) {
            connection.unregisterObject(path);
            return false;
        }
    }
    bus_ = connection;
    name_ = name;
    announced_ = Current();
    return true;
}

void TMediaPlayerService::Unpublish()
{
    if (!bus_) return;
    announceTimer_->stop();
    bus_->unregisterService(name_);
    bus_->unregisterObject(QLatin1String(ObjectPath));
    bus_.reset();
    name_.clear();
}

void TMediaPlayerService::Raise()
{
    host_.PlayerRaise();
}

void TMediaPlayerService::Quit()
{
    if (!host_.TakesCommands()) return;
    // The exit command may ask the shutdown question: the caller has its
    // answer first, and the question does not hold the bus call open.
    QTimer::singleShot(0, this, [this] {
        if (host_.TakesCommands()) host_.PlayerQuit();
    });
}

QString TMediaPlayerService::PlaybackStatus() const
{
    const tPlayerState state = host_.PlayerState();
    if (!state.Open) return QStringLiteral("Stopped");
    return state.Muted ? QStringLiteral("Paused") : QStringLiteral("Playing");
}

QStringList TMediaPlayerService::Track(const tPlayerState& state) const
{
    // The song the station tags, else the station.
    QString title = state.RdsTitle.trimmed();
    if (title.isEmpty()) title = state.RdsName.trimmed();
    if (title.isEmpty()) title = state.PresetName.trimmed();
    if (title.isEmpty()) title = state.FrequencyText;
    return {TrackId(state.StationKey), title, state.FrequencyText, state.RdsArtist.trimmed()};
}

QVariantMap TMediaPlayerService::Metadata() const
{
    const QStringList track = Track(host_.PlayerState());
    QVariantMap metadata{{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(track[0]))},
                         {QStringLiteral("xesam:title"), track[1]},
                         {QStringLiteral("xesam:album"), track[2]}};
    if (!track[3].isEmpty()) metadata.insert(QStringLiteral("xesam:artist"), QStringList{track[3]});
    return metadata;
}

double TMediaPlayerService::Volume() const
{
    const tPlayerState state = host_.PlayerState();
    // A receiver without volume levels plays at the one loudness it has.
    if (!state.VolumeUsable) return state.Muted ? 0.0 : 1.0;
    return std::clamp(state.Volume, 0.0, 1.0);
}

void TMediaPlayerService::SetVolume(double volume)
{
    if (!host_.TakesCommands() || !std::isfinite(volume) || !host_.PlayerState().VolumeUsable)
        return;
    host_.PlayerSetVolume(std::clamp(volume, 0.0, 1.0));
}

bool TMediaPlayerService::CanPlayPause() const
{
    return host_.PlayerState().CanMute;
}

void TMediaPlayerService::MuteTo(bool mute)
{
    if (!host_.TakesCommands()) return;
    if (host_.PlayerState().Muted != mute) host_.PlayerToggleMute();
}

void TMediaPlayerService::PlayPause()
{
    if (host_.TakesCommands()) host_.PlayerToggleMute();
}

void TMediaPlayerService::Play()
{
    MuteTo(false);
}

void TMediaPlayerService::Pause()
{
    MuteTo(true);
}

// A radio cannot stop where it is and go on from there: Stop mutes it.
void TMediaPlayerService::Stop()
{
    MuteTo(true);
}

int TMediaPlayerService::PresetAfter(bool forward) const
{
    const tPlayerState state = host_.PlayerState();
    // From the preset a Next or Previous not yet recalled is heading for.
    const int current = pendingPreset_ != 0 ? pendingPreset_ : state.CurrentPreset;
    QList<int> presets = state.Presets;
    std::sort(presets.begin(), presets.end());
    if (presets.isEmpty()) return 0;
    int found = forward ? presets.front() : presets.back(); // wrapped round
    if (forward) {
        const auto after = std::upper_bound(presets.cbegin(), presets.cend(), current);
        if (after != presets.cend()) found = *after;
    } else {
        const auto before = std::lower_bound(presets.cbegin(), presets.cend(), current);
        if (before != presets.cbegin()) found = *(before - 1);
    }
    return found == current ? 0 : found;
}

void TMediaPlayerService::MoveTo(bool forward)
{
    if (!host_.TakesCommands()) return;
    // Recalling tunes the card, which takes a while on some cards: calls
    // that come meanwhile only move the target, and the last one is recalled.
    if (const int n = PresetAfter(forward)) {
        pendingPreset_ = n;
        if (!tuneTimer_->isActive()) tuneTimer_->start();
    }
}

void TMediaPlayerService::RecallPending()
{
    const int n = std::exchange(pendingPreset_, 0);
    if (n != 0 && host_.TakesCommands() && n != host_.PlayerState().CurrentPreset) host_.PlayerRecallPreset(n);
}

void TMediaPlayerService::Next()
{
    MoveTo(true);
}

void TMediaPlayerService::Previous()
{
    MoveTo(false);
}

TMediaPlayerService::tAnnounced TMediaPlayerService::Current() const
{
    const tPlayerState state = host_.PlayerState();
    tAnnounced now;
    now.Status = PlaybackStatus();
    now.Track = Track(state);
    now.Volume = Volume();
    now.CanGoNext = CanGoNext();
    now.CanGoPrevious = CanGoPrevious();
    now.CanPlayPause = state.CanMute;
    return now;
}

QVariantMap TMediaPlayerService::TakeChanges()
{
    const tAnnounced now = Current();
    QVariantMap changed;
    if (now.Status != announced_.Status)
        changed.insert(QStringLiteral("PlaybackStatus"), now.Status);
    if (now.Track != announced_.Track) changed.insert(QStringLiteral("Metadata"), Metadata());
    if (now.Volume != announced_.Volume) changed.insert(QStringLiteral("Volume"), now.Volume);
    if (now.CanGoNext != announced_.CanGoNext)
        changed.insert(QStringLiteral("CanGoNext"), now.CanGoNext);
    if (now.CanGoPrevious != announced_.CanGoPrevious)
        changed.insert(QStringLiteral("CanGoPrevious"), now.CanGoPrevious);
    if (now.CanPlayPause != announced_.CanPlayPause) {
        changed.insert(QStringLiteral("CanPlay"), now.CanPlayPause);
        changed.insert(QStringLiteral("CanPause"), now.CanPlayPause);
    }
    announced_ = now;
    return changed;
}

void TMediaPlayerService::Announce()
{
    const QVariantMap changed = TakeChanges();
    if (changed.isEmpty() || !bus_) return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(ObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(PlayerInterface) << changed << QStringList();
    bus_->send(signal);
}
