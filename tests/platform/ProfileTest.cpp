#include "Profile.h"
#include "FileSizeLimit.h"
#include "ProgramDir.h"
#include "RegularFile.h"
#include "SafeSave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Something at `path` that exists but that no one, root included, can open
// as a file: a bound local socket. Closed again at the end of the test.
class TUnopenablePath {
public:
    explicit TUnopenablePath(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (fd_ >= 0 && std::size_t(name.size()) < sizeof address.sun_path) {
            std::copy(name.begin(), name.end(), address.sun_path);
            bound_ = bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        }
    }
    ~TUnopenablePath()
    {
        if (fd_ >= 0) close(fd_);
    }
    bool Bound() const { return bound_; }

private:
    int fd_;
    bool bound_ = false;
};

// A profile file in a folder of the test's own.
class Profile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
};

} // namespace

TEST_F(Profile, NamesIgnoreCaseAndValuesAreTrimmed)
{
    WriteFile(path, "[configuration]\nHARDWARE =  3 \nname=  two words  \nbad=12x\n");
    TProfile profile(path);
    EXPECT_FALSE(profile.ReadFailed());
    EXPECT_EQ(profile.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Hardware"), 0), 3);
    EXPECT_EQ(profile.ReadString(QStringLiteral("CONFIGURATION"), QStringLiteral("Name"), QString()),
              QStringLiteral("two words"));
    EXPECT_EQ(profile.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Bad"), 42), 42);
    EXPECT_EQ(profile.ReadInteger(QStringLiteral("Configuration"), QStringLiteral("Missing"), 7), 7);
    EXPECT_TRUE(profile.ReadBool(QStringLiteral("Configuration"), QStringLiteral("Hardware"), false));
    EXPECT_TRUE(profile.ReadBool(QStringLiteral("Configuration"), QStringLiteral("Missing"), true));
}

TEST_F(Profile, EraseAndWriteKeepOtherSections)
{
    WriteFile(path, "; kept comment\n[Other]\nKeep=me\n[Audio]\nVolume=5\nStray=x\n");
    TProfile profile(path);
    profile.EraseSection(QStringLiteral("audio"));
    profile.WriteString(QStringLiteral("Audio"), QStringLiteral("Volume"), QStringLiteral("9\nInjected=1"));
    ASSERT_TRUE(profile.Save());

    TProfile again(path);
    EXPECT_EQ(again.ReadString(QStringLiteral("Other"), QStringLiteral("Keep"), QString()), QStringLiteral("me"));
    EXPECT_FALSE(again.ValueExists(QStringLiteral("Audio"), QStringLiteral("Stray")));
    EXPECT_FALSE(again.ValueExists(QStringLiteral("Audio"), QStringLiteral("Injected")));
    EXPECT_EQ(again.Keys(QStringLiteral("Audio")), QStringList{QStringLiteral("Volume")});
    EXPECT_TRUE(ReadFile(path).contains("; kept comment"));
    EXPECT_TRUE(ReadFile(path).contains("Volume=9 Injected=1\n"));
}

TEST_F(Profile, RepeatedKeysAndSectionsGiveTheFirstValue)
{
    WriteFile(path, "[Audio]\nVolume=5\nvolume=9\n[Other]\nKeep=1\nKeep=2\n[AUDIO]\nVolume=7\nMute=1\n");
    TProfile profile(path);
    EXPECT_EQ(profile.ReadInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 0), 5);
    EXPECT_EQ(profile.ReadInteger(QStringLiteral("Audio"), QStringLiteral("Mute"), 0), 1);
    EXPECT_EQ(profile.Keys(QStringLiteral("Audio")), (QStringList{QStringLiteral("Volume"), QStringLiteral("Mute")}));

    // Writing a key leaves it once; a section the program never writes stays as it was.
    profile.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 6);
    ASSERT_TRUE(profile.Save());
    TProfile again(path);
    EXPECT_EQ(again.ReadInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 0), 6);
    EXPECT_EQ(ReadFile(path).count("olume="), 1);
    EXPECT_TRUE(ReadFile(path).contains("Keep=1\nKeep=2\n"));
}

TEST_F(Profile, FileThatCouldNotBeReadIsNeverReplaced)
{
    // Starting on defaults is all right; writing them over a file that holds
    // the user's settings and preset bank is not.
    const QString file = dir.filePath(QStringLiteral("Vantoro.ini"));
    const TUnopenablePath unopenable(file);
    ASSERT_TRUE(unopenable.Bound());
    TProfile profile(file);
    EXPECT_TRUE(profile.ReadFailed());
    profile.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 6);
    QString error;
    EXPECT_FALSE(profile.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo(file).isFile()); // still the socket, not a new file
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST_F(Profile, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    // No temporary file can be made beside a name this long.
    const QString file = dir.filePath(QString(250, QLatin1Char('v')));
    WriteFile(file, "[Audio]\nVolume=5\n");
    TProfile profile(file);
    profile.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 6);
    QString error;
    EXPECT_FALSE(profile.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(file), QByteArray("[Audio]\nVolume=5\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    TProfile nowhere(dir.filePath(QStringLiteral("no/such/dir/a.ini")));
    nowhere.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 6);
    EXPECT_FALSE(nowhere.Save());

    // A disk that fills up part-way through the file: the old file stays and the failure is reported.
    const QString full = dir.filePath(QStringLiteral("Vantoro.ini"));
    WriteFile(full, "[Audio]\nVolume=5\n");
    TProfile big(full);
    for (int n = 0; n < 100; ++n)
        big.WriteString(QStringLiteral("Presets"), QString::number(n), QStringLiteral("088,500FM Station"));
    EXPECT_EQ(RunWithFileSizeLimit(1000, [&] { return big.Save(); }), false);
    EXPECT_EQ(ReadFile(full), QByteArray("[Audio]\nVolume=5\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(Profile, EveryLineItDoesNotWriteStaysInItsPlace)
{
    // A foreign section first, a NUL byte, a header without its "]", comments
    // and a line without "=" inside a section the program rewrites.
    const QByteArray before = QByteArray("top line\n[Foreign]\nA=1\n[Presets\nList=1,\n\n[Audio]\n; volume below\n"
                                         "Volume=5\nno equals\nStray=x\n\n[Other]\nB=2 ") +
                              QByteArray(1, '\0') + " after\r\n";
    WriteFile(path, before);
    TProfile profile(path);
    ASSERT_FALSE(profile.ReadFailed());
    EXPECT_EQ(profile.ReadString(QStringLiteral("Other"), QStringLiteral("B"), QString()),
              QStringLiteral("2 ") + QChar(0) + QStringLiteral(" after"));
    EXPECT_FALSE(profile.ValueExists(QStringLiteral("Presets"), QStringLiteral("List")))
        << "a header without its \"]\" starts no section";
    profile.EraseSection(QStringLiteral("Audio"));
    profile.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Volume"), 9);
    profile.WriteInteger(QStringLiteral("Audio"), QStringLiteral("Mute"), 1);
    profile.WriteInteger(QStringLiteral("New"), QStringLiteral("C"), 3);
    profile.WriteInteger(QStringLiteral("Newer"), QStringLiteral("D"), 4);
    const QByteArray after = QByteArray("top line\n[Foreign]\nA=1\n[Presets\nList=1,\n\n[Audio]\n; volume below\n"
                                        "Volume=9\nno equals\nMute=1\n\n[Other]\nB=2 ") +
                             QByteArray(1, '\0') + " after\r\n\n[New]\nC=3\n\n[Newer]\nD=4\n";
    EXPECT_EQ(profile.Text(), after);
    // Saved and read again, the same lines come back once, not once more.
    ASSERT_TRUE(profile.Save());
    TProfile again(path);
    EXPECT_EQ(again.Text(), after);
}

TEST_F(Profile, ValuesWithBlanksAtTheEndsOrQuotesComeBackAsWritten)
{
    const QStringList values = {QStringLiteral(" UD0"), QStringLiteral("UD0 "), QStringLiteral("\"quoted\""),
                                QStringLiteral("\""), QStringLiteral("in side"), QString()};
    {
        TProfile profile(path);
        for (int i = 0; i < values.size(); ++i)
            profile.WriteString(QStringLiteral("S"), QString::number(i), values[i]);
        ASSERT_TRUE(profile.Save());
    }
    EXPECT_TRUE(ReadFile(path).contains("0=\" UD0\"\n"));
    EXPECT_TRUE(ReadFile(path).contains("4=in side\n"));
    TProfile profile(path);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(profile.ReadString(QStringLiteral("S"), QString::number(i), QStringLiteral("-")), values[i]) << i;
}

TEST_F(Profile, ForeignTextAndOverlongLines)
{
    // 8-bit text from the original platform: Windows-1252, written back as UTF-8.
    WriteFile(path, "[Presets]\nStation01=M 101,500 Citt\xE0 \x80\n");
    TProfile old(path);
    EXPECT_EQ(old.ReadString(QStringLiteral("Presets"), QStringLiteral("Station01"), QString()),
              QStringLiteral("M 101,500 Citt\u00E0 \u20AC"));
    ASSERT_TRUE(old.Save());
    EXPECT_EQ(ReadFile(path), QByteArray("[Presets]\nStation01=M 101,500 Citt\xC3\xA0 \xE2\x82\xAC\n"));

    // Decided line by line: one stray byte leaves the UTF-8 of the other lines alone.
    WriteFile(path, "[Presets]\nStation01=M 101,500 Citt\xC3\xA0\n; caf\xE9\nStation02=M 99,000 "
                    "Z\xC3\xBCrich\n");
    TProfile mixed(path);
    EXPECT_EQ(mixed.ReadString(QStringLiteral("Presets"), QStringLiteral("Station01"), QString()),
              QStringLiteral("M 101,500 Citt\u00E0"));
    ASSERT_TRUE(mixed.Save());
    EXPECT_EQ(ReadFile(path),
              QByteArray("[Presets]\nStation01=M 101,500 Citt\xC3\xA0\n; caf\xC3\xA9\n"
                         "Station02=M 99,000 Z\xC3\xBCrich\n"));

    // A last line without its line end that ends inside a sequence is not
    // UTF-8 either: its letter stays.
    WriteFile(path, "[Presets]\nName=Caf\xE9");
    EXPECT_EQ(TProfile(path).ReadString(QStringLiteral("Presets"), QStringLiteral("Name"), QString()),
              QStringLiteral("Caf\u00E9"));
    WriteFile(path, "[Presets]\nName=Caf\xC3");
    EXPECT_EQ(TProfile(path).ReadString(QStringLiteral("Presets"), QStringLiteral("Name"), QString()),
              QStringLiteral("Caf\u00C3"));

    // A line over 64 KiB is no profile: kept as it is, never written over.
    const QByteArray huge = "[A]\nB=" + QByteArray(64 * 1024 + 1, 'x') + "\n";
    WriteFile(path, huge);
    TProfile big(path);
    EXPECT_TRUE(big.ReadFailed());
    EXPECT_FALSE(big.Save());
    EXPECT_EQ(ReadFile(path), huge);
    WriteFile(path, "[A]\nB=" + QByteArray(64 * 1024 - 2, 'x'));
    EXPECT_FALSE(TProfile(path).ReadFailed());
}

TEST(SafeSave, LeftoversOfKilledSavesGoAndNothingElse)
{
    QTemporaryDir dir;
    const QString gone[] = {QStringLiteral("Vantoro.ini.aB3dE9"),
                            QStringLiteral("Vantoro.db.QwErTy")};
    const QString kept[] = {
        QStringLiteral("Vantoro.ini"),          QStringLiteral("Vantoro.ini.aB3dE"),
        QStringLiteral("Vantoro.ini.aB3dE9.x"), QStringLiteral("Vantoro.ini.aB3-E9"),
        QStringLiteral("Other.ini.aB3dE9"),     QStringLiteral("vantoro.ini.aB3dE9")};
    for (const QString& name : gone)
        WriteFile(dir.filePath(name), "x");
    for (const QString& name : kept)
        WriteFile(dir.filePath(name), "x");
    // Not a regular file of this user's: a folder, a link (its target stays).
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Vantoro.db.Folder")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("Vantoro.ini")),
                            dir.filePath(QStringLiteral("Vantoro.db.LinkTo"))));

    const QStringList removed = RemoveSaveLeftovers(
        dir.path(), {QStringLiteral("Vantoro.ini"), QStringLiteral("Vantoro.db")});
    EXPECT_EQ(removed.size(), 2);
    for (const QString& name : gone)
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(name))) << qPrintable(name);
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << qPrintable(name);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Vantoro.db.Folder"))).isDir());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Vantoro.db.LinkTo"))).isSymLink());
}

TEST(RegularFile, AnythingElseIsRefusedAtOnceAndNeverReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toZero = dir.filePath(QStringLiteral("zero.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    const QString toFifo = dir.filePath(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    const struct {
        QString path, kind;
        bool ours; // in the test's folder, so a save may be tried on it
    } rows[] = {{fifo, QStringLiteral("FIFO"), true},
                {QStringLiteral("/dev/zero"), QStringLiteral("device"), false},
                {toZero, QStringLiteral("device"), false},
                {toFifo, QStringLiteral("FIFO"), true},
                {dir.path(), QStringLiteral("directory"), true}};
    for (const auto& row : rows) {
        const std::string name = row.path.toStdString();
        QElapsedTimer timer;
        timer.start();
        QFile file(row.path);
        QString why;
        EXPECT_FALSE(OpenRegularFile(file, &why)) << name;
        EXPECT_TRUE(why.contains(QStringLiteral("not a regular file")) && why.contains(row.kind))
            << name << ": " << why.toStdString();
        const TProfile profile(row.path);
        EXPECT_TRUE(profile.ReadFailed()) << name;
        EXPECT_TRUE(profile.ReadError().contains(row.path)) << name;
        EXPECT_LT(timer.elapsed(), 1000) << name;
        if (!row.ours) continue;
        EXPECT_FALSE(SaveFileSafely(row.path, "x", &why)) << name;
        EXPECT_TRUE(why.contains(row.kind)) << name;
        EXPECT_FALSE(QFileInfo(row.path).isFile()) << name << " was replaced";
    }
    EXPECT_TRUE(QFileInfo(toFifo).isSymLink());

    // A regular file larger than any profile: refused unread.
    const QString huge = dir.filePath(QStringLiteral("huge.ini"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(16 * 1024 * 1024 + 1));
    }
    QElapsedTimer timer;
    timer.start();
    const TProfile profile(huge);
    EXPECT_TRUE(profile.ReadFailed());
    EXPECT_TRUE(profile.ReadError().contains(QStringLiteral("larger than")))
        << profile.ReadError().toStdString();
    EXPECT_LT(timer.elapsed(), 1000);
    QByteArray bytes;
    EXPECT_TRUE(ReadRegularFile(huge, 16 * 1024 * 1024 + 1, bytes));
    EXPECT_EQ(bytes.size(), 16 * 1024 * 1024 + 1);
}

TEST(ProgramDir, PortableOnlyWithASettingsFileOutsideTheSystemElseXdgFolders)
{
    struct tRow {
        const char* exeDir;
        bool hasSettings;
        const char *configHome, *dataHome, *settings, *data;
    };
    const tRow rows[] = {
        {"/home/u/radio", true, "/c", "/d", "/home/u/radio", "/home/u/radio"},
        {"/home/u/.local/bin", false, "/c", "/d", "/c/vantoro", "/d/vantoro"},
        {"/usr/bin", true, "/c", "/d", "/c/vantoro", "/d/vantoro"},
        {"/usr/local/bin", true, "", "", "/h/.config/vantoro", "/h/.local/share/vantoro"},
        {"/sbin", true, "rel", "rel", "/h/.config/vantoro", "/h/.local/share/vantoro"},
    };
    for (const tRow& r : rows) {
        const tProgramDirs dirs =
            ChooseProgramDirs(QLatin1String(r.exeDir), r.hasSettings, QLatin1String(r.configHome),
                              QLatin1String(r.dataHome), QStringLiteral("/h"));
        EXPECT_EQ(dirs.Settings, QLatin1String(r.settings)) << r.exeDir;
        EXPECT_EQ(dirs.Data, QLatin1String(r.data)) << r.exeDir;
        EXPECT_EQ(dirs.Portable, dirs.Settings == QLatin1String(r.exeDir)) << r.exeDir;
    }
}

TEST(ProgramDir, TheArchiveIsReadFromTheSettingsFolderOnlyWhileTheDataFolderHasNone)
{
    QTemporaryDir root;
    const QDir top(root.path());
    top.mkpath(QStringLiteral("config"));
    top.mkpath(QStringLiteral("data"));
    const QString config = top.filePath(QStringLiteral("config")),
                  data = top.filePath(QStringLiteral("data"));
    const QString oldFile = QDir(config).filePath(QStringLiteral("Vantoro.db"));
    const QString newFile = QDir(data).filePath(QStringLiteral("Vantoro.db"));
    EXPECT_EQ(ArchiveToRead(config, data), newFile);
    QFile(oldFile).open(QIODevice::WriteOnly);
    EXPECT_EQ(ArchiveToRead(config, data), oldFile);
    QFile(newFile).open(QIODevice::WriteOnly);
    EXPECT_EQ(ArchiveToRead(config, data), newFile);
    EXPECT_EQ(ArchiveToWrite(data), newFile);
}

TEST(ProgramDir, DataFilesFromTheUsersCopyThenBesideTheProgramThenTheInstallation)
{
    QTemporaryDir root;
    const QDir prefix(root.path());
    prefix.mkpath(QStringLiteral("bin"));
    prefix.mkpath(QStringLiteral("share/vantoro"));
    prefix.mkpath(QStringLiteral("config"));
    const QString exeDir = prefix.filePath(QStringLiteral("bin"));
    const QString programDir = prefix.filePath(QStringLiteral("config"));
    const QString tips = QStringLiteral("Tips.txt");
    const QString installed = prefix.filePath(QStringLiteral("share/vantoro/Tips.txt"));
    const QString beside = QDir(exeDir).filePath(tips), users = QDir(programDir).filePath(tips);

    EXPECT_EQ(FindDataFile(tips, programDir, exeDir), users) << "found nowhere: named in the program directory";
    // Each copy put in place is taken before the ones put before it.
    for (const QString& copy : {installed, beside, users}) {
        WriteFile(copy, QByteArray());
        EXPECT_EQ(FindDataFile(tips, programDir, exeDir), copy) << copy.toStdString();
    }
}
