#include "RtlSdrSource.h"

#include "TunerGains.h"

#include <QCoreApplication>
#include <rtl-sdr.h>

unsigned RtlSdrDeviceCount()
{
    return rtlsdr_get_device_count();
}

std::string RtlSdrOpenError(int code, unsigned index)
{
    switch (code) {
    case -3: // LIBUSB_ERROR_ACCESS
        return QCoreApplication::translate("TRtlSdrSource",
                                           "No permission to use the RTL-SDR dongle %1. Install "
                                           "the udev rules of the rtl-sdr package "
                                           "(sudo apt install rtl-sdr), add yourself to the "
                                           "plugdev group (sudo adduser $USER plugdev), "
                                           "log in again and plug the dongle in anew.")
            .arg(index)
            .toStdString();
    case -6: // LIBUSB_ERROR_BUSY
        return QCoreApplication::translate("TRtlSdrSource",
                                           "The kernel's DVB-T driver holds the RTL-SDR dongle %1. "
                                           "Unload it (sudo modprobe -r "
                                           "dvb_usb_rtl28xxu) and keep it from coming back: put "
                                           "the line \"blacklist dvb_usb_rtl28xxu\" "
                                           "in /etc/modprobe.d/blacklist-rtl-sdr.conf.")
            .arg(index)
            .toStdString();
    case -4: // LIBUSB_ERROR_NO_DEVICE
        return QCoreApplication::translate("TRtlSdrSource", "The RTL-SDR dongle %1 was unplugged.")
            .arg(index)
            .toStdString();
    default:
        return QCoreApplication::translate(
                   "TRtlSdrSource", "Cannot open the RTL-SDR dongle %1 (librtlsdr error %2).")
            .arg(index)
            .arg(code)
            .toStdString();
    }
}

TRtlSdrSource::~TRtlSdrSource()
{
    Close();
}

bool TRtlSdrSource::Check(int result, const QString& what)
{
    if (result >= 0)
        return true;
    //: %1 is one of the things the dongle is asked for: "to start", "the frequency", "the gain"...
    error_ = QCoreApplication::translate("TRtlSdrSource",
                                         "The RTL-SDR dongle refused %1 (librtlsdr error %2).")
                 .arg(what)
                 .arg(result)
                 .toStdString();
    return false;
}

bool TRtlSdrSource::Open()
{
    Close();
    unsigned count = RtlSdrDeviceCount();
    if (count == 0) {
        error_ = QCoreApplication::translate("TRtlSdrSource", "No RTL-SDR dongle is plugged in.")
                     .toStdString();
        return false;
    }
    if (index_ >= count) {
        error_ = QCoreApplication::translate(
                     "TRtlSdrSource",
                     "There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.", nullptr,
                     int(count))
                     .arg(index_)
                     .toStdString();
        return false;
    }
    int r = rtlsdr_open(&device_, index_);
    if (r < 0 || !device_) {
        device_ = nullptr;
        error_ = RtlSdrOpenError(r, index_);
        return false;
    }
    int n = rtlsdr_get_tuner_gains(device_, nullptr);
    gains_.assign(n > 0 ? std::size_t(n) : 0, 0);
    if (n > 0)
        rtlsdr_get_tuner_gains(device_, gains_.data());
    if (!Check(rtlsdr_reset_buffer(device_),
               QCoreApplication::translate("TRtlSdrSource", "to start"))) {
        Close();
        return false;
    }
    return true;
}

void TRtlSdrSource::Close()
{
    if (device_)
        rtlsdr_close(device_);
    device_ = nullptr;
}

bool TRtlSdrSource::SetCenter(std::uint32_t hz)
{
    return device_ && Check(rtlsdr_set_center_freq(device_, hz),
                            QCoreApplication::translate("TRtlSdrSource", "the frequency"));
}

bool TRtlSdrSource::SetSampleRate(std::uint32_t rate)
{
    return device_ &&
           Check(rtlsdr_set_sample_rate(device_, rate),
                 QCoreApplication::translate("TRtlSdrSource", "the sample rate %1").arg(rate));
}

bool TRtlSdrSource::SetGain(bool automatic, int tenthsDb)
{
    if (!device_)
        return false;
    if (automatic)
        return Check(rtlsdr_set_tuner_gain_mode(device_, 0),
                     QCoreApplication::translate("TRtlSdrSource", "automatic gain"));
    return Check(rtlsdr_set_tuner_gain_mode(device_, 1),
                 QCoreApplication::translate("TRtlSdrSource", "manual gain")) &&
           Check(rtlsdr_set_tuner_gain(device_, SnapGain(gains_, tenthsDb)),
                 QCoreApplication::translate("TRtlSdrSource", "the gain"));
}

bool TRtlSdrSource::SetCorrection(int ppm)
{
    if (!device_)
        return false;
    // librtlsdr refuses to set the correction it already has.
    if (rtlsdr_get_freq_correction(device_) == ppm)
        return true;
    return Check(rtlsdr_set_freq_correction(device_, ppm),
                 QCoreApplication::translate("TRtlSdrSource", "the frequency correction"));
}

long TRtlSdrSource::Read(std::uint8_t* buffer, std::size_t bytes, int)
{
    if (!device_) {
        error_ = QCoreApplication::translate("TRtlSdrSource", "The RTL-SDR dongle is not open.")
                     .toStdString();
        return iqFailed;
    }
    // USB bulk reads come in multiples of 512 bytes.
    bytes &= ~std::size_t(511);
    if (bytes == 0)
        return iqTimedOut;
    int got = 0;
    int r = rtlsdr_read_sync(device_, buffer, int(bytes), &got);
    if (r < 0) {
        error_ = (r == -4 ? QCoreApplication::translate("TRtlSdrSource",
                                                        "The RTL-SDR dongle was unplugged.")
                          : QCoreApplication::translate(
                                "TRtlSdrSource",
                                "The RTL-SDR dongle stopped sending samples (librtlsdr error %1).")
                                .arg(r))
                     .toStdString();
        return iqFailed;
    }
    return long(got & ~1);
}
