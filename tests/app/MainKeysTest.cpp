// The single-key commands of the main window on the emulated Zoltrix (it
// can switch stereo) with the sound card's line in as its volume: each key
// of the default string reaches its command, whichever listed control has
// the focus; other keys, the reserved position and lower-case letters in
// the string run nothing.

#include "HelpWindow.h"
#include "KeyCommands.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"

#include <QApplication>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace
{

const char* const Zoltrix = "[Configuration]\nHardware=7\nPort=1\nVolumeLine=2\nShutDown=1\n";

bool Near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

} // namespace

class MainKeysTest : public MainWindowTest
{
protected:
    // Tuned to 98 MHz with a 50 kHz step and preset 1 stored there, every
    // fake's record cleared.
    TMainWindow& Ready(const char* keys = nullptr)
    {
        QByteArray ini = QByteArray(Zoltrix) + "[Audio]\nVolume=128\n";
        if (keys) ini += QByteArray("[Configuration]\nKeyboardCommands=") + keys + "\n";
        WriteIni(ini.constData());
        TMainWindow& w = Started();
        w.TuneTo(bFM, false, 98.0);
        w.Actions_StepDec();
        StoreByMem(1, QStringLiteral("One"));
        prompts.calls.clear();
        dialogs.offeredNames.clear();
        return w;
    }

    // The class of the modal dialog a key opens; it is cancelled at once.
    QString ModalOf(QChar key)
    {
        QString seen;
        WhenModal([&](QWidget* dialog) {
            seen = QLatin1String(dialog->metaObject()->className());
            dialog->close();
        });
        window->KeyPress(key);
        QCoreApplication::processEvents();
        return seen;
    }

    bool Prompted(const char* kind, const char* title) const
    {
        for (const TFakePrompts::Call& call : prompts.calls)
            if (call.Kind == QLatin1String(kind) && call.Title == QLatin1String(title)) return true;
        return false;
    }

    // Everything a command could change, as one text.
    QString State() const
    {
        const TMainWindow& w = *window;
        return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
            .arg(window->Card().Frequency())
            .arg(w.FMTuneStep())
            .arg(window->Card().Volume())
            .arg(int(w.Muted()) + 2 * int(window->Card().Stereo()) + 4 * int(w.StopRequest()) +
                 8 * int(w.StorePending()) + 16 * int(w.ClearPending()) + 32 * int(w.Closed()))
            .arg(prompts.calls.size())
            .arg(dialogs.setupCalls + dialogs.scriptCalls)
            .arg(dialogs.sleepOffered + dialogs.alarmOffered[0])
            .arg(dialogs.offeredNames.size())
            .arg(dialogs.exitYesEnabled.size());
    }
};

TEST_F(MainKeysTest, EachDefaultKeyRunsItsCommand)
{
    const struct {
        char key;
        const char* command;
        std::function<bool(double step, int volume, const QString& modal)> done;
        std::function<void()> prepare = nullptr;
    } rows[] = {
        {'U', "Volume up",
         [this](double, int v, const QString&) { return window->Card().Volume() > v; }},
        {'D', "Volume down",
         [this](double, int v, const QString&) { return window->Card().Volume() < v; }},
        {'0', "Volume reset",
         [this](double, int, const QString&) { return window->Card().Volume() == 0; }},
        {'X', "Mixer",
         [](double, int, const QString& modal) { return modal == QLatin1String("TMixerDialog"); }},
        {'M', "Mute", [this](double, int, const QString&) { return window->Muted(); }},
        {'-', "Tune left",
         [this](double s, int, const QString&) {
             return Near(window->Card().Frequency(), 98.0 - s);
         }},
        {'+', "Tune right",
         [this](double s, int, const QString&) {
             return Near(window->Card().Frequency(), 98.0 + s);
         }},
        {',', "Step larger",
         [this](double s, int, const QString&) { return window->FMTuneStep() > s; }},
        {'.', "Step smaller",
         [this](double s, int, const QString&) { return window->FMTuneStep() < s; }},
        {'S', "Sleep", [this](double, int, const QString&) { return dialogs.sleepOffered == 20; }},
        {'A', "Alarm",
         [this](double, int, const QString&) { return dialogs.alarmOffered[0] == 6; }},
        {'<', "Scan left",
         [this](double s, int, const QString&) {
             return window->Card().Frequency() < 98.0 - s - 1e-6;
         }},
        {'>', "Scan right",
         [this](double s, int, const QString&) {
             return window->Card().Frequency() > 98.0 + s + 1e-6;
         }},
        {'!', "Stop scan", [this](double, int, const QString&) { return window->StopRequest(); }},
        {'E', "Edit presets",
         [](double, int, const QString& modal) {
             return modal == QLatin1String("TPresetsEditor");
         }},
        {'I', "Settings", [this](double, int, const QString&) { return dialogs.setupCalls == 1; }},
        {'O', "Organize",
         [](double, int, const QString& modal) { return modal == QLatin1String("TArchiveDialog"); }},
        {'P', "Scripting",
         [this](double, int, const QString&) { return dialogs.scriptCalls == 1; }},
        {'Q', "Exit", [this](double, int, const QString&) { return window->Closed(); }},
        {'J', "Quick jump",
         [](double, int, const QString& modal) { return modal == QLatin1String("TJumpToDialog"); }},
        {'T', "Always on top",
         [this](double, int, const QString&) { return window->Settings().AlwaysOnTop; }},
        {'1', "Display", [this](double, int, const QString&) { return window->Settings().DisplayType == 1; }},
        {'2', "Display + tuner", [this](double, int, const QString&) { return window->Settings().DisplayType == 2; }},
        {'3', "Display + presets",
         [this](double, int, const QString&) { return window->Settings().DisplayType == 3; }},
        {'4', "Display + volume + buttons",
         [this](double, int, const QString&) { return window->Settings().DisplayType == 4; }},
        {'5', "Display + volume + buttons + presets",
         [this](double, int, const QString&) { return window->Settings().DisplayType == 5; }},
        {'Z', "Stereo", [this](double, int, const QString&) { return !window->Card().Stereo(); }},
        {'R', "Clear",
         [this](double, int, const QString&) { return !window->Presets()[1].Used; }},
        {'L', "Clear all",
         [this](double, int, const QString&) {
             return Prompted("AskYesNo", "Clear all favorites");
         }},
        {'Y', "Memory", [this](double, int, const QString&) { return window->StorePending(); },
         [this] { window->TuneTo(bFM, false, 99.0); }}, // away from preset 1
        {'K', "Rename",
         [this](double, int, const QString&) {
             return dialogs.offeredNames == QStringList{QStringLiteral("One")};
         }},
        {'H', "Help topics",
         [](double, int, const QString&) {
             for (QWidget* top : QApplication::topLevelWidgets())
                 if (auto* help = qobject_cast<THelpWindow*>(top))
                     return help->isVisible() && help->CurrentTopic() == QLatin1String("Welcome");
             return false;
         }},
        {'6', "About", [this](double, int, const QString&) { return dialogs.aboutCalls == 1; }},
        {'8', "Load script",
         [this](double, int, const QString&) { return Prompted("OpenFileName", "Load script"); }},
        {'9', "Load presets",
         [this](double, int, const QString&) { return Prompted("OpenFileName", "Load presets"); }},
    };
    for (const auto& row : rows) {
        TMainWindow& w = Ready();
        ASSERT_TRUE(w.Card().Stereo());
        prompts.answers = {true}; // "Load presets" may erase the bank
        const double step = w.FMTuneStep();
        const int volume = w.Card().Volume();
        if (row.prepare) row.prepare();
        const QString modal = ModalOf(QLatin1Char(row.key));
        EXPECT_TRUE(row.done(step, volume, modal)) << row.key << " " << row.command << " " << qPrintable(modal);
    }
}

TEST_F(MainKeysTest, ReservedUnknownAndLowerCaseKeysRunNothing)
{
    // The default string: "7" holds the reserved position.
    Ready();
    const QString before = State();
    for (char key : {'7', '@', '#', 'b', ' '}) {
        EXPECT_EQ(ModalOf(QLatin1Char(key)), QString()) << key;
        EXPECT_EQ(State(), before) << key;
    }
    // The reserved position is a place, not a character: with "U" moved there
    // and "7" in its place, "7" raises the volume and "U" does nothing; a
    // lower-case "w" stored for mute matches neither "w" nor "W".
    QByteArray keys = DefaultKeyboardCommands().toLatin1();
    std::swap(keys[0], keys[ReservedKeyPosition - 1]);
    keys[4] = 'w';
    TMainWindow& w = Ready(keys.constData());
    ASSERT_EQ(w.Settings().KeyboardCommands, QLatin1String(keys));
    const int volume = w.Card().Volume();
    const QString quiet = State();
    for (char key : {'U', 'u', 'w', 'W', 'M'}) {
        w.KeyPress(QLatin1Char(key));
        EXPECT_EQ(State(), quiet) << key;
    }
    w.KeyPress(QLatin1Char('7'));
    EXPECT_GT(w.Card().Volume(), volume);
}

TEST_F(MainKeysTest, ADuplicatedKeyStringIsReplacedByTheDefaultAtStart)
{
    QByteArray keys = DefaultKeyboardCommands().toLatin1();
    keys[1] = 'U'; // "Volume down" takes "Volume up"'s key
    TMainWindow& w = Ready(keys.constData());
    EXPECT_EQ(w.Settings().KeyboardCommands, DefaultKeyboardCommands());
    const int volume = w.Card().Volume();
    w.KeyPress(QLatin1Char('d'));
    EXPECT_LT(w.Card().Volume(), volume);
}

TEST_F(MainKeysTest, TypedKeysReachTheCommandsFromTheWindowAndItsListedControls)
{
    TMainWindow& w = Ready();
    QList<QWidget*> targets{&w};
    for (const char* name : {"sFrequency", "sStep", "sVolume", "Temp"})
        targets << Child<QSlider>(QLatin1String(name));
    for (int k = 1; k <= 10; ++k)
        targets << Child(QStringLiteral("btRadio%1").arg(k, 2, 10, QLatin1Char('0')));
    for (QWidget* target : targets) {
        const int volume = w.Card().Volume();
        // A Ctrl combination is left to the menus.
        QTest::keyClick(target, 'u', Qt::ControlModifier);
        EXPECT_EQ(w.Card().Volume(), volume) << qPrintable(target->objectName());
        w.Volume_0();
        const double frequency = w.Card().Frequency();
        QTest::keyClick(target, '+');
        EXPECT_GT(w.Card().Frequency(), frequency) << qPrintable(target->objectName());
        QTest::keyClick(target, 'u');
        EXPECT_GT(w.Card().Volume(), 0) << qPrintable(target->objectName());
    }
}

TEST_F(MainKeysTest, TheKeysPageNamesEachStepKeyAsTheMenuItemItRuns)
{
    Ready();
    // "," makes the step larger, as "Step +" does; "." smaller, as "Step -".
    const struct {
        int position;
        const char* item;
    } rows[] = {{8, "Actions_StepDec"}, {9, "Actions_StepInc"}};
    for (const auto& row : rows) {
        const auto command =
            std::find_if(KeyCommands.begin(), KeyCommands.end(),
                         [&](const tKeyCommand& c) { return c.Position == row.position; });
        ASSERT_NE(command, KeyCommands.end());
        ASSERT_FALSE(Items(row.item).isEmpty());
        EXPECT_EQ(QLatin1String(command->Label), Items(row.item).front()->text()) << row.item;
    }
}
