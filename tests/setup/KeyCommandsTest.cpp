// The key string: which position a typed character runs, and the named
// commands the settings dialog lists.

#include "KeyCommands.h"

#include <gtest/gtest.h>

TEST(KeyCommands, ATypedCharacterRunsThePositionItHolds)
{
    const QString def = DefaultKeyboardCommands();
    ASSERT_TRUE(IsValidKeyboardCommands(def));
    QString lower = def;
    lower[4] = QLatin1Char('m'); // stored in lower case: never matches
    QString accented = def;
    accented[4] = QChar(0xE9); // only a..z are folded
    const struct {
        const QString& keys;
        QChar typed;
        int position;
    } cases[] = {
        {def, QLatin1Char('U'), 1},  {def, QLatin1Char('u'), 1},   {def, QLatin1Char('+'), 7},
        {def, QLatin1Char('5'), 37}, {def, QLatin1Char('7'), 0},   {def, QLatin1Char('@'), 0},
        {def, QChar(), 0},           {lower, QLatin1Char('m'), 0}, {lower, QLatin1Char('M'), 0},
        {accented, QChar(0xE9), 5},  {accented, QChar(0xC9), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyCommandPosition(c.keys, c.typed), c.position)
            << c.keys.toStdString() << " " << int(c.typed.unicode());
}

TEST(KeyCommands, TheNamedCommandsHoldEveryPositionButTheReservedOne)
{
    int expected = 1;
    for (const tKeyCommand& command : KeyCommands) {
        if (expected == ReservedKeyPosition) ++expected;
        EXPECT_EQ(command.Position, expected) << command.Name;
        ++expected;
    }
    EXPECT_EQ(expected, KeyCommandCount + 1);
}
