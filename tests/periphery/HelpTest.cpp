#include "AboutBox.h"
#include "HelpWindow.h"
#include "LinkLabel.h"

#include <QDialog>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QString Manual() { return QStringLiteral(VANTORO_SOURCE_DIR "/resources/Vantoro.hlp"); }

// Records the windows the application reports as blocked by a modal dialog.
class TBlockedWatch final : public QObject {
public:
    TBlockedWatch() { qApp->installEventFilter(this); }
    ~TBlockedWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked) blocked.insert(watched);
        if (event->type() == QEvent::WindowUnblocked) blocked.remove(watched);
        return false;
    }
    QSet<QObject*> blocked;
};

} // namespace

TEST(HelpWindow, EveryTopicTheProgramOpensAndEveryLinkHasItsAnchor)
{
    const THelpWindow help(Manual());
    ASSERT_TRUE(help.Loaded());
    // The port-access message sends the user to the installation chapter.
    for (const QString& topic : THelpWindow::Topics() + QStringList{QStringLiteral("Installing_on_Linux")})
        EXPECT_TRUE(help.HasTopic(topic)) << qPrintable(topic);
    EXPECT_EQ(THelpWindow::Topics().size(), 9);
    EXPECT_EQ(help.BrokenLinks(), QStringList());
    EXPECT_FALSE(help.HasTopic(QStringLiteral("No_such_topic")));
}

TEST(HelpWindow, OpensAtTheTopicAndAMissingFileIsSaid)
{
    THelpWindow help(Manual());
    help.ShowTopic(QStringLiteral("Scripting"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTopic(), QStringLiteral("Scripting"));
    help.ShowTopic(QStringLiteral("No_such_topic"));
    EXPECT_EQ(help.CurrentTopic(), QString());

    THelpWindow missing(QStringLiteral("/nonexistent/Vantoro.hlp"));
    missing.ShowTopic(QStringLiteral("Welcome"));
    EXPECT_FALSE(missing.Loaded());
    EXPECT_TRUE(missing.Browser()->toPlainText().contains(QStringLiteral("/nonexistent/Vantoro.hlp")));
}

TEST(HelpWindow, HelpAskedForByAModalDialogIsNotBlockedByIt)
{
    THelpWindow help(Manual());
    help.ShowTopic(QStringLiteral("Welcome")); // already open before the dialog
    TBlockedWatch watch;
    QDialog dialog;
    bool blocked = true;
    QTimer::singleShot(0, &dialog, [&] {
        help.ShowTopic(QStringLiteral("Sleep_function"));
        blocked = watch.blocked.contains(help.windowHandle());
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(blocked);
    EXPECT_EQ(help.CurrentTopic(), QStringLiteral("Sleep_function"));
}

TEST(AboutBox, NamesTheFoldersAndLinksTheHomePageOnlyWhenThereIsOne)
{
    const QUrl home(QStringLiteral("https://example.org/radio"));
    TAboutBox about(QStringLiteral("1.2"), QStringLiteral("Settings: /h"), home);
    QList<QUrl> opened;
    about.Link()->Open = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    QSignalSpy activated(about.Link(), &TLinkLabel::Activated);
    about.show();
    TLinkLabel* link = about.Link();
    link->setFixedSize(link->sizeHint());
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    EXPECT_EQ(opened, QList<QUrl>{home});
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.front().front().toUrl(), home);
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("lbName"))->text().contains(QStringLiteral("1.2")));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lbFolders"))->text(),
              QStringLiteral("Settings: /h"));

    const TAboutBox noHome(QStringLiteral("1.2"), QStringLiteral("Settings: /h"));
    EXPECT_EQ(noHome.Link(), nullptr) << "no made-up address without a home page";
}
