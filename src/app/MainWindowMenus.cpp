// The main menu, the tray icon with its menu, the preset button popup, and
// hiding to and showing from the tray.
//
// A command offered in several places has one object name for all of its
// items (main menu and tray menu), so enabling and checking reach them all.

#include "MainWindow.h"

#include "Glyphs.h"
#include "MainLayout.h"
#include "Prompts.h"
#include "TrayIcon.h"
#include "WindowActivation.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

QAction* TMainWindow::AddItem(QMenu* menu, const QString& caption, const char* name, void (TMainWindow::*handler)())
{
    QAction* item = menu->addAction(caption);
    NameItem(item, name);
    connect(item, &QAction::triggered, this, [this, handler] {
        // A checkable item has moved its own mark before the command runs;
        // a command that returns early must not leave it there.
        const QPointer<TMainWindow> self(this);
        (this->*handler)();
        if (self) ShowCommandState();
    });
    return item;
}

void TMainWindow::NameItem(QAction* item, const char* name)
{
    item->setObjectName(QLatin1String(name));
    // Kept by name, as the marks are set many times over (a search through
    // every object of the window each time was a good part of the start);
    // the menus and their items live as long as the window.
    items_[QByteArray(name)].append(item);
}

QList<QAction*> TMainWindow::Items(const char* name) const { return items_.value(QByteArray(name)); }

void TMainWindow::SetItemsEnabled(const char* name, bool enabled)
{
    for (QAction* item : Items(name)) item->setEnabled(enabled);
}

void TMainWindow::SetItemsChecked(const char* name, bool checked)
{
    for (QAction* item : Items(name)) {
        item->setCheckable(true);
        item->setChecked(checked);
    }
}

void TMainWindow::ShowCommandState()
{
    // The one place that puts check marks on the items of the main menu and
    // the tray menu: each mark says what the window's own state is.
    if (!RadioPresets) return; // the menus are not built yet
    SetItemsChecked("Volume_Mute", Silent());
    SetItemsChecked("Actions_Alarm", alarmOn_);
    SetItemsChecked("Actions_Sleep", sleepOn_);
    SetItemsChecked("Actions_Prog", runner_.ProgOn());
    SetItemsChecked("Actions_Stereo", StereoShown());
    SetItemsChecked("Actions_Record", recorder_ != nullptr);
    const QString noRecording = recorder_ ? QString() : card_->NoRecordingReason();
    SetItemsEnabled("Actions_Record", noRecording.isEmpty());
    for (QAction* item : Items("Actions_Record")) item->setToolTip(noRecording);
    SetItemsChecked("Display_AlwaysOnTop", settings_.AlwaysOnTop);
    for (int type = 0; type < MainLayoutCount; ++type)
        SetItemsChecked(MainLayoutOf(type)->Command, type == settings_.DisplayType);
    UncheckPresetItems();
    if (currentPreset_ != 0) CheckPresetItems(currentPreset_);
    // A command that cannot act is disabled; its key says why (SayWhy).
    const bool stereo = card_->Caps().CanSetStereo && card_->Active();
    SetItemsEnabled("Actions_Jump", card_->Active());
    SetItemsEnabled("Actions_Stereo", stereo);
    btStr->setEnabled(stereo);
    SetItemsEnabled("Stations_EditPresets", settings_.Presets.UsedCount() > 0);
    SetItemsEnabled("Stations_Rename", currentPreset_ != 0);
    PlayerChanged();
}

void TMainWindow::LeaveMenuBar()
{
    // Moving from one menu to the next leaves the next one open.
    if (QApplication::activePopupWidget()) return;
    // Escape on the bar itself ends its wait for a menu's letter and gives
    // the focus back to where it was; on a bar not waiting it changes nothing.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(menuBar(), &escape);
}

void TMainWindow::SayWhy(const QString& why)
{
    // Shown over the read-out for a moment, so a repeated key is not stopped by a box.
    env_.Prompts->Beep();
    QToolTip::showText(Panel->mapToGlobal(QPoint(Panel->width() / 4, Panel->height() / 2)), why,
                       Panel);
}

void TMainWindow::BuildMenus()
{
    // The tuning and scanning items; the tray menu has Alarm before Sleep.
    auto addActions = [this](QMenu* menu, bool tray) {
        AddItem(menu, tr("Jump to"), "Actions_Jump", &TMainWindow::Actions_Jump);
        AddItem(menu, tr("Tune left"), "Actions_TunePrev", &TMainWindow::Actions_TunePrev);
        AddItem(menu, tr("Tune right"), "Actions_TuneNext", &TMainWindow::Actions_TuneNext);
        menu->addSeparator();
        // "Step +" makes the step larger.
        AddItem(menu, tr("Step +"), "Actions_StepDec", &TMainWindow::Actions_StepDec);
        AddItem(menu, tr("Step -"), "Actions_StepInc", &TMainWindow::Actions_StepInc);
        menu->addSeparator();
        AddItem(menu, tr("Scan left"), "Actions_ScanPrev", &TMainWindow::Actions_ScanPrev);
        AddItem(menu, tr("Scan right"), "Actions_ScanNext", &TMainWindow::Actions_ScanNext);
        AddItem(menu, tr("Scan stop"), "Actions_StopScan", &TMainWindow::Actions_StopScan)->setEnabled(false);
        menu->addSeparator();
        auto sleep = [&] { AddItem(menu, tr("Sleep"), "Actions_Sleep", &TMainWindow::Actions_Sleep)->setCheckable(true); };
        auto alarm = [&] { AddItem(menu, tr("Alarm"), "Actions_Alarm", &TMainWindow::Actions_Alarm)->setCheckable(true); };
        if (tray) {
            alarm();
            sleep();
        } else {
            sleep();
            alarm();
        }
        AddItem(menu, tr("Scripting"), "Actions_Prog", &TMainWindow::Actions_Prog)->setCheckable(true);
        AddItem(menu, tr("Stereo"), "Actions_Stereo", &TMainWindow::Actions_Stereo)->setCheckable(true);
        QAction* record = AddItem(menu, tr("Record"), "Actions_Record", &TMainWindow::Actions_Record);
        record->setCheckable(true);
        if (!tray) {
            record->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
            record->setShortcutContext(Qt::WindowShortcut);
            addAction(record);
        }
    };
    auto addStations = [this](QMenu* menu) {
        AddItem(menu, tr("Organize"), "Stations_Organize", &TMainWindow::Stations_Organize);
        AddItem(menu, tr("Edit presets"), "Stations_EditPresets", &TMainWindow::Stations_EditPresets);
        AddItem(menu, tr("Clear"), "Stations_Clear", &TMainWindow::Stations_Clear);
        AddItem(menu, tr("Clear all"), "Stations_ClearAll", &TMainWindow::Stations_ClearAll);
        AddItem(menu, tr("Memory"), "Stations_Memory", &TMainWindow::Stations_Memory);
        AddItem(menu, tr("Rename"), "Stations_Rename", &TMainWindow::Stations_Rename);
    };
    auto addDisplay = [this](QMenu* menu) {
        AddItem(menu, tr("Always on top"), "Display_AlwaysOnTop", &TMainWindow::Display_AlwaysOnTop)
            ->setCheckable(true);
        menu->addSeparator();
        static constexpr void (TMainWindow::*layouts[])() = {&TMainWindow::Display_Complete,  &TMainWindow::Display_Minimal,
                                                       &TMainWindow::Display_MinTuner,  &TMainWindow::Display_MinPresets,
                                                       &TMainWindow::Display_MinVolBtn, &TMainWindow::Display_MinVolBtnPre};
        // One layout at a time: the six items are one exclusive group.
        auto* group = new QActionGroup(menu);
        for (int type = 0; type < MainLayoutCount; ++type) {
            const tMainLayout& layout = *MainLayoutOf(type);
            QAction* item =
                AddItem(menu, tr(layout.Caption), layout.Command, layouts[type]);
            item->setCheckable(true);
            group->addAction(item);
        }
    };

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("RadioMenu"));
    QMenu* file = bar->addMenu(tr("&File"));
    AddItem(file, tr("Load script"), "File_LoadScript", &TMainWindow::File_LoadScript);
    AddItem(file, tr("Load presets"), "File_LoadPresets", &TMainWindow::File_LoadPresets);
    file->addSeparator();
    QAction* exit = AddItem(file, tr("Exit"), "File_Exit", &TMainWindow::File_Exit);
    QMenu* actions = bar->addMenu(tr("&Actions"));
    addActions(actions, false);
    auto* actionsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), this);
    connect(actionsKey, &QShortcut::activated, bar, [bar, actions] { bar->setActiveAction(actions->menuAction()); });
    AddVolumeItems(bar->addMenu(tr("&Volume")));
    QMenu* options = bar->addMenu(tr("&Options"));
    AddItem(options, tr("&Settings"), "Options_Settings", &TMainWindow::Options_Settings);
    addDisplay(options->addMenu(tr("D&isplay")));
    QMenu* stations = bar->addMenu(tr("&Stations"));
    addStations(stations);
    stations->addSeparator();
    RadioPresets = stations->addMenu(tr("Presets"));
    RadioPresets->setObjectName(QStringLiteral("RadioPresets"));
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* topics =
        AddItem(help, tr("Help topics"), "Help_Topics", &TMainWindow::Help_Topics);
    AddItem(help, tr("About"), "Help_About", &TMainWindow::Help_About);
    // The desktop's keys beside the single-key commands, shown in the menus;
    // held by the window too, so they work in the layouts without a menu bar.
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (QAction* item : {topics, exit}) {
        item->setShortcutContext(Qt::WindowShortcut);
        addAction(item);
    }
    // The narrow layouts have no room for six menus: there the same items
    // stand under "Options" (ApplyLayout shows one of the two).
    QMenu* optionsHelp = options->addMenu(tr("&Help"));
    optionsHelp->setObjectName(QStringLiteral("OptionsHelp"));
    optionsHelp->addActions(help->actions());
    optionsHelp->menuAction()->setVisible(false);
    // A menu closed with Escape leaves the bar waiting for a menu's letter,
    // and "o" would open Options instead of the archive dialog. Once no menu of
    // the bar is open any more, the keys belong to the window again.
    for (QAction* title : bar->actions())
        if (QMenu* menu = title->menu())
            connect(menu, &QMenu::aboutToHide, this,
                    [this] { QTimer::singleShot(0, this, &TMainWindow::LeaveMenuBar); });

    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    addActions(TrayMenu->addMenu(tr("Actions")), true);
    AddVolumeItems(TrayMenu->addMenu(tr("Volume")));
    TrayMenu->addSeparator();
    AddItem(TrayMenu, tr("Setup"), "Options_Settings", &TMainWindow::Options_Settings);
    addDisplay(TrayMenu->addMenu(tr("Display")));
    TrayMenu->addSeparator();
    addStations(TrayMenu);
    TrayPresets = TrayMenu->addMenu(tr("Presets"));
    TrayPresets->setObjectName(QStringLiteral("TrayPresets"));
    TrayMenu->addSeparator();
    QMenu* trayHelp = TrayMenu->addMenu(tr("Help"));
    AddItem(trayHelp, tr("Help topics"), "Help_Topics", &TMainWindow::Help_Topics);
    AddItem(trayHelp, tr("About"), "Help_About", &TMainWindow::Help_About);
    TrayMenu->addSeparator();
    AddItem(TrayMenu, tr("Show"), "Do_Show", &TMainWindow::Do_Show)->setEnabled(false);
    AddItem(TrayMenu, tr("Hide"), "Do_Hide", &TMainWindow::Do_Hide);
    TrayMenu->addSeparator();
    AddItem(TrayMenu, tr("Exit"), "File_Exit", &TMainWindow::File_Exit);

    btMenu = new QMenu(this);
    btMenu->setObjectName(QStringLiteral("btMenu"));
    auto popupItem = [this](const QString& caption, const char* name, auto action) {
        QAction* item = btMenu->addAction(caption);
        NameItem(item, name);
        connect(item, &QAction::triggered, this, [this, action] {
            if (busy_) return;
            (this->*action)(PresetOfButton(btMenuButton_));
        });
    };
    popupItem(tr("Memory"), "Popup_Memory", &TMainWindow::StorePreset);
    popupItem(tr("Clear"), "Popup_Clear", &TMainWindow::ClearPreset);
    QAction* clearAll = btMenu->addAction(tr("Clear all"));
    NameItem(clearAll, "Popup_ClearAll");
    connect(clearAll, &QAction::triggered, this, &TMainWindow::Stations_ClearAll);
    popupItem(tr("Rename"), "Popup_Rename", &TMainWindow::RenamePreset);
}

void TMainWindow::BuildTray()
{
    if (!env_.UseTray || trayIcon_) return;
    // Made after the start, so it takes the state the window is in: the
    // sound's icon, the tip, no menu while a dialog is up.
    trayIcon_ = new TTrayIcon(this, env_.TrayHost ? env_.TrayHost() : nullptr);
    trayIcon_->SetIcon(glyphs_->MuteIcon(!Silent()));
    SetTrayTip(trayTip_.isEmpty() ? QStringLiteral("Vantoro") : trayTip_);
    trayIcon_->AttachMenu(TrayMenu);
    if (dialogOpen_) trayIcon_->DetachMenu();
    connect(trayIcon_, &TTrayIcon::Click, this, &TMainWindow::TrayIconClick);
    connect(trayIcon_, &TTrayIcon::DoubleClick, this, &TMainWindow::TrayIconDblClick);
    trayIcon_->Show();
}

void TMainWindow::SetTrayTip(const QString& text)
{
    trayTip_ = text;
    if (!trayIcon_) return;
    if (recorder_)
        trayIcon_->SetTip(tr("Recording %1\n%2").arg(recordElapsed_, text));
    else
        trayIcon_->SetTip(text);
}

void TMainWindow::SetTrayMenuAttached(bool attached)
{
    if (!trayIcon_) return;
    if (attached)
        trayIcon_->ReattachMenu();
    else
        trayIcon_->DetachMenu();
}

void TMainWindow::MinimizeApp()
{
    minimized_ = true;
    SetItemsEnabled("Do_Hide", false);
    SetItemsEnabled("Do_Show", true);
    // With no notification area the window goes to the taskbar instead, so it
    // can always be reached again.
    HideWindow(this, trayIcon_ && trayIcon_->Usable());
}

void TMainWindow::RestoreApp()
{
    minimized_ = false;
    SetItemsEnabled("Do_Hide", true);
    SetItemsEnabled("Do_Show", false);
    RestoreWindow(this);
}

void TMainWindow::BringToFront(const QByteArray& token)
{
    if (minimized_)
        RestoreApp();
    else
        RestoreWindow(this);
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog && dialog != this) RestoreWindow(dialog);
    // The launcher's token of a second start lets the window take the focus
    // where the window manager keeps it from programs not just started.
    if (!token.isEmpty()) ActivateWithToken(dialog && dialog != this ? dialog : this, token);
}

void TMainWindow::Do_Hide() { MinimizeApp(); }

void TMainWindow::Do_Show() { RestoreApp(); }

void TMainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !started_) return;
    // The title bar's minimise button hides to the tray like "Hide" does. With
    // no notification area the window waits on the taskbar instead, and being
    // brought back from there is a "Show": otherwise "Show" and "Hide" and the
    // next dialog would take the visible window for a hidden one.
    if (isMinimized() && !minimized_)
        MinimizeApp();
    else if (!isMinimized() && minimized_ && isVisible())
        RestoreApp();
}

void TMainWindow::TrayIconClick()
{
    if (dialogOpen_) return;
    Volume_Mute();
}

void TMainWindow::TrayIconDblClick()
{
    if (dialogOpen_) return;
    if (minimized_)
        Do_Show();
    else
        Do_Hide();
}
