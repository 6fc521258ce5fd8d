// Shared main of every test executable: an offscreen QApplication, so widget
// and timer tests run without a display, and a fixed "C" locale to start from.
// The texts are English whatever the developer's language, also in the
// programs a test starts (LANGUAGE); a test that wants another language asks
// for it with UseLanguage and goes back to "en".

#include "Translations.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LANGUAGE", "en", 1);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    UseLanguage(QStringLiteral("en"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
