// The I/Q sources: the rtl_tcp client against a server in the test, the
// recording played at the pace of a clock the test drives.

#include "IqFileSource.h"
#include "RtlSdrSource.h"
#include "RtlTcpServer.h"
#include "RtlTcpSource.h"

#include <QTemporaryDir>
#include <atomic>
#include <fstream>
#include <future>
#include <gtest/gtest.h>

namespace {

using tBytes = std::vector<unsigned char>;

// The 5-byte command: one byte, then the value big-endian.
tBytes CommandBytes(unsigned char command, std::uint32_t value)
{
    return {command, static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
            static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
}

tBytes Join(std::initializer_list<tBytes> parts)
{
    tBytes all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

TEST(RtlTcpSource, HeaderCommandsAndSamples)
{
    std::promise<tBytes> commands;
    auto received = commands.get_future();
    const tBytes expected =
        Join({CommandBytes(0x01, 88350000), CommandBytes(0x02, 1024000), CommandBytes(0x03, 1), CommandBytes(0x08, 0),
              CommandBytes(0x04, 297), CommandBytes(0x03, 0), CommandBytes(0x08, 1), CommandBytes(0x05, std::uint32_t(-3))});
    TRtlTcpTestServer server([&](int s, const std::atomic<bool>& ending) {
        TRtlTcpTestServer::SendHeader(s);
        commands.set_value(TRtlTcpTestServer::Receive(s, expected.size(), ending));
        // Samples in pieces that split an I/Q pair: 3 bytes, then 5.
        const unsigned char iq[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        send(s, iq, 3, MSG_NOSIGNAL);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        send(s, iq + 3, 5, MSG_NOSIGNAL);
        TRtlTcpTestServer::Stall(ending);
    });
    ASSERT_NE(server.Port(), 0);
    TRtlTcpSource source("127.0.0.1", server.Port());
    ASSERT_TRUE(source.Open()) << source.Error();
    EXPECT_EQ(source.TunerType(), 5u);
    EXPECT_EQ(source.Gains().size(), 29u);
    EXPECT_TRUE(source.SetCenter(88350000));
    EXPECT_TRUE(source.SetSampleRate(1024000));
    EXPECT_TRUE(source.SetGain(false, 300)); // snapped to the tuner's 29.7 dB
    EXPECT_TRUE(source.SetGain(true, 0));
    EXPECT_TRUE(source.SetCorrection(-3));
    ASSERT_EQ(received.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(received.get(), expected);

    tBytes got;
    std::uint8_t buffer[64];
    for (int tries = 0; got.size() < 8 && tries < 100; ++tries) {
        long n = source.Read(buffer, sizeof buffer, 100);
        ASSERT_GE(n, 0) << source.Error();
        EXPECT_EQ(n % 2, 0) << "an I/Q pair was split";
        got.insert(got.end(), buffer, buffer + n);
    }
    EXPECT_EQ(got, (tBytes{1, 2, 3, 4, 5, 6, 7, 8}));
    // Nothing more comes: the wait ends with nothing, not a failure.
    EXPECT_EQ(source.Read(buffer, sizeof buffer, 20), iqTimedOut);
}

TEST(RtlTcpSource, BadServersFailCleanly)
{
    struct tCase {
        const char* name;
        TRtlTcpTestServer::tScript script;
        const char* openError; // null: Open succeeds, the first read fails
        const char* readError;
    };
    const std::vector<tCase> cases = {
        {"wrong header",
         [](int s, const std::atomic<bool>& ending) {
             send(s, "HTTP/1.1 200", 12, MSG_NOSIGNAL);
             TRtlTcpTestServer::Stall(ending);
         },
         "does not begin with \"RTL0\"", nullptr},
        {"closes before its header", [](int s, const std::atomic<bool>&) { shutdown(s, SHUT_RDWR); },
         "closed the connection before its header", nullptr},
        {"never sends a header", [](int, const std::atomic<bool>& ending) { TRtlTcpTestServer::Stall(ending); },
         "sent no header within 2 seconds", nullptr},
        {"closes after its header",
         [](int s, const std::atomic<bool>&) {
             TRtlTcpTestServer::SendHeader(s);
             shutdown(s, SHUT_RDWR);
         },
         nullptr, "closed the connection"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TRtlTcpTestServer server(c.script);
        ASSERT_NE(server.Port(), 0);
        TRtlTcpSource source("127.0.0.1", server.Port());
        bool opened = source.Open();
        if (c.openError) {
            EXPECT_FALSE(opened);
            EXPECT_NE(source.Error().find(c.openError), std::string::npos) << source.Error();
            EXPECT_NE(source.Error().find("127.0.0.1:" + std::to_string(server.Port())), std::string::npos);
            continue;
        }
        ASSERT_TRUE(opened) << source.Error();
        std::uint8_t buffer[64];
        long n = iqTimedOut;
        for (int tries = 0; n == iqTimedOut && tries < 100; ++tries)
            n = source.Read(buffer, sizeof buffer, 100);
        EXPECT_EQ(n, iqFailed);
        EXPECT_NE(source.Error().find(c.readError), std::string::npos) << source.Error();
    }
}

TEST(RtlTcpSource, NobodyListening)
{
    std::uint16_t port;
    {
        TRtlTcpTestServer server([](int, const std::atomic<bool>&) {});
        port = server.Port();
    } // closed: the port refuses now
    TRtlTcpSource source("127.0.0.1", port);
    EXPECT_FALSE(source.Open());
    EXPECT_NE(source.Error().find("Cannot connect to the rtl_tcp server at 127.0.0.1:"), std::string::npos)
        << source.Error();
    std::uint8_t buffer[2];
    EXPECT_EQ(source.Read(buffer, 2, 0), iqFailed);
}

TEST(TunerGains, SnapsToTheNearestStep)
{
    const auto r820t = TunerGains(5);
    ASSERT_EQ(r820t.size(), 29u);
    EXPECT_EQ(SnapGain(r820t, 300), 297);
    EXPECT_EQ(SnapGain(r820t, 1000), 496);
    EXPECT_EQ(SnapGain(r820t, -50), 0);
    EXPECT_EQ(SnapGain(TunerGains(1), 100), 90);
    EXPECT_EQ(SnapGain({}, 123), 123);
    EXPECT_TRUE(TunerGains(0).empty());
}

TEST(RtlSdrSource, OpenErrorsNameTheFix)
{
    EXPECT_NE(RtlSdrOpenError(-6, 0).find("dvb_usb_rtl28xxu"), std::string::npos);
    EXPECT_NE(RtlSdrOpenError(-3, 0).find("plugdev"), std::string::npos);
    EXPECT_NE(RtlSdrOpenError(-3, 0).find("rtl-sdr"), std::string::npos);
    EXPECT_EQ(RtlSdrOpenError(-6, 1).find("plugdev"), std::string::npos);
    // No dongle on this machine (or one): an index beyond them is refused by name.
    TRtlSdrSource source(RtlSdrDeviceCount());
    EXPECT_FALSE(source.Open());
    EXPECT_FALSE(source.Error().empty());
}

TEST(IqFileSource, PlaysAtTheClocksPaceAndEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("band.cu8")).toStdString();
    tBytes content(30001); // 15000 samples and half of one more
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<unsigned char>(i * 7);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));

    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    TIqFileSource source(path, 0, [&] { return now; });
    ASSERT_TRUE(source.Open()) << source.Error();
    ASSERT_TRUE(source.SetSampleRate(1000000));
    EXPECT_FALSE(source.FixedCenter());
    source.SetCenter(88100000); // the first tune gives the centre ...
    source.SetCenter(95000000); // ... and it stays
    EXPECT_EQ(source.FixedCenter(), 88100000u);

    std::vector<std::uint8_t> buffer(100000);
    EXPECT_EQ(source.Read(buffer.data(), buffer.size(), 0), iqTimedOut); // no time passed
    now += std::chrono::milliseconds(10);                                // 10,000 samples due
    ASSERT_EQ(source.Read(buffer.data(), 8000, 0), 8000);
    ASSERT_EQ(source.Read(buffer.data() + 8000, buffer.size(), 0), 12000);
    EXPECT_EQ(source.Read(buffer.data(), buffer.size(), 0), iqTimedOut);
    now += std::chrono::seconds(1);
    ASSERT_EQ(source.Read(buffer.data() + 20000, buffer.size(), 0), 10000); // the half sample is left out
    EXPECT_TRUE(std::equal(content.begin(), content.end() - 1, buffer.begin()));
    EXPECT_EQ(source.Read(buffer.data(), buffer.size(), 0), iqEnd);

    TIqFileSource given(path, 99000000, [&] { return now; });
    given.SetCenter(88100000);
    EXPECT_EQ(given.FixedCenter(), 99000000u);

    TIqFileSource missing(dir.filePath(QStringLiteral("none.cu8")).toStdString());
    EXPECT_FALSE(missing.Open());
    EXPECT_NE(missing.Error().find("none.cu8"), std::string::npos);
    EXPECT_NE(missing.Error().find("No such file"), std::string::npos);
}
