// The six layouts, their menu items and keys, and always on top.

#include "MainLayout.h"
#include "MainWindowFixture.h"

#include <QActionGroup>
#include <QGroupBox>
#include <QMenuBar>
#include <QTest>

namespace {

const char* const LayoutCommands[] = {"Display_Complete",   "Display_Minimal",   "Display_MinTuner",
                                      "Display_MinPresets", "Display_MinVolBtn", "Display_MinVolBtnPre"};

} // namespace

class MainDisplayTest : public MainWindowTest {
protected:
    QSize Client() const { return window->centralWidget()->size(); }
    bool Shown(const char* name) const { return !Child<QWidget>(QLatin1String(name))->isHidden(); }
    bool Checked(const char* name) const
    {
        const QList<QAction*> items = Items(name);
        bool all = items.size() == 2; // main menu and tray menu
        for (QAction* item : items) all = all && item->isChecked();
        return all;
    }
};

TEST_F(MainDisplayTest, EachLayoutShowsItsAreasAtItsSize)
{
    WriteConfigured("VolumeLine=1\nShutDown=1\n");
    Started().show();
    // The hidden focus slider in the top-left corner leaves no mark.
    const QImage corner = window->centralWidget()->grab(QRect(0, 0, 4, 3)).toImage();
    EXPECT_EQ(corner.pixel(0, 0), corner.pixel(3, 2));
    QMenuBar* bar = window->menuBar();
    // Help topics lies in a visible menu that has its place on the bar.
    std::function<bool(QMenu*)> reaches = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            if (a->isVisible() && (a->objectName() == QLatin1String("Help_Topics") ||
                                   (a->menu() && reaches(a->menu()))))
                return true;
        return false;
    };
    struct Case {
        bool tuner, presets, volume;
    };
    const Case cases[] = {{true, true, true},   {false, false, false}, {true, false, false},
                          {false, true, false}, {false, false, true},  {false, true, true}};
    for (int type = 0; type < MainLayoutCount; ++type) {
        SCOPED_TRACE(type);
        Items(LayoutCommands[type]).back()->trigger(); // the tray menu's item
        const tMainLayout& layout = *MainLayoutOf(type);
        EXPECT_EQ(Client(), QSize(layout.Width - MainFrameWidth, layout.Height - MainFrameHeight));
        const Case& c = cases[type];
        EXPECT_EQ(Shown("gpTuner"), c.tuner);
        EXPECT_EQ(Child<QGroupBox>(QStringLiteral("gpTuner"))->isEnabled(), c.tuner);
        EXPECT_EQ(Shown("gpPresets"), c.presets);
        EXPECT_EQ(Child<QGroupBox>(QStringLiteral("gpPresets"))->isEnabled(), c.presets);
        EXPECT_EQ(Shown("gpVolume"), c.volume);
        // The RDS line along the bottom of the wide layouts, below everything else.
        EXPECT_EQ(Shown("RdsLine"), c.tuner);
        if (c.tuner) {
            const QRect line = Child<QWidget>(QStringLiteral("RdsLine"))->geometry();
            EXPECT_EQ(line, QRect(0, Client().height() - MainRdsLineHeight, Client().width(), MainRdsLineHeight));
            for (const char* box : {"gpTuner", "gpPresets", "gpVolume", "Panel", "btMute", "OnOff"}) {
                const QWidget* other = Child<QWidget>(QLatin1String(box));
                if (other->isVisible()) {
                    EXPECT_LE(other->geometry().bottom(), line.top()) << box;
                }
            }
        }
        for (const char* button : {"btMute", "btAlarm", "btSleep", "btProg", "btClr", "btMem", "btStr", "OnOff"})
            EXPECT_EQ(Shown(button), c.volume) << button;
        for (int other = 0; other < MainLayoutCount; ++other)
            for (QAction* item : Items(LayoutCommands[other])) {
                EXPECT_EQ(item->isChecked(), other == type);
                ASSERT_NE(item->actionGroup(), nullptr);
                EXPECT_TRUE(item->actionGroup()->isExclusive());
            }
        // Every menu on the bar, none behind the overflow arrow.
        bool help = false;
        for (QAction* menu : bar->actions()) {
            if (!menu->isVisible()) continue;
            const QRect place = bar->actionGeometry(menu);
            EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place))
                << qPrintable(menu->text());
            help = help || reaches(menu->menu());
        }
        EXPECT_TRUE(help);
    }
    // The last layout, with the presets above the volume group and the rows below.
    EXPECT_EQ(Child<QGroupBox>(QStringLiteral("gpVolume"))->geometry(), QRect(0, 120, 120, 47));
    EXPECT_EQ(Button("btMute")->pos(), QPoint(123, 125));
    EXPECT_EQ(Button("OnOff")->pos(), QPoint(255, 146));
    EXPECT_EQ(Child<QWidget>(QStringLiteral("sVolume"))->width(), 75);
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
    EXPECT_EQ(SavedProfile().ReadInteger(QStringLiteral("DisplayMode"), QStringLiteral("DisplayType"), 0), 5);
}

TEST_F(MainDisplayTest, TheStoredLayoutComesBackAndKeysSwitchIt)
{
    WriteConfigured("ShutDown=1\n[DisplayMode]\nDisplayType=4\n");
    TMainWindow& w = Started();
    EXPECT_TRUE(Checked("Display_MinVolBtn"));
    EXPECT_EQ(Button("btMute")->pos(), QPoint(123, 78));
    w.KeyPress(QLatin1Char('1'));
    EXPECT_EQ(Client(), QSize(306 - MainFrameWidth, 117 - MainFrameHeight));
    // Hidden buttons take no focus and no key.
    EXPECT_FALSE(Button("btClr")->isVisible());
    w.KeyPress(QLatin1Char('c'));
    EXPECT_EQ(Client(), QSize(621 - MainFrameWidth, 164 + MainRdsLineHeight - MainFrameHeight));
    EXPECT_TRUE(Button("btClr")->isVisible());
    EXPECT_TRUE(Checked("Display_Complete"));

    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    w.KeyPress(QLatin1Char('T'));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Checked("Display_AlwaysOnTop"));
    EXPECT_TRUE(w.isVisible());
    Items("Display_AlwaysOnTop").front()->trigger();
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(CloseWith(tExitChoice::Yes));
}

TEST_F(MainDisplayTest, ButtonsAndLabelsCarryTheirHints)
{
    WriteConfigured("VolumeLine=1\nShutDown=1\n");
    Started();
    const std::pair<const char*, const char*> hints[] = {
        {"btTunePrev", "Tune previous"},
        {"btTuneNext", "Tune next"},
        {"btJump", "Jump directly to a frequency"},
        {"btScanPrev", "Scan previous"},
        {"btScanNext", "Scan next"},
        {"btStopScan", "Halt scanning"},
        {"sStep", "Adjust step"},
        {"btNextPrev", "Next/Prev row of favorites"},
        {"btMixer", "Go to the sound card mixer"},
        {"btMute", "Mute on/off"},
        {"btAlarm", "Alarm on/off"},
        {"btSleep", "Sleep on/off"},
        {"btProg", "Programming mode on/off (empty)"},
        {"btClr", "Clear a favorite"},
        {"btMem", "Store a favorite"},
        {"btStr", "Force Mono/Stereo"},
        {"StationNum", "Favorite n."},
        {"HHMMSS", "Current time"},
        {"gpPresets", "Internal"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(Child<QWidget>(QLatin1String(name))->toolTip(), QLatin1String(hint)) << name;
}
