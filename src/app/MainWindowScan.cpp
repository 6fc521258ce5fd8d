// Scanning: step through FM (or let a radio device seek) until the card hears
// a station, the band edge is reached or the halt button is pressed. Each
// step runs on the card's thread and the next is asked for when it has
// reported, so the window goes on with its events meanwhile and a halt takes
// effect when the step under way ends (a hardware seek is one step). Without
// a card thread the steps report at once, and the loop lets the application
// process its messages between them.
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
    scanUpward_ = upward;
    ++scanRun_;
    ScanOn();
}

void TMainWindow::ScanOn()
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
        const bool upward = scanUpward_;
        if (!AtEdge(upward) && !stopRequest_ && cardThread_->Mode() == TCardThread::tMode::Inline)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (AtEdge(upward) || stopRequest_ || !card_->Active()) {
            scanLooping_ = false;
            EndScan();
            return;
        }
        const int run = scanRun_;
        ScanStep(upward, [this, run](int status, bool moved) {
            // A scan halted meanwhile has ended already; its last step is
            // shown, and another scan started since goes on by itself.
            if (run != scanRun_ || !busy_) return;
            SetTunedLabel(status);
            if (status != 0 || !moved)
                EndScan();
            else
                ScanOn();
        });
    } while (scanAgain_);
    scanLooping_ = false;
}

void TMainWindow::EndScan()
{
    if (!busy_) return;
    LeaveScanMode(scanUpward_);
    // A close asked for during the scan waited for it to end; go on with it now.
    if (closePending_) {
        closePending_ = false;
        close();
    }
}

void TMainWindow::ScanStep(bool upward, const std::function<void(int status, bool moved)>& then)
{
    if (!card_->Caps().HasHardwareSeek) {
        TuneTo(card_->Band(), false, card_->Frequency() + (upward ? fmTuneStep_ : -fmTuneStep_),
               [then](int status) { then(status, true); });
        return;
    }
    // The device finds the next station itself, in one call; it stays where
    // it found it, which need not lie on the step grid.
    struct tSought {
        bool moved = false;
        double frequency = 0;
        std::vector<int> readings;
    };
    auto sought = std::make_shared<tSought>();
    const std::vector<double> presets = PresetFrequencies();
    cardThread_->Post(
        tCardJobKind::Plain,
        [sought, upward, presets](TRadioCard& card) {
            sought->moved = card.Seek(upward);
            sought->frequency = card.Frequency();
            if (sought->moved) sought->readings = SignalReadings(card, sought->frequency, presets);
            return 0;
        },
        [this, sought, then](int) {
            const int status = sought->moved ? ShowTuning(sought->frequency, false, sought->readings) : 0;
            then(status, sought->moved);
        });
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
    if (card_->Band() != bFM) return;
    stopRequest_ = true;
    // With the card on its own thread the scan ends now: the step under way
    // is shown when it reports, and none follows.
    if (busy_ && !scanLooping_ && cardThread_->Mode() == TCardThread::tMode::Threaded) EndScan();
}

void TMainWindow::PollRds()
{
    if (busy_ || !card_->Active() || !card_->Caps().HasRds) return;
    cardThread_->Post(
        tCardJobKind::Poll, [](TRadioCard& card) { card.PollRds(); return 0; }, [this](int) { ShowRds(); });
}

void TMainWindow::ShowRds()
{
    if (busy_ || !card_->Active()) return;
    // The software-defined radio's sound output that failed, told once per opening.
    if (card_->Model() == mSdr && !sdrAudioTold_) {
        if (!card_->sdrAudioError.isEmpty()) {
            sdrAudioTold_ = true;
            env_.Prompts->Message(WarningTitle(),
                                  tr("No sound: %1\nThe radio goes on tuning and receiving RDS.")
                                      .arg(card_->sdrAudioError),
                                  tPromptIcon::Warning);
            return;
        }
    } else if (card_->Model() != mSdr) {
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
