#include "EmulatedMixerDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

using TElement = TEmulatedSoundCard::TElement;

TElement Stereo(const char* name, long maximum, long level, bool switchUniform = true)
{
    TElement e;
    e.name = QLatin1String(name);
    e.hasVolume = true;
    e.maximum = maximum;
    e.volume[0] = e.volume[1] = level;
    e.hasSwitch = true;
    e.switchUniform = switchUniform;
    return e;
}

TElement Mono(const char* name, long maximum, long level, bool hasSwitch = true)
{
    TElement e = Stereo(name, maximum, level);
    e.volumeUniform = true;
    e.hasSwitch = hasSwitch;
    return e;
}

} // namespace

// ---- the card ----

TEmulatedSoundCard::TEmulatedSoundCard(QString name, std::vector<TElement> elements)
    : name_(std::move(name)), elements_(std::move(elements))
{
}

std::shared_ptr<TEmulatedSoundCard> TEmulatedSoundCard::Standard()
{
    std::vector<TElement> e;
    e.push_back(Stereo("Master", 31, 24));
    e.push_back(Mono("Tone Control - Treble", 15, 8, false));
    e.push_back(Mono("Tone Control - Bass", 15, 8, false));
    e.push_back(Stereo("Headphone", 31, 31));
    e.push_back(Stereo("PCM", 255, 200));
    e.push_back(Stereo("Synth", 31, 16, false));
    e.push_back(Stereo("CD", 31, 20, false));
    e.push_back(Stereo("Line", 65535, 49152));
    e.push_back(Mono("Mic", 31, 0));
    e.back().on[0] = e.back().on[1] = 0;
    e.push_back(Mono("PC Speaker", 15, 8));
    return std::make_shared<TEmulatedSoundCard>(QStringLiteral("Emulated Sound Card"), std::move(e));
}

void TEmulatedSoundCard::Remove(const QString& element)
{
    const int i = Find(element);
    if (i >= 0) elements_.erase(elements_.begin() + i);
}

int TEmulatedSoundCard::Find(const QString& element) const
{
    for (int i = 0; i < int(elements_.size()); ++i)
        if (elements_[i].name == element) return i;
    return -1;
}

const TEmulatedSoundCard::TElement* TEmulatedSoundCard::Element(const QString& element) const
{
    const int i = Find(element);
    return i < 0 ? nullptr : &elements_[i];
}

long TEmulatedSoundCard::Volume(const QString& element, int channel) const
{
    const TElement* e = Element(element);
    return e ? e->volume[channel == 1 ? 1 : 0] : 0;
}

bool TEmulatedSoundCard::SwitchOn(const QString& element, int channel) const
{
    const TElement* e = Element(element);
    return e && e->on[channel == 1 ? 1 : 0];
}

void TEmulatedSoundCard::SetVolume(const QString& element, long left, long right)
{
    const int i = Find(element);
    if (i < 0) return;
    TElement& e = elements_[i];
    e.volume[0] = std::clamp(left, e.minimum, e.maximum);
    e.volume[1] = e.volumeUniform ? e.volume[0] : std::clamp(right, e.minimum, e.maximum);
    Changed(i);
}

void TEmulatedSoundCard::SetSwitch(const QString& element, bool on)
{
    const int i = Find(element);
    if (i < 0) return;
    elements_[i].on[0] = elements_[i].on[1] = on;
    Changed(i);
}

void TEmulatedSoundCard::Changed(int element)
{
    for (TEmulatedMixerDevice* handle : handles_) handle->Notify(element);
}

// ---- a handle on its mixer ----

TEmulatedMixerDevice::TEmulatedMixerDevice(std::shared_ptr<TEmulatedSoundCard> card)
    : card_(std::move(card))
{
}

TEmulatedMixerDevice::~TEmulatedMixerDevice() { Close(); }

int TEmulatedMixerDevice::Open(int card)
{
    Close();
    if (card != 0) return Fail("snd_mixer_attach", -ENOENT);
    event_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (event_ < 0) return Fail("snd_mixer_open", -errno);
    card_->handles_.push_back(this);
    return 0;
}

void TEmulatedMixerDevice::Close()
{
    if (event_ < 0) return;
    auto& handles = card_->handles_;
    handles.erase(std::remove(handles.begin(), handles.end(), this), handles.end());
    ::close(event_);
    event_ = -1;
    pending_.clear();
}

TEmulatedSoundCard::TElement* TEmulatedMixerDevice::Element(int element) const
{
    if (event_ < 0 || element < 0 || element >= int(card_->elements_.size())) return nullptr;
    return &card_->elements_[element];
}

int TEmulatedMixerDevice::FindElement(const QString& name) const
{
    return event_ < 0 ? -1 : card_->Find(name);
}

bool TEmulatedMixerDevice::Has(int element, TMixerPart part) const
{
    const auto* e = Element(element);
    return e && (part == TMixerPart::Volume ? e->hasVolume : e->hasSwitch);
}

bool TEmulatedMixerDevice::Uniform(int element, TMixerPart part) const
{
    const auto* e = Element(element);
    return !e || (part == TMixerPart::Volume ? e->volumeUniform : e->switchUniform);
}

int TEmulatedMixerDevice::Range(int element, long* minimum, long* maximum)
{
    const auto* e = Element(element);
    if (!e || !e->hasVolume) return Fail("snd_mixer_selem_get_playback_volume_range", -EINVAL);
    *minimum = e->minimum;
    *maximum = e->maximum;
    return 0;
}

int TEmulatedMixerDevice::Get(int element, TMixerPart part, int channel, long* value)
{
    const auto* e = Element(element);
    const bool volume = part == TMixerPart::Volume;
    if (!e || !(volume ? e->hasVolume : e->hasSwitch) || channel < 0 || channel > 1)
        return Fail(volume ? "snd_mixer_selem_get_playback_volume"
                           : "snd_mixer_selem_get_playback_switch",
                    -EINVAL);
    *value = volume ? e->volume[channel] : e->on[channel];
    return 0;
}

int TEmulatedMixerDevice::Set(int element, TMixerPart part, int channel, long value)
{
    auto* e = Element(element);
    const bool volume = part == TMixerPart::Volume;
    const char* call =
        volume ? "snd_mixer_selem_set_playback_volume" : "snd_mixer_selem_set_playback_switch";
    if (!e || !(volume ? e->hasVolume : e->hasSwitch) || channel < AllChannels || channel > 1)
        return Fail(call, -EINVAL);
    if (volume && (value < e->minimum || value > e->maximum)) return Fail(call, -EINVAL);
    long* values = volume ? e->volume : e->on;
    const bool uniform = volume ? e->volumeUniform : e->switchUniform;
    const long stored = volume ? value : (value ? 1 : 0);
    if (channel == AllChannels || uniform)
        values[0] = values[1] = stored;
    else
        values[channel] = stored;
    ++card_->writes_;
    card_->Changed(element);
    return 0;
}

std::vector<int> TEmulatedMixerDevice::PollDescriptors() const
{
    if (event_ < 0) return {};
    return {event_};
}

void TEmulatedMixerDevice::Notify(int element)
{
    pending_.push_back(element);
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(event_, &one, sizeof one);
}

int TEmulatedMixerDevice::HandleEvents()
{
    if (event_ < 0) return 0;
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read(event_, &count, sizeof count);
    std::vector<int> changed;
    changed.swap(pending_);
    for (int element : changed) {
        if (event_ < 0) break;
        if (OnElementChange) OnElementChange(element);
    }
    return 0;
}
