// The threaded receiver: sources that stall or go away stop it with their
// reason, samples the processing cannot take are counted and skipped, a
// sound output that fails is told once while the radio goes on.

#include "AudioLoop.h"
#include "RtlTcpServer.h"
#include "RtlTcpSource.h"
#include "SdrReceiver.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// Hands out silence (a carrier at the centre) as fast as asked, counting it.
class TFastSource final : public TIqSource {
public:
    bool Open() override { return true; }
    void Close() override {}
    bool SetCenter(std::uint32_t) override { return true; }
    bool SetSampleRate(std::uint32_t) override { return true; }
    bool SetGain(bool, int) override { return true; }
    bool SetCorrection(int) override { return true; }
    std::vector<int> Gains() const override { return {}; }
    long Read(std::uint8_t* buffer, std::size_t bytes, int) override
    {
        std::fill(buffer, buffer + bytes, std::uint8_t(128));
        produced += bytes / 2;
        return long(bytes);
    }
    std::string Error() const override { return {}; }
    std::atomic<std::uint64_t> produced{0};
};

// Holds the processing thread inside Write until released.
class TGateTap final : public TAudioTap {
public:
    void Write(const std::int16_t*, std::size_t, int) override
    {
        std::unique_lock lock(mutex);
        entered = true;
        open.wait(lock, [this] { return released; });
    }
    void Release()
    {
        std::lock_guard lock(mutex);
        released = true;
        open.notify_all();
    }
    std::mutex mutex;
    std::condition_variable open;
    bool released = false;
    std::atomic<bool> entered{false};
};

// A sound output that takes a few chunks and then fails for good.
class TFailingStream final : public TAudioStream {
public:
    explicit TFailingStream(std::atomic<int>& recovers) : recovers_(recovers) {}
    long Transfer(std::int16_t*, long frames) override { return ++calls_ > 3 ? -EIO : frames; }
    int Wait(int) override { return 0; }
    int Recover(int error) override
    {
        ++recovers_;
        return error;
    }

private:
    int calls_ = 0;
    std::atomic<int>& recovers_;
};

tSdrSetup QuietSetup()
{
    tSdrSetup setup;
    setup.audioDevice.clear();
    return setup;
}

} // namespace

TEST(SdrReceiver, CountsAndSkipsWhatTheProcessingCannotTake)
{
    auto owned = std::make_unique<TFastSource>();
    TFastSource& source = *owned;
    TSdrReceiver receiver(std::move(owned), QuietSetup(), {});
    TGateTap gate;
    receiver.SetAudioTap(&gate);
    receiver.Tune(100000000); // before Start: nothing read is thrown away for a new station
    ASSERT_TRUE(receiver.Start(nullptr));
    // The processing is held: the buffer fills, then everything more is dropped.
    ASSERT_TRUE(WaitFor([&] { return gate.entered && receiver.Dropped() > 2 * 1024000; }));
    const std::uint64_t held = receiver.Samples();
    gate.Release();
    ASSERT_TRUE(WaitFor([&] { return receiver.Samples() > held + 1024000; }));
    receiver.Stop();
    // Every sample read was processed, dropped, skipped while the dongle
    // settled (20 ms) or left in the bounded buffer (half a second).
    const std::uint64_t accounted = receiver.Samples() + receiver.Dropped();
    EXPECT_LE(accounted, source.produced.load());
    EXPECT_LE(source.produced.load() - accounted, 1024000u / 2 + 16384u);
    EXPECT_FALSE(receiver.Stopped());
}

TEST(SdrReceiver, ASourceThatStallsOrGoesStopsTheRadioWithItsReason)
{
    struct tCase {
        const char* name;
        TRtlTcpTestServer::tScript script;
        const char* reason;
    };
    const std::vector<tCase> cases = {
        {"stalls",
         [](int s, const std::atomic<bool>& ending) {
             TRtlTcpTestServer::SendHeader(s);
             TRtlTcpTestServer::Stall(ending);
         },
         "The source sent no samples for 2 seconds."},
        {"closes",
         [](int s, const std::atomic<bool>& ending) {
             TRtlTcpTestServer::SendHeader(s);
             std::vector<unsigned char> iq(65536, 128);
             send(s, iq.data(), iq.size(), MSG_NOSIGNAL);
             TRtlTcpTestServer::Receive(s, 20, ending); // rate, gain mode, AGC, the tune
             shutdown(s, SHUT_RDWR);
         },
         "closed the connection."},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.name);
        TRtlTcpTestServer server(c.script);
        ASSERT_NE(server.Port(), 0);
        TSdrReceiver receiver(std::make_unique<TRtlTcpSource>("127.0.0.1", server.Port()), QuietSetup(), {});
        std::string why;
        ASSERT_TRUE(receiver.Start(&why)) << why;
        receiver.Tune(95000000);
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(WaitFor([&] { return receiver.Stopped().has_value(); }, 8000));
        EXPECT_LT(timer.elapsed(), 4000); // a stall is noticed after 2 seconds, with room for a busy machine
        EXPECT_FALSE(receiver.Stopped()->ended);
        EXPECT_NE(receiver.Stopped()->reason.find(c.reason), std::string::npos) << receiver.Stopped()->reason;
        receiver.Stop(); // joins every thread; the destructor would too
    }
}

TEST(SdrReceiver, ASoundOutputThatFailsIsToldOnceAndTheRadioGoesOn)
{
    struct tCase {
        const char* name;
        bool opens;
        const char* said;
    };
    for (const tCase& c : {tCase{"cannot open", false, "no such device"},
                           tCase{"fails while playing", true, "failed; the radio goes on without sound"}}) {
        SCOPED_TRACE(c.name);
        std::atomic<int> recovers{0};
        std::atomic<int> opened{0};
        tSdrSetup setup;
        setup.audioDevice = "test";
        TSdrReceiver receiver(std::make_unique<TFastSource>(), setup,
                              [&](const std::string&, std::string* error) -> std::unique_ptr<TAudioStream> {
                                  ++opened;
                                  if (!c.opens) {
                                      *error = "no such device";
                                      return nullptr;
                                  }
                                  return std::make_unique<TFailingStream>(recovers);
                              });
        ASSERT_TRUE(receiver.Start(nullptr));
        receiver.Tune(100000000);
        ASSERT_TRUE(WaitFor([&] { return !receiver.AudioError().empty(); }));
        const std::uint64_t then = receiver.Samples();
        ASSERT_TRUE(WaitFor([&] { return receiver.Samples() > then + 2048000; }));
        EXPECT_NE(receiver.AudioError().find(c.said), std::string::npos) << receiver.AudioError();
        EXPECT_EQ(opened, 1);            // not tried again and again
        EXPECT_LE(recovers.load(), 1);   // nor recovered without end
        EXPECT_FALSE(receiver.Stopped());
    }
}
