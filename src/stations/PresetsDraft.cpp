#include "PresetsDraft.h"

#include "Helpers.h"
#include "Prompts.h"

#include <cmath>
#include <utility>
#include <QCoreApplication>

namespace {

// The editor's own tuner covers the whole FM range, the Japanese one included.
constexpr double TunerFMLow = 76.0;
constexpr double AMGrid = 0.009;

// f lies within lo..hi, ends included as they print.
bool Within(double f, double lo, double hi)
{
    return (f >= lo || SameFrequency(f, lo)) && (f <= hi || SameFrequency(f, hi));
}

bool Above(double f, double lo) { return f > lo && !SameFrequency(f, lo); }

tBand BandOf(const tPreset& slot) { return slot.Band == 0 ? bAM : bFM; }

bool SameSlot(const tPreset& main, const tPreset& work)
{
    return main.Used == work.Used && main.Band == work.Band &&
           SameFrequency(main.Frequency, work.Frequency) &&
           TrimBlanks(main.Name).compare(work.Name, Qt::CaseInsensitive) == 0;
}

tFileDialogRequest PresetsRequest(const QString& title, const QString& directory, const QString& fileName)
{
    tFileDialogRequest request;
    request.Title = title;
    request.Filter = PresetsFileFilter();
    request.DefaultSuffix = PresetsFileSuffix();
    request.Directory = directory;
    request.FileName = fileName;
    return request;
}

} // namespace

void NormalisePresets(tPresets& table)
{
    for (int n = 1; n <= tPresets::Count; ++n) {
        tPreset& slot = table[n];
        if (slot.Used)
            slot.Name = TrimBlanks(slot.Name);
        else
            slot.Clear();
    }
}

TPresetsDraft::TPresetsDraft(tPresets& mainTable, const tPresetsDraftSetup& setup, TCardThread& card,
                               TPrompts& prompts)
    : main_(mainTable), setup_(setup), card_(card), prompts_(prompts)
{
    NormalisePresets(main_);
    original_ = main_;
    table_ = main_;
    current_ = setup_.Current;
    fileName_ = setup_.FileName;
    untitled_ = fileName_.isEmpty();
    card_.Post(tCardJobKind::Plain, [origin = origin_](TRadioCard& c) {
        *origin = {c.Frequency(), c.Band(), c.Stereo()};
        return 0;
    });
    step_ = setup_.FMStep;
    ShowSlot(1);
}

TPresetsDraft::~TPresetsDraft() { ListenStop(); }

QString TPresetsDraft::Title() const
{
    return QCoreApplication::translate("TPresetsDraft", "Edit presets - ") + (fileName_.isEmpty() ? QCoreApplication::translate("TPresetsDraft", "Internal") : fileName_);
}

QString TPresetsDraft::StoredText() const
{
    return QCoreApplication::translate("TPresetsDraft", "Stored entries: %1").arg(StoredCount());
}

tEditButtons TPresetsDraft::Buttons() const
{
    const tPreset& slot = table_[selected_];
    const tDevCap& caps = card_.State().Caps();
    tEditButtons b;
    b.Insert = !table_[tPresets::Count].Used && selected_ < tPresets::Count && StoredCount() > 0;
    b.Delete = StoredCount() > 0;
    b.Clear = slot.Used;
    b.MoveUp = selected_ > 1;
    b.MoveDown = selected_ < tPresets::Count;
    b.Listen = slot.Used && (slot.Band == 0 ? caps.HasAM : caps.HasFM);
    return b;
}

// ---- the tuner ----

double TPresetsDraft::StepUnit() const
{
    const tDevCap& caps = card_.State().Caps();
    return caps.FMStep > 0 ? caps.FMStep : 0.025;
}

double TPresetsDraft::LowerLimit(tBand band) const { return band == bAM ? AMLow : TunerFMLow; }

double TPresetsDraft::UpperLimit(tBand band) const { return band == bAM ? AMHigh : card_.State().FMMax(); }

double TPresetsDraft::Snap(double frequency, tBand band) const
{
    return SnapFrequency(frequency, band == bAM ? AMGrid : StepUnit(), LowerLimit(band), UpperLimit(band));
}

bool TPresetsDraft::OutsideCard() const
{
    const tCardState& card = card_.State();
    const tDevCap& caps = card.Caps();
    if (tunerBand_ == bAM) return !caps.HasAM || !Within(tunerFrequency_, card.AMMin(), card.AMMax());
    return !caps.HasFM || !Within(tunerFrequency_, card.FMMin(), card.FMMax());
}

bool TPresetsDraft::CanTunePrev() const { return Above(tunerFrequency_, LowerLimit(tunerBand_)); }

bool TPresetsDraft::CanTuneNext() const
{
    return Above(tunerBand_ == bAM ? AMHigh : FMHigh, tunerFrequency_);
}

QString TPresetsDraft::Readout() const
{
    QString text = FrequencyText(tunerFrequency_);
    for (int i = 0; i < 3 && text[i] == QLatin1Char('0'); ++i) text[i] = QLatin1Char(' ');
    return text.remove(3, 1);
}

int TPresetsDraft::StepUnits() const { return int(std::lround(step_ / StepUnit())); }

int TPresetsDraft::StepKHz() const { return int(std::lround(step_ * 1000)); }

void TPresetsDraft::SetStepUnits(int units) { step_ = units * StepUnit(); }

void TPresetsDraft::StepUp()
{
    if (StepUnits() < setup_.StepMax) step_ += StepUnit();
}

void TPresetsDraft::StepDown()
{
    if (StepUnits() > setup_.StepMin) step_ -= StepUnit();
}

void TPresetsDraft::ShowTuner(double frequency, tBand band)
{
    tunerBand_ = band;
    tunerFrequency_ = Snap(frequency, band);
}

// Every frequency command ends here; a negative frequency stands for the
// band's lower limit and leaves an empty slot empty.
void TPresetsDraft::SetFrequency(double frequency, tBand band)
{
    const bool given = frequency > 0;
    ShowTuner(given ? frequency : LowerLimit(band), band);
    tPreset& slot = table_[selected_];
    if (given && !slot.Used) {
        slot.Used = 1;
        slot.Name.clear();
    }
    slot.Frequency = tunerFrequency_;
    slot.Band = band == bAM ? 0 : 1;
    CheckDuplicates();
}

void TPresetsDraft::CheckDuplicates()
{
    duplicated_ = false;
    for (int n = 2; n <= tPresets::Count && !duplicated_; ++n) {
        if (!table_[n].Used) continue;
        for (int m = 1; m < n && !duplicated_; ++m)
            duplicated_ = table_[m].Used && SameFrequency(table_[m].Frequency, table_[n].Frequency);
    }
}

// Showing a slot only shows it: a preset off this card's grid or above its
// FM limit keeps its own frequency until the user tunes it.
void TPresetsDraft::ShowSlot(int n)
{
    selected_ = n;
    const tPreset& slot = table_[n];
    if (slot.Used)
        ShowTuner(slot.Frequency, BandOf(slot));
    else
        SetFrequency(-1, bFM);
    CheckDuplicates();
}

// ---- commands on the slots ----

void TPresetsDraft::Select(int n)
{
    if (n < 1 || n > tPresets::Count) return;
    ListenStop();
    ShowSlot(n);
}

void TPresetsDraft::TypeName(const QString& text)
{
    tPreset& slot = table_[selected_];
    if (!slot.Used && !text.isEmpty()) {
        slot.Used = 1;
        slot.Band = 1;
        slot.Frequency = FMLow;
        ShowTuner(FMLow, bFM);
        CheckDuplicates();
    }
    slot.Name = text;
}

void TPresetsDraft::ChooseBand(tBand band) { SetFrequency(-1, band); }

void TPresetsDraft::SlideTo(int thousandths) { SetFrequency(thousandths / 1000.0, tunerBand_); }

void TPresetsDraft::TunePrev()
{
    const double step = tunerBand_ == bAM ? AMGrid : step_;
    SetFrequency(std::lround(tunerFrequency_ * 1000) / 1000.0 - step, tunerBand_);
}

void TPresetsDraft::TuneNext()
{
    const double step = tunerBand_ == bAM ? AMGrid : step_;
    SetFrequency(std::lround(tunerFrequency_ * 1000) / 1000.0 + step, tunerBand_);
}

void TPresetsDraft::Undo()
{
    table_[selected_] = original_[selected_];
    ShowSlot(selected_);
}

void TPresetsDraft::Insert()
{
    if (!Buttons().Insert) return;
    const int n = selected_;
    for (int k = tPresets::Count - 1; k >= n; --k) table_[k + 1] = table_[k];
    table_[n].Clear();
    if (current_ >= n) ++current_;
    ShowSlot(n + 1);
}

void TPresetsDraft::Delete()
{
    if (!Buttons().Delete) return;
    const int n = selected_;
    if (current_ == n)
        current_ = 0;
    else if (current_ > n)
        --current_;
    for (int k = n; k < tPresets::Count; ++k) table_[k] = table_[k + 1];
    table_[tPresets::Count].Clear();
    ShowSlot(n);
}

void TPresetsDraft::ClearSlot()
{
    if (current_ == selected_) current_ = 0;
    table_[selected_].Clear();
    ShowSlot(selected_);
}

void TPresetsDraft::MoveUp()
{
    const int n = selected_;
    if (n <= 1) return;
    std::swap(table_[n], table_[n - 1]);
    if (current_ == n)
        current_ = n - 1;
    else if (current_ == n - 1)
        current_ = n;
    ShowSlot(n - 1);
}

void TPresetsDraft::MoveDown()
{
    const int n = selected_;
    if (n >= tPresets::Count) return;
    std::swap(table_[n], table_[n + 1]);
    if (current_ == n)
        current_ = n + 1;
    else if (current_ == n + 1)
        current_ = n;
    ShowSlot(n + 1);
}

// ---- commands that ask ----

bool TPresetsDraft::ClearAll()
{
    if (!prompts_.AskYesNo(QCoreApplication::translate("TPresetsDraft", "Warning!"), QCoreApplication::translate("TPresetsDraft", "Do you wish to clear all presets?"),
                           tPromptIcon::Warning))
        return false;
    table_.Clear();
    current_ = 0;
    ShowSlot(selected_);
    return true;
}

bool TPresetsDraft::Reload()
{
    if (!prompts_.AskYesNo(QCoreApplication::translate("TPresetsDraft", "Warning!"), QCoreApplication::translate("TPresetsDraft", "Do you wish to restore the previous presets?"),
                           tPromptIcon::Warning))
        return false;
    table_ = original_;
    current_ = setup_.Current;
    ShowSlot(selected_);
    return true;
}

bool TPresetsDraft::Load()
{
    if (StoredCount() > 0 &&
        !prompts_.AskYesNo(WarningTitle(),
                           QCoreApplication::translate("TPresetsDraft", "If you load a new set of presets, the\ncurrent presets will be "
                                          "erased.\nAre you sure?"),
                           tPromptIcon::Information))
        return false;
    const QString fileName =
        prompts_.OpenFileName(PresetsRequest(QCoreApplication::translate("TPresetsDraft", "Open presets"), setup_.Directory, QString()));
    if (fileName.isEmpty()) return false;
    QString why;
    const std::uint8_t result = LoadPresetsFile(fileName, table_, &why);
    if (result != plLoaded) {
        ShowPresetsLoadError(prompts_, result, why);
        return false;
    }
    fileName_ = fileName;
    untitled_ = false;
    current_ = 0;
    ListenStop();
    ShowSlot(1);
    return true;
}

QString TPresetsDraft::AskSaveName() const
{
    return prompts_.SaveFileName(PresetsRequest(QCoreApplication::translate("TPresetsDraft", "Save presets"), setup_.Directory, fileName_));
}

bool TPresetsDraft::SaveTo(const QString& fileName)
{
    if (fileName.isEmpty()) return false;
    if (!SavePresetsFile(fileName, table_)) {
        ShowPresetsWriteError(prompts_);
        return false;
    }
    fileName_ = fileName;
    untitled_ = false;
    return true;
}

bool TPresetsDraft::Save()
{
    if (duplicated_) return false;
    return SaveTo(untitled_ ? AskSaveName() : fileName_);
}

bool TPresetsDraft::SaveAs()
{
    if (duplicated_) return false;
    return SaveTo(AskSaveName());
}

bool TPresetsDraft::Accept()
{
    if (duplicated_) return false;
    // The names were left as typed while editing; the bank keeps them trimmed,
    // and only the current preset is marked current.
    NormalisePresets(table_);
    for (int n = 1; n <= tPresets::Count; ++n) table_[n].Current = table_[n].Used && n == current_;
    main_ = table_;
    accepted_ = true;
    return true;
}

bool TPresetsDraft::CloseQuery()
{
    if (accepted_) return true;
    NormalisePresets(table_);
    // A slot used in either table counts: a preset added in a slot that was
    // empty is a change as much as one edited in place.
    for (int n = 1; n <= tPresets::Count; ++n) {
        if (!main_[n].Used && !table_[n].Used) continue;
        if (SameSlot(main_[n], table_[n])) continue;
        return prompts_.AskYesNo(WarningTitle(),
                                 QCoreApplication::translate("TPresetsDraft", "The presets have changed!\nAre you sure that you want\nto exit without saving?"),
                                 tPromptIcon::Information);
    }
    return true;
}

// ---- Listen ----

bool TPresetsDraft::ListenStart()
{
    const tPreset& slot = table_[selected_];
    const tCardState& card = card_.State();
    if (!Buttons().Listen || !Within(slot.Frequency, card.MinFrequency(), card.MaxFrequency())) return false;
    listening_ = true;
    listenTuned_ = false;
    const int run = ++listenRun_;
    const std::weak_ptr<TPresetsDraft*> self = self_;
    card_.Post(
        tCardJobKind::Plain,
        [origin = origin_, band = BandOf(slot), f = slot.Frequency](TRadioCard& c) {
            c.Tune(origin->stereo, band, f);
            return int(c.CheckSignal() != sgNone);
        },
        [self, run](int tuned) {
            const auto alive = self.lock();
            if (!alive) return;
            TPresetsDraft& draft = **alive;
            if (!draft.listening_ || run != draft.listenRun_) return;
            draft.listenTuned_ = tuned != 0;
            if (draft.OnListenTuned) draft.OnListenTuned();
        });
    return true;
}

void TPresetsDraft::ListenStop()
{
    if (!listening_) return;
    listening_ = false;
    listenTuned_ = false;
    ++listenRun_;
    card_.Post(tCardJobKind::Plain, [origin = origin_](TRadioCard& c) {
        c.Tune(origin->stereo, origin->band, origin->frequency);
        return 0;
    });
}
