// The emulated serial receiver on its pseudo-terminal, spoken to directly, and
// the simulator handing out one receiver per COM port.

#include "SerialReceiverEmulator.h"
#include "SimulatedHardware.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QThread>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
// The program's end of the line: the slave, raw.
class TLine {
public:
    explicit TLine(const QString& path)
    {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios tio {};
        if (fd_ >= 0 && ::tcgetattr(fd_, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~TLine()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Valid() const { return fd_ >= 0; }
    void Send(const QByteArray& bytes) { ASSERT_EQ(::write(fd_, bytes.constData(), size_t(bytes.size())), bytes.size()); }
    QByteArray Collect(int ms)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            pollfd pfd {fd_, POLLIN, 0};
            if (::poll(&pfd, 1, 10) > 0) {
                char buffer[64];
                const ssize_t n = ::read(fd_, buffer, sizeof buffer);
                if (n > 0) got.append(buffer, n);
            }
        }
        return got;
    }

private:
    int fd_ = -1;
};

QByteArray Frame(char code) { return QByteArray("\x1D#") + code + '#'; }
} // namespace

class SerialEmulator : public ::testing::Test {
protected:
    TStationList stations = TStationList::BuiltIn();
    TSerialReceiverEmulator receiver{stations};
};

TEST_F(SerialEmulator, TunesFromFramesAndDigits)
{
    ASSERT_TRUE(receiver.IsValid()) << receiver.ErrorString().toStdString();
    TLine line(receiver.SlavePath());
    ASSERT_TRUE(line.Valid());
    line.Send(Frame(0x05) + "220");
    ASSERT_TRUE(WaitFor([&] { return receiver.Channel() == 220; }));
    EXPECT_EQ(receiver.Band(), bFM);
    EXPECT_NEAR(receiver.FrequencyMHz(), 87.0, 1e-9);

    // Noise before a frame, and a frame split over two writes.
    line.Send(QByteArray("\x00\x1D\x1D#", 4));
    line.Send(QByteArray("\x09#052", 5));
    ASSERT_TRUE(WaitFor([&] { return receiver.Channel() == 52; }));
    EXPECT_EQ(receiver.Band(), bAM);
    EXPECT_NEAR(receiver.FrequencyMHz(), 0.999, 1e-9);

    // A tune frame without its digits leaves the tuning alone.
    line.Send(Frame(0x05) + "4" + Frame(0x01));
    ASSERT_TRUE(WaitFor([&] { return !receiver.Muted(); }));
    EXPECT_EQ(receiver.Channel(), 52);
    line.Send(Frame(0x02));
    EXPECT_TRUE(WaitFor([&] { return receiver.Muted(); }));
}

TEST_F(SerialEmulator, AnswersTheQueryOnlyOnAStation)
{
    TLine line(receiver.SlavePath());
    ASSERT_TRUE(line.Valid());
    line.Send(Frame(0x08)); // never tuned
    EXPECT_TRUE(line.Collect(100).isEmpty());

    line.Send(Frame(0x05) + "380" + Frame(0x08)); // 95.0: a station
    const QByteArray reply = line.Collect(150);
    EXPECT_TRUE(reply.contains(Frame(0x04)));
    EXPECT_GT(reply.size(), 4); // more than the frame, as receivers send

    line.Send(Frame(0x05) + "240" + Frame(0x08)); // 88.0: nothing there
    EXPECT_TRUE(line.Collect(150).isEmpty());
    EXPECT_EQ(receiver.Queries(), 3);
}

TEST_F(SerialEmulator, SurvivesTheProgramClosingAndReopeningTheLine)
{
    {
        TLine first(receiver.SlavePath());
        first.Send(Frame(0x05) + "106");
        ASSERT_TRUE(WaitFor([&] { return receiver.Channel() == 106; }));
    }
    QThread::msleep(50); // the receiver must neither spin nor stop meanwhile
    TLine second(receiver.SlavePath());
    second.Send(Frame(0x05) + "107");
    EXPECT_TRUE(WaitFor([&] { return receiver.Channel() == 107; }));
    EXPECT_EQ(receiver.Received(), Frame(0x05) + "106" + Frame(0x05) + "107");
}

TEST(SimulatedSerialPorts, EachComPortHasItsOwnReceiver)
{
    TSimulatedHardware sim(TStationList::BuiltIn(), false);
    EXPECT_EQ(sim.SerialReceiver(0), nullptr);
    EXPECT_EQ(sim.SerialReceiver(9), nullptr);
    TSerialReceiverEmulator* com1 = sim.SerialReceiver(1);
    TSerialReceiverEmulator* com8 = sim.SerialReceiver(8);
    ASSERT_NE(com1, nullptr);
    ASSERT_NE(com8, nullptr);
    EXPECT_EQ(sim.SerialReceiver(1), com1);
    EXPECT_NE(com1->SlavePath(), com8->SlavePath());
    EXPECT_EQ(sim.ComDevice(1), com1->SlavePath());
    EXPECT_EQ(sim.ComDevice(12), QStringLiteral("/dev/ttyS11"));

    // The other receivers do not hear COM1's traffic.
    TLine line(sim.ComDevice(1));
    line.Send(Frame(0x05) + "300");
    ASSERT_TRUE(WaitFor([&] { return com1->Channel() == 300; }));
    EXPECT_EQ(com8->Channel(), -1);
}
