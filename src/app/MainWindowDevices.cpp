// No radio and radios plugged in later: without an open card the panel says
// so and the tuning controls rest; a radio device or a dongle that appears
// while none is open is offered at once, without a restart.

#include "MainWindow.h"

#include "Display.h"
#include "HardwareEnv.h"
#include "MainLayout.h"
#include "Prompts.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

QString TMainWindow::NoRadioText() { return tr("No radio"); }

void TMainWindow::ShowRadioState()
{
    const bool live = card_->Active();
    // Areas the layout hides stay disabled, so they never take the focus.
    const tMainLayout* layout = MainLayoutOf(settings_.DisplayType);
    gpTuner->setEnabled(live && layout && layout->Tuner);
    gpPresets->setEnabled(live && layout && layout->Presets);
    UpdateReadout();
    if (!live) {
        AM_FM->clear();
        HZ->clear();
        Tuned->clear();
        StationNum->clear();
        SetStationName(NoRadioText());
        ShowCaption(QString());
    }
    UpdateEdgeControls();
    RefreshMuteIndicator(); // no card, no sound; sets the menus' marks too
    // The RDS and USB sound look-out runs only where there is something to
    // look at, so an idle radio without them is not woken twice a second.
    if (live && (card_->Caps().HasRds || card_->usbAudioLoop))
        rdsTimer_->start();
    else
        rdsTimer_->stop();
}

unsigned TMainWindow::Dongles() const { return env_.Dongles ? env_.Dongles() : 0; }

void TMainWindow::DevicesChanged()
{
    const QStringList devices = env_.Hardware->RadioDevices();
    QStringList fresh;
    for (const QString& device : devices)
        if (!knownDevices_.contains(device)) fresh << device;
    // A device pulled out and put back is new again.
    knownDevices_ = devices;
    // So is a dongle: one more than last time is one plugged in.
    const int dongles = int(Dongles());
    const bool dongleCame = knownDongles_ >= 0 && dongles > knownDongles_;
    if (knownDongles_ >= 0) knownDongles_ = dongles;
    if ((fresh.isEmpty() && !dongleCame) || card_->Active() || busy_ || dialogOpen_ || !started_) return;
    if (!fresh.isEmpty())
        OfferRadioDevice(fresh.front());
    else
        OfferDongle();
}

void TMainWindow::OfferRadioDevice(const QString& device)
{
    bool yes = false;
    WithDialogRules([&] {
        yes = env_.Prompts->AskYesNo(tr("Radio found"),
                                     tr("The radio device %1 has been plugged in.\n"
                                        "Do you want to listen to it now?")
                                         .arg(device),
                                     tPromptIcon::Question);
    });
    // Gone again, or another card opened while the question was up.
    if (!yes || card_->Active() || !env_.Hardware->RadioDevices().contains(device)) return;
    tSetupValues values = SetupValues();
    values.Model = mV4L2;
    values.Port = int(env_.Hardware->RadioDevices().indexOf(device)) + 1;
    values.VolumeLine = vlNative;
    ApplySetup(values);
}

void TMainWindow::OfferDongle()
{
    bool yes = false;
    WithDialogRules([&] {
        yes = env_.Prompts->AskYesNo(tr("Radio found"),
                                     tr("An RTL-SDR dongle has been plugged in.\n"
                                        "Do you want to listen to it now?"),
                                     tPromptIcon::Question);
    });
    const unsigned dongles = Dongles();
    if (!yes || card_->Active() || dongles == 0) return;
    // The dongle the settings name when it is there, else the first; the
    // rest of the receiver's settings stay as they were.
    tSetupValues values = SetupValues();
    values.Model = mSdr;
    values.VolumeLine = vlNative;
    const QString source = values.Sdr.source;
    bool numbered = false;
    const unsigned index = source.startsWith(QLatin1String("rtlsdr:")) ? source.mid(7).toUInt(&numbered) : 0;
    if (!numbered || index >= dongles) values.Sdr.source = QStringLiteral("rtlsdr:0");
    ApplySetup(values);
}
