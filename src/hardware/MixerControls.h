#pragma once
// What the radio card needs of a sound-card mixer: sixteen controls by index,
// each with bounds and two cached channel values, and a change notification.

#include <functional>

// Control indexes: volume and mute of each line, treble and bass of the output.
enum tMixerControlType {
    mcMasterVolume, mcMasterMute, mcTreble, mcBass,
    mcSynthVolume, mcSynthMute, mcWaveVolume, mcWaveMute,
    mcCdVolume, mcCdMute, mcLineInVolume, mcLineInMute,
    mcMicVolume, mcMicMute, mcSpeakerVolume, mcSpeakerMute
};
constexpr int MixerControlCount = 16;

class TMixerControls {
public:
    virtual ~TMixerControls() = default;
    virtual bool Exists(int control) const = 0;
    virtual int Minimum(int control) const = 0;
    virtual int Maximum(int control) const = 0;
    // The cached value of channel 0 or 1.
    virtual int Value(int control, int channel) const = 0;
    // Caches and writes when the value differs from the cached one.
    virtual void SetValue(int control, int channel, int value) = 0;
    // Caches both and writes.
    virtual void SetValues(int control, int first, int second) = 0;

    // Fired after a change made outside this object has been read back.
    std::function<void(TMixerControls* sender, int control)> OnControlChange;
};
