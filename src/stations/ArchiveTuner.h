#pragma once
// The working parts of the archive dialog without its widgets: the small
// tuner that plays and edits the selected station, and the preset slots the
// dialog fills from the archive.

#include "Archive.h"
#include "PresetsFile.h"
#include "RadioCards.h"

#include <functional>
#include <optional>

class TArchiveTuner {
public:
    TArchiveTuner(TRadioCard& card, double fmStep);

    tBand BandShown() const { return band_; }
    double Frequency() const { return frequency_; } // what the read-out and slider show
    bool OutOfRange() const { return outOfRange_; }

    // Sets the tuner to `band` and, when given, `frequency` (tuning the card);
    // without one the card returns to its last frequency of that band. Gives
    // the signal state, or -1 when it was not looked at (thumb dragged).
    int Set(tBand band, std::optional<double> frequency, bool dragging = false);
    // One step down or up from `from`: the FM step, or 9 kHz on AM.
    void TunePrev(double from);
    void TuneNext(double from);

    bool CanTunePrev() const;
    bool CanTuneNext() const;
    bool CardHasBand() const;

    // "000.000" without its decimal mark, up to three leading zeros blank.
    QString Readout() const;
    bool PointShown() const { return Readout()[2] != QLatin1Char(' '); }

    // The FM step, in units of the card's FM step.
    double Step() const { return step_; }
    double FMUnit() const;
    int StepUnits() const;
    int StepKHz() const;
    void SetStepUnits(int units) { step_ = units * FMUnit(); }

    // Scans down or up from the card's frequency until a station answers, the
    // band ends or `stop` (which also lets pending events run) says so. False
    // when refused. `stepped` sees every frequency tried and its signal.
    bool Scan(bool upward, const std::function<bool()>& stop, const std::function<void(int signal)>& stepped);
    bool ScanRefused(bool upward) const;

    // The last step of setting the tuner: the frequency and band go to the selected station.
    std::function<void(double frequency, tBand band)> OnSet;

private:
    TRadioCard& card_;
    tBand band_ = bFM;
    double frequency_ = FMLow;
    double step_;
    bool outOfRange_ = false;
};

// Presets from the archive. A station may go to a preset only when no used
// slot holds its band and frequency already.
bool CanAssignPreset(const tPresets& table, const tStation& station);
// Slot n := the station, current; the previous current preset is no longer.
void AssignPreset(tPresets& table, int& current, int n, const QString& name, const tStation& station);
// "Clear": the slot empty; no current preset when it was the current one.
void ClearPresetSlot(tPresets& table, int& current, int n);
// "Clear all": every slot empty on the card's default band and frequency.
void ClearAllPresetSlots(tPresets& table, const TRadioCard& card);
