#include "SerialReceiverEmulator.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr char FrameStart = 0x1D;
constexpr char FrameMark = '#';
constexpr int ChannelDigits = 3;
constexpr double FMOrigin = 76.0, FMStep = 0.05;
constexpr double AMOrigin = 0.531, AMStep = 0.009;

void MakeRaw(int fd)
{
    termios tio {};
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
}

void CloseFd(int& fd)
{
    if (fd >= 0) ::close(fd);
    fd = -1;
}

void WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd pfd {fd, POLLOUT, 0};
            ::poll(&pfd, 1, 50);
        } else if (n < 0 && errno != EINTR) {
            return;
        }
    }
}
} // namespace

TSerialReceiverEmulator::TSerialReceiverEmulator(const TStationList& stations) : stations_(stations)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    char name[128] = {};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        ::close(master);
        return;
    }
    // Without a slave held open the master reports a hang-up whenever the
    // program has closed the line, and poll() would spin.
    slaveHold_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveHold_ < 0 || ::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        CloseFd(slaveHold_);
        ::close(master);
        return;
    }
    MakeRaw(master);
    MakeRaw(slaveHold_);
    master_ = master;
    slavePath_ = QString::fromLocal8Bit(name);
    thread_ = std::thread([this] { Run(); });
}

TSerialReceiverEmulator::~TSerialReceiverEmulator()
{
    if (thread_.joinable()) {
        const char stop = 'x';
        (void)!::write(wake_[1], &stop, 1);
        thread_.join();
    }
    CloseFd(wake_[0]);
    CloseFd(wake_[1]);
    CloseFd(slaveHold_);
    CloseFd(master_);
}

void TSerialReceiverEmulator::Run()
{
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (fds[0].revents & POLLIN) {
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                for (ssize_t i = 0; i < n; ++i) Feed(static_cast<std::uint8_t>(buffer[i]));
                // Recorded once acted on, so whoever sees the bytes arrive also sees their effect.
                std::lock_guard lock(mutex_);
                received_.append(buffer, n);
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Cannot happen while the slave is held, but never spin on it.
            ::poll(fds + 1, 1, 20);
        }
    }
}

void TSerialReceiverEmulator::Feed(std::uint8_t byte)
{
    if (digitsWanted_ > 0) {
        if (byte >= '0' && byte <= '9') {
            digits_.append(char(byte));
            if (--digitsWanted_ == 0) {
                const int channel = digits_.toInt();
                std::lock_guard lock(mutex_);
                channel_ = channel;
                band_ = digitsBand_;
                mhz_ = digitsBand_ == bFM ? FMOrigin + FMStep * channel : AMOrigin + AMStep * channel;
            }
            return;
        }
        // Anything but a digit abandons the tuning; the byte may start a frame.
        digitsWanted_ = 0;
    }

    frame_.append(char(byte));
    // Resynchronise on the frame's first byte whenever the pattern breaks.
    const bool fits = (frame_.size() == 1 && frame_[0] == FrameStart)
                      || (frame_.size() == 2 && frame_[1] == FrameMark)
                      || frame_.size() == 3
                      || (frame_.size() == 4 && frame_[3] == FrameMark);
    if (!fits) {
        frame_.clear();
        if (char(byte) == FrameStart) frame_.append(char(byte));
        return;
    }
    if (frame_.size() < 4) return;
    const char code = frame_[2];
    frame_.clear();
    switch (code) {
    case 0x01: {
        std::lock_guard lock(mutex_);
        muted_ = false;
        break;
    }
    case 0x02: {
        std::lock_guard lock(mutex_);
        muted_ = true;
        break;
    }
    case 0x05:
    case 0x09:
        digitsBand_ = code == 0x05 ? bFM : bAM;
        digitsWanted_ = ChannelDigits;
        digits_.clear();
        break;
    case 0x08: Answer(); break;
    default: break; // unknown commands are ignored, as a receiver would
    }
}

void TSerialReceiverEmulator::Answer()
{
    bool onStation = false;
    {
        std::lock_guard lock(mutex_);
        ++queries_;
        onStation = channel_ >= 0 && stations_.Find(band_, mhz_) != nullptr;
    }
    // A receiver says more than the program looks for: a status byte before
    // the tuned frame and a line end after it.
    if (onStation) WriteAll(master_, QByteArray("\x06\x1D#\x04#\r", 6));
}

double TSerialReceiverEmulator::FrequencyMHz() const
{
    std::lock_guard lock(mutex_);
    return mhz_;
}

tBand TSerialReceiverEmulator::Band() const
{
    std::lock_guard lock(mutex_);
    return band_;
}

bool TSerialReceiverEmulator::Muted() const
{
    std::lock_guard lock(mutex_);
    return muted_;
}

int TSerialReceiverEmulator::Channel() const
{
    std::lock_guard lock(mutex_);
    return channel_;
}

int TSerialReceiverEmulator::Queries() const
{
    std::lock_guard lock(mutex_);
    return queries_;
}

QByteArray TSerialReceiverEmulator::Received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

void TSerialReceiverEmulator::ClearReceived()
{
    std::lock_guard lock(mutex_);
    received_.clear();
}
