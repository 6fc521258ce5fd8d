// The read-out cell: geometry, which segments light for which character, and
// when it repaints. Pixel probes are worked out by hand from the segment
// layout of a new 120 x 200 cell (margin 10, thickness 15), plus one pixel for
// the frame the picture is copied inside.

#include "Display.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace
{

const QColor On(0, 255, 0), Off(0, 128, 0), Back(0, 0, 160);

// Centres of the segments, in widget pixels, by bit.
const std::vector<QPoint> SevenCentres = {{60, 18},  {60, 101}, {60, 183}, {18, 60},
                                          {103, 60}, {18, 142}, {103, 142}};
const std::vector<QPoint> SixteenCentres = {
    {35, 18},  {85, 18},  {18, 55},  {39, 59},  {61, 55},  {82, 59},   {103, 55}, {35, 101},
    {85, 101}, {18, 145}, {39, 142}, {61, 145}, {82, 142}, {103, 145}, {35, 183}, {85, 183}};

QPoint DotCentre(int column, int row)
{
    // Gaps: (120 - 20 - 75) / 4 = 6 across, (200 - 20 - 105) / 6 = 12 down.
    return {10 + column * 21 + 7 + 1, 10 + row * 27 + 7 + 1};
}

std::vector<QPoint> DotCentres()
{
    std::vector<QPoint> out;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column)
            out.push_back(DotCentre(column, row));
    return out;
}

struct TCell : TDisplay {
    explicit TCell(TDigitStyle style = ds7Seg)
    {
        SetDigitStyle(style);
        SetOnColor(On);
        SetOffColor(Off);
        SetBackColor(Back);
    }
    QImage Shot(char c)
    {
        SetDigit(c);
        return grab().toImage();
    }
};

// The indexes whose probe shows the lit colour; every other probe must show
// the unlit colour, so a missing segment is caught as well as a wrong one.
std::set<int> Lit(const QImage& image, const std::vector<QPoint>& probes)
{
    std::set<int> lit;
    for (int i = 0; i < static_cast<int>(probes.size()); ++i) {
        const QColor c = image.pixelColor(probes[i]);
        if (c == On)
            lit.insert(i);
        else
            EXPECT_EQ(c, Off) << "probe " << i << " at " << probes[i].x() << "," << probes[i].y();
    }
    return lit;
}

std::set<int> Bits(unsigned mask)
{
    std::set<int> out;
    for (int i = 0; i < 16; ++i)
        if (mask >> i & 1) out.insert(i);
    return out;
}

std::set<int> MatrixDots(std::initializer_list<int> rows)
{
    std::set<int> out;
    int row = 0;
    for (int bits : rows) {
        for (int column = 0; column < 5; ++column)
            if (bits >> (4 - column) & 1) out.insert(row * 5 + column);
        ++row;
    }
    return out;
}

class TPaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

} // namespace

TEST(Display, NewCellStartsWithItsDocumentedValues)
{
    TDisplay d;
    EXPECT_EQ(d.size(), QSize(120, 200));
    EXPECT_EQ(d.Digit(), 0);
    EXPECT_EQ(d.OnColor(), QColor(255, 0, 0));
    EXPECT_EQ(d.OffColor(), QColor(128, 128, 128));
    EXPECT_EQ(d.BackColor(), QColor(0, 0, 0));
    EXPECT_EQ(d.PenOnColor(), QColor(0, 0, 0));
    EXPECT_EQ(d.PenOffColor(), QColor(0, 0, 0));
    EXPECT_EQ(d.SegWidth(), 15);
    EXPECT_EQ(d.Margin(), 10);
    EXPECT_EQ(d.DigitStyle(), ds7Seg);

    const auto& g = d.SegmentGeometry();
    EXPECT_EQ(g.L, 85);
    EXPECT_EQ(g.V, 68);
    ASSERT_EQ(g.Segments.size(), 7u);
    EXPECT_EQ(g.Segments[0].boundingRect(), QRect(17, 10, 86, 16)); // top, 85 long
    EXPECT_EQ(g.Segments[3].boundingRect(), QRect(10, 25, 16, 69)); // upper left, 68 long

    // The properties are reachable by name, as forms and settings set them.
    d.setProperty("DigitStyle", QVariant::fromValue(ds16Seg));
    d.setProperty("SegWidth", 3);
    EXPECT_EQ(d.DigitStyle(), ds16Seg);
    EXPECT_EQ(d.SegWidth(), 3);
}

TEST(Display, SevenSegmentsLightTheTableSegments)
{
    TCell d;
    EXPECT_EQ(Lit(d.Shot('8'), SevenCentres), Bits(0x7F));
    EXPECT_EQ(Lit(d.Shot('7'), SevenCentres), (std::set<int>{0, 4, 6}));
    EXPECT_EQ(Lit(d.Shot('2'), SevenCentres), (std::set<int>{0, 1, 2, 4, 5}));
    // A blank is dark, so a short frequency has no leading dashes; letters
    // beyond F show only the middle bar.
    EXPECT_TRUE(Lit(d.Shot(' '), SevenCentres).empty());
    EXPECT_EQ(Lit(d.Shot('G'), SevenCentres), (std::set<int>{1}));
    EXPECT_EQ(Lit(d.Shot('z'), SevenCentres), (std::set<int>{1}));
    // Upper and lower case hexadecimal letters look alike.
    const QImage upper = d.Shot('B');
    EXPECT_EQ(Lit(upper, SevenCentres), (std::set<int>{1, 2, 3, 5, 6}));
    EXPECT_EQ(upper, d.Shot('b'));
    EXPECT_EQ(d.Shot('E'), d.Shot('e'));
    // Between the segments the background colour shows.
    EXPECT_EQ(d.Shot('8').pixelColor(60, 60), Back);
}

TEST(Display, SixteenSegmentsLightTheTableSegments)
{
    TCell d(ds16Seg);
    EXPECT_TRUE(Lit(d.Shot(' '), SixteenCentres).empty());
    EXPECT_EQ(Lit(d.Shot('-'), SixteenCentres), (std::set<int>{7, 8}));
    EXPECT_EQ(Lit(d.Shot('1'), SixteenCentres), (std::set<int>{4, 11}));
    EXPECT_EQ(Lit(d.Shot('0'), SixteenCentres), Bits(0x4A15));
    EXPECT_EQ(Lit(d.Shot('M'), SixteenCentres), Bits(0x226C)); // both upper diagonals
    EXPECT_EQ(Lit(d.Shot('X'), SixteenCentres), Bits(0x1428)); // all four diagonals
    EXPECT_EQ(Lit(d.Shot('?'), SixteenCentres), Bits(0x0943));
    EXPECT_EQ(d.Shot('k'), d.Shot('K'));
    EXPECT_EQ(Lit(d.Shot('{'), SixteenCentres), (std::set<int>{7, 8}));
    EXPECT_EQ(Lit(d.Shot(char(1)), SixteenCentres), (std::set<int>{7, 8}));
}

TEST(Display, MatrixLightsTheFontRows)
{
    TCell d(ds5x7Dot);
    const auto dots = DotCentres();
    EXPECT_TRUE(Lit(d.Shot(' '), dots).empty());
    EXPECT_EQ(Lit(d.Shot('M'), dots), MatrixDots({0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}));
    EXPECT_EQ(Lit(d.Shot('4'), dots), MatrixDots({0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}));
    EXPECT_EQ(Lit(d.Shot('.'), dots), MatrixDots({0, 0, 0, 0, 0x0C, 0x0C, 0}));
    EXPECT_EQ(Lit(d.Shot(char(127)), dots), MatrixDots({0x0A, 0x15, 0x0A, 0x15, 0x0A, 0x15, 0x0A}));

    // Lower case is its own shape, kept below the top rows; descenders reach
    // the last row instead of leaving the matrix.
    const std::set<int> topRows = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::set<int> bottomRow = {30, 31, 32, 33, 34};
    for (char c : {'a', 'c', 'e', 'm', 'n', 'o', 'r', 's', 'u', 'v', 'w', 'x', 'z'}) {
        const auto lit = Lit(d.Shot(c), dots);
        EXPECT_FALSE(lit.empty()) << c;
        for (int i : lit)
            EXPECT_FALSE(topRows.count(i)) << c << " lights dot " << i;
        EXPECT_NE(lit, Lit(d.Shot(char(c - 32)), dots)) << c;
    }
    for (char c : {'g', 'j', 'p', 'q', 'y'}) {
        const auto lit = Lit(d.Shot(c), dots);
        EXPECT_TRUE(std::any_of(lit.begin(), lit.end(), [&](int i) { return bottomRow.count(i); }))
            << c;
        EXPECT_FALSE(lit.count(0) || lit.count(4)) << c;
    }
}

TEST(Display, SegmentsHaveBevelledEndsWhereTheLayoutPutsThem)
{
    // Cell coordinates of a new cell, one pixel further in the picture.
    auto at = [](int x, int y) { return QPoint(x + 1, y + 1); };
    const QColor Pen(255, 255, 0);
    TCell seven;
    seven.SetPenOnColor(Pen);
    // Top segment: a hexagon from (17, 10), 85 long and 15 thick, with tips
    // k = 7 in from its ends.
    QImage image = seven.Shot('8');
    EXPECT_EQ(image.pixelColor(at(17, 17)), Pen); // left tip
    EXPECT_EQ(image.pixelColor(at(24, 10)), Pen); // where the top edge starts
    EXPECT_EQ(image.pixelColor(at(102, 17)), Pen); // right tip
    EXPECT_EQ(image.pixelColor(at(19, 11)), Back); // cut off by the bevel
    EXPECT_EQ(image.pixelColor(at(100, 24)), Back);
    EXPECT_EQ(image.pixelColor(at(60, 17)), On);

    TCell sixteen(ds16Seg);
    sixteen.SetPenOnColor(Pen);
    // Top left half: a trapezoid from (17, 10), 35 long, its short side 15 down.
    image = sixteen.Shot('0');
    EXPECT_EQ(image.pixelColor(at(17, 10)), Pen);
    EXPECT_EQ(image.pixelColor(at(52, 10)), Pen);
    EXPECT_EQ(image.pixelColor(at(32, 25)), Pen);
    EXPECT_EQ(image.pixelColor(at(20, 20)), Back);
    EXPECT_EQ(image.pixelColor(at(35, 15)), On);
}

TEST(Display, DotsAreSquaresAndBulbsAreRound)
{
    TCell d(ds5x7Dot);
    d.SetPenOnColor(QColor(255, 255, 0));
    d.SetDigit('8');
    // Dot (1, 0) of "8" is lit: its square's corner carries the lit outline.
    const QPoint corner(10 + 21 + 1, 10 + 1), farCorner(10 + 21 + 14 + 1, 10 + 14 + 1);
    QImage image = d.grab().toImage();
    EXPECT_EQ(image.pixelColor(corner), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(farCorner), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(farCorner + QPoint(1, 1)), Back); // exactly 15 across

    d.SetDigitStyle(ds5x7Bulb);
    image = d.grab().toImage();
    EXPECT_EQ(image.pixelColor(corner), Back);
    EXPECT_EQ(image.pixelColor(DotCentre(1, 0)), On);
    EXPECT_EQ(Lit(image, DotCentres()), MatrixDots({0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}));
}

TEST(Display, CodesAboveTheTablesShowTheMiddleBar)
{
    for (char c : {char(128), char(200), char(255)}) {
        TCell seven(ds7Seg), sixteen(ds16Seg), matrix(ds5x7Bulb);
        EXPECT_EQ(Lit(seven.Shot(c), SevenCentres), (std::set<int>{1}));
        EXPECT_EQ(Lit(sixteen.Shot(c), SixteenCentres), (std::set<int>{7, 8}));
        EXPECT_EQ(matrix.Shot(c), matrix.Shot('-'));
    }
}

TEST(Display, RepaintsOnlyOnChange)
{
    TDisplay d;
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    TPaintCounter counter;
    d.installEventFilter(&counter);
    auto paintsAfter = [&](auto change) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        change();
        QCoreApplication::processEvents();
        return counter.paints;
    };

    EXPECT_EQ(paintsAfter([&] { d.SetDigit(0); }), 0);
    EXPECT_EQ(paintsAfter([&] { d.SetOnColor(QColor(255, 0, 0)); }), 0);
    EXPECT_EQ(paintsAfter([&] { d.SetSegWidth(15); }), 0);
    EXPECT_EQ(paintsAfter([&] { d.SetDigitStyle(ds7Seg); }), 0);
    EXPECT_EQ(paintsAfter([&] { d.SetPenOffColor(Qt::black); }), 0);
    EXPECT_GE(paintsAfter([&] { d.SetDigit('5'); }), 1);
    EXPECT_EQ(paintsAfter([&] { d.SetDigit('5'); }), 0);
    EXPECT_GE(paintsAfter([&] { d.SetPenOffColor(Qt::white); }), 1);
    EXPECT_GE(paintsAfter([&] { d.SetMargin(4); }), 1);
}

TEST(Display, GeometryFollowsSizeAndSettings)
{
    TCell d;
    // Thickness and margin take effect at once.
    d.SetSegWidth(5);
    EXPECT_EQ(d.SegmentGeometry().L, 95);
    EXPECT_EQ(d.SegmentGeometry().K, 2);
    d.SetSegWidth(15);

    // A new size is picked up by the next paint.
    d.resize(60, 100);
    const QImage image = d.Shot('-');
    const auto& g = d.SegmentGeometry();
    EXPECT_EQ(g.Width, 60);
    EXPECT_EQ(g.Height, 100);
    EXPECT_EQ(g.L, 25);
    EXPECT_EQ(g.V, 18);
    EXPECT_EQ(image.pixelColor(30, 51), On);  // the middle bar, now 43 down
    EXPECT_EQ(image.pixelColor(18, 34), Off); // upper left, shortened
    EXPECT_EQ(image.pixelColor(30, 72), Back);

    // A style change recomputes for the current size.
    d.SetDigitStyle(ds5x7Dot);
    EXPECT_EQ(d.SegmentGeometry().Dots.size(), 35u);
    EXPECT_TRUE(d.SegmentGeometry().Segments.empty());
    EXPECT_EQ(d.SegmentGeometry().Width, 60);
}

namespace
{
int warnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtDebugMsg && type != QtInfoMsg) ++warnings;
}
} // namespace

TEST(Display, CellTooSmallForAPicturePaintsNothing)
{
    TCell d;
    d.SetDigit('8');
    warnings = 0;
    const auto previous = qInstallMessageHandler(CountWarnings);
    for (QSize size : {QSize(2, 2), QSize(1, 50), QSize(50, 2), QSize(3, 3)}) {
        d.resize(size);
        const QImage image = d.grab().toImage();
        EXPECT_EQ(image.size(), size);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 0);
}
