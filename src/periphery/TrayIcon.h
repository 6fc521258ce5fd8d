#pragma once
// The notification-area icon: a picture, a tip text, a popup menu on the
// right button, and single and double left clicks reported apart.
//
// Some desktops have no notification area (and none exists offscreen). The
// window must never end up hidden with no icon to bring it back, so
// HideToTray() then minimises it to the taskbar instead.

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

class QWidget;

// Hides `window` when a notification area can bring it back, otherwise
// minimises it to the taskbar. Returns true when the window was hidden.
bool HideWindow(QWidget* window, bool trayUsable);
// Shows `window` again, normal or maximised as it was, and brings it to the front.
void RestoreWindow(QWidget* window);

// What the icon needs from the desktop's notification area. The desktop's
// own is QSystemTrayIcon; tests give one they can click and look into.
class TTrayHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool Available() const = 0;
    virtual void SetIcon(const QIcon& icon) = 0;
    virtual QIcon Icon() const = 0;
    virtual void SetTip(const QString& tip) = 0;
    virtual QString Tip() const = 0;
    virtual void SetMenu(QMenu* menu) = 0;
    virtual QMenu* Menu() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
signals:
    void Activated(QSystemTrayIcon::ActivationReason reason);
};

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // With no host, the desktop's notification area.
    explicit TTrayIcon(QObject* parent = nullptr, std::unique_ptr<TTrayHost> host = nullptr);
    ~TTrayIcon() override;

    // Whether the desktop offers a notification area right now.
    static bool Available();

    void SetIcon(const QIcon& icon);
    QIcon Icon() const;
    void SetTip(const QString& tip);
    QString Tip() const;

    // The menu stays owned by the caller; detaching keeps it from opening
    // while a dialog is up.
    void AttachMenu(QMenu* menu);
    void DetachMenu();
    void ReattachMenu(); // the menu last given to AttachMenu, if it still exists
    QMenu* Menu() const { return menu_; }
    bool MenuAttached() const;

    void Show();
    void Hide();
    bool Visible() const;

    // Whether hiding to the tray leaves a way back: a notification area
    // exists and the icon is shown in it.
    bool Usable() const { return host_->Available() && Visible(); }
    bool HideToTray(QWidget* window) { return HideWindow(window, Usable()); }
    void RestoreFromTray(QWidget* window) { RestoreWindow(window); }

    // How the icon reports its activations; public so tests can act as the desktop.
    void Activate(QSystemTrayIcon::ActivationReason reason);

signals:
    // A single left click. Sent once the double-click time has passed without
    // a second click, so a double click is never also taken as a click.
    void Click();
    void DoubleClick();

private:
    TTrayHost* host_; // child of this object
    QPointer<QMenu> menu_;
    QTimer clickDelay_;
};
