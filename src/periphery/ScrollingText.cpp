#include "ScrollingText.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>

TScrollingText::TScrollingText(QWidget* parent) : QWidget(parent), timer_(new QTimer(this))
{
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, &TScrollingText::Tick);
}

void TScrollingText::SetText(const QString& text)
{
    if (text == text_) return;
    text_ = text;
    setToolTip(text);
    Restart();
}

void TScrollingText::SetColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    update();
}

int TScrollingText::Overhang() const
{
    return std::max(0, fontMetrics().horizontalAdvance(text_) - width());
}

void TScrollingText::Restart()
{
    offset_ = 0;
    pause_ = PauseTicks;
    if (Overhang() > 0)
        timer_->start();
    else
        timer_->stop();
    update();
}

void TScrollingText::Tick()
{
    const int overhang = Overhang();
    if (overhang == 0) {
        offset_ = 0;
        return;
    }
    if (pause_ > 0) {
        --pause_;
        // The wait at the end over: back to the start, and wait there.
        if (pause_ == 0 && offset_ >= overhang) {
            offset_ = 0;
            pause_ = PauseTicks;
            update();
        }
        return;
    }
    offset_ = std::min(overhang, offset_ + StepPixels);
    if (offset_ >= overhang) pause_ = PauseTicks;
    update();
}

void TScrollingText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(QRect(-offset_, 0, width() + offset_ + Overhang(), height()), Qt::AlignLeft | Qt::AlignVCenter,
                     text_);
}

void TScrollingText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Restart();
}
