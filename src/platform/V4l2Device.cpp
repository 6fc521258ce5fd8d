#include "V4l2Device.h"

#include "Trace.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

TFd::~TFd()
{
    if (fd_ >= 0) ::close(fd_);
}

TFd& TFd::operator=(TFd&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.Release();
    }
    return *this;
}

int TFd::Release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

int TKernelV4l2Device::Ioctl(unsigned long request, void* arg)
{
    int r;
    do r = ::ioctl(fd_.Get(), request, arg);
    while (r < 0 && errno == EINTR);
    return r < 0 ? -errno : 0;
}

int TKernelV4l2Device::Read(void* buffer, int size)
{
    // The device is opened blocking (a non-blocking handle refuses the
    // hardware seek), so look before reading.
    pollfd p{fd_.Get(), POLLIN, 0};
    const int ready = ::poll(&p, 1, 0);
    if (ready < 0) return errno == EINTR ? 0 : -errno;
    if (ready == 0) return 0;
    if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) return -ENODEV;
    const ssize_t got = ::read(fd_.Get(), buffer, std::size_t(size));
    if (got < 0) return errno == EAGAIN || errno == EINTR ? 0 : -errno;
    return int(got);
}

std::unique_ptr<TV4l2Device> OpenKernelV4l2Device(const QString& path, int* error)
{
    TFd fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
    if (!fd.Valid()) {
        if (error) *error = errno;
        return nullptr;
    }
    return std::make_unique<TKernelV4l2Device>(std::move(fd));
}

QByteArray DescribeV4l2Call(unsigned long request, const void* arg)
{
    auto n = [](auto value) { return QByteArray::number(qlonglong(value)); };
    switch (request) {
    case VIDIOC_QUERYCAP: {
        const auto* c = static_cast<const v4l2_capability*>(arg);
        return "QUERYCAP " + n(c->capabilities) + ' ' + n(c->device_caps);
    }
    case VIDIOC_G_TUNER:
    case VIDIOC_S_TUNER: {
        const auto* t = static_cast<const v4l2_tuner*>(arg);
        const QByteArray name = request == VIDIOC_G_TUNER ? "G_TUNER " : "S_TUNER ";
        if (request == VIDIOC_S_TUNER) return name + n(t->index) + ' ' + n(t->audmode);
        return name + n(t->index) + ' ' + n(t->rangelow) + ' ' + n(t->rangehigh) + ' ' + n(t->capability) +
               ' ' + n(t->rxsubchans) + ' ' + n(t->signal);
    }
    case VIDIOC_ENUM_FREQ_BANDS: {
        const auto* b = static_cast<const v4l2_frequency_band*>(arg);
        return "ENUM_FREQ_BANDS " + n(b->index) + ' ' + n(b->rangelow) + ' ' + n(b->rangehigh) + ' ' +
               n(b->modulation);
    }
    case VIDIOC_G_FREQUENCY:
    case VIDIOC_S_FREQUENCY: {
        const auto* f = static_cast<const v4l2_frequency*>(arg);
        return (request == VIDIOC_G_FREQUENCY ? "G_FREQUENCY " : "S_FREQUENCY ") + n(f->frequency);
    }
    case VIDIOC_S_HW_FREQ_SEEK: {
        const auto* s = static_cast<const v4l2_hw_freq_seek*>(arg);
        return "S_HW_FREQ_SEEK " + n(s->seek_upward) + ' ' + n(s->wrap_around) + ' ' + n(s->spacing) + ' ' +
               n(s->rangelow) + ' ' + n(s->rangehigh);
    }
    case VIDIOC_QUERYCTRL: {
        const auto* q = static_cast<const v4l2_queryctrl*>(arg);
        return "QUERYCTRL " + n(q->id) + ' ' + n(q->minimum) + ' ' + n(q->maximum) + ' ' + n(q->flags);
    }
    case VIDIOC_G_CTRL:
    case VIDIOC_S_CTRL: {
        const auto* c = static_cast<const v4l2_control*>(arg);
        return (request == VIDIOC_G_CTRL ? "G_CTRL " : "S_CTRL ") + n(c->id) + ' ' + n(c->value);
    }
    default: return "0x" + QByteArray::number(qulonglong(request), 16).toUpper();
    }
}

int TTracingV4l2Device::Ioctl(unsigned long request, void* arg)
{
    const int r = inner_->Ioctl(request, arg);
    QByteArray line = "ioctl " + DescribeV4l2Call(request, arg);
    if (r < 0) line += " error " + QByteArray::number(-r);
    log_.Line(line);
    return r;
}

int TTracingV4l2Device::Read(void* buffer, int size)
{
    const int r = inner_->Read(buffer, size);
    // Empty polls would drown the trace.
    if (r != 0) log_.Line(r > 0 ? "read " + QByteArray::number(r) : "read error " + QByteArray::number(-r));
    return r;
}

QStringList ListRadioDevices(const QString& dir)
{
    const QStringList names = QDir(dir).entryList({QStringLiteral("radio*")}, QDir::System | QDir::Files);
    std::vector<std::pair<int, QString>> found;
    for (const QString& name : names) {
        bool ok = false;
        const int number = name.mid(5).toInt(&ok);
        if (ok && number >= 0) found.emplace_back(number, QDir(dir).filePath(name));
    }
    std::sort(found.begin(), found.end());
    QStringList paths;
    for (const auto& [number, path] : found) paths << path;
    return paths;
}
