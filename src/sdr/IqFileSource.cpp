#include "IqFileSource.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <thread>

TIqFileSource::TIqFileSource(std::string path, std::uint32_t centerHz, tClock clock)
    : path_(std::move(path)), center_(centerHz), clock_(std::move(clock)), realClock_(!clock_)
{
    if (!clock_)
        clock_ = [] { return std::chrono::steady_clock::now(); };
}

TIqFileSource::~TIqFileSource()
{
    Close();
}

bool TIqFileSource::Open()
{
    Close();
    file_ = std::fopen(path_.c_str(), "rbe");
    if (!file_) {
        const int error = errno;
        error_ =
            QCoreApplication::translate("TIqFileSource", "Cannot open the I/Q recording %1: %2.")
                .arg(QString::fromStdString(path_), QString::fromLocal8Bit(std::strerror(error)))
                .toStdString();
        return false;
    }
    started_ = false;
    delivered_ = 0;
    return true;
}

void TIqFileSource::Close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

bool TIqFileSource::SetCenter(std::uint32_t hz)
{
    if (center_ == 0)
        center_ = hz;
    return true;
}

bool TIqFileSource::SetSampleRate(std::uint32_t rate)
{
    if (rate == 0) {
        error_ =
            QCoreApplication::translate("TIqFileSource", "A sample rate of 0 cannot be played.")
                .toStdString();
        return false;
    }
    rate_ = rate;
    return true;
}

std::optional<std::uint32_t> TIqFileSource::FixedCenter() const
{
    if (center_ == 0)
        return std::nullopt;
    return center_;
}

long TIqFileSource::Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs)
{
    if (!file_) {
        error_ = QCoreApplication::translate("TIqFileSource", "The I/Q recording %1 is not open.")
                     .arg(QString::fromStdString(path_))
                     .toStdString();
        return iqFailed;
    }
    auto now = clock_();
    if (!started_) {
        started_ = true;
        start_ = now;
    }
    // Samples due by the end of this wait; only a real clock is waited for.
    auto due = [&](std::chrono::steady_clock::time_point t) {
        auto us = std::chrono::duration_cast<std::chrono::microseconds>(t - start_).count();
        return std::uint64_t(us) * rate_ / 1000000;
    };
    std::uint64_t wanted = bytes / 2;
    std::uint64_t ready = due(now) - std::min(due(now), delivered_);
    if (ready == 0 && realClock_ && timeoutMs > 0) {
        // Sleep until one block's worth (or what the wait allows) is due.
        std::uint64_t target = delivered_ + std::min<std::uint64_t>(wanted, rate_ / 100 + 1);
        auto at = start_ + std::chrono::microseconds(target * 1000000 / rate_);
        auto limit = now + std::chrono::milliseconds(timeoutMs);
        std::this_thread::sleep_until(std::min(at, limit));
        now = clock_();
        ready = due(now) - std::min(due(now), delivered_);
    }
    std::size_t take = std::size_t(std::min(wanted, ready)) * 2;
    if (take == 0)
        return iqTimedOut;
    std::size_t n = std::fread(buffer, 1, take, file_);
    if (n == 0) {
        if (std::ferror(file_)) {
            const int error = errno;
            error_ = QCoreApplication::translate("TIqFileSource",
                                                 "Cannot read the I/Q recording %1: %2.")
                         .arg(QString::fromStdString(path_),
                              QString::fromLocal8Bit(std::strerror(error)))
                         .toStdString();
            return iqFailed;
        }
        return iqEnd;
    }
    n &= ~std::size_t(1); // a last odd byte is half a sample
    if (n == 0)
        return iqEnd;
    delivered_ += n / 2;
    return long(n);
}
