#include "Helpers.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
const QLocale Italian(QLocale::Italian, QLocale::Italy);
}

TEST(Helpers, NumberTexts)
{
    EXPECT_EQ(ZeroPad(7, 3), QStringLiteral("007"));
    EXPECT_EQ(ZeroPad(5, 3), QStringLiteral("005"));
    EXPECT_EQ(ZeroPad(123, 2), QStringLiteral("123"));
    EXPECT_EQ(ZeroPad(100, 2), QStringLiteral("100"));
    EXPECT_EQ(PresetNumText(100), QStringLiteral("00"));
    EXPECT_EQ(PresetNumText(7), QStringLiteral("07"));
    EXPECT_EQ(PresetNumText(99), QStringLiteral("99"));
    EXPECT_EQ(RepeatChar(QLatin1Char('x'), 3), QStringLiteral("xxx"));
    EXPECT_TRUE(RepeatChar(QLatin1Char('x'), -2).isEmpty());
}

TEST(Helpers, FrequencyTextFollowsTheUserSeparator)
{
    EXPECT_EQ(FrequencyText(87.5), QStringLiteral("087.500"));
    EXPECT_EQ(FrequencyText(0.531), QStringLiteral("000.531"));
    EXPECT_EQ(FrequencyText(101.5), QStringLiteral("101.500"));
    EXPECT_EQ(FileFrequencyText(87.5), QStringLiteral("087,500"));
    TScopedLocale locale(Italian);
    EXPECT_EQ(FrequencyText(87.5), QStringLiteral("087,500"));
    EXPECT_EQ(FrequencyText(0.531), QStringLiteral("000,531"));
    EXPECT_EQ(FileFrequencyText(87.5), QStringLiteral("087,500"));
    // A mark of another script never goes into a file, and such a user still reads ".".
    TScopedLocale arabic(QLocale(QLocale::Arabic, QLocale::Egypt));
    ASSERT_NE(QLocale().decimalPoint(), QStringLiteral(","));
    ASSERT_NE(QLocale().decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(FileFrequencyText(87.5), QStringLiteral("087,500"));
    double read = 0;
    EXPECT_TRUE(FileTextToFloat(QStringLiteral("087.500"), read));
    EXPECT_DOUBLE_EQ(read, 87.5);
}

TEST(Helpers, SameFrequencyComparesAtTheThirdDecimal)
{
    EXPECT_TRUE(SameFrequency(87.5, 87.5004));
    EXPECT_FALSE(SameFrequency(87.5, 87.5006));
    EXPECT_FALSE(SameFrequency(87.5, 87.501));
    EXPECT_TRUE(SameFrequency(0, 0.0004));
    TScopedLocale locale(Italian);
    EXPECT_TRUE(SameFrequency(87.5, 87.5004));
    EXPECT_FALSE(SameFrequency(87.5, 87.5006));
}

TEST(Helpers, IntegerAndFloatChecks)
{
    EXPECT_FALSE(IsIntInRange(QString(), 1, 100));
    EXPECT_FALSE(IsIntInRange(QStringLiteral("abc"), 1, 100));
    EXPECT_FALSE(IsIntInRange(QStringLiteral("000"), 1, 100));
    EXPECT_FALSE(IsIntInRange(QStringLiteral("101"), 1, 100));
    EXPECT_TRUE(IsIntInRange(QStringLiteral("100"), 1, 100));
    EXPECT_TRUE(IsIntInRange(QStringLiteral("001"), 1, 100));

    EXPECT_FALSE(IsFloatText(QString()));
    EXPECT_TRUE(IsFloatText(QStringLiteral("88.5")));
    EXPECT_FALSE(IsFloatText(QStringLiteral("88,5")));
    EXPECT_FALSE(IsFloatText(QStringLiteral("inf")));
    TScopedLocale locale(Italian);
    EXPECT_TRUE(IsFloatText(QStringLiteral("88,5")));
    // A group separator never turns 1.500 into fifteen hundred.
    double value = 0;
    EXPECT_FALSE(TextToFloat(QStringLiteral("1.500"), value));
}

TEST(Helpers, FileNumbersAcceptCommaOrTheUserSeparator)
{
    double value = 0;
    ASSERT_TRUE(FileTextToFloat(QStringLiteral("088,500"), value));
    EXPECT_DOUBLE_EQ(value, 88.5);
    ASSERT_TRUE(FileTextToFloat(QStringLiteral("088.500"), value));
    EXPECT_DOUBLE_EQ(value, 88.5);
    EXPECT_FALSE(FileTextToFloat(QStringLiteral("08x,500"), value));
    EXPECT_FALSE(FileTextToFloat(QStringLiteral("   "), value));
    TScopedLocale locale(Italian);
    ASSERT_TRUE(FileTextToFloat(QStringLiteral("101,500"), value));
    EXPECT_DOUBLE_EQ(value, 101.5);
    ASSERT_TRUE(FileTextToFloat(QStringLiteral("101.500"), value));
    EXPECT_DOUBLE_EQ(value, 101.5);
}

TEST(Helpers, TimeChecks)
{
    EXPECT_TRUE(IsTimeHHMM(QStringLiteral("2359")));
    EXPECT_TRUE(IsTimeHHMM(QStringLiteral("0000xyz")));
    EXPECT_FALSE(IsTimeHHMM(QStringLiteral("2400")));
    EXPECT_FALSE(IsTimeHHMM(QStringLiteral("1260")));
    EXPECT_FALSE(IsTimeHHMM(QStringLiteral("12a0")));
    EXPECT_FALSE(IsTimeHHMM(QStringLiteral("123")));
    EXPECT_FALSE(IsTimeHHMM(QStringLiteral("-123")));

    // Hours and minutes are a time in every locale, seconds or AM/PM or not.
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates), Italian}) {
        TScopedLocale scoped(locale);
        EXPECT_TRUE(IsValidTime(QStringLiteral("07:05"))) << locale.name().toStdString();
        EXPECT_TRUE(IsValidTime(QStringLiteral("23:59"))) << locale.name().toStdString();
        EXPECT_FALSE(IsValidTime(QStringLiteral("24:00"))) << locale.name().toStdString();
        EXPECT_FALSE(IsValidTime(QStringLiteral("7:5"))) << locale.name().toStdString();
    }

    EXPECT_EQ(HourOfTime(45000.75), 18);
    EXPECT_EQ(MinuteOfTime(45000.75 + 5.0 / 1440), 5);
    EXPECT_EQ(HourOfTime(-1.25), 6); // before 1899-12-30 the time still counts forwards
    EXPECT_EQ(HourOfTime(0.9999999999), 0);
}

TEST(Helpers, WordTables)
{
    EXPECT_TRUE(IsBandWord(QStringLiteral("  fm ")));
    EXPECT_TRUE(IsBandWord(QStringLiteral("\tAm\r")));
    EXPECT_FALSE(IsBandWord(QStringLiteral("F M")));
    EXPECT_TRUE(IsStereoWord(QStringLiteral("st")));
    EXPECT_TRUE(IsStereoWord(QStringLiteral(" MN")));
    EXPECT_FALSE(IsStereoWord(QStringLiteral("FM")));

    EXPECT_EQ(ActionCode(QStringLiteral("mUTE oN")), 1);
    EXPECT_EQ(ActionCode(QStringLiteral("Mute off")), 2);
    EXPECT_EQ(ActionCode(QStringLiteral("BEEP")), 3);
    EXPECT_EQ(ActionCode(QStringLiteral(" Beep")), 0);
    EXPECT_EQ(ActionCode(QStringLiteral("Jump to")), 5);
    EXPECT_EQ(ActionCode(QStringLiteral("off")), 7);
    EXPECT_EQ(ActionCode(QStringLiteral("Off ")), 0);

    EXPECT_EQ(SoundSourceCode(QStringLiteral("Radio card")), 1);
    EXPECT_EQ(SoundSourceCode(QStringLiteral("Compact disk")), 4);
    EXPECT_EQ(SoundSourceCode(QStringLiteral("line in")), 0);
}

TEST(Helpers, ColourTablesAndTheirFallbacks)
{
    EXPECT_EQ(ColourIndexToRGB(0, 7), 0x000000u);
    EXPECT_EQ(ColourIndexToRGB(1, 7), 0x000080u);
    EXPECT_EQ(ColourIndexToRGB(9, 7), 0x0000FFu);
    EXPECT_EQ(ColourIndexToRGB(15, 7), 0xFFFFFFu);
    EXPECT_EQ(ColourIndexToRGB(16, 7), 7u);
    EXPECT_EQ(ColourIndexToRGB(-1, 7), 7u);

    const int lamps[8] = {15, 7, 9, 11, 10, 14, 12, 13};
    for (int n = 0; n < 8; ++n) EXPECT_EQ(LampColourIndex(n, -1), lamps[n]);
    EXPECT_EQ(LampColourIndex(8, -1), -1);

    EXPECT_EQ(DimColourIndex(15, -1), 8);
    EXPECT_EQ(DimColourIndex(7, -1), 8);
    EXPECT_EQ(DimColourIndex(9, -1), 1);
    EXPECT_EQ(DimColourIndex(14, -1), 6);
    EXPECT_EQ(DimColourIndex(8, -1), -1);
    EXPECT_EQ(DimColourIndex(0, -1), -1);
}

TEST(Helpers, CapabilityText)
{
    EXPECT_EQ(CapabilityText(true, false, true),
              QStringLiteral("Your radio card can control the sound volume.\rYour radio card can't mute/unmute.\r"
                             "A sound card is installed in your computer.\r"
                             "You can set the volume with the radio card or sound card."));
    EXPECT_TRUE(CapabilityText(false, true, false).endsWith(QStringLiteral("only through the radio card.")));
    EXPECT_TRUE(CapabilityText(false, false, true).endsWith(QStringLiteral("only through the sound card.")));
    EXPECT_TRUE(CapabilityText(false, false, false)
                    .endsWith(QStringLiteral("No sound card is installed in your computer.\r"
                                             "You can set the volume only on the speakers.")));
}

TEST(Helpers, CharactersAreCountedAsCharacters)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // one character, two UTF-16 units
    EXPECT_EQ(CharCount(clef + QStringLiteral("ab")), 3);
    EXPECT_EQ(LeftChars(clef + clef + QStringLiteral("ab"), 2), clef + clef);
    EXPECT_EQ(TrimBlanks(QStringLiteral("\t a b \x01")), QStringLiteral("a b"));
}
