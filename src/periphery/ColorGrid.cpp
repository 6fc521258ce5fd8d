#include "ColorGrid.h"

#include "Glyphs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setToolTip(tr("Left click: foreground (FG); right click: background (BG)"));
}

void TColorGrid::SetForegroundIndex(int index)
{
    foreground_ = std::clamp(index, 0, 15);
    update();
}

void TColorGrid::SetBackgroundIndex(int index)
{
    background_ = std::clamp(index, 0, 15);
    update();
}

void TColorGrid::SetBackgroundEnabled(bool enabled)
{
    backgroundEnabled_ = enabled;
    setToolTip(enabled ? tr("Left click: foreground (FG); right click: background (BG)")
                       : tr("Click a colour to choose it"));
    update();
}

QRect TColorGrid::CellRect(int index) const
{
    const int w = std::max(1, (width() - 1) / Columns);
    const int h = std::max(1, (height() - 1) / Rows);
    return {(index % Columns) * w, (index / Columns) * h, w, h};
}

int TColorGrid::IndexAt(const QPoint& point) const
{
    for (int i = 0; i < Columns * Rows; ++i)
        if (CellRect(i).contains(point)) return i;
    return -1;
}

void TColorGrid::Pick(int index, bool background)
{
    if (background && !backgroundEnabled_) return;
    (background ? background_ : foreground_) = index;
    focus_ = index;
    update();
    emit Change();
}

void TColorGrid::mousePressEvent(QMouseEvent* event)
{
    const int index = IndexAt(event->position().toPoint());
    if (index < 0) return;
    if (event->button() == Qt::LeftButton)
        Pick(index, false);
    else if (event->button() == Qt::RightButton)
        Pick(index, true);
}

void TColorGrid::keyPressEvent(QKeyEvent* event)
{
    const int column = focus_ % Columns, row = focus_ / Columns;
    switch (event->key()) {
    case Qt::Key_Left: focus_ = row * Columns + std::max(0, column - 1); break;
    case Qt::Key_Right: focus_ = row * Columns + std::min(Columns - 1, column + 1); break;
    case Qt::Key_Up: focus_ = std::max(0, row - 1) * Columns + column; break;
    case Qt::Key_Down: focus_ = std::min(Rows - 1, row + 1) * Columns + column; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: Pick(focus_, event->modifiers() & Qt::ShiftModifier); return;
    default: QWidget::keyPressEvent(event); return;
    }
    update();
}

void TColorGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont f = font();
    f.setPixelSize(std::max(7, CellRect(0).height() * 2 / 5));
    f.setBold(true);
    painter.setFont(f);
    for (int i = 0; i < Columns * Rows; ++i) {
        const QRect cell = CellRect(i);
        const QColor colour = PaletteColour(i);
        painter.fillRect(cell, colour);
        painter.setPen(Qt::gray);
        painter.drawRect(cell);
        // The mark is drawn in whichever of black and white stands out.
        painter.setPen(colour.lightness() > 110 ? Qt::black : Qt::white);
        QString mark;
        if (i == foreground_) mark = tr("FG");
        if (backgroundEnabled_ && i == background_) mark += (mark.isEmpty() ? QString() : QStringLiteral("\n")) + tr("BG");
        if (!mark.isEmpty()) painter.drawText(cell, Qt::AlignCenter, mark);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = CellRect(focus_).adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
