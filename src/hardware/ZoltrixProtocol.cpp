// Zoltrix Radio Plus 108: a 45-bit word clocked out through the base port,
// sixteen absolute volume levels, and the signal read twice from the base port.
// Uses the base B and B + 2, B + 3.

#include "RadioCards.h"

#include <algorithm>

namespace {
constexpr std::uint64_t TuneTemplate = 0xC480402C10080000ULL;
constexpr int SentBits = 45;

// Bit position p counts from 1 at the leftmost bit of the 64-bit word.
constexpr int Shift(int position) { return 64 - position; }

constexpr int MaxLevel = 15;

int SnapToLevel(int volume) { return 16 * static_cast<int>(RoundHalfEven(volume / 16.0)); }
} // namespace

std::uint64_t ZoltrixTuningWord(double freq, bool stereo)
{
    const int n = static_cast<int>(RoundHalfEven((freq - (1.05 + 87.0)) * 200));
    const auto w = static_cast<std::uint16_t>(n + 19740);
    const std::uint64_t low = w & 0xFF, high = w >> 8;
    std::uint64_t word = TuneTemplate;
    word ^= low << Shift(17);
    word ^= high << Shift(26);
    if (stereo) word ^= std::uint64_t(1) << Shift(33);
    return word;
}

int TRadioCard::ZxLevel() const
{
    // Without a volume step (no volume line) there is no level to write.
    if (volumeStep_ == 0) return -1;
    // On a sound-card line the line sets the loudness; the card plays at its
    // own loudest level, which keeps it within its sixteen levels.
    if (IsCardLine(volumeLine_)) return MaxLevel;
    // A volume below one step (0 after opening unmuted) has no level of its
    // own; as a byte it would wrap to 0xFF, which the card takes for its
    // loudest level. It gets the lowest level instead, the same 0x00 that
    // opening writes before it enables the audio.
    return std::max(volume_ / volumeStep_ - 1, 0) & 0xFF;
}

void TRadioCard::ZxSilence(std::uint16_t base)
{
    io_.PortOut(base, 0x00);
    io_.PortOut(base, 0x00);
    io_.PortIn(base + 3);
}

void TRadioCard::ZxLevelWrite(std::uint16_t base)
{
    const int level = ZxLevel();
    if (level < 0) return;
    io_.PortOut(base, std::uint8_t(level));
    io_.PortIn(base);
}

void TRadioCard::ZxLevelAndEnable(std::uint16_t base)
{
    const int level = ZxLevel();
    if (level < 0) return;
    io_.PortOut(base, std::uint8_t(level));
    io_.PortIn(base + 2);
}

void TRadioCard::ZxOpen()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    muted_ = startMutedPending_;
    if (startMutedPending_) {
        ZxSilence(base);
    } else {
        io_.PortOut(base, 0x00);
        io_.PortIn(base + 2);
    }
    if (IsCardLine(volumeLine_)) Unmute();
}

void TRadioCard::ZxClose()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    ZxSilence(base);
    CloseTail();
}

void TRadioCard::ZxTune(double freq, bool stereo)
{
    const std::uint16_t base = PortValue();
    const std::uint64_t word = ZoltrixTuningWord(freq, stereo);
    ZxSilence(base);
    io_.PortOut(base, 0x40);
    io_.PortOut(base, 0xC0);
    for (int p = 1; p <= SentBits; ++p) {
        const bool one = (word >> Shift(p)) & 1;
        for (std::uint8_t b : one ? std::array<std::uint8_t, 3>{0x80, 0x00, 0x80}
                                  : std::array<std::uint8_t, 3>{0xC0, 0x40, 0xC0})
            io_.PortOut(base, b);
    }
    io_.PortOut(base, 0x80);
    io_.PortOut(base, 0xC0);
    io_.PortOut(base, 0x40);
    if (!muted_) ZxLevelAndEnable(base);
}

void TRadioCard::ZxMute()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    ZxSilence(base);
    muted_ = true;
}

void TRadioCard::ZxUnmute()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    startMutedPending_ = false;
    // On a sound-card line the volume is the line's, kept as the user set it.
    const bool line = IsCardLine(volumeLine_);
    if (volume_ == 0 && !line) return;
    if (!line) volume_ = SnapToLevel(volume_);
    io_.PortOut(base, 0x00);
    ZxLevelAndEnable(base);
    muted_ = volume_ == 0 && !line;
}

void TRadioCard::ZxVolumeUp()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    if (volume_ >= volumeMax_) return;
    volume_ = SnapToLevel(volume_ + 16);
    ZxLevelWrite(base);
    muted_ = false;
}

void TRadioCard::ZxVolumeDown()
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    if (volume_ == 0) return;
    muted_ = true;
    startMutedPending_ = false;
    volume_ = SnapToLevel(volume_ - 16);
    if (volume_ == 0)
        ZxSilence(base);
    else
        ZxLevelWrite(base);
    muted_ = volume_ == 0;
}

void TRadioCard::ZxSetVolume(int value)
{
    const std::uint16_t base = PortValue();
    if (!base) return;
    volume_ = SnapToLevel(value);
    if (volume_ == 0) {
        ZxSilence(base);
    } else {
        if (muted_) {
            io_.PortOut(base, 0x00);
            waiter_.Wait(10);
            io_.PortIn(base + 2);
        }
        ZxLevelWrite(base);
    }
    startMutedPending_ = false;
    muted_ = volume_ == 0;
}

tSignal TRadioCard::ZxCheckSignal()
{
    const std::uint16_t base = PortValue();
    if (!base) return sgNone;
    io_.PortOut(base, 0x00);
    if (muted_)
        io_.PortOut(base, 0x00);
    else if (ZxLevel() >= 0)
        io_.PortOut(base, std::uint8_t(ZxLevel()));
    waiter_.Wait(10);
    const std::uint8_t a = io_.PortIn(base);
    waiter_.Wait(1);
    const std::uint8_t b = io_.PortIn(base);
    if (muted_)
        ZxSilence(base);
    else
        ZxLevelAndEnable(base);
    const std::uint8_t wanted = stereo_ ? 0xEF : 0xDF;
    return a == wanted && b == wanted ? sgTuned : sgNone;
}
