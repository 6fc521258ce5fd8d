#pragma once
// The mixer of an ALSA sound card through the simple mixer interface.

#include "MixerDevice.h"

#include <memory>
#include <vector>

struct _snd_mixer;
struct _snd_mixer_elem;

class TAlsaMixerDevice final : public TMixerDevice {
public:
    TAlsaMixerDevice();
    ~TAlsaMixerDevice() override;
    TAlsaMixerDevice(const TAlsaMixerDevice&) = delete;
    TAlsaMixerDevice& operator=(const TAlsaMixerDevice&) = delete;

    int Open(int card) override;
    void Close() override;
    bool IsOpen() const override { return mixer_ != nullptr; }
    QString CardName() const override { return cardName_; }
    int FindElement(const QString& name) const override;
    bool Has(int element, TMixerPart part) const override;
    bool Uniform(int element, TMixerPart part) const override;
    int Range(int element, long* minimum, long* maximum) override;
    int Get(int element, TMixerPart part, int channel, long* value) override;
    int Set(int element, TMixerPart part, int channel, long value) override;
    std::vector<int> PollDescriptors() const override;
    int HandleEvents() override;

private:
    struct TMixerClose {
        void operator()(_snd_mixer* mixer) const;
    };
    // What an element's callback needs to find its way back here.
    struct TSlot {
        TAlsaMixerDevice* device;
        int index;
    };
    static int ElementEvent(_snd_mixer_elem* element, unsigned int mask);
    _snd_mixer_elem* Element(int element) const;

    std::unique_ptr<_snd_mixer, TMixerClose> mixer_;
    // Null once the card has removed the element.
    std::vector<_snd_mixer_elem*> elements_;
    std::vector<std::unique_ptr<TSlot>> slots_;
    std::vector<int> changed_;
    QString cardName_;
};

// At least one ALSA card that can play sound.
bool SoundCardPresent();
