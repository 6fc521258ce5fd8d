#include "DirectPortAccess.h"
#include "HardwareEnv.h"
#include "OsVersion.h"
#include "PortBus.h"
#include "SimClock.h"
#include "Trace.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(Trace, WritesOneLinePerEventInTheDocumentedForm)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TTraceLog log(&buffer);
    TPortBus bus; // empty: reads give 0xFF
    TSimClock clock;
    TTracingPortAccess ports(bus, log);
    TTracingWaiter waiter(clock, log);

    ports.PortOut(0x30C, 0xD8);
    EXPECT_EQ(ports.PortIn(0x30C), 0xFF);
    ports.PortOut(0x20C, 0x01);
    waiter.Wait(125);
    log.Tx(QByteArray("\x1D#\x05#", 4));
    log.Rx(QByteArray("\x1D#\x04#", 4));
    log.Tx(QByteArray()); // nothing sent, nothing traced
    log.Beep(5000, 300);

    EXPECT_EQ(buffer.data(), QByteArray("out 030C D8\nin 030C FF\nout 020C 01\nwait 125\n"
                                        "tx 1D 23 05 23\nrx 1D 23 04 23\nbeep 5000 300\n"));
    EXPECT_EQ(clock.Now(), 125) << "the traced waiter must still wait";
}

TEST(Trace, UnwritableFileTracesNothingAndSaysSo)
{
    TTraceLog log(QStringLiteral("/nonexistent-folder/trace.txt"));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(log.ErrorString().isEmpty());
    log.Out(0x30C, 0); // must not crash

    TTraceLog full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.IsOpen());
    full.Out(0x30C, 0);
    EXPECT_TRUE(full.WriteFailed());
}

// A FIFO that nobody reads is refused at once: the open must not wait for
// a reader. Tried in a child, so a wait ends in a failure, not a hang.
TEST(Trace, AFifoWithoutAReaderIsRefusedAtOnce)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("trace.fifo")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const TTraceLog log(QFile::decodeName(fifo));
        ::_exit(!log.IsOpen() && !log.ErrorString().isEmpty() ? 0 : 1);
    }
    int status = -1;
    for (int i = 0; i < 100 && ::waitpid(child, &status, WNOHANG) == 0; ++i) ::usleep(50000);
    if (status == -1) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the open waited for a reader";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(DirectPorts, FailCleanlyWithoutPortAccess)
{
    // This machine's kernel has no port I/O (and tests never run with CAP_SYS_RAWIO);
    // either way, access that was not granted must never reach the hardware.
    TDirectPortAccess ports;
    QString why;
    if (PortAccessAvailable(ports, &why)) GTEST_SKIP() << "this machine grants port access";
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(ports.Granted(0x30C));
    ports.PortOut(0x30C, 0xD8); // dropped, no fault
    EXPECT_EQ(ports.PortIn(0x30C), 0xFF);
}

TEST(HardwareEnv, ComPortsMapToTtySUnlessMapped)
{
    TRealHardware hw;
    EXPECT_EQ(hw.ComDevice(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(hw.ComDevice(2), QStringLiteral("/dev/ttyS1"));
    hw.MapComDevice(5, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(hw.ComDevice(5), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(hw.ComDevice(6), QStringLiteral("/dev/ttyS5"));
    EXPECT_FALSE(hw.Simulated());
}

TEST(HardwareEnv, SerialAdaptersAreFoundInNumberOrder)
{
    QTemporaryDir dir;
    for (const char* name : {"ttyUSB10", "ttyACM0", "ttyUSB2", "ttyS0", "ttyUSBx", "ttyUSB"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(ListSerialAdapters(dir.path()),
              (QStringList{dir.filePath(QStringLiteral("ttyUSB2")),
                           dir.filePath(QStringLiteral("ttyUSB10")),
                           dir.filePath(QStringLiteral("ttyACM0"))}));
}

TEST(HardwareEnv, TraceFileRecordsPortTraffic)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    {
        TRealHardware hw(path);
        ASSERT_NE(hw.Trace(), nullptr);
        hw.Ports().PortIn(0x30C); // not granted: reads 0xFF, still traced
        hw.Waiter().Wait(0);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("in 030C FF\nwait 0\n"));
}

TEST(OsVersion, LinuxCountsAsTheProtectedFamily)
{
    EXPECT_FALSE(IsWindows9x());
    EXPECT_TRUE(IsWindowsNT4Up()); // any kernel the tests run on is 2.6 or later
}

TEST(PortBus, RoutesTheFourPortsOfACardAndLeavesOthersEmpty)
{
    struct TProbe final : TPortDevice {
        void Write(int offset, std::uint8_t v) override { last = offset * 256 + v; }
        std::uint8_t Read(int offset) override { return std::uint8_t(0x10 + offset); }
        int last = -1;
    };
    TPortBus bus;
    auto probe = std::make_unique<TProbe>();
    TProbe* p = probe.get();
    bus.Insert(0x30C, std::move(probe));
    bus.PortOut(0x30E, 0x42);
    EXPECT_EQ(p->last, 2 * 256 + 0x42);
    EXPECT_EQ(bus.PortIn(0x30F), 0x13);
    EXPECT_EQ(bus.PortIn(0x310), 0xFF);
    EXPECT_EQ(bus.PortIn(0x30B), 0xFF);
    bus.PortOut(0x20C, 1);
    EXPECT_EQ(p->last, 2 * 256 + 0x42);
}
