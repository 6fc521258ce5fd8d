// The presets editor and the jump-to dialog opened from the main window.

#include "MainWindowFixture.h"

#include "ModalHelper.h"
#include "NumEdit.h"
#include "TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

namespace {

// Three presets, the second current and armed as the alarm.
const char* const Bank = "ShutDown=1\nLaunchAlarm=1\n[Alarm]\nStation=2\n[Presets]\nCurrent=2\nList=1,2,3,\n"
                         "Station01=M 088.600 Harbour\nStation02=M 095.000 Classic\nStation03=M 101.700 Talk\n";

template <typename T = QPushButton>
T* In(QWidget* dialog, const char* name)
{
    T* child = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

} // namespace

TEST_F(MainWindowTest, EditPresetsIsRefusedWithoutPresets)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    bool opened = false;
    WhenModal([&](QWidget* dialog) {
        opened = true;
        dialog->close();
    });
    w.KeyPress(QLatin1Char('e'));
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(w.DialogOpen());
}

TEST_F(MainWindowTest, EditPresetsHandsBackTheBankAndRetunesItsCurrentPreset)
{
    WriteConfigured(Bank);
    TMainWindow& w = Started();
    ASSERT_TRUE(w.AlarmOn());
    dialogs.sleep = 1;
    w.Actions_Sleep();
    QTimer* sleep = Child<QTimer>(QStringLiteral("TSleep"));
    ASSERT_TRUE(sleep->isActive());
    bool whileUp = false;
    WhenModal([&](QWidget* dialog) {
        whileUp = w.DialogOpen() && !w.AlarmOn() && !w.SleepOn() && !sleep->isActive() && w.Minimized();
        In<QListWidget>(dialog, "Presets")->setCurrentRow(1);
        In(dialog, "btMoveDown")->click(); // the current preset to slot 3
        In<QListWidget>(dialog, "Presets")->setCurrentRow(9);
        QTest::keyClicks(In<QLineEdit>(dialog, "StationName"), QStringLiteral("Fresh"));
        In<QToolButton>(dialog, "btTuneNext")->click(); // 87.05, off the 87.0 of nobody
        In(dialog, "btOk")->click();
    });
    Child<QAction>(QStringLiteral("Stations_EditPresets"))->trigger();
    EXPECT_TRUE(whileUp);
    EXPECT_FALSE(w.DialogOpen());
    EXPECT_TRUE(w.AlarmOn());
    EXPECT_TRUE(w.SleepOn());
    EXPECT_TRUE(sleep->isActive());
    EXPECT_FALSE(w.Minimized());
    EXPECT_EQ(w.CurrentPreset(), 3);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 95.0);
    EXPECT_EQ(w.Presets()[2].Name, QStringLiteral("Talk"));
    EXPECT_EQ(w.Presets()[10].Name, QStringLiteral("Fresh"));
    EXPECT_EQ(MenuNames("RadioPresets"), (QStringList{QStringLiteral("m01"), QStringLiteral("m02"),
                                                      QStringLiteral("m03"), QStringLiteral("m10")}));
    EXPECT_EQ(LabelText("StationNum"), QStringLiteral("3"));
}

TEST_F(MainWindowTest, EditPresetsCancelledLeavesTheBank)
{
    WriteConfigured(Bank);
    TMainWindow& w = Started();
    prompts.answers.push_back(true); // leave without saving
    WhenModal([&](QWidget* dialog) {
        In(dialog, "btClear")->click();
        In(dialog, "btCancel")->click();
    });
    w.Stations_EditPresets();
    EXPECT_EQ(prompts.calls.size(), 1u);
    EXPECT_TRUE(w.Presets()[1].Used);
    EXPECT_EQ(w.CurrentPreset(), 2);
}

TEST_F(MainWindowTest, JumpToTunesTheTypedFrequencyInTheUsersNotation)
{
    WriteConfigured("ShutDown=1\n");
    TScopedLocale italian{QLocale(QLocale::Italian, QLocale::Italy)};
    TMainWindow& w = Started();
    EXPECT_TRUE(Button("btJump")->isEnabled());
    bool hidden = false;
    WhenModal([&](QWidget* dialog) {
        hidden = w.Minimized() && w.DialogOpen();
        auto* freq = In<TNumEdit>(dialog, "Freq");
        freq->clear();
        QTest::keyClicks(freq, QStringLiteral("99,1"));
        In(dialog, "btOk")->click();
    });
    w.KeyPress(QLatin1Char('j'));
    EXPECT_TRUE(hidden);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 99.1);
    EXPECT_EQ(Readout(), QStringLiteral(" 99100"));

    WhenModal([&](QWidget* dialog) {
        In<TNumEdit>(dialog, "Freq")->setText(QStringLiteral("105"));
        In(dialog, "btCancel")->click();
    });
    Button("btJump")->click();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 99.1);
}

TEST_F(MainWindowTest, FileDialogsStartInTheDocumentsThenWhereTheirKindWasLastOpened)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    const QString documents = dir.filePath(QStringLiteral("Documents"));
    const QString scripts = dir.filePath(QStringLiteral("scripts"));
    ASSERT_TRUE(QDir().mkpath(scripts));
    ASSERT_TRUE(QDir().mkpath(documents));
    auto startedIn = [this] { return prompts.calls.back().Request.Directory; };
    w.File_LoadScript();
    EXPECT_EQ(startedIn(), documents);
    prompts.fileNames = {scripts + QStringLiteral("/missing.vxs")};
    w.File_LoadScript();
    w.File_LoadPresets();
    EXPECT_EQ(startedIn(), documents) << "the scripts' folder is not the presets'";
    w.File_LoadScript();
    EXPECT_EQ(startedIn(), scripts);
    // No documents folder: the home folder, never a folder's name as the file's.
    ASSERT_TRUE(QDir(documents).removeRecursively());
    w.File_LoadPresets();
    EXPECT_EQ(startedIn(), QDir::homePath());
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(
        SavedProfile().ReadString(QStringLiteral("Folders"), QStringLiteral("Scripts"), QString()),
        scripts);
}
