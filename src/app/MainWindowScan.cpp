// Scanning: step through FM (or let a radio device seek) until the card hears
// a station, the band edge is reached or the halt button is pressed. The loop
// runs on the window's own thread and lets the application process its
// messages between steps, so the halt button, the clock and repainting go on
// working; a hardware seek is one step, so a halt takes effect when it ends.
// Also the station's RDS, polled while no scan runs: its name on the panel,
// its programme type and text in the hints of the name and the tray icon.

#include "MainWindow.h"

#include "Glyphs.h"
#include "Helpers.h"
#include "Prompts.h"

#include <QLocale>

#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

bool TMainWindow::AtEdge(bool upward) const
{
    return SameFrequency(card_->Frequency(), upward ? card_->MaxFrequency() : card_->MinFrequency());
}

void TMainWindow::Scan(bool upward)
{
    if (busy_) return;
    if (card_->Band() == bAM) {
        SayWhy(tr("Scanning works on FM only."));
        return;
    }
    // A card that is not open never moves, so the loop would never reach an edge.
    if (!card_->Active()) return;
    if (AtEdge(upward)) {
        UpdateEdgeControls();
        return;
    }
    EnterScanMode(upward);
    try {
        for (;;) {
            if (AtEdge(upward) || stopRequest_) break;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (stopRequest_ || !card_->Active()) break;
            bool moved = true;
            const int status = ScanStep(upward, moved);
            SetTunedLabel(status);
            if (status != 0 || !moved) break;
        }
    } catch (...) {
        LeaveScanMode(upward);
        throw;
    }
    LeaveScanMode(upward);
    // A close asked for during the scan waited for it to end; go on with it now.
    if (closePending_) {
        closePending_ = false;
        close();
    }
}

int TMainWindow::ScanStep(bool upward, bool& moved)
{
    if (!card_->Caps().HasHardwareSeek)
        return TuneTo(card_->Band(), false, card_->Frequency() + (upward ? fmTuneStep_ : -fmTuneStep_));
    // The device finds the next station itself, in one call; it stays where
    // it found it, which need not lie on the step grid.
    moved = card_->Seek(upward);
    return moved ? ShowTuning(card_->Frequency(), false) : 0;
}

void TMainWindow::EnterScanMode(bool upward)
{
    busy_ = true;
    sFrequency->blockSignals(true);
    btScanPrev->setEnabled(false);
    btScanNext->setEnabled(false);
    SetItemsEnabled("Actions_ScanPrev", false);
    SetItemsEnabled("Actions_ScanNext", false);
    SetItemsEnabled("Actions_StopScan", true);
    btScanPrev->hide();
    btScanNext->hide();
    btStopScan->move(253, btStopScan->y());
    btStopScan->show();
    // Only the colour: the label keeps what it said until a step reads the
    // card, so a halt before the first step never claims a station.
    QPalette palette = Tuned->palette();
    palette.setColor(QPalette::WindowText, TextColour(true));
    Tuned->setPalette(palette);
    SetStationName(QString());
    RefreshRdsHints();
    StationNum->setText(QStringLiteral("??"));
    icScan->setPixmap(Picture(TGlyphs::ScanName(settings_.ColorText, upward)));
    icScan->show();
    stopRequest_ = false;
    Tuned->hide();
}

void TMainWindow::LeaveScanMode(bool upward)
{
    btScanPrev->show();
    btScanNext->show();
    const bool left = upward || !AtEdge(false);
    const bool right = !upward || !AtEdge(true);
    btScanPrev->setEnabled(left);
    btScanNext->setEnabled(right);
    SetItemsEnabled("Actions_ScanPrev", left);
    SetItemsEnabled("Actions_ScanNext", right);
    SetItemsEnabled("Actions_StopScan", false);
    btStopScan->hide();
    icScan->hide();
    Tuned->show();
    sFrequency->blockSignals(false);
    busy_ = false;
}

void TMainWindow::Actions_StopScan()
{
    if (card_->Band() == bFM) stopRequest_ = true;
}

void TMainWindow::PollRds()
{
    if (busy_ || !card_->Active() || !card_->Caps().HasRds) return;
    card_->PollRds();
    // The software-defined radio's sound output that failed, told once per opening.
    if (TSdrReceiver* sdr = card_->SdrReceiver(); sdr && !sdrAudioTold_) {
        const std::string why = sdr->AudioError();
        if (!why.empty()) {
            sdrAudioTold_ = true;
            env_.Prompts->Message(WarningTitle(),
                                  tr("No sound: %1\nThe radio goes on tuning and receiving RDS.")
                                      .arg(QString::fromStdString(why)),
                                  tPromptIcon::Warning);
            return;
        }
    } else if (!sdr) {
        sdrAudioTold_ = false;
    }
    const QString name = card_->Rds().Ps().trimmed();
    // A preset's own name goes first; one without a name shows the station's.
    const bool named = currentPreset_ != 0 && !settings_.Presets[currentPreset_].Name.isEmpty();
    if (!named && !name.isEmpty() && Station->text() != name) {
        Station->setText(name);
        PlayerChanged();
    }
    RefreshRdsHints();
}

QString TMainWindow::RdsHintLines() const
{
    if (!card_->Active() || !card_->Caps().HasRds) return {};
    const TRdsDecoder& rds = card_->Rds();
    QStringList lines;
    // Type 0 says the station gives none.
    if (rds.Pty().value_or(0) != 0) lines << ProgrammeTypeText(*rds.Pty(), NorthAmericanRds(QLocale()));
    if (!rds.Rt().isEmpty()) lines << rds.Rt();
    if (!rds.Title().isEmpty() && !rds.Artist().isEmpty())
        lines << rds.Artist() + QStringLiteral(" \u2013 ") + rds.Title();
    return lines.join(QLatin1Char('\n'));
}

void TMainWindow::RefreshRdsHints()
{
    ShowRdsLine();
    const QString lines = RdsHintLines();
    if (lines == rdsHintLines_) return;
    rdsHintLines_ = lines;
    PlayerChanged(); // the song's title and artist
    const QString tail = lines.isEmpty() ? QString() : QLatin1Char('\n') + lines;
    Station->setToolTip(stationHint_ + tail);
    SetTrayTip(captionTip_ + tail);
}
