#include "ExitQuestion.h"

#include "DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TExitQuestion::TExitQuestion(bool forcedMuteOnExit, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExitQuestion"));
    setWindowTitle(tr("Power-off message"));

    auto* text = new QLabel(tr("Do you want the music to play in the background?"), this);
    text->setObjectName(QStringLiteral("lbQuestion"));
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    text->setAlignment(Qt::AlignCenter);

    yes_ = new QPushButton(tr("&Yes"), this);
    yes_->setObjectName(QStringLiteral("btYes"));
    no_ = new QPushButton(tr("&No"), this);
    no_->setObjectName(QStringLiteral("btNo"));
    notExit_ = new QPushButton(tr("Don't &exit"), this);
    notExit_->setObjectName(QStringLiteral("btNotExit"));
    for (QPushButton* b : {yes_, no_, notExit_}) b->setAutoDefault(false);
    yes_->setEnabled(!forcedMuteOnExit);
    // Enter picks the first answer the card allows.
    (forcedMuteOnExit ? no_ : yes_)->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    buttons->addWidget(notExit_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(8);
    layout->addWidget(text);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yes_, &QPushButton::clicked, this, [this] { Finish(tExitAnswer::Yes); });
    connect(no_, &QPushButton::clicked, this, [this] { Finish(tExitAnswer::No); });
    connect(notExit_, &QPushButton::clicked, this, [this] { Finish(tExitAnswer::Abort); });
}

tExitAnswer TExitQuestion::Ask()
{
    answer_ = tExitAnswer::Abort;
    exec();
    return answer_;
}

void TExitQuestion::Finish(tExitAnswer answer)
{
    answer_ = answer;
    accept();
}

void TExitQuestion::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}
