#include "DeviceWatch.h"

#include <QDir>

TDeviceWatch::TDeviceWatch(const QString& root, int settleMs, QObject* parent)
    : QObject(parent), root_(root)
{
    settle_.setSingleShot(true);
    settle_.setInterval(settleMs);
    connect(&settle_, &QTimer::timeout, this, &TDeviceWatch::Changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        WatchUsbBuses();
        settle_.start();
    });
    watcher_.addPath(root_);
    WatchUsbBuses();
}

void TDeviceWatch::WatchUsbBuses()
{
    // Each level may appear later (a first USB controller, a new bus); the
    // folder above it is watched until it does. A folder that goes away
    // leaves the watch by itself.
    QStringList wanted;
    const QDir bus(root_ + QStringLiteral("/bus"));
    if (bus.exists()) wanted << bus.path();
    const QDir usb(bus.filePath(QStringLiteral("usb")));
    if (usb.exists()) {
        wanted << usb.path();
        for (const QString& name : usb.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) wanted << usb.filePath(name);
    }
    const QStringList watched = watcher_.directories();
    for (const QString& folder : std::as_const(wanted))
        if (!watched.contains(folder)) watcher_.addPath(folder);
}
