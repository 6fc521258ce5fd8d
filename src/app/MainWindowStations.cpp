// The presets editor and the jump-to dialog, both under the dialog rules;
// the editor runs as a dialog that edits the bank (RunPresetsDialog).

#include "MainWindow.h"

#include "JumpToDialog.h"
#include "PresetsEditor.h"
#include "Prompts.h"

#include <QSlider>

void TMainWindow::Actions_Jump()
{
    if (busy_ || !card_->Active()) return;
    tJumpCard jumpCard;
    cardThread_->Direct([&jumpCard](TRadioCard& card) { jumpCard = JumpCardOf(card); });
    TJumpToDialog dialog(jumpCard);
    dialog.OnHelp = [this](const QString& topic) { ShowHelp(topic); };
    bool ok = false;
    WithDialogRules([&] { ok = dialog.exec() == QDialog::Accepted; });
    if (ok) TuneTo(dialog.Band(), false, dialog.Frequency());
}

void TMainWindow::Stations_EditPresets()
{
    if (busy_) return;
    if (settings_.Presets.UsedCount() == 0) {
        SayWhy(tr("No presets are stored yet."));
        return;
    }
    tPresetsDraftSetup setup;
    setup.Current = currentPreset_;
    setup.FileName = lastPresetsFile_;
    setup.FMStep = fmTuneStep_;
    setup.StepMin = sStep->minimum();
    setup.StepMax = sStep->maximum();
    setup.Directory = StartFolder(settings_.PresetsFolder);
    RunPresetsDialog([&] {
        // The editor's Listen tunes through the card's thread.
        TPresetsEditor dialog(settings_.Presets, setup, *cardThread_, *env_.Prompts);
        dialog.OnHelp = [this](const QString& topic) { ShowHelp(topic); };
        if (dialog.exec() != QDialog::Accepted) return;
        currentPreset_ = dialog.Editor().Current();
        lastPresetsFile_ = dialog.Editor().FileName();
        if (!lastPresetsFile_.isEmpty()) settings_.PresetsFolder = FolderOf(lastPresetsFile_);
    });
}
