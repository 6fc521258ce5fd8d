// The scrolling line: a text that fits stands still; a longer one waits,
// moves until its end shows, waits and starts over; a new text starts at its
// beginning.

#include "ScrollingText.h"

#include <gtest/gtest.h>

TEST(ScrollingText, ScrollsOnlyATextLongerThanTheLine)
{
    TScrollingText line;
    line.resize(100, 15);
    line.SetText(QStringLiteral("Short"));
    for (int i = 0; i < 3 * TScrollingText::PauseTicks; ++i) line.Tick();
    EXPECT_EQ(line.Offset(), 0);

    const QString text = QStringLiteral("A radio text far too long for a line of a hundred pixels to show");
    line.SetText(text);
    const int overhang = line.fontMetrics().horizontalAdvance(text) - line.width();
    ASSERT_GT(overhang, 0);
    // The wait at the start.
    for (int i = 0; i < TScrollingText::PauseTicks; ++i) line.Tick();
    EXPECT_EQ(line.Offset(), 0);
    line.Tick();
    EXPECT_EQ(line.Offset(), TScrollingText::StepPixels);
    // Up to the end and no further; the wait at the end; back to the start.
    const int steps = (overhang + TScrollingText::StepPixels - 1) / TScrollingText::StepPixels;
    for (int i = 1; i < steps; ++i) line.Tick();
    EXPECT_EQ(line.Offset(), overhang);
    for (int i = 0; i < TScrollingText::PauseTicks - 1; ++i) line.Tick();
    EXPECT_EQ(line.Offset(), overhang);
    line.Tick();
    EXPECT_EQ(line.Offset(), 0);
    // The same text again goes on; another one starts over.
    for (int i = 0; i < TScrollingText::PauseTicks + 3; ++i) line.Tick();
    const int now = line.Offset();
    EXPECT_GT(now, 0);
    line.SetText(text);
    EXPECT_EQ(line.Offset(), now);
    line.SetText(text + QLatin1Char('!'));
    EXPECT_EQ(line.Offset(), 0);
    EXPECT_EQ(line.toolTip(), text + QLatin1Char('!'));
    // The widget keeps its size whatever the text.
    EXPECT_EQ(line.size(), QSize(100, 15));
}
