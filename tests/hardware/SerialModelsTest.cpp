// The four serial receivers driven through the card component, against the
// emulated receiver on a pseudo-terminal; the trace shows the bytes on the line.

#include "PtyPair.h"
#include "RadioCards.h"
#include "SimulatedHardware.h"
#include "TestHardware.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

class SerialModels : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // Opens `model` on COM2 and forgets what the trace holds so far.
    void Open(tModel model, bool japanese = false)
    {
        card.SetModel(model);
        card.SetPort(2);
        card.SetJapaneseFM(japanese);
        card.SetVolumeLine(vlNative);
        card.Open();
        receiver = sim.SerialReceiver(2);
        ASSERT_NE(receiver, nullptr);
        ASSERT_TRUE(card.SerialPort().IsOpen());
        Trace();
    }
    // Trace lines written since the last call.
    QStringList Trace()
    {
        QFile file(traceFile);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QStringList all = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList fresh = all.mid(seen_);
        seen_ = int(all.size());
        return fresh;
    }
    bool ReceiverGot(qsizetype bytes)
    {
        return WaitFor([&] { return receiver->Received().size() >= bytes; });
    }

    QTemporaryDir dir;
    QString traceFile = dir.filePath(QStringLiteral("t.txt"));
    TSimulatedHardware sim{TStationList::BuiltIn(), false, traceFile};
    TRadioCard card{sim};
    TSerialReceiverEmulator* receiver = nullptr;

private:
    int seen_ = 0;
};

TEST_F(SerialModels, OpenWaitsThenRaisesTheLinesAndSendsNothing)
{
    card.SetModel(mRadioMan);
    card.SetPort(2);
    card.Open();
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("wait 200")});
    EXPECT_EQ(card.SerialPort().DeviceName(), sim.SerialReceiver(2)->SlavePath());
    EXPECT_TRUE(sim.SerialReceiver(2)->Received().isEmpty());
    card.Close();
    EXPECT_FALSE(card.SerialPort().IsOpen());
    EXPECT_TRUE(card.Muted());
    // The line is free again for the next open.
    card.Open();
    EXPECT_TRUE(card.SerialPort().IsOpen());
}

TEST_F(SerialModels, JapaneseFMChannelDigits)
{
    Open(mWizard, true);
    card.Tune(false, bFM, 81.3);
    EXPECT_EQ(Trace(), (QStringList{QStringLiteral("tx 1D 23 05 23"), QStringLiteral("tx 31 30 36")}));
    ASSERT_TRUE(ReceiverGot(7));
    EXPECT_EQ(receiver->Channel(), 106);
    EXPECT_NEAR(receiver->FrequencyMHz(), 81.3, 1e-9);

    // Above the Japanese band: clamped to 91.0, channel 300.
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(Trace(), (QStringList{QStringLiteral("tx 1D 23 05 23"), QStringLiteral("tx 33 30 30")}));
    EXPECT_DOUBLE_EQ(card.Frequency(), 91.0);
    ASSERT_TRUE(ReceiverGot(14));
    EXPECT_EQ(receiver->Channel(), 300);

    card.Tune(false, bFM, 76.05);
    EXPECT_EQ(Trace().value(1), QStringLiteral("tx 30 30 31"));
}

TEST_F(SerialModels, WorldFMChannelsCountFrom76)
{
    Open(mRadionMaru);
    card.Tune(false, bFM, 87.0);
    EXPECT_EQ(Trace().value(1), QStringLiteral("tx 32 32 30"));
    card.Tune(false, bFM, 108.0);
    EXPECT_EQ(Trace().value(1), QStringLiteral("tx 36 34 30"));
    // No AM on this model: nothing is sent.
    card.Tune(false, bAM, 0.999);
    EXPECT_TRUE(Trace().isEmpty());
}

TEST_F(SerialModels, AMSnapsToTheNineKilohertzStep)
{
    Open(mRadioMan);
    card.Tune(false, bAM, 0.600);
    EXPECT_EQ(Trace(), (QStringList{QStringLiteral("tx 1D 23 09 23"), QStringLiteral("tx 30 30 38")}));
    EXPECT_NEAR(card.Frequency(), 0.603, 1e-9);
    EXPECT_EQ(card.Band(), bAM);
    ASSERT_TRUE(ReceiverGot(7));
    EXPECT_EQ(receiver->Band(), bAM);
    EXPECT_NEAR(receiver->FrequencyMHz(), 0.603, 1e-9);

    card.Tune(false, bAM, 0.999);
    EXPECT_EQ(Trace().value(1), QStringLiteral("tx 30 35 32"));
}

TEST_F(SerialModels, BandChangeTunesTheLastFrequencyOfThatBand)
{
    Open(mWizard);
    card.Tune(false, bFM, 95.0);
    Trace();
    card.SetBand(bAM); // no AM on the Wizard Radio
    EXPECT_EQ(card.Band(), bFM);
    EXPECT_TRUE(Trace().isEmpty());
    card.Close();

    Open(mRadioMan);
    card.SetBand(bAM);
    EXPECT_EQ(card.Band(), bAM);
    EXPECT_NEAR(card.Frequency(), 0.531, 1e-9);
    EXPECT_EQ(Trace(), (QStringList{QStringLiteral("tx 1D 23 09 23"), QStringLiteral("tx 30 30 30")}));
    card.SetBand(bFM); // back to the FM frequency tuned on the Wizard
    EXPECT_NEAR(card.Frequency(), 95.0, 1e-9);
    EXPECT_EQ(Trace(), (QStringList{QStringLiteral("tx 1D 23 05 23"), QStringLiteral("tx 33 38 30")}));
}

TEST_F(SerialModels, MuteAndUnmuteFrames)
{
    Open(mRajikoma);
    card.Unmute();
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("tx 1D 23 01 23")});
    EXPECT_FALSE(card.Muted());
    EXPECT_TRUE(WaitFor([&] { return !receiver->Muted(); }));
    card.Mute();
    EXPECT_EQ(Trace(), QStringList{QStringLiteral("tx 1D 23 02 23")});
    EXPECT_TRUE(card.Muted());
    EXPECT_TRUE(WaitFor([&] { return receiver->Muted(); }));
}

TEST_F(SerialModels, ReplyWithOtherBytesAroundTheTunedFrameCountsAsTuned)
{
    Open(mWizard, true);
    card.Tune(false, bFM, 81.3); // Kanto Community
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(card.CheckSignal(), sgTuned);
    EXPECT_GE(timer.elapsed(), 200); // the read after the last byte waits out the limit
    const QStringList trace = Trace();
    EXPECT_TRUE(trace.contains(QStringLiteral("tx 1D 23 08 23")));
    EXPECT_TRUE(trace.contains(QStringLiteral("rx 06 1D 23 04 23 0D"))) << trace.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(receiver->Queries(), 1);
}

TEST_F(SerialModels, SilentReceiverGivesNoSignalAfterTheTimeout)
{
    Open(mRadioMan);
    card.Tune(false, bFM, 88.0); // no station here
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_GT(timer.elapsed(), 200);
    EXPECT_TRUE(WaitFor([&] { return receiver->Queries() == 1; }));
}

namespace {

// A card on COM3, whose other end the test holds as a pseudo-terminal.
struct TPtyCard {
    explicit TPtyCard(tModel model)
    {
        hw.MapComDevice(3, pty.SlavePath());
        card.SetModel(model);
        card.SetPort(3);
    }
    TPtyPair pty;
    TTestHardware hw;
    TRadioCard card{hw};
};

// Checks the signal while a thread sends `bytes` on the line every `everyMs`;
// `took` is how long the check took.
tSignal CheckSignalWhileTalking(TPtyCard& line, const QByteArray& bytes, unsigned long everyMs, qint64& took)
{
    std::atomic<bool> stop{false};
    std::thread talker([&] {
        while (!stop) {
            line.pty.Write(bytes);
            QThread::msleep(everyMs);
        }
    });
    QElapsedTimer timer;
    timer.start();
    const tSignal signal = line.card.CheckSignal();
    took = timer.elapsed();
    stop = true;
    talker.join();
    return signal;
}

} // namespace

TEST(SerialModelsLine, MissingDeviceRaisesPortAlreadyOpen)
{
    TTestHardware hw;
    hw.MapComDevice(2, QStringLiteral("/nonexistent/serial"));
    TRadioCard card(hw);
    card.SetModel(mWizard);
    card.SetPort(2);
    EXPECT_THROW(card.Open(), ePortAlreadyOpen);
    EXPECT_TRUE(card.Active());
    EXPECT_TRUE(hw.Take().isEmpty()); // no wait when the line never opened
    card.Close();
    EXPECT_FALSE(card.Active());
}

TEST(SerialModelsLine, PortZeroDoesNothing)
{
    TTestHardware hw;
    hw.MapComDevice(2, QStringLiteral("/nonexistent/serial"));
    TRadioCard card(hw);
    card.SetModel(mRadioMan);
    card.SetPort(0);
    card.Open(); // would raise if it tried the line
    card.Tune(false, bFM, 90.0);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_FALSE(card.SerialPort().IsOpen());
    EXPECT_TRUE(hw.Take().isEmpty());
}

TEST(SerialModelsLine, EndlessReplyDoesNotHoldTheProgram)
{
    // Something on the port that never stops sending: the check ends anyway.
    TPtyCard line(mWizard);
    ASSERT_TRUE(line.pty.Valid());
    line.card.Open();
    line.card.Tune(false, bFM, 90.0); // the check runs on FM only
    qint64 took = 0;
    EXPECT_EQ(CheckSignalWhileTalking(line, "$GPGGA,chatter\r\n", 1, took), sgNone);
    EXPECT_LT(took, 2000);
}

TEST(SerialModelsLine, ALineWhoseOtherEndGoesAwayClosesTheCardAndSaysSo)
{
    const std::vector<std::pair<const char*, std::function<void(TRadioCard&)>>> rows = {
        {"tune", [](TRadioCard& card) { card.Tune(false, bFM, 95.0); }},
        {"signal check", [](TRadioCard& card) { card.CheckSignal(); }},
        {"nothing sent", [](TRadioCard& card) {
             QElapsedTimer idle;
             idle.start();
             while (card.Active() && idle.elapsed() < 1000) {
                 QCoreApplication::processEvents();
                 QThread::msleep(5);
             }
         }}};
    for (const auto& [name, action] : rows) {
        TPtyCard line(mWizard);
        TPtyPair& pty = line.pty;
        TRadioCard& card = line.card;
        ASSERT_TRUE(pty.Valid());
        card.Open();
        card.Tune(false, bFM, 90.0);
        QStringList reports;
        card.OnDeviceError = [&reports](const QString& what) { reports << what; };
        pty.CloseMaster();
        QElapsedTimer timer;
        timer.start();
        action(card);
        EXPECT_FALSE(card.Active()) << name;
        card.CheckSignal(); // a closed card touches the line no more
        EXPECT_LT(timer.elapsed(), 1000) << name;
        EXPECT_FALSE(card.SerialPort().IsOpen()) << name;
        EXPECT_EQ(card.SerialPort().LineError(), EIO) << name;
        ASSERT_EQ(reports.size(), 1) << name;
        EXPECT_TRUE(reports[0].contains(QStringLiteral("COM3 (") + pty.SlavePath() +
                                        QStringLiteral(") stopped answering")))
            << name << ": " << reports[0].toStdString();
    }
}

TEST_F(SerialModels, NoSignalCheckOnAM)
{
    Open(mRadioMan);
    card.Tune(false, bAM, 0.603);
    Trace();
    EXPECT_EQ(card.CheckSignal(), sgNone);
    EXPECT_TRUE(Trace().isEmpty()) << "no query goes out on AM";
}

// The test plays the receiver on a pseudo-terminal.
class SerialLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.Valid());
        card.SetVolumeLine(vlNative);
        card.Open();
    }
    TPtyCard line{mRadioMan};
    TPtyPair& pty = line.pty;
    TRadioCard& card = line.card;
};

TEST_F(SerialLine, EveryCommandButTheQueryDropsWhatWasWaitingOnTheLine)
{
    const QByteArray tuned("\x1D#\x04#", 4);
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"FM tune", [&] { card.Tune(false, bFM, 90.0); }},
        {"AM tune", [&] { card.Tune(false, bAM, 0.603); }},
        {"mute", [&] { card.Mute(); }},
        {"unmute", [&] { card.Unmute(); }}};
    for (const auto& [name, command] : commands) {
        pty.Write(tuned); // an answer that came in before the command
        ASSERT_TRUE(WaitFor([&] { return card.SerialPort().InputCount() >= 4; })) << name;
        command();
        card.Tune(false, bFM, 90.0); // the check runs on FM only
        pty.Write(QByteArray("\x06", 1)); // a stray byte after the last command stays for the query
        ASSERT_TRUE(WaitFor([&] { return card.SerialPort().InputCount() >= 1; })) << name;
        EXPECT_EQ(card.CheckSignal(), sgNone) << name; // the query itself gets no answer
        pty.Read(64, 50);
    }
    // The query keeps what is waiting: a reply already on its way counts.
    pty.Write(tuned);
    ASSERT_TRUE(WaitFor([&] { return card.SerialPort().InputCount() >= 4; }));
    EXPECT_EQ(card.CheckSignal(), sgTuned);
}

TEST_F(SerialLine, ASlowTalkerCannotHoldTheSignalCheck)
{
    card.Tune(false, bFM, 90.0);
    // One byte every 180 ms, just inside the wait for each byte.
    qint64 took = 0;
    EXPECT_EQ(CheckSignalWhileTalking(line, "x", 180, took), sgNone);
    EXPECT_LT(took, 1000);
}
