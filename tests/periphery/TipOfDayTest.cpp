#include "TipOfDay.h"

#include "ModalHelper.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString name = dir.filePath(QStringLiteral("Vantoro.txt"));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write(content);
    return name;
}

QPushButton* NextButton(const TTipOfDay& d) { return d.findChild<QPushButton*>(QStringLiteral("btNext")); }

} // namespace

TEST(TipOfDay, ParsesParagraphsCommentsAndLineEnds)
{
    const QString text = QStringLiteral("# a comment\r\n"
                                        "\r\n"
                                        "First tip,\r\n"
                                        "  wrapped.\r\n"
                                        "\r\n\r\n\r\n"
                                        "Second tip.\n"
                                        "# comment inside a tip is dropped\n"
                                        "   \n"
                                        "Third #1 tip.\n");
    const QStringList tips = TTipOfDay::ParseTips(text);
    EXPECT_EQ(tips, (QStringList{QStringLiteral("First tip, wrapped."), QStringLiteral("Second tip."),
                                 QStringLiteral("Third #1 tip.")}));
    EXPECT_TRUE(TTipOfDay::ParseTips(QStringLiteral("\n\n# only comments\n")).isEmpty());
}

TEST(TipOfDay, NextWrapsAroundAndOneTipDisablesNext)
{
    TTipOfDay dialog;
    dialog.SetTips({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    dialog.SetCurrentTip(2);
    EXPECT_EQ(dialog.CurrentText(), QStringLiteral("c"));
    NextButton(dialog)->click();
    EXPECT_EQ(dialog.CurrentText(), QStringLiteral("a"));
    dialog.SetCurrentTip(-1);
    EXPECT_EQ(dialog.CurrentText(), QStringLiteral("c"));
    dialog.SetTips({QStringLiteral("only")});
    EXPECT_FALSE(NextButton(dialog)->isEnabled());
}

TEST(TipOfDay, MissingOrEmptyFileShowsANoteAndNoNext)
{
    QTemporaryDir dir;
    TTipOfDay dialog;
    EXPECT_FALSE(dialog.LoadTips(dir.filePath(QStringLiteral("absent.txt"))));
    EXPECT_EQ(dialog.TipCount(), 0);
    EXPECT_TRUE(dialog.CurrentText().contains(QStringLiteral("absent.txt")));
    EXPECT_FALSE(NextButton(dialog)->isEnabled());
    dialog.NextTip(); // nothing to move to; must not crash
    dialog.SetCurrentTip(5);

    EXPECT_FALSE(dialog.LoadTips(WriteFile(dir, "\n# nothing yet\n\n")));
    EXPECT_FALSE(NextButton(dialog)->isEnabled());

    EXPECT_TRUE(dialog.LoadTips(WriteFile(dir, "One.\n\nTwo.\n")));
    EXPECT_EQ(dialog.TipCount(), 2);
    EXPECT_TRUE(NextButton(dialog)->isEnabled());
}

TEST(TipOfDay, RunGivesBackTheStartUpFlagAsTheUserLeftIt)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir, "Tip one.\n\nTip two.\n");
    for (bool initial : {true, false}) {
        // Untouched: the flag comes back as it went in, whether closed by button or Escape.
        WhenModal([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("btClose"))->click(); });
        EXPECT_EQ(TTipOfDay::Run(file, initial), initial);
        WhenModal([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
        EXPECT_EQ(TTipOfDay::Run(file, initial), initial);
        // Toggled by the user.
        WhenModal([](QWidget* d) {
            d->findChild<QCheckBox*>(QStringLiteral("cbShowAtStart"))->click();
            d->findChild<QPushButton*>(QStringLiteral("btClose"))->click();
        });
        EXPECT_EQ(TTipOfDay::Run(file, initial), !initial);
    }
    // A missing file still shows the dialog, and the box still works.
    WhenModal([](QWidget* d) {
        d->findChild<QCheckBox*>(QStringLiteral("cbShowAtStart"))->click();
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_FALSE(TTipOfDay::Run(dir.filePath(QStringLiteral("none.txt")), true));
}

TEST(TipOfDay, ShippedTipsFileHasTips)
{
    TTipOfDay dialog;
    ASSERT_TRUE(dialog.LoadTips(QStringLiteral(VANTORO_SOURCE_DIR "/resources/Vantoro.txt")));
    EXPECT_GE(dialog.TipCount(), 10);
    for (int i = 0; i < dialog.TipCount(); ++i) {
        dialog.SetCurrentTip(i);
        EXPECT_FALSE(dialog.CurrentText().contains(QLatin1Char('#'))) << i;
    }
}
