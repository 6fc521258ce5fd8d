#include "TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QStyleHints>
#include <QWidget>
#include <gtest/gtest.h>

TEST(TrayIcon, HidingWithoutATrayMinimisesInsteadOfLosingTheWindow)
{
    QWidget window;
    window.show();
    EXPECT_FALSE(HideWindow(&window, false));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    RestoreWindow(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());

    EXPECT_TRUE(HideWindow(&window, true));
    EXPECT_FALSE(window.isVisible());
    RestoreWindow(&window);
    EXPECT_TRUE(window.isVisible());

    EXPECT_FALSE(HideWindow(nullptr, true));
    RestoreWindow(nullptr);
}

TEST(TrayIcon, HideToTrayUsesTheTaskbarWhenTheIconCannotBeShown)
{
    // Offscreen there is no notification area, so the window must stay reachable.
    ASSERT_FALSE(TTrayIcon::Available());
    TTrayIcon icon;
    icon.Show();
    EXPECT_FALSE(icon.Usable());
    QWidget window;
    window.show();
    EXPECT_FALSE(icon.HideToTray(&window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    icon.RestoreFromTray(&window);
    EXPECT_FALSE(window.isMinimized());
}

TEST(TrayIcon, DoubleClickIsNotAlsoReportedAsAClick)
{
    TTrayIcon icon;
    QSignalSpy clicks(&icon, &TTrayIcon::Click);
    QSignalSpy doubles(&icon, &TTrayIcon::DoubleClick);
    const int interval = QApplication::styleHints()->mouseDoubleClickInterval();

    icon.Activate(QSystemTrayIcon::Trigger); // first click of a double click
    icon.Activate(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(doubles.count(), 1);
    QTest::qWait(interval + 100);
    EXPECT_EQ(clicks.count(), 0);

    icon.Activate(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks.count(), 0); // not before the double-click time is over
    EXPECT_TRUE(clicks.wait(interval + 1000));
    EXPECT_EQ(clicks.count(), 1);

    icon.Activate(QSystemTrayIcon::Context);
    icon.Activate(QSystemTrayIcon::MiddleClick);
    QTest::qWait(interval + 100);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);
}

TEST(TrayIcon, MenuDetachesReattachesAndSurvivesItsDeletion)
{
    TTrayIcon icon;
    auto menu = std::make_unique<QMenu>();
    EXPECT_FALSE(icon.MenuAttached());
    icon.AttachMenu(menu.get());
    EXPECT_TRUE(icon.MenuAttached());
    icon.DetachMenu();
    EXPECT_FALSE(icon.MenuAttached());
    EXPECT_EQ(icon.Menu(), menu.get());
    icon.ReattachMenu();
    EXPECT_TRUE(icon.MenuAttached());
    menu.reset();
    EXPECT_EQ(icon.Menu(), nullptr);
    EXPECT_FALSE(icon.MenuAttached());
    icon.ReattachMenu(); // no menu left: nothing to attach, and no dangling pointer
    EXPECT_FALSE(icon.MenuAttached());
}
