#pragma once
// A USB sound device for the emulated radio that records nothing, so a
// running audio loop idles; the loop over it is what the card is given.

#include "AudioLoop.h"

#include <chrono>
#include <memory>
#include <thread>

class TQuietStream final : public TAudioStream {
public:
    long Transfer(std::int16_t*, long) override { return 0; }
    int Wait(int) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return 0;
    }
    int Recover(int) override { return 0; }
};

inline std::unique_ptr<TAudioLoop> QuietUsbAudioLoop()
{
    return std::make_unique<TAudioLoop>("plughw:1,0", "default", [](const std::string&, bool, std::string*) {
        return std::make_unique<TQuietStream>();
    });
}
