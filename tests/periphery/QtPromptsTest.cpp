// The message boxes as shown: wide enough for their titles, with the icon asked for.

#include "QtPrompts.h"
#include "ModalHelper.h"

#include <QMessageBox>
#include <gtest/gtest.h>

TEST(QtPrompts, ABoxIsAsWideAsItsTitleAndShowsTheIconAskedFor)
{
    TQtPrompts prompts;
    const struct {
        const char* title;
        tPromptIcon icon;
        QMessageBox::Icon shown;
    } cases[] = {
        {"Clear all favorites", tPromptIcon::Stop, QMessageBox::Critical},
        {"Exit without save", tPromptIcon::Warning, QMessageBox::Warning},
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
