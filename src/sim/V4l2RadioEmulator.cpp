#include "V4l2RadioEmulator.h"

#include "StationRds.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <linux/videodev2.h>

namespace {
struct tBandRange {
    double low, high;
    std::uint32_t modulation;
};
// Offered as frequency bands; without them the tuner covers 76..108 MHz.
constexpr tBandRange FMBand{87.0, 108.0, V4L2_BAND_MODULATION_FM};
constexpr tBandRange JapaneseBand{76.0, 91.0, V4L2_BAND_MODULATION_FM};
constexpr tBandRange AMBand{0.531, 1.62, V4L2_BAND_MODULATION_AM};
constexpr tBandRange WholeFM{76.0, 108.0, V4L2_BAND_MODULATION_FM};
// An RDS station sends 11.4 groups a second.
constexpr std::int64_t GroupsPerTenSeconds = 114;

void Copy(std::uint8_t* to, std::size_t size, const QString& text)
{
    std::strncpy(reinterpret_cast<char*>(to), text.toUtf8().constData(), size - 1);
}

class THandle final : public TV4l2Device {
public:
    explicit THandle(std::shared_ptr<TV4l2RadioEmulator> radio) : radio_(std::move(radio)) {}
    int Ioctl(unsigned long request, void* arg) override { return radio_->Ioctl(request, arg); }
    int Read(void* buffer, int size) override { return radio_->Read(buffer, size); }

private:
    std::shared_ptr<TV4l2RadioEmulator> radio_;
};
} // namespace

TV4l2RadioEmulator::TV4l2RadioEmulator(TStationList stations, std::function<std::int64_t()> now,
                                       tV4l2EmulatorSetup setup)
    : stations_(std::move(stations)), now_(std::move(now)), setup_(std::move(setup))
{
    // Switched on where it was left: on the first station of the FM band.
    double mhz = FMBand.low;
    for (const TSimStation& s : stations_.Stations())
        if (s.band == bFM && s.mhz >= FMBand.low && s.mhz <= FMBand.high) {
            mhz = s.mhz;
            break;
        }
    frequency_ = std::uint32_t(std::lround(mhz * (setup_.lowUnits ? 16000 : 16)));
}

std::unique_ptr<TV4l2Device> TV4l2RadioEmulator::Open(int* error)
{
    if (!Plugged()) {
        if (error) *error = ENOENT;
        return nullptr;
    }
    return std::make_unique<THandle>(shared_from_this());
}

void TV4l2RadioEmulator::SetPlugged(bool plugged)
{
    std::lock_guard lock(mutex_);
    plugged_ = plugged;
}

bool TV4l2RadioEmulator::Plugged() const
{
    std::lock_guard lock(mutex_);
    return plugged_;
}

void TV4l2RadioEmulator::FailNext(unsigned long request, int error)
{
    std::lock_guard lock(mutex_);
    faults_[request] = error;
}

double TV4l2RadioEmulator::FrequencyMHz() const
{
    std::lock_guard lock(mutex_);
    return frequency_ / (setup_.lowUnits ? 16000.0 : 16.0);
}

bool TV4l2RadioEmulator::Muted() const
{
    std::lock_guard lock(mutex_);
    return muted_;
}

int TV4l2RadioEmulator::VolumeValue() const
{
    std::lock_guard lock(mutex_);
    return volume_;
}

bool TV4l2RadioEmulator::StereoMode() const
{
    std::lock_guard lock(mutex_);
    return stereoMode_;
}

int TV4l2RadioEmulator::SeekCalls() const
{
    std::lock_guard lock(mutex_);
    return seekCalls_;
}

const TSimStation* TV4l2RadioEmulator::StationHere() const
{
    const double mhz = frequency_ / (setup_.lowUnits ? 16000.0 : 16.0);
    return stations_.Find(mhz < 30 ? bAM : bFM, mhz);
}

void TV4l2RadioEmulator::AppendGroup(QByteArray& out, std::int64_t k, const TSimStation& station) const
{
    const tRdsGroup group = StationRdsGroup(stations_, station, k, QDateTime::currentDateTime());
    for (int i = 0; i < 4; ++i) {
        const std::uint16_t block = group.blocks[std::size_t(i)].value;
        out += char(block & 0xFF);
        out += char(block >> 8);
        out += char(i | i << 3); // the block received is the block expected
    }
}

int TV4l2RadioEmulator::Read(void* buffer, int size)
{
    std::lock_guard lock(mutex_);
    if (!plugged_) return -ENODEV;
    if (!setup_.rds) return -EINVAL;
    const TSimStation* station = StationHere();
    const std::int64_t due = (now_() - tunedAt_) * GroupsPerTenSeconds / 10000;
    if (!station || station->band != bFM) {
        groupsSent_ = due;
        return 0;
    }
    QByteArray out;
    for (; groupsSent_ < due && out.size() + 12 <= size; ++groupsSent_) AppendGroup(out, groupsSent_, *station);
    std::memcpy(buffer, out.constData(), std::size_t(out.size()));
    return int(out.size());
}

int TV4l2RadioEmulator::Seek(const void* arg)
{
    const auto* s = static_cast<const v4l2_hw_freq_seek*>(arg);
    ++seekCalls_;
    if (!setup_.seek) return -ENOTTY;
    if (s->tuner != 0) return -EINVAL;
    const double units = setup_.lowUnits ? 16000.0 : 16.0;
    const double here = frequency_ / units;
    const tBand band = here < 30 ? bAM : bFM;
    double low = 0, high = 0;
    if (s->rangelow || s->rangehigh) {
        low = s->rangelow / units;
        high = s->rangehigh / units;
    } else {
        const tBandRange r = band == bAM ? AMBand : !setup_.bands ? WholeFM : here >= FMBand.low ? FMBand : JapaneseBand;
        low = r.low;
        high = r.high;
    }
    const double spacing = s->spacing ? s->spacing / 1e6 : (band == bAM ? 0.009 : 0.05);
    const TSimStation* best = nullptr;
    for (const TSimStation& st : stations_.Stations()) {
        if (st.band != band || st.mhz < low || st.mhz > high) continue;
        const bool ahead = s->seek_upward ? st.mhz > here + spacing / 2 : st.mhz < here - spacing / 2;
        if (ahead && (!best || (s->seek_upward ? st.mhz < best->mhz : st.mhz > best->mhz))) best = &st;
    }
    if (!best) return -ENODATA;
    frequency_ = std::uint32_t(std::lround(best->mhz * units));
    tunedAt_ = now_();
    groupsSent_ = 0;
    return 0;
}

int TV4l2RadioEmulator::Ioctl(unsigned long request, void* arg)
{
    std::lock_guard lock(mutex_);
    if (!plugged_) return -ENODEV;
    if (const auto fault = faults_.find(request); fault != faults_.end()) {
        const int error = fault->second;
        faults_.erase(fault);
        return -error;
    }
    const std::uint32_t lowCap = setup_.lowUnits ? V4L2_TUNER_CAP_LOW : 0;
    const double units = setup_.lowUnits ? 16000.0 : 16.0;
    auto toUnits = [units](double mhz) { return std::uint32_t(std::lround(mhz * units)); };
    switch (request) {
    case VIDIOC_QUERYCAP: {
        auto* c = static_cast<v4l2_capability*>(arg);
        *c = {};
        Copy(c->driver, sizeof c->driver, QStringLiteral("vantoro-emu"));
        Copy(c->card, sizeof c->card, setup_.cardName);
        Copy(c->bus_info, sizeof c->bus_info, QStringLiteral("platform:vantoro-emu"));
        c->device_caps = V4L2_CAP_RADIO | V4L2_CAP_TUNER | (setup_.rds ? V4L2_CAP_RDS_CAPTURE | V4L2_CAP_READWRITE : 0) |
                         (setup_.seek ? V4L2_CAP_HW_FREQ_SEEK : 0);
        c->capabilities = c->device_caps | V4L2_CAP_DEVICE_CAPS;
        return 0;
    }
    case VIDIOC_G_TUNER: {
        auto* t = static_cast<v4l2_tuner*>(arg);
        if (t->index != 0) return -EINVAL;
        *t = {};
        Copy(t->name, sizeof t->name, QStringLiteral("FM"));
        t->type = V4L2_TUNER_RADIO;
        t->capability = lowCap | (setup_.stereo ? V4L2_TUNER_CAP_STEREO : 0) |
                        (setup_.rds ? V4L2_TUNER_CAP_RDS | V4L2_TUNER_CAP_RDS_BLOCK_IO : 0) |
                        (setup_.bands ? V4L2_TUNER_CAP_FREQ_BANDS : 0) |
                        (setup_.seek ? V4L2_TUNER_CAP_HWSEEK_BOUNDED | V4L2_TUNER_CAP_HWSEEK_PROG_LIM : 0);
        t->rangelow = toUnits(setup_.bands && setup_.lowUnits ? AMBand.low : WholeFM.low);
        t->rangehigh = toUnits(WholeFM.high);
        const TSimStation* station = StationHere();
        t->signal = !station ? 0x0800 : station->stereo ? 0xF000 : 0xA000;
        t->rxsubchans = station && station->stereo && setup_.stereo ? V4L2_TUNER_SUB_STEREO : V4L2_TUNER_SUB_MONO;
        if (station && setup_.rds) t->rxsubchans |= V4L2_TUNER_SUB_RDS;
        t->audmode = stereoMode_ ? V4L2_TUNER_MODE_STEREO : V4L2_TUNER_MODE_MONO;
        return 0;
    }
    case VIDIOC_S_TUNER: {
        const auto* t = static_cast<const v4l2_tuner*>(arg);
        if (t->index != 0) return -EINVAL;
        stereoMode_ = t->audmode != V4L2_TUNER_MODE_MONO;
        return 0;
    }
    case VIDIOC_ENUM_FREQ_BANDS: {
        auto* b = static_cast<v4l2_frequency_band*>(arg);
        if (!setup_.bands || b->tuner != 0) return -ENOTTY;
        const tBandRange offered[] = {FMBand, JapaneseBand, AMBand};
        const std::uint32_t count = setup_.lowUnits ? 3 : 2;
        if (b->index >= count) return -EINVAL;
        const tBandRange& r = offered[b->index];
        const std::uint32_t index = b->index;
        *b = {};
        b->index = index;
        b->type = V4L2_TUNER_RADIO;
        b->capability = lowCap | (r.modulation == V4L2_BAND_MODULATION_FM && setup_.stereo ? V4L2_TUNER_CAP_STEREO : 0);
        b->rangelow = toUnits(r.low);
        b->rangehigh = toUnits(r.high);
        b->modulation = r.modulation;
        return 0;
    }
    case VIDIOC_G_FREQUENCY: {
        auto* f = static_cast<v4l2_frequency*>(arg);
        if (f->tuner != 0) return -EINVAL;
        f->type = V4L2_TUNER_RADIO;
        f->frequency = frequency_;
        return 0;
    }
    case VIDIOC_S_FREQUENCY: {
        const auto* f = static_cast<const v4l2_frequency*>(arg);
        if (f->tuner != 0) return -EINVAL;
        // Drivers clamp to what the tuner covers.
        const std::uint32_t low = toUnits(setup_.bands && setup_.lowUnits ? AMBand.low : WholeFM.low);
        frequency_ = std::clamp(f->frequency, low, toUnits(WholeFM.high));
        tunedAt_ = now_();
        groupsSent_ = 0;
        return 0;
    }
    case VIDIOC_S_HW_FREQ_SEEK: return Seek(arg);
    case VIDIOC_QUERYCTRL: {
        auto* q = static_cast<v4l2_queryctrl*>(arg);
        const bool mute = q->id == V4L2_CID_AUDIO_MUTE && setup_.mute;
        const bool volume = q->id == V4L2_CID_AUDIO_VOLUME && setup_.volume;
        if (!mute && !volume) return -EINVAL;
        const std::uint32_t id = q->id;
        *q = {};
        q->id = id;
        q->type = mute ? V4L2_CTRL_TYPE_BOOLEAN : V4L2_CTRL_TYPE_INTEGER;
        q->maximum = mute ? 1 : VolumeMax;
        q->step = 1;
        return 0;
    }
    case VIDIOC_G_CTRL:
    case VIDIOC_S_CTRL: {
        auto* c = static_cast<v4l2_control*>(arg);
        const bool set = request == VIDIOC_S_CTRL;
        if (c->id == V4L2_CID_AUDIO_MUTE && setup_.mute) {
            if (set) muted_ = c->value != 0;
            c->value = muted_;
        } else if (c->id == V4L2_CID_AUDIO_VOLUME && setup_.volume) {
            if (set) volume_ = std::clamp(c->value, 0, VolumeMax);
            c->value = volume_;
        } else {
            return -EINVAL;
        }
        return 0;
    }
    default: return -ENOTTY;
    }
}
