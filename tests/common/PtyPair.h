#pragma once
// A pseudo-terminal pair for serial tests: the test talks on the master side,
// the code under test opens the slave path like a serial device.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

class TPtyPair {
public:
    TPtyPair()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        // Not inherited by a program the test starts, so closing it here closes the line.
        ::fcntl(master_, F_SETFD, FD_CLOEXEC);
        char name[128] = {};
        if (::ptsname_r(master_, name, sizeof name) != 0) return;
        slavePath_ = QString::fromLocal8Bit(name);
        // Held so the line stays up while the code under test closes and reopens it.
        hold_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios tio {};
        ::tcgetattr(master_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(master_, TCSANOW, &tio);
    }
    ~TPtyPair()
    {
        if (hold_ >= 0) ::close(hold_);
        if (master_ >= 0) ::close(master_);
    }
    TPtyPair(const TPtyPair&) = delete;
    TPtyPair& operator=(const TPtyPair&) = delete;

    bool Valid() const { return master_ >= 0 && hold_ >= 0; }
    QString SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    // The other end goes away, as when a USB adapter is pulled out.
    void CloseMaster()
    {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    void Write(const QByteArray& bytes) { (void)!::write(master_, bytes.constData(), size_t(bytes.size())); }

    // Reads what arrives within `ms`, returning early once `want` bytes came.
    QByteArray Read(int want, int ms = 10000)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < want && timer.elapsed() < ms) {
            pollfd pfd {master_, POLLIN, 0};
            if (::poll(&pfd, 1, 20) > 0) {
                char buffer[256];
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n > 0) got.append(buffer, n);
            }
        }
        return got;
    }

    termios Settings() const
    {
        termios tio {};
        ::tcgetattr(master_, &tio);
        return tio;
    }

private:
    int master_ = -1;
    int hold_ = -1;
    QString slavePath_;
};
