#include "MediaPlayerControls.h"

#include "MediaPlayerService.h"

TMediaPlayerControls::TMediaPlayerControls(TMediaPlayerService* service)
    : QDBusAbstractAdaptor(service), service_(service)
{
}

QString TMediaPlayerControls::PlaybackStatus() const
{
    return service_->PlaybackStatus();
}

QVariantMap TMediaPlayerControls::Metadata() const
{
    return service_->Metadata();
}

double TMediaPlayerControls::Volume() const
{
    return service_->Volume();
}

void TMediaPlayerControls::SetVolume(double volume)
{
    service_->SetVolume(volume);
}

bool TMediaPlayerControls::CanGoNext() const
{
    return service_->CanGoNext();
}

bool TMediaPlayerControls::CanGoPrevious() const
{
    return service_->CanGoPrevious();
}

bool TMediaPlayerControls::CanPlayPause() const
{
    return service_->CanPlayPause();
}

void TMediaPlayerControls::Next()
{
    service_->Next();
}

void TMediaPlayerControls::Previous()
{
    service_->Previous();
}

void TMediaPlayerControls::Pause()
{
    service_->Pause();
}

void TMediaPlayerControls::PlayPause()
{
    service_->PlayPause();
}

void TMediaPlayerControls::Stop()
{
    service_->Stop();
}

void TMediaPlayerControls::Play()
{
    service_->Play();
}
