#include "V4l2Radio.h"

#include "RadioCards.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <linux/videodev2.h>

namespace {
// Units per MHz: 62.5 Hz or 62.5 kHz.
double UnitsPerMHz(bool low) { return low ? 16000.0 : 16.0; }

tV4l2Range Range(std::uint32_t low, std::uint32_t high, bool lowUnits)
{
    return {low / UnitsPerMHz(lowUnits), high / UnitsPerMHz(lowUnits)};
}

QString Text(const std::uint8_t* chars, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(chars),
                             qsizetype(strnlen(reinterpret_cast<const char*>(chars), size)));
}
} // namespace

bool IsDeviceGone(int result) { return result == -ENODEV || result == -EIO; }

tSignal MapV4l2Signal(int signal, std::uint32_t rxsubchans, std::uint32_t capability)
{
    if (signal < V4l2SignalThreshold) return sgNone;
    if (!(capability & V4L2_TUNER_CAP_STEREO)) return sgTuned;
    return rxsubchans & V4L2_TUNER_SUB_STEREO ? sgStereo : sgMono;
}

std::uint32_t TV4l2Radio::ToUnits(double mhz) const
{
    return static_cast<std::uint32_t>(std::lround(mhz * UnitsPerMHz(info_.lowUnits)));
}

double TV4l2Radio::FromUnits(std::uint32_t units) const { return units / UnitsPerMHz(info_.lowUnits); }

int TV4l2Radio::Probe()
{
    info_ = {};
    v4l2_capability cap{};
    if (const int r = device_->Ioctl(VIDIOC_QUERYCAP, &cap)) return r;
    const std::uint32_t caps = cap.capabilities & V4L2_CAP_DEVICE_CAPS ? cap.device_caps : cap.capabilities;
    if (!(caps & V4L2_CAP_TUNER)) return -ENOTTY;
    info_.cardName = Text(cap.card, sizeof cap.card);

    v4l2_tuner tuner{};
    if (const int r = device_->Ioctl(VIDIOC_G_TUNER, &tuner)) return r;
    if (tuner.type != V4L2_TUNER_RADIO) return -ENOTTY;
    info_.lowUnits = tuner.capability & V4L2_TUNER_CAP_LOW;
    info_.stereo = tuner.capability & V4L2_TUNER_CAP_STEREO;
    info_.rds = (caps & V4L2_CAP_RDS_CAPTURE) && (tuner.capability & V4L2_TUNER_CAP_RDS_BLOCK_IO);
    info_.seek = caps & V4L2_CAP_HW_FREQ_SEEK;
    info_.seekLimits = tuner.capability & V4L2_TUNER_CAP_HWSEEK_PROG_LIM;
    if (const int r = ProbeBands(tuner.capability, Range(tuner.rangelow, tuner.rangehigh, info_.lowUnits)))
        return r;
    // The program's usual grid where the units allow it, else one unit.
    info_.fmStep = info_.lowUnits ? 0.05 : 1.0 / UnitsPerMHz(false);
    info_.amStep = 0.009;
    if (!info_.lowUnits) info_.am = {}; // 62.5 kHz cannot tune the AM band
    if (const int r = ProbeControl(V4L2_CID_AUDIO_MUTE, &info_.mute)) return r;
    return ProbeControl(V4L2_CID_AUDIO_VOLUME, &info_.volume);
}

int TV4l2Radio::ProbeBands(std::uint32_t tunerCaps, tV4l2Range tunerRange)
{
    if (!(tunerCaps & V4L2_TUNER_CAP_FREQ_BANDS)) {
        // One range for everything: FM from 87 MHz where the tuner reaches
        // that far; what lies below is the Japanese range.
        if (tunerRange.high < 30) {
            info_.am = tunerRange;
            return 0;
        }
        info_.fm = tunerRange;
        if (tunerRange.low < FMLow && tunerRange.high > FMLow) {
            info_.fm.low = FMLow;
            info_.japaneseFM = {tunerRange.low, std::min(tunerRange.high, JapaneseFMHigh)};
        }
        return 0;
    }
    for (std::uint32_t i = 0;; ++i) {
        v4l2_frequency_band band{};
        band.tuner = 0;
        band.type = V4L2_TUNER_RADIO;
        band.index = i;
        const int r = device_->Ioctl(VIDIOC_ENUM_FREQ_BANDS, &band);
        if (r == -EINVAL) break;
        if (r) return r;
        const tV4l2Range range = Range(band.rangelow, band.rangehigh, band.capability & V4L2_TUNER_CAP_LOW);
        if (band.modulation & V4L2_BAND_MODULATION_AM) {
            if (!info_.am.Valid()) info_.am = range;
        } else if (band.modulation & V4L2_BAND_MODULATION_FM) {
            // The usual band starts highest among those reaching 100 MHz; the
            // Japanese one starts lowest below 87 MHz.
            if (range.high >= 100 && (!info_.fm.Valid() || range.low > info_.fm.low)) info_.fm = range;
            if (range.low < FMLow && (!info_.japaneseFM.Valid() || range.low < info_.japaneseFM.low))
                info_.japaneseFM = range;
        }
    }
    return 0;
}

int TV4l2Radio::ProbeControl(std::uint32_t id, tV4l2Control* control)
{
    v4l2_queryctrl query{};
    query.id = id;
    const int r = device_->Ioctl(VIDIOC_QUERYCTRL, &query);
    if (r == -EINVAL) return 0; // the device has no such control
    if (r) return r;
    control->present = !(query.flags & V4L2_CTRL_FLAG_DISABLED) && query.maximum > query.minimum;
    control->minimum = query.minimum;
    control->maximum = query.maximum;
    return 0;
}

int TV4l2Radio::SetFrequency(double mhz)
{
    v4l2_frequency f{};
    f.tuner = 0;
    f.type = V4L2_TUNER_RADIO;
    f.frequency = ToUnits(mhz);
    return device_->Ioctl(VIDIOC_S_FREQUENCY, &f);
}

int TV4l2Radio::Frequency(double* mhz)
{
    v4l2_frequency f{};
    f.tuner = 0;
    const int r = device_->Ioctl(VIDIOC_G_FREQUENCY, &f);
    if (!r) *mhz = FromUnits(f.frequency);
    return r;
}

int TV4l2Radio::Signal(tSignal* signal)
{
    v4l2_tuner t{};
    t.index = 0;
    const int r = device_->Ioctl(VIDIOC_G_TUNER, &t);
    *signal = r ? sgNone : MapV4l2Signal(int(t.signal), t.rxsubchans, t.capability);
    return r;
}

int TV4l2Radio::SetStereo(bool stereo)
{
    if (!info_.stereo) return 0;
    v4l2_tuner t{};
    t.index = 0;
    t.audmode = stereo ? V4L2_TUNER_MODE_STEREO : V4L2_TUNER_MODE_MONO;
    return device_->Ioctl(VIDIOC_S_TUNER, &t);
}

int TV4l2Radio::SetMute(bool mute)
{
    if (!info_.mute.present) return 0;
    v4l2_control c{V4L2_CID_AUDIO_MUTE, mute ? info_.mute.maximum : info_.mute.minimum};
    return device_->Ioctl(VIDIOC_S_CTRL, &c);
}

int TV4l2Radio::SetVolume(int volume)
{
    if (!info_.volume.present) return 0;
    const tV4l2Control& v = info_.volume;
    const int value = v.minimum + int(std::lround(double(v.maximum - v.minimum) * std::clamp(volume, 0, 256) / 256.0));
    v4l2_control c{V4L2_CID_AUDIO_VOLUME, value};
    return device_->Ioctl(VIDIOC_S_CTRL, &c);
}

int TV4l2Radio::Muted(bool* muted)
{
    if (!info_.mute.present) return -ENOTTY;
    v4l2_control c{V4L2_CID_AUDIO_MUTE, 0};
    const int r = device_->Ioctl(VIDIOC_G_CTRL, &c);
    if (!r) *muted = c.value != info_.mute.minimum;
    return r;
}

int TV4l2Radio::Volume(int* volume)
{
    if (!info_.volume.present) return -ENOTTY;
    const tV4l2Control& v = info_.volume;
    v4l2_control c{V4L2_CID_AUDIO_VOLUME, 0};
    const int r = device_->Ioctl(VIDIOC_G_CTRL, &c);
    if (!r)
        *volume =
            v.maximum > v.minimum
                ? int(std::lround(256.0 * (std::clamp(c.value, v.minimum, v.maximum) - v.minimum) /
                                  double(v.maximum - v.minimum)))
                : 0;
    return r;
}

int TV4l2Radio::Seek(bool upward, double spacing, double low, double high)
{
    if (!info_.seek) return -ENOTTY;
    v4l2_hw_freq_seek s{};
    s.tuner = 0;
    s.type = V4L2_TUNER_RADIO;
    s.seek_upward = upward;
    s.wrap_around = 0;
    s.spacing = static_cast<std::uint32_t>(std::lround(spacing * 1e6));
    if (info_.seekLimits) {
        s.rangelow = ToUnits(low);
        s.rangehigh = ToUnits(high);
    }
    return device_->Ioctl(VIDIOC_S_HW_FREQ_SEEK, &s);
}

int TV4l2Radio::ReadRds(std::vector<std::uint8_t>& bytes)
{
    std::uint8_t buffer[3 * 64];
    for (;;) {
        const int got = device_->Read(buffer, sizeof buffer);
        if (got < 0) return got;
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < int(sizeof buffer)) return 0;
    }
}

QString V4l2CardName(TV4l2Device& device)
{
    v4l2_capability cap{};
    if (device.Ioctl(VIDIOC_QUERYCAP, &cap)) return {};
    return Text(cap.card, sizeof cap.card);
}
