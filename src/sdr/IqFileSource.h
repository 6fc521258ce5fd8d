#pragma once
// An I/Q recording (8-bit unsigned interleaved, as rtl_sdr writes it) played
// in real time: Read hands out only the samples whose time has come since
// the first read. Its centre frequency is the one given, or else the first
// SetCenter; later SetCenter calls leave it there.

#include "IqSource.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

class TIqFileSource final : public TIqSource {
public:
    using tClock = std::function<std::chrono::steady_clock::time_point()>;

    // `centerHz` 0: taken from the first SetCenter. `clock`: the time the
    // pacing follows (tests drive their own).
    explicit TIqFileSource(std::string path, std::uint32_t centerHz = 0, tClock clock = {});
    ~TIqFileSource() override;

    bool Open() override;
    void Close() override;
    bool SetCenter(std::uint32_t hz) override;
    bool SetSampleRate(std::uint32_t rate) override;
    bool SetGain(bool, int) override { return true; }
    bool SetCorrection(int) override { return true; }
    std::vector<int> Gains() const override { return {}; }
    long Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs) override;
    std::optional<std::uint32_t> FixedCenter() const override;
    std::string Error() const override { return error_; }

private:
    const std::string path_;
    std::uint32_t center_;
    tClock clock_;
    bool realClock_;
    std::FILE* file_ = nullptr;
    std::uint32_t rate_ = 1024000;
    bool started_ = false;
    std::chrono::steady_clock::time_point start_{};
    std::uint64_t delivered_ = 0; // samples handed out since the first read
    std::string error_;
};
