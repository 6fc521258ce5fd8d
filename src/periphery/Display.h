#pragma once
// One character cell of the frequency read-out, painted the way an LED or LCD
// display looks: a seven-segment digit, a sixteen-segment character, or a
// 5 x 7 matrix of square dots or round bulbs. Every segment or dot of the style
// is drawn, the unlit ones in the "off" colours, so the unlit pattern stays
// faintly visible as on real hardware.

#include <QColor>
#include <QObject>
#include <QPolygon>
#include <QRect>
#include <QWidget>
#include <vector>

namespace DisplayStyles
{
Q_NAMESPACE
enum TDigitStyle { ds7Seg = 0, ds16Seg = 1, ds5x7Dot = 2, ds5x7Bulb = 3 };
Q_ENUM_NS(TDigitStyle)
} // namespace DisplayStyles
using DisplayStyles::TDigitStyle;
using enum DisplayStyles::TDigitStyle;

// Where every segment or dot of one style lies for one cell size, in the
// coordinates of the cell (the picture is shifted by one pixel when copied).
struct TDisplayGeometry {
    TDigitStyle Style = ds7Seg;
    int Width = 0; // the cell size this was computed for
    int Height = 0;
    int K = 0; // half the segment thickness
    int L = 0; // horizontal segment length (half the width with sixteen segments)
    int V = 0; // vertical segment length
    // Segment outlines, indexed by their bit in the character tables (7 or 16);
    // empty for the dot styles.
    std::vector<QPolygon> Segments;
    // The 35 dots row by row (index 5 * row + column), each a SegWidth square;
    // empty for the segment styles.
    std::vector<QRect> Dots;
};

// The read-out styles by their settings value: 0 Seg 16, 1 Bulb 5x7, 2 Dot 5x7,
// 3 Seg 7, each with its segment width; Dot 5x7 for any other value.
struct TReadoutStyle {
    TDigitStyle Style;
    int SegWidth;
};
TReadoutStyle ReadoutStyle(int value);

TDisplayGeometry ComputeDisplayGeometry(TDigitStyle style, int width, int height, int margin,
                                        int segWidth);

class TDisplay : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(char Digit READ Digit WRITE SetDigit)
    Q_PROPERTY(QColor OnColor READ OnColor WRITE SetOnColor)
    Q_PROPERTY(QColor OffColor READ OffColor WRITE SetOffColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int SegWidth READ SegWidth WRITE SetSegWidth)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(DisplayStyles::TDigitStyle DigitStyle READ DigitStyle WRITE SetDigitStyle)
    Q_PROPERTY(QColor PenOnColor READ PenOnColor WRITE SetPenOnColor)
    Q_PROPERTY(QColor PenOffColor READ PenOffColor WRITE SetPenOffColor)

public:
    explicit TDisplay(QWidget* parent = nullptr);

    // Each setter stores and repaints only when the value changes.
    char Digit() const { return digit_; }
    void SetDigit(char value);
    QColor OnColor() const { return onColor_; }
    void SetOnColor(const QColor& value);
    QColor OffColor() const { return offColor_; }
    void SetOffColor(const QColor& value);
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& value);
    int SegWidth() const { return segWidth_; }
    void SetSegWidth(int value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    TDigitStyle DigitStyle() const { return digitStyle_; }
    void SetDigitStyle(TDigitStyle value);
    QColor PenOnColor() const { return penOnColor_; }
    void SetPenOnColor(const QColor& value);
    QColor PenOffColor() const { return penOffColor_; }
    void SetPenOffColor(const QColor& value);

    // The geometry the last paint (or property change) used; a resize is only
    // taken into account at the next paint.
    const TDisplayGeometry& SegmentGeometry() const { return geometry_; }

    // Whether segment or dot `index` of `style` is lit for character `c`.
    static bool IsLit(TDigitStyle style, unsigned char c, int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Recompute();

    char digit_ = 0;
    QColor onColor_{255, 0, 0};
    QColor offColor_{128, 128, 128};
    QColor backColor_{0, 0, 0};
    int segWidth_ = 15;
    int margin_ = 10;
    TDigitStyle digitStyle_ = ds7Seg;
    QColor penOnColor_{0, 0, 0};
    QColor penOffColor_{0, 0, 0};
    TDisplayGeometry geometry_;
};
