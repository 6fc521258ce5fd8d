#include "DeviceWatch.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One change on the disk, then the watch's word for it (or none within the
// generous wait, which fails the test without hanging it).
bool Noticed(QSignalSpy& spy, const std::function<bool()>& change)
{
    spy.clear();
    if (!change()) return false;
    return spy.wait(5000) || !spy.isEmpty();
}

bool MakeNode(const QString& path)
{
    QFile node(path);
    return node.open(QIODevice::WriteOnly);
}

} // namespace

// A dongle's node appears in its bus's folder under bus/usb, which may itself
// appear only later, one level at a time (no USB controller, then one).
TEST(DeviceWatchTest, NoticesNodesInTheDeviceFolderAndInUsbBusFoldersThatAppearLater)
{
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    const QDir root(dev.path());
    TDeviceWatch watch(dev.path(), 0);
    QSignalSpy changed(&watch, &TDeviceWatch::Changed);
    ASSERT_TRUE(changed.isValid());

    EXPECT_TRUE(Noticed(changed, [&] { return MakeNode(root.filePath(QStringLiteral("radio0"))); }));
    EXPECT_TRUE(Noticed(changed, [&] { return root.mkdir(QStringLiteral("bus")); }));
    EXPECT_TRUE(Noticed(changed, [&] { return root.mkpath(QStringLiteral("bus/usb")); }));
    EXPECT_TRUE(Noticed(changed, [&] { return root.mkpath(QStringLiteral("bus/usb/001")); }));
    EXPECT_TRUE(watch.Folders().contains(root.filePath(QStringLiteral("bus/usb/001"))));
    EXPECT_TRUE(Noticed(changed, [&] { return MakeNode(root.filePath(QStringLiteral("bus/usb/001/005"))); }));
    EXPECT_TRUE(Noticed(changed, [&] { return QFile::remove(root.filePath(QStringLiteral("bus/usb/001/005"))); }));
}

// Buses already there at the start are watched from the start.
TEST(DeviceWatchTest, WatchesTheBusesThereAtTheStart)
{
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    const QDir root(dev.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bus/usb/001")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("bus/usb/002")));
    TDeviceWatch watch(dev.path(), 0);
    QSignalSpy changed(&watch, &TDeviceWatch::Changed);
    EXPECT_TRUE(Noticed(changed, [&] { return MakeNode(root.filePath(QStringLiteral("bus/usb/002/007"))); }));
    EXPECT_TRUE(Noticed(changed, [&] { return MakeNode(root.filePath(QStringLiteral("bus/usb/001/003"))); }));
}
