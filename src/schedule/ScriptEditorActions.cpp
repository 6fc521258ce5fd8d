// What the script editor does: selecting, adding, dropping, deleting and
// storing actions, the two previews, the file commands and closing.

#include "ScriptEditor.h"

#include "AlarmSetting.h"
#include "PresetsFile.h"
#include "Helpers.h"
#include "Prompts.h"
#include "ScriptFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

QTime TScriptEditor::Now() const { return env_.Now ? env_.Now() : QTime::currentTime(); }

int TScriptEditor::Selected() const
{
    const int row = ScriptList->currentRow();
    return row >= 0 && row < script_.Count() ? row : -1;
}

tActionKind TScriptEditor::SelectedKind() const
{
    const QListWidgetItem* item = Actions->currentItem();
    if (!item) item = Actions->item(0);
    return tActionKind(item->data(Qt::UserRole).toInt());
}

zAction TScriptEditor::NewAction(tActionKind kind) const
{
    zAction action = MakeAction(kind, QTime(), env_.Card->Band() == bAM ? 0 : 1, env_.Card->Stereo());
    if (kind == zPreset || kind == zRecord) action.Preset = std::uint8_t(defaultPreset_);
    return action;
}

void TScriptEditor::ScriptClick()
{
    const int s = Selected();
    if (s < 0) return;
    const zAction& action = script_.At(s + 1);
    FillPanel(action);
    // A preview of another action ends; no further beep.
    if (previewPosition_ >= 0 && previewPosition_ != s) EndPreview();
}

void TScriptEditor::FillPanel(const zAction& action)
{
    // Only the panel of the action's kind shows, with its values.
    for (QWidget* panel : {gVolume, gFreq, gPreset, gBeep}) {
        panel->hide();
        panel->setEnabled(false);
    }
    QWidget* shown = nullptr;
    QWidget* focus = TimeHH;
    switch (action.Kind) {
    case zBeep:
        shown = gBeep;
        focus = Times;
        Times->setValue(action.Times);
        BFreq->setValue(action.BeepFreq);
        MSecs->setValue(action.MSecs);
        break;
    case zVolume:
        shown = focus = gVolume;
        focus = Volume;
        Volume->setValue(action.Volume);
        break;
    case zJumpTo:
        shown = gFreq;
        (action.Band == 0 ? btAM : btFM)->setChecked(true);
        ApplyBand(action.Band);
        FreqStereo->setChecked(action.Band != 0 && action.Stereo);
        Freq->setValue(action.Frequency);
        break;
    case zPreset:
    case zRecord: {
        shown = gPreset;
        focus = Presets;
        const bool record = action.Kind == zRecord;
        PresetWord->setText(record ? tr("Record") : tr("Jump to"));
        PresetStereo->setVisible(!record);
        RecordFor->setVisible(record);
        RecordMinutes->setVisible(record);
        const int at = Presets->findData(int(action.Preset));
        Presets->setCurrentIndex(at >= 0 ? at : 0);
        ShowPresetStereo(action.Preset, action.Stereo);
        RecordMinutes->setValue(action.Minutes);
        break;
    }
    default: break;
    }
    if (shown) {
        shown->show();
        shown->setEnabled(true);
    }
    // The time fields within the minutes the action may take.
    ShowRange(Selected());
    {
        const QSignalBlocker blockHour(TimeHH), blockMinute(TimeMM);
        TimeHH->setRange(range_.BeginHour, range_.EndHour);
        TimeHH->setValue(action.Hour());
    }
    TimeHHChange();
    TimeMM->setValue(action.Minute());
    focus->setFocus();
    // What the panel says before any edit, to tell an edit from none.
    panelIndex_ = Selected();
    panelFilled_ = PanelAction(panelIndex_);
}

void TScriptEditor::TimeHHChange()
{
    const int hour = HourInRange(range_, TimeHH->value());
    const QSignalBlocker blocker(TimeMM);
    if (range_.BeginHour == range_.EndHour)
        TimeMM->setRange(range_.BeginMinute, range_.EndMinute);
    else
        TimeMM->setRange(0, 59);
    if (hour != TimeHH->value()) TimeHH->setValue(hour);
    TimeMMChange();
}

void TScriptEditor::TimeMMChange()
{
    const int minute = MinuteInRange(range_, TimeHH->value(), TimeMM->value());
    if (minute != TimeMM->value()) TimeMM->setValue(minute);
}

void TScriptEditor::ApplyBand(std::uint8_t band)
{
    const tDevCap& caps = env_.Card->Caps();
    panelBand_ = band;
    const QSignalBlocker blockFM(btFM), blockAM(btAM);
    (band == 0 ? btAM : btFM)->setChecked(true);
    btPrFreq->setEnabled(band == 0 ? caps.HasAM : caps.HasFM);
    Freq->setRange(band == 0 ? 0.531 : 76.0, band == 0 ? 1.62 : 108.0);
    Freq->setValue(Freq->minimum());
    FreqStereo->setEnabled(band != 0);
    if (band == 0) FreqStereo->setChecked(false);
}

void TScriptEditor::ShowPresetStereo(int preset, bool stereo)
{
    const bool fm = preset >= 1 && preset <= tPresets::Count && (*env_.Presets)[preset].Band != 0;
    PresetStereo->setEnabled(fm);
    PresetStereo->setChecked(fm && stereo);
}

void TScriptEditor::RightClick()
{
    if (!Actions->currentItem()) Actions->setCurrentRow(0);
    const int at = AddAction(script_, NewAction(SelectedKind()), Now());
    if (at < 0) {
        env_.Prompts->Beep();
        return;
    }
    ShowScriptAndSelect(at);
}

bool TScriptEditor::ProgDragOver(bool fromKinds) const
{
    if (!fromKinds) return true;
    return (SelectedKind() != zPreset && SelectedKind() != zRecord) || Presets->count() > 0;
}

void TScriptEditor::ProgDragDrop(bool fromKinds, int row)
{
    int at = -1;
    if (fromKinds) {
        at = DropAction(script_, NewAction(SelectedKind()), row, Now());
    } else {
        if (script_.Count() < 2 || Selected() < 0) return;
        at = MoveAction(script_, Selected(), row);
    }
    if (at < 0) {
        env_.Prompts->Beep();
        return;
    }
    ShowScriptAndSelect(at);
}

void TScriptEditor::LeftClick()
{
    const int s = Selected();
    if (s < 0) return;
    if (previewPosition_ >= 0) EndPreview();
    const int next = DeleteAction(script_, s);
    if (next < 0)
        for (QWidget* panel : {gVolume, gFreq, gPreset, gBeep}) panel->hide();
    ShowScriptAndSelect(next);
}

zAction TScriptEditor::PanelAction(int s)
{
    zAction action = script_.At(s + 1);
    // A time still being typed counts, put within its range.
    TimeHH->interpretText();
    TimeMM->interpretText();
    const int hour = HourInRange(range_, TimeHH->value());
    action.Time = QTime(hour, MinuteInRange(range_, hour, TimeMM->value()));
    switch (action.Kind) {
    case zBeep:
        action.Times = std::uint8_t(Times->value());
        action.BeepFreq = BFreq->value();
        action.MSecs = MSecs->value();
        break;
    case zVolume: action.Volume = std::uint8_t(Volume->value()); break;
    case zPreset:
        action.Preset = std::uint8_t(EntryPreset(Presets->currentText()));
        action.Stereo = PresetStereo->isChecked();
        break;
    case zRecord:
        action.Preset = std::uint8_t(EntryPreset(Presets->currentText()));
        action.Minutes = RecordMinutes->value();
        break;
    case zJumpTo:
        action.Band = panelBand_;
        action.Stereo = FreqStereo->isChecked();
        action.Frequency = FitFrequency(Freq->value(), panelBand_, env_.Card->Caps().FMStep);
        break;
    default: break;
    }
    return action;
}

bool TScriptEditor::PanelEdited()
{
    const int s = Selected();
    return s >= 0 && s == panelIndex_ && !PanelAction(s).SameAs(panelFilled_);
}

void TScriptEditor::SaveClick()
{
    const int s = Selected();
    if (s < 0) return;
    // A preset action points at a stored preset, or the script it is saved
    // in could not be read back.
    const tActionKind kind = script_.At(s + 1).Kind;
    if ((kind == zPreset || kind == zRecord) && Presets->count() == 0) {
        env_.Prompts->Message(WarningTitle(), PresetActionNeedsPresetText(), tPromptIcon::Warning);
        return;
    }
    script_.Actions[std::size_t(s)] = PanelAction(s);
    ShowScript(s);
    ScriptClick();
}

void TScriptEditor::ReloadClick()
{
    if (const int s = Selected(); s >= 0) FillPanel(script_.At(s + 1));
}

void TScriptEditor::btPrFreqClick(bool down)
{
    if (!down) {
        EndFreqTest();
        return;
    }
    EndPreview();
    TRadioCard& card = *env_.Card;
    const tBand band = panelBand_ == 0 ? bAM : bFM;
    const double f = Freq->value();
    const double low = band == bAM ? card.AMMin() : card.FMMin();
    const double high = band == bAM ? card.AMMax() : card.FMMax();
    if (f < low || f > high) {
        btPrFreq->setChecked(false);
        return;
    }
    previewPosition_ = Selected();
    preview_ = tPreview::Freq;
    card.Tune(FreqStereo->isChecked(), band, f);
    Tuned->setText(card.CheckSignal() != 0 ? tr("Tuned") : tr("Not tuned"));
    Tuned->show();
    Preview->start(5000);
}

void TScriptEditor::EndFreqTest()
{
    Preview->stop();
    Tuned->hide();
    env_.Card->Tune(savedStereo_, savedBand_, savedFrequency_);
    btPrFreq->setChecked(false);
    previewPosition_ = -1;
    preview_ = tPreview::None;
}

void TScriptEditor::btPrBeepClick(bool down)
{
    if (!down) {
        Preview->stop();
        previewPosition_ = -1;
        preview_ = tPreview::None;
        return;
    }
    EndPreview();
    btPrBeep->setChecked(true);
    previewPosition_ = Selected();
    preview_ = tPreview::Beep;
    beepCount_ = 1;
    Preview->start(1000);
}

void TScriptEditor::PreviewTick()
{
    if (preview_ == tPreview::Freq) {
        EndFreqTest();
        return;
    }
    if (preview_ == tPreview::Beep && Times->value() >= beepCount_) {
        if (env_.Beep) env_.Beep(BFreq->value(), MSecs->value());
        ++beepCount_;
        return;
    }
    EndPreview();
}

void TScriptEditor::EndPreview()
{
    if (preview_ == tPreview::Freq) {
        EndFreqTest();
        return;
    }
    Preview->stop();
    btPrBeep->setChecked(false);
    previewPosition_ = -1;
    preview_ = tPreview::None;
}

void TScriptEditor::btNewClick()
{
    if (!env_.Prompts->AskYesNo(WarningTitle(), tr("This script will be erased.\nAre you sure?"),
                                tPromptIcon::Information))
        return;
    EndPreview();
    script_.Actions.clear();
    for (QWidget* panel : {gVolume, gFreq, gPreset, gBeep}) panel->hide();
    ShowScript(-1);
    RefreshEnabled();
}

void TScriptEditor::btLoadClick()
{
    const QString name = AskScriptFileToLoad(*env_.Prompts, !script_.Actions.empty(),
                                             fileName_.isEmpty() ? env_.DocumentsDir
                                                                 : QFileInfo(fileName_).absolutePath());
    if (name.isEmpty()) return;
    tScript fresh;
    const std::uint8_t result = LoadScriptFile(name, fresh);
    if (result != slLoaded) {
        env_.Prompts->Message(WarningTitle(), ScriptLoadErrorText(result), tPromptIcon::Warning);
        return;
    }
    EndPreview();
    SetFileName(name);
    Title->setText(fresh.Title);
    script_.Actions = std::move(fresh.Actions);
    ShowScriptAndSelect(script_.Actions.empty() ? -1 : 0);
}

bool TScriptEditor::Write(const QString& fileName)
{
    tScript written = script_;
    written.Title = Title->text();
    QString why;
    if (!SaveScriptFile(fileName, written, *env_.Presets, &why)) {
        const QString reason = why.isEmpty() ? QString() : QStringLiteral("\n(%1)").arg(why);
        env_.Prompts->Message(WarningTitle(), ScriptWriteErrorText() + reason, tPromptIcon::Warning);
        return false;
    }
    SetFileName(fileName);
    return true;
}

bool TScriptEditor::SaveAs()
{
    tFileDialogRequest request;
    request.Title = tr("Save script");
    request.Filter = ScriptFileFilter();
    request.DefaultSuffix = ScriptFileSuffix();
    request.Directory = fileName_.isEmpty() ? env_.DocumentsDir : QFileInfo(fileName_).absolutePath();
    request.FileName = fileName_.isEmpty() ? QStringLiteral("NoName.") + ScriptFileSuffix() : QFileInfo(fileName_).fileName();
    const QString name = env_.Prompts->SaveFileName(request);
    return !name.isEmpty() && Write(name);
}

void TScriptEditor::btSaveClick()
{
    // A script with a file goes back to it; only an unnamed one asks.
    if (fileName_.isEmpty())
        SaveAs();
    else
        Write(fileName_);
}

void TScriptEditor::iSaveAsClick() { SaveAs(); }

void TScriptEditor::btOkClick()
{
    // Values changed in the panel and not saved there are taken, as its
    // Save would take them.
    if (PanelEdited()) {
        SaveClick();
        if (PanelEdited()) return; // refused: the message said why
    }
    script_.Title = TrimBlanks(Title->text());
    accepted_ = true;
    accept();
}

void TScriptEditor::Restore()
{
    EndPreview();
    env_.Card->Tune(savedStereo_, savedBand_, savedFrequency_);
    // The window's mute as it is now: a sleep that ended meanwhile counts.
    if (env_.Muted && env_.Muted())
        env_.Card->Mute();
    else
        env_.Card->Unmute();
}

void TScriptEditor::done(int result)
{
    tScript edited = script_;
    edited.Title = Title->text();
    // Values typed into the panel and not saved there are a change too.
    const bool changed = !edited.SameAs(loaded_) || (!accepted_ && PanelEdited());
    if (!accepted_ && changed) {
        env_.Prompts->Beep();
        if (!env_.Prompts->AskYesNo(tr("Exit without save"),
                                    tr("The script has changed!\nAre you sure?"), tPromptIcon::Error)) {
            Restore();
            return;
        }
    }
    Restore();
    QDialog::done(accepted_ ? QDialog::Accepted : result);
}
