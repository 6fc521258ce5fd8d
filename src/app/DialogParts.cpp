#include "DialogParts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

QLabel* MakeSideLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lbSide"));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setMargin(10);
    label->setMinimumWidth(96);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    return label;
}

void CentreOnScreen(QDialog* dialog)
{
    dialog->adjustSize();
    QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

void BuildWarningLayout(QDialog* dialog, const QString& sideCaption, const QString& text)
{
    auto* label = new QLabel(text, dialog);
    label->setObjectName(QStringLiteral("lbText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(QCoreApplication::translate("DialogParts", "Continue"), dialog);
    ok->setObjectName(QStringLiteral("btContinue"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(label, 1);
    right->addWidget(ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(MakeSideLabel(sideCaption, dialog));
    layout->addLayout(right, 1);
}
