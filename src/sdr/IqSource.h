#pragma once
// Where the software-defined radio's samples come from: 8-bit unsigned
// interleaved I/Q, as the RTL2832U delivers it. A dongle on USB (librtlsdr),
// a dongle served by rtl_tcp over the network, a recording played in real
// time, or the emulated dongle of --simulate. Every call answers; none throws.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What Read says besides a count of bytes.
enum tIqRead : long {
    iqTimedOut = 0,  // nothing arrived within the wait
    iqEnd = -1,      // the recording ended
    iqFailed = -2,   // the device or the connection failed (a server that closed it too): see Error()
};

class TIqSource {
public:
    virtual ~TIqSource() = default;

    // Connects, claims or opens; false with Error() saying why and what to do.
    virtual bool Open() = 0;
    virtual void Close() = 0;

    // The dongle's centre frequency in Hz, its sample rate in samples per
    // second, the tuner gain in tenths of a dB (automatic when `automatic`)
    // and the frequency correction in ppm. False with Error() when refused.
    virtual bool SetCenter(std::uint32_t hz) = 0;
    virtual bool SetSampleRate(std::uint32_t rate) = 0;
    virtual bool SetGain(bool automatic, int tenthsDb) = 0;
    virtual bool SetCorrection(int ppm) = 0;
    // The tuner's gain steps in tenths of a dB, lowest first; empty when unknown.
    virtual std::vector<int> Gains() const = 0;

    // Reads up to `bytes` bytes (an even count: I and Q of each sample),
    // waiting at most `timeoutMs`: the count read, or a tIqRead.
    virtual long Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs) = 0;

    // A recording's centre frequency once known: the source cannot move, so
    // tuning moves only the receiver within the band it holds.
    virtual std::optional<std::uint32_t> FixedCenter() const { return std::nullopt; }

    // Why the last call failed, in a sentence the user can act on.
    virtual std::string Error() const = 0;
};
