#include "WidgetKit.h"

#include <QApplication>
#include <QFontMetricsF>
#include <cmath>
#include <gtest/gtest.h>

namespace {

bool Fits(const QFont& font, const QStringList& texts, const QSize& box)
{
    const QFontMetricsF metrics(font);
    bool fit = metrics.ascent() <= box.height() + 1;
    for (const QString& text : texts) fit = fit && metrics.horizontalAdvance(text) <= box.width();
    return fit;
}

} // namespace

// The panel's type is the largest size, in half points down from the
// desktop's at the scale asked, at which every text fits its box; it does not
// go below 5 points. The cases need no shrinking, a step or two, many steps
// (a long text in a small box) and the floor (a box nothing fits).
TEST(PanelFontTest, TakesTheLargestHalfPointSizeAtWhichEveryTextFits)
{
    QFont desktop = QApplication::font();
    desktop.setPointSizeF(10);
    QApplication::setFont(desktop);
    const struct {
        double scale;
        bool bold;
        QStringList texts;
        QSize box;
        int stretch;
    } cases[] = {
        {0.9, false, {QStringLiteral("FM")}, QSize(200, 40), 100},
        {1.1, true, {QStringLiteral("FM"), QStringLiteral("AM")}, QSize(30, 16), 100},
        {0.75, false, {QStringLiteral("1620")}, QSize(20, 10), 100},
        {0.9, false, {QStringLiteral("MTE"), QStringLiteral("OFF"), QStringLiteral("MEM")}, QSize(16, 21), 75},
        {1.1, true, {QStringLiteral("A much longer station name than fits")}, QSize(90, 14), 100},
        {0.9, false, {QStringLiteral("Nothing fits here")}, QSize(3, 2), 100},
        {0.9, false, {QStringLiteral("Wide"), QString()}, QSize(25, 30), 100},
    };
    for (const auto& c : cases) {
        const QString what = c.texts.join(QLatin1Char('|'));
        const double start = 10 * c.scale;
        const QFont font = PanelFont(c.scale, c.bold, c.texts, c.box, c.stretch);
        EXPECT_EQ(font.bold(), c.bold) << qPrintable(what);
        EXPECT_EQ(font.stretch(), c.stretch) << qPrintable(what);
        const double steps = (start - font.pointSizeF()) / 0.5;
        ASSERT_NEAR(steps, std::round(steps), 1e-6) << qPrintable(what) << " " << font.pointSizeF();
        ASSERT_GE(steps, -1e-6) << qPrintable(what);
        if (font.pointSizeF() > 5) {
            EXPECT_TRUE(Fits(font, c.texts, c.box)) << qPrintable(what) << " at " << font.pointSizeF();
        } else {
            // At the floor: the step above it was still too large.
            EXPECT_GT(font.pointSizeF() + 0.5, 5) << qPrintable(what);
        }
        if (steps > 0.5) {
            QFont larger = font;
            larger.setPointSizeF(font.pointSizeF() + 0.5);
            EXPECT_FALSE(Fits(larger, c.texts, c.box)) << qPrintable(what) << " at " << larger.pointSizeF();
        }
    }
}
