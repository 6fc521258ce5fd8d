#include "uCannotStart.h"

#include "DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

tdCannotStart::tdCannotStart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("tdCannotStart"));
    setWindowTitle(QStringLiteral("Warning"));

    auto* text = new QLabel(QStringLiteral("Vantoro can run under Linux 2.6 or later."), this);
    text->setObjectName(QStringLiteral("lbText"));
    text->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("Continue"), this);
    ok->setObjectName(QStringLiteral("btContinue"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(text, 1);
    right->addWidget(ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakeSideLabel(QStringLiteral("Linux"), this));
    layout->addLayout(right, 1);
    setMinimumWidth(380);
}

void tdCannotStart::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
