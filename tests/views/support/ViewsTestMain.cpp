#include "platform/FixedLook.h"

#include <QApplication>
#include <QLocale>
#include <QtGlobal>

#include <gtest/gtest.h>

// Widgets need an application object; the fixed look makes pictures and measures the same on
// every machine, and the user's locale is the German one the texts are written for.
int main(int argc, char** argv)
{
    // Also when CTest lists the tests, which it does without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::ApplyFixedLook(application);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
