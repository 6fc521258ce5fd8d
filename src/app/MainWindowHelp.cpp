// The help window over the manual and the about box.

#include "MainWindow.h"

#include "HelpWindow.h"

void TMainWindow::ShowHelp(const QString& topic)
{
    if (env_.Help) {
        env_.Help(topic);
        return;
    }
    if (!help_) {
        help_ = std::make_unique<THelpWindow>(DataFile(QStringLiteral("Vantoro.hlp")));
        if (settings_.HelpWidth > 0 && settings_.HelpHeight > 0) help_->resize(settings_.HelpWidth, settings_.HelpHeight);
    }
    help_->ShowTopic(topic);
}

void TMainWindow::Help_Topics() { ShowHelp(QStringLiteral("Welcome")); }

void TMainWindow::Help_About()
{
    if (busy_) return;
    WithDialogRules([this] { env_.Dialogs->About(nullptr); });
}
