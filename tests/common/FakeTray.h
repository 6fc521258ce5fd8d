#pragma once
// A notification area the test owns: it records what the icon shows and
// which menu it would open, and clicks like the desktop does.

#include "TrayIcon.h"

#include <QPointer>

class TFakeTray final : public TTrayHost {
public:
    bool Available() const override { return available; }
    void SetIcon(const QIcon& value) override { icon = value; }
    QIcon Icon() const override { return icon; }
    void SetTip(const QString& value) override { tip = value; }
    QString Tip() const override { return tip; }
    void SetMenu(QMenu* value) override { menu = value; }
    QMenu* Menu() const override { return menu; }
    void SetVisible(bool value) override { visible = value; }
    bool Visible() const override { return visible; }

    bool available = true;
    QIcon icon;
    QString tip;
    QPointer<QMenu> menu;
    bool visible = false;
};
