#include "TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QStyleHints>
#include <QWidget>

bool HideWindow(QWidget* window, bool trayUsable)
{
    if (!window) return false;
    if (trayUsable) {
        window->hide();
        return true;
    }
    window->showMinimized();
    return false;
}

void RestoreWindow(QWidget* window)
{
    if (!window) return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

TTrayIcon::TTrayIcon(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this))
{
    clickDelay_.setSingleShot(true);
    clickDelay_.setInterval(QApplication::styleHints()->mouseDoubleClickInterval());
    connect(&clickDelay_, &QTimer::timeout, this, &TTrayIcon::Click);
    connect(icon_, &QSystemTrayIcon::activated, this, &TTrayIcon::Activate);
}

TTrayIcon::~TTrayIcon()
{
    // The menu belongs to the window; never let the icon outlive its pointer to it.
    icon_->setContextMenu(nullptr);
}

bool TTrayIcon::Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TTrayIcon::SetIcon(const QIcon& icon) { icon_->setIcon(icon); }
QIcon TTrayIcon::Icon() const { return icon_->icon(); }
void TTrayIcon::SetTip(const QString& tip) { icon_->setToolTip(tip); }
QString TTrayIcon::Tip() const { return icon_->toolTip(); }

void TTrayIcon::AttachMenu(QMenu* menu)
{
    menu_ = menu;
    icon_->setContextMenu(menu);
}

void TTrayIcon::DetachMenu() { icon_->setContextMenu(nullptr); }

void TTrayIcon::ReattachMenu() { icon_->setContextMenu(menu_); }

bool TTrayIcon::MenuAttached() const { return menu_ && icon_->contextMenu() == menu_; }

void TTrayIcon::Show() { icon_->show(); }
void TTrayIcon::Hide() { icon_->hide(); }
bool TTrayIcon::Visible() const { return icon_->isVisible(); }

void TTrayIcon::Activate(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // The desktop reports the first click of a double click as a click too;
        // wait to see whether a second one follows.
        clickDelay_.start();
        break;
    case QSystemTrayIcon::DoubleClick:
        clickDelay_.stop();
        emit DoubleClick();
        break;
    default: // the menu opens by itself; the middle button does nothing
        break;
    }
}
