#include "ScriptEdit.h"

#include <gtest/gtest.h>

namespace {

tScript At(std::initializer_list<QTime> times)
{
    tScript script;
    for (const QTime& t : times) script.Actions.push_back(MakeAction(zMuteOn, t));
    return script;
}

QStringList Keys(const tScript& script)
{
    QStringList keys;
    for (const zAction& a : script.Actions) keys << a.Key() + QLatin1Char(a.Kind == zMuteOn ? 'n' : 'f');
    return keys;
}

QString RangeText(const tTimeRange& r)
{
    return QStringLiteral("%1:%2-%3:%4").arg(r.BeginHour).arg(r.BeginMinute).arg(r.EndHour).arg(r.EndMinute);
}

QStringList L(const std::vector<const char*>& texts)
{
    QStringList list;
    for (const char* t : texts) list << QLatin1String(t);
    return list;
}

const zAction Kind = MakeAction(zMuteOff, QTime());

} // namespace

TEST(ScriptEdit, RangesLieBetweenTheNeighbours)
{
    const tScript three = At({QTime(6, 30), QTime(7, 0), QTime(8, 0)});
    EXPECT_EQ(RangeText(ActionRange(three, 1)), QStringLiteral("6:31-7:59"));
    EXPECT_EQ(RangeText(ActionRange(At({QTime(6, 0), QTime(7, 0)}), 0)), QStringLiteral("0:0-6:59"));
    EXPECT_EQ(RangeText(ActionRange(three, 2)), QStringLiteral("7:1-23:59"));
    EXPECT_EQ(RangeText(ActionRange(three, -1)), QStringLiteral("0:0-23:59"));

    const tTimeRange r = ActionRange(three, 1);
    EXPECT_EQ(HourInRange(r, 5), 6);
    EXPECT_EQ(MinuteInRange(r, 6, 10), 31);
    EXPECT_EQ(MinuteInRange(r, 7, 10), 10);
    const tTimeRange sameHour{6, 10, 6, 20};
    EXPECT_EQ(MinuteInRange(sameHour, 6, 25), 20);
}

TEST(ScriptEdit, AddingTakesTheNextFreeMinute)
{
    tScript script;
    EXPECT_EQ(AddAction(script, Kind, QTime(7, 12, 40)), 0);
    EXPECT_EQ(AddAction(script, Kind, QTime(9, 0)), 1);
    EXPECT_EQ(Keys(script), L({"0712f", "0713f"}));

    tScript full = At({QTime(23, 59)});
    EXPECT_EQ(AddAction(full, Kind, QTime()), -1);
    EXPECT_EQ(DropAction(full, Kind, -1, QTime()), -1);
    EXPECT_EQ(full.Count(), 1);
}

TEST(ScriptEdit, DroppingOnARowNeedsAFreeMinuteBeforeIt)
{
    struct Case {
        tScript script;
        int row;
        std::vector<const char*> after; // unchanged when refused
    };
    const std::vector<Case> cases = {
        {At({QTime(6, 0), QTime(6, 1)}), 1, {"0600n", "0601n"}},
        {At({QTime(6, 0), QTime(6, 5)}), 1, {"0600n", "0601f", "0605n"}},
        {At({QTime(0, 0), QTime(6, 5)}), 0, {"0000n", "0605n"}},
        {At({QTime(0, 1)}), 0, {"0001n"}},
        {At({QTime(0, 2)}), 0, {"0001f", "0002n"}},
    };
    for (const Case& c : cases) {
        tScript script = c.script;
        DropAction(script, Kind, c.row, QTime());
        EXPECT_EQ(Keys(script), L(c.after));
    }
}

TEST(ScriptEdit, MovingKeepsTheOrderAndRefusesWhereNoMinuteIsFree)
{
    tScript script = At({QTime(6, 0), QTime(6, 5), QTime(7, 0)});
    script.Actions[0].Kind = zOff;
    EXPECT_EQ(MoveAction(script, 0, 2), 1); // before 07:00, after 06:05
    EXPECT_EQ(Keys(script), L({"0605n", "0606f", "0700n"}));
    EXPECT_EQ(MoveAction(script, 1, -1), 2);
    EXPECT_EQ(Keys(script), L({"0605n", "0700n", "0701f"}));
    EXPECT_EQ(MoveAction(script, 2, 0), 0);
    EXPECT_EQ(Keys(script), L({"0604f", "0605n", "0700n"}));

    tScript late = At({QTime(6, 0), QTime(23, 59)});
    EXPECT_EQ(MoveAction(late, 0, -1), -1);
    tScript single = At({QTime(6, 0)});
    EXPECT_EQ(MoveAction(single, 0, -1), -1);
    EXPECT_EQ(Keys(late), L({"0600n", "2359n"}));
}

TEST(ScriptEdit, DeletingSelectsTheNextOrTheLast)
{
    tScript script = At({QTime(6, 0), QTime(6, 5), QTime(7, 0)});
    EXPECT_EQ(DeleteAction(script, 1), 1);
    EXPECT_EQ(DeleteAction(script, 1), 0);
    EXPECT_EQ(DeleteAction(script, 0), -1);
    EXPECT_EQ(script.Count(), 0);
}

TEST(ScriptEdit, FrequenciesFitTheBandAndItsStep)
{
    EXPECT_DOUBLE_EQ(FitFrequency(98.51, 1, 0.05), 98.5);
    EXPECT_NEAR(FitFrequency(0.6, 0, 0.05), 0.603, 1e-9);
    EXPECT_DOUBLE_EQ(FitFrequency(120, 1, 0.05), 108.0);
    EXPECT_DOUBLE_EQ(FitFrequency(0.1, 0, 0.05), 0.531);
    EXPECT_EQ(VolumePercent(20), QStringLiteral("100%"));
    EXPECT_EQ(VolumePercent(0), QStringLiteral("0%"));
    EXPECT_EQ(VolumePercent(7), QStringLiteral("35%"));
}
