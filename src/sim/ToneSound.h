#pragma once
// The emulated radio device's USB sound: a capture device that plays a tone
// in real time, its pitch asked for at each chunk (0 Hz: silence), and a
// playback device that takes everything. The program's sound loop, and a
// recording of it, run on it as on a real tuner's sound card.

#include "AudioLoop.h"

#include <functional>

tAudioOpener ToneSoundOpener(std::function<double()> pitch);
