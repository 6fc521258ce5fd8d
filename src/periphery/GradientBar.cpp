#include "GradientBar.h"

#include <QLinearGradient>
#include <QPainter>

TGradientBar::TGradientBar(QWidget* parent) : QWidget(parent) {}

void TGradientBar::SetColours(const QColor& left, const QColor& right)
{
    left_ = left;
    right_ = right;
    update();
}

void TGradientBar::paintEvent(QPaintEvent*)
{
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, left_);
    gradient.setColorAt(1, right_);
    QPainter(this).fillRect(rect(), gradient);
}
