// The tuner: TuneTo is the one road to a new frequency; around it the band
// display, the read-out, the frequency and step sliders and the edge tests.

#include "MainWindow.h"

#include "Display.h"
#include "Helpers.h"
#include "SpinButton.h"

#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char* const AMScale[12] = {"531", "630", "729", "828", "927", "1026", "1125", "1224", "1323", "1422", "1521", "1620"};
const char* const FMScale[8] = {"87", "90", "93", "96", "99", "102", "105", "108"};
const char* const JapaneseScale[6] = {"76", "79", "82", "85", "88", "91"};

int KHz(double mhz) { return int(std::lround(mhz * 1000)); }

// f is above lo, by more than what printing "000.000" hides.
bool Above(double f, double lo) { return f > lo && !SameFrequency(f, lo); }

} // namespace

double TMainWindow::FMUnit() const { return card_->Caps().FMStep > 0 ? card_->Caps().FMStep : 0.025; }

int TMainWindow::StepUnits() const { return std::max(1, int(std::lround(1.0 / FMUnit()))); }

double TMainWindow::SnapToBand(tBand band, double frequency) const
{
    if (band == bAM) return SnapFrequency(frequency, card_->Caps().AMStep, card_->AMMin(), card_->AMMax());
    return SnapFrequency(frequency, FMUnit(), card_->FMMin(), card_->FMMax());
}

QString TMainWindow::FrequencyHint(tBand band, double frequency) const
{
    if (band == bAM) return QString::number(KHz(frequency)) + QStringLiteral(" kHz");
    // Trailing zeros go, and with them a decimal mark left on its own: "87 MHz", "101.5 MHz".
    const QLocale locale;
    QString text = locale.toString(frequency, 'f', 3);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(locale.decimalPoint())) text.chop(locale.decimalPoint().size());
    return text + QStringLiteral(" MHz");
}

namespace {

// The card's own snap to a band, for a frequency only the card knows (after
// a band change it goes back to the band's last frequency).
double SnapOnCard(const TRadioCard& card, tBand band, double frequency)
{
    if (band == bAM) return SnapFrequency(frequency, card.Caps().AMStep, card.AMMin(), card.AMMax());
    const double unit = card.Caps().FMStep > 0 ? card.Caps().FMStep : 0.025;
    return SnapFrequency(frequency, unit, card.FMMin(), card.FMMax());
}

} // namespace

std::vector<double> TMainWindow::PresetFrequencies() const
{
    std::vector<double> frequencies;
    for (int n = 1; n <= tPresets::Count; ++n)
        if (settings_.Presets[n].Used) frequencies.push_back(settings_.Presets[n].Frequency);
    return frequencies;
}

std::vector<int> TMainWindow::SignalReadings(TRadioCard& card, double frequency, const std::vector<double>& presets)
{
    // One reading for each preset at this frequency (each is shown with the
    // preset), then the panel's.
    std::vector<int> readings;
    for (const double f : presets)
        if (SameFrequency(f, frequency)) readings.push_back(card.CheckSignal());
    readings.push_back(card.CheckSignal());
    return readings;
}

int TMainWindow::TuneTo(tBand band, bool quiet, double frequency, std::function<void(int status)> then)
{
    const tDevCap& caps = card_->Caps();
    if ((band == bAM && !caps.HasAM) || (band == bFM && !caps.HasFM)) {
        if (then) then(0);
        return 0;
    }
    if (recorder_) AskTuningAway(band, frequency);
    if (card_->Band() != band) SetBandDisplay(band);

    struct tTuned {
        double frequency = 0;
        std::vector<int> readings;
    };
    auto tuned = std::make_shared<tTuned>();
    const double snapped = frequency > 0 ? SnapToBand(band, frequency) : 0;
    const bool stereo = stereoWanted_;
    const std::vector<double> presets = quiet ? std::vector<double>() : PresetFrequencies();
    auto job = [tuned, band, snapped, stereo, presets, quiet](TRadioCard& card) {
        if (snapped > 0) {
            card.Tune(stereo, band, snapped);
            tuned->frequency = snapped;
        } else {
            card.SetBand(band);
            tuned->frequency = SnapOnCard(card, band, card.Frequency());
        }
        if (!quiet) tuned->readings = SignalReadings(card, tuned->frequency, presets);
        return 0;
    };
    if (snapped > 0) tuneTarget_ = std::make_pair(band, snapped);
    const std::uint64_t serial = ++tuneSerial_;
    auto status = std::make_shared<int>(0);
    // A caller that goes on from the result (a scan) must hear it: its
    // tuning is never dropped for a newer one.
    cardThread_->Post(then ? tCardJobKind::Plain : tCardJobKind::Tune, std::move(job),
                      [this, tuned, quiet, serial, status, then = std::move(then)](int) {
                          if (serial == tuneSerial_) tuneTarget_.reset();
                          *status = ShowTuning(tuned->frequency, quiet, tuned->readings);
                          if (then) then(*status);
                      });
    // Set only when the card reported before Post returned (no card thread).
    return *status;
}

int TMainWindow::ShowTuning(double snapped, bool quiet, const std::vector<int>& readings)
{
    const int panel = readings.empty() ? 0 : readings.back();
    std::size_t next = 0;
    if (!quiet) {
        for (int n = 1; n <= tPresets::Count; ++n) {
            const tPreset& slot = settings_.Presets[n];
            if (slot.Used && SameFrequency(slot.Frequency, snapped)) {
                RecallPreset(n, false);
                SetTunedLabel(next + 1 < readings.size() ? readings[next++] : panel);
            }
        }
    }

    SetBandButtons(card_->Band());
    SetFrequencySlider(snapped);
    int status = 0;
    if (!quiet) {
        status = panel;
        SetTunedLabel(status);
    }

    UpdateEdgeControls();
    UpdateReadout();
    SetStationName(QString());
    RefreshRdsHints();
    StationNum->setText(QStringLiteral("??"));
    MatchPreset();
    EnableMemoryItems();
    return status;
}

void TMainWindow::SetBandDisplay(tBand band)
{
    const bool fm = band == bFM;
    SetBandButtons(band);
    const std::array<QWidget*, 7> fmOnly{btScanPrev, btScanNext, LScan, Step, LStep, btSpinStep, sStep};
    for (QWidget* w : fmOnly) {
        w->setVisible(fm);
        w->setEnabled(fm);
    }
    if (!fm) btStopScan->hide();
    btJump->move(fm ? 196 : 71, btJump->y());
    RefreshStrButton(); // nothing on AM is stereo
    AM_FM->setText(fm ? QStringLiteral("FM") : QStringLiteral("AM"));
    HZ->setText(fm ? QStringLiteral("MHz") : QStringLiteral("kHz"));
    for (int i = 0; i < 12; ++i) {
        QLabel* label = Freq[std::size_t(i)];
        const char* text = nullptr;
        int left = 0;
        if (!fm) {
            text = AMScale[i];
            left = 3 + 24 * i;
        } else if (card_->JapaneseFM()) {
            if (i < 6) text = JapaneseScale[i];
            left = 3 + 53 * i;
        } else {
            if (i < 8) text = FMScale[i];
            left = 3 + 38 * i;
        }
        label->setVisible(text != nullptr);
        label->setText(text ? QLatin1String(text) : QLatin1String(""));
        label->setGeometry(left, label->y(), ScaleLabelWidth(band, card_->JapaneseFM()), label->height());
    }
    SetSliderRange(band);
}

int ScaleLabelWidth(tBand band, bool japaneseFM)
{
    // Two pixels short of the next label, so neighbours never touch; the
    // last AM label so ends before the "am" button.
    const int pitch = band == bAM ? 24 : japaneseFM ? 53 : 38;
    return pitch - 2;
}

void TMainWindow::SetSliderRange(tBand band)
{
    const QSignalBlocker blocker(sFrequency);
    if (band == bAM) {
        sFrequency->setRange(KHz(card_->AMMin()), KHz(card_->AMMax()));
        sFrequency->setSingleStep(KHz(card_->Caps().AMStep));
        sFrequency->setPageStep(99);
        // One mark under each scale label: 99 kHz apart, not one per step.
        sFrequency->setTickInterval(99);
    } else {
        sFrequency->setRange(KHz(card_->FMMin()), KHz(card_->FMMax()));
        sFrequency->setSingleStep(KHz(FMUnit()));
        sFrequency->setPageStep(1000);
        sFrequency->setTickInterval(1000);
    }
}

void TMainWindow::SetFrequencySlider(double frequency)
{
    const QSignalBlocker blocker(sFrequency);
    sFrequency->setValue(KHz(frequency));
    sFrequency->setToolTip(FrequencyHint(card_->Band(), frequency));
}

void TMainWindow::SetBandButtons(tBand band)
{
    const QSignalBlocker am(btAM);
    const QSignalBlocker fm(btFM);
    btAM->setChecked(band == bAM);
    btFM->setChecked(band == bFM);
}

void TMainWindow::EnableBandButtons()
{
    btAM->setEnabled(card_->Caps().HasAM);
    btFM->setEnabled(card_->Caps().HasFM);
    SetBandButtons(card_->Band());
}

void TMainWindow::UpdateReadout()
{
    PlayerChanged();
    // No card open: the cells show dashes, as for a value that is not there.
    if (!card_->Active()) {
        Point->hide();
        for (TDisplay* cell : Dig) cell->SetDigit('-');
        return;
    }
    const double f = std::clamp(card_->Frequency(), card_->MinFrequency(), card_->MaxFrequency());
    QString text = FrequencyText(f);
    for (int i = 0; i < 3 && i < text.size() && text[i] == QLatin1Char('0'); ++i) text[i] = QLatin1Char(' ');
    Point->setVisible(text.size() > 2 && text[2] != QLatin1Char(' '));
    text.remove(3, 1);
    for (int i = 0; i < 6; ++i)
        Dig[std::size_t(i)]->SetDigit(i < text.size() ? char(text[i].toLatin1()) : ' ');
}

void TMainWindow::UpdateEdgeControls()
{
    const double lo = card_->MinFrequency();
    const double hi = card_->MaxFrequency();
    const double f = card_->Frequency();
    // Without an open card there is nothing to tune.
    const bool left = card_->Active() && Above(f, lo);
    const bool right = card_->Active() && Above(hi, f);
    btTunePrev->setEnabled(left);
    btTuneNext->setEnabled(right);
    SetItemsEnabled("Actions_TunePrev", left);
    SetItemsEnabled("Actions_TuneNext", right);
    EnableVolumeSteps();
    // A scan keeps its controls disabled until it ends; it sets them itself.
    if (busy_) return;
    btScanPrev->setEnabled(left && card_->Band() == bFM);
    btScanNext->setEnabled(right && card_->Band() == bFM);
    // Scanning is for FM only.
    SetItemsEnabled("Actions_ScanPrev", left && card_->Band() == bFM);
    SetItemsEnabled("Actions_ScanNext", right && card_->Band() == bFM);
}

void TMainWindow::UpdateStepControls()
{
    Step->setText(QString::number(KHz(fmTuneStep_)));
    SetItemsEnabled("Actions_StepInc", sStep->value() > sStep->minimum());
    SetItemsEnabled("Actions_StepDec", sStep->value() < sStep->maximum());
}

void TMainWindow::SetStepFromSlider(int position)
{
    if (busy_) {
        const QSignalBlocker blocker(sStep);
        sStep->setValue(int(std::lround(fmTuneStep_ / FMUnit())));
        return;
    }
    fmTuneStep_ = position * FMUnit();
    UpdateStepControls();
}

void TMainWindow::Actions_StepDec()
{
    if (busy_ || sStep->value() >= sStep->maximum()) return;
    const int units = int(std::lround(fmTuneStep_ / FMUnit())) + 1;
    fmTuneStep_ = units * FMUnit();
    const QSignalBlocker blocker(sStep);
    sStep->setValue(units);
    UpdateStepControls();
}

void TMainWindow::Actions_StepInc()
{
    if (busy_ || sStep->value() <= sStep->minimum()) return;
    const int units = int(std::lround(fmTuneStep_ / FMUnit())) - 1;
    fmTuneStep_ = units * FMUnit();
    const QSignalBlocker blocker(sStep);
    sStep->setValue(units);
    UpdateStepControls();
}

std::pair<tBand, double> TMainWindow::TuningAskedFor() const
{
    return tuneTarget_ ? *tuneTarget_ : std::make_pair(card_->Band(), card_->Frequency());
}

void TMainWindow::Actions_TunePrev()
{
    if (busy_) return;
    const auto [band, frequency] = TuningAskedFor();
    const double step = band == bFM ? fmTuneStep_ : card_->Caps().AMStep;
    TuneTo(band, false, frequency - step);
}

void TMainWindow::Actions_TuneNext()
{
    if (busy_) return;
    const auto [band, frequency] = TuningAskedFor();
    const double step = band == bFM ? fmTuneStep_ : card_->Caps().AMStep;
    TuneTo(band, false, frequency + step);
}

void TMainWindow::btFMClick()
{
    if (busy_) {
        SetBandButtons(card_->Band());
        return;
    }
    TuneTo(bFM, false, -1);
    SetBandButtons(card_->Band());
}

void TMainWindow::btAMClick()
{
    if (busy_) {
        SetBandButtons(card_->Band());
        return;
    }
    TuneTo(bAM, false, -1);
    SetBandButtons(card_->Band());
}

void TMainWindow::sFrequencyChange(int position)
{
    if (busy_) return;
    TuneTo(card_->Band(), sFrequency->isSliderDown(), position * 0.001);
}

void TMainWindow::Actions_Stereo()
{
    if (!card_->Caps().CanSetStereo) {
        SayWhy(tr("This radio card cannot switch between stereo and mono."));
        return;
    }
    stereoWanted_ = !stereoWanted_;
    const bool stereo = stereoWanted_;
    cardThread_->Post(tCardJobKind::Plain, [stereo](TRadioCard& card) {
        card.SetStereo(stereo);
        return 0;
    });
    TuneTo(card_->Band(), false, card_->Frequency());
    RefreshStrButton();
}

void TMainWindow::ShowSignal()
{
    cardThread_->Post(
        tCardJobKind::Signal, [](TRadioCard& card) { return int(card.CheckSignal()); },
        [this](int status) { SetTunedLabel(status); });
}

void TMainWindow::SetTunedLabel(int status)
{
    Tuned->setText(SignalText(tSignal(status)));
    QPalette palette = Tuned->palette();
    palette.setColor(QPalette::WindowText, TextColour(status != 0));
    Tuned->setPalette(palette);
}

bool TMainWindow::FrequencyStored() const
{
    // The same station test as every other duplicate test, so a preset read
    // back from text still matches the station it was stored from.
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = settings_.Presets[n];
        if (slot.Used && slot.Band == card_->Band() && SameFrequency(slot.Frequency, card_->Frequency())) return true;
    }
    return false;
}

void TMainWindow::EnableMemoryItems() { SetItemsEnabled("Stations_Memory", !FrequencyStored()); }
