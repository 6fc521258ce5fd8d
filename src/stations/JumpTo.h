#pragma once
// What the jump-to dialog does, without its widgets: a band and a frequency
// for the main window to tune, one remembered value per band, every value
// snapped to the card's grid and kept within the card's limits.

#include "RadioCards.h"

#include <QString>

// What the dialog reads of the card.
struct tJumpCard {
    bool HasFM = true;
    bool HasAM = false;
    double FMMin = FMLow, FMMax = FMHigh;
    double AMMin = AMLow, AMMax = AMHigh;
    double FMStep = 0.05, AMStep = 0.009;
    tBand Band = bFM;
    double Frequency = FMLow;
};
tJumpCard JumpCardOf(const TRadioCard& card);

class TJumpTo {
public:
    explicit TJumpTo(const tJumpCard& card);

    tBand Band() const { return band_; }
    double Frequency() const { return frequency_; } // the result, set by Accept
    double Remembered(tBand band) const { return band == bAM ? am_ : fm_; }
    const tJumpCard& Card() const { return card_; }

    // The band shown: the edit's limits and length, the slider in thousandths.
    void SetBand(tBand band);
    double Minimum() const;
    double Maximum() const;
    int MaxLength() const { return band_ == bAM ? 5 : 7; }
    // The AM value is in MHz as well, so the unit says so.
    QString Unit() const { return QStringLiteral("MHz"); }
    int SliderMinimum() const;
    int SliderMaximum() const;
    int SliderStep() const;
    int SliderPosition() const;

    double Snap(double frequency) const;
    // A value typed into the edit; the slider follows.
    void Typed(double value);
    // The slider moved; gives the value the edit now shows.
    double Slid(int thousandths);
    // OK with the edit's value.
    void Accept(double value) { frequency_ = Snap(value); }

private:
    double& RememberedRef() { return band_ == bAM ? am_ : fm_; }

    tJumpCard card_;
    tBand band_;
    double frequency_;
    double fm_;
    double am_;
};
