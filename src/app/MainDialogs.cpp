#include "MainDialogs.h"

#include "AboutBox.h"
#include "AlarmDialog.h"
#include "DialogParts.h"
#include "ExitQuestion.h"
#include "ProgramDir.h"
#include "QtPrompts.h"
#include "ScriptEditor.h"
#include "SettingsDialog.h"
#include "SleepDialog.h"
#include "StationNamePrompt.h"
#include "TipOfDay.h"

#include <QCoreApplication>

bool TQtMainDialogs::Setup(QWidget* parent, const tSetupFacts& facts, tSetupValues& values)
{
    TSettingsDialog dialog(values, facts, parent);
    dialog.OnHelp = Help;
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.Values();
    return true;
}

tExitChoice TQtMainDialogs::AskExit(QWidget* parent, bool yesEnabled)
{
    TExitQuestion dialog(!yesEnabled, parent);
    switch (dialog.Ask()) {
    case tExitAnswer::Yes: return tExitChoice::Yes;
    case tExitAnswer::No: return tExitChoice::No;
    default: return tExitChoice::Abort;
    }
}

bool TQtMainDialogs::AskName(QWidget* parent, QString& name)
{
    const std::optional<QString> answer = TStationNamePrompt::Ask(name, parent);
    if (!answer) return false;
    name = *answer;
    return true;
}

bool TQtMainDialogs::TipOfTheDay(QWidget* parent, const QString& tipsFile, bool showAtStart)
{
    return TTipOfDay::Run(tipsFile, showAtStart, parent);
}

bool TQtMainDialogs::Alarm(QWidget* parent, const tCardState& card, const tPresets& presets, int currentPreset,
                           int& hour, int& minute, int& preset)
{
    const tDevCap& caps = card.Caps();
    TAlarmDialog dialog(AlarmPresets(presets, {caps.HasFM, caps.HasAM, card.FMMin(), card.FMMax()}), currentPreset, hour,
                   minute, parent);
    dialog.OnHelp = Help;
    CentreOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    hour = dialog.Hour();
    minute = dialog.Minute();
    preset = dialog.Preset();
    return true;
}

bool TQtMainDialogs::Sleep(QWidget* parent, int& minutes)
{
    TSleepDialog dialog(minutes, parent);
    dialog.OnHelp = Help;
    CentreOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    minutes = dialog.Minutes();
    return true;
}

bool TQtMainDialogs::EditScript(QWidget* parent, const tScriptEditorEnv& env, tScript& script, QString& fileName)
{
    // The editor's questions, messages and file dialogs open over the
    // editor, not over the window hidden behind it.
    TQtPrompts prompts;
    tScriptEditorEnv editorEnv = env;
    editorEnv.Prompts = &prompts;
    TScriptEditor dialog(editorEnv, script, fileName, parent);
    prompts.SetParent(&dialog);
    CentreOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    script = dialog.Script();
    fileName = dialog.FileName();
    return true;
}

void TQtMainDialogs::About(QWidget* parent)
{
    const tProgramDirs dirs = ProgramDirs(false);
    QString folders = QCoreApplication::translate("TMainWindow", "Settings: %1").arg(dirs.Settings);
    if (dirs.Data != dirs.Settings)
        folders += QCoreApplication::translate("TMainWindow", "\nStation archive: %1").arg(dirs.Data);
    TAboutBox dialog(QStringLiteral(VANTORO_VERSION), folders, QUrl(), parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}
