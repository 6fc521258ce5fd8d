#include "ScriptRunner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Done = std::vector<std::string>;

namespace {

class TRecordingTarget final : public TScriptTarget {
public:
    void ScriptMute(bool mute) override { done.push_back(mute ? "mute" : "unmute"); }
    void ScriptVolume(int step) override { done.push_back("volume " + std::to_string(step)); }
    void ScriptJumpTo(std::uint8_t band, double frequency, bool stereo) override
    {
        done.push_back("jump " + std::to_string(band) + ' ' + std::to_string(frequency) + ' ' + std::to_string(stereo));
    }
    void ScriptPreset(int preset, bool stereo) override
    {
        done.push_back("preset " + std::to_string(preset) + ' ' + std::to_string(stereo));
    }
    void ScriptOff() override { done.push_back("off"); }
    void ScriptStartBeeper() override { done.push_back("beeper"); }
    void ScriptRecord(int preset, int minutes) override
    {
        done.push_back("record " + std::to_string(preset) + ' ' + std::to_string(minutes));
    }
    std::vector<std::string> done;
};

tScript Script(std::initializer_list<std::pair<tActionKind, QTime>> actions)
{
    tScript script;
    for (const auto& [kind, time] : actions) script.Actions.push_back(MakeAction(kind, time));
    return script;
}

struct Runner : ::testing::Test {
    TRecordingTarget target;
    TScriptRunner runner{target};

    // A time of the day the tests run on.
    static QDateTime At(int h, int m, int s = 0) { return QDateTime(QDate(2024, 5, 6), QTime(h, m, s)); }
    void On(tScript script, QDateTime now = At(0, 0))
    {
        runner.Script = std::move(script);
        runner.Start(now);
    }
};

} // namespace

TEST(FindScriptAction, FindsTheMinutesActionOrTellsTheScriptIsOver)
{
    const tScript script = Script({{zMuteOn, QTime(0, 0)}, {zMuteOff, QTime(6, 45)}, {zOff, QTime(8, 0)}});
    struct Case {
        int hour, minute, expected;
    } cases[] = {{0, 0, 1}, {6, 44, 0}, {6, 45, 2}, {7, 59, 0}, {8, 0, 3}, {8, 1, 4}, {23, 59, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(FindScriptAction(script, c.hour, c.minute), c.expected) << c.hour << ':' << c.minute;
    EXPECT_EQ(FindScriptAction(tScript(), 8, 0), 0);
}

TEST_F(Runner, AnActionRunsOnceInItsMinuteEvenWhenTheModeIsSwitchedAgain)
{
    On(Script({{zMuteOn, QTime(7, 30)}, {zMuteOff, QTime(7, 31)}}));
    EXPECT_EQ(runner.Tick(At(7, 29, 59)), TScriptRunner::tkNothing);
    EXPECT_EQ(runner.Tick(At(7, 30, 40)), TScriptRunner::tkRan);
    runner.Tick(At(7, 30, 41));
    runner.Stop();
    runner.Start(At(7, 30, 42));
    runner.Tick(At(7, 30, 42));
    EXPECT_EQ(target.done, Done{"mute"});
    EXPECT_EQ(runner.LastScriptKey(), QStringLiteral("0730"));

    // The last action runs in its minute; the next minute ends the mode.
    runner.Tick(At(7, 31));
    EXPECT_TRUE(runner.ProgOn());
    EXPECT_EQ(runner.Tick(At(7, 32)), TScriptRunner::tkEnded);
    EXPECT_FALSE(runner.ProgOn());
    EXPECT_EQ(target.done, (Done{"mute", "unmute"}));
}

TEST_F(Runner, SwitchedOnAgainOnAnotherDayTheLastMinutesActionRunsAgain)
{
    On(Script({{zMuteOn, QTime(7, 30)}}), At(7, 0));
    runner.Tick(At(7, 30));
    EXPECT_EQ(runner.Tick(At(7, 31)), TScriptRunner::tkEnded);
    // The next day, even when switched on within that same minute.
    const QDateTime tomorrow = At(7, 30, 10).addDays(1);
    runner.Start(tomorrow);
    EXPECT_EQ(runner.Tick(tomorrow), TScriptRunner::tkRan);
    EXPECT_EQ(target.done, (Done{"mute", "mute"}));
}

TEST_F(Runner, AMorningScriptSwitchedOnInTheEveningEndsWithoutRunning)
{
    On(Script({{zMuteOn, QTime(7, 30)}, {zOff, QTime(8, 0)}}), At(19, 0));
    EXPECT_EQ(runner.Tick(At(19, 0)), TScriptRunner::tkEnded);
    EXPECT_FALSE(runner.ProgOn());
    EXPECT_TRUE(target.done.empty());
    EXPECT_EQ(runner.Tick(At(7, 30)), TScriptRunner::tkNothing);
}

TEST_F(Runner, EachKindReachesTheRadioWithItsFields)
{
    tScript script = Script({{zVolume, QTime(6, 0)},
                             {zJumpTo, QTime(6, 1)},
                             {zPreset, QTime(6, 2)},
                             {zRecord, QTime(6, 3)},
                             {zOff, QTime(6, 4)}});
    script.Actions[0].Volume = 7;
    script.Actions[1].Frequency = 98.5;
    script.Actions[1].Stereo = true;
    script.Actions[2].Preset = 12;
    script.Actions[3].Preset = 13;
    script.Actions[3].Minutes = 120;
    On(script);
    for (int m = 0; m < 5; ++m) runner.Tick(At(6, m));
    EXPECT_EQ(target.done, (Done{"volume 7", "jump 1 98.500000 1", "preset 12 0", "record 13 120", "off"}));
}

TEST_F(Runner, ABeepActionBeepsItsTimesOneASecondUntilTheModeGoesOff)
{
    tScript script = Script({{zBeep, QTime(7, 0)}, {zOff, QTime(9, 0)}});
    script.Actions[0].Times = 3;
    script.Actions[0].BeepFreq = 880;
    script.Actions[0].MSecs = 120;
    On(script);
    runner.Tick(At(7, 0));
    EXPECT_EQ(target.done, Done{"beeper"});
    for (int i = 0; i < 3; ++i) {
        const auto beep = runner.BeeperTick();
        ASSERT_TRUE(beep.has_value());
        EXPECT_EQ(beep->Pitch, 880);
        EXPECT_EQ(beep->MSecs, 120);
        EXPECT_TRUE(runner.BeeperRunning());
    }
    EXPECT_FALSE(runner.BeeperTick().has_value());
    EXPECT_FALSE(runner.BeeperRunning());

    // Switching the mode off stops the beeps still to come.
    script.Actions[0].Time = QTime(7, 5);
    On(script);
    runner.Tick(At(7, 5));
    ASSERT_TRUE(runner.BeeperTick().has_value());
    runner.Stop();
    EXPECT_FALSE(runner.BeeperTick().has_value());
    EXPECT_FALSE(runner.BeeperRunning());
}
