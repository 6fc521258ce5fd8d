#include "AlsaMixerDevice.h"

#include <alsa/asoundlib.h>

#include <QByteArray>
#include <cerrno>
#include <cstdlib>
#include <new>

namespace {

snd_mixer_selem_channel_id_t ChannelId(int channel)
{
    return channel == 1 ? SND_MIXER_SCHN_FRONT_RIGHT : SND_MIXER_SCHN_FRONT_LEFT;
}

struct TCtlClose {
    void operator()(snd_ctl_t* ctl) const { snd_ctl_close(ctl); }
};
struct TPcmInfoFree {
    void operator()(snd_pcm_info_t* info) const { snd_pcm_info_free(info); }
};

bool CardCanPlay(int card)
{
    snd_ctl_t* raw = nullptr;
    const QByteArray name = "hw:" + QByteArray::number(card);
    if (snd_ctl_open(&raw, name.constData(), 0) < 0) return false;
    std::unique_ptr<snd_ctl_t, TCtlClose> ctl(raw);
    snd_pcm_info_t* rawInfo = nullptr;
    if (snd_pcm_info_malloc(&rawInfo) < 0) return false;
    std::unique_ptr<snd_pcm_info_t, TPcmInfoFree> info(rawInfo);
    int device = -1;
    while (snd_ctl_pcm_next_device(ctl.get(), &device) == 0 && device >= 0) {
        snd_pcm_info_set_device(info.get(), unsigned(device));
        snd_pcm_info_set_subdevice(info.get(), 0);
        snd_pcm_info_set_stream(info.get(), SND_PCM_STREAM_PLAYBACK);
        if (snd_ctl_pcm_info(ctl.get(), info.get()) == 0) return true;
    }
    return false;
}

// ALSA's number of the n-th card that can play (0 is the first), or -1. The
// numbers need not start at 0 nor be consecutive, and a card that only
// records (a webcam's microphone) is no sound card to us.
int PlayingCard(int n)
{
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0)
        if (CardCanPlay(card) && n-- == 0) return card;
    return -1;
}

} // namespace

bool SoundCardPresent() { return PlayingCard(0) >= 0; }

void TAlsaMixerDevice::TMixerClose::operator()(_snd_mixer* mixer) const { snd_mixer_close(mixer); }

TAlsaMixerDevice::TAlsaMixerDevice() = default;

TAlsaMixerDevice::~TAlsaMixerDevice() { Close(); }

int TAlsaMixerDevice::Open(int card)
{
    Close();
    snd_mixer_t* raw = nullptr;
    int err = snd_mixer_open(&raw, 0);
    if (err < 0) return Fail("snd_mixer_open", err);
    std::unique_ptr<_snd_mixer, TMixerClose> mixer(raw);
    // The card SoundCardPresent() found; when there is none, the attach below
    // fails on hw:n and says so.
    if (const int playing = PlayingCard(card); playing >= 0) card = playing;
    const QByteArray name = "hw:" + QByteArray::number(card);
    if ((err = snd_mixer_attach(raw, name.constData())) < 0) return Fail("snd_mixer_attach", err);
    if ((err = snd_mixer_selem_register(raw, nullptr, nullptr)) < 0)
        return Fail("snd_mixer_selem_register", err);
    if ((err = snd_mixer_load(raw)) < 0) return Fail("snd_mixer_load", err);

    char* cardName = nullptr;
    if (snd_card_get_name(card, &cardName) == 0 && cardName) {
        cardName_ = QString::fromUtf8(cardName);
        std::free(cardName);
    } else {
        cardName_ = QString::fromLatin1(name);
    }
    // Owned by this device from here on, so that a failure below closes it
    // while every slot an element points at is still alive.
    mixer_ = std::move(mixer);
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(raw); e; e = snd_mixer_elem_next(e)) {
        try {
            slots_.push_back(std::make_unique<TSlot>(TSlot{this, int(elements_.size())}));
            elements_.push_back(e);
        } catch (const std::bad_alloc&) {
            Close();
            return Fail("snd_mixer_elem_set_callback", -ENOMEM);
        }
        snd_mixer_elem_set_callback(e, &TAlsaMixerDevice::ElementEvent);
        snd_mixer_elem_set_callback_private(e, slots_.back().get());
    }
    return 0;
}

void TAlsaMixerDevice::Close()
{
    mixer_.reset();
    elements_.clear();
    slots_.clear();
    changed_.clear();
}

int TAlsaMixerDevice::ElementEvent(snd_mixer_elem_t* element, unsigned int mask)
{
    auto* slot = static_cast<TSlot*>(snd_mixer_elem_get_callback_private(element));
    if (!slot) return 0;
    // The element is gone (the card was unplugged): forget it rather than touch freed memory.
    if (mask == SND_CTL_EVENT_MASK_REMOVE) {
        slot->device->elements_[slot->index] = nullptr;
        return 0;
    }
    if (mask & SND_CTL_EVENT_MASK_VALUE) slot->device->changed_.push_back(slot->index);
    return 0;
}

snd_mixer_elem_t* TAlsaMixerDevice::Element(int element) const
{
    return element >= 0 && element < int(elements_.size()) ? elements_[element] : nullptr;
}

int TAlsaMixerDevice::FindElement(const QString& name) const
{
    const QByteArray wanted = name.toUtf8();
    for (int i = 0; i < int(elements_.size()); ++i) {
        snd_mixer_elem_t* e = elements_[i];
        if (e && snd_mixer_selem_get_index(e) == 0 && wanted == snd_mixer_selem_get_name(e))
            return i;
    }
    return -1;
}

bool TAlsaMixerDevice::Has(int element, TMixerPart part) const
{
    snd_mixer_elem_t* e = Element(element);
    if (!e) return false;
    return part == TMixerPart::Volume ? snd_mixer_selem_has_playback_volume(e)
                                      : snd_mixer_selem_has_playback_switch(e);
}

bool TAlsaMixerDevice::Uniform(int element, TMixerPart part) const
{
    snd_mixer_elem_t* e = Element(element);
    if (!e) return true;
    if (snd_mixer_selem_is_playback_mono(e)) return true;
    if (!snd_mixer_selem_has_playback_channel(e, SND_MIXER_SCHN_FRONT_RIGHT)) return true;
    return part == TMixerPart::Volume ? snd_mixer_selem_has_playback_volume_joined(e)
                                      : snd_mixer_selem_has_playback_switch_joined(e);
}

int TAlsaMixerDevice::Range(int element, long* minimum, long* maximum)
{
    snd_mixer_elem_t* e = Element(element);
    if (!e) return Fail("snd_mixer_selem_get_playback_volume_range", -ENODEV);
    const int err = snd_mixer_selem_get_playback_volume_range(e, minimum, maximum);
    return err < 0 ? Fail("snd_mixer_selem_get_playback_volume_range", err) : 0;
}

int TAlsaMixerDevice::Get(int element, TMixerPart part, int channel, long* value)
{
    snd_mixer_elem_t* e = Element(element);
    if (part == TMixerPart::Volume) {
        if (!e) return Fail("snd_mixer_selem_get_playback_volume", -ENODEV);
        const int err = snd_mixer_selem_get_playback_volume(e, ChannelId(channel), value);
        return err < 0 ? Fail("snd_mixer_selem_get_playback_volume", err) : 0;
    }
    if (!e) return Fail("snd_mixer_selem_get_playback_switch", -ENODEV);
    int on = 0;
    const int err = snd_mixer_selem_get_playback_switch(e, ChannelId(channel), &on);
    if (err < 0) return Fail("snd_mixer_selem_get_playback_switch", err);
    *value = on;
    return 0;
}

int TAlsaMixerDevice::Set(int element, TMixerPart part, int channel, long value)
{
    snd_mixer_elem_t* e = Element(element);
    const bool all = channel == AllChannels;
    if (part == TMixerPart::Volume) {
        const char* call = all ? "snd_mixer_selem_set_playback_volume_all"
                               : "snd_mixer_selem_set_playback_volume";
        if (!e) return Fail(call, -ENODEV);
        const int err = all ? snd_mixer_selem_set_playback_volume_all(e, value)
                            : snd_mixer_selem_set_playback_volume(e, ChannelId(channel), value);
        return err < 0 ? Fail(call, err) : 0;
    }
    const char* call =
        all ? "snd_mixer_selem_set_playback_switch_all" : "snd_mixer_selem_set_playback_switch";
    if (!e) return Fail(call, -ENODEV);
    const int on = value ? 1 : 0;
    const int err = all ? snd_mixer_selem_set_playback_switch_all(e, on)
                        : snd_mixer_selem_set_playback_switch(e, ChannelId(channel), on);
    return err < 0 ? Fail(call, err) : 0;
}

std::vector<int> TAlsaMixerDevice::PollDescriptors() const
{
    std::vector<int> fds;
    if (!mixer_) return fds;
    const int count = snd_mixer_poll_descriptors_count(mixer_.get());
    if (count <= 0) return fds;
    std::vector<pollfd> polls(static_cast<std::size_t>(count));
    const int filled = snd_mixer_poll_descriptors(mixer_.get(), polls.data(), unsigned(count));
    for (int i = 0; i < filled; ++i) fds.push_back(polls[i].fd);
    return fds;
}

int TAlsaMixerDevice::HandleEvents()
{
    if (!mixer_) return 0;
    const int err = snd_mixer_handle_events(mixer_.get());
    if (err < 0) return Fail("snd_mixer_handle_events", err);
    // Reported after ALSA is done with its own loop: a handler may close this device.
    std::vector<int> changed;
    changed.swap(changed_);
    for (int element : changed) {
        if (!mixer_) break;
        if (OnElementChange) OnElementChange(element);
    }
    return 0;
}
