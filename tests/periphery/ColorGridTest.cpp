// The colour grid: a foreground and a background pick by mouse and by
// keyboard, each followed by one change signal.

#include "ColorGrid.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(ColorGrid, MouseAndKeysPickForegroundAndBackground)
{
    TColorGrid grid;
    QSignalSpy changes(&grid, &TColorGrid::Change);
    grid.SetForegroundIndex(3);
    grid.SetBackgroundIndex(20); // clamped
    EXPECT_EQ(grid.ForegroundIndex(), 3);
    EXPECT_EQ(grid.BackgroundIndex(), 15);
    EXPECT_EQ(changes.count(), 0); // the program's own settings are not picks

    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(9).center());
    QTest::mouseClick(&grid, Qt::RightButton, {}, grid.CellRect(6).center());
    EXPECT_EQ(grid.ForegroundIndex(), 9);
    EXPECT_EQ(grid.BackgroundIndex(), 6);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(9).center()); // the same colour again
    EXPECT_EQ(changes.count(), 3);

    // From cell 9: right to 10, down to 14, Space picks it; up to 10, Shift+Space.
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down); // stays on the last row
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.ForegroundIndex(), 14);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(grid.BackgroundIndex(), 10);
    EXPECT_EQ(changes.count(), 5);

    // Without a background choice only the foreground can be picked.
    grid.SetBackgroundEnabled(false);
    QTest::mouseClick(&grid, Qt::RightButton, {}, grid.CellRect(0).center());
    EXPECT_EQ(grid.BackgroundIndex(), 10);
    EXPECT_EQ(changes.count(), 5);
}
