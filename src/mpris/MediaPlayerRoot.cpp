#include "MediaPlayerRoot.h"

#include "MediaPlayerService.h"

TMediaPlayerRoot::TMediaPlayerRoot(TMediaPlayerService* service)
    : QDBusAbstractAdaptor(service), service_(service)
{
}

void TMediaPlayerRoot::Raise()
{
    service_->Raise();
}

void TMediaPlayerRoot::Quit()
{
    service_->Quit();
}
