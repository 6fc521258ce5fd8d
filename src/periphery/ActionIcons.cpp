#include "ActionIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void Speaker(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF({{1, 6}, {4, 6}, {8, 2}, {8, 14}, {4, 10}, {1, 10}}));
}

} // namespace

QPixmap ActionIcon(int kind)
{
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen red(QColor(200, 0, 0), 1.6);
    const QPen green(QColor(0, 140, 0), 1.4);
    switch (kind) {
    case 1: // mute on: a speaker struck out
        Speaker(p);
        p.setPen(red);
        p.drawLine(QPointF(10, 5), QPointF(15, 11));
        p.drawLine(QPointF(15, 5), QPointF(10, 11));
        break;
    case 2: // mute off: a speaker with sound waves
        Speaker(p);
        p.setPen(green);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 5, 5, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(6, 2, 9, 12), -60 * 16, 120 * 16);
        break;
    case 3: { // beep: a bell
        QPainterPath bell;
        bell.moveTo(8, 2);
        bell.cubicTo(3, 2, 4, 10, 2, 12);
        bell.lineTo(14, 12);
        bell.cubicTo(12, 10, 13, 2, 8, 2);
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(240, 200, 40));
        p.drawPath(bell);
        p.drawEllipse(QPointF(8, 13.5), 1.5, 1.5);
        break;
    }
    case 4: // volume: rising bars
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 90, 200));
        for (int i = 0; i < 4; ++i) p.drawRect(QRectF(1 + i * 4, 12 - i * 3, 3, 3 + i * 3));
        break;
    case 5: // jump to: an arrow onto a tuning mark
        p.setPen(QPen(QColor(0, 0, 160), 1.6));
        p.drawLine(QPointF(1, 8), QPointF(11, 8));
        p.drawLine(QPointF(8, 4.5), QPointF(11.5, 8));
        p.drawLine(QPointF(8, 11.5), QPointF(11.5, 8));
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(QPointF(14, 2), QPointF(14, 14));
        break;
    case 6: // preset: a numbered button
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(210, 210, 210));
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 2, 2);
        p.setPen(QPen(QColor(0, 140, 0), 1.5));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        break;
    case 7: // off: the power sign
        p.setPen(QPen(QColor(200, 0, 0), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
        p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
        break;
    case 8: // record: the red dot
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(220, 0, 0));
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        break;
    default: break;
    }
    return icon;
}
