// The real prompts: where their boxes open.

#include "QtPrompts.h"

#include <QApplication>
#include <QDialog>
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
