// Volume and mute: the "Volume" group (slider, mixer button, or the note that
// nothing can be controlled), MTE and the "Volume" menu items. Loudness and
// mute go through the radio card, which sends them to the card itself or to
// a line of the sound card's mixer; changes other programs make to that line
// come back through the card's OnMixerChange and move the slider.

#include "MainWindow.h"

#include "HardwareEnv.h"
#include "Mixer.h"
#include "MixerDialog.h"
#include "Prompts.h"
#include "WidgetKit.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <cmath>
#include <cstdio>

std::unique_ptr<TMixerControls> TMainWindow::SoundCardMixer(THardwareEnv& env)
{
    // A sound card whose mixer will not open costs only the sound-card
    // lines: the program runs as on a machine without one, and says why once.
    QString why;
    std::unique_ptr<TMixer> mixer = OpenSoundCardMixer(env, &why);
    if (!mixer && !why.isEmpty())
        std::fprintf(stderr, "vantoro: %s\n", qUtf8Printable(tr("going on without the sound card's mixer: %1").arg(why)));
    return mixer;
}

void TMainWindow::BuildVolumeGroup()
{
    sVolume = new QSlider(Qt::Horizontal, gpVolume);
    sVolume->setObjectName(QStringLiteral("sVolume"));
    sVolume->setGeometry(3, 15, 85, 26);
    sVolume->setRange(0, 0);
    sVolume->setToolTip(QStringLiteral("0%"));
    // Keys typed while the slider has the focus still reach the commands.
    sVolume->installEventFilter(this);
    connect(sVolume, &QSlider::valueChanged, this, &TMainWindow::sVolumeChange);

    btMixer = MakeButton(gpVolume, "btMixer", tr("Mixer"), tr("Go to the sound card mixer"),
                         QRect(90, 19, 39, 22));
    connect(btMixer, &QToolButton::clicked, this, &TMainWindow::Volume_Mixer);

    VcDisabled = new QLabel(tr("Vantoro can't control\nthe sound volume"), gpVolume);
    VcDisabled->setObjectName(QStringLiteral("VcDisabled"));
    VcDisabled->setGeometry(3, 14, 127, 30);
    VcDisabled->setAlignment(Qt::AlignCenter);
    VcDisabled->setFont(PanelFont(0.85, false, {tr("Vantoro can't control")}, QSize(127, 15)));
    VcDisabled->hide();

    connect(btMute, &QToolButton::clicked, this, &TMainWindow::Volume_Mute);
    radio_->OnMixerChange = [this](TRadioCard*, int volume, bool mute) { RadioCardMixerChange(volume, mute); };
    // An error met while following the line cannot be thrown back into the
    // event loop; it goes to the program's error handler like any other.
    if (auto* mixer = dynamic_cast<TMixer*>(radio_->Mixer()))
        mixer->OnNotifyError = [this](const std::exception& error) { ReportError(QString::fromUtf8(error.what())); };
}

void TMainWindow::AddVolumeItems(QMenu* menu)
{
    AddItem(menu, tr("Up"), "Volume_Up", &TMainWindow::Volume_Up);
    AddItem(menu, tr("Down"), "Volume_Down", &TMainWindow::Volume_Down);
    AddItem(menu, tr("Mute"), "Volume_Mute", &TMainWindow::Volume_Mute)->setCheckable(true);
    menu->addSeparator();
    AddItem(menu, tr("Mixer"), "Volume_Mixer", &TMainWindow::Volume_Mixer);
    AddItem(menu, tr("Reset"), "Volume_0", &TMainWindow::Volume_0);
}

bool TMainWindow::CanSetVolume() const
{
    // The card sets the volume itself, or a sound-card line does it for any
    // model (the serial receivers have no volume of their own).
    const tVolumeLine line = card_->VolumeLine();
    const bool cardLine = line == vlLineIn || line == vlMicIn || line == vlCd;
    return card_->Caps().CanVolume || (cardLine && card_->SoundCardPresent());
}

bool TMainWindow::SilentByVolume() const
{
    // Volume 0 means silence only on a line that has volume levels: the
    // serial receivers have none, and their volume stays 0 while they play.
    return card_->VolumeMax() > 0 && card_->Volume() == 0;
}

void TMainWindow::ShowVolumeHint()
{
    const int maximum = sVolume->maximum();
    // A card without volume levels has a slider of no length: 0%.
    const long percent = maximum > 0 ? std::lround(100.0 * sVolume->value() / maximum) : 0;
    sVolume->setToolTip(QStringLiteral("%1%").arg(percent));
    PlayerChanged();
}

void TMainWindow::ShowVolume()
{
    {
        const QSignalBlocker blocker(sVolume);
        sVolume->setValue(card_->Volume());
    }
    ShowVolumeHint();
}

void TMainWindow::SetUpVolumeSlider()
{
    {
        const QSignalBlocker blocker(sVolume);
        sVolume->setMaximum(card_->VolumeMax());
        const int step = std::max(1, card_->VolumeStep());
        sVolume->setSingleStep(step);
        sVolume->setPageStep(step);
        sVolume->setValue(card_->Volume());
    }
    ShowVolumeHint();
}

bool TMainWindow::NothingToControl() const
{
    // The card has neither volume nor mute of its own, or was told to leave
    // them alone, and there is no sound card.
    const tDevCap caps = card_->GetDevCap(card_->Model());
    return !card_->SoundCardPresent() && ((!caps.CanVolume && !caps.CanMute) || card_->VolumeLine() == vlNone);
}

bool TMainWindow::VolumeLevelsUsable() const
{
    if (NothingToControl()) return false;
    switch (card_->VolumeLine()) {
    case vlNative: return card_->GetDevCap(card_->Model()).CanVolume;
    case vlNone: return true;
    default: return card_->SoundCardPresent();
    }
}

void TMainWindow::EnableVolumeSteps()
{
    // "Up" only below the top of the scale, "Down" only above 0.
    const bool levels = VolumeLevelsUsable();
    SetItemsEnabled("Volume_Up", levels && card_->Volume() < card_->VolumeMax());
    SetItemsEnabled("Volume_Down", levels && card_->Volume() > 0);
}

void TMainWindow::EnableVolumeControls()
{
    const tDevCap caps = card_->GetDevCap(card_->Model());
    const bool soundCard = card_->SoundCardPresent();

    // No command of the group may look as if it did something when nothing
    // can be controlled.
    if (NothingToControl()) {
        gpVolume->setEnabled(false);
        sVolume->hide();
        btMixer->hide();
        VcDisabled->show();
        btMute->setEnabled(false);
        for (const char* name : {"Volume_Up", "Volume_Down", "Volume_0", "Volume_Mute", "Volume_Mixer"})
            SetItemsEnabled(name, false);
        return;
    }
    gpVolume->setEnabled(true);
    sVolume->show();
    btMixer->show();
    VcDisabled->hide();
    btMute->setEnabled(caps.CanMute);
    SetItemsEnabled("Volume_Mute", caps.CanMute);
    btMixer->setEnabled(soundCard);
    SetItemsEnabled("Volume_Mixer", soundCard);
    // "Reset" is taken away only above, when nothing can be controlled; it
    // checks for itself whether there is a volume to reset.
    SetItemsEnabled("Volume_0", true);
    sVolume->setEnabled(VolumeLevelsUsable());
    EnableVolumeSteps();
}

void TMainWindow::TakeFirstRunVolume()
{
    {
        const auto radio = cardThread_->Hold();
        if (!radio->Active() || radio->VolumeMax() <= 0) return;
        int own = 0;
        // A radio device tells its own volume; one at 0 would start silent again.
        if (radio->VolumeLine() == vlNative && radio->ReadCardVolume(&own) && own > 0)
            radio->InitVolume(own);
        else
            radio->SetVolume(radio->VolumeMax() / 2);
    }
    audibleVolume_ = card_->Volume();
}

void TMainWindow::AfterVolumeChange()
{
    if (card_->Volume() > 0) audibleVolume_ = card_->Volume();
    muted_ = card_->Muted() || SilentByVolume();
    RefreshMuteIndicator();
    ShowVolume();
    UpdateEdgeControls();
}

void TMainWindow::Volume_Up()
{
    if (!CanSetVolume()) return;
    cardThread_->Post(
        tCardJobKind::Plain, [](TRadioCard& card) { card.VolumeUp(); return 0; },
        [this](int) { AfterVolumeChange(); });
}

void TMainWindow::Volume_Down()
{
    if (!CanSetVolume()) return;
    cardThread_->Post(
        tCardJobKind::Plain, [](TRadioCard& card) { card.VolumeDown(); return 0; },
        [this](int) { AfterVolumeChange(); });
}

void TMainWindow::Volume_0()
{
    if (busy_ || !CanSetVolume()) return;
    if (card_->Volume() > 0) audibleVolume_ = card_->Volume();
    cardThread_->Post(tCardJobKind::Plain, [](TRadioCard& card) {
        card.VolumeToZero();
        // The card's own reset leaves a sound-card line as it was; silence the
        // line too, or the slider would show 0 while the radio goes on playing.
        const tVolumeLine line = card.VolumeLine();
        if (line == vlLineIn || line == vlMicIn || line == vlCd) card.SetVolume(0);
        return 0;
    });
    {
        const QSignalBlocker blocker(sVolume);
        sVolume->setValue(0);
    }
    ShowVolumeHint();
    muted_ = true;
    RefreshMuteIndicator();
    EnableVolumeSteps();
}

void TMainWindow::ToggleMute()
{
    const bool wasMuted = muted_;
    muted_ = !muted_;
    SetCardMuted(!wasMuted);
    RefreshMuteIndicator();
}

void TMainWindow::SetCardMuted(bool mute, std::function<void()> after)
{
    cardThread_->Post(
        tCardJobKind::Plain,
        [mute](TRadioCard& card) {
            if (mute)
                card.Mute();
            else
                card.Unmute();
            return 0;
        },
        [after = std::move(after)](int) {
            if (after) after();
        });
}

void TMainWindow::Volume_Mute()
{
    if (!card_->Caps().CanMute) return;
    // At volume 0 the radio is silent and shown so: unmuting brings the
    // sound back at the last volume heard (half the scale if none was).
    if (SilentByVolume()) {
        if (!CanSetVolume()) return;
        const int back = audibleVolume_ > 0 ? audibleVolume_ : card_->VolumeMax() / 2;
        const bool unmute = muted_ || card_->Muted();
        cardThread_->Post(
            tCardJobKind::Plain,
            [unmute, back](TRadioCard& card) {
                if (unmute) card.Unmute();
                card.SetVolume(back);
                return 0;
            },
            [this](int) { AfterVolumeChange(); });
        return;
    }
    ToggleMute();
}

void TMainWindow::sVolumeChange(int position)
{
    // A slider dragged asks for many volumes: only the last still waiting is set.
    cardThread_->Post(
        tCardJobKind::Volume, [position](TRadioCard& card) { card.SetVolume(position); return 0; },
        [this](int) {
            if (card_->Volume() > 0) audibleVolume_ = card_->Volume();
            muted_ = card_->Muted() || SilentByVolume();
            RefreshMuteIndicator();
            ShowVolumeHint();
            UpdateEdgeControls();
        });
}

void TMainWindow::RadioCardMixerChange(int volume, bool mute)
{
    if (card_->VolumeLine() == vlNone) return;
    {
        const QSignalBlocker blocker(sVolume);
        sVolume->setValue(volume);
    }
    ShowVolumeHint();
    if (volume > 0) audibleVolume_ = volume;
    // Sound on the line again: the card itself must not stay silent. Called
    // while the card hears of the line, so the card is this thread's; its
    // state is taken afresh either way.
    cardThread_->Direct([mute](TRadioCard& card) {
        if (!mute) card.UnmuteCard();
    });
    muted_ = mute;
    RefreshMuteIndicator();
    UpdateEdgeControls();
}

void TMainWindow::Volume_Mixer()
{
    if (!card_->SoundCardPresent()) return;
    // The window has its own handle on the sound card, like any other
    // program; the card's handle hears of what is changed here.
    auto dialog = std::make_unique<TMixerDialog>(OpenSoundCardMixer(*env_.Hardware, nullptr), card_->VolumeLine());
    dialog->OnHelp = [this](const QString& topic) { ShowHelp(topic); };
    // A change the card refuses, here or while following other programs,
    // reaches the program's error handler.
    dialog->OnError = [this](const std::exception& error) { ReportError(QString::fromUtf8(error.what())); };
    dialog->Mixer().OnNotifyError = dialog->OnError;

    WithDialogRules([&dialog] {
        dialog->exec();
        dialog.reset();
    });
}

void TMainWindow::ApplyVolumeLine(tVolumeLine line)
{
    {
    const auto radio = cardThread_->Hold();
    const int before = radio->Volume();
    radio->SetVolumeLine(line);
    settings_.VolumeLine = radio->VolumeLine();
    line = radio->VolumeLine();
    if (line == vlLineIn || line == vlMicIn || line == vlCd)
        radio->Unmute();
    else if (line == vlNative)
        radio->UnmuteCard();
    radio->VolumeToZero();
    radio->SetVolume(before);
    // Read the new line back as if it had changed, so the slider and the
    // indicator show what the line really holds.
    int control = -1;
    switch (line) {
    case vlLineIn: control = mcLineInVolume; break;
    case vlMicIn: control = mcMicVolume; break;
    case vlCd: control = mcCdVolume; break;
    default: break;
    }
    if (control >= 0 && radio->Mixer()) {
        radio->MixerControlChange(radio->Mixer(), control);
        radio->MixerControlChange(radio->Mixer(), control + 1);
    }
    }
    // The slider's range and the enabled commands follow the new line.
    SetUpVolumeSlider();
    EnableVolumeControls();
}

void TMainWindow::CheckUsbAudio()
{
    if (!card_->usbAudioLoop || busy_ || dialogOpen_) return;
    // The loop's state as the card's thread reads it between its requests.
    cardThread_->Post(tCardJobKind::Look, [](TRadioCard&) { return 0; }, [this](int) {
        if (!card_->usbAudioLoop || busy_ || dialogOpen_) return;
        if (card_->usbAudioRunning) {
            usbAudioReported_ = false;
            return;
        }
        const QString& error = card_->usbAudioError;
        if (error.isEmpty() || usbAudioReported_) return;
        usbAudioReported_ = true;
        env_.Prompts->Message(WarningTitle(),
                              tr("The tuner's sound cannot be played on the sound card (%1).").arg(error),
                              tPromptIcon::Warning);
    });
}
