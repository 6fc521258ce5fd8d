#pragma once
// A Video4Linux2 radio device as the program reaches it: ioctls on the
// kernel's structures and reads of the RDS block stream. The kernel device
// and the emulated radio both provide it, so the radio card runs the same
// code against either.
//
// Every call gives a result the caller must look at: 0 (or a byte count) on
// success, a negative errno on failure.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class TTraceLog;

class TV4l2Device {
public:
    virtual ~TV4l2Device() = default;
    // One ioctl; `arg` points at the request's structure. 0 or -errno.
    [[nodiscard]] virtual int Ioctl(unsigned long request, void* arg) = 0;
    // Reads what RDS data is waiting, without blocking: a byte count (0 when
    // nothing is waiting) or -errno.
    [[nodiscard]] virtual int Read(void* buffer, int size) = 0;
};

// A file descriptor that closes itself.
class TFd {
public:
    TFd() = default;
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd();
    TFd(TFd&& other) noexcept : fd_(other.Release()) {}
    TFd& operator=(TFd&& other) noexcept;
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release();

private:
    int fd_ = -1;
};

// The kernel's device behind an open file descriptor.
class TKernelV4l2Device final : public TV4l2Device {
public:
    explicit TKernelV4l2Device(TFd fd) : fd_(std::move(fd)) {}
    int Ioctl(unsigned long request, void* arg) override;
    int Read(void* buffer, int size) override;

private:
    TFd fd_;
};

// Opens a device file; null with `*error` set to the errno when it fails.
std::unique_ptr<TV4l2Device> OpenKernelV4l2Device(const QString& path, int* error);

// Writes every call to the trace as `ioctl NAME values` (the request's name
// without VIDIOC_, its main values in decimal, then `error N` when it failed).
class TTracingV4l2Device final : public TV4l2Device {
public:
    TTracingV4l2Device(std::unique_ptr<TV4l2Device> inner, TTraceLog& log)
        : inner_(std::move(inner)), log_(log) {}
    int Ioctl(unsigned long request, void* arg) override;
    int Read(void* buffer, int size) override;

private:
    std::unique_ptr<TV4l2Device> inner_;
    TTraceLog& log_;
};

// The name and main values of a request, as the trace writes them:
// "S_FREQUENCY 1520000". `arg` is read after the call.
QByteArray DescribeV4l2Call(unsigned long request, const void* arg);

// The radio devices in /dev (radio0, radio1, ...), in the order of their numbers.
QStringList ListRadioDevices(const QString& dir = QStringLiteral("/dev"));
