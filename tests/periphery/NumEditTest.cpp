// The numeric edit field: what can be typed, clamping and rounding on
// Return, the user's decimal separator, and when it reports a change.

#include "NumEdit.h"

#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(NumEdit, TypedNumbersAreCheckedClampedAndRounded)
{
    const TScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    TNumEdit edit;
    edit.SetDecimals(3);
    edit.SetRange(87.0, 108.0);
    QSignalSpy changes(&edit, &TNumEdit::ValueChanged);
    EXPECT_EQ(edit.text(), QStringLiteral("87,000")); // 0 clamped, no signal
    edit.SetValue(99.5);
    EXPECT_EQ(changes.count(), 0);

    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("1x01.2,345-"));
    EXPECT_EQ(
        edit.text(),
        QStringLiteral("101.234")); // "." taken; letters, a second mark, a fourth decimal refused
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(edit.Value(), 101.234);
    EXPECT_EQ(edit.text(), QStringLiteral("101,234"));
    ASSERT_EQ(changes.count(), 1);

    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("200"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(edit.Value(), 108.0);
    EXPECT_EQ(edit.text(), QStringLiteral("108,000"));

    edit.clear(); // nothing readable keeps the number
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(edit.Value(), 108.0);
    EXPECT_EQ(changes.count(), 2);
}
