#pragma once
// The main window on the emulated card in a temporary program directory,
// with prompts and dialogs answered by the test.

#include "Display.h"
#include "FakePrompts.h"
#include "FakeTray.h"
#include "MainWindow.h"
#include "Profile.h"
#include "SimulatedHardware.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <array>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class TFakeDialogs final : public TMainDialogs {
public:
    // Chooses the queued model and port by the dialog's own rules, then lets
    // `editSetup` change anything else.
    bool Setup(QWidget*, const tSetupFacts& facts, tSetupValues& values) override
    {
        ++setupCalls;
        setupOffered = {values.Model, values.Port};
        setupFacts = facts;
        if (setups.empty() || !setups.front()) {
            if (!setups.empty()) setups.pop_front();
            return false;
        }
        TSetupModel dialog(values, facts);
        dialog.SelectModel(setups.front()->first);
        dialog.SetPort(setups.front()->second);
        setups.pop_front();
        values = dialog.Values();
        if (editSetup) editSetup(values);
        return true;
    }
    tExitChoice AskExit(QWidget*, bool yesEnabled) override
    {
        exitYesEnabled.push_back(yesEnabled);
        if (whileAskingExit) whileAskingExit();
        if (exits.empty()) return tExitChoice::Abort;
        const tExitChoice choice = exits.front();
        exits.pop_front();
        return choice;
    }
    bool AskName(QWidget*, QString& name) override
    {
        offeredNames.push_back(name);
        if (names.empty() || !names.front()) {
            if (!names.empty()) names.pop_front();
            return false;
        }
        name = *names.front();
        names.pop_front();
        return true;
    }
    bool TipOfTheDay(QWidget*, const QString& file, bool showAtStart) override
    {
        tipsFile = file;
        return showAtStart && tipAnswer;
    }
    bool Alarm(QWidget*, const tCardState&, const tPresets&, int currentPreset, int& hour, int& minute,
               int& preset) override
    {
        alarmOffered = {hour, minute, preset, currentPreset};
        if (!alarm) return false;
        hour = alarm->at(0);
        minute = alarm->at(1);
        preset = alarm->at(2);
        return true;
    }
    bool Sleep(QWidget*, int& minutes) override
    {
        sleepOffered = minutes;
        if (!sleep) return false;
        minutes = *sleep;
        return true;
    }
    bool EditScript(QWidget*, const tScriptEditorEnv& env, tScript& script, QString& fileName) override
    {
        ++scriptCalls;
        editedScript = script;
        if (whileEditing) whileEditing(env);
        if (!scriptAnswer) return false;
        script = *scriptAnswer;
        fileName.clear();
        return true;
    }
    void About(QWidget*) override
    {
        ++aboutCalls;
        if (whileAbout) whileAbout();
    }

    std::deque<std::optional<std::pair<tModel, int>>> setups; // nullopt = Cancel
    std::pair<tModel, int> setupOffered{mRadioTrack, 0};
    tSetupFacts setupFacts;
    std::function<void(tSetupValues&)> editSetup;
    int setupCalls = 0;
    std::deque<tExitChoice> exits; // empty = "Don't &exit"
    std::vector<bool> exitYesEnabled;
    std::function<void()> whileAskingExit; // runs while the question is up
    std::deque<std::optional<QString>> names; // nullopt = Cancel
    QStringList offeredNames;
    QString tipsFile;
    bool tipAnswer = true;
    std::optional<std::array<int, 3>> alarm;    // hour, minute, preset; nullopt = Cancel
    std::array<int, 4> alarmOffered{};           // hour, minute, preset, current preset
    std::optional<int> sleep;                    // nullopt = Cancel
    int sleepOffered = 0;
    std::optional<tScript> scriptAnswer;         // nullopt = Cancel
    tScript editedScript;
    int scriptCalls = 0;
    std::function<void(const tScriptEditorEnv&)> whileEditing; // runs while the editor is up
    int aboutCalls = 0;
    std::function<void()> whileAbout; // runs while the about box is up
};

class MainWindowTest : public ::testing::Test {
protected:
    QString IniPath() const { return dir.filePath(QStringLiteral("Vantoro.ini")); }

    void WriteIni(const char* text)
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    // A configured RadioTrack on its first port, with extra lines.
    void WriteConfigured(const char* extra = "")
    {
        const QByteArray text = QByteArray("[Configuration]\nHardware=1\nPort=1\n") + extra;
        WriteIni(text.constData());
    }

    TMainWindow& Make(bool configure = false)
    {
        TMainEnv env;
        env.ProgramDir = programDir.isEmpty() ? dir.path() : programDir;
        env.DataDir = dataDir;
        env.DocumentsDir = dir.filePath(QStringLiteral("Documents"));
        env.Hardware = hardware;
        env.Prompts = &prompts;
        env.Dialogs = &dialogs;
        env.Now = [this] { return now; };
        env.BeforeOpen = [this](tModel model) { hw.InsertCard(model); };
        env.Dongles = [this] { return hw.Dongles(); };
        env.OnError = [this](const QString& what) { errors << what; };
        env.Configure = configure;
        env.UseTray = withTray;
        env.CardThread = cardThread;
        env.TrayHost = [this] {
            auto host = std::make_unique<TFakeTray>();
            tray = host.get();
            return host;
        };
        window = std::make_unique<TMainWindow>(std::move(env));
        return *window;
    }

    TMainWindow& Started(bool configure = false)
    {
        TMainWindow& w = Make(configure);
        EXPECT_TRUE(w.Start());
        w.AfterFirstPaint();
        return w;
    }

    // Closes with the given answer to the shutdown question; true when closed.
    bool CloseWith(tExitChoice choice)
    {
        dialogs.exits.push_back(choice);
        window->close();
        return window->Closed();
    }

    TProfile SavedProfile() const { return TProfile(IniPath()); }

    template <typename T = QToolButton>
    T* Child(const QString& name) const
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << qPrintable(name);
        return child;
    }
    QToolButton* Button(const char* name) const { return Child(QLatin1String(name)); }
    QString LabelText(const char* name) const { return Child<QLabel>(QLatin1String(name))->text(); }
    // The six read-out cells as one text.
    QString Readout() const
    {
        QString text;
        for (int i = 1; i <= 6; ++i)
            text += QLatin1Char(Child<TDisplay>(QStringLiteral("Dig%1").arg(i))->Digit());
        return text;
    }
    // Object names of the items of a "Presets" submenu, in order.
    QStringList MenuNames(const char* menu) const
    {
        QStringList names;
        for (QAction* item : Child<QMenu>(QLatin1String(menu))->actions()) names << item->objectName();
        return names;
    }
    QList<QAction*> Items(const char* name) const { return window->findChildren<QAction*>(QLatin1String(name)); }
    bool AllEnabled(const char* name) const
    {
        const QList<QAction*> items = Items(name);
        bool all = !items.isEmpty();
        for (QAction* item : items) all = all && item->isEnabled();
        return all;
    }
    bool NoneEnabled(const char* name) const
    {
        for (QAction* item : Items(name))
            if (item->isEnabled()) return false;
        return true;
    }

    // Stores the tuned frequency into preset n by MEM and the preset button.
    void StoreByMem(int n, const QString& name)
    {
        while (window->PresetRow() < (n + 9) / 10) window->btNextPrevBottomClick();
        while (window->PresetRow() > (n + 9) / 10) window->btNextPrevTopClick();
        dialogs.names.push_back(name);
        window->Stations_Memory();
        ASSERT_TRUE(window->StorePending());
        window->btRadioClick((n - 1) % 10 + 1);
    }

    QTemporaryDir dir;
    QString programDir; // empty: dir
    QString dataDir;    // empty: the program directory
    QDateTime now{QDate(2024, 5, 6), QTime(7, 5, 9)}; // the window's clock
    TSimulatedHardware hw{TStationList::BuiltIn(), false};
    THardwareEnv* hardware = &hw; // what the window is given
    TFakePrompts prompts;
    TFakeDialogs dialogs;
    QStringList errors;
    bool withTray = false; // a fake notification area instead of none
    // Off: each card request runs and reports at once, as simulated time
    // makes its waits take no time; on, tests wait with CardThread().WaitIdle().
    bool cardThread = false;
    TFakeTray* tray = nullptr; // owned by the window's icon
    std::unique_ptr<TMainWindow> window;
};
