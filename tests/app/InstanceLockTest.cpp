// One copy per user: the lock held only by a live process, the folder no
// other user can make or write, and the program itself as a second copy.

#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
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
    // Never /tmp: the runtime folder when it is the user's, else the cache.
    EXPECT_EQ(ChooseInstanceDir(QStringLiteral("/run/user/7"), true, QStringLiteral("/c"),
                                QStringLiteral("/h")),
              QStringLiteral("/run/user/7/vantoro"));
    EXPECT_EQ(ChooseInstanceDir(QStringLiteral("/run/user/7"), false, QStringLiteral("/c"),
                                QStringLiteral("/h")),
              QStringLiteral("/c/vantoro"));
    EXPECT_EQ(ChooseInstanceDir(QString(), false, QStringLiteral("cache"), QStringLiteral("/h")),
              QStringLiteral("/h/.cache/vantoro"));

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
    // No runtime folder: the lock goes to the cache folder of the user's home.
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
    EXPECT_FALSE(QFileInfo::exists(leftover));

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
