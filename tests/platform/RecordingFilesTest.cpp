// Recording names, folders and cue sheets.

#include "RecordingFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QDateTime Start(QDate(2026, 12, 7), QTime(20, 0, 41));

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

int Mode(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return -1;
    return int(info.st_mode & 07777);
}

} // namespace

TEST(RecordingFiles, BaseNamesAreSafeOnEveryFileSystem)
{
    const struct {
        QString station, name;
    } cases[] = {
        {QStringLiteral("Radio Eins"), QStringLiteral("Radio Eins - 2026-12-07 20-00")},
        {QStringLiteral("AC/DC: \"Live\"?*<>|\\"), QStringLiteral("AC DC Live - 2026-12-07 20-00")},
        {QStringLiteral("..hidden"), QStringLiteral("hidden - 2026-12-07 20-00")},
        {QStringLiteral("Ends in a dot. "), QStringLiteral("Ends in a dot - 2026-12-07 20-00")},
        {QStringLiteral("Tab\tand\nline"), QStringLiteral("Tab and line - 2026-12-07 20-00")},
        {QStringLiteral("98.50 MHz"), QStringLiteral("98.50 MHz - 2026-12-07 20-00")},
        {QString::fromUtf8("Ö1 Klassik ♫"), QString::fromUtf8("Ö1 Klassik ♫ - 2026-12-07 20-00")},
        {QString(), QStringLiteral("Radio - 2026-12-07 20-00")},
        {QStringLiteral(" / "), QStringLiteral("Radio - 2026-12-07 20-00")},
        {QString(150, QLatin1Char('x')), QString(100, QLatin1Char('x')) + QStringLiteral(" - 2026-12-07 20-00")},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordingBaseName(c.station, Start), c.name) << c.station.toStdString();
}

TEST(RecordingFiles, ASecondRecordingGetsANumberInsteadOfOverwriting)
{
    QTemporaryDir dir;
    const QString base = QStringLiteral("Radio Eins - 2026-12-07 20-00");
    auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    EXPECT_EQ(FreeRecordingPath(dir.path(), base, QStringLiteral("flac")), path("Radio Eins - 2026-12-07 20-00.flac"));
    Touch(path("Radio Eins - 2026-12-07 20-00.ogg")); // another format is another name
    EXPECT_EQ(FreeRecordingPath(dir.path(), base, QStringLiteral("flac")), path("Radio Eins - 2026-12-07 20-00.flac"));
    Touch(path("Radio Eins - 2026-12-07 20-00.flac"));
    EXPECT_EQ(FreeRecordingPath(dir.path(), base, QStringLiteral("flac")), path("Radio Eins - 2026-12-07 20-00 (2).flac"));
    Touch(path("Radio Eins - 2026-12-07 20-00 (2).flac"));
    // A dangling link is a name taken too.
    ASSERT_TRUE(QFile::link(path("nowhere"), path("Radio Eins - 2026-12-07 20-00 (3).flac")));
    EXPECT_EQ(FreeRecordingPath(dir.path(), base, QStringLiteral("flac")), path("Radio Eins - 2026-12-07 20-00 (4).flac"));
}

TEST(RecordingFiles, NewFoldersAreTheUsersOnlyAndOldOnesKeepTheirMode)
{
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("Music"));
    ASSERT_TRUE(QDir().mkdir(old));
    ASSERT_EQ(::chmod(QFile::encodeName(old).constData(), 0755), 0);
    QString error;
    ASSERT_TRUE(MakeRecordingFolder(old + QStringLiteral("/Vantoro/2026"), &error)) << error.toStdString();
    EXPECT_EQ(Mode(old), 0755);
    EXPECT_EQ(Mode(old + QStringLiteral("/Vantoro")), 0700);
    EXPECT_EQ(Mode(old + QStringLiteral("/Vantoro/2026")), 0700);
    EXPECT_TRUE(MakeRecordingFolder(old + QStringLiteral("/Vantoro"), &error)); // already there

    Touch(dir.filePath(QStringLiteral("file")));
    EXPECT_FALSE(MakeRecordingFolder(dir.filePath(QStringLiteral("file")), &error));
    EXPECT_EQ(error, dir.filePath(QStringLiteral("file")) + QStringLiteral(" is not a folder"));
    EXPECT_FALSE(MakeRecordingFolder(dir.filePath(QStringLiteral("file/below")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot create the folder "))) << error.toStdString();
}

TEST(RecordingFiles, TheDefaultFolderIsTheUsersMusicFolder)
{
    QTemporaryDir config;
    QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_MUSIC_DIR=\"$HOME/Tunes\"\n");
    dirs.close();
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString folder = DefaultRecordingFolder();
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(folder, QDir::homePath() + QStringLiteral("/Tunes/Vantoro"));
}

TEST(RecordingFiles, TheCueSheetListsEachNewTitleAtItsTime)
{
    QTemporaryDir dir;
    const QString audio = dir.filePath(QStringLiteral("Radio Eins - 2026-12-07 20-00.flac"));
    TCueSheet cue(audio, QStringLiteral("Radio Eins"));
    EXPECT_FALSE(QFile::exists(cue.Path())); // nothing until a title comes
    ASSERT_TRUE(cue.Mark(0, QStringLiteral("News"), QString()));
    ASSERT_TRUE(cue.Mark(48000, QStringLiteral("News"), QString())); // the same again: no track
    ASSERT_TRUE(cue.Mark(48000 * 125 + 24000, QStringLiteral("Say \"Yes\""), QStringLiteral("The Band")));
    EXPECT_TRUE(cue.Mark(48000 * 200, QStringLiteral("  "), QStringLiteral("Nobody"))); // no title: nothing
    EXPECT_EQ(cue.Path(), dir.filePath(QStringLiteral("Radio Eins - 2026-12-07 20-00.cue")));
    QFile file(cue.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("PERFORMER \"Radio Eins\"\r\n"
                                         "TITLE \"Radio Eins - 2026-12-07 20-00\"\r\n"
                                         "FILE \"Radio Eins - 2026-12-07 20-00.flac\" WAVE\r\n"
                                         "  TRACK 01 AUDIO\r\n"
                                         "    TITLE \"News\"\r\n"
                                         "    INDEX 01 00:00:00\r\n"
                                         "  TRACK 02 AUDIO\r\n"
                                         "    TITLE \"Say 'Yes'\"\r\n"
                                         "    PERFORMER \"The Band\"\r\n"
                                         "    INDEX 01 02:05:37\r\n"));
}
