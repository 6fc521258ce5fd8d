// The window as the media player on the session bus: its state for the
// media player interfaces, and its own commands for theirs (the M key's mute,
// the tray menu's preset items, the volume slider, the exit command).

#include "MainWindow.h"

#include <QSlider>
#include <cmath>

tPlayerState TMainWindow::PlayerState() const
{
    tPlayerState state;
    state.Open = card_->Active();
    state.Muted = Silent();
    state.CanMute = card_->Caps().CanMute;
    state.VolumeUsable = sVolume->isEnabled() && sVolume->maximum() > 0;
    state.Volume = sVolume->maximum() > 0 ? double(sVolume->value()) / sVolume->maximum() : 0.0;
    const tBand band = card_->Band();
    state.StationKey = (band == bAM ? QStringLiteral("AM") : QStringLiteral("FM")) +
                       QString::number(std::lround(card_->Frequency() * 1000));
    state.FrequencyText = FrequencyHint(band, card_->Frequency()); // "95 MHz", "101.5 MHz"
    if (currentPreset_ != 0) state.PresetName = settings_.Presets[currentPreset_].Name;
    if (card_->Active() && card_->Caps().HasRds) {
        state.RdsName = card_->Rds().Ps().trimmed();
        state.RdsTitle = card_->Rds().Title();
        state.RdsArtist = card_->Rds().Artist();
    }
    state.CurrentPreset = currentPreset_;
    for (int n = 1; n <= tPresets::Count; ++n)
        if (settings_.Presets[n].Used && SlotReceivable(n)) state.Presets << n;
    return state;
}

void TMainWindow::PlayerToggleMute()
{
    Volume_Mute();
}

void TMainWindow::PlayerRecallPreset(int n)
{
    // As a preset button: not while a scan runs.
    if (busy_ || n < 1 || n > tPresets::Count || !settings_.Presets[n].Used) return;
    PresetMenu(n);
}

void TMainWindow::PlayerSetVolume(double fraction)
{
    if (!sVolume->isEnabled()) return;
    // The slider's own change does the rest, as if the user had moved it.
    sVolume->setValue(int(std::lround(fraction * sVolume->maximum())));
}
