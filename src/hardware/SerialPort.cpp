#include "SerialPort.h"

#include "HardwareEnv.h"
#include "Trace.h"

#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// The kernel's termios2, for the two table rates (14400, 56000) that have no
// Bxxx constant: they are set as arbitrary rates with BOTHER. The C library
// does not declare it and the kernel header clashes with <termios.h>; the
// TCGETS2/TCSETS2 requests name it by this tag.
struct termios2 {
    tcflag_t c_iflag;
    tcflag_t c_oflag;
    tcflag_t c_cflag;
    tcflag_t c_lflag;
    cc_t c_line;
    cc_t c_cc[19];
    speed_t c_ispeed;
    speed_t c_ospeed;
};

namespace {
#ifndef BOTHER
constexpr tcflag_t kBother = 0010000;
#else
constexpr tcflag_t kBother = BOTHER;
#endif
#ifndef CBAUD
constexpr tcflag_t kCbaud = 0010017;
#else
constexpr tcflag_t kCbaud = CBAUD;
#endif

constexpr int kBaudRates[] = {110, 300, 600, 1200, 2400, 4800, 9600,
                              14400, 19200, 38400, 56000, 57600, 115200};

speed_t StandardSpeed(int baud)
{
    switch (baud) {
    case 110: return B110;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0; // no constant: set through termios2
    }
}

// Sets an arbitrary rate on an already configured line; false when the
// driver refuses it.
bool SetCustomSpeed(int fd, int baud)
{
#if defined(TCGETS2) && defined(TCSETS2)
    termios2 tio {};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~kCbaud;
    tio.c_cflag |= kBother;
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    return ::ioctl(fd, TCSETS2, &tio) == 0;
#else
    (void)fd;
    (void)baud;
    return false;
#endif
}

// Modem-control ioctls fail with these on pseudo-terminals and some USB
// adapters; the data line works all the same.
void ModemControl(int fd, unsigned long request, int bits)
{
    if (::ioctl(fd, request, &bits) != 0 && errno != ENOTTY && errno != EINVAL) {
        // Nothing more to do: the line settings stay as they are.
    }
}
} // namespace

int BaudRateOf(TComPortBaudRate rate) { return kBaudRates[rate]; }

TSerialPort::TSerialPort(THardwareEnv* env, QObject* parent)
    : QObject(parent), env_(env), receiveBuffer_(inBufSize_)
{
    clock_.start();
    pollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&pollTimer_, &QTimer::timeout, this, [this] { Poll(); });
}

TSerialPort::~TSerialPort() { ClosePort(); }

QString TSerialPort::DeviceName() const
{
    const int n = int(comPort_) + 1;
    if (env_) return env_->ComDevice(n);
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

void TSerialPort::SetComPort(TComPortNumber value)
{
    if (!IsOpen()) comPort_ = value;
}

void TSerialPort::SetComPortSpeed(TComPortBaudRate value)
{
    speed_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortDataBits(TComPortDataBits value)
{
    dataBits_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortStopBits(TComPortStopBits value)
{
    stopBits_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortParity(TComPortParity value)
{
    parity_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortHwHandshaking(TComPortHwHandshaking value)
{
    hw_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortSwHandshaking(TComPortSwHandshaking value)
{
    sw_ = value;
    ApplyLineSettings();
}

void TSerialPort::SetComPortInBufSize(std::uint16_t value)
{
    if (IsOpen()) return;
    inBufSize_ = value;
    receiveBuffer_.assign(inBufSize_, 0);
    SetPacketSize(packetSize_);
}

void TSerialPort::SetComPortOutBufSize(std::uint16_t value)
{
    if (!IsOpen()) outBufSize_ = value;
}

void TSerialPort::SetPacketSize(std::int16_t value)
{
    packetSize_ = value <= 0 ? std::int16_t(-1) : value;
    if (packetSize_ > inBufSize_) {
        // The receive buffer must hold a whole packet, open or not: polling
        // reads PacketSize bytes into it.
        inBufSize_ = std::uint16_t(2 * int(packetSize_));
        receiveBuffer_.assign(inBufSize_, 0);
    }
}

void TSerialPort::SetPacketTimeout(std::int32_t value)
{
    if (value <= 0) value = -1;
    else if (value < pollingDelay_) value = pollingDelay_ + 150;
    packetTimeout_ = value;
}

void TSerialPort::SetComPortPollingDelay(std::uint16_t value)
{
    if (value != pollingDelay_) {
        pollingDelay_ = value;
        if (IsOpen()) SetPolling(true);
    }
    SetPacketTimeout(packetTimeout_);
}

bool TSerialPort::OpenPort()
{
    if (IsOpen()) return true;
    const QByteArray path = DeviceName().toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    termios probe {};
    // Exclusive like the port it stands for: a second open of the same line
    // fails (except for root, as the kernel has it).
    if (::tcgetattr(fd, &probe) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    lineError_ = 0;
    packetStart_ = -1;
    rxTrace_.clear();
    ApplyLineSettings();
    SetPolling(true);
    return IsOpen();
}

void TSerialPort::ClosePort()
{
    if (!IsOpen()) return;
    SetPolling(false);
    FlushRxTrace();
    // The exclusive mark belongs to the line, not to this handle; lift it so
    // the next open (ours or another program's) finds the line free.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

void BuildLineSettings(const TSerialPort& driver, termios& tio)
{
    // Binary always: no translation, no echo, no signals, 8-bit clean.
    ::cfmakeraw(&tio);
    tio.c_cflag |= CREAD | CLOCAL;
    tio.c_cflag &= ~CSIZE;
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= kSizes[driver.ComPortDataBits()];

    tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    tio.c_iflag &= ~(INPCK | ISTRIP);
    switch (driver.ComPortParity()) {
    case ptNONE: break;
    case ptODD: tio.c_cflag |= PARENB | PARODD; break;
    case ptEVEN: tio.c_cflag |= PARENB; break;
    case ptMARK: tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case ptSPACE: tio.c_cflag |= PARENB | CMSPAR; break;
    }

    // termios has one long stop setting: two bits, or one and a half with
    // five data bits, as the UART does it.
    if (driver.ComPortStopBits() == sb1BITS) tio.c_cflag &= ~CSTOPB;
    else tio.c_cflag |= CSTOPB;

    if (driver.ComPortHwHandshaking() == hhRTSCTS) tio.c_cflag |= CRTSCTS;
    else tio.c_cflag &= ~CRTSCTS;

    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (driver.ComPortSwHandshaking() == shXONXOFF) tio.c_iflag |= IXON | IXOFF;
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    // Reads never block: the time limits are the driver's own.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
}

void TSerialPort::ApplyLineSettings()
{
    if (!IsOpen()) return;
    termios tio {};
    if (::tcgetattr(fd_, &tio) != 0) return;
    BuildLineSettings(*this, tio);

    const int baud = kBaudRates[speed_];
    const speed_t standard = StandardSpeed(baud);
    ::cfsetispeed(&tio, standard != B0 ? standard : B9600);
    ::cfsetospeed(&tio, standard != B0 ? standard : B9600);
    ::tcsetattr(fd_, TCSANOW, &tio);
    if (standard == B0) SetCustomSpeed(fd_, baud);

    ModemControl(fd_, enableDtr_ ? TIOCMBIS : TIOCMBIC, TIOCM_DTR);
    if (hw_ == hhNONERTSON) ModemControl(fd_, TIOCMBIS, TIOCM_RTS);
    else if (hw_ == hhNONE) ModemControl(fd_, TIOCMBIC, TIOCM_RTS);

    // The kernel's queues have fixed sizes; ComPortOutBufSize still bounds
    // what OutputRoom reports and ComPortInBufSize the receive buffer.
    PurgeBuffers(true, true);
}

void TSerialPort::PurgeBuffers(bool input, bool output)
{
    if (!IsOpen()) return;
    if (input && output) ::tcflush(fd_, TCIOFLUSH);
    else if (input) ::tcflush(fd_, TCIFLUSH);
    else if (output) ::tcflush(fd_, TCOFLUSH);
    packetStart_ = -1;
}

int TSerialPort::InputCount() const
{
    if (!IsOpen()) return 0xFFFF;
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) != 0) return 0;
    return n;
}

int TSerialPort::OutputRoom() const
{
    if (!IsOpen()) return -1;
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) queued = 0;
    return int(outBufSize_) - queued;
}

int TSerialPort::SendWithin(const char* data, int length, int timeoutMs)
{
    if (!IsOpen() || !data || length <= 0) return 0;
    FlushRxTrace();
    int count = 0;
    qint64 t = clock_.elapsed();
    while (count < length) {
        const int room = OutputRoom();
        if (room > 0) {
            if (checkLineStatus_ && ModemLines() == 0) break;
            const ssize_t written = ::write(fd_, data + count, std::min(length - count, room));
            if (written > 0) {
                count += int(written);
                t = clock_.elapsed();
                continue;
            }
            if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                LineFailed(errno);
                break;
            }
        }
        const qint64 waited = clock_.elapsed() - t;
        if (waited > timeoutMs) break;
        // Rather than spin, sleep until the line takes bytes or the limit passes.
        pollfd pfd {fd_, POLLOUT, 0};
        if (::poll(&pfd, 1, int(std::min<qint64>(timeoutMs - waited + 1, 10))) > 0 &&
            LineGone(pfd.revents))
            break;
    }
    if (count > 0)
        if (TTraceLog* log = env_ ? env_->Trace() : nullptr) log->Tx(QByteArray(data, count));
    return count;
}

int TSerialPort::ReadQueued(char* buffer, int length)
{
    if (length <= 0) return 0;
    const ssize_t got = ::read(fd_, buffer, size_t(length));
    if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) LineFailed(errno);
    if (got <= 0) return 0;
    if (env_ && env_->Trace()) rxTrace_.append(buffer, got);
    return int(got);
}

int TSerialPort::Receive(char* buffer, int length)
{
    if (!IsOpen() || !buffer || length <= 0) return 0;
    HoldPolling();
    int count = 0;
    qint64 t = clock_.elapsed();
    while (count < length && IsOpen()) {
        const int n = Queued();
        if (n < 0) break;
        if (n < 1) {
            const qint64 waited = clock_.elapsed() - t;
            if (waited > inputTimeout_) break;
            // Sleep until a byte arrives or just past the limit.
            pollfd pfd {fd_, POLLIN, 0};
            if (::poll(&pfd, 1, int(inputTimeout_ - waited + 1)) > 0 && LineGone(pfd.revents))
                break;
            continue;
        }
        const int got = ReadQueued(buffer + count, std::min(length - count, n));
        if (got > 0) {
            count += got;
            t = clock_.elapsed();
        }
    }
    ResumePolling();
    if (count == 0) FlushRxTrace();
    return count;
}

bool TSerialPort::ReceiveByte(std::uint8_t& value)
{
    char c = 0;
    if (Receive(&c, 1) != 1) return false;
    value = static_cast<std::uint8_t>(c);
    return true;
}

void TSerialPort::SetDtrLine(bool on)
{
    if (IsOpen()) ModemControl(fd_, on ? TIOCMBIS : TIOCMBIC, TIOCM_DTR);
}

void TSerialPort::SetRtsLine(bool on)
{
    if (IsOpen()) ModemControl(fd_, on ? TIOCMBIS : TIOCMBIC, TIOCM_RTS);
}

int TSerialPort::ModemLines() const
{
    if (!IsOpen()) return 0;
    int status = 0;
    if (::ioctl(fd_, TIOCMGET, &status) != 0) return 0;
    int lines = 0;
    if (status & TIOCM_CTS) lines |= 1;
    if (status & TIOCM_DSR) lines |= 2;
    if (status & TIOCM_RI) lines |= 4;
    if (status & TIOCM_CD) lines |= 8;
    return lines;
}

void TSerialPort::FlushRxTrace()
{
    if (rxTrace_.isEmpty()) return;
    if (TTraceLog* log = env_ ? env_->Trace() : nullptr) log->Rx(rxTrace_);
    rxTrace_.clear();
}

int TSerialPort::Queued()
{
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) == 0) return n;
    LineFailed(errno);
    return -1;
}

void TSerialPort::LineFailed(int error)
{
    if (!IsOpen()) return;
    lineError_ = error;
    ClosePort();
    if (OnLineError) OnLineError(error);
}

bool TSerialPort::LineGone(short revents)
{
    if (!(revents & (POLLHUP | POLLERR | POLLNVAL))) return false;
    LineFailed(revents & POLLNVAL ? EBADF : EIO);
    return true;
}

void TSerialPort::SetPolling(bool on)
{
    auto apply = [this, on] {
        if (on && IsOpen())
            pollTimer_.start(pollingDelay_);
        else if (!on)
            pollTimer_.stop();
    };
    if (QThread::currentThread() == pollTimer_.thread())
        apply();
    else
        QMetaObject::invokeMethod(&pollTimer_, apply, Qt::QueuedConnection);
}

void TSerialPort::Poll()
{
    if (!pollLock_) {
        PollLocked();
        return;
    }
    const std::unique_lock lock(*pollLock_, std::try_to_lock);
    if (lock.owns_lock()) PollLocked();
}

void TSerialPort::PollLocked()
{
    if (!IsOpen() || hold_ > 0) return;
    // A line whose other end went away (hung up) fails FIONREAD, so it is
    // noticed here while nothing is sent.
    int q = Queued();
    if (q < 0) return;
    char* const buffer = receiveBuffer_.data();
    const int bufferSize = int(receiveBuffer_.size());

    if (packetSize_ <= 0) {
        if (q <= 0) return;
        const int got = ReadQueued(buffer, std::min(q, bufferSize));
        if (got > 0 && OnReceiveData) OnReceiveData(this, buffer, got);
        return;
    }

    const qint64 now = clock_.elapsed();
    if (q < packetSize_) {
        if (packetTimeout_ > 0 && packetStart_ >= 0 && now - packetStart_ > packetTimeout_) {
            const int got = ReadQueued(buffer, std::min(q, bufferSize));
            if (packetMode_ == pmPass && got > 0 && OnReceivePacket) OnReceivePacket(this, buffer, got);
            packetStart_ = -1;
            return;
        }
        if (q > 0 && packetStart_ < 0) packetStart_ = now;
        return;
    }

    // Time one packet takes on the line, at ten bits a byte.
    const qint64 transfer = std::llround(packetSize_ / (kBaudRates[speed_] * 0.1) * 1000.0);
    do {
        const int got = ReadQueued(buffer, std::min<int>(packetSize_, bufferSize));
        if (got > 0 && OnReceivePacket) OnReceivePacket(this, buffer, got);
        // A packet that began before counts its remainder from its own
        // start; one that was not pending has a remainder that begins now
        // (from an unset start it would time out at the next tick).
        packetStart_ = packetStart_ >= 0 ? packetStart_ + transfer : now;
        if (q == packetSize_) packetStart_ = -1;
        q -= packetSize_;
    } while (q >= packetSize_);
}
