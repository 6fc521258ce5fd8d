#include "Display.h"

#include "DisplayFont.h"

#include <QImage>
#include <QPainter>

TReadoutStyle ReadoutStyle(int value)
{
    static const TReadoutStyle styles[4] = {{ds16Seg, 3}, {ds5x7Bulb, 6}, {ds5x7Dot, 6}, {ds7Seg, 4}};
    return styles[value >= 0 && value < 4 ? value : 2];
}

namespace
{

// A hexagon lies the way it is longer: vertical when narrower than high.
QPolygon Hexagon(int x, int y, int cx, int cy, int k)
{
    if (cx < cy) {
        const int t = cx, n = cy;
        return QPolygon({QPoint(x, y + k), QPoint(x + k, y), QPoint(x + t, y + k),
                         QPoint(x + t, y + n - k), QPoint(x + k, y + n), QPoint(x, y + n - k)});
    }
    const int n = cx, t = cy;
    return QPolygon({QPoint(x, y + k), QPoint(x + k, y), QPoint(x + n - k, y), QPoint(x + n, y + k),
                     QPoint(x + n - k, y + t), QPoint(x + k, y + t)});
}

QPolygon TopTrapezoid(int x, int y, int n, int w)
{
    return QPolygon(
        {QPoint(x, y), QPoint(x + w, y + w), QPoint(x + n - w, y + w), QPoint(x + n, y)});
}

QPolygon BottomTrapezoid(int x, int y, int n, int w)
{
    return QPolygon(
        {QPoint(x, y + w), QPoint(x + w, y), QPoint(x + n - w, y), QPoint(x + n, y + w)});
}

QPolygon LeftTrapezoid(int x, int y, int n, int w)
{
    return QPolygon(
        {QPoint(x, y), QPoint(x + w, y + w), QPoint(x + w, y + n - w), QPoint(x, y + n)});
}

QPolygon RightTrapezoid(int x, int y, int n, int w)
{
    return QPolygon(
        {QPoint(x + w, y), QPoint(x, y + w), QPoint(x, y + n - w), QPoint(x + w, y + n)});
}

QPolygon FallingDiagonal(int x1, int y1, int x2, int y2, int w, int k)
{
    return QPolygon({QPoint(x1, y1), QPoint(x1 + k, y1), QPoint(x2, y2 - w), QPoint(x2, y2),
                     QPoint(x2 - k, y2), QPoint(x1, y1 + w)});
}

QPolygon RisingDiagonal(int x1, int y1, int x2, int y2, int w, int k)
{
    return QPolygon({QPoint(x1, y1), QPoint(x1, y1 - w), QPoint(x2 - k, y2), QPoint(x2, y2),
                     QPoint(x2, y2 + w), QPoint(x1 + k, y1)});
}

} // namespace

TDisplayGeometry ComputeDisplayGeometry(TDigitStyle style, int W, int H, int m, int w)
{
    TDisplayGeometry g;
    g.Style = style;
    g.Width = W;
    g.Height = H;
    const int k = w / 2;
    g.K = k;
    switch (style) {
    case ds7Seg: {
        const int L = W - 2 * m - w;
        const int V = H / 2 - w - k - m;
        g.L = L;
        g.V = V;
        g.Segments = {
            Hexagon(m + k, m, L, w, k),             // top
            Hexagon(m + k, H / 2 - k, L, w, k),     // middle
            Hexagon(m + k, H - m - w, L, w, k),     // bottom
            Hexagon(m, m + w, w, V, k),             // upper left
            Hexagon(W - m - w, m + w, w, V, k),     // upper right
            Hexagon(m, H / 2 + k, w, V, k),         // lower left
            Hexagon(W - m - w, H / 2 + k, w, V, k), // lower right
        };
        break;
    }
    case ds16Seg: {
        const int L = W / 2 - m - w;
        const int V = H / 2 - w - m;
        g.L = L;
        g.V = V;
        g.Segments = {
            TopTrapezoid(m + k, m, L, w),
            TopTrapezoid(W / 2 + k, m, L, w),
            LeftTrapezoid(m, m + k, V, w),
            FallingDiagonal(m + w + k, m + w + k, W / 2 - w, H / 2 - w, w, k),
            Hexagon(W / 2 - k, m + k, w, V, k),
            RisingDiagonal(W / 2 + w, H / 2 - w, W - m - w - k, m + w + k, w, k),
            RightTrapezoid(W - m - w, m + k, V, w),
            Hexagon(m + k, H / 2 - k, L, w, k),
            Hexagon(W / 2 + k, H / 2 - k, L, w, k),
            LeftTrapezoid(m, H / 2 + k, V, w),
            RisingDiagonal(m + w + k, H - m - w - k, W / 2 - w, H / 2 + w, w, k),
            Hexagon(W / 2 - k, H / 2 + k, w, V, k),
            FallingDiagonal(W / 2 + w, H / 2 + w, W - m - w - k, H - m - w - k, w, k),
            RightTrapezoid(W - m - w, H / 2 + k, V, w),
            BottomTrapezoid(m + k, H - m - w, L, w),
            BottomTrapezoid(W / 2 + k, H - m - w, L, w),
        };
        break;
    }
    case ds5x7Dot:
    case ds5x7Bulb: {
        // C++ division truncates toward zero, so a cell too small for its dots
        // gets a negative gap and the dots overlap rather than spread.
        const int gx = (W - 2 * m - 5 * w) / 4;
        const int gy = (H - 2 * m - 7 * w) / 6;
        g.Dots.reserve(35);
        for (int j = 0; j < 7; ++j)
            for (int i = 0; i < 5; ++i)
                g.Dots.emplace_back(m + i * (w + gx), m + j * (w + gy), w, w);
        break;
    }
    }
    return g;
}

bool TDisplay::IsLit(TDigitStyle style, unsigned char c, int index)
{
    switch (style) {
    case ds7Seg:
        return (SevenSegmentBits(c) >> index) & 1;
    case ds16Seg:
        return (SixteenSegmentBits(c) >> index) & 1;
    case ds5x7Dot:
    case ds5x7Bulb:
        return (MatrixRows(c)[index / 5] >> (4 - index % 5)) & 1;
    }
    return false;
}

TDisplay::TDisplay(QWidget* parent) : QWidget(parent)
{
    resize(120, 200);
    Recompute();
}

void TDisplay::Recompute()
{
    geometry_ = ComputeDisplayGeometry(digitStyle_, width(), height(), margin_, segWidth_);
}

void TDisplay::SetDigit(char value)
{
    if (digit_ == value) return;
    digit_ = value;
    update();
}

void TDisplay::SetOnColor(const QColor& value)
{
    if (onColor_ == value) return;
    onColor_ = value;
    update();
}

void TDisplay::SetOffColor(const QColor& value)
{
    if (offColor_ == value) return;
    offColor_ = value;
    update();
}

void TDisplay::SetBackColor(const QColor& value)
{
    if (backColor_ == value) return;
    backColor_ = value;
    update();
}

void TDisplay::SetSegWidth(int value)
{
    if (segWidth_ == value) return;
    segWidth_ = value;
    Recompute();
    update();
}

void TDisplay::SetMargin(int value)
{
    if (margin_ == value) return;
    margin_ = value;
    Recompute();
    update();
}

void TDisplay::SetDigitStyle(TDigitStyle value)
{
    if (digitStyle_ == value) return;
    digitStyle_ = value;
    Recompute();
    update();
}

void TDisplay::SetPenOnColor(const QColor& value)
{
    if (penOnColor_ == value) return;
    penOnColor_ = value;
    update();
}

void TDisplay::SetPenOffColor(const QColor& value)
{
    if (penOffColor_ == value) return;
    penOffColor_ = value;
    update();
}

void TDisplay::paintEvent(QPaintEvent*)
{
    if (width() != geometry_.Width || height() != geometry_.Height) Recompute();
    // The picture leaves a one-pixel frame of the parent showing; a cell with
    // no room inside that frame has nothing to draw.
    if (width() <= 2 || height() <= 2) return;

    // Drawn off-screen and copied in one piece, so a changing digit never
    // flickers through its background.
    QImage picture(width() - 2, height() - 2, QImage::Format_RGB32);
    picture.fill(backColor_);
    {
        QPainter p(&picture);
        // Aliased on purpose: segments meet their neighbours on exact pixels.
        p.setRenderHint(QPainter::Antialiasing, false);
        const QPen onPen(penOnColor_, 0), offPen(penOffColor_, 0);
        const QBrush onBrush(onColor_), offBrush(offColor_);
        const auto c = static_cast<unsigned char>(digit_);
        auto choose = [&](int index) {
            const bool lit = IsLit(digitStyle_, c, index);
            p.setPen(lit ? onPen : offPen);
            p.setBrush(lit ? onBrush : offBrush);
        };
        for (int i = 0; i < static_cast<int>(geometry_.Segments.size()); ++i) {
            choose(i);
            p.drawPolygon(geometry_.Segments[i]);
        }
        for (int i = 0; i < static_cast<int>(geometry_.Dots.size()); ++i) {
            choose(i);
            // A stroked shape covers its rectangle plus the pen, so shrink by
            // one pixel to keep every dot exactly SegWidth across.
            const QRect r = geometry_.Dots[i].adjusted(0, 0, -1, -1);
            if (digitStyle_ == ds5x7Bulb)
                p.drawEllipse(r);
            else
                p.drawRect(r);
        }
    }
    QPainter(this).drawImage(1, 1, picture);
}
