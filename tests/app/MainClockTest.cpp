// The clock tick on the main window: alarm, sleep, the script run and its
// beeps, all on the window's own clock set by the test.

#include "MainDialogs.h"
#include "MainWindowFixture.h"
#include "ScriptFile.h"

#include "ModalHelper.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QThread>
#include <QTimer>
#include <sys/stat.h>

namespace {

const char* const TwoPresets = "ShutDown=1\n[Presets]\nList=1,2,\nStation01=M 095.000 Classic\n"
                               "Station02=M 101.700 Harbour\n";

// The same with a volume, so muting is heard.
const char* const Audible = "VolumeLine=1\nShutDown=1\n[Presets]\nList=1,2,\nStation01=M 095.000 Classic\n"
                            "Station02=M 101.700 Harbour\n[Audio]\nVolume=128\n";

struct MainClockTest : MainWindowTest {
    void At(int h, int m, int s = 0)
    {
        now = QDateTime(QDate(2024, 5, 6), QTime(h, m, s));
        window->ClockTimer();
    }
    void NextDayAt(int h, int m, int s = 0)
    {
        now = QDateTime(QDate(2024, 5, 7), QTime(h, m, s));
        window->ClockTimer();
    }
    QTimer* Timer(const char* name) const { return Child<QTimer>(QLatin1String(name)); }

    QString WriteScript(const QByteArray& text)
    {
        const QString path = dir.filePath(QStringLiteral("day.vxs"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }
    void LoadScript(const QByteArray& text)
    {
        if (window->Runner().Script.Count() > 0) prompts.answers.push_back(true); // replace it
        prompts.fileNames.push_back(WriteScript(text));
        window->File_LoadScript();
    }
};

} // namespace

TEST_F(MainClockTest, AnAlarmArmedInTheEveningFiresOnceNextMorning)
{
    WriteConfigured(Audible);
    Started();
    now = QDateTime(QDate(2024, 5, 6), QTime(22, 45));
    dialogs.alarm = std::array<int, 3>{6, 30, 2};
    Button("btAlarm")->click();
    EXPECT_EQ(dialogs.alarmOffered, (std::array<int, 4>{6, 30, 0, 0}));
    ASSERT_TRUE(window->AlarmOn());
    EXPECT_TRUE(Items("Actions_Alarm").front()->isChecked());

    for (auto [h, m] : {std::pair{22, 45}, {23, 59}, {6, 29}}) {
        h >= 22 ? At(h, m, 30) : NextDayAt(h, m, 59);
        EXPECT_TRUE(window->AlarmOn()) << h << ':' << m;
    }
    EXPECT_DOUBLE_EQ(window->Card().Frequency(), 87.0);
    window->Volume_Mute(); // muted for the night
    ASSERT_TRUE(window->Card().Muted());
    NextDayAt(6, 30, 0);
    EXPECT_DOUBLE_EQ(window->Card().Frequency(), 101.7);
    EXPECT_EQ(window->CurrentPreset(), 2);
    EXPECT_FALSE(window->Card().Muted()) << "the alarm is heard";
    EXPECT_FALSE(window->Muted());
    EXPECT_FALSE(window->AlarmOn());
    EXPECT_FALSE(Items("Actions_Alarm").front()->isChecked());

    // Not again in the rest of its minute.
    window->RecallPreset(1, true);
    NextDayAt(6, 30, 1);
    EXPECT_DOUBLE_EQ(window->Card().Frequency(), 95.0);
}

TEST_F(MainClockTest, AlarmNeedsAPresetAndSwitchesOffWithoutADialog)
{
    WriteConfigured("ShutDown=1\n");
    Started();
    window->KeyPress(QLatin1Char('a'));
    EXPECT_EQ(prompts.MessageTexts(), QStringList{QStringLiteral("Favorites aren't defined")});
    EXPECT_FALSE(window->AlarmOn());

    WriteConfigured(TwoPresets);
    Started();
    dialogs.alarm.reset(); // Cancel
    window->Actions_Alarm();
    EXPECT_FALSE(window->AlarmOn());
    dialogs.alarm = std::array<int, 3>{7, 0, 1};
    window->Actions_Alarm();
    ASSERT_TRUE(window->AlarmOn());
    dialogs.alarmOffered = {};
    window->Actions_Alarm();
    EXPECT_FALSE(window->AlarmOn());
    EXPECT_EQ(dialogs.alarmOffered[0], 0) << "switching off opens no dialog";
    // The chosen time and preset are kept for next time.
    window->Actions_Alarm();
    EXPECT_EQ(dialogs.alarmOffered, (std::array<int, 4>{7, 0, 1, 0}));
}

TEST_F(MainClockTest, ALoadedScriptTunesAtItsMinuteAndEndsAfterTheLast)
{
    WriteConfigured(TwoPresets);
    Started();
    LoadScript(";Day\r\nJump to.0707.098,500.FM.MN\r\nPreset.0708.1.MN\r\nPreset.0709.50.ST\r\n");
    ASSERT_TRUE(window->ProgOn());
    EXPECT_TRUE(prompts.calls.front().Kind == QLatin1String("OpenFileName")) << "nothing to replace: no question";
    EXPECT_EQ(prompts.calls.front().Request.Filter, ScriptFileFilter());
    EXPECT_EQ(Button("btProg")->toolTip(),
              QStringLiteral("Programming mode on/off (%1)").arg(dir.filePath(QStringLiteral("day.vxs"))));
    EXPECT_FALSE(Button("btAlarm")->isEnabled());
    EXPECT_FALSE(Button("btSleep")->isEnabled());

    At(7, 6, 59);
    EXPECT_DOUBLE_EQ(window->Card().Frequency(), 87.0);
    At(7, 7, 0);
    EXPECT_DOUBLE_EQ(window->Card().Frequency(), 98.5);
    At(7, 8, 0);
    EXPECT_EQ(window->CurrentPreset(), 1);
    // A preset not in use changes nothing.
    At(7, 9, 0);
    EXPECT_EQ(window->CurrentPreset(), 1);
    EXPECT_TRUE(window->ProgOn());
    At(7, 10, 0);
    EXPECT_FALSE(window->ProgOn());
    EXPECT_TRUE(Button("btAlarm")->isEnabled());
}

TEST_F(MainClockTest, AScriptEndingAt2359EndsAtMidnight)
{
    WriteConfigured(TwoPresets);
    Started();
    now = QDateTime(QDate(2024, 5, 6), QTime(23, 0));
    LoadScript(";N\r\nMute off.2359\r\n");
    At(23, 59, 59);
    EXPECT_TRUE(window->ProgOn());
    NextDayAt(0, 0, 0);
    EXPECT_FALSE(window->ProgOn()) << "over after its last minute, across midnight";
}

TEST_F(MainClockTest, AFailedLoadKeepsTheScriptAndTheModeOff)
{
    WriteConfigured(TwoPresets);
    Started();
    LoadScript(";Day\r\nMute on.0800\r\n");
    ASSERT_TRUE(window->ProgOn());

    // Asked first, as a script is loaded; No changes nothing.
    prompts.fileNames.push_back(WriteScript(";Bad\r\nMute on.0800\r\nOff.0700\r\n"));
    window->File_LoadScript();
    EXPECT_TRUE(window->ProgOn());
    EXPECT_EQ(prompts.calls.back().Kind, QStringLiteral("AskYesNo"));

    prompts.answers.push_back(true);
    window->File_LoadScript();
    EXPECT_FALSE(window->ProgOn());
    EXPECT_EQ(prompts.MessageTexts().back(), QStringLiteral("The script file is corrupt"));
    EXPECT_EQ(window->Runner().Script.At(1).Kind, zMuteOn);
    EXPECT_EQ(window->Runner().Script.Title, QStringLiteral("Day"));

    // A FIFO nothing writes to is refused at once, and says so.
    const QString fifo = dir.filePath(QStringLiteral("fifo.vxs"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    prompts.answers.push_back(true);
    prompts.fileNames.push_back(fifo);
    window->File_LoadScript();
    EXPECT_EQ(prompts.MessageTexts().back(),
              QStringLiteral("Read error or disk not ready\n") + fifo +
                  QStringLiteral(": not a regular file but a named pipe (FIFO)"));
    EXPECT_EQ(window->Runner().Script.Title, QStringLiteral("Day"));
}

TEST_F(MainClockTest, ABeepActionBeepsThreeTimesAndStopsWithTheMode)
{
    WriteConfigured(TwoPresets);
    Started();
    LoadScript(";B\r\nBeep.0800.3.880.120\r\nBeep.0801.3.440.50\r\nOff.0900\r\n");
    At(8, 0);
    QTimer* beeper = Timer("Beeper");
    ASSERT_TRUE(beeper->isActive());
    EXPECT_EQ(beeper->interval(), 1000);
    for (int i = 0; i < 4; ++i) window->BeeperTimer();
    EXPECT_EQ(hw.Beeps(), (std::vector<std::pair<int, int>>{{880, 120}, {880, 120}, {880, 120}}));
    EXPECT_FALSE(beeper->isActive());

    At(8, 1);
    window->BeeperTimer();
    window->Actions_Prog(); // off
    window->BeeperTimer();
    EXPECT_EQ(hw.Beeps().size(), 4u);
    EXPECT_FALSE(beeper->isActive());
}

TEST_F(MainClockTest, TheOffActionMutesBeforeTheClosePathAsks)
{
    WriteConfigured("ShutDown=2\n");
    Started();
    LoadScript(";Night\r\nOff.2300\r\n");
    bool mutedWhenAsked = false;
    dialogs.whileAskingExit = [&] { mutedWhenAsked = window->Card().Muted(); };
    dialogs.exits.push_back(tExitChoice::Yes);
    At(23, 0);
    EXPECT_TRUE(mutedWhenAsked);
    EXPECT_TRUE(window->Closed());
}

TEST_F(MainClockTest, VolumeActionSetsItsShareOfTheSlider)
{
    WriteConfigured("VolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    Started();
    LoadScript(";V\r\nVolume.0800.15\r\n");
    At(8, 0);
    auto* slider = Child<QSlider>(QStringLiteral("sVolume"));
    ASSERT_GT(slider->maximum(), 20);
    EXPECT_EQ(slider->value(), slider->maximum() * 3 / 4);
    EXPECT_EQ(window->Card().Volume(), slider->value());
}

TEST_F(MainClockTest, SleepWaitsForARunningScriptToEnd)
{
    WriteConfigured(TwoPresets);
    Started();
    dialogs.sleep = 1;
    Button("btSleep")->click();
    EXPECT_EQ(dialogs.sleepOffered, 20);
    QTimer* sleep = Timer("TSleep");
    ASSERT_TRUE(window->SleepOn());
    EXPECT_EQ(sleep->interval(), 60000);
    EXPECT_TRUE(sleep->isActive());

    // The presets editor holds the countdown and resumes the part left.
    QThread::msleep(20); // some of the round goes by before it opens
    WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("btCancel"))->click(); });
    window->Stations_EditPresets();
    EXPECT_LT(sleep->interval(), 60000);

    LoadScript(";S\r\nMute off.0800\r\n");
    window->TSleepTimer();
    EXPECT_FALSE(window->Muted());
    EXPECT_TRUE(sleep->isActive());
    EXPECT_EQ(sleep->interval(), 60000); // the next round is a whole one
    At(8, 1); // the script is over
    ASSERT_FALSE(window->ProgOn());
    window->TSleepTimer();
    EXPECT_TRUE(window->Muted());
    EXPECT_TRUE(window->Card().Muted());
    EXPECT_FALSE(window->SleepOn());
    EXPECT_FALSE(sleep->isActive());

    // The last choice is offered next time; SLP switches a running one off.
    window->Actions_Sleep();
    EXPECT_EQ(dialogs.sleepOffered, 1);
    window->Actions_Sleep();
    EXPECT_FALSE(window->SleepOn());
    EXPECT_FALSE(sleep->isActive());
}

TEST_F(MainClockTest, TheEditorWorksOnACopyAndOnlyOkRunsIt)
{
    WriteConfigured(TwoPresets);
    Started();
    LoadScript(";Old\r\nMute on.0800\r\n");
    window->Actions_Prog(); // off, no dialog
    EXPECT_FALSE(window->ProgOn());
    EXPECT_EQ(dialogs.editedScript.Count(), 0);

    window->Actions_Prog(); // Cancel
    EXPECT_FALSE(window->ProgOn());
    EXPECT_EQ(dialogs.editedScript.Title, QStringLiteral("Old"));
    EXPECT_EQ(window->Runner().Script.Title, QStringLiteral("Old"));

    tScript fresh;
    fresh.Title = QStringLiteral("New");
    fresh.Actions.push_back(MakeAction(zMuteOff, QTime(9, 0)));
    dialogs.scriptAnswer = fresh;
    window->KeyPress(QLatin1Char('p'));
    EXPECT_TRUE(window->ProgOn());
    EXPECT_TRUE(window->Runner().Script.SameAs(fresh));
    EXPECT_EQ(Button("btProg")->toolTip(), QStringLiteral("Programming mode on/off (internal)"));
}

TEST_F(MainClockTest, TheEditorHoldsAlarmAndSleepAndTakesTheMuteOfClosingTime)
{
    WriteConfigured(Audible);
    Started();
    now = QDateTime(QDate(2024, 5, 6), QTime(6, 0));
    dialogs.alarm = std::array<int, 3>{6, 30, 2};
    window->Actions_Alarm();
    dialogs.sleep = 1;
    window->Actions_Sleep();
    QTimer* sleep = Timer("TSleep");
    bool mutedAtClosing = false;
    dialogs.whileEditing = [&](const tScriptEditorEnv& env) {
        EXPECT_FALSE(sleep->isActive());
        At(6, 30);
        EXPECT_DOUBLE_EQ(window->Card().Frequency(), 87.0) << "no alarm behind the editor";
        ASSERT_TRUE(env.Muted);
        ASSERT_FALSE(env.Muted());
        window->Volume_Mute();
        mutedAtClosing = env.Muted();
    };
    window->Actions_Prog(); // Cancel
    EXPECT_TRUE(mutedAtClosing);
    EXPECT_TRUE(window->AlarmOn());
    EXPECT_TRUE(window->SleepOn());
    EXPECT_TRUE(sleep->isActive());
}

// The editor's questions and messages open over the editor.
TEST_F(MainClockTest, TheEditorsQuestionsAreItsOwnWindows)
{
    WriteConfigured(TwoPresets);
    Started();
    TQtMainDialogs qtDialogs;
    const tPresets presets;
    tScriptEditorEnv env;
    env.Card = &window->Card();
    env.Presets = &presets;
    env.Prompts = &prompts;
    tScript script;
    script.Actions.push_back(MakeAction(zMuteOn, QTime(6, 0)));
    QString fileName;
    QString boxParent; // the name of the widget the question opens over
    WhenModal([&](QWidget* editor) {
        WhenModal([&](QWidget* box) {
            if (auto* question = qobject_cast<QMessageBox*>(box)) {
                if (QWidget* parent = question->parentWidget()) boxParent = parent->objectName();
                question->button(QMessageBox::No)->click();
            }
        });
        editor->findChild<QToolButton*>(QStringLiteral("btNew"))->click();
        qobject_cast<QDialog*>(editor)->reject();
    });
    EXPECT_FALSE(qtDialogs.EditScript(nullptr, env, script, fileName));
    EXPECT_EQ(boxParent, QStringLiteral("ScriptEditor"));
}

TEST_F(MainClockTest, TheSignalIsReadEverySecondTickWhenAsked)
{
    WriteConfigured("ShutDown=1\nCheckIfTuned=1\n");
    Started();
    window->TuneTo(bFM, false, 95.0);
    const QString tuned = LabelText("Tuned");
    Child<QLabel>(QStringLiteral("Tuned"))->setText(QString());
    At(8, 0, 0);
    At(8, 0, 1);
    EXPECT_EQ(LabelText("Tuned"), tuned);
    Child<QLabel>(QStringLiteral("Tuned"))->setText(QString());
    At(8, 0, 2);
    EXPECT_TRUE(LabelText("Tuned").isEmpty());
}
