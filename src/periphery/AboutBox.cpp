#include "AboutBox.h"

#include "LinkLabel.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(const QString& version, const QUrl& homePage, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Vantoro"));
    auto* name = new QLabel(QStringLiteral("<b>Vantoro</b> %1").arg(version.toHtmlEscaped()), this);
    name->setObjectName(QStringLiteral("lbName"));
    auto* text = new QLabel(QStringLiteral("A radio with a front panel on the screen for radio-receiver cards: "
                                           "tuning and scanning, one hundred presets, a station archive, volume "
                                           "through the card or the sound card, an alarm, a sleep timer and "
                                           "timed scripts."),
                            this);
    text->setObjectName(QStringLiteral("lbDescription"));
    text->setWordWrap(true);
    link_ = new TLinkLabel(homePage.toDisplayString(), homePage, this);
    link_->setObjectName(QStringLiteral("lbHomePage"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(link_);
    layout->addWidget(buttons);
    setFixedWidth(360);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
