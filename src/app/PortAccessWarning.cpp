#include "PortAccessWarning.h"

#include "DialogParts.h"

#include <QStringList>

TPortAccessWarning::TPortAccessWarning(const QString& reason, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PortAccessWarning"));
    setWindowTitle(tr("Warning"));

    QStringList lines = {
        tr("The running operating system is Linux and the installed radio card is "
                       "controlled by direct access to I/O ports."),
        QStringLiteral(" "),
        tr("In Linux, that kind of access to hardware is not allowed without a privilege."),
        tr("In order for Vantoro to gain access to this kind of radio card under Linux, "
                       "the program must be given the CAP_SYS_RAWIO capability (setcap "
                       "cap_sys_rawio+ep) before running Vantoro!"),
        QStringLiteral(" "),
        tr("Read the chapter \"Installing on Linux\" of the user manual for more details."),
    };
    if (!reason.trimmed().isEmpty())
        lines.append(tr("The system's reason: %1").arg(reason.trimmed()));
    text_ = lines.join(QLatin1Char('\n'));

    BuildWarningLayout(this, tr("Linux is\ninstalled"), text_);
    setMinimumWidth(520);
}

void TPortAccessWarning::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
