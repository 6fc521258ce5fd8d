// The script editor driven through its controls on the emulated card, with
// the prompts answered by the test and the time set by it.

#include "FakePrompts.h"
#include "PresetsFile.h"
#include "ScriptEditor.h"
#include "ScriptFile.h"
#include "SimulatedHardware.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct ScriptEditorTest : ::testing::Test {
    ScriptEditorTest()
    {
        hw.InsertCard(mRadioTrack);
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.Open();
        card.Tune(false, bFM, 101.7);
        presets[1] = {QStringLiteral("Harbour"), 88.6, 1, 0, 1};
        presets[2] = {QStringLiteral("Night"), 0.603, 0, 0, 1};
        env.Card = &card;
        env.Presets = &presets;
        env.Prompts = &prompts;
        env.Beep = [this](int pitch, int ms) { beeps.emplace_back(pitch, ms); };
        env.Now = [this] { return now; };
        env.DocumentsDir = dir.path();
    }

    TScriptEditor& Open(const tScript& loaded = {}, const QString& fileName = {})
    {
        editor = std::make_unique<TScriptEditor>(env, loaded, fileName);
        return *editor;
    }
    template <typename T>
    T* Child(const char* name) const
    {
        T* child = editor->findChild<T*>(QLatin1String(name));
        if (!child) throw std::runtime_error(std::string("no widget ") + name); // fails the test, not the run
        return child;
    }
    void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
    QListWidget* List() const { return Child<QListWidget>("Script"); }
    void Select(int row) { List()->setCurrentRow(row); }
    // Picks a kind in `Actions` by its word.
    void Kind(const char* word)
    {
        auto* kinds = Child<QListWidget>("Actions");
        kinds->setCurrentItem(kinds->findItems(QLatin1String(word), Qt::MatchExactly).value(0));
    }
    QStringList Keys() const
    {
        QStringList keys;
        for (const zAction& a : editor->Script().Actions) keys << ActionWord(a.Kind) + QLatin1Char(' ') + a.Key();
        return keys;
    }

    TSimulatedHardware hw{TStationList::BuiltIn(), false};
    TRadioCard card{hw};
    tPresets presets;
    TFakePrompts prompts;
    std::vector<std::pair<int, int>> beeps;
    QTime now{7, 12, 40};
    QTemporaryDir dir;
    tScriptEditorEnv env;
    std::unique_ptr<TScriptEditor> editor;
};

tScript Script(std::initializer_list<std::pair<tActionKind, QTime>> actions)
{
    tScript script;
    script.Title = QStringLiteral("Day");
    for (const auto& [kind, time] : actions) script.Actions.push_back(MakeAction(kind, time));
    return script;
}

} // namespace

TEST_F(ScriptEditorTest, OpensOnTheLoadedScriptWithTheFirstActionInThePanel)
{
    Open(Script({{zMuteOn, QTime(6, 0)}}), QStringLiteral("/x/day.vxs"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Script - (/x/day.vxs)"));
    EXPECT_EQ(Child<QLineEdit>("Title")->text(), QStringLiteral("Day"));
    EXPECT_EQ(Child<QListWidget>("Actions")->count(), 8);
    EXPECT_EQ(Child<QListWidget>("Actions")->item(0)->text(), QStringLiteral("Preset"));
    EXPECT_EQ(Child<QListWidget>("Actions")->item(7)->text(), QStringLiteral("Record"));
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(Child<QLabel>("bTime")->text(), QStringLiteral("00:00"));
    EXPECT_EQ(Child<QLabel>("eTime")->text(), QStringLiteral("23:59"));
    EXPECT_EQ(Child<QSpinBox>("TimeHH")->value(), 6);
    EXPECT_EQ(List()->item(0)->data(Qt::UserRole + 1).toString(), QStringLiteral("06:00")); // the time column
    // The column uses the 24-hour clock of the hour field and the range, whatever the locale's.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Open(Script({{zMuteOn, QTime(16, 23)}}));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(List()->item(0)->data(Qt::UserRole + 1).toString(), QStringLiteral("16:23"));
    EXPECT_TRUE(Child<QPushButton>("btOk")->isEnabled());

    Open();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Programming -"));
    for (const char* name : {"btOk", "Left"}) EXPECT_FALSE(Child<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(Child<QWidget>("btSave")->isEnabled());
    EXPECT_TRUE(Child<QWidget>("gCommon")->isHidden());
}

TEST_F(ScriptEditorTest, AddingAndDroppingTakeFreeMinutesOrBeep)
{
    Open();
    Kind("Mute off");
    Click("Right");
    Click("Right");
    EXPECT_EQ(Keys(), (QStringList{QStringLiteral("Mute off 0712"), QStringLiteral("Mute off 0713")}));
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_FALSE(Child<QWidget>("gCommon")->isHidden());

    Open(Script({{zMuteOn, QTime(6, 0)}, {zMuteOn, QTime(6, 1)}}));
    Kind("Volume");
    editor->ProgDragDrop(true, 1);
    EXPECT_EQ(prompts.beeps, 1);
    EXPECT_EQ(editor->Script().Count(), 2);

    Open(Script({{zMuteOn, QTime(6, 0)}, {zMuteOn, QTime(6, 5)}}));
    Kind("Volume");
    editor->ProgDragDrop(true, 1);
    EXPECT_EQ(Keys(), (QStringList{QStringLiteral("Mute on 0600"), QStringLiteral("Volume 0601"),
                                   QStringLiteral("Mute on 0605")}));
    EXPECT_FALSE(Child<QWidget>("gVolume")->isHidden());
    // A row moved below the last one, then dropped back on the kinds: deleted.
    Select(0);
    editor->ProgDragDrop(false, -1);
    EXPECT_EQ(Keys().last(), QStringLiteral("Mute on 0606"));
    editor->ActionsDragDrop();
    EXPECT_EQ(editor->Script().Count(), 2);

    Open(Script({{zMuteOn, QTime(23, 59)}}));
    Click("Right");
    editor->ProgDragDrop(true, -1);
    EXPECT_EQ(editor->Script().Count(), 1);
}

TEST_F(ScriptEditorTest, TheTimeStaysWithinItsRange)
{
    Open(Script({{zMuteOn, QTime(6, 30)}, {zMuteOff, QTime(7, 0)}, {zOff, QTime(8, 0)}}));
    Select(1);
    EXPECT_EQ(Child<QLabel>("bTime")->text(), QStringLiteral("06:31"));
    EXPECT_EQ(Child<QLabel>("eTime")->text(), QStringLiteral("07:59"));
    auto* hh = Child<QSpinBox>("TimeHH");
    auto* mm = Child<QSpinBox>("TimeMM");
    hh->setValue(5);
    EXPECT_EQ(hh->value(), 6);
    mm->setValue(10);
    EXPECT_EQ(mm->value(), 31);
    Click("Save");
    EXPECT_EQ(editor->Script().At(2).Key(), QStringLiteral("0631"));
    // Typed, the minute is put in range when the editing ends, not at its "4".
    mm->selectAll();
    QTest::keyClicks(mm, QStringLiteral("45"));
    QTest::keyClick(mm, Qt::Key_Return);
    EXPECT_EQ(mm->value(), 45);
    mm->selectAll();
    QTest::keyClicks(mm, QStringLiteral("2"));
    Click("Save");
    EXPECT_EQ(editor->Script().At(2).Key(), QStringLiteral("0631"));

    Select(0);
    EXPECT_EQ(Child<QLabel>("bTime")->text(), QStringLiteral("00:00"));
    EXPECT_EQ(Child<QLabel>("eTime")->text(), QStringLiteral("06:30"));
}

TEST_F(ScriptEditorTest, SaveStoresThePanelFittedToTheBand)
{
    Open(Script({{zJumpTo, QTime(6, 0)}, {zJumpTo, QTime(6, 1)}, {zVolume, QTime(6, 2)}, {zPreset, QTime(6, 3)}}));
    Select(0);
    Child<QDoubleSpinBox>("Freq")->setValue(98.51);
    Child<QCheckBox>("FreqStereo")->setChecked(true);
    Click("Save");
    EXPECT_DOUBLE_EQ(editor->Script().At(1).Frequency, 98.5);
    EXPECT_TRUE(editor->Script().At(1).Stereo);

    Select(1);
    Click("btAM");
    EXPECT_FALSE(Child<QCheckBox>("FreqStereo")->isEnabled());
    Child<QDoubleSpinBox>("Freq")->setValue(0.6);
    Click("Save");
    EXPECT_NEAR(editor->Script().At(2).Frequency, 0.603, 1e-9);
    EXPECT_EQ(editor->Script().At(2).Band, 0);

    Select(2);
    Child<QSlider>("Volume")->setValue(20);
    EXPECT_EQ(Child<QLabel>("Perc")->text(), QStringLiteral("100%"));
    Click("Save");
    EXPECT_EQ(editor->Script().At(3).Volume, 20);

    // A preset on AM takes no stereo.
    Select(3);
    auto* list = Child<QComboBox>("Presets");
    list->setCurrentIndex(1);
    emit list->activated(1);
    EXPECT_FALSE(Child<QCheckBox>("PresetStereo")->isEnabled());
    Click("Save");
    EXPECT_EQ(editor->Script().At(4).Preset, 2);
}

TEST_F(ScriptEditorTest, ARecordActionTakesAPresetAndMinutesButNoStereo)
{
    tScript loaded = Script({{zPreset, QTime(6, 0)}, {zRecord, QTime(20, 0)}});
    loaded.Actions[1].Preset = 2;
    loaded.Actions[1].Minutes = 90;
    Open(loaded);
    Select(1);
    auto* minutes = Child<QSpinBox>("RecordMinutes");
    ASSERT_NE(minutes, nullptr);
    EXPECT_EQ(minutes->value(), 90);
    EXPECT_EQ(minutes->maximum(), 1440);
    EXPECT_TRUE(Child<QCheckBox>("PresetStereo")->isHidden());
    EXPECT_EQ(Child<QComboBox>("Presets")->currentData().toInt(), 2);
    Child<QComboBox>("Presets")->setCurrentIndex(0);
    minutes->setValue(120);
    Click("Save");
    EXPECT_EQ(editor->Script().At(2).Preset, 1);
    EXPECT_EQ(editor->Script().At(2).Minutes, 120);
    EXPECT_EQ(editor->Script().At(1).Kind, zPreset); // its neighbour untouched

    // Back on the preset action: stereo again, no length.
    Select(0);
    EXPECT_FALSE(Child<QCheckBox>("PresetStereo")->isHidden());
    EXPECT_TRUE(minutes->isHidden());

    // Without presets there is no record action to pick.
    presets = tPresets();
    Open();
    EXPECT_TRUE(Child<QListWidget>("Actions")->findItems(QStringLiteral("Record"), Qt::MatchExactly).isEmpty());
}

TEST_F(ScriptEditorTest, APresetActionNeedsAStoredPresetAndAScriptThatCannotBeReadIsNotWritten)
{
    presets = tPresets();
    tScript loaded = Script({{zPreset, QTime(16, 25)}});
    loaded.Actions[0].Preset = 7;
    Open(loaded);
    Select(0);
    Click("Save");
    EXPECT_EQ(editor->Script().At(1).Preset, 7);
    EXPECT_EQ(prompts.MessageTexts(), QStringList{PresetActionNeedsPresetText()});

    // A preset of 0 is outside the file's rules: nothing is written.
    loaded.Actions[0].Preset = 0;
    Open(loaded);
    const QString path = dir.filePath(QStringLiteral("p.vxs"));
    prompts.fileNames.push_back(path);
    Click("btSave");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(prompts.MessageTexts().back().startsWith(QStringLiteral("Script write error\n(line 2: ")));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Programming -"));
}

TEST_F(ScriptEditorTest, PreviewsTestTheFrequencyAndBeepThenGiveTheCardBack)
{
    Open(Script({{zJumpTo, QTime(6, 0)}, {zBeep, QTime(6, 1)}}));
    Select(0);
    Child<QDoubleSpinBox>("Freq")->setValue(95.0);
    Click("btPrFreq");
    EXPECT_DOUBLE_EQ(card.Frequency(), 95.0);
    EXPECT_EQ(Child<QLabel>("Tuned")->text(), QStringLiteral("Tuned"));
    editor->PreviewTick();
    EXPECT_DOUBLE_EQ(card.Frequency(), 101.7);
    EXPECT_FALSE(Child<QToolButton>("btPrFreq")->isChecked());

    Select(1);
    Child<QSpinBox>("Times")->setValue(2);
    Child<QSpinBox>("BFreq")->setValue(880);
    Click("btPrBeep");
    for (int i = 0; i < 3; ++i) editor->PreviewTick();
    EXPECT_EQ(beeps, (std::vector<std::pair<int, int>>{{880, 300}, {880, 300}}));
    EXPECT_FALSE(Child<QToolButton>("btPrBeep")->isChecked());
}

TEST_F(ScriptEditorTest, FileCommandsAskForANameOnlyWithoutAFile)
{
    Open(Script({{zMuteOff, QTime(6, 45)}}));
    const QString path = dir.filePath(QStringLiteral("morning.vxs"));
    prompts.fileNames.push_back(path);
    Click("btSave");
    ASSERT_EQ(prompts.calls.back().Kind, QStringLiteral("SaveFileName"));
    EXPECT_EQ(prompts.calls.back().Request.FileName, QStringLiteral("NoName.vxs"));
    EXPECT_EQ(prompts.calls.back().Request.Directory, dir.path());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Script - (%1)").arg(path));

    // Named now: saved at once.
    Kind("Off");
    Click("Right");
    const std::size_t calls = prompts.calls.size();
    Click("btSave");
    EXPECT_EQ(prompts.calls.size(), calls);
    tScript back;
    ASSERT_EQ(LoadScriptFile(path, back), slLoaded);
    EXPECT_EQ(back.Count(), 2);

    // New, then Load: the file's name and actions.
    prompts.answers.push_back(true);
    Click("btNew");
    EXPECT_EQ(editor->Script().Count(), 0);
    EXPECT_FALSE(Child<QWidget>("btOk")->isEnabled());
    prompts.fileNames.push_back(path);
    Click("btLoad");
    EXPECT_EQ(Keys(), (QStringList{QStringLiteral("Mute off 0645"), QStringLiteral("Off 0646")}));
    EXPECT_EQ(editor->FileName(), path);
}

TEST_F(ScriptEditorTest, ClosingAsksAboutChangesAndOkHandsTheScriptOver)
{
    Open(Script({{zMuteOn, QTime(6, 0)}}));
    // A mute-on turned into a mute-off at the same minute is a change.
    Select(0);
    Click("Left");
    Kind("Mute off");
    now = QTime(6, 0);
    Click("Right");
    ASSERT_EQ(Keys(), QStringList{QStringLiteral("Mute off 0600")});

    Click("btPrFreq"); // a test under way when the question comes
    card.Tune(false, bFM, 88.6);
    Click("btCancel"); // answered No: the editor stays
    EXPECT_EQ(prompts.calls.back().Title, QStringLiteral("Exit without save"));
    EXPECT_EQ(prompts.calls.back().Text, QStringLiteral("The script has changed!\nAre you sure?"));
    EXPECT_EQ(editor->result(), 0);
    EXPECT_DOUBLE_EQ(card.Frequency(), 101.7);

    prompts.answers.push_back(true);
    Click("btCancel");
    EXPECT_EQ(editor->result(), QDialog::Rejected);

    // The window's mute as it is at closing, not as it was at opening.
    bool muted = false;
    env.Muted = [&] { return muted; };
    card.SetVolumeLine(vlNative);
    Open(Script({{zMuteOn, QTime(6, 0)}}));
    Child<QLineEdit>("Title")->setText(QStringLiteral("  New day "));
    const std::size_t calls = prompts.calls.size();
    muted = true;
    Click("btOk");
    EXPECT_TRUE(card.Muted());
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(prompts.calls.size(), calls);
    EXPECT_EQ(editor->Script().Title, QStringLiteral("New day"));
}

// The panel always shows the selected action, from the opening on; OK takes
// what was changed there without its Save, and Cancel counts it as a change.
TEST_F(ScriptEditorTest, OkTakesThePanelsUnsavedValuesAndAReopenedPanelKeepsTheAction)
{
    tScript loaded = Script({{zJumpTo, QTime(6, 0)}, {zMuteOn, QTime(7, 0)}});
    loaded.Actions[0].Frequency = 98.5;
    loaded.Actions[0].Stereo = true;
    Open(loaded);
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>("Freq")->value(), 98.5);
    EXPECT_TRUE(Child<QCheckBox>("FreqStereo")->isChecked());
    EXPECT_EQ(Child<QLabel>("eTime")->text(), QStringLiteral("06:59"));
    // Save with nothing edited rewrites the action as it was.
    Click("Save");
    EXPECT_TRUE(editor->Script().SameAs(loaded));
    Click("btOk");
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_TRUE(editor->Script().SameAs(loaded));
    EXPECT_TRUE(prompts.calls.empty());

    Open(loaded);
    Child<QSpinBox>("TimeHH")->setValue(5);
    Child<QSpinBox>("TimeMM")->setValue(30);
    Child<QCheckBox>("FreqStereo")->setChecked(false);
    Click("btOk");
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(editor->Script().At(1).Time, QTime(5, 30));
    EXPECT_FALSE(editor->Script().At(1).Stereo);
    EXPECT_EQ(editor->Script().At(2).Time, QTime(7, 0));
    EXPECT_TRUE(prompts.calls.empty());

    // The second row edited: OK takes that row, not the first.
    Open(loaded);
    Select(1);
    Child<QSpinBox>("TimeMM")->setValue(15);
    Click("btOk");
    EXPECT_EQ(editor->Script().At(1).Time, QTime(6, 0));
    EXPECT_EQ(editor->Script().At(2).Time, QTime(7, 15));

    Open(loaded);
    Child<QSpinBox>("TimeMM")->setValue(45);
    Click("btCancel"); // answered No: the editor stays
    ASSERT_FALSE(prompts.calls.empty());
    EXPECT_EQ(prompts.calls.back().Text, QStringLiteral("The script has changed!\nAre you sure?"));
    EXPECT_EQ(editor->result(), 0);
}
