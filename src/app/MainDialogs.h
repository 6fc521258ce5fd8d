#pragma once
// The window's modal dialogs as the user sees them.

#include "MainWindow.h"

#include <functional>

class TQtMainDialogs final : public TMainDialogs {
public:
    bool Setup(QWidget* parent, const tSetupFacts& facts, tSetupValues& values) override;
    tExitChoice AskExit(QWidget* parent, bool yesEnabled) override;
    bool AskName(QWidget* parent, QString& name) override;
    bool TipOfTheDay(QWidget* parent, const QString& tipsFile, bool showAtStart) override;
    bool Alarm(QWidget* parent, const tCardState& card, const tPresets& presets, int currentPreset, int& hour,
               int& minute, int& preset) override;
    bool Sleep(QWidget* parent, int& minutes) override;
    bool EditScript(QWidget* parent, const tScriptEditorEnv& env, tScript& script, QString& fileName) override;
    void About(QWidget* parent) override;

    // Opens the help at a topic for the dialogs' "Help" buttons; null: none.
    std::function<void(const QString&)> Help;
};
