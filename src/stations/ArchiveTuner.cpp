#include "ArchiveTuner.h"

#include "Helpers.h"

#include <cmath>

namespace {

constexpr double AMGrid = 0.009;
constexpr double TunerFMLow = JapaneseFMLow; // the tuner's FM scale starts at 76 MHz
constexpr int MaxNameChars = 40;

bool Within(double f, double lo, double hi)
{
    return (f >= lo || SameFrequency(f, lo)) && (f <= hi || SameFrequency(f, hi));
}

} // namespace

TArchiveTuner::TArchiveTuner(TRadioCard& card, double fmStep) : card_(card), step_(fmStep) {}

double TArchiveTuner::FMUnit() const { return card_.Caps().FMStep > 0 ? card_.Caps().FMStep : 0.025; }

int TArchiveTuner::StepUnits() const { return int(std::lround(step_ / FMUnit())); }

int TArchiveTuner::StepKHz() const { return int(std::lround(step_ * 1000)); }

bool TArchiveTuner::CardHasBand() const { return band_ == bAM ? card_.Caps().HasAM : card_.Caps().HasFM; }

int TArchiveTuner::Set(tBand band, std::optional<double> frequency, bool dragging)
{
    double f = 0;
    if (!frequency) {
        card_.SetBand(band);
        f = band == bAM ? SnapFrequency(card_.Frequency(), AMGrid, AMLow, AMHigh)
                        : SnapFrequency(card_.Frequency(), FMUnit(), card_.FMMin(), card_.FMMax());
        outOfRange_ = band == bAM ? !card_.Caps().HasAM : !Within(f, card_.FMMin(), card_.FMMax());
    } else if (band == bAM) {
        f = SnapFrequency(*frequency, AMGrid, AMLow, AMHigh);
        if (card_.Caps().HasAM) {
            if (card_.Muted()) card_.Unmute();
            card_.Tune(true, bAM, f);
        }
        outOfRange_ = !card_.Caps().HasAM;
    } else {
        f = SnapFrequency(*frequency, FMUnit(), TunerFMLow, card_.FMMax());
        const bool inside = Within(f, card_.FMMin(), card_.FMMax());
        if (card_.Caps().HasFM) {
            if (card_.Muted()) card_.Unmute();
            // The card stays on a frequency it can receive.
            card_.Tune(true, bFM, inside ? f : (card_.JapaneseFM() ? JapaneseFMLow : FMLow));
        }
        outOfRange_ = !inside;
    }
    band_ = band;
    frequency_ = f;
    int signal = -1;
    if (!dragging)
        signal = band == bFM && card_.Caps().HasFM && f >= card_.FMMin() ? int(card_.CheckSignal()) : int(sgNone);
    if (OnSet) OnSet(f, band);
    return signal;
}

void TArchiveTuner::TunePrev(double from)
{
    const double f = from - (band_ == bFM ? step_ : AMGrid);
    const double here = CardHasBand() ? card_.Frequency() : f;
    if (here > (band_ == bAM ? AMLow : TunerFMLow) && !SameFrequency(here, band_ == bAM ? AMLow : TunerFMLow))
        Set(band_, f);
}

void TArchiveTuner::TuneNext(double from)
{
    const double f = from + (band_ == bFM ? step_ : AMGrid);
    const double here = CardHasBand() ? card_.Frequency() : f;
    const double top = band_ == bAM ? AMHigh : FMHigh;
    if (here < top && !SameFrequency(here, top)) Set(band_, f);
}

bool TArchiveTuner::CanTunePrev() const
{
    const double low = band_ == bAM ? AMLow : TunerFMLow;
    return frequency_ > low && !SameFrequency(frequency_, low);
}

bool TArchiveTuner::CanTuneNext() const
{
    const double high = band_ == bAM ? AMHigh : FMHigh;
    return frequency_ < high && !SameFrequency(frequency_, high);
}

QString TArchiveTuner::Readout() const
{
    const double low = band_ == bAM ? AMLow : TunerFMLow;
    const double high = band_ == bAM ? AMHigh : FMHigh;
    QString text = FrequencyToStr(frequency_, low, high);
    text.remove(3, text.size() - 6); // the decimal mark, whatever its length
    for (int i = 0; i < 3 && text[i] == QLatin1Char('0'); ++i) text[i] = QLatin1Char(' ');
    return text;
}

bool TArchiveTuner::ScanRefused(bool upward) const
{
    if (band_ == bFM && !card_.Caps().HasFM) return true;
    return SameFrequency(card_.Frequency(), upward ? card_.MaxFrequency() : card_.MinFrequency());
}

bool TArchiveTuner::Scan(bool upward, const std::function<bool()>& stop, const std::function<void(int)>& stepped)
{
    if (ScanRefused(upward)) return false;
    double f = card_.Frequency();
    const double step = card_.FrequencyStep() > 0 ? card_.FrequencyStep() : FMUnit();
    while ((upward ? f < card_.MaxFrequency() : f > card_.MinFrequency()) && !stop()) {
        f += upward ? step : -step;
        const int signal = Set(band_, f);
        if (stepped) stepped(signal);
        if (signal > int(sgNone)) break;
    }
    return true;
}

bool CanAssignPreset(const tPresets& table, const tStation& station)
{
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = table[n];
        if (slot.Used && slot.Band == station.Band && SameFrequency(slot.Frequency, station.Frequency)) return false;
    }
    return true;
}

void AssignPreset(tPresets& table, int& current, int n, const QString& name, const tStation& station)
{
    if (current >= 1 && current <= tPresets::Count) table[current].Current = 0;
    tPreset& slot = table[n];
    // A preset name has at most 40 characters; archive names may be longer.
    slot.Name = LeftChars(name, MaxNameChars);
    slot.Frequency = station.Frequency;
    slot.Band = station.Band;
    slot.Current = 1;
    slot.Used = 1;
    current = n;
}

void ClearPresetSlot(tPresets& table, int& current, int n)
{
    table[n].Clear();
    if (current == n) current = 0;
}

void ClearAllPresetSlots(tPresets& table, const TRadioCard& card)
{
    tPreset empty;
    if (card.Caps().HasFM) {
        empty.Frequency = FMLow;
    } else if (card.Caps().HasJapaneseFM) {
        empty.Frequency = JapaneseFMLow;
    } else {
        empty.Band = 0;
        empty.Frequency = AMLow;
    }
    for (int n = 1; n <= tPresets::Count; ++n) table[n] = empty;
}
