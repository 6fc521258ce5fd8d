#pragma once
// The radio as a media player on the session bus: one object at
// /org/mpris/MediaPlayer2 with the org.mpris.MediaPlayer2 and
// org.mpris.MediaPlayer2.Player interfaces (the adaptors), under the name
// org.mpris.MediaPlayer2.vantoro. Media keys, the desktop's media controls,
// phones and playerctl drive the radio through it.
//
// Every call ends in one of the host's own commands. Changes are announced
// with org.freedesktop.DBus.Properties.PropertiesChanged: the host calls its
// OnPlayerChange when its state may have changed, and shortly after the
// state is compared with what was last announced, so a burst of changes (a
// scan, a held volume key) is one signal and an idle radio is never woken.
// Next and Previous move a target that is recalled once the calls waiting
// have been answered: a flood of them tunes the card once.

#include "PlayerHost.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <optional>

class QTimer;

class TMediaPlayerService final : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* ServiceName = "org.mpris.MediaPlayer2.vantoro";
    static constexpr const char* ObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* PlayerInterface = "org.mpris.MediaPlayer2.Player";
    static constexpr int AnnounceDelayMs = 50;

    explicit TMediaPlayerService(TPlayerHost& host, QObject* parent = nullptr);
    ~TMediaPlayerService() override;

    // Puts the object and the name on `bus`; changes are announced from then on.
    // A name another program holds gives way to the ".instance<pid>" form
    // media players use. False, with nothing left registered, when the bus is
    // not connected or refuses both.
    bool Publish(const QDBusConnection& bus);
    QString PublishedName() const { return name_; }

    // The root interface.
    void Raise();
    void Quit();

    // The player interface.
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    double Volume() const;
    void SetVolume(double volume);
    bool CanGoNext() const { return PresetAfter(true) != 0; }
    bool CanGoPrevious() const { return PresetAfter(false) != 0; }
    bool CanPlayPause() const;
    void PlayPause();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();

    // The used preset after (or before) the current one in number order,
    // wrapping; 0 when there is none other than the current one. While a
    // Next or Previous waits to be recalled, counted from its preset.
    int PresetAfter(bool forward) const;
    // The changed player properties since the last call, by name.
    QVariantMap TakeChanges();

private:
    struct tAnnounced {
        QString Status;
        QStringList Track; // track id, title, album, artist
        double Volume = 0;
        bool CanGoNext = false;
        bool CanGoPrevious = false;
        bool CanPlayPause = false;
    };
    tAnnounced Current() const;
    QStringList Track(const tPlayerState& state) const;
    void Announce();
    void Unpublish();
    void MoveTo(bool forward);
    void RecallPending();
    // Mutes (true) or unmutes through the host's toggle when not so already.
    void MuteTo(bool mute);

    TPlayerHost& host_;
    QTimer* announceTimer_;
    QTimer* tuneTimer_;
    int pendingPreset_ = 0; // where Next and Previous are heading; 0: nowhere
    std::optional<QDBusConnection> bus_;
    QString name_;
    tAnnounced announced_;
};
