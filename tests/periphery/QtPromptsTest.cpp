// The real prompts: where their boxes open, how wide they are, which icon they show.

#include "ModalHelper.h"
#include "QtPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(QtPrompts, BoxesOpenOverTheModalDialogThatAsksElseOverTheWindow)
{
    QWidget window;
    TQtPrompts prompts(&window);
    QDialog dialog(&window);
    dialog.setModal(true);
    for (QWidget* expected : {static_cast<QWidget*>(&dialog), &window}) {
        if (expected == &dialog) dialog.show();
        QWidget* owner = nullptr;
        QTimer::singleShot(0, qApp, [&owner] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            owner = box->parentWidget();
            box->close();
        });
        prompts.Message(QStringLiteral("Title"), QStringLiteral("Text"), tPromptIcon::Error);
        EXPECT_EQ(owner, expected);
        dialog.hide();
    }
}

TEST(QtPrompts, ABoxIsAsWideAsItsTitleAndShowsTheIconAskedFor)
{
    TQtPrompts prompts;
    const struct {
        const char* title;
        tPromptIcon icon;
        QMessageBox::Icon shown;
    } cases[] = {
        // A question shows the question mark, whatever icon its caller gave.
        {"Clear all favorites", tPromptIcon::Stop, QMessageBox::Question},
        {"Exit without save", tPromptIcon::Warning, QMessageBox::Question},
    };
    for (const auto& c : cases) {
        int width = 0, titleWidth = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (!box) return;
            width = box->width();
            QFont bold = box->font(); // title bars often use a bold face
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            icon = box->icon();
            box->done(QMessageBox::No);
        });
        EXPECT_FALSE(
            prompts.AskYesNo(QLatin1String(c.title), QStringLiteral("Are you sure?"), c.icon));
        // The title with the window's icon and its three buttons beside it.
        EXPECT_GE(width, titleWidth + 6 * QFontMetrics(QApplication::font()).height()) << c.title;
        EXPECT_EQ(icon, c.shown) << c.title;
    }
}

TEST(QtPrompts, AWarningShowsTheWarningSignWhateverItsCallerAsked)
{
    TQtPrompts prompts;
    const struct {
        const char* title;
        tPromptIcon icon;
        QMessageBox::Icon shown;
    } cases[] = {
        {"Warning", tPromptIcon::Information, QMessageBox::Warning},
        {"Warning", tPromptIcon::Error, QMessageBox::Warning},
        {"Vantoro", tPromptIcon::Information, QMessageBox::Information},
        {"Vantoro", tPromptIcon::Error, QMessageBox::Critical},
    };
    for (const auto& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModal([&](QWidget* dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                icon = box->icon();
                box->done(QMessageBox::Ok);
            }
        });
        prompts.Message(QLatin1String(c.title), QStringLiteral("Text"), c.icon);
        EXPECT_EQ(icon, c.shown) << c.title << " " << int(c.icon);
    }
}
