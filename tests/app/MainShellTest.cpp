// The window as the desktop sees it: its place, captions, the tray icon and
// the dialog rules, the start options, and the menu bar's short cut.

#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "TrayIcon.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QTest>

namespace {

QMenu* MenuOf(QWidget* window, const QString& title)
{
    for (QAction* item : window->findChild<QMenuBar*>()->actions())
        if (item->text() == title) return item->menu();
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, TheWindowOpensWhereItClosedAndALostPlaceComesBackOnScreen)
{
    WriteConfigured("ShutDown=1\n[WinPos]\nX=40\nY=60\n");
    TMainWindow& w = Started();
    EXPECT_EQ(w.geometry().topLeft(), QPoint(40, 60));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("WinPos"), QStringLiteral("X"), 0), 40);
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("WinPos"), QStringLiteral("Y"), 0), 60);

    WriteConfigured("ShutDown=1\n[WinPos]\nX=9000\nY=-500\n");
    TMainWindow& lost = Started();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(lost.geometry().topLeft()));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST(ApplicationTest, NoDisplayNameIsAddedToTheCaptions)
{
    const QString before = QCoreApplication::applicationName();
    TMainWindow::SetUpApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Vantoro"));
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
    // A display name of its own would stay put; none follows the name.
    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Other"));
    QCoreApplication::setApplicationName(before);
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(MainWindowTest, TheTrayTipFollowsTheStationAndADialogTakesTheTrayAway)
{
    withTray = true;
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    ASSERT_NE(tray, nullptr);
    auto* icon = w.findChild<TTrayIcon*>();
    auto* trayMenu = Child<QMenu>(QStringLiteral("TrayMenu"));
    EXPECT_TRUE(tray->visible);
    EXPECT_EQ(tray->menu, trayMenu);

    w.TuneTo(bFM, false, 101.5);
    EXPECT_EQ(tray->tip, QStringLiteral("101.5 MHz"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vantoro - 101.5 MHz"));

    // While the mixer window is up the icon has no menu, the main window is
    // hidden, and clicks on the icon change nothing.
    bool checked = false;
    WhenModal([&](QWidget* dialog) {
        checked = true;
        EXPECT_EQ(tray->menu, nullptr);
        EXPECT_TRUE(w.DialogOpen());
        EXPECT_FALSE(w.isVisible());
        emit icon->Click();
        emit icon->DoubleClick();
        EXPECT_FALSE(w.Muted());
        EXPECT_FALSE(w.isVisible());
        dialog->close();
    });
    w.Volume_Mixer();
    EXPECT_TRUE(checked);
    EXPECT_EQ(tray->menu, trayMenu);
    EXPECT_TRUE(w.isVisible());

    // Outside a dialog a click mutes and a double click hides, really hidden
    // now that an icon can bring the window back.
    const QImage sounding = tray->icon.pixmap(16).toImage();
    emit icon->Click();
    EXPECT_TRUE(w.Muted());
    EXPECT_NE(tray->icon.pixmap(16).toImage(), sounding);
    emit icon->DoubleClick();
    EXPECT_TRUE(w.Minimized());
    EXPECT_FALSE(w.isVisible());
    emit icon->DoubleClick();
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_FALSE(tray->visible);
}

// The tray icon is made once the window has been painted (the desktop's
// tray is reached over the session bus) and then shows the state the window
// is in; a start hidden to the tray makes it at once.
TEST_F(MainWindowTest, TheTrayIconComesAfterTheFirstPaintWithTheWindowsState)
{
    withTray = true;
    WriteIni("[Configuration]\nHardware=7\nPort=1\nVolumeLine=1\nShutDown=1\nStartMuted=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Make();
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(tray, nullptr);
    w.TuneTo(bFM, false, 101.5);
    w.AfterFirstPaint();
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->visible);
    EXPECT_EQ(tray->menu, Child<QMenu>(QStringLiteral("TrayMenu")));
    EXPECT_EQ(tray->tip, QStringLiteral("101.5 MHz"));
    // Muted at the start: the icon is the silent one, as the window's is.
    EXPECT_EQ(tray->icon.pixmap(16).toImage(), w.windowIcon().pixmap(16).toImage());
    w.Volume_Mute();
    EXPECT_FALSE(w.Muted());
    EXPECT_EQ(tray->icon.pixmap(16).toImage(), w.windowIcon().pixmap(16).toImage());
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));

    WriteIni("[Configuration]\nHardware=7\nPort=1\nVolumeLine=1\nShutDown=1\nStartMinimized=1\n[Audio]\nVolume=128\n");
    tray = nullptr;
    TMainWindow& hidden = Make();
    ASSERT_TRUE(hidden.Start());
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->visible);
    EXPECT_FALSE(hidden.isVisible());
    hidden.AfterFirstPaint();
    EXPECT_EQ(hidden.findChildren<TTrayIcon*>().size(), 1);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainWindowTest, StartOptionsTakeEffect)
{
    withTray = true;
    // The Zoltrix, which can switch stereo.
    WriteIni("[Configuration]\nHardware=7\nPort=1\nVolumeLine=1\nShutDown=1\nStartMuted=1\nForceStereoOff=1\n"
             "StartMinimized=1\n[Audio]\nVolume=128\n[DisplayMode]\nAlwaysOnTop=1\n");
    TMainWindow& w = Started();
    EXPECT_TRUE(w.Muted());
    EXPECT_TRUE(w.Card().Muted());
    EXPECT_FALSE(w.Card().Stereo());
    EXPECT_TRUE(w.Minimized());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));

    WriteIni("[Configuration]\nHardware=7\nPort=1\nVolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& plain = Started();
    EXPECT_FALSE(plain.Muted());
    EXPECT_FALSE(plain.Card().Muted());
    EXPECT_TRUE(plain.Card().Stereo());
    EXPECT_TRUE(plain.isVisible());
    EXPECT_FALSE(plain.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainWindowTest, CtrlAOpensTheActionsMenu)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    QApplication::setActiveWindow(&w);
    QMenu* actions = MenuOf(&w, QStringLiteral("&Actions"));
    ASSERT_NE(actions, nullptr);
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return actions->isVisible(); }, 2000));
    actions->close();
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainWindowTest, ALongStationNameIsCutWithAnEllipsisAndShownWholeInTheHint)
{
    WriteConfigured("ShutDown=1\n[Presets]\nCurrent=1\nList=1,2,\n"
                    "Station01=M 101,500 A station whose name runs on far beyond the panel's width\n"
                    "Station02=M 99,000 Short\n");
    Started();
    auto* station = Child<QLabel>(QStringLiteral("Station"));
    EXPECT_TRUE(station->text().endsWith(QChar(0x2026)));
    EXPECT_LE(station->fontMetrics().horizontalAdvance(station->text()), station->width());
    EXPECT_EQ(station->toolTip(), QStringLiteral("A station whose name runs on far beyond the panel's width"));
    window->btRadioClick(2);
    EXPECT_EQ(station->text(), QStringLiteral("Short"));
    EXPECT_EQ(station->toolTip(), QStringLiteral("Name of the radio station"));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainWindowTest, CheckMarksShowTheStateWhenACommandDoesNothing)
{
    WriteConfigured("VolumeLine=2\nShutDown=1\n[Audio]\nVolume=128\n");
    TMainWindow& w = Started();
    // Every item of a command, main menu and tray menu, as the user would choose it.
    auto choose = [this](const char* name) {
        for (QAction* item : Items(name))
            item->trigger();
    };
    auto marks = [this](const char* name) {
        QString shown;
        for (QAction* item : Items(name))
            shown += item->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
        return shown;
    };
    // No presets: the alarm says so and is not armed.
    choose("Actions_Alarm");
    EXPECT_EQ(marks("Actions_Alarm"), QStringLiteral("--"));
    EXPECT_FALSE(w.AlarmOn());
    // During a scan the commands wait.
    QTimer::singleShot(0, &w, [&] {
        for (const char* name : {"Actions_Sleep", "Actions_Alarm", "Actions_Prog"})
            choose(name);
        Button("btStopScan")->click();
    });
    w.Actions_ScanNext();
    for (const char* name : {"Actions_Sleep", "Actions_Alarm", "Actions_Prog"})
        EXPECT_EQ(marks(name), QStringLiteral("--")) << name;
    // At volume 0 the sound stays off.
    w.Volume_0();
    choose("Volume_Mute");
    EXPECT_EQ(marks("Volume_Mute"), QStringLiteral("xx"));
    EXPECT_TRUE(w.Muted());
}

TEST_F(MainWindowTest, AfterAMenuIsClosedWithEscapeTheKeysRunCommandsAgain)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    QApplication::setActiveWindow(&w);
    auto* slider = Child<QSlider>(QStringLiteral("sFrequency"));
    slider->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), slider);
    QMenu* stations = MenuOf(&w, QStringLiteral("&Stations"));
    ASSERT_NE(stations, nullptr);
    w.menuBar()->setActiveAction(stations->menuAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return stations->isVisible(); }, 2000));
    QTest::keyClick(stations, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stations->isVisible(); }, 2000));
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(&w); // the desktop gives the window back its keys
    // "s" is Sleep, and the letter of the "&Stations" menu.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_S);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.sleepOffered, 20);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

// While the window is hidden under the dialog rules, a box owned by the
// window (or by nobody) opens centred where the window was; one over a
// dialog that is up stays where that dialog puts it.
TEST_F(MainWindowTest, BoxesOpenWhereTheHiddenWindowWas)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    const QRect area = w.screen()->availableGeometry();
    w.move(area.left() + 420, area.top() + 260);
    const QRect was = w.geometry();
    w.Do_Hide();
    ASSERT_TRUE(w.isHidden() || w.isMinimized());
    for (QWidget* owner : {static_cast<QWidget*>(&w), static_cast<QWidget*>(nullptr)}) {
        QPoint centre;
        WhenModal([&](QWidget* box) {
            centre = box->geometry().center();
            box->close();
        });
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Text"), QMessageBox::Ok,
                        owner);
        // As the program's own dialogs do: centred on the screen by their code.
        if (!owner) box.move(area.topLeft() + QPoint(1, 1));
        box.exec();
        EXPECT_LE((centre - was.center()).manhattanLength(), 2) << (owner ? "owned" : "ownerless");
    }
    QDialog asking(&w);
    asking.setModal(true);
    asking.setGeometry(area.left() + 10, area.top() + 40, 200, 100);
    asking.show();
    QMessageBox over(QMessageBox::Question, QStringLiteral("Q"), QStringLiteral("Text"), QMessageBox::Ok, &asking);
    over.show();
    EXPECT_GT((over.geometry().center() - was.center()).manhattanLength(), 2);
    over.close();
    asking.close();
}
