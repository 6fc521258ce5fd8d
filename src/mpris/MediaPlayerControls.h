#pragma once
// org.mpris.MediaPlayer2.Player: the radio's sound, station and volume. A
// radio has no position to seek to and plays at one rate.

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

class TMediaPlayerService;

class TMediaPlayerControls final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlayPause)
    Q_PROPERTY(bool CanPause READ CanPlayPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit TMediaPlayerControls(TMediaPlayerService* service);

    QString PlaybackStatus() const;
    double Rate() const { return 1.0; }
    void SetRate(double) {} // a radio plays at one rate
    QVariantMap Metadata() const;
    double Volume() const;
    void SetVolume(double volume);
    qlonglong Position() const { return 0; }
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlayPause() const;
    bool CanSeek() const { return false; }
    bool CanControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    // Nothing to seek in and no addresses to open: these do nothing.
    void Seek(qlonglong Offset) { Q_UNUSED(Offset) }
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position)
    {
        Q_UNUSED(TrackId)
        Q_UNUSED(Position)
    }
    void OpenUri(const QString& Uri) { Q_UNUSED(Uri) }

signals:
    void Seeked(qlonglong Position);

private:
    TMediaPlayerService* service_;
};
