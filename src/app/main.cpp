// Vantoro: the entry. One copy per user, a supported system, access to the
// card's I/O ports when the configured model needs them, then the main
// window until it closes.
//
// Options: "\CONFIGURE" (any case, any position) or --configure shows the
// settings dialog first; --simulate runs on emulated hardware, --stations FILE
// gives the emulated stations, --trace FILE records every port access,
// wait and serial byte; --mute and --scan are the desktop actions, handed to
// the copy that runs (or done by this one once its window is up).

#include "CannotStartDialog.h"
#include "HardwareEnv.h"
#include "InstanceLock.h"
#include "MainDialogs.h"
#include "MainWindow.h"
#include "MediaPlayerService.h"
#include "OsVersion.h"
#include "PortAccessWarning.h"
#include "ProgramDir.h"
#include "QtPrompts.h"
#include "RemoteActions.h"
#include "SafeSave.h"
#include "Settings.h"
#include "SimulatedHardware.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <exception>
#include <sys/socket.h>
#include <unistd.h>

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

struct TOptions {
    bool configure = false;
    bool simulate = false;
    QString stations;
    QString trace;
    std::optional<TRemoteAction> action;
};

TOptions ParseOptions(const QStringList& args)
{
    TOptions o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.compare(QLatin1String("\\CONFIGURE"), Qt::CaseInsensitive) == 0 || a == QLatin1String("--configure"))
            o.configure = true;
        else if (a == QLatin1String("--simulate"))
            o.simulate = true;
        else if (a == QLatin1String("--stations") && i + 1 < args.size())
            o.stations = args[++i];
        else if (a == QLatin1String("--trace") && i + 1 < args.size())
            o.trace = args[++i];
        else if (const auto action = RemoteActionOption(a))
            o.action = action;
        else
            std::fprintf(stderr, "vantoro: ignoring the argument %s\n", qUtf8Printable(a));
    }
    return o;
}

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
    // 1. One copy per user: a second one hands the desktop action it was
    // started for (or "raise" the window) to the running copy and ends, with
    // exit 1 and a line saying so when that could not be delivered. A lock
    // that cannot be made is said, and the program starts without it.
    const TInstanceLock lock = TInstanceLock::ForThisUser();
    if (lock.State() == TInstanceLock::tState::Running) {
        const QCoreApplication forwarder(argc, argv);
        return ForwardToRunningCopy(lock.SocketName(), QCoreApplication::arguments());
    }
    if (lock.State() == TInstanceLock::tState::Failed)
        std::fprintf(stderr, "vantoro: %s; starting without the check for a running copy\n",
                     qUtf8Printable(lock.ErrorText()));

    // 2, 3.
    const bool isNT = IsWindowsNT4Up();
    const bool is9x = IsWindows9x();
    TVantoroApplication app(argc, argv);
    TMainWindow::SetUpApplication();
    const TOptions options = ParseOptions(QApplication::arguments());

    // 4.
    if (!isNT && !is9x) {
        TCannotStartDialog dialog;
        dialog.exec();
        return 0;
    }

    std::unique_ptr<THardwareEnv> hardware;
    TSimulatedHardware* simulator = nullptr;
    if (options.simulate) {
        TStationList stations = TStationList::BuiltIn();
        if (!options.stations.isEmpty()) {
            QString why;
            auto loaded = TStationList::Load(options.stations, &why);
            if (!loaded) {
                std::fprintf(stderr, "vantoro: cannot use the station list %s\n", qUtf8Printable(why));
                return 2;
            }
            stations = std::move(*loaded);
        }
        auto sim = std::make_unique<TSimulatedHardware>(std::move(stations), true, options.trace);
        simulator = sim.get();
        hardware = std::move(sim);
    } else {
        hardware = std::make_unique<TRealHardware>(options.trace);
    }
    if (!options.trace.isEmpty() && !hardware->Trace())
        std::fprintf(stderr, "vantoro: cannot write the trace file %s\n", qUtf8Printable(options.trace));

    const QString programDir = ProgramDir();
    // What a save killed last time left beside the program's own files; only
    // the copy holding the lock clears it, as no other copy can be saving.
    if (lock.State() == TInstanceLock::tState::Held)
        RemoveSaveLeftovers(programDir, {TSettingsFile::FileName(), QStringLiteral("Vantoro.db")});
    // 5. A card on I/O ports needs the system's permission to reach them.
    if (isNT) {
        const int code = TSettingsFile(programDir).Read().Hardware;
        QString reason;
        if (IsPortCardIndex(code) && !hardware->PortAccess(&reason)) {
            TPortAccessWarning dialog(reason);
            dialog.exec();
            return 0;
        }
    }

    // 6.
    TQtPrompts prompts;
    TQtMainDialogs dialogs;
    TMainEnv env;
    env.ProgramDir = programDir;
    env.Hardware = hardware.get();
    env.Prompts = &prompts;
    env.Dialogs = &dialogs;
    env.Configure = options.configure;
    env.OnError = [](const QString& what) { ReportUncaught(qUtf8Printable(what)); };
    if (simulator) env.BeforeOpen = [simulator](tModel model) { simulator->InsertCard(model); };

    TMainWindow window(std::move(env));
    prompts.SetParent(&window);
    dialogs.Help = [&window](const QString& topic) { window.ShowHelp(topic); };
    try {
        if (!window.Start()) return 0;
    } catch (const std::exception& e) {
        ReportUncaught(e.what());
    }

    // Desktop actions from later starts (only for the copy holding the
    // lock: another's socket is never taken over), and the one this start
    // was given.
    if (lock.State() == TInstanceLock::tState::Held) {
        auto* actions = new TRemoteActionServer(lock.SocketName(), &window);
        if (!actions->Listening())
            std::fprintf(stderr, "vantoro: desktop actions cannot reach this copy: %s\n",
                         qUtf8Printable(actions->ErrorText()));
        QObject::connect(actions, &TRemoteActionServer::Requested, &window,
                         [&window](TRemoteAction action) { RunRemoteAction(window, action); });
    }
    if (options.action)
        QTimer::singleShot(0, &window, [&window, action = *options.action] { RunRemoteAction(window, action); });

    // Media keys, the desktop's media controls and playerctl, on the session
    // bus when there is one; without one the program runs as before.
    TMediaPlayerService player(window.PlayerHost());
    player.Publish(QDBusConnection::sessionBus());

    // Session end, SIGTERM, SIGHUP and SIGINT: close as a desktop session end does, with
    // the card closed, the settings written and nothing asked.
    auto shutdown = [&window] { window.SessionEnd(); };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [shutdown](QSessionManager&) { shutdown(); });
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [shutdown] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
            shutdown();
        });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }

    // The window may have closed already (a signal during start-up).
    const int code = window.Closed() ? 0 : QApplication::exec();
    return code;
}
