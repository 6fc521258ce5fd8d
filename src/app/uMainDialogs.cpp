#include "uMainDialogs.h"

#include "TipOfDay.h"
#include "uAskName.h"
#include "uExit.h"
#include "uSetupStandIn.h"

bool TQtMainDialogs::Setup(QWidget* parent, tModel& model, int& port)
{
    const std::optional<tCardChoice> choice = tdSetupStandIn::Ask(model, port, parent);
    if (!choice) return false;
    model = choice->Model;
    port = choice->Port;
    return true;
}

tExitChoice TQtMainDialogs::AskExit(QWidget* parent, bool yesEnabled)
{
    tdExit dialog(!yesEnabled, parent);
    switch (dialog.Ask()) {
    case tExitAnswer::Yes: return tExitChoice::Yes;
    case tExitAnswer::No: return tExitChoice::No;
    default: return tExitChoice::Abort;
    }
}

bool TQtMainDialogs::AskName(QWidget* parent, QString& name)
{
    const std::optional<QString> answer = tdAskName::Ask(name, parent);
    if (!answer) return false;
    name = *answer;
    return true;
}

bool TQtMainDialogs::TipOfTheDay(QWidget* parent, const QString& tipsFile, bool showAtStart)
{
    return TTipOfDay::Run(tipsFile, showAtStart, parent);
}
