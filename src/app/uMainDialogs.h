#pragma once
// The window's modal dialogs as the user sees them.

#include "uMain.h"

class TQtMainDialogs final : public TMainDialogs {
public:
    bool Setup(QWidget* parent, tModel& model, int& port) override;
    tExitChoice AskExit(QWidget* parent, bool yesEnabled) override;
    bool AskName(QWidget* parent, QString& name) override;
    bool TipOfTheDay(QWidget* parent, const QString& tipsFile, bool showAtStart) override;
};
