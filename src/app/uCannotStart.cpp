#include "uCannotStart.h"

#include "DialogParts.h"

tdCannotStart::tdCannotStart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("tdCannotStart"));
    setWindowTitle(QStringLiteral("Warning"));

    BuildWarningLayout(this, QStringLiteral("Linux"),
                       QStringLiteral("Vantoro can run under Linux 2.6 or later."));
    setMinimumWidth(380);
}

void tdCannotStart::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
