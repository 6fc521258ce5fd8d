#include "ArchiveTuner.h"

#include "Helpers.h"

#include <QCoreApplication>

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

TArchiveTuner::TArchiveTuner(TCardThread& card, double fmStep)
    : card_(card), step_(fmStep), self_(std::make_shared<TArchiveTuner*>(this))
{
}

TArchiveTuner::~TArchiveTuner() = default;

double TArchiveTuner::FMUnit() const
{
    const tDevCap& caps = card_.State().Caps();
    return caps.FMStep > 0 ? caps.FMStep : 0.025;
}

int TArchiveTuner::StepUnits() const { return int(std::lround(step_ / FMUnit())); }

int TArchiveTuner::StepKHz() const { return int(std::lround(step_ * 1000)); }

bool TArchiveTuner::CardHasBand() const
{
    const tDevCap& caps = card_.State().Caps();
    return band_ == bAM ? caps.HasAM : caps.HasFM;
}

TArchiveTuner::tSetResult TArchiveTuner::SetCard(TRadioCard& card, tBand band, std::optional<double> frequency,
                                                 bool dragging)
{
    const double unit = card.Caps().FMStep > 0 ? card.Caps().FMStep : 0.025;
    tSetResult r;
    r.set = true;
    double f = 0;
    if (!frequency) {
        card.SetBand(band);
        f = band == bAM ? SnapFrequency(card.Frequency(), AMGrid, AMLow, AMHigh)
                        : SnapFrequency(card.Frequency(), unit, card.FMMin(), card.FMMax());
        r.outOfRange = band == bAM ? !card.Caps().HasAM : !Within(f, card.FMMin(), card.FMMax());
    } else if (band == bAM) {
        f = SnapFrequency(*frequency, AMGrid, AMLow, AMHigh);
        if (card.Caps().HasAM) {
            if (card.Muted()) card.Unmute();
            card.Tune(true, bAM, f);
        }
        r.outOfRange = !card.Caps().HasAM;
    } else {
        f = SnapFrequency(*frequency, unit, TunerFMLow, card.FMMax());
        const bool inside = Within(f, card.FMMin(), card.FMMax());
        if (card.Caps().HasFM) {
            if (card.Muted()) card.Unmute();
            // The card stays on a frequency it can receive.
            card.Tune(true, bFM, inside ? f : (card.JapaneseFM() ? JapaneseFMLow : FMLow));
        }
        r.outOfRange = !inside;
    }
    r.band = band;
    r.frequency = f;
    if (!dragging)
        r.signal = band == bFM && card.Caps().HasFM && f >= card.FMMin() ? int(card.CheckSignal()) : int(sgNone);
    return r;
}

void TArchiveTuner::Tune(tCardJobKind kind, std::function<tSetResult(TRadioCard& card)> job,
                         std::function<void(int signal)> then)
{
    auto result = std::make_shared<tSetResult>();
    const std::weak_ptr<TArchiveTuner*> self = self_;
    const int ask = ++asks_;
    card_.Post(
        kind,
        [result, job = std::move(job)](TRadioCard& card) {
            *result = job(card);
            return 0;
        },
        [self, result, ask, then = std::move(then)](int) {
            const auto alive = self.lock();
            if (!alive) return;
            TArchiveTuner& tuner = **alive;
            if (ask == tuner.asks_) tuner.asked_.reset();
            if (result->set) {
                tuner.band_ = result->band;
                tuner.frequency_ = result->frequency;
                tuner.outOfRange_ = result->outOfRange;
                if (tuner.OnSet) tuner.OnSet(result->frequency, result->band);
            }
            if (tuner.OnTuned) tuner.OnTuned(result->signal);
            if (then) then(result->signal);
        });
}

void TArchiveTuner::Set(tBand band, std::optional<double> frequency, bool dragging)
{
    asked_ = frequency; // before a job run inline has reported
    Tune(tCardJobKind::Tune,
         [band, frequency, dragging](TRadioCard& card) { return SetCard(card, band, frequency, dragging); });
}

void TArchiveTuner::TuneBy(double from, bool upward)
{
    const tBand band = band_;
    const double f = from + (upward ? 1 : -1) * (band == bFM ? step_ : AMGrid);
    const double shown = frequency_;
    asked_ = f;
    Tune(tCardJobKind::Tune, [band, f, upward, shown](TRadioCard& card) {
        const bool hasBand = band == bAM ? card.Caps().HasAM : card.Caps().HasFM;
        const double here = hasBand ? card.Frequency() : f;
        const double edge = upward ? (band == bAM ? AMHigh : FMHigh) : (band == bAM ? AMLow : TunerFMLow);
        tSetResult r;
        r.band = band;
        r.frequency = shown;
        if ((upward ? here < edge : here > edge) && !SameFrequency(here, edge)) r = SetCard(card, band, f, false);
        // Then what the card hears there, looked at once more.
        r.signal = !hasBand                                           ? int(sgNone)
                   : r.band == bFM && r.frequency >= card.FMMin() ? int(card.CheckSignal())
                                                                    : int(sgNone);
        return r;
    });
}

void TArchiveTuner::TunePrev(double from) { TuneBy(from, false); }

void TArchiveTuner::TuneNext(double from) { TuneBy(from, true); }

void TArchiveTuner::Unmute()
{
    if (!CardHasBand()) return;
    card_.Post(tCardJobKind::Plain, [](TRadioCard& card) {
        card.Unmute();
        return 0;
    });
}

void TArchiveTuner::Mute()
{
    if (!CardHasBand()) return;
    card_.Post(tCardJobKind::Plain, [](TRadioCard& card) {
        card.Mute();
        return 0;
    });
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
    const tCardState& card = card_.State();
    if (band_ == bFM && !card.Caps().HasFM) return true;
    return SameFrequency(card.Frequency(), upward ? card.MaxFrequency() : card.MinFrequency());
}

bool TArchiveTuner::Scan(bool upward, std::function<void()> ended)
{
    if (scanning_ || ScanRefused(upward)) return false;
    scanning_ = true;
    scanUpward_ = upward;
    scanEnded_ = std::move(ended);
    scanFrequency_ = card_.State().Frequency();
    ++scanRun_;
    ScanOn();
    return true;
}

void TArchiveTuner::ScanOn()
{
    // A step that reports before Post returns comes back here: loop rather
    // than go deeper with every step.
    if (scanLooping_) {
        scanAgain_ = true;
        return;
    }
    scanLooping_ = true;
    do {
        scanAgain_ = false;
        const tCardState& card = card_.State();
        const bool inside = scanUpward_ ? scanFrequency_ < card.MaxFrequency() : scanFrequency_ > card.MinFrequency();
        if (inside && scanning_ && card_.Mode() == TCardThread::tMode::Inline) QCoreApplication::processEvents();
        if (!scanning_) break; // halted meanwhile
        if (!inside || !card_.State().Active()) {
            EndScan();
            break;
        }
        const double step = card.FrequencyStep() > 0 ? card.FrequencyStep() : FMUnit();
        scanFrequency_ += scanUpward_ ? step : -step;
        const tBand band = band_;
        const double f = scanFrequency_;
        const int run = scanRun_;
        // One step at a time: a newer tuning from elsewhere never takes its place.
        Tune(
            tCardJobKind::Plain, [band, f](TRadioCard& c) { return SetCard(c, band, f, false); },
            [this, run](int signal) {
                // A halted scan has ended already; its last step was shown.
                if (run != scanRun_ || !scanning_) return;
                if (signal > int(sgNone))
                    EndScan();
                else
                    ScanOn();
            });
    } while (scanAgain_);
    scanLooping_ = false;
}

void TArchiveTuner::Halt()
{
    if (scanning_) EndScan();
}

void TArchiveTuner::EndScan()
{
    scanning_ = false;
    ++scanRun_;
    const std::function<void()> ended = std::move(scanEnded_);
    scanEnded_ = nullptr;
    if (ended) ended();
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

void ClearAllPresetSlots(tPresets& table, const tDevCap& caps)
{
    tPreset empty;
    if (caps.HasFM) {
        empty.Frequency = FMLow;
    } else if (caps.HasJapaneseFM) {
        empty.Frequency = JapaneseFMLow;
    } else {
        empty.Band = 0;
        empty.Frequency = AMLow;
    }
    for (int n = 1; n <= tPresets::Count; ++n) table[n] = empty;
}
