#include <QCoreApplication>

#include <gtest/gtest.h>

// Timers need an application object with its event loop.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
