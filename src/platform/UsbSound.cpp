#include "UsbSound.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

// The USB device a sysfs device lies on: the nearest directory at or above
// it that holds "idVendor" (interfaces such as 1-1.2:1.0 lie below it; PCI
// devices have none). Empty when there is none.
QString UsbDeviceOf(const QString& deviceLink)
{
    QString dir = QFileInfo(deviceLink).canonicalFilePath();
    while (!dir.isEmpty()) {
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor"))) return dir;
        const QString parent = QFileInfo(dir).path();
        if (parent == dir) break;
        dir = parent;
    }
    return {};
}

// The lowest capture device of sound card `card` (its pcmC<card>D<n>c entries).
std::optional<int> FirstCaptureDevice(const QString& cardDir, int card)
{
    const QRegularExpression pattern(QStringLiteral("^pcmC%1D(\\d+)c$").arg(card));
    std::optional<int> first;
    for (const QString& entry : QDir(cardDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto match = pattern.match(entry);
        if (!match.hasMatch()) continue;
        const int device = match.captured(1).toInt();
        first = first ? std::min(*first, device) : device;
    }
    return first;
}

} // namespace

QString UsbCaptureDevice(const QString& radioDevice, const QString& sysfs)
{
    // A link to the device file (/dev/radio -> radio0) names the device it points at.
    const QFileInfo node(radioDevice);
    const QString canonical = node.canonicalFilePath();
    const QString name = canonical.isEmpty() ? node.fileName() : QFileInfo(canonical).fileName();
    if (name.isEmpty()) return {};
    const QString usb = UsbDeviceOf(sysfs + QStringLiteral("/class/video4linux/") + name + QStringLiteral("/device"));
    if (usb.isEmpty()) return {};

    const QRegularExpression cardName(QStringLiteral("^card(\\d+)$"));
    std::optional<int> best;
    QString found;
    const QString soundDir = sysfs + QStringLiteral("/class/sound");
    for (const QString& entry : QDir(soundDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto match = cardName.match(entry);
        if (!match.hasMatch()) continue;
        const int card = match.captured(1).toInt();
        if (best && *best < card) continue;
        const QString cardDir = soundDir + QLatin1Char('/') + entry;
        if (UsbDeviceOf(cardDir + QStringLiteral("/device")) != usb) continue;
        const auto device = FirstCaptureDevice(cardDir, card);
        if (!device) continue;
        best = card;
        found = QStringLiteral("plughw:%1,%2").arg(card).arg(*device);
    }
    return found;
}
