#pragma once
// While the main window is hidden under the dialog rules, a dialog or box
// whose owner is the window (or nobody) would open wherever the system puts
// an ownerless window (the screen's top-left corner, or its centre when the
// dialog centres itself). The placer moves each such dialog, just before it
// shows, so that it is centred where the main window was, on its screen.

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class TDialogPlacer final : public QObject
{
public:
    // Watches every window of the application; `hidden` tells whether the
    // main window is hidden now.
    TDialogPlacer(QWidget* mainWindow, std::function<bool()> hidden);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    std::function<bool()> hidden_;
};
