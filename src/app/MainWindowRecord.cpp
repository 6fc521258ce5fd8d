// Recording what the card plays: the Record command, a script's timed
// recording, the indicator on the panel and in the tray, and the question
// when the user tunes away from the station being recorded.

#include "MainWindow.h"

#include "Glyphs.h"
#include "Helpers.h"
#include "Prompts.h"
#include "TrayIcon.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace {

QString Elapsed(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The tray's icon with a red dot in its corner.
QIcon RecordingIcon(const QIcon& base)
{
    QPixmap pixmap = base.pixmap(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(230, 0, 0));
    p.drawEllipse(QRectF(16, 16, 15, 15));
    return QIcon(pixmap);
}

} // namespace

void TMainWindow::Actions_Record()
{
    if (recorder_)
        StopRecording();
    else
        StartRecording(0);
}

QString TMainWindow::RecordingStation() const
{
    if (currentPreset_ != 0 && !settings_.Presets[currentPreset_].Name.trimmed().isEmpty())
        return settings_.Presets[currentPreset_].Name.trimmed();
    if (!card_->Rds().Ps().trimmed().isEmpty()) return card_->Rds().Ps().trimmed();
    return FrequencyHint(card_->Band(), card_->Frequency());
}

bool TMainWindow::StartRecording(int minutes)
{
    if (recorder_) return true;
    const QString why = card_->NoRecordingReason();
    if (!why.isEmpty()) {
        SayWhy(why);
        return false;
    }
    const QString folder = settings_.RecordFolder.isEmpty() ? DefaultRecordingFolder() : settings_.RecordFolder;
    QString format = settings_.RecordFormat;
    if (!TRecorder::Extensions().contains(format)) format = QStringLiteral("flac");
    QString error;
    const QDateTime start = Now();
    const QString station = RecordingStation();
    auto recorder = std::make_unique<TRecorder>();
    if (!MakeRecordingFolder(folder, &error) ||
        !recorder->Open(FreeRecordingPath(folder, RecordingBaseName(station, start), format), AudioChannels, &error,
                        station, start.date().toString(Qt::ISODate))) {
        env_.Prompts->Message(WarningTitle(), tr("Cannot record:\n%1").arg(error), tPromptIcon::Warning);
        return false;
    }
    recorder_ = std::move(recorder);
    cue_ = std::make_unique<TCueSheet>(recorder_->Path(), station);
    recordStart_ = start;
    recordUntil_ = minutes > 0 ? start.addSecs(qint64(minutes) * 60) : QDateTime();
    recordStation_ = station;
    tuningAwayAgreed_ = false;
    // In turn with the card's requests; the recorder outlives the tap, as
    // stopping takes the tap away before it closes the file.
    TAudioTap* tap = recorder_.get();
    cardThread_->Post(tCardJobKind::Plain, [tap](TRadioCard& card) {
        card.SetAudioTap(tap);
        return 0;
    });
    RefreshRecordIndicator();
    return true;
}

void TMainWindow::StopRecording()
{
    if (!recorder_) return;
    cardThread_->Direct([](TRadioCard& card) { card.SetAudioTap(nullptr); });
    QString error;
    const bool closed = recorder_->Close(&error);
    const std::uint64_t dropped = recorder_->Dropped();
    const QString path = recorder_->Path();
    recorder_.reset();
    cue_.reset();
    RefreshRecordIndicator();
    QStringList said;
    if (!closed) said << tr("The recording stopped: %1").arg(error);
    if (dropped > 0)
        said << tr("%1 seconds of sound could not be written in time and are missing from the recording.")
                    .arg(QLocale().toString(double(dropped) / TRecorder::Rate, 'f', 1));
    if (!said.isEmpty())
        env_.Prompts->Message(WarningTitle(), said.join(QLatin1Char('\n')) + QStringLiteral("\n") + path,
                              closed ? tPromptIcon::Information : tPromptIcon::Warning);
}

void TMainWindow::RecordTick()
{
    if (!recorder_) return;
    if (!recorder_->Recording() || (recordUntil_.isValid() && Now() >= recordUntil_) ||
        !card_->NoRecordingReason().isEmpty()) {
        StopRecording();
        return;
    }
    // The title of the moment: the item the station tags (RT+) with its
    // artist, else its radio text. The sheet skips a title it has just marked.
    const TRdsDecoder& rds = card_->Rds();
    if (!rds.Title().trimmed().isEmpty())
        cue_->Mark(recorder_->Frames(), rds.Title().trimmed(), rds.Artist().trimmed());
    else
        cue_->Mark(recorder_->Frames(), rds.Rt().trimmed(), QString());
    RefreshRecordIndicator();
}

void TMainWindow::RefreshRecordIndicator()
{
    if (!icRecord) return;
    if (recorder_) {
        recordElapsed_ = Elapsed(recordStart_.secsTo(Now()));
        //: The panel's recording indicator, beside the time recorded: keep it short.
        icRecord->setText(QStringLiteral("\u25CF ") + tr("REC") + QLatin1Char(' ') + recordElapsed_);
        icRecord->setToolTip(tr("Recording %1 into %2").arg(recordElapsed_, recorder_->Path()));
        QPalette palette = icRecord->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 40, 40));
        palette.setColor(QPalette::Window, Qt::black);
        icRecord->setPalette(palette);
        icRecord->show();
        icRecord->raise();
    } else {
        icRecord->hide();
    }
    SetTrayTip(trayTip_);
    // The icon and the menus' marks change only as recording starts or stops.
    if (indicatorShown_ == (recorder_ != nullptr)) return;
    indicatorShown_ = recorder_ != nullptr;
    if (trayIcon_) trayIcon_->SetIcon(recorder_ ? RecordingIcon(glyphs_->MuteIcon(true)) : glyphs_->MuteIcon(true));
    ShowCommandState();
}

void TMainWindow::AskTuningAway(tBand band, double frequency)
{
    if (scriptTuning_ || busy_ || tuningAwayAgreed_) return;
    if (band == card_->Band() && (frequency <= 0 || SameFrequency(SnapToBand(band, frequency), card_->Frequency())))
        return;
    const int answer = env_.Prompts->Choose(
        tr("Recording"), tr("%1 is being recorded.\nStop the recording, or go on recording the new station?").arg(recordStation_),
        tPromptIcon::Information, {tr("Stop recording"), tr("Go on recording")}, 1);
    if (answer == 0)
        StopRecording();
    else
        tuningAwayAgreed_ = true;
}

void TMainWindow::ScriptRecord(int preset, int minutes)
{
    if (preset < 1 || preset > tPresets::Count || !settings_.Presets[preset].Used) return;
    // A recording under way gives way to the one the script asks for.
    StopRecording();
    scriptTuning_ = true;
    RecallPreset(preset, true);
    scriptTuning_ = false;
    StartRecording(minutes);
}
