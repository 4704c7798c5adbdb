#include "app/Timer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <gtest/gtest.h>

namespace {

TEST(TimerTest, RunsOnlyWhenEnabledWithAnIntervalAboveZero)
{
    TTimer timer(0, true);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.Running());

    timer.SetInterval(500);
    EXPECT_TRUE(timer.Running());

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(timer.Interval(), 500);

    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Running());

    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    EXPECT_TRUE(timer.Enabled());
}

TEST(TimerTest, NegativeIntervalCountsAsZero)
{
    TTimer timer(-1, true);
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.Running());
}

TEST(TimerTest, TicksReachTheHandlerOnTheEventLoop)
{
    TTimer timer(1, false);
    int ticks = 0;
    timer.OnTimer = [&ticks] { ++ticks; };
    timer.SetEnabled(true);

    const QDeadlineTimer deadline(10000);
    while (ticks < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    EXPECT_GE(ticks, 2);
    EXPECT_TRUE(timer.Running());
}

TEST(TimerTest, AnIntervalOfZeroNeverTicks)
{
    TTimer timer(0, true);
    int ticks = 0;
    timer.OnTimer = [&ticks] { ++ticks; };

    for (int pass = 0; pass < 10; ++pass)
        QCoreApplication::processEvents();

    EXPECT_EQ(ticks, 0);
}

} // namespace
