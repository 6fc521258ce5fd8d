#include "RtlSdrSource.h"

#include "TunerGains.h"

#include <rtl-sdr.h>

unsigned RtlSdrDeviceCount()
{
    return rtlsdr_get_device_count();
}

std::string RtlSdrOpenError(int code, unsigned index)
{
    std::string which = "the RTL-SDR dongle " + std::to_string(index);
    switch (code) {
    case -3: // LIBUSB_ERROR_ACCESS
        return "No permission to use " + which +
               ". Install the udev rules of the rtl-sdr package (sudo apt install rtl-sdr), add yourself to the "
               "plugdev group (sudo adduser $USER plugdev), log in again and plug the dongle in anew.";
    case -6: // LIBUSB_ERROR_BUSY
        return "The kernel's DVB-T driver holds " + which +
               ". Unload it (sudo modprobe -r dvb_usb_rtl28xxu) and keep it from coming back: put the line "
               "\"blacklist dvb_usb_rtl28xxu\" in /etc/modprobe.d/blacklist-rtl-sdr.conf.";
    case -4: // LIBUSB_ERROR_NO_DEVICE
        return which + " was unplugged.";
    default:
        return "Cannot open " + which + " (librtlsdr error " + std::to_string(code) + ").";
    }
}

TRtlSdrSource::~TRtlSdrSource()
{
    Close();
}

bool TRtlSdrSource::Check(int result, const std::string& what)
{
    if (result >= 0)
        return true;
    error_ = "The RTL-SDR dongle refused " + what + " (librtlsdr error " + std::to_string(result) + ").";
    return false;
}

bool TRtlSdrSource::Open()
{
    Close();
    unsigned count = RtlSdrDeviceCount();
    if (count == 0) {
        error_ = "No RTL-SDR dongle is plugged in.";
        return false;
    }
    if (index_ >= count) {
        error_ = "There is no RTL-SDR dongle " + std::to_string(index_) + ": " + std::to_string(count) +
                 (count == 1 ? " is" : " are") + " plugged in, numbered from 0.";
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
    if (!Check(rtlsdr_reset_buffer(device_), "to start")) {
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
    return device_ && Check(rtlsdr_set_center_freq(device_, hz), "the frequency");
}

bool TRtlSdrSource::SetSampleRate(std::uint32_t rate)
{
    return device_ && Check(rtlsdr_set_sample_rate(device_, rate), "the sample rate " + std::to_string(rate));
}

bool TRtlSdrSource::SetGain(bool automatic, int tenthsDb)
{
    if (!device_)
        return false;
    if (automatic)
        return Check(rtlsdr_set_tuner_gain_mode(device_, 0), "automatic gain");
    return Check(rtlsdr_set_tuner_gain_mode(device_, 1), "manual gain") &&
           Check(rtlsdr_set_tuner_gain(device_, SnapGain(gains_, tenthsDb)), "the gain");
}

bool TRtlSdrSource::SetCorrection(int ppm)
{
    if (!device_)
        return false;
    // librtlsdr refuses to set the correction it already has.
    if (rtlsdr_get_freq_correction(device_) == ppm)
        return true;
    return Check(rtlsdr_set_freq_correction(device_, ppm), "the frequency correction");
}

long TRtlSdrSource::Read(std::uint8_t* buffer, std::size_t bytes, int)
{
    if (!device_) {
        error_ = "The RTL-SDR dongle is not open.";
        return iqFailed;
    }
    // USB bulk reads come in multiples of 512 bytes.
    bytes &= ~std::size_t(511);
    if (bytes == 0)
        return iqTimedOut;
    int got = 0;
    int r = rtlsdr_read_sync(device_, buffer, int(bytes), &got);
    if (r < 0) {
        error_ = r == -4 ? "The RTL-SDR dongle was unplugged." : "The RTL-SDR dongle stopped sending samples (librtlsdr error " + std::to_string(r) + ").";
        return iqFailed;
    }
    return long(got & ~1);
}
