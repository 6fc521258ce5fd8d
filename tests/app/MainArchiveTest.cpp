// "Organize" from the main window: the archive file, the dialog rules with
// alarm and sleep held, and the bank shown afresh afterwards.

#include "ArchiveModel.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "ArchiveDialog.h"
#include "ProgramDir.h"

#include <QPushButton>
#include <QTimer>

namespace {

class MainArchiveTest : public MainWindowTest {
protected:
    QString DbPath() const { return dir.filePath(QStringLiteral("Vantoro.db")); }
    QByteArray Db() const
    {
        QFile file(DbPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteDb(const QByteArray& text)
    {
        QFile file(DbPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // Selects the node of that name in the open archive dialog.
    static void Select(TArchiveDialog& d, const QString& name)
    {
        const TArchiveNode* found = nullptr;
        d.Archive().Walk([&](const TArchiveNode& n, int) {
            if (n.Name == name) found = &n;
        });
        ASSERT_NE(found, nullptr);
        d.findChild<QTreeView*>(QStringLiteral("RadioTree"))->setCurrentIndex(d.Model().IndexOf(found));
    }
};

const QByteArray Example = "[Archive]\r\nRows=2\r\nRow1=1 4 0 X 000,000 Morning\r\nRow2=2 7 4 M 088,600 City FM\r\n";

} // namespace

TEST_F(MainArchiveTest, CancelKeepsTheArchiveByteForByteButThePresetsAssigned)
{
    WriteConfigured("VolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n");
    WriteDb(Example);
    TMainWindow& w = Started();
    dialogs.sleep = 30;
    w.Actions_Sleep();
    auto* sleepTimer = w.findChild<QTimer*>(QStringLiteral("TSleep"));
    ASSERT_TRUE(sleepTimer && sleepTimer->isActive());

    bool seen = false;
    WhenModal([&](QWidget* widget) {
        auto* d = qobject_cast<TArchiveDialog*>(widget);
        ASSERT_NE(d, nullptr);
        seen = true;
        EXPECT_TRUE(w.DialogOpen());
        EXPECT_TRUE(w.Minimized());
        EXPECT_FALSE(w.SleepOn());
        EXPECT_FALSE(sleepTimer->isActive());
        Select(*d, QStringLiteral("City FM"));
        d->DropOnPreset(13);
        d->AddFolder(); // not under a station: nothing
        Select(*d, QStringLiteral("Morning"));
        d->AddFolder();
        prompts.answers.push_back(true); // drop the new folder
        d->findChild<QPushButton*>(QStringLiteral("btCancel"))->click();
        EXPECT_TRUE(prompts.answers.empty());
    });
    w.KeyPress(QLatin1Char('o')); // the archive dialog's default key
    ASSERT_TRUE(seen);
    EXPECT_EQ(Db(), Example);
    EXPECT_FALSE(w.DialogOpen());
    EXPECT_TRUE(w.SleepOn());
    EXPECT_TRUE(sleepTimer->isActive());
    // The preset stays, is current, tuned and listed.
    EXPECT_EQ(w.Presets()[13].Name, QStringLiteral("City FM"));
    EXPECT_EQ(w.CurrentPreset(), 13);
    EXPECT_EQ(w.PresetRow(), 2);
    EXPECT_DOUBLE_EQ(w.Card().Frequency(), 88.6);
    EXPECT_FALSE(w.Card().Muted());
    EXPECT_TRUE(MenuNames("RadioPresets").contains(QStringLiteral("m13")));
}

TEST_F(MainArchiveTest, OkWritesTheTreeAndAnUnreadableRowKeepsTheDialogShut)
{
    WriteConfigured("ShutDown=1\n");
    WriteDb("[Other]\r\nKey=kept\r\n");
    TMainWindow& w = Started();
    WhenModal([&](QWidget* widget) {
        auto* d = qobject_cast<TArchiveDialog*>(widget);
        ASSERT_NE(d, nullptr);
        d->AddFolder();
        d->AddStation();
        d->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    });
    Items("Stations_Organize").first()->trigger();
    TProfile saved(DbPath());
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Archive"), QStringLiteral("Rows"), 0), 2);
    EXPECT_EQ(saved.ReadString(QStringLiteral("Archive"), QStringLiteral("Row1"), {}),
              QStringLiteral("1 1 0 X 000,000 Folder Name"));
    EXPECT_EQ(saved.ReadString(QStringLiteral("Other"), QStringLiteral("Key"), {}), QStringLiteral("kept"));

    const QByteArray bad = "[Archive]\r\nRows=2\r\nRow1=1 4 0 X 000,000 Morning\r\nRow2=2 x 4 M 088,600 City FM\r\n";
    WriteDb(bad);
    bool opened = false;
    WhenModal([&](QWidget* widget) {
        opened = true;
        widget->close();
    });
    w.Stations_Organize();
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(Db(), bad);
    ASSERT_FALSE(prompts.MessageTexts().isEmpty());
    const QString text = prompts.MessageTexts().last();
    EXPECT_TRUE(text.contains(DbPath()) && text.contains(QStringLiteral("Row2"))) << text.toStdString();
}

TEST_F(MainArchiveTest, RowsTheTreeCannotTakeAreToldAndKeptAndAFailedSaveKeepsTheDialogOpen)
{
    WriteConfigured("ShutDown=1\n");
    WriteDb("[Archive]\r\nRows=2\r\nRow1=2 5 0 M 090,000 Kept\r\nRow2=2 6 5 M 091,000 Under a "
            "station\r\n");
    TMainWindow& w = Started();
    const QString moved = dir.path() + QStringLiteral("-moved");
    bool stayed = false;
    WhenModal([&](QWidget* widget) {
        auto* d = qobject_cast<TArchiveDialog*>(widget);
        ASSERT_NE(d, nullptr);
        QCoreApplication::processEvents(); // the notice comes once the dialog is up
        ASSERT_EQ(prompts.MessageTexts().size(), 1);
        const QString notice = prompts.MessageTexts().last();
        EXPECT_TRUE(
            notice.contains(DbPath()) &&
            notice.contains(QStringLiteral("1 row that the tree cannot take (1 under a station)")))
            << notice.toStdString();
        d->AddFolder();
        // A file stands where the folder was: OK says so and the dialog
        // stays with its edits.
        ASSERT_TRUE(QDir().rename(dir.path(), moved));
        {
            QFile blocker(dir.path());
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        d->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
        stayed = d->isVisible() && d->result() != QDialog::Accepted;
        EXPECT_TRUE(prompts.MessageTexts().last().startsWith(
            QStringLiteral("The station archive could not be written")));
        ASSERT_TRUE(QFile::remove(dir.path()));
        ASSERT_TRUE(QDir().rename(moved, dir.path()));
        d->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    });
    w.Stations_Organize();
    EXPECT_TRUE(stayed);
    TProfile saved(DbPath());
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Archive"), QStringLiteral("Rows"), 0), 3);
    EXPECT_EQ(saved.ReadString(QStringLiteral("Archive"), QStringLiteral("Row3"), {}),
              QStringLiteral("2 6 5 M 091,000 Under a station"));
}

// A new account: nothing under the home folder. OK makes the data folder,
// closed to others, and writes the archive there.
TEST_F(MainArchiveTest, OkOnAFreshHomeMakesThePrivateDataFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME"),
                     oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    const tProgramDirs dirs = ProgramDirs();
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    oldData.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData);
    ASSERT_FALSE(dirs.Portable);
    ASSERT_TRUE(dirs.Data.startsWith(home.path()));
    programDir = dirs.Settings;
    dataDir = dirs.Data;

    dialogs.setups.push_back(std::pair{mRadioTrack, 1});
    TMainWindow& w = Started();
    bool accepted = false;
    WhenModal([&](QWidget* widget) {
        auto* d = qobject_cast<TArchiveDialog*>(widget);
        ASSERT_NE(d, nullptr);
        d->AddStation();
        d->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
        accepted = d->result() == QDialog::Accepted;
        if (!accepted) d->done(QDialog::Rejected);
    });
    w.Stations_Organize();
    EXPECT_TRUE(accepted) << qPrintable(prompts.MessageTexts().join(QLatin1Char('\n')));
    TProfile saved(QDir(dirs.Data).filePath(QStringLiteral("Vantoro.db")));
    EXPECT_EQ(saved.ReadInteger(QStringLiteral("Archive"), QStringLiteral("Rows"), 0), 1);
    for (const QString& made : {dirs.Data, QFileInfo(dirs.Data).path(), dirs.Settings})
        EXPECT_EQ(QFileInfo(made).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                  QFile::Permissions())
            << qPrintable(made);
    // The settings folder, gone since the start, is made again by the close.
    ASSERT_TRUE(QDir(dirs.Settings).removeRecursively());
    EXPECT_TRUE(CloseWith(tExitChoice::No));
    EXPECT_TRUE(QFileInfo::exists(QDir(dirs.Settings).filePath(QStringLiteral("Vantoro.ini"))));
}
