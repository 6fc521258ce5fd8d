#include "Trace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

TTraceLog::TTraceLog(const QString& fileName)
{
    if (fileName.isEmpty()) return;
    file_ = std::make_unique<QFile>(fileName);
    // Opened without waiting: a FIFO nobody reads would otherwise hold the
    // start (and the instance lock) for ever; it fails at once instead.
    // Once open, writes wait for a slow reader as they would for a disk.
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        openError_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (file_->open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle))
        out_ = file_.get();
    else
        ::close(fd);
}

TTraceLog::TTraceLog(QIODevice* device) : out_(device) {}

bool TTraceLog::IsOpen() const { return out_ != nullptr; }

QString TTraceLog::ErrorString() const
{
    if (!openError_.isEmpty()) return openError_;
    return file_ ? file_->errorString() : QString();
}

static QByteArray Hex(unsigned value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

QByteArray HexBytes(const QByteArray& bytes)
{
    QByteArray text;
    for (char c : bytes) {
        if (!text.isEmpty()) text += ' ';
        text += Hex(static_cast<unsigned char>(c), 2);
    }
    return text;
}

void TTraceLog::Line(const QByteArray& line)
{
    if (!out_) return;
    const QByteArray text = line + '\n';
    const std::lock_guard guard(lock_);
    // Flushed at once so a trace survives a crash or a killed program.
    if (out_->write(text) != text.size() || (file_ && !file_->flush())) writeFailed_ = true;
}

void TTraceLog::Out(std::uint16_t port, std::uint8_t value)
{
    Line("out " + Hex(port, 4) + ' ' + Hex(value, 2));
}

void TTraceLog::In(std::uint16_t port, std::uint8_t value)
{
    Line("in " + Hex(port, 4) + ' ' + Hex(value, 2));
}

void TTraceLog::Wait(int ms) { Line("wait " + QByteArray::number(ms)); }

void TTraceLog::Tx(const QByteArray& bytes)
{
    if (!bytes.isEmpty()) Line("tx " + HexBytes(bytes));
}

void TTraceLog::Rx(const QByteArray& bytes)
{
    if (!bytes.isEmpty()) Line("rx " + HexBytes(bytes));
}

void TTraceLog::Beep(int pitch, int ms) { Line("beep " + QByteArray::number(pitch) + ' ' + QByteArray::number(ms)); }

void TTracingPortAccess::PortOut(std::uint16_t port, std::uint8_t value)
{
    inner_.PortOut(port, value);
    log_.Out(port, value);
}

std::uint8_t TTracingPortAccess::PortIn(std::uint16_t port)
{
    const std::uint8_t value = inner_.PortIn(port);
    log_.In(port, value);
    return value;
}

void TTracingWaiter::Wait(int ms)
{
    log_.Wait(ms);
    inner_.Wait(ms);
}
