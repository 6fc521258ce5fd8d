// Vantoro: the entry. One copy per user, a supported system, access to the
// card's I/O ports when the configured model needs them, then the main
// window until it closes.
//
// Options (CommandLine): "\CONFIGURE" (any case, any position) or --configure
// shows the settings dialog first; --simulate runs on emulated hardware,
// --stations FILE gives the emulated stations, --trace FILE records every port
// access, wait and serial byte; --mute and --scan are the desktop actions,
// handed to the copy that runs (or done by this one once its window is up);
// --help and --version print and end. A mistake ends with the usage (exit 2),
// no display with one line (exit 1).

#include "CannotStartDialog.h"
#include "CommandLine.h"
#include "DeviceWatch.h"
#include "HardwareEnv.h"
#include "InstanceLock.h"
#include "MainDialogs.h"
#include "MainWindow.h"
#include "MediaPlayerService.h"
#include "OsVersion.h"
#include "PortAccessWarning.h"
#include "ProgramDir.h"
#include "RtlSdrSource.h"
#include "QtPrompts.h"
#include "RemoteActions.h"
#include "SafeSave.h"
#include "Settings.h"
#include "SimulatedHardware.h"
#include "Translations.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

// The application's error handler: an error no operation caught is reported
// by the default beep, and logged so it can be looked into.
void ReportUncaught(const char* what)
{
    QApplication::beep();
    std::fprintf(stderr, "vantoro: %s\n", what && *what ? what : "unexpected error");
}

class TVantoroApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ReportUncaught(e.what());
        } catch (...) {
            ReportUncaught(nullptr);
        }
        return false;
    }
};

// Messages Qt gives while it connects to the display: kept back, so that
// a missing display is one line of ours instead of Qt's abort.
QStringList displayMessages;

void OnDisplayMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        displayMessages.append(message);
        return;
    }
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "vantoro: no display to open the window on (DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                 x11.isEmpty() ? "unset" : x11.constData(),
                 wayland.isEmpty() ? "unset" : wayland.constData());
    std::_Exit(ExitNoDisplay);
}

QStringList RawArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

// The usage mistake, with the usage, on the error output.
int UsageError(const QString& error)
{
    std::fprintf(stderr, "vantoro: %s\n%s", qUtf8Printable(error), qUtf8Printable(ProgramUsage()));
    return ExitCommandLine;
}

// VANTORO_TRACE_STARTUP set: each step of the start with the milliseconds
// since main() began, on the error output, to see where the time goes.
QElapsedTimer startClock;
bool traceStartup = false;

void TraceStartup(const char* step)
{
    if (traceStartup)
        std::fprintf(stderr, "vantoro: start-up %6.1f ms: %s\n", double(startClock.nsecsElapsed()) / 1e6, step);
}

// Runs `then` once, after the window's first paint (at once when the window
// starts hidden): what the first picture does not need waits until it is up.
class TAfterFirstPaint final : public QObject
{
public:
    TAfterFirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then))
    {
        if (window->isVisible() && !window->isMinimized())
            window->installEventFilter(this);
        else
            QTimer::singleShot(0, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The paint itself first, then the rest on the next turn of the loop.
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            TraceStartup("first paint");
            QTimer::singleShot(0, this, [this] { Run(); });
        }
        return false;
    }

private:
    void Run()
    {
        if (then_) std::exchange(then_, nullptr)();
    }
    QWidget* window_;
    std::function<void()> then_;
};

// SIGTERM, SIGHUP and SIGINT (Ctrl+C) reach the window through a socket pair, as a signal
// handler may do nothing but write a byte.
int signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

int main(int argc, char** argv)
{
    startClock.start();
    traceStartup = !qEnvironmentVariableIsEmpty("VANTORO_TRACE_STARTUP");
    // Help, version and mistakes need no display and no lock.
    {
        const tCommandLine early = ParseCommandLine(RawArguments(argc, argv), true);
        if (!early.Error.isEmpty() || early.Help) {
            // Parsed again with the user's language in place, for the texts.
            const QCoreApplication texts(argc, argv);
            UseSystemLanguage();
            const tCommandLine told = ParseCommandLine(RawArguments(argc, argv), true);
            if (!told.Error.isEmpty()) return UsageError(told.Error);
            std::fputs(qUtf8Printable(ProgramUsage()), stdout);
            return 0;
        }
        if (early.Version) {
            std::printf("vantoro %s\n", VANTORO_VERSION);
            return 0;
        }
    }

    // One copy per user: a second one hands the desktop action it was
    // started for (or "raise" the window) to the running copy and ends, with
    // exit 1 and a line saying so when that could not be delivered. A lock
    // that cannot be made is said, and the program starts without it. The
    // launcher's activation token goes along, so the window manager lets the
    // running copy's window come forward.
    TInstanceLock lock = TInstanceLock::ForThisUser();
    if (lock.State() == TInstanceLock::tState::Running) {
        const QCoreApplication forwarder(argc, argv);
        return ForwardToRunningCopy(lock.SocketName(), QCoreApplication::arguments(), LaunchToken());
    }
    TraceStartup("instance lock");
    if (lock.State() == TInstanceLock::tState::Failed)
        std::fprintf(stderr, "vantoro: %s; starting without the check for a running copy\n",
                     qUtf8Printable(lock.ErrorText()));

    // SIGTERM, SIGHUP and SIGINT from here on: a signal during start-up (the
    // first-run dialog, --configure) waits in the socket pair and closes
    // the dialog as Cancel would once the dialog runs, instead of killing
    // the program with nothing written.
    const bool signalsCaught = ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0;
    if (signalsCaught) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }

    // The system's family, then the application (a missing display is one line).
    const bool isNT = IsWindowsNT4Up();
    const bool is9x = IsWindows9x();
    const QtMessageHandler previous = qInstallMessageHandler(OnDisplayMessage);
    TVantoroApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // The user's language (LANGUAGE, LC_MESSAGES, LANG), English where none fits.
    UseSystemLanguage();
    TraceStartup("application");
    for (const QString& message : std::as_const(displayMessages))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    TMainWindow::SetUpApplication();
    const tCommandLine options = ParseCommandLine(QApplication::arguments().mid(1), false);
    if (!options.Error.isEmpty()) return UsageError(options.Error);

    // A system too old for the program: say so and end.
    if (!isNT && !is9x) {
        TCannotStartDialog dialog;
        dialog.exec();
        return 0;
    }

    std::unique_ptr<THardwareEnv> hardware;
    TSimulatedHardware* simulator = nullptr;
    if (options.Simulate) {
        TStationList stations = TStationList::BuiltIn();
        if (!options.Stations.isEmpty()) {
            QString why;
            auto loaded = TStationList::Load(options.Stations, &why);
            if (!loaded) {
                std::fprintf(stderr, "vantoro: %s\n",
                             qUtf8Printable(QCoreApplication::translate("vantoro", "cannot use the station list %1").arg(why)));
                return 2;
            }
            stations = std::move(*loaded);
        }
        auto sim = std::make_unique<TSimulatedHardware>(std::move(stations), true, options.Trace);
        simulator = sim.get();
        hardware = std::move(sim);
    } else {
        hardware = std::make_unique<TRealHardware>(options.Trace);
    }
    if (!options.Trace.isEmpty() && !hardware->Trace())
        std::fprintf(stderr, "vantoro: %s\n",
                     qUtf8Printable(QCoreApplication::translate("vantoro", "cannot write the trace file %1").arg(options.Trace)));

    const tProgramDirs dirs = ProgramDirs();
    const QString& programDir = dirs.Settings;
    // A card on I/O ports needs the system's permission to reach them.
    if (isNT) {
        const int code = TSettingsFile(programDir).Read().Hardware;
        QString reason;
        if (IsPortCardIndex(code) && !hardware->PortAccess(&reason)) {
            TPortAccessWarning dialog(reason);
            dialog.exec();
            return 0;
        }
    }

    // The main window with the real prompts and dialogs.
    TQtPrompts prompts;
    TQtMainDialogs dialogs;
    TMainEnv env;
    env.ProgramDir = programDir;
    env.DataDir = dirs.Data;
    env.Hardware = hardware.get();
    env.Prompts = &prompts;
    env.Dialogs = &dialogs;
    env.Configure = options.Configure;
    env.OnError = [](const QString& what) { ReportUncaught(qUtf8Printable(what)); };
    if (simulator) {
        env.BeforeOpen = [simulator](tModel model) { simulator->InsertCard(model); };
        env.Dongles = [simulator] { return simulator->Dongles(); };
    } else {
        env.Dongles = RtlSdrDeviceCount;
    }

    bool windowUp = false; // Start() has returned
    // Desktop actions that came before, with their activation tokens.
    std::vector<std::pair<TRemoteAction, QByteArray>> waiting;
    TraceStartup("hardware and folders");
    TMainWindow window(std::move(env));
    TraceStartup("window built");
    prompts.SetParent(&window);
    dialogs.Help = [&window](const QString& topic) { window.ShowHelp(topic); };

    // Session end, SIGTERM, SIGHUP and SIGINT: close as a desktop session end does, with
    // the card closed, the settings written and nothing asked; during
    // start-up's dialogs, as their Cancel.
    auto shutdown = [&window] { window.SessionEnd(); };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [shutdown](QSessionManager&) { shutdown(); });
    if (signalsCaught) {
        auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [shutdown] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
            shutdown();
        });
    }

    // Desktop actions from later starts (only for the copy holding the
    // lock: another's socket is never taken over), listened for before
    // start-up's dialogs so a later start is never turned away; what comes
    // before the window is up waits for it. Then the one this start was given.
    if (lock.State() == TInstanceLock::tState::Held) {
        auto* actions = new TRemoteActionServer(lock.SocketName(), &window);
        if (!actions->Listening())
            std::fprintf(stderr, "vantoro: %s\n",
                         qUtf8Printable(QCoreApplication::translate("vantoro", "desktop actions cannot reach this copy: %1").arg(actions->ErrorText())));
        QObject::connect(actions, &TRemoteActionServer::Requested, &window,
                         [&window, &windowUp, &waiting](TRemoteAction action, const QByteArray& token) {
                             if (windowUp)
                                 RunRemoteAction(window, action, token);
                             else
                                 waiting.emplace_back(action, token);
                         });
        // The lock's folder deleted while the program runs (a cleaner, a
        // user) is made again with the lock in it, before a second start
        // could take it; the server then listens there again.
        auto* keeper = new TLockKeeper(lock, 200, &window);
        QObject::connect(keeper, &TLockKeeper::Lost, &window,
                         [](const QString& why) { std::fprintf(stderr, "vantoro: %s\n", qUtf8Printable(why)); });
        QObject::connect(keeper, &TLockKeeper::Kept, actions, &TRemoteActionServer::ListenAgainIfLost);
    }
    try {
        if (!window.Start()) return 0;
    } catch (const std::exception& e) {
        ReportUncaught(e.what());
    }
    TraceStartup("window started");
    windowUp = true;
    if (const auto action = RemoteActionOption(options.Action)) waiting.emplace(waiting.begin(), *action, QByteArray());
    for (const auto& waited : waiting)
        QTimer::singleShot(0, &window, [&window, waited] { RunRemoteAction(window, waited.first, waited.second); });
    waiting.clear();

    // Nothing below is needed for the first picture: it runs once the window
    // has been painted.
    std::unique_ptr<TMediaPlayerService> player;
    new TAfterFirstPaint(&window, [&] {
        // What a save killed last time left beside the program's own files;
        // only the copy holding the lock clears it, as no other copy can be
        // saving.
        if (lock.State() == TInstanceLock::tState::Held) {
            RemoveSaveLeftovers(dirs.Settings, {TSettingsFile::FileName(), QStringLiteral("Vantoro.db")});
            if (dirs.Data != dirs.Settings) RemoveSaveLeftovers(dirs.Data, {QStringLiteral("Vantoro.db")});
        }
        // Media keys, the desktop's media controls and playerctl, on the
        // session bus when there is one; without one the program runs as before.
        player = std::make_unique<TMediaPlayerService>(window.PlayerHost());
        player->Publish(QDBusConnection::sessionBus());
        // Radio devices and dongles plugged in later: device nodes come and
        // go in /dev and under /dev/bus/usb.
        auto* devices = new TDeviceWatch(QStringLiteral("/dev"), 500, &window);
        QObject::connect(devices, &TDeviceWatch::Changed, &window, &TMainWindow::DevicesChanged);
        TraceStartup("after the first paint: bus, device watch");
        window.AfterFirstPaint();
    });

    // The window may have closed already (a signal during start-up).
    const int code = window.Closed() ? 0 : QApplication::exec();
    return code;
}
