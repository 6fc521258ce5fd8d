#pragma once
// The working parts of the archive dialog without its widgets: the small
// tuner that plays and edits the selected station, and the preset slots the
// dialog fills from the archive.
//
// The tuner sends what it does to the card as jobs on the card's thread and
// takes the result when the job reports: a newer tuning takes the place of
// one still queued, and a scan asks for its next step only once the last one
// has reported, so a halt ends it at once. What it reads of the card is the
// state the card thread last reported.

#include "Archive.h"
#include "CardThread.h"
#include "PresetsFile.h"
#include "RadioCards.h"

#include <functional>
#include <memory>
#include <optional>

class TArchiveTuner {
public:
    TArchiveTuner(TCardThread& card, double fmStep);
    ~TArchiveTuner();
    TArchiveTuner(const TArchiveTuner&) = delete;
    TArchiveTuner& operator=(const TArchiveTuner&) = delete;

    tBand BandShown() const { return band_; }
    double Frequency() const { return frequency_; } // what the read-out and slider show
    bool OutOfRange() const { return outOfRange_; }

    // Sets the tuner to `band` and, when given, `frequency` (tuning the card);
    // without one the card returns to its last frequency of that band. Once
    // the card has done it, OnSet and OnTuned hear of it; the signal is -1
    // when it was not looked at (thumb dragged).
    void Set(tBand band, std::optional<double> frequency, bool dragging = false);
    // One step down or up from `from`: the FM step, or 9 kHz on AM; OnTuned
    // then hears what the card receives there.
    void TunePrev(double from);
    void TuneNext(double from);
    // The frequency of the last tuning asked for while it has not reported,
    // so a held key goes on from there rather than from what is shown.
    std::optional<double> AskedFor() const { return asked_; }
    // Unmutes or mutes the card when it has the band shown.
    void Unmute();
    void Mute();

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

    // Scans down or up from the card's frequency, a step at a time, until a
    // station answers, the band ends or Halt; each step is heard by OnTuned,
    // the end by `ended` (also after a halt). False when refused. When the
    // card thread runs its jobs inline, the application's pending events are
    // processed between steps.
    bool Scan(bool upward, std::function<void()> ended);
    bool ScanRefused(bool upward) const;
    bool Scanning() const { return scanning_; }
    // Ends the scan at once; a step under way is still shown when it reports.
    void Halt();

    // The last step of setting the tuner: the frequency and band go to the selected station.
    std::function<void(double frequency, tBand band)> OnSet;
    // A tuning has reported: the signal as tSignal, or -1 when not looked at.
    std::function<void(int signal)> OnTuned;

private:
    struct tSetResult {
        tBand band = bFM;
        double frequency = 0;
        bool outOfRange = false;
        int signal = -1;
        bool set = false; // the tuner takes band, frequency and range
    };
    // On the card's thread: what Set does to the card.
    static tSetResult SetCard(TRadioCard& card, tBand band, std::optional<double> frequency, bool dragging);
    void Tune(tCardJobKind kind, std::function<tSetResult(TRadioCard& card)> job,
              std::function<void(int signal)> then = {});
    void TuneBy(double from, bool upward);
    void ScanOn();
    void EndScan();

    TCardThread& card_;
    tBand band_ = bFM;
    double frequency_ = FMLow;
    double step_;
    bool outOfRange_ = false;
    std::optional<double> asked_;
    int asks_ = 0;
    // Results that report after the tuner has gone are dropped.
    std::shared_ptr<TArchiveTuner*> self_;

    bool scanning_ = false;
    bool scanUpward_ = true;
    bool scanLooping_ = false;
    bool scanAgain_ = false;
    int scanRun_ = 0;
    double scanFrequency_ = 0;
    std::function<void()> scanEnded_;
};

// Presets from the archive. A station may go to a preset only when no used
// slot holds its band and frequency already.
bool CanAssignPreset(const tPresets& table, const tStation& station);
// Slot n := the station, current; the previous current preset is no longer.
void AssignPreset(tPresets& table, int& current, int n, const QString& name, const tStation& station);
// "Clear": the slot empty; no current preset when it was the current one.
void ClearPresetSlot(tPresets& table, int& current, int n);
// "Clear all": every slot empty on the default band and frequency of a card with these capabilities.
void ClearAllPresetSlots(tPresets& table, const tDevCap& caps);
