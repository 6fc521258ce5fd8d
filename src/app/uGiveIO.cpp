#include "uGiveIO.h"

#include "DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

tdGiveIO::tdGiveIO(const QString& reason, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("tdGiveIO"));
    setWindowTitle(QStringLiteral("Warning"));

    QStringList lines = {
        QStringLiteral("The running operating system is Linux and the installed radio card is "
                       "controlled by direct access to I/O ports."),
        QStringLiteral(" "),
        QStringLiteral("In Linux, that kind of access to hardware is not allowed without a privilege."),
        QStringLiteral("In order for Vantoro to gain access to this brand of radio card under Linux, "
                       "the program must be given the CAP_SYS_RAWIO capability (setcap "
                       "cap_sys_rawio+ep) before running Vantoro!"),
        QStringLiteral(" "),
        QStringLiteral("Read the chapter \"Installing on Linux\" of the user manual for major details."),
    };
    if (!reason.trimmed().isEmpty())
        lines.append(QStringLiteral("The system's reason: %1").arg(reason.trimmed()));
    text_ = lines.join(QLatin1Char('\n'));

    auto* text = new QLabel(text_, this);
    text->setObjectName(QStringLiteral("lbText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(QStringLiteral("Continue"), this);
    ok->setObjectName(QStringLiteral("btContinue"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(text, 1);
    right->addWidget(ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakeSideLabel(QStringLiteral("Linux is\ninstalled"), this));
    layout->addLayout(right, 1);
    setMinimumWidth(520);
}

void tdGiveIO::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
