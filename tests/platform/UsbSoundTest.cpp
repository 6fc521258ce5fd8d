#include "UsbSound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A sysfs tree with what the matcher reads: USB devices (with idVendor) and
// their interfaces, a PCI sound card, radio devices and sound cards linked to
// their devices as the kernel links them.
class UsbSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const QString usb = QStringLiteral("devices/pci0000:00/0000:00:14.0/usb1");
        Device(usb, true);
        Device(usb + QStringLiteral("/1-1"), true);     // tuner with its own sound
        Device(usb + QStringLiteral("/1-1/1-1:1.0"));   // audio interface
        Device(usb + QStringLiteral("/1-1/1-1:1.2"));   // radio interface
        Device(usb + QStringLiteral("/1-2"), true);     // a headset
        Device(usb + QStringLiteral("/1-2/1-2:1.0"));
        Device(usb + QStringLiteral("/1-3"), true);     // tuner without sound
        Device(usb + QStringLiteral("/1-3/1-3:1.0"));
        Device(usb + QStringLiteral("/1-4"), true);     // tuner whose sound card only plays
        Device(usb + QStringLiteral("/1-4/1-4:1.0"));
        Device(QStringLiteral("devices/pci0000:00/0000:00:1f.3"));  // the sound card
        Device(QStringLiteral("devices/pci0000:00/0000:00:05.0"));  // tuner card on a cable

        Link(QStringLiteral("class/video4linux/radio0"), usb + QStringLiteral("/1-1/1-1:1.2"));
        Link(QStringLiteral("class/video4linux/radio1"), QStringLiteral("devices/pci0000:00/0000:00:05.0"));
        Link(QStringLiteral("class/video4linux/radio2"), usb + QStringLiteral("/1-3/1-3:1.0"));
        Link(QStringLiteral("class/video4linux/radio3"), usb + QStringLiteral("/1-4/1-4:1.0"));
        Card(0, QStringLiteral("devices/pci0000:00/0000:00:1f.3"), {"pcmC0D0c", "pcmC0D0p"});
        Card(1, usb + QStringLiteral("/1-2/1-2:1.0"), {"pcmC1D0c", "pcmC1D0p"});
        Card(2, usb + QStringLiteral("/1-1/1-1:1.0"), {"pcmC2D0p", "pcmC2D1c", "pcmC2D3c"});
        Card(3, usb + QStringLiteral("/1-4/1-4:1.0"), {"pcmC3D0p"});
    }

    void Device(const QString& path, bool usbDevice = false)
    {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(path));
        if (usbDevice) {
            QFile id(dir_.filePath(path + QStringLiteral("/idVendor")));
            ASSERT_TRUE(id.open(QIODevice::WriteOnly));
        }
    }
    // `entry`/device -> `target`, as the kernel links a class entry to its device.
    void Link(const QString& entry, const QString& target)
    {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(entry));
        ASSERT_TRUE(QFile::link(dir_.filePath(target), dir_.filePath(entry + QStringLiteral("/device"))));
    }
    void Card(int n, const QString& device, std::initializer_list<const char*> pcms)
    {
        const QString entry = QStringLiteral("class/sound/card%1").arg(n);
        Link(entry, device);
        for (const char* pcm : pcms) Device(entry + QLatin1Char('/') + QLatin1String(pcm));
    }

    QTemporaryDir dir_;
};

TEST_F(UsbSound, FindsTheCaptureDeviceOnTheTunersUsbDevice)
{
    const struct {
        const char* radio;
        const char* capture;
    } cases[] = {
        {"/dev/radio0", "plughw:2,1"}, // its card's lowest capture device, not the headset's card
        {"/dev/radio1", ""},           // PCI card: sound by cable
        {"/dev/radio2", ""},           // USB device without a sound card
        {"/dev/radio3", ""},           // sound card without capture
        {"/dev/radio9", ""},           // not in sysfs
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsbCaptureDevice(QLatin1String(c.radio), dir_.path()), QLatin1String(c.capture)) << c.radio;
}

TEST_F(UsbSound, LowestNumberedCardWinsOnOneUsbDevice)
{
    Card(5, QStringLiteral("devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0"), {"pcmC5D0c"});
    Card(11, QStringLiteral("devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0"), {"pcmC11D0c"});
    EXPECT_EQ(UsbCaptureDevice(QStringLiteral("/dev/radio0"), dir_.path()), QStringLiteral("plughw:2,1"));
}

} // namespace
