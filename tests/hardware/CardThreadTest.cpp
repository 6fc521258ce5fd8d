// The card on its own thread: the same bytes and waits as when called
// directly, jobs in order, newer tunings in place of queued ones, a clean
// stop with a job waiting, and a card that dies under a queued job.

#include "CardGate.h"
#include "CardThread.h"
#include "PtyPair.h"
#include "RadioTrackEmulator.h"
#include "SimulatedHardware.h"
#include "TestHardware.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The steps every model goes through, as the window asks for them.
void Session(const std::function<void(const std::function<int(TRadioCard&)>&)>& run)
{
    run([](TRadioCard& card) {
        card.Tune(card.Stereo(), bFM, 95.0);
        return int(card.CheckSignal());
    });
    run([](TRadioCard& card) { card.Mute(); return 0; });
    run([](TRadioCard& card) { card.Unmute(); return 0; });
    run([](TRadioCard& card) { card.VolumeUp(); return 0; });
    run([](TRadioCard& card) {
        card.Tune(card.Stereo(), bFM, 88.0);
        return int(card.CheckSignal());
    });
}

void OpenOn(TRadioCard& card, tModel model)
{
    card.SetModel(model);
    card.SetPort(1);
    card.SetVolumeLine(vlNative);
    card.InitVolume(128);
    card.Open();
}

// A job that tunes to `f` MHz on FM, mono.
std::function<int(TRadioCard&)> TuneTo(double f)
{
    return [f](TRadioCard& c) {
        c.Tune(false, bFM, f);
        return 0;
    };
}

// An open RadioTrack on the emulated ports, and the station list it hears.
class CardThreadOnRadioTrack : public ::testing::Test {
protected:
    CardThreadOnRadioTrack()
    {
        hw.bus.Insert(0x30C, std::make_unique<TRadioTrackEmulator>(hw.clock, stations));
        OpenOn(card, mRadioTrack);
    }
    const TStationList stations = TStationList::BuiltIn();
    TTestHardware hw;
    TRadioCard card{hw};
};

} // namespace

TEST(CardThread, EveryModelWritesWhatItWritesWhenCalledDirectly)
{
    for (const tModel model : {mRadioTrack, mZoltrix, mWizard, mRajikoma, mV4L2}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString directFile = dir.filePath(QStringLiteral("direct.txt"));
        const QString threadFile = dir.filePath(QStringLiteral("thread.txt"));
        std::vector<int> directResults, threadResults;
        {
            TSimulatedHardware hw(TStationList::BuiltIn(), false, directFile);
            hw.InsertCard(model);
            TRadioCard card(hw);
            OpenOn(card, model);
            Session([&](const std::function<int(TRadioCard&)>& job) { directResults.push_back(job(card)); });
            card.Close();
        }
        {
            TSimulatedHardware hw(TStationList::BuiltIn(), false, threadFile);
            hw.InsertCard(model);
            TRadioCard card(hw);
            TCardThread thread(card, TCardThread::tMode::Threaded);
            thread.Direct([model](TRadioCard& c) { OpenOn(c, model); });
            Session([&](const std::function<int(TRadioCard&)>& job) {
                thread.Post(tCardJobKind::Plain, job, [&](int result) { threadResults.push_back(result); });
            });
            thread.WaitIdle();
            EXPECT_DOUBLE_EQ(thread.State().Frequency(), 88.0) << model;
            thread.Stop();
            thread.Direct([](TRadioCard& c) { c.Close(); });
            EXPECT_FALSE(thread.State().Active()) << model;
        }
        const QString direct = ReadAll(directFile);
        ASSERT_FALSE(direct.isEmpty()) << model;
        EXPECT_EQ(ReadAll(threadFile), direct) << model;
        EXPECT_EQ(threadResults, directResults) << model;
    }
}

TEST_F(CardThreadOnRadioTrack, JobsKeepTheirOrderAndANewerTuningTakesTheQueuedOnesPlace)
{
    TTestHardware reference;
    reference.bus.Insert(0x30C, std::make_unique<TRadioTrackEmulator>(reference.clock, stations));
    TRadioCard expected(reference);
    OpenOn(expected, mRadioTrack);
    hw.log.clear();
    reference.log.clear();

    TCardThread thread(card, TCardThread::tMode::Threaded);
    TCardGate gate;
    QStringList heard;
    auto note = [&heard](const char* what) { return [&heard, what](int) { heard << QLatin1String(what); }; };
    thread.Post(tCardJobKind::Plain, gate.Job(), note("gate"));
    ASSERT_TRUE(gate.Entered());
    auto signal = [](TRadioCard& c) { return int(c.CheckSignal()); };
    thread.Post(tCardJobKind::Tune, TuneTo(90.0), note("tune 90"));
    thread.Post(tCardJobKind::Plain, [](TRadioCard& c) { c.Mute(); return 0; }, note("mute"));
    thread.Post(tCardJobKind::Signal, signal, note("signal 1"));
    thread.Post(tCardJobKind::Tune, TuneTo(95.0), note("tune 95"));
    thread.Post(tCardJobKind::Signal, signal, note("signal 2"));
    thread.Post(tCardJobKind::Plain, [](TRadioCard& c) { c.Unmute(); return 0; }, note("unmute"));
    thread.Post(tCardJobKind::Tune, TuneTo(101.5), note("tune 101.5"));
    EXPECT_FALSE(thread.Idle());
    gate.Open();
    thread.WaitIdle();
    EXPECT_TRUE(thread.Idle());

    EXPECT_EQ(heard, (QStringList{QStringLiteral("gate"), QStringLiteral("mute"), QStringLiteral("signal 2"),
                                  QStringLiteral("unmute"), QStringLiteral("tune 101.5")}));
    // Only the jobs that ran reached the card, in their order.
    expected.Mute();
    expected.CheckSignal();
    expected.Unmute();
    expected.Tune(false, bFM, 101.5);
    EXPECT_EQ(hw.log, reference.log);
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 101.5);
    EXPECT_FALSE(thread.State().Muted());
}

TEST_F(CardThreadOnRadioTrack, DirectComesAfterEverythingAskedBefore)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    TCardGate gate;
    QStringList heard;
    thread.Post(
        tCardJobKind::Plain,
        [job = gate.Job()](TRadioCard& c) {
            const int result = job(c);
            c.Tune(false, bFM, 90.0);
            return result;
        },
        [&heard](int result) { heard << QStringLiteral("gate %1").arg(result); });
    ASSERT_TRUE(gate.Entered());
    thread.Post(tCardJobKind::Tune, TuneTo(95.0), [&heard](int) { heard << QStringLiteral("tune"); });
    std::thread opener([&gate] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        gate.Open();
    });
    double found = 0;
    thread.Direct([&](TRadioCard& c) {
        found = c.Frequency();
        heard << QStringLiteral("direct");
        c.Tune(false, bFM, 99.0);
    });
    opener.join();
    EXPECT_DOUBLE_EQ(found, 95.0);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("gate 7"), QStringLiteral("tune"), QStringLiteral("direct")}));
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 99.0);
    EXPECT_TRUE(thread.Idle());
}

TEST_F(CardThreadOnRadioTrack, StopWithAJobWaitingDropsItAndWritesNothingAfter)
{
    card.Tune(false, bFM, 88.0);
    TCardThread thread(card, TCardThread::tMode::Threaded);
    TCardGate gate;
    bool gateReported = false, tuneReported = false;
    thread.Post(
        tCardJobKind::Plain,
        [job = gate.Job()](TRadioCard& c) {
            job(c);
            c.Mute();
            return 0;
        },
        [&gateReported](int) { gateReported = true; });
    ASSERT_TRUE(gate.Entered());
    thread.Post(tCardJobKind::Tune, TuneTo(95.0), [&tuneReported](int) { tuneReported = true; });
    std::thread opener([&] {
        ASSERT_TRUE(WaitFor([&] { return thread.Stopped(); }));
        gate.Open();
    });
    thread.Stop();
    opener.join();
    hw.log.clear();
    // The job under way finished and its state is kept, unreported; the
    // waiting tuning never ran, and nothing posted later does.
    EXPECT_TRUE(thread.State().Muted());
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 88.0);
    EXPECT_DOUBLE_EQ(card.Frequency(), 88.0);
    thread.Post(tCardJobKind::Plain, [](TRadioCard& c) { c.Unmute(); return 0; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(hw.log.isEmpty()) << hw.log.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(gateReported);
    EXPECT_FALSE(tuneReported);
    thread.Stop(); // twice is harmless
    // The owner closes the card itself.
    thread.Direct([](TRadioCard& c) { c.Close(); });
    EXPECT_FALSE(thread.State().Active());
}

TEST(CardThread, ASerialLineThatDiesUnderAQueuedJobClosesTheCardAndSaysSoOnce)
{
    TPtyPair pty;
    ASSERT_TRUE(pty.Valid());
    TTestHardware hw;
    hw.MapComDevice(3, pty.SlavePath());
    TRadioCard card(hw);
    card.SetModel(mWizard);
    card.SetPort(3);
    TCardThread thread(card, TCardThread::tMode::Threaded);
    QStringList reports;
    thread.OnDeviceError = [&reports](const QString& what) { reports << what; };
    thread.Direct([](TRadioCard& c) { c.Open(); });
    ASSERT_TRUE(thread.State().Active());

    TCardGate gate;
    thread.Post(tCardJobKind::Plain, gate.Job());
    ASSERT_TRUE(gate.Entered());
    int ranAfter = 0;
    thread.Post(tCardJobKind::Tune, TuneTo(95.0));
    thread.Post(
        tCardJobKind::Plain,
        [](TRadioCard& c) {
            c.Mute();
            return int(c.Active());
        },
        [&ranAfter](int active) { ranAfter = 1 + active; });
    pty.CloseMaster();
    gate.Open();
    thread.WaitIdle();
    EXPECT_FALSE(thread.State().Active());
    EXPECT_EQ(ranAfter, 1); // the job after the failure found the card closed
    EXPECT_FALSE(card.SerialPort().IsOpen());
    EXPECT_TRUE(WaitFor([&reports] {
        QCoreApplication::processEvents();
        return !reports.isEmpty();
    }));
    QCoreApplication::processEvents();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("COM3"))) << reports[0].toStdString();
}
