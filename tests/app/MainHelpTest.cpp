#include "HelpWindow.h"
#include "MainDialogs.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "Translations.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {

THelpWindow* HelpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<THelpWindow*>(w)) return help;
    return nullptr;
}

} // namespace

using MainHelpTest = MainWindowTest;

TEST_F(MainHelpTest, HelpTopicsAndAboutFromEveryMenuAndKeyAndF1AndCtrlQQuits)
{
    WriteConfigured("ShutDown=1\n");
    Started();
    std::vector<std::function<void()>> helpWays;
    for (QAction* item : Items("Help_Topics")) helpWays.push_back([item] { item->trigger(); });
    ASSERT_EQ(helpWays.size(), 2u); // main menu and tray menu
    helpWays.push_back([this] { window->KeyPress(QLatin1Char('H')); });
    helpWays.push_back([this] { window->KeyPress(QLatin1Char('h')); });
    // F1 as on every desktop, also in a layout without the menu bar.
    helpWays.push_back([this] {
        window->menuBar()->hide();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
    });
    for (const auto& open : helpWays) {
        if (THelpWindow* help = HelpWindow()) help->close();
        open();
        ASSERT_NE(HelpWindow(), nullptr);
        EXPECT_TRUE(HelpWindow()->isVisible());
        EXPECT_EQ(HelpWindow()->CurrentTopic(), QStringLiteral("Welcome"));
    }

    // The about box follows the dialog rules: the window hides while it is up.
    std::vector<std::pair<bool, bool>> whileUp; // dialog open, window hidden
    dialogs.whileAbout = [&] { whileUp.emplace_back(window->DialogOpen(), window->Minimized()); };
    for (QAction* item : Items("Help_About")) item->trigger();
    window->KeyPress(QLatin1Char('6'));
    EXPECT_EQ(dialogs.aboutCalls, 3);
    for (const auto& [open, hidden] : whileUp) {
        EXPECT_TRUE(open);
        EXPECT_TRUE(hidden);
    }
    EXPECT_FALSE(window->DialogOpen());
    EXPECT_FALSE(window->Minimized());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(window->Closed());
}

TEST_F(MainHelpTest, TheHelpWindowKeepsItsSizeInTheSettings)
{
    WriteConfigured("ShutDown=1\n");
    Started().ShowHelp(QStringLiteral("Scripting"));
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->CurrentTopic(), QStringLiteral("Scripting"));
    HelpWindow()->resize(700, 500);
    ASSERT_TRUE(CloseWith(tExitChoice::No));
    window.reset();
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Help"), QStringLiteral("Width"), 0), 700);
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("Help"), QStringLiteral("Height"), 0), 500);

    Started().ShowHelp(QStringLiteral("Welcome"));
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->size(), QSize(700, 500));
}

// Each dialog's "Help" button reaches the help at the dialog's own topic,
// through the same way the program wires them.
TEST_F(MainHelpTest, EveryDialogsHelpButtonOpensItsTopic)
{
    WriteConfigured("ShutDown=1\n[Presets]\nList=1,\nStation01=M 095.000 Classic\n");
    TQtMainDialogs qtDialogs;
    QStringList topics;
    TMainEnv env;
    env.ProgramDir = dir.path();
    env.Hardware = &hw;
    env.Prompts = &prompts;
    env.Dialogs = &qtDialogs;
    env.BeforeOpen = [this](tModel model) { hw.InsertCard(model); };
    env.UseTray = false;
    env.Help = [&](const QString& topic) { topics << topic; };
    window = std::make_unique<TMainWindow>(std::move(env));
    qtDialogs.Help = [this](const QString& topic) { window->ShowHelp(topic); };
    ASSERT_TRUE(window->Start());

    const std::pair<const char*, const char*> cases[] = {
        {"Options_Settings", "Tuning_the_configuration"},
        {"Actions_Alarm", "The_Alarm_function"},
        {"Actions_Sleep", "Sleep_function"},
        {"Actions_Prog", "Scripting"},
        {"Stations_Organize", "The_organizer"},
        {"Stations_EditPresets", "Edit_presets"},
        {"Actions_Jump", "Tuning_radio_frequency"},
    };
    for (const auto& [command, topic] : cases) {
        topics.clear();
        WhenModal([](QWidget* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("btHelp"))->click();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        Items(command).front()->trigger();
        EXPECT_EQ(topics, QStringList{QString::fromLatin1(topic)}) << command;
    }
}

TEST_F(MainHelpTest, TheManualInTheUsersLanguageWhenThereIsOneElseEnglish)
{
    // A German manual beside the settings; none in French.
    QFile german(dir.filePath(QStringLiteral("Vantoro.de.hlp")));
    ASSERT_TRUE(german.open(QIODevice::WriteOnly));
    german.write("<html><body><h1><a name=\"Welcome\"></a>Willkommen bei Vantoro</h1></body></html>");
    german.close();
    WriteConfigured("ShutDown=1\n");
    const struct {
        const char* language;
        const char* heading;
    } cases[] = {{"de", "Willkommen bei Vantoro"}, {"fr", "Welcome to Vantoro"}, {"en", "Welcome to Vantoro"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(UseLanguage(QLatin1String(c.language)));
        if (THelpWindow* help = HelpWindow()) help->close();
        window.reset();
        Started().Help_Topics();
        THelpWindow* help = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<THelpWindow*>(w); h && h->isVisible()) help = h;
        ASSERT_NE(help, nullptr) << c.language;
        EXPECT_TRUE(help->Browser()->toPlainText().contains(QLatin1String(c.heading))) << c.language;
    }
    UseLanguage(QStringLiteral("en"));
}
