// The archive dialog's tuner on the card's thread: the same port traffic as
// with the jobs run inline, results taken only when a job reports, a newer
// tuning in place of a queued one, a halt that ends the scan at once, and
// results dropped once the tuner has gone.

#include "ArchiveTuner.h"
#include "CardGate.h"
#include "RadioTrackEmulator.h"
#include "StationList.h"
#include "TestHardware.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class ArchiveTunerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hw.bus.Insert(0x30C, std::make_unique<TRadioTrackEmulator>(hw.clock, stations));
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
        card.InitVolume(128);
        card.Open();
    }
    // A tuner that notes what it hears.
    std::unique_ptr<TArchiveTuner> MakeTuner(TCardThread& thread)
    {
        auto tuner = std::make_unique<TArchiveTuner>(thread, 0.1);
        tuner->OnSet = [this](double f, tBand) { sets.push_back(f); };
        tuner->OnTuned = [this](int signal) { heard.push_back(signal); };
        return tuner;
    }

    // The card muted somewhere else, the trace empty.
    void StartOver()
    {
        card.Tune(false, bFM, 90.0);
        card.Mute();
        hw.log.clear();
    }

    const TStationList stations = TStationList::BuiltIn(); // the emulator keeps a reference
    TTestHardware hw;
    TRadioCard card{hw};
    std::vector<double> sets;
    std::vector<int> heard;
};

// What the user does in the dialog: a station, the step keys, a scan up to
// the next station.
void Session(TArchiveTuner& tuner, TCardThread& thread)
{
    tuner.Set(bFM, 87.5);
    thread.WaitIdle();
    tuner.TuneNext(87.5);
    thread.WaitIdle();
    tuner.TunePrev(tuner.Frequency());
    thread.WaitIdle();
    tuner.Mute();
    tuner.Unmute();
    int ended = 0;
    ASSERT_TRUE(tuner.Scan(true, [&ended] { ++ended; }));
    thread.WaitIdle();
    EXPECT_EQ(ended, 1);
}

} // namespace

TEST_F(ArchiveTunerTest, OnTheCardsThreadTheCardSeesWhatItSeesInline)
{
    QStringList inlineLog;
    std::vector<double> inlineSets;
    std::vector<int> inlineHeard;
    {
        TCardThread thread(card, TCardThread::tMode::Inline);
        auto tuner = MakeTuner(thread);
        StartOver();
        Session(*tuner, thread);
        inlineLog = hw.Take();
        inlineSets = std::exchange(sets, {});
        inlineHeard = std::exchange(heard, {});
    }
    // The scan ended on the emulated station at 88.6.
    ASSERT_FALSE(inlineSets.empty());
    EXPECT_DOUBLE_EQ(inlineSets.back(), 88.6);
    ASSERT_FALSE(inlineHeard.empty());
    EXPECT_GT(inlineHeard.back(), int(sgNone));
    {
        TCardThread thread(card, TCardThread::tMode::Threaded);
        auto tuner = MakeTuner(thread);
        StartOver();
        Session(*tuner, thread);
    }
    EXPECT_EQ(hw.Take(), inlineLog);
    EXPECT_EQ(sets, inlineSets);
    EXPECT_EQ(heard, inlineHeard);
}

TEST_F(ArchiveTunerTest, ANewerTuningTakesThePlaceOfAQueuedOneAndShowsOnlyWhenReported)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    auto tuner = MakeTuner(thread);
    thread.WaitIdle(); // nothing was asked yet
    TCardGate gate;
    ASSERT_TRUE(gate.Close(thread));
    tuner->Set(bFM, 90.0);
    tuner->Set(bFM, 95.0, true); // the thumb dragged
    tuner->Set(bFM, 88.6);
    EXPECT_EQ(thread.Queued(), 1);
    EXPECT_TRUE(sets.empty());
    EXPECT_DOUBLE_EQ(tuner->Frequency(), FMLow); // not yet reported
    gate.Open();
    thread.WaitIdle();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_DOUBLE_EQ(sets[0], 88.6);
    EXPECT_DOUBLE_EQ(tuner->Frequency(), 88.6);
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 88.6);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_GT(heard[0], int(sgNone));
}

// A held step key goes on from the tuning last asked for, not from the
// frequency still shown.
TEST_F(ArchiveTunerTest, AHeldStepKeyGoesOnFromTheTuningAskedFor)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    auto tuner = MakeTuner(thread);
    tuner->Set(bFM, 88.0);
    thread.WaitIdle();
    EXPECT_FALSE(tuner->AskedFor());
    TCardGate gate;
    ASSERT_TRUE(gate.Close(thread));
    for (int i = 0; i < 3; ++i) tuner->TuneNext(tuner->AskedFor().value_or(tuner->Frequency()));
    ASSERT_TRUE(tuner->AskedFor());
    EXPECT_NEAR(*tuner->AskedFor(), 88.3, 1e-9);
    EXPECT_DOUBLE_EQ(tuner->Frequency(), 88.0);
    gate.Open();
    thread.WaitIdle();
    EXPECT_FALSE(tuner->AskedFor());
    EXPECT_DOUBLE_EQ(tuner->Frequency(), 88.3);
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 88.3);
}

TEST_F(ArchiveTunerTest, AHaltEndsTheScanAtOnceAndTheStepUnderWayIsStillShown)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    auto tuner = MakeTuner(thread);
    tuner->Set(bFM, 87.5);
    thread.WaitIdle();
    TCardGate gate;
    ASSERT_TRUE(gate.Close(thread));
    int ended = 0;
    ASSERT_TRUE(tuner->Scan(true, [&ended] { ++ended; }));
    EXPECT_TRUE(tuner->Scanning());
    EXPECT_EQ(thread.Queued(), 1); // one step at a time
    EXPECT_FALSE(tuner->Scan(false, [] {})); // no second scan meanwhile
    tuner->Halt();
    EXPECT_FALSE(tuner->Scanning());
    EXPECT_EQ(ended, 1);
    gate.Open();
    thread.WaitIdle();
    EXPECT_EQ(ended, 1);
    // One step up, no further, and the station's frequency where the card is.
    const double step = thread.State().FrequencyStep();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_DOUBLE_EQ(sets[1], 87.5 + step);
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 87.5 + step);
    EXPECT_DOUBLE_EQ(tuner->Frequency(), 87.5 + step);
}

TEST_F(ArchiveTunerTest, AResultReportedAfterTheTunerHasGoneIsDropped)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    auto tuner = MakeTuner(thread);
    thread.WaitIdle();
    TCardGate gate;
    ASSERT_TRUE(gate.Close(thread));
    tuner->Set(bFM, 87.5);
    tuner.reset();
    gate.Open();
    thread.WaitIdle();
    EXPECT_TRUE(sets.empty());
    EXPECT_TRUE(heard.empty());
    EXPECT_DOUBLE_EQ(thread.State().Frequency(), 87.5); // the card did it all the same
}
