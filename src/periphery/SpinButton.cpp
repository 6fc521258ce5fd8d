#include "SpinButton.h"

#include <QToolButton>

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), top_(new QToolButton(this)), bottom_(new QToolButton(this))
{
    top_->setArrowType(Qt::UpArrow);
    bottom_->setArrowType(Qt::DownArrow);
    top_->setObjectName(QStringLiteral("Top"));
    bottom_->setObjectName(QStringLiteral("Bottom"));
    for (QToolButton* b : {top_, bottom_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    connect(top_, &QToolButton::clicked, this, &TSpinButton::TopClick);
    connect(bottom_, &QToolButton::clicked, this, &TSpinButton::BottomClick);
}

void TSpinButton::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    top_->setGeometry(0, 0, width(), half);
    bottom_->setGeometry(0, half, width(), height() - half);
}
