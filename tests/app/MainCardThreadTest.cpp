// The main window with the card on its own thread: held keys, halted scans,
// closing and an unplugged card while requests wait their turn. A gate job
// holds the card's thread so the requests can be seen waiting.

#include "CardGate.h"
#include "MainWindowFixture.h"

#include <QCoreApplication>

namespace {

int MessagesContaining(const TFakePrompts& prompts, const QString& text)
{
    int count = 0;
    for (const auto& call : prompts.calls)
        if (call.Kind == QStringLiteral("Message") && call.Text.contains(text)) ++count;
    return count;
}

} // namespace

TEST_F(MainWindowTest, AHeldKeyBuildsNoBacklogAndTheReadoutFollowsTheCard)
{
    cardThread = true;
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    w.CardThread().WaitIdle();
    ASSERT_DOUBLE_EQ(w.CardState().Frequency(), 87.0);

    TCardGate gate;
    ASSERT_TRUE(gate.Close(w.CardThread()));
    for (int i = 0; i < 10; ++i) w.KeyPress(QLatin1Char('+'));
    // Only the newest tuning waits, going on from where the last one asked.
    EXPECT_EQ(w.CardThread().Queued(), 1);
    w.Volume_Mute();
    EXPECT_EQ(w.CardThread().Queued(), 2);
    // The panel shows where the card is, not where it was asked to go.
    EXPECT_DOUBLE_EQ(w.CardState().Frequency(), 87.0);
    EXPECT_EQ(Readout(), QStringLiteral(" 87000"));

    gate.Open();
    w.CardThread().WaitIdle();
    EXPECT_DOUBLE_EQ(w.CardState().Frequency(), 87.25);
    EXPECT_EQ(Readout(), QStringLiteral(" 87250"));
    EXPECT_TRUE(w.CardState().Muted());
    EXPECT_TRUE(w.Muted());
}

TEST_F(MainWindowTest, AHaltEndsTheScanAtOnceAndNoStepFollows)
{
    cardThread = true;
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    w.CardThread().WaitIdle();

    TCardGate gate;
    ASSERT_TRUE(gate.Close(w.CardThread()));
    w.Actions_ScanNext();
    ASSERT_TRUE(w.Busy());
    EXPECT_EQ(w.CardThread().Queued(), 1); // the first step
    w.Actions_StopScan();
    EXPECT_FALSE(w.Busy());
    EXPECT_TRUE(Button("btStopScan")->isHidden());
    EXPECT_FALSE(Button("btScanNext")->isHidden());
    gate.Open();
    w.CardThread().WaitIdle();
    // The step asked for before the halt is shown; none came after it.
    EXPECT_DOUBLE_EQ(w.CardState().Frequency(), 87.025);
    EXPECT_EQ(Readout(), QStringLiteral(" 87025"));
    EXPECT_FALSE(w.Busy());

    // Left alone, the scan goes step by step to the next station.
    w.Actions_ScanNext();
    EXPECT_TRUE(w.Busy());
    w.CardThread().WaitIdle();
    EXPECT_FALSE(w.Busy());
    EXPECT_DOUBLE_EQ(w.CardState().Frequency(), 88.6);
    EXPECT_NE(LabelText("Tuned"), SignalText(sgNone));
}

TEST_F(MainWindowTest, ClosingWithATuningWaitingDoesItSavesItAndSendsNothingAfter)
{
    cardThread = true;
    WriteConfigured("ShutDown=2\n");
    TMainWindow& w = Started();
    w.CardThread().WaitIdle();

    TCardGate gate;
    ASSERT_TRUE(gate.Close(w.CardThread()));
    for (int i = 0; i < 3; ++i) w.KeyPress(QLatin1Char('+'));
    dialogs.whileAskingExit = [&gate] { gate.Open(); };
    ASSERT_TRUE(CloseWith(tExitChoice::No)); // "No": the radio is switched off
    EXPECT_TRUE(w.CardThread().Stopped());
    EXPECT_FALSE(w.CardState().Active());
    EXPECT_EQ(SavedProfile().ReadString(QStringLiteral("Frequency"), QStringLiteral("Frequency"), QString()),
              QStringLiteral("M 087.075"));
    // Nothing asked after the close reaches the card.
    w.TuneTo(bFM, false, 99.0);
    w.Volume_Up();
    w.CardThread().WaitIdle();
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 87.075);
    EXPECT_FALSE(w.Card().Active());
}

TEST_F(MainWindowTest, ARadioUnpluggedUnderWaitingRequestsIsClosedAndToldOnce)
{
    cardThread = true;
    WriteIni("[Configuration]\nHardware=8\nPort=1\nShutDown=1\n");
    TMainWindow& w = Started();
    w.CardThread().WaitIdle();
    ASSERT_TRUE(w.CardState().Active());

    TCardGate gate;
    ASSERT_TRUE(gate.Close(w.CardThread()));
    w.KeyPress(QLatin1Char('+'));
    w.Volume_Mute();
    w.Volume_Up();
    hw.Radio().SetPlugged(false);
    gate.Open();
    w.CardThread().WaitIdle();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.CardState().Active());
    EXPECT_FALSE(w.Card().Active());
    EXPECT_EQ(MessagesContaining(prompts, QStringLiteral("/dev/radio0")), 1);
    EXPECT_EQ(Readout(), QStringLiteral("------"));
    EXPECT_EQ(LabelText("Station"), TMainWindow::NoRadioText());
    EXPECT_FALSE(w.Closed());
}
