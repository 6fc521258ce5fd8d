#include "JumpTo.h"

#include <cmath>

namespace {
int Thousandths(double mhz) { return int(std::lround(mhz * 1000)); }
} // namespace

tJumpCard JumpCardOf(const TRadioCard& card)
{
    tJumpCard c;
    c.HasFM = card.Caps().HasFM;
    c.HasAM = card.Caps().HasAM;
    c.FMMin = card.FMMin();
    c.FMMax = card.FMMax();
    c.AMMin = card.AMMin();
    c.AMMax = card.AMMax();
    c.FMStep = card.Caps().FMStep;
    c.AMStep = card.Caps().AMStep;
    c.Band = card.Band();
    c.Frequency = card.Frequency();
    return c;
}

TJumpTo::TJumpTo(const tJumpCard& card)
    : card_(card), band_(card.Band), frequency_(card.Band == bAM ? card.AMMin : card.FMMin), fm_(card.FMMin),
      am_(card.AMMin)
{
    RememberedRef() = card.Frequency;
}

void TJumpTo::SetBand(tBand band) { band_ = band; }

double TJumpTo::Minimum() const { return band_ == bAM ? card_.AMMin : card_.FMMin; }

double TJumpTo::Maximum() const { return band_ == bAM ? card_.AMMax : card_.FMMax; }

int TJumpTo::SliderMinimum() const { return Thousandths(Minimum()); }

int TJumpTo::SliderMaximum() const { return Thousandths(Maximum()); }

int TJumpTo::SliderStep() const { return Thousandths(band_ == bAM ? card_.AMStep : card_.FMStep); }

int TJumpTo::SliderPosition() const { return Thousandths(Remembered(band_)); }

double TJumpTo::Snap(double frequency) const
{
    return SnapFrequency(frequency, band_ == bAM ? card_.AMStep : card_.FMStep, Minimum(), Maximum());
}

void TJumpTo::Typed(double value) { RememberedRef() = Snap(value); }

double TJumpTo::Slid(int thousandths)
{
    RememberedRef() = Snap(thousandths / 1000.0);
    return Remembered(band_);
}
