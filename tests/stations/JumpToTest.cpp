#include "JumpTo.h"

#include <gtest/gtest.h>

namespace {

tJumpCard FMCard(double step)
{
    tJumpCard c;
    c.FMStep = step;
    c.Frequency = 95.0;
    return c;
}

TEST(JumpToTest, OkSnapsAndClampsTheTypedValue)
{
    struct Case {
        double step, typed, expected;
    };
    for (const Case& c : {Case{0.05, 100.03, 100.05}, Case{0.05, 100.02, 100.0}, Case{0.025, 99.1, 99.1},
                          Case{0.05, 120.0, 108.0}, Case{0.05, 50.0, 87.0}}) {
        TJumpTo jump(FMCard(c.step));
        jump.Accept(c.typed);
        EXPECT_NEAR(jump.Frequency(), c.expected, 1e-9) << c.typed;
        EXPECT_EQ(jump.Band(), bFM);
    }
}

TEST(JumpToTest, EachBandKeepsItsOwnValue)
{
    tJumpCard card = FMCard(0.05);
    card.HasAM = true;
    TJumpTo jump(card);
    EXPECT_EQ(jump.Remembered(bFM), 95.0);
    EXPECT_EQ(jump.Remembered(bAM), AMLow);
    jump.Typed(99.12);
    jump.SetBand(bAM);
    EXPECT_EQ(jump.MaxLength(), 5);
    EXPECT_EQ(jump.Unit(), QStringLiteral("MHz"));
    EXPECT_EQ(jump.SliderMinimum(), 531);
    EXPECT_EQ(jump.SliderStep(), 9);
    EXPECT_NEAR(jump.Slid(1000), 0.999, 1e-9);
    jump.SetBand(bFM);
    EXPECT_NEAR(jump.Remembered(bFM), 99.1, 1e-9);
    EXPECT_EQ(jump.SliderPosition(), 99100);
    EXPECT_EQ(jump.MaxLength(), 7);
    jump.SetBand(bAM);
    EXPECT_NEAR(jump.Remembered(bAM), 0.999, 1e-9);
}

TEST(JumpToTest, StartsOnTheCardsBandAndJapaneseLimits)
{
    tJumpCard card = FMCard(0.05);
    card.HasAM = true;
    card.Band = bAM;
    card.Frequency = 1.404;
    card.FMMin = JapaneseFMLow;
    card.FMMax = JapaneseFMHigh;
    TJumpTo jump(card);
    EXPECT_EQ(jump.Band(), bAM);
    EXPECT_EQ(jump.Remembered(bAM), 1.404);
    EXPECT_EQ(jump.Remembered(bFM), JapaneseFMLow);
    jump.SetBand(bFM);
    jump.Accept(100.0);
    EXPECT_EQ(jump.Frequency(), JapaneseFMHigh);
}

} // namespace
