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

namespace {

class TDesktopTray final : public TTrayHost {
public:
    explicit TDesktopTray(QObject* parent) : TTrayHost(parent), icon_(new QSystemTrayIcon(this))
    {
        connect(icon_, &QSystemTrayIcon::activated, this, &TTrayHost::Activated);
    }
    bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void SetIcon(const QIcon& icon) override { icon_->setIcon(icon); }
    QIcon Icon() const override { return icon_->icon(); }
    void SetTip(const QString& tip) override { icon_->setToolTip(tip); }
    QString Tip() const override { return icon_->toolTip(); }
    void SetMenu(QMenu* menu) override { icon_->setContextMenu(menu); }
    QMenu* Menu() const override { return icon_->contextMenu(); }
    void SetVisible(bool visible) override { icon_->setVisible(visible); }
    bool Visible() const override { return icon_->isVisible(); }

private:
    QSystemTrayIcon* icon_;
};

} // namespace

TTrayIcon::TTrayIcon(QObject* parent, std::unique_ptr<TTrayHost> host)
    : QObject(parent), host_(host ? host.release() : new TDesktopTray(nullptr))
{
    host_->setParent(this);
    clickDelay_.setSingleShot(true);
    clickDelay_.setInterval(QApplication::styleHints()->mouseDoubleClickInterval());
    connect(&clickDelay_, &QTimer::timeout, this, &TTrayIcon::Click);
    connect(host_, &TTrayHost::Activated, this, &TTrayIcon::Activate);
}

TTrayIcon::~TTrayIcon()
{
    // The menu belongs to the window; never let the icon outlive its pointer to it.
    host_->SetMenu(nullptr);
}

bool TTrayIcon::Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TTrayIcon::SetIcon(const QIcon& icon) { host_->SetIcon(icon); }
QIcon TTrayIcon::Icon() const { return host_->Icon(); }
void TTrayIcon::SetTip(const QString& tip) { host_->SetTip(tip); }
QString TTrayIcon::Tip() const { return host_->Tip(); }

void TTrayIcon::AttachMenu(QMenu* menu)
{
    menu_ = menu;
    host_->SetMenu(menu);
}

void TTrayIcon::DetachMenu() { host_->SetMenu(nullptr); }

void TTrayIcon::ReattachMenu() { host_->SetMenu(menu_); }

bool TTrayIcon::MenuAttached() const { return menu_ && host_->Menu() == menu_; }

void TTrayIcon::Show() { host_->SetVisible(true); }
void TTrayIcon::Hide() { host_->SetVisible(false); }
bool TTrayIcon::Visible() const { return host_->Visible(); }

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
