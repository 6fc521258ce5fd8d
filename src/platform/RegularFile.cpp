#include "RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return QCoreApplication::translate("RegularFile", "a directory");
    if (S_ISFIFO(mode)) return QCoreApplication::translate("RegularFile", "a named pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QCoreApplication::translate("RegularFile", "a device");
    if (S_ISSOCK(mode)) return QCoreApplication::translate("RegularFile", "a socket");
    return QCoreApplication::translate("RegularFile", "not an ordinary file");
}

QString NotRegular(mode_t mode)
{
    return QCoreApplication::translate("RegularFile", "not a regular file but %1").arg(KindOf(mode));
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

bool IsOtherThanRegularFile(const QString& fileName, QString* kind)
{
    struct stat st {};
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return false;
    if (kind) *kind = KindOf(st.st_mode);
    return true;
}

bool OpenRegularFile(QFile& file, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QByteArray path = QFile::encodeName(file.fileName());
    // Looked at first, so a device is never opened at all (opening some of
    // them has effects of its own) and a FIFO never waits for a writer.
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) return fail(SystemReason(errno));
    if (!S_ISREG(st.st_mode)) return fail(NotRegular(st.st_mode));
    // Without blocking, and checked again on the handle, in case the name
    // was replaced in between.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fail(SystemReason(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int why = errno;
        ::close(fd);
        return fail(S_ISREG(st.st_mode) ? SystemReason(why) : NotRegular(st.st_mode));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

bool ReadRegularFile(const QString& fileName, qint64 maxBytes, QByteArray& bytes, QString* error)
{
    QFile file(fileName);
    if (!OpenRegularFile(file, error)) return false;
    // A file that says it is larger is refused unread; one that does not say
    // (files of /proc) is read no further than the limit.
    const bool saysLarger = file.size() > maxBytes;
    QByteArray read;
    if (!saysLarger) read = file.read(maxBytes + 1);
    if (saysLarger || read.size() > maxBytes) {
        if (error)
            *error = QCoreApplication::translate("RegularFile", "larger than %1 KiB, more than such a file ever holds")
                         .arg(maxBytes / 1024);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = file.errorString();
        return false;
    }
    bytes = std::move(read);
    return true;
}
