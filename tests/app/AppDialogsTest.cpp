#include "CannotStartDialog.h"
#include "ExitQuestion.h"
#include "PortAccessWarning.h"
#include "StationNamePrompt.h"

#include "ModalHelper.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* Button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

TEST(ExitDialog, YesIsOfferedOnlyWhenTheCardMayPlayOn)
{
    TExitQuestion free(false);
    EXPECT_EQ(free.windowTitle(), QStringLiteral("Power-off message"));
    EXPECT_TRUE(free.YesButton()->isEnabled());
    EXPECT_TRUE(free.YesButton()->isDefault());
    TExitQuestion forced(true);
    EXPECT_FALSE(forced.YesButton()->isEnabled());
    EXPECT_FALSE(forced.YesButton()->isDefault()); // Enter must not pick a disabled answer
    EXPECT_TRUE(forced.NoButton()->isDefault());
    EXPECT_EQ(forced.YesButton()->text(), QStringLiteral("&Yes"));
    EXPECT_EQ(forced.NotExitButton()->text(), QStringLiteral("Don't &exit"));
}

TEST(ExitDialog, EachButtonGivesItsAnswerAndDismissingKeepsRunning)
{
    TExitQuestion dialog(false);
    const std::pair<const char*, tExitAnswer> cases[] = {
        {"btYes", tExitAnswer::Yes}, {"btNo", tExitAnswer::No}, {"btNotExit", tExitAnswer::Abort}};
    for (const auto& [name, answer] : cases) {
        WhenModal([button = name](QWidget* d) { Button(d, button)->click(); });
        EXPECT_EQ(dialog.Ask(), answer) << name;
    }
    // A run closed without an answer does not keep the previous one.
    WhenModal([](QWidget* d) { Button(d, "btYes")->click(); });
    ASSERT_EQ(dialog.Ask(), tExitAnswer::Yes);
    WhenModal([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Ask(), tExitAnswer::Abort);
    // Enter on a card that must be muted answers No, never Yes.
    TExitQuestion forced(true);
    WhenModal([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    EXPECT_EQ(forced.Ask(), tExitAnswer::No);
}

TEST(StartupWarnings, TextsCaptionsAndTheSystemsReason)
{
    TPortAccessWarning warning(QStringLiteral("this kernel offers no I/O port access (ioperm: Function not implemented)"));
    EXPECT_EQ(warning.windowTitle(), QStringLiteral("Warning"));
    const QStringList lines = warning.Text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("The running operating system is Linux and the installed radio card "
                                       "is controlled by direct access to I/O ports."));
    EXPECT_EQ(lines[1], QStringLiteral(" "));
    EXPECT_EQ(lines[2], QStringLiteral("In Linux, that kind of access to hardware is not allowed without a privilege."));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("CAP_SYS_RAWIO capability (setcap cap_sys_rawio+ep)")));
    EXPECT_EQ(lines[5], QStringLiteral("Read the chapter \"Installing on Linux\" of the user manual for more details."));
    EXPECT_TRUE(lines[6].contains(QStringLiteral("this kernel offers no I/O port access")));
    EXPECT_EQ(TPortAccessWarning(QStringLiteral("  ")).Text().split(QLatin1Char('\n')).size(), 6);

    TCannotStartDialog cannot;
    EXPECT_EQ(cannot.windowTitle(), QStringLiteral("Warning"));
    WhenModal([](QWidget* d) { Button(d, "btContinue")->click(); });
    EXPECT_EQ(cannot.exec(), int(QDialog::Accepted));
}

TEST(StationNamePrompt, NamesAreLimitedToFortyCharacters)
{
    TStationNamePrompt dialog(QString(50, QLatin1Char('x')));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Asking for station name"));
    // A small tool window: the title and a close box only.
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint) &&
                flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.Name().size(), 40); // a longer stored name is cut on the way in

    QLineEdit* edit = dialog.NameEdit();
    EXPECT_EQ(edit->objectName(), QStringLiteral("sName"));
    edit->clear();
    QTest::keyClicks(edit, QString(45, QLatin1Char('a')));
    EXPECT_EQ(edit->text(), QString(40, QLatin1Char('a')));

    // Characters outside the basic plane take two UTF-16 units; forty of them still fit.
    const QString note = QString::fromUcs4(U"\U0001D11E");
    QString forty;
    for (int i = 0; i < 40; ++i) forty += note;
    edit->clear();
    for (int i = 0; i < 41; ++i) edit->insert(note); // typed one at a time; the last is refused
    EXPECT_EQ(edit->text(), forty);
    TStationNamePrompt prefilled(forty + note + note);
    EXPECT_EQ(prefilled.Name(), forty);
}

TEST(StationNamePrompt, OkGivesTheTrimmedNameAndCancelNothing)
{
    WhenModal([](QWidget* d) {
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("sName"));
        edit->setText(QStringLiteral("  Night Talk \t"));
        Button(d, "btOK")->click();
    });
    EXPECT_EQ(TStationNamePrompt::Ask(QStringLiteral("old")), std::optional<QString>(QStringLiteral("Night Talk")));
    WhenModal([](QWidget* d) { QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("sName")), Qt::Key_Return); });
    EXPECT_EQ(TStationNamePrompt::Ask(QStringLiteral("Kept")), std::optional<QString>(QStringLiteral("Kept")));
    WhenModal([](QWidget* d) { Button(d, "btCancel")->click(); });
    EXPECT_FALSE(TStationNamePrompt::Ask(QStringLiteral("old")).has_value());
}
