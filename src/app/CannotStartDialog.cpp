#include "CannotStartDialog.h"

#include "DialogParts.h"

TCannotStartDialog::TCannotStartDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CannotStartDialog"));
    setWindowTitle(tr("Warning"));

    BuildWarningLayout(this, QStringLiteral("Linux"),
                       tr("Vantoro can run under Linux 2.6 or later."));
    setMinimumWidth(380);
}

void TCannotStartDialog::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
