// AimsLab RadioTrack and Reveal RA300: one register at the base address.
// Tuning clocks a 24-bit word out bit by bit; volume moves while 0x88 (up) or
// 0x48 (down) is held, 125 ms per level; the status read tells the signal.

#include "RadioCards.h"

#include <cstdlib>

namespace {
constexpr std::uint8_t AudioPrefix = 0x00, AudioOff = 0xD0, AudioOn = 0xD8;
constexpr std::uint8_t VolumeUpHeld = 0x88, VolumeDownHeld = 0x48, VolumeReleased = 0xC8;
constexpr std::uint8_t StatusBefore = 0xF8, StatusAfter = 0xE8;
constexpr int LevelMs = 125;
constexpr std::uint32_t TuneBase = 10486188; // bits 21 and 23, plus 40 x 10.7 MHz

int SnapToLevel(int volume) { return 16 * static_cast<int>(RoundHalfEven(volume / 16.0)); }
} // namespace

void TRadioCard::RtAudioState(std::uint16_t base)
{
    io_.PortOut(base, AudioPrefix);
    io_.PortOut(base, muted_ ? AudioOff : AudioOn);
}

void TRadioCard::RtSoundBackOn(std::uint16_t base, bool wasMuted)
{
    // A volume change that ends Muted must end the card's silence too, or
    // the window would show it playing while the speaker stays quiet.
    if (wasMuted && !muted_) RtAudioState(base);
}

void TRadioCard::RtOpen()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    muted_ = startMutedPending_;
    io_.PortOut(base, AudioPrefix);
    io_.PortOut(base, startMutedPending_ ? AudioOff : AudioOn);
    if (IsCardLine(volumeLine_)) Unmute();
}

void TRadioCard::RtClose()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    io_.PortOut(base, AudioPrefix);
    io_.PortOut(base, AudioOff);
    CloseTail();
}

void TRadioCard::RtTune(double freq)
{
    const std::uint16_t base = PortValue();
    const auto steps = static_cast<std::uint32_t>(RoundHalfEven(freq * 40));
    const std::uint32_t n = TuneBase + steps;
    for (int bit = 0; bit < 24; ++bit) {
        const bool one = (n >> bit) & 1;
        const std::uint8_t low = one ? 0x05 : 0x01, high = one ? 0x07 : 0x03;
        io_.PortOut(base, low);
        io_.PortOut(base, low);
        io_.PortOut(base, high);
        io_.PortOut(base, high);
    }
    RtAudioState(base);
}

void TRadioCard::RtMute()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    io_.PortOut(base, AudioPrefix);
    io_.PortOut(base, AudioOff);
    muted_ = true;
}

void TRadioCard::RtUnmute()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    io_.PortOut(base, AudioPrefix);
    io_.PortOut(base, AudioOn);
    muted_ = volume_ == 0;
    startMutedPending_ = false;
}

void TRadioCard::RtVolumeUp()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    const bool wasMuted = muted_;
    muted_ = false;
    startMutedPending_ = false;
    if (volume_ < volumeMax_) {
        volume_ = SnapToLevel(volume_ + 16);
        io_.PortOut(base, VolumeUpHeld);
        waiter_.Wait(LevelMs);
        io_.PortOut(base, VolumeReleased);
    }
    RtSoundBackOn(base, wasMuted);
}

void TRadioCard::RtVolumeDown()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    const bool wasMuted = muted_;
    muted_ = true;
    startMutedPending_ = false;
    if (volume_ == 0) return;
    volume_ = SnapToLevel(volume_ - 16);
    io_.PortOut(base, VolumeDownHeld);
    waiter_.Wait(LevelMs);
    io_.PortOut(base, VolumeReleased);
    muted_ = volume_ == 0;
    RtSoundBackOn(base, wasMuted);
}

void TRadioCard::RtSetVolume(int value)
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    const bool wasMuted = muted_;
    const int old = volume_;
    const int target = SnapToLevel(value);
    volume_ = target;
    if (target != old) {
        const int levels = std::abs(old - target) / 16;
        io_.PortOut(base, target > old ? VolumeUpHeld : VolumeDownHeld);
        waiter_.Wait(levels * LevelMs);
        io_.PortOut(base, VolumeReleased);
    }
    startMutedPending_ = false;
    muted_ = volume_ == 0;
    RtSoundBackOn(base, wasMuted);
}

void TRadioCard::RtVolumeToZero()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    io_.PortOut(base, VolumeDownHeld);
    waiter_.Wait(2000); // covers all sixteen levels
    io_.PortOut(base, VolumeReleased);
    volume_ = 0;
    muted_ = true;
    startMutedPending_ = false;
}

tSignal TRadioCard::RtCheckSignal()
{
    const std::uint16_t base = PortValue();
    if (!base) return sgNone;
    io_.PortOut(base, StatusBefore);
    RtAudioState(base);
    waiter_.Wait(150);
    const std::uint8_t s = io_.PortIn(base);
    waiter_.Wait(10);
    io_.PortOut(base, StatusAfter);
    RtAudioState(base);
    if (s == 0xFD) return sgStereo;
    if (s == 0xFF) return sgNone;
    return sgMono;
}
