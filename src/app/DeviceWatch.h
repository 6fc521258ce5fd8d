#pragma once
// Device nodes coming and going: the device folder itself (radio devices,
// serial adapters) and the folder of each USB bus under bus/usb, where a
// dongle's node appears (/dev/bus/usb/001/005). udev sets a node's owner and
// rights just after making it, so Changed comes once the folders have been
// still for a moment.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class TDeviceWatch final : public QObject {
    Q_OBJECT
public:
    explicit TDeviceWatch(const QString& root = QStringLiteral("/dev"), int settleMs = 500,
                          QObject* parent = nullptr);

    // The folders watched now.
    QStringList Folders() const { return watcher_.directories(); }

signals:
    void Changed();

private:
    // Adds the USB folders that have appeared since the last look.
    void WatchUsbBuses();

    const QString root_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
