// The archive dialog dialog on the emulated RadioTrack: the selection rules, the
// tree commands with their refusals, presets filled from the archive, and
// the scan.

#include "ArchiveModel.h"
#include "CardGate.h"
#include "FakePrompts.h"
#include "Glyphs.h"
#include "ArchiveDialog.h"
#include "SimulatedHardware.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>
#include <memory>
#include <optional>

namespace {

class ArchiveDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
        card.InitVolume(128);
        card.Open();
        // A folder "News" holding "Harbour" (88.6 FM, an emulated station),
        // and "Quiet" at 87.5 FM on the root.
        TArchiveNode& root = archive.Root();
        TArchiveNode* news = archive.AddFolder(root);
        news->Name = QStringLiteral("News");
        archive.AddStation(*news, 1, 88.6)->Name = QStringLiteral("Harbour");
        archive.AddStation(root, 1, 87.5)->Name = QStringLiteral("Quiet");
        setup.FMStep = 0.1;
        setup.ColorFavAssButtonFM = 2;
        setup.ColorFavAssButtonAM = 3;
        setup.ColorFavNotAssButton = 5;
    }

    TArchiveDialog& Open(TCardThread::tMode mode = TCardThread::tMode::Inline)
    {
        if (!cards) cards.emplace(card, mode);
        dialog = std::make_unique<TArchiveDialog>(std::move(archive), presets, current, setup, *cards, prompts, glyphs);
        return *dialog;
    }
    TArchiveNode* Node(const QString& name)
    {
        TArchiveNode* found = nullptr;
        dialog->Archive().Walk([&](const TArchiveNode& n, int) {
            if (!found && n.Name == name) found = const_cast<TArchiveNode*>(&n);
        });
        return found;
    }
    void Select(const QString& name)
    {
        auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("RadioTree"));
        tree->setCurrentIndex(name == QLatin1String("Root") ? dialog->Model().IndexOf(&dialog->Archive().Root())
                                                             : dialog->Model().IndexOf(Node(name)));
    }
    template <typename T = QToolButton>
    T* Child(const QString& name) const
    {
        T* child = dialog->findChild<T*>(name);
        if (!child) throw std::runtime_error("no widget " + name.toStdString()); // fails the test, not the run
        return child;
    }
    // The button shows the glyph of that name.
    bool Shows(int n, const QString& glyph) const
    {
        const QToolButton* button = Child(QStringLiteral("btRadio") + (n == 100 ? QStringLiteral("00")
                                                                              : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))));
        return button->icon().pixmap(16, 11).toImage() == glyphs.Pixmap(glyph).toImage();
    }
    void UsePreset(int n, const QString& name, double f, std::uint8_t band = 1)
    {
        presets[n].Name = name;
        presets[n].Frequency = f;
        presets[n].Band = band;
        presets[n].Used = 1;
    }

    TSimulatedHardware hw{TStationList::BuiltIn(), false};
    TRadioCard card{hw};
    // Inline unless a test asks otherwise: jobs run at once on the test's
    // thread, so what the dialog asks is done when the call returns.
    std::optional<TCardThread> cards;
    TArchive archive;
    tPresets presets;
    int current = 0;
    tArchiveDialogSetup setup;
    TFakePrompts prompts;
    TGlyphs glyphs;
    std::unique_ptr<TArchiveDialog> dialog;
};

} // namespace

TEST_F(ArchiveDialogTest, FoldersMuteAndStationsTuneWithTheDialogSizedToMatch)
{
    card.Unmute();
    TArchiveDialog& d = Open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channels organizer"));
    EXPECT_TRUE(card.Muted()); // the root is selected
    EXPECT_EQ(d.height(), 308);
    EXPECT_FALSE(Child<QWidget>(QStringLiteral("StationData"))->isVisibleTo(&d));

    Select(QStringLiteral("Harbour"));
    EXPECT_FALSE(card.Muted());
    EXPECT_DOUBLE_EQ(card.Frequency(), 88.6);
    EXPECT_EQ(d.height(), 386);
    EXPECT_EQ(Child<QPushButton>(QStringLiteral("btOk"))->y(), 330);
    EXPECT_TRUE(Child<QWidget>(QStringLiteral("StationData"))->isVisibleTo(&d));
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Tuned"))->text(), QStringLiteral("S"));
    EXPECT_EQ(Child<QLabel>(QStringLiteral("AM_FM"))->text(), QStringLiteral("FM"));

    Select(QStringLiteral("News"));
    EXPECT_TRUE(card.Muted());
    EXPECT_EQ(Child<QPushButton>(QStringLiteral("btOk"))->y(), 252);

    // Outside the card's FM range: shown red and out of range, the card
    // itself stays on a frequency it can receive.
    Select(QStringLiteral("Quiet"));
    d.Tuner().Set(bFM, 80.0);
    EXPECT_TRUE(d.Tuner().OutOfRange());
    EXPECT_DOUBLE_EQ(card.Frequency(), 87.0);
    EXPECT_DOUBLE_EQ(Node(QStringLiteral("Quiet"))->Record.Frequency, 80.0);

    // This card has no AM: the station moves to AM, the card stays on FM.
    Child(QStringLiteral("btAM"))->click();
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Tuned"))->text(), QStringLiteral("!"));
    EXPECT_TRUE(Child<QLabel>(QStringLiteral("LOut"))->isVisibleTo(&d));
    EXPECT_EQ(card.Band(), bFM);
    EXPECT_EQ(Node(QStringLiteral("Quiet"))->Record.Band, 0);
}

TEST_F(ArchiveDialogTest, OnlyTheRootMeansNothingToRenameOrDelete)
{
    archive = TArchive();
    TArchiveDialog& d = Open();
    EXPECT_FALSE(Child<QAction>(QStringLiteral("miRename"))->isEnabled());
    EXPECT_FALSE(Child<QAction>(QStringLiteral("miDelete"))->isEnabled());
    EXPECT_TRUE(Child<QAction>(QStringLiteral("miAdd"))->isEnabled());

    // A new station takes the tuner's band at its lower edge.
    d.AddStation();
    ASSERT_EQ(d.Archive().Root().ChildCount(), 1);
    const TArchiveNode* station = d.Archive().Root().Child(0);
    EXPECT_EQ(station->Name, QStringLiteral("Station Name"));
    EXPECT_DOUBLE_EQ(station->Record.Frequency, 87.0);
    Select(QStringLiteral("Station Name"));
    EXPECT_FALSE(Child<QAction>(QStringLiteral("miAdd"))->isEnabled());
    d.AddFolder(); // not under a station
    EXPECT_EQ(d.Archive().NodeCount(), 2);
}

TEST_F(ArchiveDialogTest, RenamesAndDropsAreRefusedWithTheirMessages)
{
    TArchiveDialog& d = Open();
    TArchiveModel& model = d.Model();
    const QModelIndex root = model.IndexOf(&d.Archive().Root());
    EXPECT_FALSE(model.setData(root, QStringLiteral("Top"), Qt::EditRole));
    EXPECT_FALSE(model.setData(model.IndexOf(Node(QStringLiteral("Quiet"))), QStringLiteral("NEWS"), Qt::EditRole));
    EXPECT_FALSE(model.setData(model.IndexOf(Node(QStringLiteral("Quiet"))), QStringLiteral("  "), Qt::EditRole));
    EXPECT_TRUE(model.setData(model.IndexOf(Node(QStringLiteral("Quiet"))), QStringLiteral(" Calm "), Qt::EditRole));
    EXPECT_EQ(model.data(root, Qt::DisplayRole).toString(), QStringLiteral("Root"));
    ASSERT_NE(Node(QStringLiteral("Calm")), nullptr);

    Select(QStringLiteral("News"));
    d.DropOnTree(model.IndexOf(Node(QStringLiteral("Harbour")))); // parent onto child
    Select(QStringLiteral("Harbour"));
    d.DropOnTree(model.IndexOf(Node(QStringLiteral("Calm")))); // station onto station
    d.DropOnTree(model.IndexOf(Node(QStringLiteral("News")))); // onto its own parent
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList({QStringLiteral("This node can't be renamed"),
                           QStringLiteral("A node with this name already exists"),
                           QStringLiteral("The name is empty"),
                           QStringLiteral("Can't drop a parent onto its child"),
                           QStringLiteral("You can't drop this type of node here!"),
                           QStringLiteral("Destination node is the same as the source node")}));
    EXPECT_EQ(prompts.beeps, 6);
    EXPECT_EQ(Node(QStringLiteral("Harbour"))->Parent()->Name, QStringLiteral("News"));

    d.DropOnTree(root);
    EXPECT_EQ(Node(QStringLiteral("Harbour"))->Parent(), &d.Archive().Root());
    EXPECT_EQ(Node(QStringLiteral("Harbour"))->Record.ParentId, 0);
    EXPECT_EQ(model.Node(Child<QTreeView>(QStringLiteral("RadioTree"))->currentIndex()), Node(QStringLiteral("Harbour")));

    Select(QStringLiteral("News"));
    d.Delete();
    EXPECT_EQ(Node(QStringLiteral("News")), nullptr);
}

TEST_F(ArchiveDialogTest, AStationGoesToAPresetOnlyWhenNoPresetHoldsItAlready)
{
    UsePreset(7, QStringLiteral("Old"), 99.0);
    UsePreset(9, QStringLiteral("Current"), 95.0);
    presets[9].Current = 1;
    current = 9;
    TArchiveDialog& d = Open();
    EXPECT_TRUE(Shows(9, TGlyphs::ButtonName(2, false))); // unlit at opening, the current one too
    EXPECT_TRUE(Shows(1, TGlyphs::ButtonName(5, false)));
    EXPECT_EQ(Child(QStringLiteral("btRadio07"))->toolTip(), QStringLiteral("099.000 - Old"));

    Select(QStringLiteral("News"));
    EXPECT_FALSE(d.CanDropOnPreset()); // a folder
    d.DropOnPreset(3);
    EXPECT_FALSE(presets[3].Used);
    EXPECT_TRUE(prompts.calls.empty()) << "a folder is no station: nothing to say";

    Select(QStringLiteral("Harbour"));
    d.DropOnPreset(7); // replaces "Old" without asking
    EXPECT_EQ(presets[7].Name, QStringLiteral("Harbour"));
    EXPECT_DOUBLE_EQ(presets[7].Frequency, 88.6);
    EXPECT_EQ(current, 7);
    EXPECT_EQ(presets[7].Current, 1);
    EXPECT_EQ(presets[9].Current, 0);
    EXPECT_TRUE(Shows(7, TGlyphs::ButtonName(2, true)));
    EXPECT_TRUE(Shows(9, TGlyphs::ButtonName(2, false)));
    EXPECT_EQ(Child(QStringLiteral("btRadio07"))->toolTip(), QStringLiteral("088.600 - Harbour"));

    // Now held by preset 7: refused everywhere, its own button included.
    EXPECT_FALSE(d.CanDropOnPreset());
    d.DropOnPreset(100);
    EXPECT_FALSE(presets[100].Used);
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].Text, QStringLiteral("Duplicated frequency"));
    EXPECT_EQ(prompts.calls[0].Title, WarningTitle());
    EXPECT_EQ(prompts.calls[0].Icon, tPromptIcon::Warning);
    // The same frequency on the other band is another station.
    Node(QStringLiteral("Harbour"))->Record.Band = 0;
    EXPECT_TRUE(d.CanDropOnPreset());

    d.ClearPreset(7);
    EXPECT_FALSE(presets[7].Used);
    EXPECT_EQ(current, 0);
    EXPECT_TRUE(Shows(7, TGlyphs::ButtonName(5, false)));
    EXPECT_TRUE(Child(QStringLiteral("btRadio07"))->toolTip().isEmpty());
}

TEST_F(ArchiveDialogTest, ClearAllAsksThenEmptiesEverySlotOnTheCardsDefault)
{
    for (int n : {1, 50, 100}) UsePreset(n, QStringLiteral("P"), 90.0 + n / 10.0, n == 50 ? 0 : 1);
    TArchiveDialog& d = Open();
    d.ClearAllPresets(); // answered No
    EXPECT_EQ(presets.UsedCount(), 3);
    prompts.answers.push_back(true);
    d.ClearAllPresets();
    ASSERT_EQ(prompts.calls.back().Title, QStringLiteral("Clear all favorites"));
    EXPECT_EQ(prompts.calls.back().Text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(prompts.calls.back().Icon, tPromptIcon::Question);
    EXPECT_EQ(presets.UsedCount(), 0);
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(presets[n].Band, 1) << n;
        EXPECT_DOUBLE_EQ(presets[n].Frequency, 87.0) << n;
        EXPECT_TRUE(Shows(n, TGlyphs::ButtonName(5, false))) << n;
        EXPECT_TRUE(Child(QStringLiteral("btRadio%1").arg(n % 100, 2, 10, QLatin1Char('0')))->toolTip().isEmpty()) << n;
    }
}

TEST_F(ArchiveDialogTest, ScanStopsOnAStationOrOnHaltAndLeavesTheFrequencyInTheStation)
{
    TArchiveDialog& d = Open();
    Select(QStringLiteral("Quiet"));
    Child(QStringLiteral("btScanNext"))->click();
    EXPECT_DOUBLE_EQ(card.Frequency(), 88.6);
    EXPECT_DOUBLE_EQ(Node(QStringLiteral("Quiet"))->Record.Frequency, 88.6);
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Tuned"))->text(), QStringLiteral("S"));
    EXPECT_FALSE(d.Busy());
    EXPECT_TRUE(Child<QWidget>(QStringLiteral("RadioTree"))->isEnabled());

    // Halted a few steps down from 88.6, where no station answers.
    int pumps = 0;
    QTimer halt;
    halt.setInterval(0);
    bool haltClear = true; // the halt button covers no scale mark
    QObject::connect(&halt, &QTimer::timeout, [&] {
        QToolButton* stop = Child(QStringLiteral("btStopScan"));
        for (int i = 1; i <= 12; ++i) {
            const QLabel* mark =
                Child<QLabel>(QStringLiteral("Freq%1").arg(i, 2, 10, QLatin1Char('0')));
            if (mark->isVisibleTo(&d) && stop->isVisibleTo(&d) &&
                stop->geometry().intersects(mark->geometry()))
                haltClear = false;
        }
        if (++pumps == 4) stop->click();
    });
    halt.start();
    Child(QStringLiteral("btScanPrev"))->click();
    halt.stop();
    const double stopped = card.Frequency();
    EXPECT_LT(stopped, 88.6);
    EXPECT_GT(stopped, 87.0);
    EXPECT_DOUBLE_EQ(Node(QStringLiteral("Quiet"))->Record.Frequency, stopped);
    EXPECT_FALSE(Child(QStringLiteral("btStopScan"))->isVisibleTo(&d));
    EXPECT_TRUE(haltClear);

    // At the band's lower edge a downward scan does nothing.
    d.Tuner().Set(bFM, 87.0);
    pumps = 0;
    d.Scan(false);
    EXPECT_DOUBLE_EQ(card.Frequency(), 87.0);
}

// Cancel, Escape and the close box ask before an edited tree is dropped, and
// only then; a tuned station's new frequency counts as an edit.
TEST_F(ArchiveDialogTest, LeavingWithoutOkAsksOnlyWhenTheTreeChanged)
{
    const QString question =
        QStringLiteral("The station archive has changed!\nAre you sure that you want\nto exit without saving?");
    const auto asked = [this] {
        int n = 0;
        for (const auto& call : prompts.calls) n += call.Kind == QLatin1String("AskYesNo") ? 1 : 0;
        return n;
    };
    {
        TArchiveDialog& d = Open();
        d.show();
        Select(QStringLiteral("Harbour")); // selecting and tuning to it is no edit
        Child<QPushButton>(QStringLiteral("btCancel"))->click();
        EXPECT_EQ(asked(), 0);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    // A moved frequency: Escape asks, No stays, Yes leaves.
    archive = TArchive();
    archive.AddStation(archive.Root(), 1, 87.5)->Name = QStringLiteral("Quiet");
    TArchiveDialog& d = Open();
    d.show();
    Select(QStringLiteral("Quiet"));
    d.Tuner().Set(bFM, 99.0);
    ASSERT_TRUE(d.Changed());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&d, &escape);
    ASSERT_EQ(asked(), 1);
    EXPECT_EQ(prompts.calls.back().Text, question);
    EXPECT_TRUE(d.isVisible());
    prompts.answers.push_back(true);
    d.close();
    EXPECT_EQ(asked(), 2);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

// On the card's thread: OK writes a tuning whose report has not been
// taken yet into its station.
TEST_F(ArchiveDialogTest, OkWritesATuningStillUnderWayIntoItsStation)
{
    TArchiveDialog& d = Open(TCardThread::tMode::Threaded);
    Select(QStringLiteral("Quiet"));
    cards->WaitIdle();
    ASSERT_NE(Node(QStringLiteral("Quiet")), nullptr);
    EXPECT_DOUBLE_EQ(Node(QStringLiteral("Quiet"))->Record.Frequency, 87.5);
    TCardGate gate;
    ASSERT_TRUE(gate.Close(*cards));
    d.Tuner().Set(bFM, 99.0);
    gate.Open(); // the report waits for the dialog's thread
    double saved = 0;
    d.OnSave = [this, &saved](const TArchive&, QString&) {
        saved = Node(QStringLiteral("Quiet"))->Record.Frequency;
        return true;
    };
    Child<QPushButton>(QStringLiteral("btOk"))->click();
    EXPECT_DOUBLE_EQ(saved, 99.0);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}
