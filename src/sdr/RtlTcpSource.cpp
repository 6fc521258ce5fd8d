#include "RtlTcpSource.h"

#include <QCoreApplication>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::uint32_t BigEndian(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Milliseconds left of a wait that ends at `deadline`, at least 0.
int Left(std::chrono::steady_clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

// The system's words for error number `error`.
QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

TRtlTcpSource::TRtlTcpSource(std::string host, std::uint16_t port) : host_(std::move(host)), port_(port) {}

TRtlTcpSource::~TRtlTcpSource()
{
    Close();
}

QString TRtlTcpSource::Address() const
{
    return QString::fromStdString(host_) + QLatin1Char(':') + QString::number(port_);
}

QString TRtlTcpSource::ConnectionLost(int error) const
{
    return QCoreApplication::translate("TRtlTcpSource",
                                       "Lost the connection to the rtl_tcp server at %1: %2.")
        .arg(Address(), SystemError(error));
}

bool TRtlTcpSource::Fail(const QString& why)
{
    error_ = why.toStdString();
    return false;
}

bool TRtlTcpSource::Open()
{
    Close();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ConnectTimeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    std::string service = std::to_string(port_);
    int r = getaddrinfo(host_.c_str(), service.c_str(), &hints, &found);
    if (r != 0)
        return Fail(
            QCoreApplication::translate("TRtlTcpSource", "Cannot find the host %1: %2.")
                .arg(QString::fromStdString(host_), QString::fromLocal8Bit(gai_strerror(r))));
    QString lastError = QCoreApplication::translate("TRtlTcpSource", "no address");
    for (addrinfo* a = found; a && socket_ < 0; a = a->ai_next) {
        int s = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (s < 0) {
            lastError = SystemError(errno);
            continue;
        }
        if (connect(s, a->ai_addr, a->ai_addrlen) < 0 && errno != EINPROGRESS) {
            lastError = SystemError(errno);
            ::close(s);
            continue;
        }
        pollfd p{s, POLLOUT, 0};
        int ready = poll(&p, 1, Left(deadline));
        int soError = 0;
        socklen_t length = sizeof soError;
        if (ready <= 0) {
            lastError = QCoreApplication::translate("TRtlTcpSource", "no answer within 2 seconds");
        } else if (getsockopt(s, SOL_SOCKET, SO_ERROR, &soError, &length) < 0 || soError != 0) {
            lastError = SystemError(soError ? soError : errno);
        } else {
            socket_ = s;
            break;
        }
        ::close(s);
    }
    freeaddrinfo(found);
    if (socket_ < 0)
        return Fail(QCoreApplication::translate("TRtlTcpSource",
                                                "Cannot connect to the rtl_tcp server at %1: %2.")
                        .arg(Address(), lastError));
    int one = 1;
    setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

    std::uint8_t header[12];
    std::size_t got = 0;
    while (got < sizeof header) {
        pollfd p{socket_, POLLIN, 0};
        if (poll(&p, 1, Left(deadline)) <= 0) {
            Close();
            return Fail(QCoreApplication::translate("TRtlTcpSource",
                                                    "The rtl_tcp server at %1 sent no header "
                                                    "within 2 seconds: is it an rtl_tcp server?")
                            .arg(Address()));
        }
        ssize_t n = recv(socket_, header + got, sizeof header - got, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0) {
            Close();
            return Fail(
                QCoreApplication::translate("TRtlTcpSource",
                                            "The rtl_tcp server at %1 closed the connection before "
                                            "its header (is the dongle in use by another client?).")
                    .arg(Address()));
        }
        got += std::size_t(n);
    }
    if (std::memcmp(header, "RTL0", 4) != 0) {
        Close();
        return Fail(QCoreApplication::translate(
                        "TRtlTcpSource", "The rtl_tcp server at %1 sent a header that does not "
                                         "begin with \"RTL0\": it is not an rtl_tcp server.")
                        .arg(Address()));
    }
    tuner_ = BigEndian(header + 4);
    gains_ = TunerGains(tuner_);
    pending_ = -1;
    error_.clear();
    return true;
}

void TRtlTcpSource::Close()
{
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
    pending_ = -1;
}

bool TRtlTcpSource::Command(std::uint8_t command, std::uint32_t value)
{
    if (socket_ < 0)
        return Fail(QCoreApplication::translate("TRtlTcpSource",
                                                "Not connected to the rtl_tcp server at %1.")
                        .arg(Address()));
    std::uint8_t frame[5] = {command, std::uint8_t(value >> 24), std::uint8_t(value >> 16), std::uint8_t(value >> 8),
                             std::uint8_t(value)};
    std::size_t sent = 0;
    while (sent < sizeof frame) {
        ssize_t n = send(socket_, frame + sent, sizeof frame - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{socket_, POLLOUT, 0};
            if (poll(&p, 1, ConnectTimeoutMs) > 0)
                continue;
            return Fail(QCoreApplication::translate(
                            "TRtlTcpSource", "The rtl_tcp server at %1 takes no more commands.")
                            .arg(Address()));
        }
        if (n <= 0) return Fail(ConnectionLost(errno));
        sent += std::size_t(n);
    }
    return true;
}

bool TRtlTcpSource::SetCenter(std::uint32_t hz)
{
    return Command(0x01, hz);
}

bool TRtlTcpSource::SetSampleRate(std::uint32_t rate)
{
    return Command(0x02, rate);
}

bool TRtlTcpSource::SetGain(bool automatic, int tenthsDb)
{
    if (automatic)
        return Command(0x03, 0) && Command(0x08, 1);
    return Command(0x03, 1) && Command(0x08, 0) && Command(0x04, std::uint32_t(SnapGain(gains_, tenthsDb)));
}

bool TRtlTcpSource::SetCorrection(int ppm)
{
    return Command(0x05, std::uint32_t(ppm));
}

long TRtlTcpSource::Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs)
{
    if (socket_ < 0) {
        Fail(QCoreApplication::translate("TRtlTcpSource",
                                         "Not connected to the rtl_tcp server at %1.")
                 .arg(Address()));
        return iqFailed;
    }
    bytes &= ~std::size_t(1);
    if (bytes == 0)
        return iqTimedOut;
    std::size_t got = 0;
    if (pending_ >= 0)
        buffer[got++] = std::uint8_t(pending_);
    pending_ = -1;
    pollfd p{socket_, POLLIN, 0};
    int ready = poll(&p, 1, timeoutMs);
    if (ready < 0 && errno != EINTR) {
        Fail(ConnectionLost(errno));
        return iqFailed;
    }
    if (ready > 0) {
        ssize_t n = recv(socket_, buffer + got, bytes - got, 0);
        if (n == 0) {
            Fail(QCoreApplication::translate("TRtlTcpSource",
                                             "The rtl_tcp server at %1 closed the connection.")
                     .arg(Address()));
            return iqFailed;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            Fail(ConnectionLost(errno));
            return iqFailed;
        }
        if (n > 0)
            got += std::size_t(n);
    }
    if (got % 2) {
        pending_ = buffer[--got];
    }
    return long(got);
}
