// Linux radio devices (Video4Linux2): the card's requests as ioctls on the
// device of the chosen port. A device that fails under the program (ENODEV,
// EIO: unplugged) closes the card and says so through OnDeviceError.

#include "HardwareEnv.h"
#include "RadioCards.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <QCoreApplication>

tV4l2Range TRadioCard::FMRange() const
{
    if (model_ == mV4L2) {
        const tV4l2Range& r = japaneseFM_ ? deviceInfo_.japaneseFM : deviceInfo_.fm;
        if (r.Valid()) return r;
    }
    if (model_ == mSdr)
        return japaneseFM_ ? tV4l2Range{SdrJapaneseFMLow, SdrJapaneseFMHigh} : tV4l2Range{SdrFMLow, SdrFMHigh};
    return japaneseFM_ ? tV4l2Range{JapaneseFMLow, JapaneseFMHigh} : tV4l2Range{FMLow, FMHigh};
}

tV4l2Range TRadioCard::AMRange() const
{
    if (model_ == mV4L2 && deviceInfo_.am.Valid()) return deviceInfo_.am;
    return {AMLow, AMHigh};
}

bool TRadioCard::VlCall(int result)
{
    if (IsDeviceGone(result) && v4l2_) {
        audio_.reset();
        v4l2_.reset();
        active_ = false;
        muted_ = true;
        rds_.Reset();
        if (OnDeviceError)
            OnDeviceError(QCoreApplication::translate("TRadioCard", "The radio device %1 stopped answering (%2).")
                              .arg(devicePath_, QString::fromLocal8Bit(std::strerror(-result))));
    }
    return result == 0 && v4l2_;
}

void TRadioCard::VlApplyDeviceCaps()
{
    deviceInfo_ = v4l2_->Info();
    const tV4l2Info& i = deviceInfo_;
    tDevCap& c = caps_[mV4L2];
    c.HasFM = i.fm.Valid();
    c.HasJapaneseFM = i.japaneseFM.Valid();
    c.HasAM = i.am.Valid();
    c.FMStep = i.fmStep;
    c.AMStep = i.amStep;
    c.CanVolume = i.volume.present;
    c.CanMute = i.mute.present;
    c.CanSetStereo = i.stereo;
    c.HasHardwareSeek = i.seek;
    c.HasRds = i.rds;
    // What was asked for before the device could say what it offers.
    stereo_ = stereo_ && c.CanSetStereo;
    japaneseFM_ = japaneseFM_ && c.HasJapaneseFM;
    VlVolumeSteps();
}

void TRadioCard::VlVolumeSteps()
{
    // The device's own volume, else the playback volume of its USB sound
    // loop while there is one: the card's volume either way.
    tDevCap& c = caps_[mV4L2];
    c.VolumeStep = c.CanVolume || audio_ ? 16 : 0;
    SetVolumeLine(volumeLine_);
    if (audio_ && !c.CanVolume) audio_->SetVolume(volume_);
}

void TRadioCard::VlOpen()
{
    const std::uint16_t n = PortValue();
    if (!n) return;
    const QString path = env_.RadioDevice(n);
    int error = ENOENT;
    auto device = path.isEmpty() ? nullptr : env_.OpenRadioDevice(path, &error);
    if (!device) throw ePortAlreadyOpen();
    auto radio = std::make_unique<TV4l2Radio>(std::move(device));
    // Not a radio tuner, or gone while being asked.
    if (radio->Probe() != 0) throw ePortAlreadyOpen();
    v4l2_ = std::move(radio);
    devicePath_ = path;
    rds_.Reset();
    VlApplyDeviceCaps();
    muted_ = startMutedPending_;
    if (!VlCall(v4l2_->SetStereo(stereo_)) || !VlCall(v4l2_->SetMute(muted_))) return;
    if (usbAudio_) audio_ = env_.UsbAudioLoop(path);
    VlVolumeSteps();
    if (IsCardLine(volumeLine_)) Unmute();
    VlFollowAudio();
}

void TRadioCard::VlClose()
{
    audio_.reset();
    if (v4l2_) VlCall(v4l2_->SetMute(true));
    v4l2_.reset();
    CloseTail();
}

void TRadioCard::VlTune(double freq)
{
    rds_.Reset();
    rdsBlocks_ = {};
    if (v4l2_) VlCall(v4l2_->SetFrequency(freq));
}

void TRadioCard::VlMute()
{
    if (v4l2_) VlCall(v4l2_->SetMute(true));
    muted_ = true;
    VlFollowAudio();
}

void TRadioCard::VlUnmute()
{
    if (!v4l2_ || !VlCall(v4l2_->SetMute(false))) return;
    muted_ = false;
    startMutedPending_ = false;
    VlFollowAudio();
}

void TRadioCard::SetUsbAudio(bool value)
{
    if (value == usbAudio_) return;
    usbAudio_ = value;
    if (!value)
        audio_.reset();
    else if (v4l2_)
        audio_ = env_.UsbAudioLoop(devicePath_);
    if (model_ == mV4L2 && v4l2_) VlVolumeSteps();
    VlFollowAudio();
}

void TRadioCard::SetAudioTap(TAudioTap* tap)
{
    tap_ = tap;
    if (sdrReceiver_) sdrReceiver_->SetAudioTap(tap);
    VlFollowAudio();
}

QString TRadioCard::NoRecordingReason() const
{
    if (!active_) return QCoreApplication::translate("TRadioCard", "No radio card is open.");
    if ((model_ == mV4L2 && audio_) || (model_ == mSdr && sdrReceiver_)) return QString();
    if (model_ == mV4L2 && !usbAudio_)
        return QCoreApplication::translate("TRadioCard",
                                           "The tuner's sound is recorded when it is played as USB "
                                           "sound (Settings, Volume control).");
    return QCoreApplication::translate(
        "TRadioCard", "This card's sound goes to the sound card by a cable, not through Vantoro: "
                      "record it with the sound card's own recording tools.");
}

void TRadioCard::VlFollowAudio()
{
    if (!audio_) return;
    audio_->SetTap(tap_);
    // While recording, a muted card keeps its loop running, silent.
    audio_->SetSilent(muted_);
    if (active_ && v4l2_ && (!muted_ || tap_))
        audio_->Start();
    else
        audio_->Stop();
}

bool TRadioCard::ReadCardVolume(int* volume)
{
    if (model_ != mV4L2 || !active_ || !v4l2_ || !caps_[mV4L2].CanVolume) return false;
    int own = 0;
    if (!VlCall(v4l2_->Volume(&own))) return false;
    *volume = 16 * static_cast<int>(RoundHalfEven(std::clamp(own, 0, 256) / 16.0));
    return true;
}

void TRadioCard::VlSetVolume(int value)
{
    const int target = 16 * static_cast<int>(RoundHalfEven(std::clamp(value, 0, 256) / 16.0));
    if (!v4l2_) return;
    if (caps_[mV4L2].CanVolume) {
        if (VlCall(v4l2_->SetVolume(target))) volume_ = target;
    } else if (audio_) {
        audio_->SetVolume(target);
        volume_ = target;
    }
}

tSignal TRadioCard::VlCheckSignal()
{
    tSignal signal = sgNone;
    if (v4l2_) VlCall(v4l2_->Signal(&signal));
    return signal;
}

bool TRadioCard::Seek(bool upward)
{
    if (!active_ || !v4l2_ || !caps_[model_].HasHardwareSeek) return false;
    const double step = FrequencyStep();
    if (!VlCall(v4l2_->Seek(upward, step, MinFrequency(), MaxFrequency()))) return false;
    double mhz = 0;
    if (!VlCall(v4l2_->Frequency(&mhz))) return false;
    // Where the device stopped, which need not lie on the program's grid.
    frequency_ = std::clamp(mhz, MinFrequency(), MaxFrequency());
    (band_ == bFM ? lastFM_ : lastAM_) = frequency_;
    rds_.Reset();
    rdsBlocks_ = {};
    return true;
}

void TRadioCard::PollRds(const std::function<void(unsigned news)>& onNews)
{
    if (model_ == mSdr) return SdPollRds(onNews);
    if (!active_ || !v4l2_ || !caps_[model_].HasRds) return;
    std::vector<std::uint8_t> bytes;
    VlCall(v4l2_->ReadRds(bytes));
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) {
        const auto group = rdsBlocks_.Add(bytes[i], bytes[i + 1], bytes[i + 2]);
        if (!group) continue;
        if (OnRdsGroup) OnRdsGroup(*group);
        const unsigned news = rds_.Feed(*group);
        if (news && onNews) onNews(news);
    }
}
