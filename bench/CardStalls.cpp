// How long the window's thread is kept from its event loop while the user
// tunes, mutes and scans, on each emulated card in real time (the waits
// between port writes and before a signal reading pass for real, as with
// --simulate). A second thread posts a probe to the window's thread every
// 2 ms; the longest time a probe waited is the longest stall.
//   card-stalls [MODEL...]   models by their settings number 1..9 (default: all)
// Prints one line per model: the longest stall while tuning, muting and
// scanning, the number of stalls over 50 ms, and where the card was after
// the tuning and after each scan (so a run that did nothing shows).
//   card-stalls --archive [--inline] [MODEL...]
// The same in the station archive dialog: stations and a folder selected
// (tunings and mutes), the step keys held, a scan up and one down, each
// halted after a second. With --inline the card's jobs run on the window's
// thread, one after the other, as a dialog that used the card directly did.

#include "ArchiveDialog.h"
#include "ArchiveModel.h"
#include "CardThread.h"
#include "Glyphs.h"
#include "MainWindow.h"
#include "Prompts.h"
#include "SimulatedHardware.h"
#include "StationList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Nothing is asked on the way: every box is answered at once.
class TBenchPrompts final : public TPrompts {
public:
    void Message(const QString& title, const QString& text, tPromptIcon) override
    {
        std::fprintf(stderr, "card-stalls: %s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }
    bool AskYesNo(const QString&, const QString&, tPromptIcon) override { return true; }
    int Choose(const QString&, const QString&, tPromptIcon, const QStringList&, int escape) override { return escape; }
    QString OpenFileName(const tFileDialogRequest&) override { return {}; }
    QString SaveFileName(const tFileDialogRequest&) override { return {}; }
    void Beep() override {}
};

class TBenchDialogs final : public TMainDialogs {
public:
    bool Setup(QWidget*, const tSetupFacts&, tSetupValues&) override { return false; }
    tExitChoice AskExit(QWidget*, bool) override { return tExitChoice::Yes; }
    bool AskName(QWidget*, QString&) override { return false; }
    bool TipOfTheDay(QWidget*, const QString&, bool) override { return false; }
    bool Alarm(QWidget*, const tCardState&, const tPresets&, int, int&, int&, int&) override { return false; }
    bool Sleep(QWidget*, int&) override { return false; }
    bool EditScript(QWidget*, const tScriptEditorEnv&, tScript&, QString&) override { return false; }
    void About(QWidget*) override {}
};

// Posts a probe to `target`'s thread every 2 ms and keeps the longest wait
// of the phase under way, and how many waits went over 50 ms.
class TStallProbe {
public:
    explicit TStallProbe(QObject* target) : target_(target)
    {
        clock_.start();
        thread_ = std::thread([this] {
            while (!stop_) {
                const qint64 sent = clock_.nsecsElapsed();
                QMetaObject::invokeMethod(
                    target_,
                    [this, sent] {
                        const qint64 now = clock_.nsecsElapsed();
                        const qint64 waited = now - sent;
                        if (waited > longest_) longest_ = waited;
                        // The probes posted during one stall all wait: it counts once.
                        if (waited > 50'000'000 && sent > lastStallEnd_) {
                            ++over50_;
                            lastStallEnd_ = now;
                        }
                    },
                    Qt::QueuedConnection);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~TStallProbe()
    {
        stop_ = true;
        thread_.join();
    }
    // Starts a new phase; gives the longest wait (ms) and count of the last one.
    std::pair<double, int> Phase()
    {
        const std::pair<double, int> last{double(longest_) / 1e6, over50_};
        longest_ = 0;
        over50_ = 0;
        return last;
    }

private:
    QObject* target_;
    QElapsedTimer clock_;
    std::atomic<bool> stop_{false};
    qint64 longest_ = 0; // touched on the window's thread only
    qint64 lastStallEnd_ = 0;
    int over50_ = 0;
    std::thread thread_;
};

// Runs the event loop for `ms`.
void RunFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Calls `action` `times` times, `gapMs` apart, on the window's event loop.
void Repeat(int times, int gapMs, const std::function<void()>& action)
{
    for (int i = 0; i < times; ++i) {
        QTimer::singleShot(0, action);
        RunFor(gapMs);
    }
}

const char* const ModelNames[] = {"RadioTrack", "RA300",  "Wizard",  "RadioMan",     "Radion Maru",
                                  "Rajikoma",   "Zoltrix", "V4L2 device", "SDR dongle"};

// Clicks the dialog's button of that name when it is shown.
void Click(const QDialog& dialog, const char* name)
{
    auto* button = dialog.findChild<QToolButton*>(QLatin1String(name));
    if (button && button->isVisible() && button->isEnabled()) button->click();
}

int ArchiveStalls(const std::vector<int>& models, bool runInline)
{
    std::printf("%-12s %10s %10s %8s   %s\n", "model", "tune ms", "scan ms", ">50 ms",
                "MHz after tuning, scan up, scan down");
    const TStationList stations = TStationList::BuiltIn();
    for (const int model : models) {
        if (model < 1 || model > 9) continue;
        TSimulatedHardware hw(stations, true);
        hw.InsertCard(tModel(model - 1));
        TRadioCard card(hw);
        card.SetModel(tModel(model - 1));
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
        card.InitVolume(128);
        card.Open();
        if (!card.Active()) {
            std::printf("%-12s not open: %s\n", ModelNames[model - 1], qUtf8Printable(card.OpenError()));
            continue;
        }
        card.Tune(card.Stereo(), bFM, 87.0);
        TCardThread thread(card, runInline ? TCardThread::tMode::Inline : TCardThread::tMode::Threaded);
        TArchive archive;
        TArchiveNode* folder = archive.AddFolder(archive.Root());
        folder->Name = QStringLiteral("Folder");
        archive.AddStation(*folder, 1, 87.5)->Name = QStringLiteral("Low");
        archive.AddStation(*folder, 1, 95.0)->Name = QStringLiteral("Middle");
        tPresets presets;
        int current = 0;
        tArchiveDialogSetup setup;
        TBenchPrompts prompts;
        TGlyphs glyphs;
        TArchiveDialog dialog(std::move(archive), presets, current, setup, thread, prompts, glyphs);
        dialog.show();
        RunFor(300);
        auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("RadioTree"));
        const auto select = [&dialog, tree](const QString& name) {
            TArchiveNode* found = nullptr;
            dialog.Archive().Walk([&](const TArchiveNode& n, int) {
                if (!found && n.Name == name) found = const_cast<TArchiveNode*>(&n);
            });
            if (found && tree->isEnabled()) tree->setCurrentIndex(dialog.Model().IndexOf(found));
        };

        TStallProbe probe(&dialog);
        RunFor(100);
        probe.Phase();
        // Stations and the folder (which mutes) in turn, then a held step key.
        for (const char* name : {"Low", "Folder", "Middle", "Folder", "Low", "Middle"}) {
            QTimer::singleShot(0, &dialog, [&select, name] { select(QLatin1String(name)); });
            RunFor(250);
        }
        Repeat(20, 40, [&dialog] { Click(dialog, "btTuneNext"); });
        Repeat(10, 40, [&dialog] { Click(dialog, "btTunePrev"); });
        RunFor(800);
        const auto tune = probe.Phase();
        const double tuned = thread.State().Frequency();
        QTimer::singleShot(0, &dialog, [&select] { select(QStringLiteral("Low")); });
        RunFor(500);
        QTimer::singleShot(0, &dialog, [&dialog] { Click(dialog, "btScanNext"); });
        RunFor(1000);
        QTimer::singleShot(0, &dialog, [&dialog] { Click(dialog, "btStopScan"); });
        RunFor(1500);
        const double scannedUp = thread.State().Frequency();
        QTimer::singleShot(0, &dialog, [&dialog] { Click(dialog, "btScanPrev"); });
        RunFor(1000);
        QTimer::singleShot(0, &dialog, [&dialog] { Click(dialog, "btStopScan"); });
        RunFor(1500);
        const auto scan = probe.Phase();
        std::printf("%-12s %10.1f %10.1f %8d   %.3f %.3f %.3f\n", ModelNames[model - 1], tune.first, scan.first,
                    tune.second + scan.second, tuned, scannedUp, thread.State().Frequency());
        std::fflush(stdout);
        dialog.hide();
        thread.WaitIdle();
        thread.Direct([](TRadioCard& c) { c.Close(); });
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMainWindow::SetUpApplication();
    std::vector<int> models;
    bool archive = false;
    bool runInline = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--archive"))
            archive = true;
        else if (arg == QLatin1String("--inline"))
            runInline = true;
        else
            models.push_back(arg.toInt());
    }
    if (models.empty()) models = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    if (archive) return ArchiveStalls(models, runInline);

    std::printf("%-12s %10s %10s %10s %8s   %s\n", "model", "tune ms", "mute ms", "scan ms", ">50 ms",
                "MHz after tuning, scan up, scan down");
    for (const int model : models) {
        if (model < 1 || model > 9) continue;
        QTemporaryDir dir;
        QFile ini(dir.filePath(QStringLiteral("Vantoro.ini")));
        if (!ini.open(QIODevice::WriteOnly)) return 1;
        // Port 1 for every model; the serial receivers' COM1 is an emulator.
        ini.write(QStringLiteral("[Configuration]\nHardware=%1\nPort=1\nShutDown=1\nTipOfDay=0\n"
                                 "[Frequency]\nFrequency=M 087.000\n")
                      .arg(model)
                      .toUtf8());
        ini.close();
        TSimulatedHardware hw(TStationList::BuiltIn(), true);
        TBenchPrompts prompts;
        TBenchDialogs dialogs;
        TMainEnv env;
        env.ProgramDir = dir.path();
        env.Hardware = &hw;
        env.Prompts = &prompts;
        env.Dialogs = &dialogs;
        env.UseTray = false;
        env.BeforeOpen = [&hw](tModel m) { hw.InsertCard(m); };
        TMainWindow window(std::move(env));
        if (!window.Start()) return 1;
        window.show();
        RunFor(300);

        TStallProbe probe(&window);
        RunFor(100);
        probe.Phase();
        // A held key: twenty steps up, 40 ms apart, then ten down.
        Repeat(20, 40, [&window] { window.Actions_TuneNext(); });
        Repeat(10, 40, [&window] { window.Actions_TunePrev(); });
        RunFor(800);
        const auto tune = probe.Phase();
        const double tuned = window.Card().Frequency();
        Repeat(6, 250, [&window] { window.Volume_Mute(); });
        Repeat(6, 100, [&window] { window.Volume_Up(); });
        RunFor(500);
        const auto mute = probe.Phase();
        // A scan up, halted after a second if it is still going; then down.
        QTimer::singleShot(0, &window, [&window] { window.Actions_ScanNext(); });
        RunFor(1000);
        QTimer::singleShot(0, &window, [&window] { window.Actions_StopScan(); });
        RunFor(1500);
        const double scannedUp = window.Card().Frequency();
        QTimer::singleShot(0, &window, [&window] { window.Actions_ScanPrev(); });
        RunFor(1000);
        QTimer::singleShot(0, &window, [&window] { window.Actions_StopScan(); });
        RunFor(1500);
        const auto scan = probe.Phase();
        std::printf("%-12s %10.1f %10.1f %10.1f %8d   %.3f %.3f %.3f\n", ModelNames[model - 1], tune.first,
                    mute.first, scan.first, tune.second + mute.second + scan.second, tuned, scannedUp,
                    window.Card().Frequency());
        std::fflush(stdout);
        window.SessionEnd();
        RunFor(200);
    }
    return 0;
}
