// Volume and mute through a line of the sound-card mixer (line in, microphone
// or CD), and following changes that other programs make to that line.

#include "RadioCards.h"

#include <algorithm>
#include <cmath>

int TRadioCard::LineVolumeControl(tVolumeLine line)
{
    switch (line) {
    case vlLineIn: return mcLineInVolume;
    case vlMicIn: return mcMicVolume;
    case vlCd: return mcCdVolume;
    default: return -1;
    }
}

int TRadioCard::LineMuteControl(tVolumeLine line)
{
    const int volume = LineVolumeControl(line);
    return volume < 0 ? -1 : volume + 1;
}

void TRadioCard::RefreshMutedFromLine()
{
    const int m = LineMuteControl(volumeLine_);
    if (mixer_ && mixer_->Exists(m)) muted_ = mixer_->Value(m, 0) != mixer_->Minimum(m);
    VlFollowAudio();
}

int TRadioCard::LineStepsPerUnit() const { return volumeMax_ > 0 ? Line(volumeLine_).maximum / volumeMax_ : 0; }

void TRadioCard::LineSet(int value)
{
    if (mixer_ && volumeMax_ > 0) {
        // Lines with at least one step per volume unit take whole steps; a
        // shorter line (0..31 is common) is scaled, or every volume would
        // be written as 0.
        const int maximum = Line(volumeLine_).maximum;
        const int perUnit = LineStepsPerUnit();
        const int raw = perUnit > 0 ? perUnit * value : int(std::lround(double(maximum) * value / volumeMax_));
        mixer_->SetValues(LineVolumeControl(volumeLine_), raw, raw);
        RefreshMutedFromLine();
    }
    volume_ = value;
}

void TRadioCard::LineStep(int delta)
{
    // A volume read back above the maximum counts as the maximum.
    if (delta > 0 && volume_ >= volumeMax_) return;
    if (delta < 0 && volume_ <= 0) return;
    LineSet(std::clamp(volume_ + delta, 0, volumeMax_));
}

void TRadioCard::MuteLine()
{
    const int m = LineMuteControl(volumeLine_);
    if (mixer_ && m >= 0) mixer_->SetValue(m, 0, mixer_->Maximum(m));
    muted_ = true;
    VlFollowAudio();
}

void TRadioCard::LineUnmute()
{
    const int m = LineMuteControl(volumeLine_);
    if (mixer_ && m >= 0) mixer_->SetValue(m, 0, mixer_->Minimum(m));
    muted_ = false;
    startMutedPending_ = false;
    VlFollowAudio();
}

void TRadioCard::MixerControlChange(TMixerControls* sender, int control)
{
    if (!IsCardLine(volumeLine_) || !mixer_) return;
    const int v = LineVolumeControl(volumeLine_);
    if (control != v && control != v + 1) return;
    if (control == v) {
        const int maximum = Line(volumeLine_).maximum;
        // Read back on the same scale as written.
        const double d = LineStepsPerUnit();
        const int a = mixer_->Value(control, 0), b = mixer_->Value(control, 1);
        if (maximum > 0) {
            // A line shorter than the volume scale is read back the way it was scaled.
            const double units = d > 0 ? std::max(a, b) / d : double(std::max(a, b)) * volumeMax_ / maximum;
            const int readBack = static_cast<int>(RoundHalfEven(units));
            // A line set above 256 units from outside must not push Volume past its maximum.
            volume_ = std::clamp(readBack, 0, volumeMax_);
        }
    }
    RefreshMutedFromLine();
    (void)sender;
    if (!destroying_ && OnMixerChange) OnMixerChange(this, volume_, muted_);
}
