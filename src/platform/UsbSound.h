#pragma once
// Tuners that deliver their sound as a USB sound device: the sound card on
// the same USB device as the radio device, found through sysfs.

#include <QString>

// The ALSA capture device ("plughw:CARD,DEVICE") of the sound card that sits
// on the same USB device as `radioDevice` (/dev/radioN), its lowest-numbered
// capture device; empty when the tuner is not on USB or its USB device has no
// sound card with a capture device (its sound goes by a cable to the sound
// card). `sysfs` is where sysfs is mounted.
QString UsbCaptureDevice(const QString& radioDevice, const QString& sysfs = QStringLiteral("/sys"));
