// One copy per user: the lock held only by a live process, the folder no
// other user can make or write, and the program itself as a second copy.

#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr uid_t Nobody = 65534;

// A child process that holds the lock until it is killed.
pid_t HoldInChild(const QString& lockName)
{
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const TInstanceLock lock(lockName);
        const char held = lock.State() == TInstanceLock::tState::Held ? 'y' : 'n';
        [[maybe_unused]] const auto written = ::write(ready[1], &held, 1);
        for (;;)
            ::pause();
    }
    char held = 'n';
    [[maybe_unused]] const auto got = ::read(ready[0], &held, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return held == 'y' ? child : -1;
}

void Kill(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

TEST(InstanceLock, OnlyALiveHolderCountsWhateverTheFileHolds)
{
    QTemporaryDir dir;
    const QString name = InstanceLockName(dir.path());
    struct Row {
        const char* what;
        QByteArray content;
        bool removerBeside;
    };
    const Row rows[] = {
        {"empty, as a kill before the first write leaves it", "", false},
        {"garbled", QByteArray("\x01\xff\x00z", 4), false},
        {"a pid that no longer runs, with an empty remover beside", "999999\nvantoro\nhost\n",
         true},
    };
    for (const Row& row : rows) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.content);
        file.close();
        if (row.removerBeside) {
            QFile remover(name + QStringLiteral(".rmlock"));
            ASSERT_TRUE(remover.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(TInstanceLock(name).State(), TInstanceLock::tState::Held) << row.what;
    }

    // A live copy holds it; killed, it leaves the lock to the next start.
    const pid_t holder = HoldInChild(name);
    ASSERT_GT(holder, 0);
    EXPECT_EQ(TInstanceLock(name).State(), TInstanceLock::tState::Running);
    Kill(holder);
    const TInstanceLock next(name);
    EXPECT_EQ(next.State(), TInstanceLock::tState::Held);
    EXPECT_EQ(TInstanceLock(name).State(), TInstanceLock::tState::Running)
        << "held within the process too";
}

TEST(InstanceLock, TheFolderIsTheUsersOwnAndAFailureNamesTheFile)
{
    // Never /tmp: the runtime folder when it is the user's, else the state
    // folder, which cleaners leave alone.
    EXPECT_EQ(ChooseInstanceDir(QStringLiteral("/run/user/7"), true, QStringLiteral("/c"),
                                QStringLiteral("/h")),
              QStringLiteral("/run/user/7/vantoro"));
    EXPECT_EQ(ChooseInstanceDir(QStringLiteral("/run/user/7"), false, QStringLiteral("/c"),
                                QStringLiteral("/h")),
              QStringLiteral("/c/vantoro"));
    EXPECT_EQ(ChooseInstanceDir(QString(), false, QStringLiteral("state"), QStringLiteral("/h")),
              QStringLiteral("/h/.local/state/vantoro"));

    QTemporaryDir base;
    const QString mine = base.filePath(QStringLiteral("mine/vantoro"));
    ASSERT_EQ(PrepareInstanceDir(mine), QString());
    ASSERT_TRUE(QFile::setPermissions(mine, QFileDevice::Permissions(0x7777)));
    EXPECT_EQ(PrepareInstanceDir(mine), QString());
    EXPECT_EQ(QFileInfo(mine).permissions() & 0x0077, 0) << "opened to others: closed again";

    const QString link = base.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(mine, link));
    EXPECT_TRUE(PrepareInstanceDir(link).contains(QStringLiteral("link")))
        << qPrintable(PrepareInstanceDir(link));
    const QString theirs = base.filePath(QStringLiteral("theirs"));
    ASSERT_TRUE(QDir().mkdir(theirs));
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), Nobody, Nobody), 0);
    EXPECT_TRUE(PrepareInstanceDir(theirs).contains(QStringLiteral("another user")));

    // A lock that cannot be made says which file and why.
    const QString blocked = InstanceLockName(mine);
    ASSERT_TRUE(QDir().mkdir(blocked));
    const TInstanceLock failed(blocked);
    EXPECT_EQ(failed.State(), TInstanceLock::tState::Failed);
    EXPECT_TRUE(failed.ErrorText().contains(blocked)) << qPrintable(failed.ErrorText());
    EXPECT_TRUE(failed.ErrorText().contains(QStringLiteral("directory")))
        << qPrintable(failed.ErrorText());
}

TEST(InstanceLock, AnotherUserCannotStopTheFirstFromStarting)
{
    // No runtime folder: the lock goes to the state folder of the user's home.
    QTemporaryDir home;
    const QString dir = ChooseInstanceDir(QString(), false, QString(), home.path());
    const QByteArray paths[] = {QFile::encodeName(QFileInfo(dir).path()), QFile::encodeName(dir),
                                QFile::encodeName(InstanceLockName(dir)),
                                QFile::encodeName(InstanceSocketName(dir))};

    // Another user makes what it can where the lock and the socket go first.
    const pid_t other = ::fork();
    if (other == 0) {
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) ::_exit(100);
        int made = 0;
        for (const QByteArray& path : paths)
            made += ::mkdir(path.constData(), 0777) == 0;
        ::_exit(made);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other user made something in the way";

    EXPECT_EQ(PrepareInstanceDir(dir), QString());
    EXPECT_EQ(TInstanceLock(InstanceLockName(dir)).State(), TInstanceLock::tState::Held);
}

TEST(InstanceLock, ALockWhoseFolderWasDeletedIsTakenAgain)
{
    QTemporaryDir base;
    const QString dir = base.filePath(QStringLiteral("run/vantoro"));
    ASSERT_EQ(PrepareInstanceDir(dir), QString());
    TInstanceLock lock(InstanceLockName(dir));
    ASSERT_EQ(lock.State(), TInstanceLock::tState::Held);
    EXPECT_TRUE(lock.Keep()); // nothing gone: nothing done

    // rm -rf of the folder: a second copy would find no lock. Keep makes the
    // folder (closed to others) and the lock again.
    ASSERT_TRUE(QDir(base.filePath(QStringLiteral("run"))).removeRecursively());
    EXPECT_TRUE(lock.Keep()) << qPrintable(lock.ErrorText());
    EXPECT_EQ(QFileInfo(dir).permissions() & 0x0077, 0);
    EXPECT_EQ(TInstanceLock(InstanceLockName(dir)).State(), TInstanceLock::tState::Running);

    // Another file put in its place is not this copy's lock either.
    ASSERT_TRUE(QFile::remove(InstanceLockName(dir)));
    QFile other(InstanceLockName(dir));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_EQ(TInstanceLock(InstanceLockName(dir)).State(), TInstanceLock::tState::Held) << "a lock nobody holds";
    EXPECT_TRUE(lock.Keep());
    EXPECT_EQ(TInstanceLock(InstanceLockName(dir)).State(), TInstanceLock::tState::Running);

    // A copy that took the name meanwhile keeps it; this one is told.
    ASSERT_TRUE(QFile::remove(InstanceLockName(dir)));
    const pid_t holder = HoldInChild(InstanceLockName(dir));
    ASSERT_GT(holder, 0);
    EXPECT_FALSE(lock.Keep());
    Kill(holder);
    EXPECT_TRUE(lock.ErrorText().contains(QStringLiteral("another copy"))) << qPrintable(lock.ErrorText());
}

// The keeper needs no timer: the folder deleted (twice, so the watch outlives
// a deletion) or the lock file replaced, the lock is this copy's again as
// soon as the change is seen, and Kept says so.
TEST(InstanceLock, TheKeeperTakesTheLockAgainWhenItsFolderOrFileGoes)
{
    QTemporaryDir base;
    const QString dir = base.filePath(QStringLiteral("run/vantoro"));
    const QString name = InstanceLockName(dir);
    ASSERT_EQ(PrepareInstanceDir(dir), QString());
    TInstanceLock lock(name);
    ASSERT_EQ(lock.State(), TInstanceLock::tState::Held);
    TLockKeeper keeper(lock);
    int kept = 0;
    QObject::connect(&keeper, &TLockKeeper::Kept, [&] { ++kept; });
    QString lost;
    QObject::connect(&keeper, &TLockKeeper::Lost, [&](const QString& why) { lost = why; });
    const auto heldHere = [&] {
        return QFileInfo::exists(name) && TInstanceLock(name).State() == TInstanceLock::tState::Running;
    };
    const std::function<bool()> changes[] = {
        [&] { return QDir(base.filePath(QStringLiteral("run"))).removeRecursively(); },
        [&] { return QDir(dir).removeRecursively(); },
        [&] {
            QFile::remove(name);
            QFile other(name);
            return other.open(QIODevice::WriteOnly);
        },
    };
    for (const auto& change : changes) {
        kept = 0;
        ASSERT_TRUE(change());
        EXPECT_TRUE(QTest::qWaitFor([&] { return kept > 0 && heldHere(); }, 5000));
        EXPECT_EQ(QFileInfo(dir).permissions() & 0x0077, 0);
    }
    EXPECT_EQ(lost, QString());
}

TEST(InstanceLock, TheProgramStartsOverAStaleLockAndASecondStartReachesIt)
{
    // The program in a folder of its own, configured, with what a killed
    // start and a killed save left: a garbled lock and a complete temporary.
    QTemporaryDir dir;
    const QString app = dir.filePath(QStringLiteral("app"));
    const QString exe = app + QStringLiteral("/vantoro");
    const QString ini = app + QStringLiteral("/Vantoro.ini");
    ASSERT_TRUE(QDir().mkpath(app));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORO_EXE), exe));
    QFile settings(ini);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Configuration]\nHardware=1\nPort=1\nTipOfDay=0\n");
    settings.close();
    const QString leftover = ini + QStringLiteral(".kIlLd9");
    ASSERT_TRUE(QFile::copy(ini, leftover));
    const QString instanceDir = dir.filePath(QStringLiteral("run/vantoro"));
    ASSERT_TRUE(QDir().mkpath(instanceDir));
    QFile stale(InstanceLockName(instanceDir));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("\x7f\x02garbage");
    stale.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto start = [&](QProcess& process, const QStringList& args) {
        process.setProcessEnvironment(env);
        process.start(exe, args);
    };
    QProcess first;
    start(first, {QStringLiteral("--simulate")});
    const QString socket = InstanceSocketName(instanceDir);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 20000))
        << first.readAllStandardError().constData();
    // The leftovers go after the first paint, which comes after the socket.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(leftover); }, 20000));

    // Later starts hand over their action, "raise" without one, and end.
    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("--mute")}}) {
        QProcess second;
        start(second, args);
        ASSERT_TRUE(second.waitForFinished(10000));
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    }

    // Ctrl+C closes it as the end of the session does: the settings written.
    ::kill(static_cast<pid_t>(first.processId()), SIGINT);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("[Frequency]"));

    // A copy that finds the lock held but cannot hand over its action says
    // so and fails.
    const pid_t holder = HoldInChild(InstanceLockName(instanceDir));
    ASSERT_GT(holder, 0);
    QProcess orphan;
    start(orphan, {QStringLiteral("--scan")});
    ASSERT_TRUE(orphan.waitForFinished(10000));
    Kill(holder);
    EXPECT_EQ(orphan.exitCode(), 1);
    const QByteArray said = orphan.readAllStandardError();
    EXPECT_TRUE(said.contains("could not be asked to scan")) << said.constData();
    EXPECT_EQ(said.count('\n'), 1) << said.constData();
}

// A new account: nothing in the home folder, no runtime folder. Two starts
// at once make one copy, the other hands over "raise" (exit 0) while the
// first still shows the first-run dialog; the lock's folder deleted while it
// runs is made again before a next start; SIGTERM during the dialog ends the
// program as the dialog's Cancel would.
TEST(InstanceLock, StartsAtOnceADeletedLockFolderAndASignalDuringTheFirstRunDialog)
{
    QTemporaryDir home, app;
    const QString exe = app.filePath(QStringLiteral("vantoro"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORO_EXE), exe)); // a folder without settings
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_CACHE_HOME"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString instanceDir = ChooseInstanceDir(QString(), false, QString(), home.path());
    const QString socket = InstanceSocketName(instanceDir);

    std::array<QProcess, 2> starts;
    for (QProcess& p : starts) {
        p.setProcessEnvironment(env);
        p.start(exe, {QStringLiteral("--simulate")});
    }
    // One of them ends at once, its "raise" delivered; the other runs on.
    QProcess* second = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QProcess& p : starts)
                if (p.state() == QProcess::NotRunning) second = &p;
            return second != nullptr;
        },
        20000));
    QProcess& first = second == &starts[0] ? starts[1] : starts[0];
    const auto stop = qScopeGuard([&] {
        for (QProcess& p : starts) {
            p.kill();
            p.waitForFinished(5000);
        }
    });
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0) << second->readAllStandardError().constData();
    EXPECT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().constData();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral(".config/vantoro/Vantoro.ini"))));

    // The folder goes: the running copy takes its lock and socket again.
    ASSERT_TRUE(QFileInfo::exists(socket));
    ASSERT_TRUE(QDir(instanceDir).removeRecursively());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000));
    QProcess later;
    later.setProcessEnvironment(env);
    later.start(exe, {QStringLiteral("--mute")});
    ASSERT_TRUE(later.waitForFinished(20000));
    EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().constData();
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().constData();
}
