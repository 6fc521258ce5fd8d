#include "DirectPortAccess.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VANTORO_HAS_PORT_IO 1
#else
#define VANTORO_HAS_PORT_IO 0
#endif

bool TDirectPortAccess::Acquire(std::uint16_t first, int count)
{
#if VANTORO_HAS_PORT_IO
    if (ioperm(first, static_cast<unsigned long>(count), 1) != 0) {
        const int err = errno;
        reason_ = err == ENOSYS
                      ? QCoreApplication::translate("TDirectPortAccess", "this kernel offers no I/O port access (ioperm: %1)")
                            .arg(QString::fromLocal8Bit(std::strerror(err)))
                      : QStringLiteral("ioperm: %1").arg(QString::fromLocal8Bit(std::strerror(err)));
        return false;
    }
    for (int i = 0; i < count; ++i) granted_.insert(static_cast<std::uint16_t>(first + i));
    return true;
#else
    (void)first;
    (void)count;
    reason_ = QCoreApplication::translate("TDirectPortAccess", "this processor has no I/O ports");
    return false;
#endif
}

void TDirectPortAccess::PortOut(std::uint16_t port, std::uint8_t value)
{
#if VANTORO_HAS_PORT_IO
    if (Granted(port)) outb(value, port);
#else
    (void)port;
    (void)value;
#endif
}

std::uint8_t TDirectPortAccess::PortIn(std::uint16_t port)
{
#if VANTORO_HAS_PORT_IO
    if (Granted(port)) return inb(port);
#else
    (void)port;
#endif
    return 0xFF;
}

bool PortAccessAvailable(TDirectPortAccess& ports, QString* reason)
{
    const bool ok = ports.Acquire(0x20C, 4) && ports.Acquire(0x30C, 4);
    if (!ok && reason) *reason = ports.Reason();
    return ok;
}

bool KernelHasPortIo()
{
#if VANTORO_HAS_PORT_IO
    // Giving up access needs no privilege, so only a kernel without port
    // I/O refuses it.
    return ioperm(0x30C, 1, 0) == 0 || errno != ENOSYS;
#else
    return false;
#endif
}
