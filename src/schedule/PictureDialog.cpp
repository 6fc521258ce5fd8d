#include "PictureDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* LayOutPictureDialog(QDialog* dialog, QWidget* picture, QWidget* group,
                                 const std::function<void(const QString&)>& help, const QString& topic)
{
    auto* buttons = new QDialogButtonBox(dialog);
    auto* btHelp = buttons->addButton(QCoreApplication::translate("PictureDialog", "Help"), QDialogButtonBox::HelpRole);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    auto* btCancel = buttons->addButton(QDialogButtonBox::Cancel);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    auto* btOk = buttons->addButton(QCoreApplication::translate("PictureDialog", "OK"), QDialogButtonBox::AcceptRole);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);

    auto* top = new QHBoxLayout;
    // The group takes the width the buttons give the dialog, so no gap opens
    // between it and the picture.
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(group, 1);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QObject::connect(btHelp, &QPushButton::clicked, dialog, [&help, topic] {
        if (help) help(topic);
    });
    QObject::connect(btCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return btOk;
}
