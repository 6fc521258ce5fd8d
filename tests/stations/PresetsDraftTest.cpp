#include "PresetsDraft.h"
#include "CardGate.h"
#include "FakePrompts.h"
#include "Helpers.h"
#include "PresetSupport.h"
#include "SimulatedHardware.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// An emulated RadioTrack (FM only, 25 kHz grid) playing 95.0 MHz, and a bank
// of four presets with preset 3 current.
class PresetsDraftTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hw.InsertCard(mRadioTrack);
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.Open();
        card.Tune(false, bFM, 95.0);
        bank[1] = Preset(88.6, 1, QStringLiteral("Harbour"));
        bank[2] = Preset(91.35, 1, QStringLiteral("Valley"));
        bank[3] = Preset(101.7, 1, QStringLiteral("City Talk"));
        bank[5] = Preset(0.999, 0, QStringLiteral("Coastal"));
        setup.Current = 3;
        setup.FMStep = 0.05;
        setup.StepMin = 1;
        setup.StepMax = 40;
        setup.Directory = dir.path();
    }

    TPresetsDraft& Open()
    {
        if (!cards) cards.emplace(card, TCardThread::tMode::Inline);
        editor = std::make_unique<TPresetsDraft>(bank, setup, *cards, prompts);
        return *editor;
    }

    QString Names() const
    {
        QStringList names;
        for (int n = 1; n <= 8; ++n) names << (editor->Table()[n].Used ? editor->Table()[n].Name : QStringLiteral("-"));
        return names.join(QLatin1Char('|'));
    }

    QTemporaryDir dir;
    TSimulatedHardware hw{TStationList::BuiltIn(), false};
    TRadioCard card{hw};
    // Jobs run at once on the test's thread: what the editor asks is done when the call returns.
    std::optional<TCardThread> cards;
    tPresets bank;
    tPresetsDraftSetup setup;
    TFakePrompts prompts;
    std::unique_ptr<TPresetsDraft> editor;
};

TEST_F(PresetsDraftTest, OpeningNormalisesTheBankAndNamesTheFile)
{
    bank[2].Name = QStringLiteral("  Valley \t");
    bank[9].Name = QStringLiteral("left over");
    bank[9].Frequency = 99.0;
    TPresetsDraft& e = Open();
    EXPECT_EQ(bank[2].Name, QStringLiteral("Valley"));
    EXPECT_TRUE(bank[9].Name.isEmpty());
    EXPECT_EQ(bank[9].Frequency, 0.0);
    EXPECT_EQ(e.Title(), QStringLiteral("Edit presets - Internal"));
    EXPECT_TRUE(e.Untitled());
    EXPECT_EQ(e.StoredText(), QStringLiteral("Stored entries: 4"));
    EXPECT_EQ(e.Selected(), 1);
    EXPECT_EQ(e.Readout(), QStringLiteral(" 88600"));
    EXPECT_TRUE(e.PointShown());

    editor.reset();
    setup.FileName = dir.filePath(QStringLiteral("mine.vxp"));
    EXPECT_EQ(Open().Title(), QStringLiteral("Edit presets - ") + setup.FileName);
    EXPECT_FALSE(editor->Untitled());
}

TEST_F(PresetsDraftTest, SaveWritesTheFileItBelongsToAndAsksOnlyWhenUntitled)
{
    const QString own = dir.filePath(QStringLiteral("own.vxp"));
    setup.FileName = own;
    TPresetsDraft& e = Open();
    ASSERT_TRUE(e.Save());
    EXPECT_TRUE(prompts.calls.empty());
    tPresets back;
    ASSERT_EQ(LoadPresetsFile(own, back), plLoaded);
    EXPECT_EQ(back.UsedCount(), 4);

    editor.reset();
    setup.FileName.clear();
    TPresetsDraft& internal = Open();
    EXPECT_FALSE(internal.Save()); // the dialog cancelled
    EXPECT_TRUE(internal.Untitled());
    const QString chosen = dir.filePath(QStringLiteral("chosen.vxp"));
    prompts.fileNames.push_back(chosen);
    ASSERT_TRUE(internal.Save());
    EXPECT_EQ(prompts.calls.back().Kind, QStringLiteral("SaveFileName"));
    EXPECT_EQ(prompts.calls.back().Request.Filter, PresetsFileFilter());
    EXPECT_EQ(internal.Title(), QStringLiteral("Edit presets - ") + chosen);
    EXPECT_TRUE(QFile::exists(chosen));

    // A failed save keeps the name the table belongs to.
    prompts.fileNames.push_back(dir.filePath(QStringLiteral("no/such/folder/x.vxp")));
    EXPECT_FALSE(internal.SaveAs());
    EXPECT_EQ(internal.FileName(), chosen);
    EXPECT_EQ(prompts.MessageTexts(), QStringList{PresetsWriteErrorText()});
}

TEST_F(PresetsDraftTest, ANameTypedIntoAnEmptySlotMakesAPresetOn87AndDuplicatesBlockOkAndSave)
{
    bank[1].Frequency = 87.0;
    TPresetsDraft& e = Open();
    e.Select(7);
    e.TypeName(QStringLiteral("New"));
    EXPECT_TRUE(e.Table()[7].Used);
    EXPECT_EQ(e.Table()[7].Frequency, 87.0);
    EXPECT_EQ(e.StoredCount(), 5);
    EXPECT_TRUE(e.Duplicated());
    prompts.fileNames.push_back(dir.filePath(QStringLiteral("dup.vxp")));
    EXPECT_FALSE(e.Save());
    EXPECT_FALSE(e.Accept());
    EXPECT_FALSE(bank[7].Used);

    e.TuneNext(); // 87.05 with the 50 kHz step
    EXPECT_FALSE(e.Duplicated());
    EXPECT_NEAR(e.Table()[7].Frequency, 87.05, 1e-9);
    ASSERT_TRUE(e.Accept());
    EXPECT_TRUE(bank[7].Used);
}

TEST_F(PresetsDraftTest, TheCurrentPresetFollowsInsertDeleteAndMoves)
{
    TPresetsDraft& e = Open();
    e.Select(2);
    e.Insert();
    EXPECT_EQ(Names(), QStringLiteral("Harbour|-|Valley|City Talk|-|Coastal|-|-"));
    EXPECT_EQ(e.Current(), 4);
    EXPECT_EQ(e.Selected(), 3);
    EXPECT_EQ(e.TunerFrequency(), 91.35);

    e.Select(4);
    e.MoveUp();
    EXPECT_EQ(e.Current(), 3);
    EXPECT_EQ(e.Selected(), 3);
    e.MoveDown();
    e.MoveDown();
    EXPECT_EQ(e.Current(), 5);
    EXPECT_EQ(Names(), QStringLiteral("Harbour|-|Valley|-|City Talk|Coastal|-|-"));

    e.Select(2);
    e.Delete(); // an empty slot above the current preset
    EXPECT_EQ(e.Current(), 4);
    EXPECT_EQ(e.Selected(), 2);
    EXPECT_EQ(Names(), QStringLiteral("Harbour|Valley|-|City Talk|Coastal|-|-|-"));
    e.Select(4);
    e.Delete(); // the current preset itself
    EXPECT_EQ(e.Current(), 0);
    EXPECT_EQ(e.Table()[4].Name, QStringLiteral("Coastal"));
    EXPECT_FALSE(e.Table()[100].Used);
}

TEST_F(PresetsDraftTest, InsertIsOffWhileSlot100IsUsedAndClearDropsTheCurrentPreset)
{
    bank[100] = Preset(106.0, 1, QStringLiteral("Last"));
    TPresetsDraft& e = Open();
    EXPECT_FALSE(e.Buttons().Insert);
    e.Insert();
    EXPECT_EQ(e.Table()[100].Name, QStringLiteral("Last"));
    e.Select(100);
    EXPECT_FALSE(e.Buttons().MoveDown);
    e.Select(3);
    e.ClearSlot();
    EXPECT_EQ(e.Current(), 0);
    EXPECT_EQ(e.StoredText(), QStringLiteral("Stored entries: 4"));
    EXPECT_FALSE(e.Buttons().Clear);
    e.Undo();
    EXPECT_EQ(e.Table()[3].Name, QStringLiteral("City Talk"));
}

TEST_F(PresetsDraftTest, CancelAsksWhenAnyPresetChangedIncludingOneAddedInAnEmptySlot)
{
    TPresetsDraft& e = Open();
    EXPECT_TRUE(e.CloseQuery());
    EXPECT_TRUE(prompts.calls.empty());

    e.Select(2);
    e.TypeName(QStringLiteral("VALLEY  ")); // the case and trailing blanks are no change
    EXPECT_TRUE(e.CloseQuery());
    EXPECT_TRUE(prompts.calls.empty());

    e.Select(20);
    e.SlideTo(99000); // a new preset where the bank had none
    EXPECT_FALSE(e.CloseQuery());
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].Text, QStringLiteral("The presets have changed!\nAre you sure that you want\nto exit without saving?"));
    prompts.answers.push_back(true);
    EXPECT_TRUE(e.CloseQuery());
    EXPECT_FALSE(bank[20].Used);

    // A preset taken away is a change too.
    editor.reset();
    Open().Select(5);
    editor->ClearSlot();
    EXPECT_FALSE(editor->CloseQuery());
}

TEST_F(PresetsDraftTest, ShowingAPresetLeavesItsFrequencyAsStored)
{
    bank[1].Frequency = 88.61; // off this card's 25 kHz grid
    TPresetsDraft& e = Open();
    EXPECT_EQ(e.Readout(), QStringLiteral(" 88600"));
    e.Select(2);
    e.Select(1);
    EXPECT_TRUE(e.CloseQuery());
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_EQ(e.Table()[1].Frequency, 88.61);
}

TEST_F(PresetsDraftTest, TheTunerSnapsClampsAndCountsEveryNewPreset)
{
    TPresetsDraft& e = Open();
    e.Select(9);
    e.SlideTo(96010);
    EXPECT_EQ(e.Table()[9].Frequency, 96.0);
    EXPECT_EQ(e.StoredText(), QStringLiteral("Stored entries: 5"));
    e.ChooseBand(bAM);
    EXPECT_EQ(e.Table()[9].Frequency, AMLow);
    EXPECT_EQ(e.Readout(), QStringLiteral("   531"));
    EXPECT_FALSE(e.PointShown());
    EXPECT_FALSE(e.CanTunePrev());
    EXPECT_TRUE(e.OutsideCard()); // the RadioTrack has no AM
    e.TuneNext();
    EXPECT_NEAR(e.Table()[9].Frequency, 0.540, 1e-9);

    e.Select(10);
    e.ChooseBand(bFM); // an empty slot stays empty
    EXPECT_FALSE(e.Table()[10].Used);
    EXPECT_EQ(e.TunerFrequency(), 76.0);
    EXPECT_TRUE(e.OutsideCard());
}

TEST_F(PresetsDraftTest, ListenPlaysTheSlotAndPutsTheCardBack)
{
    TPresetsDraft& e = Open();
    e.Select(5);
    EXPECT_FALSE(e.Buttons().Listen); // AM on an FM-only card
    EXPECT_FALSE(e.ListenStart());

    e.Select(1);
    ASSERT_TRUE(e.ListenStart());
    EXPECT_EQ(card.Frequency(), 88.6);
    EXPECT_TRUE(e.ListenTuned()); // a station of the emulated list
    e.Select(2); // another row ends the preview
    EXPECT_FALSE(e.Listening());
    EXPECT_EQ(card.Frequency(), 95.0);

    ASSERT_TRUE(e.ListenStart());
    editor.reset();
    EXPECT_EQ(card.Frequency(), 95.0);
}

TEST_F(PresetsDraftTest, LoadAsksFirstAndKeepsTheTableOnAFault)
{
    const QString bad = dir.filePath(QStringLiteral("bad.vxp"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("garbage\r\n");
    file.close();
    TPresetsDraft& e = Open();
    EXPECT_FALSE(e.Load()); // No to the question
    prompts.answers.push_back(true);
    prompts.fileNames.push_back(bad);
    EXPECT_FALSE(e.Load());
    EXPECT_EQ(e.StoredCount(), 4);
    // The box's first line as ever, then the file, the line and why.
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList{QStringLiteral("The presets file is corrupt\n") + bad +
                          QStringLiteral(", line 1: the line must begin with a preset number from 001 to 100 and \".\"")});

    tPresets other;
    other[4] = Preset(104.25, 1, QStringLiteral("Pulse"));
    const QString good = dir.filePath(QStringLiteral("good.vxp"));
    ASSERT_TRUE(SavePresetsFile(good, other));
    prompts.answers.push_back(true);
    prompts.fileNames.push_back(good);
    ASSERT_TRUE(e.Load());
    EXPECT_EQ(e.Current(), 0);
    EXPECT_EQ(e.StoredCount(), 1);
    EXPECT_EQ(e.FileName(), good);

    prompts.answers.push_back(true);
    ASSERT_TRUE(e.Reload());
    EXPECT_EQ(e.Current(), 3);
    EXPECT_EQ(e.StoredCount(), 4);
}

TEST_F(PresetsDraftTest, OkHandsBackTrimmedNamesAndOneCurrentPreset)
{
    TPresetsDraft& e = Open();
    e.Select(1);
    e.TypeName(QStringLiteral(" Harbour FM "));
    e.MoveDown();
    ASSERT_TRUE(e.Accept());
    EXPECT_EQ(bank[2].Name, QStringLiteral("Harbour FM"));
    EXPECT_EQ(e.Current(), 3);
    int current = 0;
    for (int n = 1; n <= tPresets::Count; ++n) current += bank[n].Current;
    EXPECT_EQ(current, 1);
    EXPECT_EQ(bank[3].Current, 1);
    EXPECT_TRUE(e.CloseQuery());
}

// On the card's thread: whether a station answers is told once the tuning
// reports, never for a preview already ended, and the card goes back to the
// tuning asked for before the editor opened, not the one last reported.
TEST_F(PresetsDraftTest, OnTheCardsThreadListenIsToldWhenReportedAndReturnsToTheLastTuningAsked)
{
    TCardThread thread(card, TCardThread::tMode::Threaded);
    TCardGate gate;
    ASSERT_TRUE(gate.Close(thread));
    thread.Post(tCardJobKind::Tune, [](TRadioCard& c) {
        c.Tune(false, bFM, 91.35);
        return 0;
    });
    TPresetsDraft e(bank, setup, thread, prompts);
    int told = 0;
    e.OnListenTuned = [&told] { ++told; };
    e.Select(1);
    ASSERT_TRUE(e.ListenStart());
    EXPECT_TRUE(e.Listening());
    EXPECT_FALSE(e.ListenTuned()); // not reported yet
    gate.Open();
    thread.WaitIdle();
    EXPECT_TRUE(e.ListenTuned());
    EXPECT_EQ(told, 1);
    EXPECT_EQ(thread.State().Frequency(), 88.6);

    TCardGate again;
    ASSERT_TRUE(again.Close(thread));
    e.Select(3); // ends the first preview
    ASSERT_TRUE(e.ListenStart());
    e.ListenStop();
    again.Open();
    thread.WaitIdle();
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(e.ListenTuned());
    EXPECT_EQ(thread.State().Frequency(), 91.35);
}

} // namespace
