#include <QApplication>

#include <gtest/gtest.h>

// Posted messages and the Qt dialogs need an application object; listing the tests runs without
// a display as well.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
