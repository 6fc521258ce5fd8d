#include "GradientBar.h"

#include <QImage>
#include <gtest/gtest.h>

// The bar runs from its left colour to its right one, each channel passing
// evenly through the values between.
TEST(GradientBarTest, FadesFromTheLeftColourToTheRightOne)
{
    TGradientBar bar;
    bar.resize(101, 1);
    bar.SetColours(QColor(200, 0, 40), QColor(0, 100, 40));
    const QImage image = bar.grab().toImage();
    const struct {
        int x;
        QColor expected;
    } points[] = {{0, QColor(200, 0, 40)}, {50, QColor(100, 50, 40)}, {100, QColor(0, 100, 40)}};
    for (const auto& point : points) {
        const QColor seen = image.pixelColor(point.x, 0);
        EXPECT_NEAR(seen.red(), point.expected.red(), 3) << point.x;
        EXPECT_NEAR(seen.green(), point.expected.green(), 3) << point.x;
        EXPECT_NEAR(seen.blue(), point.expected.blue(), 3) << point.x;
    }
}
