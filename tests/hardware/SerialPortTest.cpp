// The serial port driver: its property rules, and its work on a real
// pseudo-terminal line.

#include "HardwareEnv.h"
#include "PtyPair.h"
#include "SerialPort.h"
#include "TestHardware.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

namespace {
// Runs the event loop so the driver's polling timer can fire.
void PumpEvents(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// Runs the event loop until `done` holds or a second has passed.
bool PumpUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return done();
}

// Waits until the line has `count` bytes queued for the driver.
bool WaitForInput(const TSerialPort& driver, int count)
{
    QElapsedTimer timer;
    timer.start();
    while (driver.InputCount() < count && timer.elapsed() < 10000) QThread::msleep(2);
    return driver.InputCount() >= count;
}
} // namespace

TEST(SerialPortProperties, DefaultsAsConstructed)
{
    TSerialPort d;
    EXPECT_EQ(d.ComPort(), pnCOM2);
    EXPECT_EQ(d.ComPortSpeed(), br9600);
    EXPECT_EQ(d.ComPortDataBits(), db8BITS);
    EXPECT_EQ(d.ComPortStopBits(), sb1BITS);
    EXPECT_EQ(d.ComPortParity(), ptNONE);
    EXPECT_EQ(d.ComPortHwHandshaking(), hhNONERTSON);
    EXPECT_EQ(d.ComPortSwHandshaking(), shNONE);
    EXPECT_EQ(d.ComPortInBufSize(), 2048);
    EXPECT_EQ(d.ComPortOutBufSize(), 2048);
    EXPECT_EQ(d.PacketSize(), -1);
    EXPECT_EQ(d.PacketTimeout(), -1);
    EXPECT_EQ(d.PacketMode(), pmDiscard);
    EXPECT_EQ(d.ComPortPollingDelay(), 50);
    EXPECT_TRUE(d.EnableDTROnOpen());
    EXPECT_EQ(d.OutputTimeout(), 500);
    EXPECT_EQ(d.InputTimeout(), 200);
    EXPECT_FALSE(d.CheckLineStatus());
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(d.DeviceName(), QStringLiteral("/dev/ttyS1"));
    // Closed: nothing to count, no room, nothing moves.
    EXPECT_EQ(d.InputCount(), 0xFFFF);
    EXPECT_EQ(d.OutputRoom(), -1);
    EXPECT_EQ(d.Send("x", 1), 0);
    std::uint8_t b = 0;
    EXPECT_FALSE(d.ReceiveByte(b));
    EXPECT_EQ(d.ModemLines(), 0);
}

TEST(SerialPortProperties, PacketAndBufferSizeRules)
{
    TSerialPort d;
    d.SetPacketSize(0);
    EXPECT_EQ(d.PacketSize(), -1);
    d.SetPacketSize(-7);
    EXPECT_EQ(d.PacketSize(), -1);
    d.SetPacketSize(100);
    EXPECT_EQ(d.PacketSize(), 100);
    EXPECT_EQ(d.ComPortInBufSize(), 2048);
    d.SetPacketSize(3000);
    EXPECT_EQ(d.PacketSize(), 3000);
    EXPECT_EQ(d.ComPortInBufSize(), 6000);

    // A smaller input buffer re-applies the packet rule: it must hold a packet.
    d.SetComPortInBufSize(1000);
    EXPECT_EQ(d.ComPortInBufSize(), 6000);
    d.SetPacketSize(10);
    d.SetComPortInBufSize(1000);
    EXPECT_EQ(d.ComPortInBufSize(), 1000);
}

TEST(SerialPortProperties, PacketTimeoutFollowsThePollingDelay)
{
    TSerialPort d;
    d.SetPacketTimeout(10);
    EXPECT_EQ(d.PacketTimeout(), 200);
    d.SetPacketTimeout(0);
    EXPECT_EQ(d.PacketTimeout(), -1);
    d.SetPacketTimeout(500);
    EXPECT_EQ(d.PacketTimeout(), 500);
    // A longer polling delay pulls a timeout below it up again.
    d.SetComPortPollingDelay(600);
    EXPECT_EQ(d.PacketTimeout(), 750);
    d.SetPacketTimeout(50);
    EXPECT_EQ(d.PacketTimeout(), 750);
}

class SerialPortOnPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.Valid());
        hw.MapComDevice(5, pty.SlavePath());
        driver.SetComPort(pnCOM5);
    }
    TPtyPair pty;
    TTestHardware hw;
    TSerialPort driver{&hw};
};

TEST_F(SerialPortOnPty, OpensRawEightBitLineWithTheSettings)
{
    EXPECT_EQ(driver.DeviceName(), pty.SlavePath());
    ASSERT_TRUE(driver.OpenPort());
    EXPECT_TRUE(driver.OpenPort()); // already open: still true
    termios tio = pty.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_FALSE(tio.c_cflag & PARENB);
    EXPECT_FALSE(tio.c_cflag & CSTOPB);
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(tio.c_oflag & OPOST);

    // Setters re-apply while open. (A pseudo-terminal keeps its own size and
    // parity bits, so those are checked on the settings built below.)
    driver.SetComPortSpeed(br57600);
    driver.SetComPortStopBits(sb2BITS);
    driver.SetComPortHwHandshaking(hhRTSCTS);
    driver.SetComPortSwHandshaking(shXONXOFF);
    tio = pty.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B57600));
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    EXPECT_TRUE(tio.c_cflag & CRTSCTS);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
    EXPECT_EQ(tio.c_cc[VSTART], 0x11);
    EXPECT_EQ(tio.c_cc[VSTOP], 0x13);
    driver.SetComPortSpeed(br110);
    EXPECT_EQ(cfgetospeed(&(tio = pty.Settings())), speed_t(B110));
}

TEST(SerialPortLine, DataBitsParityAndStopBitsMapToTermios)
{
    TSerialPort d;
    auto build = [&] {
        termios tio {};
        tio.c_cflag = PARENB | CSTOPB | CRTSCTS | CS5; // leftovers of a previous owner
        tio.c_iflag = IXON | ICRNL;
        tio.c_lflag = ICANON | ECHO;
        BuildLineSettings(d, tio);
        return tio;
    };
    const tcflag_t parityBits = PARENB | PARODD | CMSPAR;
    termios tio = build();
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & parityBits, tcflag_t(0));
    EXPECT_FALSE(tio.c_cflag & (CSTOPB | CRTSCTS));
    EXPECT_TRUE(tio.c_cflag & (CREAD | CLOCAL));
    EXPECT_FALSE(tio.c_iflag & (IXON | ICRNL));
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO));
    EXPECT_EQ(tio.c_cc[VMIN], 0);

    const std::pair<TComPortDataBits, tcflag_t> sizes[] = {
        {db5BITS, CS5}, {db6BITS, CS6}, {db7BITS, CS7}, {db8BITS, CS8}};
    for (auto [bits, flag] : sizes) {
        d.SetComPortDataBits(bits);
        EXPECT_EQ(build().c_cflag & CSIZE, flag) << bits;
    }
    const std::pair<TComPortParity, tcflag_t> parities[] = {{ptNONE, 0},
                                                            {ptODD, PARENB | PARODD},
                                                            {ptEVEN, PARENB},
                                                            {ptMARK, PARENB | PARODD | CMSPAR},
                                                            {ptSPACE, PARENB | CMSPAR}};
    for (auto [parity, flags] : parities) {
        d.SetComPortParity(parity);
        EXPECT_EQ(build().c_cflag & parityBits, flags) << parity;
    }
    d.SetComPortStopBits(sb1HALFBITS);
    EXPECT_TRUE(build().c_cflag & CSTOPB);
    d.SetComPortHwHandshaking(hhNONE);
    EXPECT_FALSE(build().c_cflag & CRTSCTS);
}

TEST_F(SerialPortOnPty, PortNumberAndOutputBufferAreFixedWhileOpen)
{
    ASSERT_TRUE(driver.OpenPort());
    driver.SetComPort(pnCOM1);
    driver.SetComPortOutBufSize(100);
    driver.SetComPortInBufSize(100);
    EXPECT_EQ(driver.ComPort(), pnCOM5);
    EXPECT_EQ(driver.ComPortOutBufSize(), 2048);
    EXPECT_EQ(driver.ComPortInBufSize(), 2048);
    EXPECT_EQ(driver.OutputRoom(), 2048);
    driver.ClosePort();
    EXPECT_FALSE(driver.IsOpen());
    driver.SetComPort(pnCOM1);
    EXPECT_EQ(driver.ComPort(), pnCOM1);
}

TEST_F(SerialPortOnPty, SendsAndReceives)
{
    ASSERT_TRUE(driver.OpenPort());
    EXPECT_EQ(driver.Send(QByteArray("\x1D#\x05#", 4)), 4);
    EXPECT_EQ(driver.Send("220", 3), 3);
    EXPECT_EQ(pty.Read(7), QByteArray("\x1D#\x05#220", 7));

    // All 256 byte values pass unchanged both ways.
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(char(i));
    pty.Write(all);
    ASSERT_TRUE(WaitForInput(driver, 256));
    QByteArray got(256, '\0');
    EXPECT_EQ(driver.Receive(got.data(), 256), 256);
    EXPECT_EQ(got, all);
    EXPECT_EQ(driver.Send(all), 256);
    EXPECT_EQ(pty.Read(256), all);

    pty.Write("Q");
    std::uint8_t b = 0;
    EXPECT_TRUE(driver.ReceiveByte(b));
    EXPECT_EQ(b, 'Q');
}

TEST_F(SerialPortOnPty, ReceiveGivesUpAfterTheInputTimeout)
{
    ASSERT_TRUE(driver.OpenPort());
    QElapsedTimer timer;
    timer.start();
    std::uint8_t b = 0;
    EXPECT_FALSE(driver.ReceiveByte(b));
    const qint64 took = timer.elapsed();
    EXPECT_GT(took, 200);
    EXPECT_LT(took, 600);

    // A short receive returns what came, the limit counted from the last byte.
    pty.Write("ab");
    char buffer[4] = {};
    timer.restart();
    EXPECT_EQ(driver.Receive(buffer, 4), 2);
    EXPECT_GT(timer.elapsed(), 200);
    EXPECT_EQ(QByteArray(buffer, 2), QByteArray("ab"));
}

TEST_F(SerialPortOnPty, PurgeDropsWaitingInput)
{
    ASSERT_TRUE(driver.OpenPort());
    pty.Write("stale answer");
    ASSERT_TRUE(WaitForInput(driver, 12));
    driver.PurgeBuffers(false, true);
    EXPECT_EQ(driver.InputCount(), 12); // output purge leaves input alone
    driver.PurgeBuffers(true, false);
    EXPECT_EQ(driver.InputCount(), 0);
    pty.Write("x");
    ASSERT_TRUE(WaitForInput(driver, 1));
    std::uint8_t b = 0;
    ASSERT_TRUE(driver.ReceiveByte(b));
    EXPECT_EQ(b, 'x');
}

TEST_F(SerialPortOnPty, ModemLinesOnAPseudoTerminalDoNotStopTheLine)
{
    ASSERT_TRUE(driver.OpenPort());
    driver.SetDtrLine(true);
    driver.SetRtsLine(true);
    driver.SetDtrLine(false);
    EXPECT_EQ(driver.ModemLines(), 0); // a pty reports no modem status
    EXPECT_EQ(driver.Send("ok", 2), 2);
    EXPECT_EQ(pty.Read(2), QByteArray("ok"));
    // With the line check on, no active modem line stops the send.
    driver.SetCheckLineStatus(true);
    EXPECT_EQ(driver.Send("no", 2), 0);
}

TEST_F(SerialPortOnPty, OpenFailsForAMissingDeviceAndReopensAfterClose)
{
    hw.MapComDevice(6, QStringLiteral("/nonexistent/ttyX"));
    TSerialPort missing(&hw);
    missing.SetComPort(pnCOM6);
    EXPECT_FALSE(missing.OpenPort());
    EXPECT_FALSE(missing.IsOpen());
    // A plain file is no serial line.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile(file).open(QIODevice::WriteOnly);
    hw.MapComDevice(7, file);
    missing.SetComPort(pnCOM7);
    EXPECT_FALSE(missing.OpenPort());

    ASSERT_TRUE(driver.OpenPort());
    driver.ClosePort();
    ASSERT_TRUE(driver.OpenPort());
    EXPECT_EQ(driver.Send("again", 5), 5);
    EXPECT_EQ(pty.Read(5), QByteArray("again"));
}

TEST_F(SerialPortOnPty, SecondOpenOfAnOpenLineFails)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root opens exclusive lines regardless";
    ASSERT_TRUE(driver.OpenPort());
    TSerialPort second(&hw);
    second.SetComPort(pnCOM5);
    EXPECT_FALSE(second.OpenPort());
    driver.ClosePort();
    EXPECT_TRUE(second.OpenPort());
}

TEST_F(SerialPortOnPty, PollingDeliversAStream)
{
    QByteArray delivered;
    driver.OnReceiveData = [&](QObject* sender, const char* data, int size) {
        EXPECT_EQ(sender, &driver);
        delivered.append(data, size);
    };
    ASSERT_TRUE(driver.OpenPort());
    pty.Write("hello there");
    PumpUntil([&] { return delivered.size() >= 11; });
    EXPECT_EQ(delivered, QByteArray("hello there"));

    // A receive in progress holds polling: the bytes go to the receive.
    delivered.clear();
    driver.HoldPolling();
    pty.Write("mine");
    PumpEvents(150);
    EXPECT_TRUE(delivered.isEmpty());
    driver.ResumePolling();
    PumpUntil([&] { return delivered.size() >= 4; });
    EXPECT_EQ(delivered, QByteArray("mine"));
}

TEST_F(SerialPortOnPty, PollingDeliversPacketsAndFlushesTheRest)
{
    QList<QByteArray> packets;
    driver.OnReceivePacket = [&](QObject*, const char* data, int size) { packets << QByteArray(data, size); };
    driver.SetPacketSize(4);
    driver.SetPacketTimeout(120);
    driver.SetPacketMode(pmPass);
    ASSERT_TRUE(driver.OpenPort());
    pty.Write("abcdefghij");
    ASSERT_TRUE(PumpUntil([&] { return packets.size() >= 2; }));
    EXPECT_EQ(packets[0], QByteArray("abcd"));
    EXPECT_EQ(packets[1], QByteArray("efgh"));
    // The remainder waits for its packet until the timeout, then passes.
    ASSERT_TRUE(PumpUntil([&] { return packets.size() >= 3; }));
    EXPECT_EQ(packets[2], QByteArray("ij"));

    // Discarded instead: nothing is delivered and the line is emptied.
    driver.SetPacketMode(pmDiscard);
    pty.Write("xy");
    ASSERT_TRUE(WaitForInput(driver, 2));
    EXPECT_TRUE(PumpUntil([&] { return driver.InputCount() == 0; }));
    PumpEvents(60);
    EXPECT_EQ(packets.size(), 3);
}

TEST_F(SerialPortOnPty, RemainderAfterWholePacketsIsNotFlushedAtOnce)
{
    // Four whole packets and a remainder arrive together; the remainder has a
    // full timeout to complete rather than being dropped at the next tick.
    QList<QByteArray> packets;
    driver.OnReceivePacket = [&](QObject*, const char* data, int size) { packets << QByteArray(data, size); };
    driver.SetPacketSize(2);
    driver.SetPacketTimeout(400);
    QThread::msleep(450); // the driver's clock is past one timeout
    ASSERT_TRUE(driver.OpenPort());
    pty.Write("aabbccddE");
    PumpEvents(150);
    EXPECT_EQ(packets.size(), 4);
    pty.Write("e");
    PumpEvents(150);
    ASSERT_EQ(packets.size(), 5);
    EXPECT_EQ(packets[4], QByteArray("Ee"));
}

TEST(SerialPortTrace, SendsAndReceivedRunsBecomeTxAndRxLines)
{
    TPtyPair pty;
    ASSERT_TRUE(pty.Valid());
    QTemporaryDir dir;
    const QString traceFile = dir.filePath(QStringLiteral("t.txt"));
    {
        TRealHardware hw(traceFile);
        hw.MapComDevice(3, pty.SlavePath());
        TSerialPort driver(&hw);
        driver.SetComPort(pnCOM3);
        ASSERT_TRUE(driver.OpenPort());
        driver.Send(QByteArray("\x1D#\x08#", 4));
        ASSERT_EQ(pty.Read(4).size(), 4);
        pty.Write(QByteArray("\x06\x1D#\x04#", 5));
        std::uint8_t b = 0;
        while (driver.ReceiveByte(b)) {
        }
        driver.Send("1", 1);
        pty.Write("Z");
        ASSERT_TRUE(WaitForInput(driver, 1));
        driver.ReceiveByte(b);
        driver.ClosePort(); // the last run is written at close
    }
    QFile file(traceFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("tx 1D 23 08 23\nrx 06 1D 23 04 23\ntx 31\nrx 5A\n"));
}
