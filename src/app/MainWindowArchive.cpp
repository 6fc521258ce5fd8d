// "Organize": the station archive "Vantoro.db" in the data folder, edited
// in the archive dialog, which also fills presets of the live bank.

#include "MainWindow.h"

#include "Archive.h"
#include "ArchiveDialog.h"
#include "Profile.h"
#include "ProgramDir.h"
#include "Prompts.h"
#include "SafeSave.h"

#include <QSlider>
#include <QTimer>
#include <algorithm>

void TMainWindow::Stations_Organize()
{
    if (busy_) return;
    // An archive an earlier version kept beside the settings is read from
    // there until the first save puts it into the data folder.
    const QString dataDir = env_.DataDir.isEmpty() ? env_.ProgramDir : env_.DataDir;
    const QString file = ArchiveToRead(env_.ProgramDir, dataDir);
    TProfile profile(file);
    TArchive archive;
    const tArchiveLoad loaded = archive.Load(profile);
    // The file stays as it is; the user is told where to look.
    if (loaded.Result == tArchiveLoad::Unreadable) {
        env_.Prompts->Message(WarningTitle(), tr("The station archive %1 cannot be read").arg(file),
                              tPromptIcon::Warning);
        return;
    }
    if (loaded.Result == tArchiveLoad::BadRow) {
        env_.Prompts->Message(WarningTitle(),
                              tr("The station archive %1 cannot be read: %2 (\"%3\") does not convert")
                                  .arg(file, loaded.RowKey, loaded.Value),
                              tPromptIcon::Warning);
        return;
    }

    tArchiveDialogSetup setup;
    setup.FMStep = fmTuneStep_;
    setup.StepMin = sStep->minimum();
    setup.StepMax = sStep->maximum();
    setup.ColorFavAssButtonFM = settings_.ColorFavAssButtonFM;
    setup.ColorFavAssButtonAM = settings_.ColorFavAssButtonAM;
    setup.ColorFavNotAssButton = settings_.ColorFavNotAssButton;
    RunPresetsDialog([&] {
        // The dialog tunes and scans through the card's thread while it is up.
        TArchiveDialog dialog(std::move(archive), settings_.Presets, currentPreset_, setup, *cardThread_,
                              *env_.Prompts, *glyphs_);
        dialog.OnHelp = [this](const QString& topic) { ShowHelp(topic); };
        // The archive goes to the data folder, also when it was read from
        // beside the settings.
        dialog.OnSave = [&profile, &file, &dataDir](const TArchive& tree, QString& error) {
            tree.Save(profile);
            // The data folder of a new account is made by the first save.
            if (!MakePrivateFolder(dataDir, &error)) return false;
            const QString target = ArchiveToWrite(dataDir);
            if (target == file) return profile.Save(&error);
            return SaveFileSafely(target, profile.Text(), &error);
        };
        // Rows the tree could not take are not shown, but OK writes them
        // back: the user is told what the file holds beyond the tree.
        if (!loaded.Dropped.empty())
            dialog.OpeningNotice =
                tr("The station archive %1 has %2. They are not shown, and saving "
                               "keeps them in the file as they are.")
                    .arg(file, DroppedRowsSummary(loaded.Dropped));
        dialog.exec();
    });
}

void TMainWindow::RunPresetsDialog(const std::function<void()>& show)
{
    // No alarm goes off and no sleep ends while the bank is being edited.
    WithAlarmAndSleepHeld(show);
    SettingsChanged(); // the presets editor's OK, or presets filled from the archive
    RebuildPresetMenus();
    RefreshGlyphs(true);
    SetCurrentPreset(currentPreset_);
    if (currentPreset_ != 0 && settings_.Presets[currentPreset_].Used) {
        presetRow_ = RowOf(currentPreset_);
        ShowPresetRow();
        RecallPreset(currentPreset_, true);
    } else if (currentPreset_ != 0) {
        TuneTo(card_->Band(), false, 0);
        SetCurrentPreset(0);
    } else if (card_->Caps().HasFM) {
        TuneTo(bFM, false, FMLow);
    } else {
        TuneTo(bAM, false, AMLow);
    }
    if (!muted_) SetCardMuted(false);
}
