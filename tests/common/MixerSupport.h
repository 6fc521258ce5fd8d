#pragma once
// A mixer opened on the emulated sound card, as the program opens the real one.

#include "EmulatedMixerDevice.h"
#include "Mixer.h"

#include <memory>

inline std::unique_ptr<TMixer> OpenOn(const std::shared_ptr<TEmulatedSoundCard>& card)
{
    auto mixer = std::make_unique<TMixer>(std::make_unique<TEmulatedMixerDevice>(card));
    mixer->SetMidiDeviceID(TMixer::FirstCard);
    mixer->SetActive(true);
    return mixer;
}
