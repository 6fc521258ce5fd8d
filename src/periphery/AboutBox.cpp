#include "AboutBox.h"

#include "LinkLabel.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(const QString& version, const QString& folders, const QUrl& homePage,
                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Vantoro"));
    auto* name = new QLabel(QStringLiteral("<b>Vantoro</b> %1").arg(version.toHtmlEscaped()), this);
    name->setObjectName(QStringLiteral("lbName"));
    auto* text = new QLabel(
        tr("A radio with a front panel on the screen for USB and PCI radio tuners "
                       "(Video4Linux) and older radio-receiver cards: tuning, hardware seek "
                       "and scanning, RDS station names, one hundred presets, a station "
                       "archive, an alarm, a sleep timer and timed scripts."),
        this);
    text->setObjectName(QStringLiteral("lbDescription"));
    text->setWordWrap(true);
    auto* where = new QLabel(folders, this);
    where->setObjectName(QStringLiteral("lbFolders"));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!homePage.isEmpty()) {
        link_ = new TLinkLabel(homePage.toDisplayString(), homePage, this);
        link_->setObjectName(QStringLiteral("lbHomePage"));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(where);
    if (link_) layout->addWidget(link_);
    layout->addWidget(buttons);
    setFixedWidth(360);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
